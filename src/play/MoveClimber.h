#pragma once

#include "state/Game.h"

// EnemyKind::Climber, one tick, drawn afterwards: walks and climbs at random,
// turning at walls and edges.
void MoveClimber(Game& g, i32 i);
