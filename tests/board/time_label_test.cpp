#include <gtest/gtest.h>

#include "board/time_label.h"

namespace vexlo {
namespace {

TEST(TimeLabelTest, TimeTextHasNoLeadingZeros) {
  const struct {
    std::int64_t seconds;
    const char* text;
  } cases[] = {{0, "0:0:0"},    {59, "0:0:59"},    {60, "0:1:0"}, {3599, "0:59:59"},
               {3725, "1:2:5"}, {36000, "10:0:0"}, {-5, "0:0:0"}, {360000, "100:0:0"}};
  for (const auto& tc : cases) EXPECT_EQ(TTimeLabel::TimeText(tc.seconds), tc.text) << tc.seconds;
}

TEST(TimeLabelTest, SettingMsSetsTheCaptionInWholeSeconds) {
  TTimeLabel clock;
  EXPECT_EQ(clock.caption(), "0:0:0");
  clock.SetMS(999);
  EXPECT_EQ(clock.caption(), "0:0:0");
  clock.SetMS(1000);
  EXPECT_EQ(clock.caption(), "0:0:1");
  clock.SetMS(3725999);
  EXPECT_EQ(clock.caption(), "1:2:5");
}

TEST(TimeLabelTest, TicksAddTheIntervalAndStoppingKeepsTheTime) {
  TTimeLabel clock;
  clock.timeinterval = 100;
  clock.timerenabled = true;
  clock.OnTimer = [&clock] { clock.Tick(); };
  for (int i = 0; i < 10; ++i) clock.Fire();
  EXPECT_EQ(clock.MS(), 1000);
  EXPECT_EQ(clock.caption(), "0:0:1");
  clock.timerenabled = false;
  clock.timerenabled = true;
  EXPECT_EQ(clock.MS(), 1000);
}

}  // namespace
}  // namespace vexlo
