#pragma once

#include "state/Game.h"

// The two walking enemies, one tick each, drawn afterwards.

// EnemyKind::Chaser (and any unknown kind): hunts the player, climbing toward its height.
void MoveChaser(Game& g, i32 i);
// EnemyKind::Wanderer: walks like the chaser but picks ladders and turns at random.
void MoveWanderer(Game& g, i32 i);
