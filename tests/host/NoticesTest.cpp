#include <gtest/gtest.h>

#include "host/io/Notices.h"
#include "host/io/PrintTrouble.h"

TEST(Notices, AreTakenOnceInTheOrderToldKeepingTheLatestFew) {
  TakeNotices();
  for (int ms = 1; ms <= 10; ++ms) TellNotice({Notice::Kind::Speed, "", ms});
  PrintTrouble("scores.txt: set aside");
  ASSERT_TRUE(NoticesWaiting());
  const std::vector<Notice> taken = TakeNotices();
  ASSERT_EQ(taken.size(), 8u);
  EXPECT_EQ(taken.front().Number, 4);
  EXPECT_EQ(taken.back(), (Notice{Notice::Kind::Trouble, "scores.txt: set aside", 0}));
  EXPECT_FALSE(NoticesWaiting());
}

TEST(Notices, SpeakTheMenusLanguage) {
  EXPECT_EQ(NoticeText({Notice::Kind::Speed, "", 60}, Language::English), "Speed: 60 ms a frame");
  EXPECT_EQ(NoticeText({Notice::Kind::Speed, "", 60}, Language::Japanese), "スピード: 1コマ 60 ms");
  EXPECT_EQ(NoticeText({Notice::Kind::PictureSaved, "/p/a.png", 0}, Language::English), "Picture saved as /p/a.png");
  EXPECT_EQ(NoticeText({Notice::Kind::TopTen, "", 1200}, Language::English), "A new entry in the top ten: 1200");
  EXPECT_EQ(NoticeText({Notice::Kind::Trouble, "x: broken", 0}, Language::Japanese), "x: broken");
}
