#include "web/PageSound.h"

#include <emscripten/emscripten.h>

namespace {

EM_JS(void, page_tune_started, (const char* file, int waited), {
  if (Module.onTuneStarted) Module.onTuneStarted(UTF8ToString(file), waited !== 0);
});
EM_JS(void, page_tune_stopped, (), {
  if (Module.onTuneStopped) Module.onTuneStopped();
});
EM_JS(void, page_effect, (const char* file), {
  if (Module.onEffect) Module.onEffect(UTF8ToString(file));
});

}  // namespace

void PageTunes::TuneStarted(const std::string& file, bool waited) { page_tune_started(file.c_str(), waited ? 1 : 0); }
void PageTunes::TuneStopped() { page_tune_stopped(); }
void PageEffects::Play(const std::string& file) { page_effect(file.c_str()); }
