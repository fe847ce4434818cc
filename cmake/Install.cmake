# Where `cmake --install` and the Debian package put Vextora, below the prefix P:
#   P/bin                       vextora-convert, vextora (when Qt is found)
#   P/share/vextora             help.html (the dialog's Help finds it from P/bin) and examples/
#   P/share/applications       the desktop entry
#   P/share/icons/hicolor       the icon, scalable and 48 px
#   P/share/man/man1            the manual page, compressed as Debian does
include(GNUInstallDirs)

set(VEXTORA_DATADIR ${CMAKE_INSTALL_DATADIR}/vextora)
set(VEXTORA_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS vextora-convert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET vextora)
  install(TARGETS vextora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${VEXTORA_PACKAGING}/vextora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${VEXTORA_PACKAGING}/vextora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${VEXTORA_PACKAGING}/vextora-48.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME vextora.png)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/docs/help.html DESTINATION ${VEXTORA_DATADIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${VEXTORA_DATADIR}/examples)

set(VEXTORA_MANPAGE ${CMAKE_BINARY_DIR}/man/vextora-convert.1)
add_custom_command(OUTPUT ${VEXTORA_MANPAGE}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${VEXTORA_PACKAGING}/vextora-convert.1 ${VEXTORA_MANPAGE}
  COMMAND gzip -9nf ${VEXTORA_MANPAGE}
  DEPENDS ${VEXTORA_PACKAGING}/vextora-convert.1
  VERBATIM)
add_custom_target(vextora_manpage ALL DEPENDS ${VEXTORA_MANPAGE}.gz)
install(FILES ${VEXTORA_MANPAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
