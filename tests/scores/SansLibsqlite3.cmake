# cmake -DSANS_SQLITE="<exécutables>" -DAVEC_SQLCIPHER="<exécutables>" -P SansLibsqlite3.cmake
# Échoue si un exécutable charge libsqlite3 (ldd), ou si un de AVEC_SQLCIPHER ne charge pas
# libsqlcipher.
function(bibliotheques executable sortie)
  execute_process(COMMAND ldd "${executable}" RESULT_VARIABLE resultat OUTPUT_VARIABLE liste
                  ERROR_VARIABLE erreur)
  if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "ldd ${executable} a échoué : ${erreur}")
  endif()
  set(${sortie} "${liste}" PARENT_SCOPE)
endfunction()

foreach(executable IN LISTS SANS_SQLITE AVEC_SQLCIPHER)
  bibliotheques("${executable}" liste)
  if(liste MATCHES "libsqlite3")
    message(FATAL_ERROR "${executable} charge libsqlite3 à côté de SQLCipher :\n${liste}")
  endif()
endforeach()
foreach(executable IN LISTS AVEC_SQLCIPHER)
  bibliotheques("${executable}" liste)
  if(NOT liste MATCHES "libsqlcipher")
    message(FATAL_ERROR "${executable} ne charge pas libsqlcipher :\n${liste}")
  endif()
  message(STATUS "${executable} : SQLCipher seul")
endforeach()
