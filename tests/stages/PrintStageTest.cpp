#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "stages/BuildStage1.h"
#include "stages/MapNotation.h"
#include "stages/PrintStage.h"

namespace {

struct Printed {
  int Status;
  std::string Out, Err;
};

Printed Print(const std::string& stage, const std::string& seed) {
  std::ostringstream out, err;
  const int status = PrintStage(stage, seed, out, err);
  return {status, out.str(), err.str()};
}

std::string Line(const std::string& text, int n) {
  std::istringstream in(text);
  std::string line;
  for (int i = 0; i <= n; ++i) std::getline(in, line);
  return line;
}

int LineCount(const std::string& text) {
  int n = 0;
  for (char ch : text) n += ch == '\n';
  return n;
}

TEST(PrintStage, PrintsMapTablesAndStateOfStage1) {
  const Printed p = Print("1", "305419896");
  ASSERT_EQ(p.Status, 0);
  EXPECT_EQ(p.Err, "");
  EXPECT_EQ(Line(p.Out, 4), ".......###H##*.........");
  EXPECT_EQ(Line(p.Out, 19), "#######################");
  EXPECT_EQ(Line(p.Out, 20), "player 264 432");
  EXPECT_EQ(Line(p.Out, 21), "enemy 0 4 264 24 0 0");
  EXPECT_EQ(Line(p.Out, 22).rfind("enemy 1 2 ", 0), 0u);
  EXPECT_EQ(Line(p.Out, 23).rfind("enemy 2 2 ", 0), 0u);
  EXPECT_EQ(LineCount(p.Out), 25);

  auto g = std::make_unique<Game>();
  g->RandomSeed = 305419896;
  BuildStage1(*g);
  EXPECT_EQ(Line(p.Out, 24), "state " + std::to_string(g->RandomSeed));
  EXPECT_EQ(p.Out.substr(0, 20 * 24), MapRows(*g));
}

TEST(PrintStage, ListsLiftsAfterEnemies) {
  const Printed p = Print("9", "305419896");
  ASSERT_EQ(p.Status, 0);
  EXPECT_EQ(Line(p.Out, 25).rfind("enemy 4 2 ", 0), 0u);
  EXPECT_EQ(Line(p.Out, 26).rfind("lift 0 ", 0), 0u);
  EXPECT_EQ(Line(p.Out, 26).substr(Line(p.Out, 26).size() - 7), " -1 0 0");
  EXPECT_EQ(Line(p.Out, 28).rfind("lift 2 ", 0), 0u);
  EXPECT_EQ(Line(p.Out, 29).rfind("state ", 0), 0u);
  EXPECT_EQ(LineCount(p.Out), 30);
}

TEST(PrintStage, DuoBuildsTheTwoPlayerStage) {
  const Printed p = Print("duo", "305419896");
  ASSERT_EQ(p.Status, 0);
  EXPECT_EQ(Line(p.Out, 3), "...#^#^##H#..#^##H#^###");
}

TEST(PrintStage, SeedsAtTheEndsOfTheRange) {
  EXPECT_EQ(Print("10", "0").Status, 0);
  const Printed top = Print("7", "4294967295");
  EXPECT_EQ(top.Status, 0);
  EXPECT_EQ(Line(top.Out, 19), "^^^^^^^^^^^^^^^^^^^^^^^");
}

TEST(PrintStage, RejectsUnknownStagesWithOneLine) {
  for (const char* stage : {"0", "11", "01", "Duo", "", "1x", "-1"}) {
    const Printed p = Print(stage, "1");
    EXPECT_EQ(p.Status, 2) << stage;
    EXPECT_EQ(p.Out, "") << stage;
    EXPECT_EQ(LineCount(p.Err), 1) << stage;
  }
}

TEST(PrintStage, RejectsSeedsOutsideTheGeneratorState) {
  for (const char* seed : {"4294967296", "-1", "", "12a", " 5", "99999999999", "+3"}) {
    const Printed p = Print("1", seed);
    EXPECT_EQ(p.Status, 2) << seed;
    EXPECT_EQ(p.Out, "") << seed;
    EXPECT_EQ(LineCount(p.Err), 1) << seed;
  }
}

TEST(MapNotation, SymbolsForEveryCode) {
  const std::pair<Tile, char> table[] = {
      {Tile::Empty, '.'},       {Tile::Wall, '#'},        {Tile::Ladder, 'H'},       {Tile::Spikes, '^'},
      {Tile::Item, '*'},        {Tile::RisingSlope, '/'}, {Tile::FallingSlope, '\\'}, {Tile::RisingFork, 'f'},
      {Tile::FallingFork, 'g'}, {Tile::ShaftTop, 'T'},    {Tile::ShaftBottom, 'B'},  {Tile::RoomCorner, '?'},
      {Tile::DeadEnd, '?'},     {static_cast<Tile>(32), '?'}, {static_cast<Tile>(-1), '?'}};  // codes no tile has
  for (const auto& [tile, symbol] : table) EXPECT_EQ(TileSymbol(tile), symbol) << TileCode(tile);
}

TEST(MapNotation, RowsAreTopFirstAndColumnsLeftFirst) {
  auto g = std::make_unique<Game>();
  g->MapData[22][0] = Tile::Wall;
  g->MapData[0][19] = Tile::Ladder;
  g->MapData[0][20] = Tile::Wall;   // row 20 is not printed
  g->MapData[23][5] = Tile::Wall;   // nor column 23
  const std::string rows = MapRows(*g);
  EXPECT_EQ(LineCount(rows), 20);
  EXPECT_EQ(Line(rows, 0), "......................#");
  EXPECT_EQ(Line(rows, 5), ".......................");
  EXPECT_EQ(Line(rows, 19), "H......................");
}

}  // namespace
