# Les catalogues sont à jour : lupdate, relancé sur les sources, n'y trouve aucun texte nouveau,
# disparu ou inachevé (voir le README pour les mettre à jour).
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/sources_textes.lst
     CONTENT "$<JOIN:${KALVORO_SOURCES_TEXTES},\n>\n")
add_test(NAME translations/catalogues_a_jour
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/catalogues.sh
          $<TARGET_FILE:Qt6::lupdate> ${CMAKE_CURRENT_BINARY_DIR}/sources_textes.lst ${KALVORO_CATALOGUES})
set_tests_properties(translations/catalogues_a_jour PROPERTIES LABELS offscreen)
