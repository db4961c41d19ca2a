#include <gtest/gtest.h>

#include <limits>

#include "base/DecimalNumber.h"

TEST(DecimalNumber, ReadsDigits) {
  EXPECT_EQ(ParseDecimal("0", 10), 0u);
  EXPECT_EQ(ParseDecimal("10", 10), 10u);
  EXPECT_EQ(ParseDecimal("007", 10), 7u);
  EXPECT_EQ(ParseDecimal("4294967295", 4294967295u), 4294967295u);
}

TEST(DecimalNumber, RefusesWhatIsAboveTheMost) {
  EXPECT_EQ(ParseDecimal("11", 10), std::nullopt);
  EXPECT_EQ(ParseDecimal("4294967296", 4294967295u), std::nullopt);
}

TEST(DecimalNumber, RefusesWhatOverflows) {
  const auto most = std::numeric_limits<std::uint64_t>::max();
  EXPECT_EQ(ParseDecimal("18446744073709551615", most), most);
  EXPECT_EQ(ParseDecimal("18446744073709551616", most), std::nullopt);
}

TEST(DecimalNumber, RefusesAnythingButDigits) {
  for (std::string_view text : {"", "-0", "+1", " 1", "1 ", "1x", "0x10", "1.0", "１"}) {
    EXPECT_EQ(ParseDecimal(text, 100), std::nullopt) << text;
  }
}
