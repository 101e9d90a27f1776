#include "storage/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "storage/utf8.h"

namespace vexlo {
namespace {

namespace fs = std::filesystem;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

TEST(TextFileTest, DecodesByteOrderMarks) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"no mark", "Name=a\r\n", "Name=a\r\n"},
      {"UTF-8 mark",
       "\xEF\xBB\xBF"
       "15,3",
       "15,3"},
      {"UTF-16 LE", Bytes({0xFF, 0xFE, 'N', 0, 0x70, 0x65, '\r', 0, '\n', 0}), "N\xE6\x95\xB0\r\n"},
      {"UTF-16 BE", Bytes({0xFE, 0xFF, 0, '1', 0xD8, 0x3D, 0xDE, 0x00}), "1\xF0\x9F\x98\x80"},
      {"UTF-16 unpaired surrogate and odd byte", Bytes({0xFF, 0xFE, 0x00, 0xD8, 'a', 0, 'b'}),
       "\xEF\xBF\xBD"
       "a\xEF\xBF\xBD"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeTextBytes(c.bytes), c.text);
  }
}

TEST(TextFileTest, SplitsOnEveryKindOfLineEndAndWritesCrLf) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLinesCrLf({}), "");
}

TEST(TextFileTest, Utf8CountsCharactersAndReplacesBadBytes) {
  EXPECT_EQ(Utf8ToUtf32("a\xEF\xBC\x9F"), U"a\uFF1F");
  EXPECT_EQ(Utf8Length("\xEF\xBC\x9F\xEF\xBC\x9F"), 2u);
  // A lone continuation byte, a cut sequence and an overlong form: one U+FFFD per bad byte.
  EXPECT_EQ(Utf8ToUtf32("\x80"
                        "1\xE6\x95"
                        "2\xC0\xAF"),
            U"\uFFFD1\uFFFD\uFFFD2\uFFFD\uFFFD");
  EXPECT_EQ(Utf32ToUtf8(U"\uFF1F1"),
            "\xEF\xBC\x9F"
            "1");
}

class TextFileOnDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vexlo_text_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(TextFileOnDiskTest, WritesCrLfAndReadsBack) {
  const fs::path path = dir_ / "games.dat";
  ASSERT_TRUE(WriteTextFile(path, {"Name=x", "0 ", ""}));
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "Name=x\r\n0 \r\n\r\n");

  ASSERT_TRUE(WriteTextFile(path, {"replaced"}));
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadTextFile(path, lines));
  EXPECT_EQ(lines, std::vector<std::string>{"replaced"});
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TextFileOnDiskTest, FailuresReportAndLeaveTheOldFile) {
  std::vector<std::string> lines{"kept"};
  const FileResult missing = ReadTextFile(dir_ / "nothing.dat", lines);
  EXPECT_FALSE(missing);
  EXPECT_FALSE(missing.error.empty());
  EXPECT_EQ(lines, std::vector<std::string>{"kept"});

  EXPECT_FALSE(WriteTextFile(dir_ / "no folder" / "games.dat", {"x"}));

  // A folder in the way of the rename: the write fails and the folder is left as it was.
  fs::create_directories(dir_ / "busy" / "inside");
  EXPECT_FALSE(WriteTextFile(dir_ / "busy", {"x"}));
  EXPECT_TRUE(fs::is_directory(dir_ / "busy" / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace vexlo
