// What every call of the page's script may ask after it: the numbers the
// page shares with the game, and why a call was refused.
#include <emscripten/emscripten.h>

#include <string>

#include "web/PageCalls.h"
#include "web/PageJson.h"

namespace {

std::string answer;

}  // namespace

extern "C" {

// SharedJson, which the page reads once before it calls anything else.
EMSCRIPTEN_KEEPALIVE const char* velmorane_shared() {
  answer = SharedJson();
  return answer.c_str();
}

// Why the last call was refused, or "" when it was not (web/PageCalls.h).
EMSCRIPTEN_KEEPALIVE const char* velmorane_refusal() {
  answer = TakeRefusal();
  return answer.c_str();
}

}  // extern "C"
