# Tests particuliers du magasin des scores : le programme d'essai que les tests lancent dans
# des processus à part, les chemins des outils dont ils ont besoin, et le contrôle des
# bibliothèques chargées.
add_executable(essai_scores ${CMAKE_CURRENT_LIST_DIR}/essai_scores.cpp)
target_link_libraries(essai_scores PRIVATE kalvoro_scores kalvoro_avertissements)

foreach(nom IN LISTS KALVORO_TESTS_scores)
  target_compile_definitions(${nom} PRIVATE
    KALVORO_ESSAI_SCORES="$<TARGET_FILE:essai_scores>"
    KALVORO_SQLCIPHER="${KALVORO_SQLCIPHER}"
    KALVORO_CMAKE="${CMAKE_COMMAND}"
    KALVORO_CREER_SCORES="${PROJECT_SOURCE_DIR}/tools/CreerScores.cmake"
    KALVORO_GRAINE="${PROJECT_SOURCE_DIR}/assets/scores/graine.sql")
  add_dependencies(${nom} essai_scores)
  if(TARGET kalvoro_scores_livres)
    add_dependencies(${nom} kalvoro_scores_livres)
  endif()
endforeach()

# Deux copies de SQLite dans un même processus cassent le verrouillage : ni le programme ni le
# programme d'essai ne doivent charger libsqlite3 ; tous deux doivent bien charger SQLCipher.
add_test(NAME scores/sans_libsqlite3
  COMMAND ${CMAKE_COMMAND}
          "-DAVEC_SQLCIPHER=$<TARGET_FILE:kalvoro>$<SEMICOLON>$<TARGET_FILE:essai_scores>"
          -P ${CMAKE_CURRENT_LIST_DIR}/SansLibsqlite3.cmake)
set_tests_properties(scores/sans_libsqlite3 PROPERTIES LABELS offscreen)

# La première copie chez le joueur : le chemin pris par le programme (plateforme) contrôlé par
# le moteur (magasin).
target_link_libraries(tst_copie_scores PRIVATE kalvoro_platform)

add_test(NAME scores/livre_conforme_a_la_graine
  COMMAND ${CMAKE_COMMAND} -DSQLCIPHER=${KALVORO_SQLCIPHER}
          -DGRAINE=${PROJECT_SOURCE_DIR}/assets/scores/graine.sql
          -DLIVRE=${PROJECT_SOURCE_DIR}/assets/scores/Scores.dat
          -DMOT_DE_PASSE=${KALVORO_MOT_DE_PASSE}
          -DCREER=${PROJECT_SOURCE_DIR}/tools/CreerScores.cmake -DTEMP=${CMAKE_CURRENT_BINARY_DIR}
          -P ${CMAKE_CURRENT_LIST_DIR}/LivreConforme.cmake)
set_tests_properties(scores/livre_conforme_a_la_graine PROPERTIES LABELS offscreen)
