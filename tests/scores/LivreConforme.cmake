# cmake -DSQLCIPHER=... -DGRAINE=... -DLIVRE=... -DMOT_DE_PASSE=... -DCREER=... -DTEMP=...
#       -P LivreConforme.cmake
# Le Scores.dat livré, gardé dans le dépôt, tient exactement la graine : le même contenu qu'un
# fichier refait à l'instant (mêmes tables, mêmes lignes), au format de SQLCipher 3 (pages de
# 1024 octets) et intègre.
set(refait "${TEMP}/Scores.dat")
file(REMOVE "${refait}")
execute_process(COMMAND ${CMAKE_COMMAND} -DSQLCIPHER=${SQLCIPHER} -DGRAINE=${GRAINE}
                        -DDESTINATION=${refait} -DMOT_DE_PASSE=${MOT_DE_PASSE} -P ${CREER}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
function(lire fichier sortie)
  execute_process(COMMAND "${SQLCIPHER}" -batch -bail -cmd ".output /dev/null"
                          -cmd "PRAGMA key = '${MOT_DE_PASSE}'"
                          -cmd "PRAGMA cipher_compatibility = 3" -cmd ".output stdout" "${fichier}"
                          "PRAGMA page_size; PRAGMA integrity_check;" ".dump"
                  OUTPUT_VARIABLE contenu COMMAND_ERROR_IS_FATAL ANY)
  set(${sortie} "${contenu}" PARENT_SCOPE)
endfunction()
lire("${LIVRE}" livre)
lire("${refait}" attendu)
file(REMOVE "${refait}")
if(NOT livre MATCHES "^1024\nok\n")
  message(FATAL_ERROR "Le Scores.dat livré n'est pas au format attendu :\n${livre}")
endif()
if(NOT livre STREQUAL attendu)
  message(FATAL_ERROR "Le Scores.dat livré ne tient pas la graine ${GRAINE} : refaites-le avec "
                      "cmake --build build --target refaire_scores_livres")
endif()
