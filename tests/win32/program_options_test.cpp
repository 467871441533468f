// The Windows program's command line.

#include "win32/program_options.hpp"

#include <gtest/gtest.h>

namespace brelosta {
namespace {

TEST(ProgramOptionsTest, WorkingFolderWithAccentsAndNumberFormat) {
  const auto parsed =
      programOptions({"--workdir", "C:\\Se\u00f1ales de \u00c1vila", "--number-format", "comma"});
  ASSERT_TRUE(std::holds_alternative<ProgramOptions>(parsed));
  const ProgramOptions& options = std::get<ProgramOptions>(parsed);
  ASSERT_TRUE(options.workingFolder.has_value());
  EXPECT_EQ(options.workingFolder->wstring(), L"C:\\Se\u00f1ales de \u00c1vila");
  EXPECT_EQ(options.numberFormat, "comma");
}

TEST(ProgramOptionsTest, WhatCannotBeUsedIsSaid) {
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--zoom"}, {"--workdir"}}) {
    const auto parsed = programOptions(arguments);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
    EXPECT_EQ(std::get<std::string>(parsed), "opci\u00f3n desconocida: " + arguments[0]);
  }
}

}  // namespace
}  // namespace brelosta
