# Le vrai programme ouvert sur un dossier de photos : la série créée par Entrée, une partie
# jouée avec elle, le score inscrit dans son propre fichier.
add_test(NAME windows/serie_photos
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/serie.sh ${KALVORO_DOSSIER} ${KALVORO_MOT_DE_PASSE})
set_tests_properties(windows/serie_photos PROPERTIES
  TIMEOUT 400 RESOURCE_LOCK xvfb LABELS X ENVIRONMENT "KALVORO_SOURCES=${PROJECT_SOURCE_DIR}")
