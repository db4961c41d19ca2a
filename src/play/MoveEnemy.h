#pragma once

#include <cstdint>

struct Game;

// Moves enemy i one tick by its kind (chaser, climber, bouncer, slope walker,
// wanderer) and draws it onto FrameImage. An enemy that has dropped far below
// the field is gone for good and is neither moved nor drawn.
void MoveEnemy(Game& g, std::int32_t i);
