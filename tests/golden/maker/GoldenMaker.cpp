// velmorane_golden_maker: writes the golden record's games. Each is a replay
// script played by a policy on the real game core: stages cleared by search,
// the ending, random play with misses, game overs, continues, restarts,
// pauses and speed changes, two-player races with brightness changes.
//
//   velmorane_golden_maker --assets DIR --out DIR
//
// The scripts it wrote are kept in the repository; the record is checked by
// playing them with the program, never by running this again.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <string>

#include "GameDriver.h"
#include "ItemSearch.h"
#include "play/LifeState.h"

namespace {

constexpr int kPlayKeys[] = {vk::Left, vk::Right, vk::Up, vk::Down, vk::Space};
constexpr int kRacerTwoKeys[] = {'C', 'B', 'F', 'V', 'Z'};

class Policy {
 public:
  Policy(GameDriver& d, std::uint32_t seed) : d_(d), rng_(seed) {}

  int Below(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
  bool OneIn(int n) { return Below(n) == 0; }

  void Ticks(int n) {
    for (int i = 0; i < n; ++i) {
      if (!d_.Tick()) Unstop();
    }
  }

  // Speed 0 stops every frame: set it going again.
  void Unstop() { d_.Send(Event::SliderMove(SliderId::Speed, 50)); }

  void Tap(int key, int ticks = 1) {
    d_.Press(key);
    Ticks(ticks);
    d_.Release(key);
  }

  void StartSolo() {
    Ticks(3 + Below(5));
    Tap(vk::Enter);
  }
  void StartDuo() {
    Ticks(3 + Below(5));
    Tap(vk::Space);
  }

  bool On(TimerId id) const { return d_.G().TimerById(id).Running(); }

  // Lets a miss, a tally or a game-over wait run, continuing after game over.
  void LetSequencesRun(bool useContinue) {
    for (int guard = 0; guard < 2000; ++guard) {
      const Game& g = d_.G();
      if (On(TimerId::Timer2)) {
        Tap(useContinue ? 'C' : vk::Enter);
      } else if (On(TimerId::Timer1) && g.PlayMode == PlayMode::OnePlayer && g.Player.State <= kWaitingShown) {
        // Back at the start after a miss, the character waits for a key.
        Tap(vk::Up);
      } else if (On(TimerId::Timer1) && g.PlayMode == PlayMode::OnePlayer && g.Player.State != kInPlay) {
        Ticks(1);
      } else if (On(TimerId::ClearTimer)) {
        Ticks(1);
      } else {
        return;
      }
    }
  }

  // A short stretch of random play keys, which may well cost a life.
  void Wander(const int* keys, int count, int ticks) {
    for (int t = 0; t < ticks; ++t) {
      if (OneIn(3)) {
        const int k = keys[Below(count)];
        if (OneIn(2)) d_.Press(k); else d_.Release(k);
      }
      Ticks(1);
    }
    d_.Hold({});
  }

  // One-player stages cleared by search until `clears` are done or the
  // game reaches the ending; false when a stage would not give in.
  bool ClearStages(int clears) {
    int done = 0, stuck = 0;
    i32 stage = d_.G().StageNo;
    while (done < clears) {
      LetSequencesRun(true);
      const Game& g = d_.G();
      if (On(TimerId::EndingTimer)) return true;
      if (!On(TimerId::Timer1)) return false;
      if (g.StageNo != stage) {
        ++done;
        stage = g.StageNo;
        continue;
      }
      if (g.ItemsLeft <= 0 || g.Player.State != kInPlay) {
        Ticks(1);
        continue;
      }
      if (OneIn(40)) {
        Tap('P', 2 + Below(4));
        Tap('P');
      }
      if (TakeNextItem(d_, Steered{})) {
        stuck = 0;
        continue;
      }
      if (++stuck > 4) return false;
      Wander(kPlayKeys, 5, 20 + Below(40));
    }
    return true;
  }

  void RandomSolo(int ticks) {
    for (int t = 0; t < ticks; ++t) {
      if (On(TimerId::TitleTimer) && OneIn(20)) Tap(vk::Enter);
      if (On(TimerId::Timer2) && OneIn(10)) Tap(OneIn(2) ? 'C' : vk::Enter);
      if (OneIn(4)) {
        const int k = kPlayKeys[Below(5)];
        if (OneIn(2)) d_.Press(k); else d_.Release(k);
      }
      if (OneIn(300)) Tap('R');
      if (OneIn(200)) Tap('P');
      if (OneIn(150)) Tap(OneIn(2) ? 'A' : 'S');
      if (OneIn(400)) d_.Send(Event::MenuChoice(OneIn(2) ? MenuCommand::Restart : MenuCommand::Pause));
      if (OneIn(500)) d_.Send(Event::SliderMove(SliderId::Speed, 10 + Below(291)));
      if (OneIn(700)) d_.Send(Event::Activation());
      Ticks(1);
    }
  }

  void RandomDuo(int ticks) {
    for (int t = 0; t < ticks; ++t) {
      if (On(TimerId::TitleTimer) && OneIn(20)) Tap(vk::Space);
      if (On(TimerId::Timer2) && OneIn(15)) Tap(vk::Enter);
      if (OneIn(3)) {
        const int k = OneIn(2) ? kPlayKeys[Below(5)] : kRacerTwoKeys[Below(5)];
        if (OneIn(2)) d_.Press(k); else d_.Release(k);
      }
      if (OneIn(60)) Tap(OneIn(2) ? 'Q' : 'W');
      if (OneIn(300)) d_.Send(Event::SliderMove(SliderId::Brightness, Below(201)));
      if (OneIn(250)) Tap('P');
      if (OneIn(400)) Tap(OneIn(2) ? 'A' : 'S');
      Ticks(1);
    }
  }

  // Player 1 races for every item by search while player 2 stands still.
  bool WinDuo() {
    for (int guard = 0; guard < 200 && On(TimerId::Timer1); ++guard) {
      if (d_.G().Duo[0].State != kInPlay) {
        if (OneIn(8)) Tap(vk::Up);
        Ticks(1);
        continue;
      }
      if (!TakeNextItem(d_, Steered{0})) Wander(kPlayKeys, 5, 30);
    }
    return On(TimerId::Timer2);
  }

 private:
  GameDriver& d_;
  std::mt19937 rng_;
};

// Hand-timed scripts: keys and 'wait' steps, played by the program's own
// clock, with speed changes from the keys and the slider.
std::vector<std::string> TimedScript(std::uint32_t seed, bool duo) {
  std::mt19937 rng(seed);
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  std::vector<std::string> lines = {"velmorane-replay 1", "seed " + std::to_string(seed), "wait 400",
                                    duo ? "key down Space" : "key down Enter", "wait 150",
                                    duo ? "key up Space" : "key up Enter"};
  const char* solo[] = {"Left", "Right", "Up", "Down", "Space"};
  const char* two[] = {"C", "B", "F", "V", "Z", "Q", "W"};
  for (int i = 0; i < 150; ++i) {
    const int r = below(100);
    if (r < 50) {
      const std::string key = duo && below(2) ? two[below(7)] : solo[below(5)];
      lines.push_back(std::string(below(2) ? "key down " : "key up ") + key);
    } else if (r < 55) {
      lines.push_back(std::string("key down ") + (below(2) ? "A" : "S"));
      lines.push_back(std::string("key up ") + (below(2) ? "A" : "S"));
    } else if (r < 58) {
      lines.push_back("slider speed " + std::to_string(below(8) ? 10 + below(291) : 0));
    } else if (r < 60) {
      lines.push_back("slider " + std::string(duo ? "brightness " : "speed ") + std::to_string(below(201)));
    } else if (r < 63) {
      lines.push_back(below(2) ? "key down C" : "key down Enter");
      lines.push_back("wait " + std::to_string(50 + below(200)));
      lines.push_back("key up C");
      lines.push_back("key up Enter");
    } else if (r < 64) {
      lines.push_back(below(2) ? "menu restart" : "menu pause");
    } else if (r < 65) {
      lines.push_back("activate");
    }
    lines.push_back("wait " + std::to_string(20 + below(600)));
  }
  return lines;
}

struct Made {
  std::string Title;
  int Stage = 1;
  std::vector<std::string> Lines;
};

bool Write(const std::filesystem::path& out, int index, const Made& m) {
  char name[32];
  std::snprintf(name, sizeof name, "%03d.replay", index);
  std::ofstream f(out / name);
  for (std::size_t i = 0; i < m.Lines.size(); ++i) {
    f << m.Lines[i] << '\n';
    if (i == 0) {
      f << "# " << m.Title << '\n';
      if (m.Stage != 1) f << "# options: --stage " << m.Stage << '\n';
    }
  }
  return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
  std::string assets, out;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--assets") assets = argv[i + 1];
    else if (a == "--out") out = argv[i + 1];
  }
  if (assets.empty() || out.empty()) {
    std::cerr << "usage: velmorane_golden_maker --assets DIR --out DIR\n";
    return 2;
  }
  std::filesystem::create_directories(out);
  int index = 0;
  auto made = [&](const Made& m) {
    if (!Write(out, ++index, m)) {
      std::cerr << "velmorane_golden_maker: cannot write into " << out << '\n';
      std::exit(1);
    }
    std::cout << index << ' ' << m.Title << std::endl;
  };
  auto play = [&](const std::string& title, std::uint32_t seed, int stage,
                  const std::function<void(Policy&)>& policy) {
    GameDriver d;
    std::string error;
    if (!d.Start(assets, seed, stage, error)) {
      std::cerr << "velmorane_golden_maker: " << error << '\n';
      std::exit(1);
    }
    Policy p(d, seed);
    policy(p);
    made({title, stage, d.TakeLines()});
  };

  // Every stage cleared, from several seeds each.
  for (int stage = 1; stage <= 10; ++stage) {
    for (std::uint32_t k = 0; k < 7; ++k) {
      const std::uint32_t seed = 1000 * stage + k * 37 + 1;
      const int clears = stage < 10 ? 1 + static_cast<int>(k % 2) : 1;
      play("stage " + std::to_string(stage) + " cleared by search", seed, stage, [&](Policy& p) {
        p.StartSolo();
        p.ClearStages(clears);
        p.Ticks(40 + p.Below(200));
      });
    }
  }
  // The ending, watched a while, then back to the title and a new game.
  for (std::uint32_t k = 0; k < 10; ++k) {
    play("the ending after stage " + std::to_string(9 + k % 2), 9000 + k * 53, 9 + static_cast<int>(k % 2),
         [&](Policy& p) {
           p.StartSolo();
           p.ClearStages(2);
           p.Ticks(100 + p.Below(400));
           p.Tap(vk::Enter);
           p.Ticks(20 + p.Below(50));
           if (k % 3 == 0) p.StartSolo(), p.Ticks(150);
         });
  }
  // Whole games from stage 1 to the ending.
  for (std::uint32_t k = 0; k < 1; ++k) {
    play("a whole game to the ending", 424242 + k, 1, [&](Policy& p) {
      p.StartSolo();
      p.ClearStages(10);
      p.Ticks(300);
    });
  }
  // Random one-player play: misses, restarts, game overs, continues, pauses,
  // speed keys and the menus.
  for (std::uint32_t k = 0; k < 91; ++k) {
    const int stage = 1 + static_cast<int>(k % 10);
    play("random one-player play", 20000 + k * 7, stage, [&](Policy& p) {
      p.StartSolo();
      p.RandomSolo(300 + p.Below(900));
    });
  }
  // Random two-player races with brightness changes.
  for (std::uint32_t k = 0; k < 60; ++k) {
    play("random two-player race", 30000 + k * 11, 1, [&](Policy& p) {
      p.StartDuo();
      p.RandomDuo(300 + p.Below(700));
    });
  }
  // Two-player races won by player 1, brightness changed along the way.
  for (std::uint32_t k = 0; k < 15; ++k) {
    play("two-player race won by player 1", 40000 + k * 13, 1, [&](Policy& p) {
      p.StartDuo();
      p.Tap(k % 2 ? 'Q' : 'W');
      p.WinDuo();
      p.Ticks(30);
      p.Tap(vk::Enter);
      p.Ticks(20);
    });
  }
  // Scripts timed by the program's clock, with speed changes.
  for (std::uint32_t k = 0; k < 40; ++k) {
    const bool duo = k % 4 == 3;
    made({duo ? "a timed two-player race" : "a timed one-player game with speed changes", 1,
          TimedScript(50000 + k * 17, duo)});
  }
  // Games that go on after a cleared stage with misses and a game over.
  for (std::uint32_t k = 0; k < 20; ++k) {
    const int stage = 1 + static_cast<int>(k % 10);
    play("a cleared stage, then random play", 60000 + k * 19, stage, [&](Policy& p) {
      p.StartSolo();
      p.ClearStages(1);
      p.RandomSolo(400 + p.Below(800));
    });
  }
  return 0;
}
