# Run by CPack once the package's files are staged: adds to the package's
# Depends the libraries that the program and the bridge module link, as
# dpkg-shlibdeps finds them. CPack's own search (CPACK_DEBIAN_PACKAGE_SHLIBDEPS)
# would also add maintainer scripts that call ldconfig, for a module in a
# private folder the loader never searches.

set(wurzel ${CPACK_TEMPORARY_DIRECTORY})
file(GLOB elf RELATIVE ${wurzel} ${wurzel}/usr/bin/* ${wurzel}/usr/lib/scheibwart/*)
list(TRANSFORM CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS PREPEND -l OUTPUT_VARIABLE privat)

# dpkg-shlibdeps wants a control file, and DEBIAN marks the package's root.
file(WRITE ${wurzel}/debian/control "")
file(MAKE_DIRECTORY ${wurzel}/DEBIAN)
execute_process(
  COMMAND dpkg-shlibdeps -O --ignore-missing-info ${privat} ${elf}
  WORKING_DIRECTORY ${wurzel}
  OUTPUT_VARIABLE ausgabe
  ERROR_VARIABLE meldungen
  RESULT_VARIABLE fehler
  OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE ${wurzel}/debian ${wurzel}/DEBIAN)
if(fehler OR NOT ausgabe MATCHES "^shlibs:Depends=(.+)$")
  message(FATAL_ERROR "dpkg-shlibdeps ${elf}: ${meldungen}${ausgabe}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
