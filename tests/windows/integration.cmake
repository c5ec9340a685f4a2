# Les essais de bout en bout des fenêtres sur une copie du vrai Scores.dat : ils reprennent les
# outils des tests du magasin (copie temporaire, shell sqlcipher pour relire de l'extérieur) et
# ont besoin du fichier livré dans le dossier du programme.
foreach(nom IN ITEMS tst_integration_fenetres tst_integration_langues tst_integration_partie)
  target_include_directories(${nom} PRIVATE ${PROJECT_SOURCE_DIR}/tests/scores)
  target_compile_definitions(${nom} PRIVATE KALVORO_SQLCIPHER="${KALVORO_SQLCIPHER}")
  if(TARGET kalvoro_scores_livres)
    add_dependencies(${nom} kalvoro_scores_livres)
  endif()
endforeach()
