#include <gtest/gtest.h>

#include <filesystem>

#include "toolkit/Streams.h"
#include "toolkit/StringList.h"

namespace {

TEST(MemoryStream, GrowsOnWriteAndReadsWhatRemains) {
  TMemoryStream s;
  s.WriteBuffer("abcdef", 6);
  EXPECT_EQ(s.Size(), 6);
  s.SetPosition(4);
  char buffer[8] = {};
  EXPECT_EQ(s.Read(buffer, 8), 2);
  EXPECT_STREQ(buffer, "ef");
  EXPECT_EQ(s.Read(buffer, 8), 0);
  s.SetPosition(1);
  EXPECT_THROW(s.ReadBuffer(buffer, 6), EReadError);
  s.SetPosition(10);  // writing past the end fills the gap with zeros
  s.WriteBuffer("z", 1);
  EXPECT_EQ(s.Size(), 11);
  EXPECT_EQ(s.Memory()[7], 0);
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Position(), 0);
}

TEST(FileStream, RoundTripsThroughAFileAndReportsMissingFiles) {
  const std::string path = (std::filesystem::temp_directory_path() / "brellis-stream-test.bin").string();
  TMemoryStream out;
  out.WriteBuffer("\x01\x02\x03", 3);
  out.SaveToFile(path);
  TMemoryStream in;
  in.LoadFromFile(path);
  ASSERT_EQ(in.Size(), 3);
  EXPECT_EQ(in.Memory()[2], 3);
  std::filesystem::remove(path);
  EXPECT_THROW(in.LoadFromFile(path), EFOpenError);
}

TEST(StringList, SplitsAnyLineBreakAndSearchesWithoutCase) {
  TStringList list;
  list.SetText("One\r\ntwo\rthree\nfour");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[2], "three");
  EXPECT_EQ(list.IndexOf("TWO"), 1);
  EXPECT_EQ(list.IndexOf("five"), -1);
  EXPECT_EQ(list.Text(), "One\r\ntwo\r\nthree\r\nfour\r\n");
  int tag = 0;
  list.Insert(0, "zero", &tag);
  EXPECT_EQ(list.Objects(0), &tag);
  list.Delete(0);
  EXPECT_EQ(list[0], "One");
  EXPECT_THROW(list[9], Exception);
}

}  // namespace
