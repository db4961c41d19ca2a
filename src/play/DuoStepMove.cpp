#include "play/DuoStepMove.h"

#include <cstdlib>

#include "drawing/DrawSprite.h"
#include "play/CharacterStep.h"
#include "state/Geometry.h"

namespace {

// A racer uncovers the stage in its own colours.
class RacerView : public Uncovering {
 public:
  RacerView(Game& g, int i) : g_(g), i_(i) {}
  void Uncover(i32 x, i32 y, i32 w, i32 h) override { g_.UncoveredImage.Blit(*g_.RacerStageImages[i_], x, y, w, h, x, y); }

 private:
  Game& g_;
  int i_;
};

// Rising after spikes or the win launch, falling after the hop, or gone.
void MoveOutOfPlay(Game& g, int i) {
  Character& c = g.Duo[i];
  i32& s = c.State;
  if (s > kDuoFirstWins) {
    c.Y += s;
    s += 1;
    if (s == kInPlay) s = 1;  // the speed skips 0, which means in play
  }
  if (c.Y < 0) {
    s = i == 0 ? kDuoFirstWins : kDuoSecondWins;
  } else if (c.Y > kFieldHeight) {
    s = i == 0 ? kDuoSecondWins : kDuoFirstWins;
  } else {
    const i32 x = s < 0 ? 192 + 32 * (std::abs(s) % 2) : 256 + 32 * (s % 2);
    DrawMasked(g.FrameImage, g.SpriteSheet, x, 96, x, 128, c.X, c.Y);
  }
}

}  // namespace

void MoveDuoPlayer(Game& g, int i) {
  if (g.Duo[i].State != kInPlay) {
    MoveOutOfPlay(g, i);
    return;
  }
  RacerView view(g, i);
  const SteeringKeys keys{g.LeftKeys[i], g.RightKeys[i], g.UpKeys[i], g.DownKeys[i], g.JumpKeys[i]};
  MoveCharacter(g, g.Duo[i], keys, TakeOff::NotOnLadder, view);
  UncoverAround(g, g.Duo[i], view);
}
