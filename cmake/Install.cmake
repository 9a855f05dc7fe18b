# cmake --install BUILD [--prefix P]: the three programs in bin/, the shipped
# files (Lang/, Vamok.APT) in share/vamok/ where the program finds them
# relative to itself, the desktop entry, the ".VAM" file type, the icon and
# the udev rule for the USB bridge.
install(TARGETS vamok vamok-cli vamok-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${CMAKE_SOURCE_DIR}/lang/ DESTINATION ${VAMOK_DATA_DIR}/Lang
        PATTERN ".*" EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/dist/ DESTINATION ${VAMOK_DATA_DIR}
        PATTERN ".*" EXCLUDE)
# The state vamok-sim serves when given --state share/vamok/demo-state.json.
install(FILES ${CMAKE_SOURCE_DIR}/sim/demo-state.json DESTINATION ${VAMOK_DATA_DIR})

install(FILES ${CMAKE_SOURCE_DIR}/desktop/vamok.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/vamok-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME vamok.xml)
install(FILES ${VAMOK_ICON_DIR}/vamok.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS VAMOK_ICON_SIZES)
  install(FILES ${VAMOK_ICON_DIR}/vamok-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vamok.png)
endforeach()

# udev reads rules from lib/udev/rules.d below /usr (not below /usr/local,
# see the README), whatever the platform's library folder is called. The copy
# in share/vamok/udev is the one the program's advice installs.
install(FILES ${CMAKE_SOURCE_DIR}/udev/99-vamok.rules DESTINATION lib/udev/rules.d)
install(FILES ${CMAKE_SOURCE_DIR}/udev/99-vamok.rules DESTINATION ${VAMOK_DATA_DIR}/udev)

# A direct install into the system refreshes the file type and menu caches so
# that a double-click on a ".VAM" file opens the program; a staged install
# (DESTDIR, packaging) leaves that to the package's own triggers.
install(CODE "set(vamok_datadir \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    find_program(VAMOK_UPDATE_MIME update-mime-database)
    find_program(VAMOK_UPDATE_DESKTOP update-desktop-database)
    if(VAMOK_UPDATE_MIME)
      execute_process(COMMAND ${VAMOK_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/${vamok_datadir}/mime")
    endif()
    if(VAMOK_UPDATE_DESKTOP)
      execute_process(COMMAND ${VAMOK_UPDATE_DESKTOP} "${CMAKE_INSTALL_PREFIX}/${vamok_datadir}/applications")
    endif()
  endif()
]])
