#pragma once

#include "state/Game.h"

// EnemyKind::Bouncer, one tick, drawn afterwards: flies diagonally, bouncing
// off walls and the field border.
void MoveBouncer(Game& g, i32 i);
