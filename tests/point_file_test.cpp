#include "formats/point_file.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "temp_folder.hpp"

namespace brelosta {
namespace {

// A point file over the bytes of `text`.
std::optional<PointFile> fileOf(const std::string& text) {
  std::FILE* file = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), file);
  return PointFile::open(file);
}

std::vector<std::string> linesOf(PointFile& file) {
  std::vector<std::string> lines;
  std::string line;
  while (file.next(line)) lines.push_back(line);
  return lines;
}

TEST(PointFile, CountsLinesWhateverTheirEnds) {
  using Lines = std::vector<std::string>;
  const struct {
    const char* text;
    Lines lines;
  } cases[] = {
      {"1,2\r\n3,4\r\n", {"1,2", "3,4"}},
      {"1,2\n3,4\n", {"1,2", "3,4"}},           // saved on another system
      {"1,2\r3,4\r", {"1,2", "3,4"}},
      {"1,2\r\n3,4", {"1,2", "3,4"}},            // no line end after the last line
      {"1,2\r\n\r\n3,4\r\n", {"1,2", "", "3,4"}},  // a blank line among the points stays
      {"1,2\r\n3,4\r\n\r\n  \r\n\t\r\n", {"1,2", "3,4"}},  // blank lines at the end are not points
      {"", {}},
      {"\r\n\r\n", {}},
  };
  for (const auto& c : cases) {
    auto file = fileOf(c.text);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size(), c.lines.size()) << c.text;
    EXPECT_EQ(linesOf(*file), c.lines) << c.text;
  }
}

TEST(PointFile, ReadsLinesAcrossBlocks) {
  // Lines longer than a block, and CR LF split between two blocks.
  const std::string longLine(700000, 'x');
  std::string text = longLine + "\r\n";
  while ((text.size() + 4) % (1 << 18) != 0) text += "1,2\r\n";
  text += "3,4\r";  // its CR ends a block, the LF starts the next
  text += "\n5,6";
  auto file = fileOf(text);
  ASSERT_TRUE(file);
  const auto lines = linesOf(*file);
  ASSERT_EQ(lines.size(), file->size());
  EXPECT_EQ(lines.front(), longLine);
  EXPECT_EQ(lines[lines.size() - 2], "3,4");
  EXPECT_EQ(lines.back(), "5,6");
}

TEST(PointFile, HoldsAtMost999999Records) {
  std::string text;
  for (std::size_t n = 0; n < kMaxRecords; ++n) text += "1,2\n";
  const auto full = fileOf(text);
  EXPECT_FALSE(full->overLimit());
  EXPECT_EQ(full->size(), kMaxRecords);
  EXPECT_FALSE(fileOf(text + "\r\n \r\n")->overLimit());  // only blank lines beyond the limit
  EXPECT_TRUE(fileOf(text + "\r\n3,4\n")->overLimit());
}

TEST(PointFile, SplitsARecordFromItsLineOnly) {
  const auto plan = recordPlan("Id Norte Este", RecordFamily::Grid);
  std::vector<Field> scratch;

  SplitRecord r = readRecord("P1,1106908.8542,171071.264", plan, scratch);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.id, "P1");
  EXPECT_EQ(r.slots[0].number, 1106908.8542);
  EXPECT_EQ(r.slots[1].number, 171071.264);
  EXPECT_TRUE(r.slots[2].isNumber());  // no H in the layout: height 0
  EXPECT_EQ(r.slots[2].number, 0.0);

  r = readRecord("x", plan, scratch);  // one character: no record
  EXPECT_TRUE(r.complete);
  EXPECT_TRUE(r.slots[0].empty());
  EXPECT_TRUE(r.slots[2].empty());

  r = readRecord("P3,1,2,3", plan, scratch);  // one field too many
  EXPECT_FALSE(r.complete);

  r = readRecord("\"P4, base\",5,6", plan, scratch);
  EXPECT_EQ(r.id, "P4, base");
  EXPECT_EQ(r.slots[1].number, 6.0);

  r = readRecord("P1,1106908.8542,171071.264", recordPlan("LAT LON", RecordFamily::Grid), scratch);
  EXPECT_TRUE(r.slots[0].empty());  // a layout of the other family
}

class PointFileTest : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::string& name, const std::string& bytes) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  TempFolder temp_;
  const std::filesystem::path folder_ = temp_.path();
};

TEST_F(PointFileTest, ReadsWindows1252AndUtf8Files) {
  const auto plan = recordPlan("Id Norte Este", RecordFamily::Grid);
  std::vector<Field> scratch;
  std::string line;
  for (const char* bytes : {"Estaci\xF3n 1,1,2\r\n", "Estaci\xC3\xB3n 1,1,2\n", "\xEF\xBB\xBF" "Estaci\xC3\xB3n 1,1,2"}) {
    auto file = PointFile::open(write("p.txt", bytes));
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size(), 1u);
    ASSERT_TRUE(file->next(line));
    EXPECT_EQ(readRecord(line, plan, scratch).id, "Estación 1");
  }
  // One byte that is not UTF-8 anywhere in the file makes it all Windows-1252.
  auto mixed = PointFile::open(write("p.txt", "Estaci\xC3\xB3n,1,2\r\n\xD1,3,4\r\n"));
  ASSERT_TRUE(mixed);
  EXPECT_EQ(linesOf(*mixed), (std::vector<std::string>{"EstaciÃ³n,1,2", "Ñ,3,4"}));
  // Also when the letters come blocks after the start of the file.
  std::string late;
  while (late.size() < 600000) late += "1,2\r\n";
  auto lateMixed = PointFile::open(write("late.txt", late + "\xC3\xB3,1,2\r\n\xD1,3,4\r\n"));
  ASSERT_TRUE(lateMixed);
  const auto lateLines = linesOf(*lateMixed);
  ASSERT_GE(lateLines.size(), 2u);
  EXPECT_EQ(lateLines[lateLines.size() - 2], "Ã³,1,2");
  EXPECT_EQ(lateLines.back(), "Ñ,3,4");
  EXPECT_FALSE(PointFile::open(folder_ / "missing.txt"));
  EXPECT_FALSE(PointFile::open(folder_));
}

}  // namespace
}  // namespace brelosta
