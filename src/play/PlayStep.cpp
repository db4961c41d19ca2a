#include "play/PlayStep.h"

#include "play/CharacterStep.h"
#include "play/PlayerSprite.h"
#include "play/Uncover.h"

namespace {

// The hero uncovers the common view; a wall stood on counts for the block
// bonus.
class HeroView : public Uncovering {
 public:
  explicit HeroView(Game& g) : g_(g) {}
  void Uncover(i32 x, i32 y, i32 w, i32 h) override { UncoverRect(g_, x, y, w, h); }
  void StoodOn(i32 column, i32 row) override { RecordStoodOnWall(g_, column, row); }

 private:
  Game& g_;
};

}  // namespace

void PlayStep(Game& g, i32 savedX, i32 savedY) {
  HeroView view(g);
  const SteeringKeys keys{g.KeyLeft, g.KeyRight, g.KeyUp, g.KeyDown, g.KeySpace};
  MoveCharacter(g, g.Player, keys, TakeOff::NotFromLadderTop, view);
  if (g.Player.OnLift == 1) {
    // Riding: only the lift moves the character.
    g.Player.X = savedX;
    g.Player.Y = savedY;
    g.Player.Jumping = 0;
  }
  UncoverAround(g, g.Player, view);
  g.FrameImage.Blit(g.UncoveredImage, 0, 0);
  DrawPlayer(g);
}
