# Install rules: the programs and every file they look for beside themselves go into one directory,
# <prefix>/lib/glossand; <prefix>/bin holds relative symbolic links to them. The programs find
# their companion files through the directory of their own executable, which the system resolves
# through the link, so a program started as <prefix>/bin/zembrota still finds its word list.
set(GLOSSAND_LINK_DIR ${CMAKE_CURRENT_BINARY_DIR}/bin-links)
file(MAKE_DIRECTORY ${GLOSSAND_LINK_DIR})

foreach(program zembrota tessavor quorant quorantc zembrota-check)
  install(TARGETS ${program} RUNTIME DESTINATION ${GLOSSAND_INSTALL_DIR})
  file(CREATE_LINK ../${GLOSSAND_INSTALL_DIR}/${program} ${GLOSSAND_LINK_DIR}/${program} SYMBOLIC)
  install(FILES ${GLOSSAND_LINK_DIR}/${program} DESTINATION bin)
endforeach()

install(FILES ${GLOSSAND_COMPANION_TEXTS} ${GLOSSAND_HELP_FILES} DESTINATION ${GLOSSAND_INSTALL_DIR})

# Desktop integration. The viewer's entry is hidden from the menus, because the viewer is useless
# without a help file; it serves to open .vry files and gives the desktop its icon.
set(GLOSSAND_DESKTOP_DIR ${CMAKE_CURRENT_SOURCE_DIR}/desktop)
foreach(app Zembrota Quorant Tessavor)
  install(FILES ${GLOSSAND_DESKTOP_DIR}/org.glossand.${app}.desktop DESTINATION share/applications)
  install(FILES ${GLOSSAND_DESKTOP_DIR}/icons/org.glossand.${app}.svg
          DESTINATION share/icons/hicolor/scalable/apps)
  foreach(size 32 64 128)
    install(FILES ${GLOSSAND_DESKTOP_DIR}/icons/org.glossand.${app}-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps
            RENAME org.glossand.${app}.png)
  endforeach()
endforeach()
# A compiled help file opened from the file manager shows its contents page in the viewer.
install(FILES ${GLOSSAND_DESKTOP_DIR}/org.glossand.Tessavor.mime.xml
        DESTINATION share/mime/packages
        RENAME org.glossand.Tessavor.xml)
install(FILES
  ${GLOSSAND_DESKTOP_DIR}/org.glossand.Zembrota.metainfo.xml
  ${GLOSSAND_DESKTOP_DIR}/org.glossand.Quorant.metainfo.xml
  DESTINATION share/metainfo)
