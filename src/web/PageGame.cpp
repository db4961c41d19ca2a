#include "web/PageGame.h"

#include <memory>

namespace {

std::unique_ptr<PagePlay> game;

}  // namespace

bool StartPageGame(const PageStart& how, std::int64_t now, std::string& error) {
  game = std::make_unique<PagePlay>();
  if (game->Start(how, now, error)) return true;
  game.reset();
  return false;
}

PagePlay* ThePageGame() { return game.get(); }
