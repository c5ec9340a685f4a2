# Avant la mise en paquet : l'exécutable perd aussi les sections .comment et .note que le
# dépouillement ordinaire garde, comme le fait dh_strip pour les paquets Debian.
find_program(STRIP_PAQUET strip REQUIRED)
file(GLOB_RECURSE executables "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/games/kalvoro"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/kalvoro")
foreach(executable IN LISTS executables)
  execute_process(COMMAND ${STRIP_PAQUET} --remove-section=.comment --remove-section=.note
                          --strip-unneeded "${executable}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
