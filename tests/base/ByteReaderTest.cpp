#include <gtest/gtest.h>

#include <vector>

#include "base/ByteReader.h"

namespace {

const std::vector<std::uint8_t> kBytes{0x12, 0x34, 0x56, 0x78, 0x81, 0x00, 0x7F};

}  // namespace

TEST(ByteReader, ReadsLittleEndian) {
  ByteReader r(kBytes);
  EXPECT_EQ(r.Little(2), 0x3412u);
  EXPECT_EQ(r.Little(2), 0x7856u);
  EXPECT_TRUE(r.Ok());
}

TEST(ByteReader, ReadsBigEndian) {
  ByteReader r(kBytes);
  EXPECT_EQ(r.Big(4), 0x12345678u);
  EXPECT_EQ(r.Position(), 4u);
}

TEST(ByteReader, ReadsVariableLengthQuantities) {
  ByteReader r(kBytes, 4, kBytes.size());
  EXPECT_EQ(r.VarLen(), 0x80u);
  EXPECT_EQ(r.VarLen(), 0x7Fu);
  EXPECT_TRUE(r.Ok());
  EXPECT_TRUE(r.AtEnd());
}

TEST(ByteReader, AQuantityOfMoreThanFourBytesFails) {
  const std::vector<std::uint8_t> endless(5, 0x80);
  ByteReader r(endless);
  EXPECT_EQ(r.VarLen(), 0u);
  EXPECT_FALSE(r.Ok());
}

TEST(ByteReader, StopsAtItsEndNotTheBytes) {
  ByteReader r(kBytes, 1, 3);
  EXPECT_EQ(r.Big(2), 0x3456u);
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(r.Byte(), 0u);
  EXPECT_FALSE(r.Ok());
}

TEST(ByteReader, ReadingPastTheEndYieldsZeroAndFails) {
  ByteReader r(kBytes);
  r.Skip(6);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(r.Little(2), 0x7Fu);
  EXPECT_FALSE(r.Ok());
}

TEST(ByteReader, SkippingPastTheEndFailsAndStopsThere) {
  ByteReader r(kBytes);
  r.Skip(8);
  EXPECT_FALSE(r.Ok());
  EXPECT_TRUE(r.AtEnd());
}

TEST(ByteReader, AnEndPastTheBytesIsCutToThem) {
  ByteReader r(kBytes, 6, 100);
  r.Byte();
  EXPECT_TRUE(r.AtEnd());
  r.Byte();
  EXPECT_FALSE(r.Ok());
}
