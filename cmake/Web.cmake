# The browser build, made with Emscripten: the game's layers up to the host,
# the page's layer (src/web) on top, and one WebAssembly program with its
# script. scripts/web puts it together with the page and the assets.
velmorane_layer(web velmorane_host)

set(VELMORANE_WEB_EXPORTS
  _velmorane_replay _velmorane_replay_dump _velmorane_replay_hash _velmorane_replay_error
  _velmorane_play_start _velmorane_play_step _velmorane_play_key _velmorane_play_menu
  _velmorane_play_slider _velmorane_play_activate _velmorane_play_tune_ended
  _velmorane_play_slider_position _velmorane_play_slider_label _velmorane_play_picture _velmorane_play_closed _velmorane_play_trouble
  _velmorane_pad_plugged _velmorane_pad_unplugged _velmorane_pad_button _velmorane_pad_axis
  _velmorane_kept_home _velmorane_settings _velmorane_settings_generation _velmorane_settings_sound _velmorane_settings_language
  _velmorane_settings_window_scale _velmorane_settings_bind_key _velmorane_settings_default_keys
  _velmorane_captions _velmorane_records _velmorane_play_recording _velmorane_kept_recording
  _main _malloc _free)
list(JOIN VELMORANE_WEB_EXPORTS "," VELMORANE_WEB_EXPORT_LIST)

add_executable(velmorane-web src/webmain.cpp)
target_link_libraries(velmorane-web PRIVATE velmorane_web)
set_target_properties(velmorane-web PROPERTIES OUTPUT_NAME velmorane SUFFIX .js)
target_link_options(velmorane-web PRIVATE
  -sMODULARIZE=1 -sEXPORT_NAME=Velmorane -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=[${VELMORANE_WEB_EXPORT_LIST}]
  -sEXPORTED_RUNTIME_METHODS=[ccall,cwrap,FS,IDBFS,UTF8ToString,HEAPU8]
  -sFORCE_FILESYSTEM=1 -lidbfs.js)
