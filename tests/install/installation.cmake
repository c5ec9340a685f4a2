# Le programme installé (cmake --install dans un DESTDIR temporaire) : ses fiches passent leurs
# validateurs, et le vrai programme lancé sous Xvfb tient les scores du joueur à part.
foreach(cas fiches joueur)
  add_test(NAME install/${cas} COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/installation.sh
           ${CMAKE_BINARY_DIR} ${KALVORO_MOT_DE_PASSE} ${cas})
  set_tests_properties(install/${cas} PROPERTIES TIMEOUT 300 LABELS install)
endforeach()
set_tests_properties(install/joueur PROPERTIES RESOURCE_LOCK xvfb LABELS X)
# make install / make uninstall dans deux DESTDIR et sous le préfixe, dans tous les ordres.
add_test(NAME install/desinstallation COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/desinstallation.sh
         ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(install/desinstallation PROPERTIES TIMEOUT 300 LABELS install)
# Le paquet de make paquet, construit à côté (build-paquet/ pour build/) avec les drapeaux de
# Debian : la première fois, c'est une construction complète du programme.
add_test(NAME install/paquet COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/paquet.sh
         ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}-paquet)
set_tests_properties(install/paquet PROPERTIES TIMEOUT 1800 LABELS install)
