# L'installation (cmake --install, préfixe /usr/local par défaut), que reprend aussi le paquet
# Debian (debian/, make paquet). Le dossier de construction build/Kalvoro/ n'en dépend pas.
#
#   games/kalvoro                                  l'exécutable, rangé avec les jeux
#   share/kalvoro/                                 l'aide, les documents, le Scores.dat livré
#   share/applications/kalvoro.desktop             l'entrée du menu
#   share/icons/hicolor/{32x32,64x64,scalable}/    l'icône
#   share/metainfo/<id>.metainfo.xml               la fiche des logithèques
#   share/man/{man6,fr/man6}/kalvoro.6.gz          la page de manuel, en anglais et en français
#   share/doc/kalvoro/{copyright,changelog.gz}     les licences et l'historique
#
# L'adresse du site est celle de la fenêtre A propos ; l'identifiant AppStream du développeur en
# est tiré, à l'envers comme le veut la norme, et celui du jeu le prolonge.
set(KALVORO_SITE "https://www.example.net/kalvoro/")
set(KALVORO_ID_DEVELOPPEUR "net.example.www")
set(KALVORO_ID_APPSTREAM "${KALVORO_ID_DEVELOPPEUR}.kalvoro")
set(KALVORO_LIVRAISON ${CMAKE_BINARY_DIR}/livraison)
set(KALVORO_PARTAGE ${CMAKE_INSTALL_DATADIR}/kalvoro)
set(KALVORO_PAQUETAGE ${CMAKE_CURRENT_LIST_DIR})

configure_file(${KALVORO_PAQUETAGE}/kalvoro.metainfo.xml.in
  ${KALVORO_LIVRAISON}/${KALVORO_ID_APPSTREAM}.metainfo.xml @ONLY)

# Pages de manuel et historique compressés comme Debian les attend (-n : sans date, le paquet
# se refait à l'identique). La page anglaise va dans man6/, la française dans fr/man6/.
find_program(KALVORO_GZIP gzip REQUIRED)
file(MAKE_DIRECTORY ${KALVORO_LIVRAISON}/fr)
set(KALVORO_COMPRESSES)
foreach(source_cible kalvoro.en.6:kalvoro.6 kalvoro.6:fr/kalvoro.6 changelog:changelog)
  string(REPLACE ":" ";" source_cible ${source_cible})
  list(GET source_cible 0 nom)
  list(GET source_cible 1 cible)
  add_custom_command(OUTPUT ${KALVORO_LIVRAISON}/${cible}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${KALVORO_PAQUETAGE}/${nom} ${KALVORO_LIVRAISON}/${cible}
    COMMAND ${KALVORO_GZIP} -9nf ${KALVORO_LIVRAISON}/${cible}
    DEPENDS ${KALVORO_PAQUETAGE}/${nom} VERBATIM)
  list(APPEND KALVORO_COMPRESSES ${KALVORO_LIVRAISON}/${cible}.gz)
endforeach()
add_custom_target(kalvoro_livraison ALL DEPENDS ${KALVORO_COMPRESSES})

# Liaison durcie comme celle des paquets Debian : la table des symboles est résolue puis
# protégée en écriture dès le démarrage.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  target_link_options(kalvoro PRIVATE LINKER:-z,relro,-z,now)
endif()
# Installé, le programme trouve Qt et ses bibliothèques à leur place ordinaire : aucun RUNPATH
# (celui que pose la préparation de projet de Qt le ferait chercher à côté de lui).
set_target_properties(kalvoro PROPERTIES INSTALL_RPATH "")
install(TARGETS kalvoro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Le Scores.dat installé est toujours le neuf, tiré de la graine, jamais celui du dossier de
# construction où l'on a pu jouer.
install(FILES ${KALVORO_LIVRAISON}/Scores.dat DESTINATION ${KALVORO_PARTAGE})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/dossier/ DESTINATION ${KALVORO_PARTAGE})
install(FILES ${KALVORO_PAQUETAGE}/kalvoro.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
set(KALVORO_ICONES ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/assets/images/icone.png
  DESTINATION ${KALVORO_ICONES}/32x32/apps RENAME kalvoro.png)
install(FILES ${PROJECT_SOURCE_DIR}/assets/images/icone@2x.png
  DESTINATION ${KALVORO_ICONES}/64x64/apps RENAME kalvoro.png)
install(FILES ${PROJECT_SOURCE_DIR}/tools/images/icone.svg
  DESTINATION ${KALVORO_ICONES}/scalable/apps RENAME kalvoro.svg)
install(FILES ${KALVORO_LIVRAISON}/${KALVORO_ID_APPSTREAM}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KALVORO_LIVRAISON}/kalvoro.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${KALVORO_LIVRAISON}/fr/kalvoro.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man6)
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${KALVORO_LIVRAISON}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kalvoro)
