# Le programme installé (cmake --install dans un DESTDIR temporaire) : ses fiches passent leurs
# validateurs, et le vrai programme lancé sous Xvfb tient les scores du joueur à part.
foreach(cas fiches joueur)
  add_test(NAME install/${cas} COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/installation.sh
           ${CMAKE_BINARY_DIR} ${KALVORO_MOT_DE_PASSE} ${cas})
  set_tests_properties(install/${cas} PROPERTIES TIMEOUT 300 LABELS install)
endforeach()
# Son propre Xvfb (sur un numéro que Xvfb choisit libre), sa maison, son DESTDIR : rien à
# partager avec les autres essais sous X, il tourne à côté d'eux.
set_tests_properties(install/joueur PROPERTIES LABELS X)
# make install / make uninstall dans deux DESTDIR et sous le préfixe, dans tous les ordres.
add_test(NAME install/desinstallation COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/desinstallation.sh
         ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(install/desinstallation PROPERTIES TIMEOUT 300 LABELS install)
# Le paquet de make paquet a son propre essai, tests/install/paquet.sh : une deuxième construction
# du programme avec les drapeaux de Debian, lancée par "make test-paquet" (et par l'intégration
# continue après la suite), hors de ctest.
