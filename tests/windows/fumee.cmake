# Le vrai programme lancé sous Xvfb : sa fenêtre paraît et se ferme, et sans Scores.dat il
# s'arrête avec le statut 1 après son message ; avec LANGUAGE=en, il parle anglais.
foreach(cas fenetre sans-scores anglais)
  add_test(NAME windows/fumee_${cas}
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/fumee.sh ${KALVORO_DOSSIER} ${cas})
  set_tests_properties(windows/fumee_${cas} PROPERTIES TIMEOUT 90 RESOURCE_LOCK xvfb LABELS X)
endforeach()
