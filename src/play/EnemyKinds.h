#pragma once

#include "state/Game.h"

// The five ways an enemy moves, one tick each, drawing it afterwards.

// EnemyKind::Chaser (and any unknown kind): hunts the player, climbing toward its height.
void MoveChaser(Game& g, i32 i);
// EnemyKind::Wanderer: walks like the chaser but picks ladders and turns at random.
void MoveWanderer(Game& g, i32 i);
// EnemyKind::Climber: walks and climbs at random, turning at walls and edges.
void MoveClimber(Game& g, i32 i);
// EnemyKind::Bouncer: flies diagonally, bouncing off walls and the field border.
void MoveBouncer(Game& g, i32 i);
// EnemyKind::SlopeWalker: walks floors and ramps, choosing at forks whether to take the ramp.
void MoveSlopeWalker(Game& g, i32 i);
