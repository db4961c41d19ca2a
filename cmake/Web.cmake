# The browser build, made with Emscripten: the game's layers up to the host,
# the page's layer (src/web) on top, and one WebAssembly program with its
# script. scripts/web puts it together with the page and the assets.
velmorane_layer(web velmorane_host)

set(VELMORANE_WEB_EXPORTS
  _velmorane_replay _velmorane_replay_dump _velmorane_replay_hash _velmorane_replay_error
  _velmorane_play_start _velmorane_play_step _velmorane_play_key _velmorane_play_menu
  _velmorane_play_slider _velmorane_play_activate _velmorane_play_tune_ended
  _velmorane_play_slider_position _velmorane_play_slider_label _velmorane_play_dialogs _velmorane_play_picture _velmorane_play_closed _velmorane_play_trouble
  _velmorane_play_watch _velmorane_play_watching _velmorane_notices
  _velmorane_pad_plugged _velmorane_pad_unplugged _velmorane_pad_button _velmorane_pad_axis
  _velmorane_kept_home _velmorane_kept_language _velmorane_settings _velmorane_settings_generation _velmorane_settings_sound _velmorane_settings_language
  _velmorane_settings_window_scale _velmorane_settings_bind_key _velmorane_settings_default_keys
  _velmorane_captions _velmorane_keeps_records _velmorane_records _velmorane_play_recording _velmorane_kept_recording
  _velmorane_shared _velmorane_refusal
  _main _malloc _free)
list(JOIN VELMORANE_WEB_EXPORTS "," VELMORANE_WEB_EXPORT_LIST)

add_executable(velmorane-web src/webmain.cpp)
target_link_libraries(velmorane-web PRIVATE velmorane_web)
set_target_properties(velmorane-web PROPERTIES OUTPUT_NAME velmorane SUFFIX .js)
target_link_options(velmorane-web PRIVATE
  -sMODULARIZE=1 -sEXPORT_ES6=1 -sEXPORT_NAME=Velmorane -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=[${VELMORANE_WEB_EXPORT_LIST}]
  -sEXPORTED_RUNTIME_METHODS=[ccall,cwrap,FS,IDBFS,UTF8ToString,HEAPU8]
  -sFORCE_FILESYSTEM=1 -lidbfs.js)

# Tests built for WebAssembly from Debian's GoogleTest sources and run under
# Node.js (tests/scripts/wasm_tests.sh): the host layer's file formats and
# rules for keys, pads and timers, where size_t has 32 bits so a length check
# that could wrap shows, and the page layer's own tests.
set(VELMORANE_GTEST_SOURCE /usr/src/googletest/googletest)
if(EXISTS ${VELMORANE_GTEST_SOURCE})
  set(gtest_disable_pthreads ON CACHE BOOL "GoogleTest without threads, as the page has none" FORCE)
  add_subdirectory(${VELMORANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(VELMORANE_WASM_HOST_TESTS base/ByteReader base/DecimalNumber base/IndexedBmp base/Utf8 host/CommandLine
    host/KeyBindings host/MenuCaptions base/MidiLength host/PadKeys host/PlayerName host/Replay host/ScoreTable
    host/SettingsFile host/SettingsInUse base/Sha256 host/SpeedAndBrightness host/TimerSchedule host/TurnLoop)
  list(TRANSFORM VELMORANE_WASM_HOST_TESTS PREPEND ${PROJECT_SOURCE_DIR}/tests/)
  list(TRANSFORM VELMORANE_WASM_HOST_TESTS APPEND Test.cpp)
  file(GLOB VELMORANE_WASM_WEB_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/web/*.cpp)
  file(GLOB VELMORANE_WASM_SUPPORT CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)
  add_executable(velmorane-wasm-tests EXCLUDE_FROM_ALL
    ${VELMORANE_WASM_HOST_TESTS} ${VELMORANE_WASM_WEB_TESTS} ${VELMORANE_WASM_SUPPORT})
  target_include_directories(velmorane-wasm-tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(velmorane-wasm-tests PRIVATE velmorane_web gtest_main)
  target_link_options(velmorane-wasm-tests PRIVATE -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1)
  # A plain Node.js script: the project's package.json makes every .js file a module.
  set_target_properties(velmorane-wasm-tests PROPERTIES SUFFIX .cjs)
endif()
