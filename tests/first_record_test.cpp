#include "formats/first_record.hpp"

#include <gtest/gtest.h>

namespace brelosta {
namespace {

const auto kGrid = recordPlan("Id Norte Este H", RecordFamily::Grid);

// The first record keeps the comma whenever it reads with commas; only a
// record that does not, and holds a ";" or a tab outside quotes, makes the
// file a ";" or tab file.
TEST(FieldSeparator, IsTheCommaUnlessTheFirstRecordNeedsAnother) {
  const NumberFormat point = NumberFormat::point();
  const struct {
    const char* record;
    char separator;
  } cases[] = {
      {"P1,1163200.562,728310.447,905.3", ','},
      {"P1;1163200,562;728310,447;905,3", ';'},
      {"P1\t1163200.562\t728310.447\t905.3", '\t'},
      {"P1\t1163200,562\t728310,447\t905,3", '\t'},
      {"Id;Norte;Este;H", ';'},                               // titles: no layout's record either way
      {"P;1,1163200.562,728310.447,905.3", ','},              // a ";" in a record that reads with commas
      {"\"P;1\",1163200.562,728310.447", ','},                // a ";" inside quotes only
      {"Peñón; cerro\t1161875.25\t730544.91\t872.15", '\t'},  // both: the one it reads with
      {"P1;1;2", ';'},                                        // neither reads it: the one it holds
      {"Norte,Este,H", ','},
  };
  for (const auto& c : cases) EXPECT_EQ(fieldSeparator(c.record, kGrid, point), c.separator) << c.record;
  EXPECT_EQ(fieldSeparator("P1;1;2;3", std::nullopt, point), ',');  // no layout reads nothing

  // A record the screening passes over converts today: its file stays a
  // comma file (with a decimal comma the text "0.000.001" is a number whose
  // leading number is 0).
  const auto plan = recordPlan("Norte Este", RecordFamily::Grid);
  EXPECT_EQ(fieldSeparator("\"0.000.001\",5;6", plan, NumberFormat::comma()), ',');
  EXPECT_EQ(fieldSeparator("\"0.000.001\",5;6", plan, point), ';');
  // A text the user's format reads is a coordinate.
  EXPECT_EQ(fieldSeparator("P;1,\"1.163.200\",728310,1", kGrid, NumberFormat::comma()), ',');
  EXPECT_EQ(fieldSeparator("P;1,\"1.163.200\",728310,1", kGrid, point), ';');
  EXPECT_EQ(separatorName(';'), "punto y coma");
  EXPECT_EQ(separatorName('\t'), "tabulador");
  EXPECT_EQ(separatorName(','), "coma");
}

TEST(TitleLine, IsAllWords) {
  const NumberFormat point = NumberFormat::point();
  EXPECT_TRUE(looksLikeTitles("Id;Norte;Este;H", ';', point));
  EXPECT_TRUE(looksLikeTitles("Norte,Este,H", ',', point));
  EXPECT_TRUE(looksLikeTitles("Estación\tNorte (m)\tEste [m]\tH_m", '\t', point));
  EXPECT_TRUE(looksLikeTitles("\"Lat °\",\"Lon °\"", ',', point));
  EXPECT_FALSE(looksLikeTitles("P1,1163200,728310", ',', point));
  EXPECT_FALSE(looksLikeTitles("Norte", ',', point));                   // one word
  EXPECT_FALSE(looksLikeTitles("Norte,,Este", ',', point));             // an empty field
  EXPECT_FALSE(looksLikeTitles("Qv\u203a\u00c0\u00e5,x", ',', point));  // a binary line's bytes
  EXPECT_FALSE(looksLikeTitles("1e5,Este", ',', point));
}

}  // namespace
}  // namespace brelosta
