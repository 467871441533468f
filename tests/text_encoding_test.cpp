#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/field_stream.hpp"
#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

TEST(Windows1252, DecodesAndEncodesTheCodePage) {
  EXPECT_EQ(decodeWindows1252("Geogr\xE1" "ficas"), "Geográficas");
  EXPECT_EQ(encodeWindows1252("Geográficas"), "Geogr\xE1" "ficas");
  EXPECT_EQ(decodeWindows1252("\x80 \x93x\x94"), "€ “x”");
  EXPECT_EQ(encodeWindows1252("€ “x”"), "\x80 \x93x\x94");
  EXPECT_EQ(encodeWindows1252("日本"), "??");
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  EXPECT_EQ(encodeWindows1252(decodeWindows1252(everyByte)), everyByte);
}

TEST(Windows1252, FileTextSavedAsUtf8IsReadAsUtf8) {
  EXPECT_EQ(decodeFileText("Geogr\xC3\xA1" "ficas"), "Geográficas");
  EXPECT_EQ(decodeFileText("\xEF\xBB\xBFSudam\xC3\xA9rica"), "Sudamérica");
  EXPECT_EQ(decodeFileText("Sudam\xE9rica"), "Sudamérica");
  EXPECT_EQ(decodeFileText("plain"), "plain");
}

TEST(LineReader, SplitsCrLfLfAndCrLines) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(splitLines(""), Lines{});
  EXPECT_EQ(splitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(splitLines("a\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(splitLines("a\rb\r"), (Lines{"a", "b"}));
  EXPECT_EQ(splitLines("\r\n"), (Lines{""}));
}

TEST(FieldStream, SplitsFieldsAsPointFilesWriteThem) {
  std::vector<Field> fields;
  splitFields(R"("P 1, norte", 1106908.8542 ,171071.264,, abc ,-5e2)", fields);
  ASSERT_EQ(fields.size(), 6u);
  EXPECT_EQ(fields[0].type, Field::Type::Text);
  EXPECT_EQ(fields[0].text, "P 1, norte");
  EXPECT_TRUE(fields[1].isNumber());
  EXPECT_EQ(fields[1].number, 1106908.8542);
  EXPECT_EQ(fields[2].number, 171071.264);
  EXPECT_TRUE(fields[3].empty());
  EXPECT_EQ(fields[4].type, Field::Type::Text);
  EXPECT_EQ(fields[4].text, "abc");
  EXPECT_EQ(fields[5].number, -500.0);

  splitFields("\"10.5\",10,5", fields);  // quoted numbers stay texts; a comma always separates
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[0].type, Field::Type::Text);
  EXPECT_EQ(fields[1].number, 10.0);

  splitFields("   ", fields);
  EXPECT_TRUE(fields.empty());
  splitFields("a,", fields);
  EXPECT_EQ(fields.size(), 2u);
  splitFields("\"unclosed, field", fields);
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields[0].text, "unclosed, field");
  splitFields("\"x\" junk ,2", fields);
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0].text, "x");
}

class AtomicFileWriterTest : public ::testing::Test {
 protected:
  std::size_t fileCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
  }
  TempFolder temp;
  const std::filesystem::path folder = temp.path();
};

TEST_F(AtomicFileWriterTest, ReplacesTheTargetOnlyOnCommit) {
  const auto target = folder / "out.txt";
  ASSERT_TRUE(writeTextFile(target, {"old"}));
  {
    AtomicFileWriter writer(target);
    writer.write("new\r\n");
    EXPECT_EQ(readFileBytes(target), "old\r\n");
  }  // abandoned
  EXPECT_EQ(readFileBytes(target), "old\r\n");
  EXPECT_EQ(fileCount(), 1u);
  ASSERT_TRUE(writeTextFile(target, {"Geográficas", "b"}));
  EXPECT_EQ(readFileBytes(target), "Geogr\xE1" "ficas\r\nb\r\n");
  EXPECT_EQ(fileCount(), 1u);
}

TEST_F(AtomicFileWriterTest, FailsOnAFolderOrAMissingFolder) {
  EXPECT_FALSE(writeTextFile(folder, {"x"}));
  EXPECT_FALSE(writeTextFile(folder / "missing" / "out.txt", {"x"}));
  EXPECT_EQ(fileCount(), 0u);
}

}  // namespace
}  // namespace brelosta
