#include <gtest/gtest.h>

#include "platform/ClassicWidgets.h"
#include "platform/DialogLayout.h"

TEST(DialogLayout, TheSpeedDialogAsDesigned) {
  const DialogLayout& d = LayoutFor(SliderId::Speed);
  EXPECT_EQ(d.ClientWidth, 413);
  EXPECT_EQ(d.ClientHeight, 93);
  EXPECT_EQ(d.OK.X, 319);
  EXPECT_EQ(d.OK.Y, 16);
  EXPECT_EQ(d.TrackBar.X, 16);
  EXPECT_EQ(d.TrackBar.W, 273);
  EXPECT_EQ(d.Bevel.W, 289);
  EXPECT_EQ(d.Max, 300);
}

TEST(DialogLayout, TheBrightnessDialogAsDesigned) {
  const DialogLayout& d = LayoutFor(SliderId::Brightness);
  EXPECT_EQ(d.ClientWidth, 402);
  EXPECT_EQ(d.ClientHeight, 104);
  EXPECT_EQ(d.OK.X, 311);
  EXPECT_EQ(d.OK.Y, 8);
  EXPECT_EQ(d.TrackBar.X, 24);
  EXPECT_EQ(d.TrackBar.W, 241);
  EXPECT_EQ(d.Bevel.H, 81);
  EXPECT_EQ(d.Label.X, 144);
  EXPECT_EQ(d.Max, 200);
}

TEST(SliderKeys, ArrowsMoveByOneLeftAndUpDownwards) {
  EXPECT_EQ(SliderPositionAfter(DialogKey::Right, 10, 300), 11);
  EXPECT_EQ(SliderPositionAfter(DialogKey::Down, 10, 300), 11);
  EXPECT_EQ(SliderPositionAfter(DialogKey::Left, 10, 300), 9);
  EXPECT_EQ(SliderPositionAfter(DialogKey::Up, 10, 300), 9);
}

TEST(SliderKeys, PagesHomeAndEnd) {
  EXPECT_EQ(SliderPositionAfter(DialogKey::PageDown, 10, 300), 12);
  EXPECT_EQ(SliderPositionAfter(DialogKey::PageUp, 10, 300), 8);
  EXPECT_EQ(SliderPositionAfter(DialogKey::Home, 10, 300), 0);
  EXPECT_EQ(SliderPositionAfter(DialogKey::End, 10, 200), 200);
  EXPECT_EQ(SliderPositionAfter(DialogKey::Other, 10, 200), 10);
}

TEST(SliderKeys, TheSliderStopsAtItsEnds) {
  EXPECT_EQ(SliderPositionAfter(DialogKey::Left, 0, 300), 0);
  EXPECT_EQ(SliderPositionAfter(DialogKey::PageUp, 1, 300), 0);
  EXPECT_EQ(SliderPositionAfter(DialogKey::Right, 200, 200), 200);
  EXPECT_EQ(SliderPositionAfter(DialogKey::PageDown, 299, 300), 300);
}

TEST(TrackBarGeometry, TheThumbTravelsBetweenTheMargins) {
  const ScreenRect r{100, 50, 241, 45};
  EXPECT_EQ(TrackBarThumbX(r, 1, 0, 200), 113);
  EXPECT_EQ(TrackBarThumbX(r, 1, 200, 200), 100 + 241 - 13);
  EXPECT_EQ(TrackBarThumbX({0, 0, 482, 90}, 2, 200, 200), 482 - 26);
}

TEST(TrackBarGeometry, EveryPositionIsFoundAgainUnderItsThumb) {
  for (const int scale : {1, 2, 3}) {
    const ScreenRect r{16.0f * scale, 32.0f * scale, 273.0f * scale, 45.0f * scale};
    for (int p = 0; p <= 300; ++p) {
      EXPECT_EQ(TrackBarPositionAt(r, scale, TrackBarThumbX(r, scale, p, 300), 300), p) << "scale " << scale;
    }
  }
}

TEST(TrackBarGeometry, PointsBeyondTheEndsGiveTheEnds) {
  const ScreenRect r{24, 32, 241, 45};
  EXPECT_EQ(TrackBarPositionAt(r, 1, 0, 200), 0);
  EXPECT_EQ(TrackBarPositionAt(r, 1, 1000, 200), 200);
}
