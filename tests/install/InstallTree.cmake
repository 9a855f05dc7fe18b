# cmake -DBUILD_DIR=... -DWORK_DIR=... -P InstallTree.cmake
# Installs the build into a fresh prefix below WORK_DIR, checks that every
# part lands where the desktop and udev look for it, and runs the installed
# programs, which must find their shipped files in the installed tree (no
# build tree beside them).
cmake_minimum_required(VERSION 3.22)

set(prefix ${WORK_DIR}/prefix)
set(home ${WORK_DIR}/home)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${home})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

foreach(file IN ITEMS
    bin/vamok bin/vamok-cli bin/vamok-sim
    share/vamok/Lang/Lang.ini share/vamok/Lang/Master.Eng share/vamok/Lang/MASTER.IGNORE
    share/vamok/Vamok.APT share/vamok/demo-state.json
    share/applications/vamok.desktop share/mime/packages/vamok.xml
    share/icons/hicolor/scalable/apps/vamok.svg share/icons/hicolor/16x16/apps/vamok.png
    share/icons/hicolor/48x48/apps/vamok.png share/icons/hicolor/256x256/apps/vamok.png
    lib/udev/rules.d/99-vamok.rules share/vamok/udev/99-vamok.rules)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The menu entry opens ".VAM" files through the file type the package defines.
file(READ ${prefix}/share/applications/vamok.desktop desktop)
file(READ ${prefix}/share/mime/packages/vamok.xml mime)
string(REGEX MATCH "MimeType=([^;\n]+);" found "${desktop}")
set(type ${CMAKE_MATCH_1})
if(NOT found OR NOT mime MATCHES "<mime-type type=\"${type}\">" OR NOT mime MATCHES "pattern=\"\\*\\.VAM\"")
  message(FATAL_ERROR "vamok.desktop names the type '${type}', which vamok.xml does not define for *.VAM")
endif()
if(NOT desktop MATCHES "\nExec=vamok %f\n" OR NOT desktop MATCHES "\nIcon=vamok\n")
  message(FATAL_ERROR "vamok.desktop does not start vamok with the file and its icon:\n${desktop}")
endif()
file(READ ${prefix}/share/icons/hicolor/48x48/apps/vamok.png png HEX LIMIT 24)
# PNG signature, then the IHDR chunk: width and height 48.
if(NOT png MATCHES "^89504e470d0a1a0a0000000d49484452" OR NOT png MATCHES "0000003000000030$")
  message(FATAL_ERROR "share/icons/hicolor/48x48/apps/vamok.png is no 48 x 48 PNG: ${png}")
endif()

set(env ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 HOME=${home}
        XDG_CONFIG_HOME=${home}/.config XDG_DATA_HOME=${home}/.local/share)

execute_process(COMMAND ${env} ${prefix}/bin/vamok --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^vamok [0-9]+\\.[0-9]+\\.[0-9]+ \\[Build [0-9]+\\]\n$")
  message(FATAL_ERROR "installed vamok --version gave ${rc}:\n${out}\n${err}")
endif()

# Without a library of the user's, the demo readout rates with the library
# shipped in share/vamok: "BUER" there has 0.50 clo and 1.20 met, which give
# workplace 1 a PMV of -0.26 (without it the PMV differs).
execute_process(COMMAND ${env} ${prefix}/bin/vamok-cli read --link demo --last 1 --json
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "\"Type\": \"BUER\"" OR NOT out MATCHES "\"PMV1\": \"-0\\.26\"")
  message(FATAL_ERROR "installed vamok-cli did not rate with the shipped library (${rc}):\n${out}\n${err}")
endif()
if(EXISTS ${home}/.local/share/QAL/VAMOK/Vamok.APT)
  message(FATAL_ERROR "the demo readout wrote a library into the user's folder")
endif()

# The simulator serves the installed demo state on a pseudo-terminal (it runs
# until stopped: its first line, the terminal's path, is all it takes).
execute_process(COMMAND ${prefix}/bin/vamok-sim --dialect rix --state ${prefix}/share/vamok/demo-state.json
                TIMEOUT 3 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT out MATCHES "^PTY /dev/")
  message(FATAL_ERROR "installed vamok-sim did not serve the installed demo state (${rc}):\n${out}\n${err}")
endif()
