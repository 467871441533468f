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

// ";" and tab text as spreadsheets save it: a comma or a point as the
// decimal mark, the marks of grouped thousands left as texts.
TEST(FieldStream, SplitsSpreadsheetText) {
  std::vector<Field> fields;
  splitSeparatedFields("Estación 1; 1163200,562 ;728310.447;\"a;b\";;-0,5e2;abc", ';', fields);
  ASSERT_EQ(fields.size(), 7u);
  EXPECT_EQ(fields[0].text, "Estación 1");
  EXPECT_EQ(fields[1].number, 1163200.562);
  EXPECT_EQ(fields[1].text, "1163200,562");  // as read
  EXPECT_EQ(fields[1].mark, ',');
  EXPECT_EQ(fields[2].number, 728310.447);
  EXPECT_EQ(fields[2].mark, '.');
  EXPECT_EQ(fields[3].text, "a;b");
  EXPECT_TRUE(fields[4].empty());
  EXPECT_EQ(fields[5].number, -50.0);
  EXPECT_EQ(fields[6].type, Field::Type::Text);

  // A tab separates; blanks around a field go.
  splitSeparatedFields("P1\t 905,3 \t\t10", '\t', fields);
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(fields[1].number, 905.3);
  EXPECT_TRUE(fields[2].empty());
  // With ";", a tab is a blank.
  splitSeparatedFields("\t7;\t8", ';', fields);
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0].number, 7.0);

  for (const char* doubtful : {"1.163.200,562", "1,163,200.5", "728.310", "1.163.200", "-0.500"}) {
    splitSeparatedFields(doubtful, ';', fields);
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].type, Field::Type::Text) << doubtful;
  }
  EXPECT_EQ(separatedNumberDoubt("1.163.200,562"), NumberDoubt::BothMarks);
  EXPECT_EQ(separatedNumberDoubt("728.310"), NumberDoubt::Grouping);
  EXPECT_EQ(separatedNumberDoubt("1.163.200"), NumberDoubt::Grouping);
  for (const char* clear : {"728.3101", "1163200.5", "905,300", "P.1", "a,b.c", "12"})
    EXPECT_EQ(separatedNumberDoubt(clear), NumberDoubt::None) << clear;
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
