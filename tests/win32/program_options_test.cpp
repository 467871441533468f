// The Windows program's options: the command line over the environment
// variable over the regional settings.

#include <gtest/gtest.h>

#include "win32/program_options.hpp"

namespace brelosta {
namespace {

ProgramOptions parsed(const std::vector<std::string>& arguments, const std::string& variable,
                      NumberFormat regional) {
  const auto result = programOptions(arguments, variable, regional);
  EXPECT_TRUE(std::holds_alternative<ProgramOptions>(result));
  return std::holds_alternative<ProgramOptions>(result) ? std::get<ProgramOptions>(result) : ProgramOptions{};
}

TEST(ProgramOptionsTest, CommandLineOverEnvironmentOverRegionalSettings) {
  EXPECT_EQ(parsed({}, "", NumberFormat::comma()).numberFormat.decimalMark, ',');
  EXPECT_EQ(parsed({}, "point", NumberFormat::comma()).numberFormat.decimalMark, '.');
  EXPECT_EQ(parsed({"--number-format", "comma"}, "point", NumberFormat::point()).numberFormat.decimalMark, ',');
  const ProgramOptions options = parsed({"--workdir", "C:\\Se\u00f1ales de \u00c1vila"}, "", NumberFormat::point());
  ASSERT_TRUE(options.workingFolder.has_value());
  EXPECT_EQ(options.workingFolder->wstring(), L"C:\\Se\u00f1ales de \u00c1vila");
}

TEST(ProgramOptionsTest, WhatCannotBeUsedIsSaid) {
  const auto unknown = programOptions({"--zoom"}, "", NumberFormat::point());
  ASSERT_TRUE(std::holds_alternative<std::string>(unknown));
  EXPECT_EQ(std::get<std::string>(unknown), "opci\u00f3n desconocida: --zoom");
  EXPECT_TRUE(std::holds_alternative<std::string>(programOptions({"--number-format", "x"}, "", NumberFormat::point())));
  EXPECT_TRUE(std::holds_alternative<std::string>(programOptions({}, "coma", NumberFormat::point())));
}

}  // namespace
}  // namespace brelosta
