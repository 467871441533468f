// How every front end chooses the decimal mark: the regional settings, then
// BRELOSTA_NUMBER_FORMAT, then --number-format.

#include "app/number_format_choice.hpp"

#include <gtest/gtest.h>

namespace brelosta {
namespace {

TEST(NumberFormatChoice, EachSourceOverridesTheOneBefore) {
  const NumberFormat comma = NumberFormat::comma();
  const NumberFormat point = NumberFormat::point();
  const struct {
    NumberFormat system;
    std::optional<std::string_view> variable;
    std::optional<std::string_view> option;
    NumberFormat expected;
  } cases[] = {
      {comma, std::nullopt, std::nullopt, comma}, {point, std::nullopt, std::nullopt, point},
      {comma, "", std::nullopt, comma},  // set but empty: as if not set
      {comma, "point", std::nullopt, point},      {point, "comma", std::nullopt, comma},
      {comma, "comma", "point", point},           {point, std::nullopt, "comma", comma},
  };
  for (const auto& c : cases) {
    const auto chosen = chooseNumberFormat(c.system, c.variable, c.option);
    ASSERT_TRUE(std::holds_alternative<NumberFormat>(chosen))
        << c.variable.value_or("-") << c.option.value_or("-");
    EXPECT_EQ(std::get<NumberFormat>(chosen), c.expected)
        << c.variable.value_or("-") << c.option.value_or("-");
  }
}

TEST(NumberFormatChoice, SaysWhichNameItCannotUse) {
  const NumberFormat point = NumberFormat::point();
  EXPECT_EQ(std::get<std::string>(chooseNumberFormat(point, "coma", "comma")),
            "BRELOSTA_NUMBER_FORMAT debe ser point o comma");
  EXPECT_EQ(std::get<std::string>(chooseNumberFormat(point, "comma", "decimal")),
            "formato de números desconocido: decimal (point o comma)");
  EXPECT_EQ(std::get<std::string>(chooseNumberFormat(point, std::nullopt, "")),
            "formato de números desconocido:  (point o comma)");
}

}  // namespace
}  // namespace brelosta
