#include <gtest/gtest.h>

#include "batch_support.hpp"

namespace brelosta {
namespace {

TEST(BatchResults, GivesBackEveryRecordInOrderAcrossBlocks) {
  // Enough records to fill several blocks, texts of every length (a long
  // one takes a longer length prefix) and skipped records among them.
  BatchResults results(7);
  std::vector<std::array<std::string, 7>> kept;
  for (int n = 0; n < 30000; ++n) {
    std::array<std::string, 7> texts;
    for (int k = 0; k < 7; ++k) {
      const int length = n % 997 == 0 ? 300 : (7 * n + k) % 40;
      texts[static_cast<std::size_t>(k)] = std::string(static_cast<std::size_t>(length), static_cast<char>('a' + k));
    }
    if (n % 1000 == 7) {
      results.addSkipped("skipped");
      kept.push_back({});
      continue;
    }
    std::array<const std::string*, kMaxSlots> slots{};
    for (std::size_t k = 0; k < 7; ++k) slots[k] = &texts[k];
    results.addConverted("id", slots);
    kept.push_back(texts);
  }
  ASSERT_EQ(results.size(), kept.size());
  BatchResults::Reader reader(results);
  std::string_view id;
  std::array<std::string_view, kMaxSlots> texts{};
  for (std::size_t n = 0; n < kept.size(); ++n) {
    const bool converted = reader.next(id, texts);
    ASSERT_EQ(converted, n % 1000 != 7) << n;
    ASSERT_EQ(id, converted ? "id" : "skipped");
    if (!converted) continue;
    for (std::size_t k = 0; k < 7; ++k) ASSERT_EQ(texts[k], kept[n][k]) << n << ' ' << k;
  }
}

TEST(InputCells, GiveTheInputSlotsWithoutSplittingAgain) {
  const std::string longId(70000, 'L');
  const testing::ConvertedBatch converted(
      "P1,\"1106500,5\",  171500 ,25\r\nx\r\n" + longId + ",1,2,3\r\n", "Id Norte Este H", RecordFamily::Grid,
      RecordFamily::Grid, {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
  ConvertedRecords records = converted.records();
  OutputRecord record;
  ASSERT_TRUE(records.next(record, true));
  EXPECT_EQ(record.id, "P1");
  EXPECT_EQ(record.input[0].type, Field::Type::Text);
  EXPECT_EQ(record.input[0].text, "1106500,5");
  EXPECT_EQ(record.input[1].type, Field::Type::Number);
  EXPECT_EQ(record.input[1].text, "171500");
  EXPECT_EQ(record.input[2].text, "25");
  EXPECT_EQ(record.output[0].text, "a");
  ASSERT_TRUE(records.next(record, true));  // a line that holds no record
  EXPECT_TRUE(record.input[0].empty());
  EXPECT_TRUE(record.input[2].empty());
  ASSERT_TRUE(records.next(record, true));  // a line too long for the kept places is split again
  EXPECT_EQ(record.id.size(), longId.size());
  EXPECT_EQ(record.input[0].text, "1");
  EXPECT_EQ(record.input[2].text, "3");
  EXPECT_FALSE(records.next(record, true));

  // A layout without H: the height slot is the number 0.
  const testing::ConvertedBatch noHeight("1,2\r\n", "Norte Este", RecordFamily::Grid, RecordFamily::Grid,
                                         {{"a", "b", "c"}});
  ConvertedRecords fromNoHeight = noHeight.records();
  ASSERT_TRUE(fromNoHeight.next(record, true));
  EXPECT_EQ(record.input[2].type, Field::Type::Number);
  EXPECT_EQ(record.input[2].text, "0");
}

}  // namespace
}  // namespace brelosta
