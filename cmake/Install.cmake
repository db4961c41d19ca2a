# `cmake --install` lays the game out like any desktop program: the program
# in bin/, its assets in share/velmorane/assets (found from the program's own
# folder), a menu entry and an icon.
include(GNUInstallDirs)

install(TARGETS velmorane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/assets/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velmorane/assets
  FILES_MATCHING PATTERN "*.bmp" PATTERN "*.mid" PATTERN "*.wav")
install(FILES ${CMAKE_SOURCE_DIR}/desktop/velmorane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/velmorane.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
