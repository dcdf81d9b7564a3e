# The Debian package of the suite, built with "cpack -G DEB" in the build directory. The run-time
# libraries come from dpkg-shlibdeps; the Qt platform plugin and the fonts the windows ask for
# ("Arial", "Courier New", "MS Sans Serif" map to Liberation) are added by name.
set(CPACK_PACKAGE_NAME glossand)
set(CPACK_PACKAGE_VENDOR "Glossand")
set(CPACK_PACKAGE_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(CPACK_PACKAGE_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(CPACK_PACKAGE_VERSION_PATCH 0)
set(CPACK_DEBIAN_PACKAGE_RELEASE "")
set(CPACK_PACKAGE_CONTACT "Matthias Wendelin <glossand@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Latin-German dictionary with its help viewer and help authoring program")
# Debian's extended description, below the summary: lines of at most 79 characters (CPack indents
# each by one blank).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Glossand (zembrota) is a Latin-German dictionary for pupils of a three-book
Latin course: it looks words up, lists the words of each book and lesson and
searches the whole word list. Tessavor shows the help files, and Quorant
writes and compiles them.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/glossand/")
# The programs are installed below the prefix they were built for, which they know: run from
# there they write nothing into their installation.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides the libraries: the platform plugin, Qt's German texts for its standard dialogs and
# menus, and the fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
# Opening the order form and the maker's links goes through the desktop's default handlers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
