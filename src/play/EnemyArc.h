#pragma once

#include "state/Game.h"

// The jump and fall arc of the walking enemies (chaser and wanderer).

// Takes off over a missing floor cell ahead, when nothing above the head or a
// ladder underneath holds the enemy back.
void StartEnemyJump(Game& g, i32 i, i32 dx);
// One airborne tick: follows the arc, ending it on ground, at a wall or at a
// ceiling.
void FollowEnemyArc(Game& g, i32 i);
// Enters the falling half of an arc whose apex is the present position, when
// nothing holds the enemy up after its move.
void StartEnemyWalkOff(Game& g, i32 i, i32 dx, i32 dy);
