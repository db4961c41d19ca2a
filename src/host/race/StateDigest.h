#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct Game;

// 64-bit FNV-1a.
std::uint64_t Fnv1a64(std::string_view bytes);

// The state both sides of a race must share after a turn, written out field
// by field (never as raw memory, whose padding differs between builds): the
// turn, the random generator, both racers with their arcs and held keys, the
// map, the enemies, lifts, items and timers. What only one side hears (its
// music) is left out.
std::string RaceStateText(const Game& g, std::uint32_t turn);

// The digest of RaceStateText.
std::uint64_t RaceStateDigest(const Game& g, std::uint32_t turn);
