# The Debian package: `make package` builds build/scheibwart_<version>_<arch>.deb
# from the install rules, for /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scheibwart)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Jan Wagner <jan@scheibwart.de>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.scheibwart.de)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "catalogue of films and games on CDs
Scheibwart keeps a private collection of films and computer games on CDs:
title, number of CDs, CD format, genre and comment, with wish lists and a
lending list. Collections can be searched, sorted and exported as a text
report, an HTML page, DIF files or spreadsheet workbooks written by
LibreOffice Calc.
.
The user interface is German.")

# Depends from the libraries the program and the bridge module link, found by
# a script of ours rather than by CPack, which would call ldconfig needlessly;
# the UNO libraries lie in the office's program folder, outside the search path.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${LIBREOFFICE_PROGRAMM})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/Abhaengigkeiten.cmake)
# Qt's German texts, without which its own buttons and file dialogs speak
# English.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# The workbook export drives LibreOffice Calc; everything else works without
# it. On a Wayland desktop the program runs natively with Qt's Wayland
# platform, else through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-calc | libreoffice-calc-nogui, qt6-wayland")

include(CPack)
