#include "formats/point_batch.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "temp_folder.hpp"

namespace brelosta {
namespace {

std::vector<std::string> linesOf(const PointBatch& batch) {
  std::vector<std::string> lines;
  for (std::size_t n = 1; n <= batch.size(); ++n) lines.emplace_back(batch.line(n));
  return lines;
}

TEST(PointBatch, CountsLinesWhateverTheirEnds) {
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
  for (const auto& c : cases) EXPECT_EQ(linesOf(PointBatch(c.text)), c.lines) << c.text;
}

TEST(PointBatch, HoldsAtMost999999Records) {
  std::string text;
  for (std::size_t n = 0; n < kMaxRecords; ++n) text += "1,2\n";
  const PointBatch full(text);
  EXPECT_FALSE(full.overLimit());
  EXPECT_EQ(full.size(), kMaxRecords);
  EXPECT_FALSE(PointBatch(text + "\r\n \r\n").overLimit());  // only blank lines beyond the limit
  const PointBatch over(text + "\r\n3,4\n");
  EXPECT_TRUE(over.overLimit());
}

TEST(PointBatch, SplitsARecordFromItsLineOnly) {
  const PointBatch batch("P1,1106908.8542,171071.264\r\nx\r\nP3,1,2,3\r\n\"P4, base\",5,6\r\n");
  const auto plan = recordPlan("Id Norte Este", RecordFamily::Grid);
  std::vector<Field> scratch;

  PointRecord r = batch.record(1, plan, scratch);
  EXPECT_TRUE(r.read);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.id, "P1");
  EXPECT_EQ(r.slots[0].number, 1106908.8542);
  EXPECT_EQ(r.slots[1].number, 171071.264);
  EXPECT_TRUE(r.slots[2].isNumber());  // no H in the layout: height 0
  EXPECT_EQ(r.slots[2].number, 0.0);

  r = batch.record(2, plan, scratch);  // one character: no record
  EXPECT_FALSE(r.read);
  EXPECT_TRUE(r.slots[0].empty());
  EXPECT_TRUE(r.slots[2].empty());

  r = batch.record(3, plan, scratch);  // one field too many
  EXPECT_TRUE(r.read);
  EXPECT_FALSE(r.complete);

  r = batch.record(4, plan, scratch);
  EXPECT_EQ(r.id, "P4, base");
  EXPECT_EQ(r.slots[1].number, 6.0);

  r = batch.record(1, recordPlan("LAT LON", RecordFamily::Grid), scratch);  // a layout of the other family
  EXPECT_FALSE(r.read);
  EXPECT_TRUE(r.slots[0].empty());
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
  for (const char* bytes : {"Estaci\xF3n 1,1,2\r\n", "Estaci\xC3\xB3n 1,1,2\n", "\xEF\xBB\xBF" "Estaci\xC3\xB3n 1,1,2"}) {
    const auto batch = PointBatch::readFile(write("p.txt", bytes));
    ASSERT_TRUE(batch);
    ASSERT_EQ(batch->size(), 1u);
    EXPECT_EQ(batch->record(1, plan, scratch).id, "Estación 1");
  }
  EXPECT_FALSE(PointBatch::readFile(folder_ / "missing.txt"));
  EXPECT_FALSE(PointBatch::readFile(folder_));
}

}  // namespace
}  // namespace brelosta
