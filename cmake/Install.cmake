# `cmake --install` lays the game out like any desktop program: the program
# in bin/, its assets in share/velmorane/assets (found from the program's own
# folder), a menu entry, AppStream metadata, icons and a manual page.
# VELMORANE_GAMES_LAYOUT lays it out as Debian does games instead: the
# program in games/, its assets in share/games/velmorane.
include(GNUInstallDirs)

option(VELMORANE_GAMES_LAYOUT "Install the program in games/ and its assets in share/games/velmorane" OFF)
if(VELMORANE_GAMES_LAYOUT)
  set(VELMORANE_INSTALL_PROGRAM_DIR games)
  set(VELMORANE_INSTALL_ASSET_DIR ${CMAKE_INSTALL_DATADIR}/games/velmorane)
else()
  set(VELMORANE_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
  set(VELMORANE_INSTALL_ASSET_DIR ${CMAKE_INSTALL_DATADIR}/velmorane/assets)
endif()

install(TARGETS velmorane RUNTIME DESTINATION ${VELMORANE_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/assets/ DESTINATION ${VELMORANE_INSTALL_ASSET_DIR}
  FILES_MATCHING PATTERN "*.bmp" PATTERN "*.mid" PATTERN "*.wav")
install(FILES ${CMAKE_SOURCE_DIR}/desktop/velmorane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/org.velmorane.velmorane.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/docs/velmorane.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
