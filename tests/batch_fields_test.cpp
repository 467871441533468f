#include <gtest/gtest.h>

#include <charconv>
#include <random>

#include "app/reaction_errors.hpp"
#include "batch_support.hpp"
#include "core/field_stream.hpp"
#include "formats/data_file.hpp"
#include "formats/field_text.hpp"
#include "formats/screening.hpp"

namespace brelosta {
namespace {

const NumberFormat kPoint = NumberFormat::point();
const NumberFormat kComma = NumberFormat::comma();

// A field as the reading gives it.
Field fieldOf(std::string_view text) {
  std::vector<Field> fields;
  splitFields(text, fields);
  return fields.empty() ? Field{} : fields.front();
}

std::string fieldText(std::string_view text, NumberFormat format) {
  std::string out = "x";  // appends
  appendFieldText(out, fieldOf(text), format);
  return out.substr(1);
}

TEST(FieldText, WritesAFileFieldAsTheUserWouldTypeIt) {
  const struct {
    const char* field;
    const char* point;
    const char* comma;
  } cases[] = {
      {"10.5", "10.5", "10,5"},
      {"1106908.8540", "1106908.854", "1106908,854"},  // trailing zeros dropped
      {"+7.0", "7", "7"},
      {"007", "7", "7"},
      {"-0", "-0", "-0"},  // the sign of a negative angle under one degree
      {"-0.0", "-0", "-0"},
      {"0.000", "0", "0"},
      {"1e-7", "0.0000001", "0,0000001"},  // never an exponent
      {"2.5E3", "2500", "2500"},
      {"1e21", "1000000000000000000000", "1000000000000000000000"},
      {"0.1234567890123456", "0.1234567890123456", "0,1234567890123456"},
      {"\"12,5\"", "12,5", "12,5"},  // a text as it stands
      {"abc", "abc", "abc"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fieldText(c.field, kPoint), c.point) << c.field;
    EXPECT_EQ(fieldText(c.field, kComma), c.comma) << c.field;
  }
}

TEST(FieldText, ShortcutGivesTheShortestTextOfTheValue) {
  std::mt19937_64 random(5);
  std::uniform_int_distribution<int> digitCount(1, 18);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> pointAt(0, 18);
  for (int k = 0; k < 50000; ++k) {
    std::string text = k % 2 == 0 ? "" : "-";
    const int count = digitCount(random);
    const int point = pointAt(random);
    for (int d = 0; d < count; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + (digit(random) < 3 ? 0 : digit(random)));
    }
    const Field field = fieldOf(text);
    ASSERT_TRUE(field.isNumber()) << text;
    std::array<char, 400> buffer;
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), field.number, std::chars_format::fixed);
    ASSERT_EQ(error, std::errc()) << text;
    std::string written;
    appendFieldText(written, field, kPoint);
    ASSERT_EQ(written, std::string(buffer.data(), end)) << text;
  }
}

enum class Screened { Converted, Skipped, DataError };

Screened screen(std::string_view field, NumberFormat format) {
  try {
    return skippedByScreening(fieldOf(field), format) ? Screened::Skipped : Screened::Converted;
  } catch (const DataError&) {
    return Screened::DataError;
  }
}

TEST(Screening, SkipsOnlyAFirstFieldThatIsNotZeroButReadsAsZero) {
  using enum Screened;
  const struct {
    const char* field;
    Screened point;  // with a decimal point
    Screened comma;  // with a decimal comma
  } cases[] = {
      {"0.5", Converted, Converted},  // a number, whatever the user's decimal mark
      {"-0.25", Converted, Converted},
      {"0", Converted, Converted},  // the equator is a latitude like any other
      {"", Converted, Converted},   // never filled: the run stops at it
      {"\"0\"", Converted, Converted},
      {"\"0,001\"", Skipped, Converted},  // grouped thousands: 1, whose leading number is 0
      {"\"0,5\"", DataError, Converted},
      {"\"12,5\"", DataError, Converted},
      {"\"1.000,5\"", DataError, Converted},
      {"Norte", DataError, DataError},  // a title line
      {"LAT", DataError, DataError},
      {"\"Id\"", DataError, DataError},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(screen(c.field, kPoint), c.point) << c.field;
    EXPECT_EQ(screen(c.field, kComma), c.comma) << c.field;
  }
}

TEST(OutputField, QuotesWhatAReaderWouldSplitOrTrim) {
  const struct {
    Field field;
    NumberFormat format;
    const char* expected;
  } cases[] = {
      {Field{Field::Type::Text, "1106908.8542", 0}, kPoint, "1106908.8542"},
      {Field{Field::Type::Text, "1106908,8542", 0}, kComma, "\"1106908,8542\""},
      {Field{Field::Type::Text, "P1, base", 0}, kPoint, "\"P1, base\""},
      {Field{Field::Type::Text, "  P2", 0}, kPoint, "\"  P2\""},
      {Field{Field::Type::Text, "", 0}, kPoint, ""},
      {fieldOf("0"), kPoint, " 0 "},  // a number: a blank for the sign and one after
      {fieldOf("-66"), kPoint, "-66 "},
      {fieldOf("12.5"), kComma, "\" 12,5 \""},
  };
  for (const auto& c : cases) {
    std::string out;
    appendOutputField(out, c.field, c.format);
    EXPECT_EQ(out, c.expected) << c.field.text;
  }
}

TEST(DataFile, WritesTheTargetLayoutAndSkippedRecordsWithTheirInput) {
  using testing::ConvertedBatch;
  const ConvertedBatch converted("P1,1106500,171500\r\nP2,\"0,001\",5\r\n,1,2\r\n", "Id Norte Este",
                                 RecordFamily::Grid, RecordFamily::Grid,
                                 {{"1106500.0000", "171500.0000", "0.0000"}, {}, {"1.0000", "2.0000", "0.0000"}});
  const struct {
    const char* layout;
    std::vector<std::string> lines;
  } cases[] = {
      {"Id Este Norte H",
       {"P1,171500.0000,1106500.0000,0.0000", "P2, 5 ,\"0,001\", 0 ", ",2.0000,1.0000,0.0000"}},
      {"Norte Este", {"1106500.0000,171500.0000", "\"0,001\", 5 ", "1.0000,2.0000"}},
  };
  for (const auto& c : cases) {
    testing::FileBytes file;
    writeDataFile(converted.records(), recordPlan(c.layout, RecordFamily::Grid), kPoint, file.sink);
    EXPECT_EQ(file.lines(), c.lines) << c.layout;
  }
  testing::FileBytes none;
  writeDataFile(converted.records(), recordPlan("LAT LON", RecordFamily::Grid), kPoint, none.sink);
  EXPECT_EQ(none.lines(), std::vector<std::string>{});
}

}  // namespace
}  // namespace brelosta
