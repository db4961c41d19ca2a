#include "host/settings/PadKeys.h"

#include <gtest/gtest.h>

#include "game/Events.h"

using pad::Axis;
using pad::Button;
using pad::KeyChange;
using pad::PadKeys;
using Changes = std::vector<KeyChange>;

namespace {

KeyChange Down(int key) { return {true, key}; }
KeyChange Up(int key) { return {false, key}; }

TEST(PadKeysTest, FirstPadPlaysAsArrowsSpaceAndEnter) {
  PadKeys pads;
  ASSERT_TRUE(pads.Plugged(7));
  EXPECT_EQ(pads.ButtonChanged(7, Button::A, true), Changes{Down(vk::Space)});
  EXPECT_EQ(pads.ButtonChanged(7, Button::A, false), Changes{Up(vk::Space)});
  EXPECT_EQ(pads.ButtonChanged(7, Button::Start, true), Changes{Down(vk::Enter)});
  EXPECT_EQ(pads.ButtonChanged(7, Button::DpadLeft, true), Changes{Down(vk::Left)});
  EXPECT_EQ(pads.ButtonChanged(7, Button::DpadRight, true), Changes{Down(vk::Right)});
  EXPECT_EQ(pads.ButtonChanged(7, Button::DpadUp, true), Changes{Down(vk::Up)});
  EXPECT_EQ(pads.ButtonChanged(7, Button::DpadDown, true), Changes{Down(vk::Down)});
}

TEST(PadKeysTest, SecondPadPlaysAsPlayerTwosKeys) {
  PadKeys pads;
  pads.Plugged(1);
  pads.Plugged(2);
  EXPECT_EQ(pads.PlayerOf(2), 1);
  EXPECT_EQ(pads.ButtonChanged(2, Button::DpadLeft, true), Changes{Down('C')});
  EXPECT_EQ(pads.ButtonChanged(2, Button::DpadRight, true), Changes{Down('B')});
  EXPECT_EQ(pads.ButtonChanged(2, Button::DpadUp, true), Changes{Down('F')});
  EXPECT_EQ(pads.ButtonChanged(2, Button::DpadDown, true), Changes{Down('V')});
  EXPECT_EQ(pads.ButtonChanged(2, Button::B, true), Changes{Down('Z')});
  EXPECT_TRUE(pads.ButtonChanged(2, Button::Start, true).empty());
}

TEST(PadKeysTest, AThirdPadIsIgnoredUntilAPlaceIsFree) {
  PadKeys pads;
  pads.Plugged(1);
  pads.Plugged(2);
  EXPECT_FALSE(pads.Plugged(3));
  EXPECT_TRUE(pads.ButtonChanged(3, Button::A, true).empty());
  pads.Unplugged(1);
  ASSERT_TRUE(pads.Plugged(3));
  EXPECT_EQ(pads.PlayerOf(3), 0);
  EXPECT_EQ(pads.ButtonChanged(3, Button::A, true), Changes{Down(vk::Space)});
}

TEST(PadKeysTest, StickInsideTheDeadZoneHoldsNothing) {
  PadKeys pads;
  pads.Plugged(0);
  EXPECT_TRUE(pads.AxisMoved(0, Axis::LeftX, pad::kDeadZone).empty());
  EXPECT_TRUE(pads.AxisMoved(0, Axis::LeftX, -pad::kDeadZone).empty());
  EXPECT_EQ(pads.AxisMoved(0, Axis::LeftX, pad::kDeadZone + 1), Changes{Down(vk::Right)});
  EXPECT_TRUE(pads.AxisMoved(0, Axis::LeftX, 32767).empty());
  EXPECT_EQ(pads.AxisMoved(0, Axis::LeftX, 0), Changes{Up(vk::Right)});
  EXPECT_EQ(pads.AxisMoved(0, Axis::LeftY, -32768), Changes{Down(vk::Up)});
  EXPECT_TRUE(pads.AxisMoved(0, Axis::Other, 32767).empty());
}

TEST(PadKeysTest, StickSwingingAcrossReleasesOneSideBeforeTheOther) {
  PadKeys pads;
  pads.Plugged(0);
  pads.AxisMoved(0, Axis::LeftY, 30000);
  EXPECT_EQ(pads.AxisMoved(0, Axis::LeftY, -30000), (Changes{Up(vk::Down), Down(vk::Up)}));
  EXPECT_EQ(pads.AxisMoved(0, Axis::LeftY, 30000), (Changes{Up(vk::Up), Down(vk::Down)}));
}

TEST(PadKeysTest, AKeyHeldTwiceGoesUpWithItsLastSource) {
  PadKeys pads;
  pads.Plugged(0);
  EXPECT_EQ(pads.ButtonChanged(0, Button::A, true), Changes{Down(vk::Space)});
  EXPECT_TRUE(pads.ButtonChanged(0, Button::B, true).empty());
  EXPECT_TRUE(pads.ButtonChanged(0, Button::A, false).empty());
  EXPECT_EQ(pads.ButtonChanged(0, Button::B, false), Changes{Up(vk::Space)});
  EXPECT_EQ(pads.AxisMoved(0, Axis::LeftX, -20000), Changes{Down(vk::Left)});
  EXPECT_TRUE(pads.ButtonChanged(0, Button::DpadLeft, true).empty());
  EXPECT_TRUE(pads.AxisMoved(0, Axis::LeftX, 0).empty());
  EXPECT_EQ(pads.ButtonChanged(0, Button::DpadLeft, false), Changes{Up(vk::Left)});
}

TEST(PadKeysTest, RepeatedPressSendsNothingNew) {
  PadKeys pads;
  pads.Plugged(0);
  pads.ButtonChanged(0, Button::DpadUp, true);
  EXPECT_TRUE(pads.ButtonChanged(0, Button::DpadUp, true).empty());
  EXPECT_TRUE(pads.ButtonChanged(0, Button::Other, true).empty());
}

TEST(PadKeysTest, UnpluggingReleasesEveryHeldKey) {
  PadKeys pads;
  pads.Plugged(0);
  pads.ButtonChanged(0, Button::A, true);
  pads.ButtonChanged(0, Button::DpadRight, true);
  pads.AxisMoved(0, Axis::LeftX, 30000);
  pads.AxisMoved(0, Axis::LeftY, -30000);
  EXPECT_EQ(pads.Unplugged(0), (Changes{Up(vk::Space), Up(vk::Up), Up(vk::Right)}));
  EXPECT_EQ(pads.PlayerOf(0), -1);
  EXPECT_TRUE(pads.Unplugged(0).empty());
  EXPECT_TRUE(pads.ButtonChanged(0, Button::A, true).empty());
}

TEST(PadKeysTest, APadPluggedBackStartsWithNothingHeld) {
  PadKeys pads;
  pads.Plugged(4);
  pads.ButtonChanged(4, Button::A, true);
  pads.Unplugged(4);
  pads.Plugged(4);
  EXPECT_EQ(pads.ButtonChanged(4, Button::A, true), Changes{Down(vk::Space)});
}

}  // namespace
