# Le vrai programme lancé sous Xvfb : sa fenêtre paraît et se ferme, et sans Scores.dat il
# s'arrête avec le statut 1 après son message ; avec LANGUAGE=en, il parle anglais.
foreach(cas fenetre sans-scores anglais)
  add_test(NAME windows/fumee_${cas}
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/fumee.sh ${KALVORO_DOSSIER} ${cas})
  set_tests_properties(windows/fumee_${cas} PROPERTIES TIMEOUT 90 RESOURCE_LOCK xvfb LABELS X)
endforeach()

# Une partie à deux jouée jusqu'au bout par le vrai programme : la fin sans tableau des scores.
add_test(NAME windows/partie_a_deux
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/partie_a_deux.sh ${KALVORO_DOSSIER})
set_tests_properties(windows/partie_a_deux PROPERTIES TIMEOUT 300 RESOURCE_LOCK xvfb LABELS X)
