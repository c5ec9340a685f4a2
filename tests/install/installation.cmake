# Le programme installé (cmake --install dans un DESTDIR temporaire) : ses fiches passent leurs
# validateurs, et le vrai programme lancé sous Xvfb tient les scores du joueur à part.
foreach(cas fiches joueur)
  add_test(NAME install/${cas} COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/installation.sh
           ${CMAKE_BINARY_DIR} ${KALVORO_MOT_DE_PASSE} ${cas})
  set_tests_properties(install/${cas} PROPERTIES TIMEOUT 120)
endforeach()
set_tests_properties(install/joueur PROPERTIES RESOURCE_LOCK xvfb)
