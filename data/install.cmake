# Install rules: the programs and every file they look for beside themselves go into one directory,
# <prefix>/lib/glossand; <prefix>/bin holds relative symbolic links to them. The programs find
# their companion files through the directory of their own executable, which the system resolves
# through the link, so a program started as <prefix>/bin/zembrota still finds its word list.
set(GLOSSAND_LINK_DIR ${CMAKE_CURRENT_BINARY_DIR}/bin-links)
file(MAKE_DIRECTORY ${GLOSSAND_LINK_DIR})

# zembrota-formen joins once it is built.
set(GLOSSAND_PROGRAMS zembrota tessavor quorant quorantc zembrota-check zembrota-formen)
foreach(program ${GLOSSAND_PROGRAMS})
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${GLOSSAND_INSTALL_DIR})
    file(CREATE_LINK ../${GLOSSAND_INSTALL_DIR}/${program} ${GLOSSAND_LINK_DIR}/${program} SYMBOLIC)
    install(FILES ${GLOSSAND_LINK_DIR}/${program} DESTINATION bin)
  endif()
endforeach()

install(FILES ${GLOSSAND_COMPANION_TEXTS} ${GLOSSAND_HELP_FILES} DESTINATION ${GLOSSAND_INSTALL_DIR})

# Desktop integration. The viewer's entry is hidden from the menus, because the viewer is useless
# without a help file; it serves to open .vry files and gives the desktop its icon.
set(GLOSSAND_DESKTOP_DIR ${CMAKE_CURRENT_SOURCE_DIR}/desktop)
foreach(app Zembrota Quorant Tessavor)
  install(FILES ${GLOSSAND_DESKTOP_DIR}/org.glossand.${app}.desktop DESTINATION share/applications)
  install(FILES ${GLOSSAND_DESKTOP_DIR}/icons/org.glossand.${app}.svg
          DESTINATION share/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${GLOSSAND_DESKTOP_DIR}/icons/org.glossand.${app}-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps
            RENAME org.glossand.${app}.png)
  endforeach()
endforeach()
# A compiled help file opened from the file manager shows its contents page in the viewer, a help
# project opens in Quorant.
foreach(app Tessavor Quorant)
  install(FILES ${GLOSSAND_DESKTOP_DIR}/org.glossand.${app}.mime.xml
          DESTINATION share/mime/packages
          RENAME org.glossand.${app}.xml)
endforeach()
install(FILES
  ${GLOSSAND_DESKTOP_DIR}/org.glossand.Zembrota.metainfo.xml
  ${GLOSSAND_DESKTOP_DIR}/org.glossand.Quorant.metainfo.xml
  DESTINATION share/metainfo)

# Manual pages, the copyright file and the changelog, compressed as Debian ships them (gzip -n
# keeps the package reproducible).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(GLOSSAND_DOC_BUILD_DIR ${CMAKE_CURRENT_BINARY_DIR}/doc)
set(GLOSSAND_COMPRESSED)
macro(glossand_compress source target)
  add_custom_command(OUTPUT ${target}
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${source} > ${target}
    DEPENDS ${source} VERBATIM)
  list(APPEND GLOSSAND_COMPRESSED ${target})
endmacro()
file(MAKE_DIRECTORY ${GLOSSAND_DOC_BUILD_DIR})
foreach(program ${GLOSSAND_PROGRAMS})
  if(TARGET ${program})
    set(page ${GLOSSAND_DOC_BUILD_DIR}/${program}.1.gz)
    glossand_compress(${CMAKE_CURRENT_SOURCE_DIR}/man/${program}.1 ${page})
    install(FILES ${page} DESTINATION share/man/man1)
  endif()
endforeach()
glossand_compress(${CMAKE_CURRENT_SOURCE_DIR}/package/changelog ${GLOSSAND_DOC_BUILD_DIR}/changelog.gz)
add_custom_target(glossand_docs ALL DEPENDS ${GLOSSAND_COMPRESSED})
install(FILES ${GLOSSAND_DOC_BUILD_DIR}/changelog.gz ${CMAKE_CURRENT_SOURCE_DIR}/package/copyright
        DESTINATION share/doc/glossand)
# The informational lintian tags that stay, each with its reason.
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/package/lintian-overrides
        DESTINATION share/lintian/overrides RENAME glossand)

# The AppStream screenshots, made by scripts/make-screenshots.
file(GLOB GLOSSAND_SCREENSHOTS ${GLOSSAND_DESKTOP_DIR}/screenshots/*.png)
install(FILES ${GLOSSAND_SCREENSHOTS} DESTINATION share/glossand/screenshots)
