# cmake -DSQLCIPHER=<shell sqlcipher> -DGRAINE=<graine.sql> -DDESTINATION=<.../Scores.dat>
#       -DMOT_DE_PASSE=<mot de passe> -P CreerScores.cmake
# cmake -DLIVRE=<Scores.dat livré> -DDESTINATION=<.../Scores.dat> -P CreerScores.cmake
# Écrit DESTINATION, chiffré avec le mot de passe du programme, à partir de la graine (ou le
# recopie du fichier livré), et seulement s'il n'existe pas : un fichier déjà là garde ses
# scores, octet pour octet. Le fichier est d'abord écrit à côté, puis renommé : jamais de
# Scores.dat à moitié écrit.
if(DEFINED LIVRE)
  if(EXISTS "${DESTINATION}")
    message(STATUS "Scores.dat existe déjà, il est laissé tel quel : ${DESTINATION}")
  else()
    file(COPY_FILE "${LIVRE}" "${DESTINATION}.creation")
    file(RENAME "${DESTINATION}.creation" "${DESTINATION}")
    message(STATUS "Scores.dat livré posé : ${DESTINATION}")
  endif()
  return()
endif()

foreach(variable SQLCIPHER GRAINE DESTINATION MOT_DE_PASSE)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "CreerScores.cmake : la variable ${variable} manque.")
  endif()
endforeach()

# La clé, au format de SQLCipher 3 (celui que lisent toutes les copies du programme), sans le
# "ok" que SQLCipher 4 répond à PRAGMA key ni ses messages sur les pages refusées.
# Une commande par -cmd, sans point-virgule : la liste de CMake les couperait.
set(cle -cmd ".output /dev/null" -cmd "PRAGMA key = '${MOT_DE_PASSE}'"
  -cmd "PRAGMA cipher_compatibility = 3" -cmd "PRAGMA cipher_log_level = NONE" -cmd ".output stdout")

if(EXISTS "${DESTINATION}")
  message(STATUS "Scores.dat existe déjà, il est laissé tel quel : ${DESTINATION}")
else()
  set(provisoire "${DESTINATION}.creation")
  file(REMOVE "${provisoire}" "${provisoire}-journal")
  execute_process(
    COMMAND "${SQLCIPHER}" -batch -bail ${cle} "${provisoire}" ".read '${GRAINE}'"
    RESULT_VARIABLE resultat ERROR_VARIABLE erreur)
  if(NOT resultat EQUAL 0 OR erreur)
    file(REMOVE "${provisoire}")
    message(FATAL_ERROR "La graine ${GRAINE} n'a pu être écrite : ${erreur}")
  endif()
  execute_process(
    COMMAND "${SQLCIPHER}" -batch -bail ${cle} "${provisoire}" "PRAGMA integrity_check;"
    RESULT_VARIABLE resultat OUTPUT_VARIABLE controle ERROR_VARIABLE erreur
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT resultat EQUAL 0 OR NOT controle STREQUAL "ok")
    file(REMOVE "${provisoire}")
    message(FATAL_ERROR "Le Scores.dat écrit ne passe pas le contrôle : ${controle} ${erreur}")
  endif()
  file(RENAME "${provisoire}" "${DESTINATION}")
  message(STATUS "Scores.dat écrit à partir de la graine : ${DESTINATION}")
endif()
