# Installs the build for /usr into a fresh folder ZIEL and checks the tree:
# exactly the program, its bridge module where the program looks for it, and
# the desktop files, all without a library search path into the build machine.
#   cmake -DBAUORDNER= -DZIEL= -DBINDIR= -DMODULORDNER= -DMODULORDNER_VOM_PROGRAMM=
#         -DDATADIR= -DMANDIR= -DKENNUNG= -DDATEISYMBOL= -P Installation.cmake

file(REMOVE_RECURSE ${ZIEL})
set(ENV{DESTDIR} ${ZIEL})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BAUORDNER} --prefix /usr
                OUTPUT_QUIET RESULT_VARIABLE fehler)
if(fehler)
  message(FATAL_ERROR "cmake --install failed: ${fehler}")
endif()

set(hicolor usr/${DATADIR}/icons/hicolor)
set(erwartet
  usr/${BINDIR}/scheibwart
  usr/${MODULORDNER}/libscheibwart_calc.so
  usr/${DATADIR}/applications/${KENNUNG}.desktop
  usr/${DATADIR}/mime/packages/${KENNUNG}.xml
  usr/${DATADIR}/metainfo/${KENNUNG}.metainfo.xml
  usr/${MANDIR}/man1/scheibwart.1.gz
  usr/${MANDIR}/de/man1/scheibwart.1.gz
  usr/${DATADIR}/doc/scheibwart/copyright
  usr/${DATADIR}/doc/scheibwart/changelog.gz
  usr/${DATADIR}/doc/scheibwart/hauptfenster.png
  ${hicolor}/scalable/apps/${KENNUNG}.svg
  ${hicolor}/scalable/mimetypes/${DATEISYMBOL}.svg)
foreach(groesse 16 22 24 32 48 64 128 256)
  list(APPEND erwartet
    ${hicolor}/${groesse}x${groesse}/apps/${KENNUNG}.png
    ${hicolor}/${groesse}x${groesse}/mimetypes/${DATEISYMBOL}.png)
endforeach()

file(GLOB_RECURSE installiert LIST_DIRECTORIES false RELATIVE ${ZIEL} ${ZIEL}/*)
set(fehlt ${erwartet})
list(REMOVE_ITEM fehlt ${installiert})
set(zuviel ${installiert})
list(REMOVE_ITEM zuviel ${erwartet})
if(fehlt OR zuviel)
  message(FATAL_ERROR "Missing: ${fehlt}\nNot to be installed: ${zuviel}")
endif()

# The program finds its module by this relative path.
cmake_path(SET modul NORMALIZE "${ZIEL}/usr/${BINDIR}/${MODULORDNER_VOM_PROGRAMM}/libscheibwart_calc.so")
if(NOT EXISTS ${modul})
  message(FATAL_ERROR "The program looks for its module at ${modul}, which is not there")
endif()

foreach(datei usr/${BINDIR}/scheibwart usr/${MODULORDNER}/libscheibwart_calc.so)
  execute_process(COMMAND readelf -d ${ZIEL}/${datei} OUTPUT_VARIABLE eintraege COMMAND_ERROR_IS_FATAL ANY)
  if(eintraege MATCHES "R(UN)?PATH[^\n]*")
    message(FATAL_ERROR "${datei} keeps a library search path: ${CMAKE_MATCH_0}")
  endif()
endforeach()
