# cmake -DCONSTRUCTION=<dossier> -DCMAKE_INSTALL_PREFIX=<préfixe> -DLISTE=<fichier> -P Poser.cmake
# L'installation ordinaire de CMake, dont la liste des fichiers posés est écrite dans LISTE :
# celle que CMake garde dans le dossier de construction sert à toutes les installations, essais
# compris, et ne dit pas sous quel DESTDIR elles ont eu lieu.
include(${CONSTRUCTION}/cmake_install.cmake)
list(JOIN CMAKE_INSTALL_MANIFEST_FILES "\n" poses)
file(WRITE ${LISTE} "${poses}\n")
