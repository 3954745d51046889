#include "platform/base/datetime.h"

#include <gtest/gtest.h>

namespace {

class DateTimeFormat : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = FormatSettings;
    FormatSettings.DateSeparator = '-';
    FormatSettings.ShortDateFormat = "yyyy-MM-dd";
    FormatSettings.LongDateFormat = "yyyy-MM-dd";
    FormatSettings.TimeSeparator = ':';
    FormatSettings.ShortTimeFormat = "HH:mm:ss";
    FormatSettings.LongTimeFormat = "HH:mm:ss";
  }
  void TearDown() override { FormatSettings = saved_; }

 private:
  TFormatSettings saved_;
};

TEST_F(DateTimeFormat, DefaultConversionJoinsDateAndTime) {
  EXPECT_EQ(DateTimeToStr(EncodeDateTime({2026, 12, 9, 7, 5, 3})), "2026-12-09 07:05:03");
  EXPECT_EQ(DateTimeToStr(EncodeDateTime({2000, 2, 29, 23, 59, 59})), "2000-02-29 23:59:59");
}

TEST_F(DateTimeFormat, MidnightLeavesTheTimeOut) {
  EXPECT_EQ(DateTimeToStr(EncodeDateTime({2026, 1, 1, 0, 0, 0})), "2026-01-01");
  EXPECT_EQ(DateTimeToStr(EncodeDateTime({2026, 1, 1, 0, 0, 1})), "2026-01-01 00:00:01");
}

TEST_F(DateTimeFormat, MinutesFollowHoursAndMonthsFollowYears) {
  const TDateTime t = EncodeDateTime({2024, 3, 4, 5, 6, 7, 89});
  EXPECT_EQ(FormatDateTime("yyyymmdd", t), "20240304");
  EXPECT_EQ(FormatDateTime("h:m:s.zzz", t), "5:6:7.089");
  EXPECT_EQ(FormatDateTime("yy/m/d 'at' hh:nn", t), "24-3-4 at 05:06");
  EXPECT_EQ(FormatDateTime("ddd mmm dddd mmmm", t), "Mon Mar Monday March");
}

TEST(DateTime, EncodeAndDecodeAgree) {
  EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30}), 0.0);
  EXPECT_DOUBLE_EQ(EncodeDateTime({1900, 1, 1}), 2.0);
  for (int y : {1899, 1900, 1999, 2000, 2024, 2100}) {
    for (int m = 1; m <= 12; ++m) {
      const TDateTimeParts p = DecodeDateTime(EncodeDateTime({y, m, 28, 13, 14, 15, 16}));
      EXPECT_EQ(p.Year, y);
      EXPECT_EQ(p.Month, m);
      EXPECT_EQ(p.Day, 28);
      EXPECT_EQ(p.Hour, 13);
      EXPECT_EQ(p.Minute, 14);
      EXPECT_EQ(p.Second, 15);
      EXPECT_EQ(p.Millisecond, 16);
    }
  }
}

TEST(DateTime, ClockCanBeFixed) {
  const TDateTime fixed = EncodeDateTime({2026, 12, 9, 10, 0, 0});
  OverrideClock([fixed] { return fixed; });
  EXPECT_DOUBLE_EQ(Now(), fixed);
  EXPECT_DOUBLE_EQ(Date(), EncodeDateTime({2026, 12, 9}));
  OverrideClock(nullptr);
  EXPECT_GT(Now(), EncodeDateTime({2020, 1, 1}));
}

}  // namespace
