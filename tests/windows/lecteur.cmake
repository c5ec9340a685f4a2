# Ce qu'un lecteur d'écran apprend du vrai programme, par le bus d'accessibilité sous Xvfb.
add_test(NAME windows/lecteur_atspi
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/lecteur.sh ${KALVORO_DOSSIER})
set_tests_properties(windows/lecteur_atspi PROPERTIES
  TIMEOUT 400 RESOURCE_LOCK xvfb LABELS X ENVIRONMENT "KALVORO_SOURCES=${PROJECT_SOURCE_DIR}")
