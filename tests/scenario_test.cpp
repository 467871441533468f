// Runs the behaviour scenarios of tests/scenarios: each .scn file is an
// action script for `brelosta-cli script` whose comment lines say what it
// must print and which files it must leave. Each runs twice: in this
// process, and through the brelosta-cli program.
//
//   #> LINE              a line the script must print, in order (all of them)
//   #! formats point comma   run once per decimal mark (default: point)
//   #! exit N            expected exit code (default 0)
//   #! file NAME         a file in the working folder before the run; its lines follow as "#| LINE"
//   #! copy NAME         tests/data/NAME copied into the working folder before the run, byte for byte
//   #! remove NAME       a shipped catalogue file missing from the working folder
//   #! expect-file NAME  a file the run must leave, with the "#| LINE" lines that follow
//   #! expect-file NAME utf-8       the same, the file in UTF-8
//   #! expect-file NAME utf-8-bom   the same, in UTF-8 after a byte-order mark
//   #! no-file NAME      a file the run must not leave
//
// In every line "{.}" stands for the decimal mark of the run, "{q}" for a
// double quote in a run with a decimal comma and for nothing otherwise (an
// output field that holds a decimal comma is quoted), and "{dir}" for the
// working folder. Files are written and compared as Windows-1252 (unless
// said otherwise) with CR LF line ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "child_process.hpp"
#include "cli/script_driver.hpp"
#include "core/path_text.hpp"
#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

const fs::path kScenarioFolder = fs::path(BRELOSTA_SOURCE_DIR) / "tests" / "scenarios";

struct FileSpec {
  std::string name;
  std::vector<std::string> lines;
  std::string encoding;  // empty for Windows-1252
};

struct Scenario {
  std::vector<std::string> formats{"point"};
  int exitCode = 0;
  std::vector<std::string> expectedOutput;
  std::vector<FileSpec> inputFiles;
  std::vector<std::string> copiedFiles;
  std::vector<std::string> removedFiles;
  std::vector<FileSpec> expectedFiles;
  std::vector<std::string> absentFiles;
};

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> out;
  std::istringstream in{std::string(text)};
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

Scenario parseScenario(const std::string& text) {
  Scenario scenario;
  std::vector<std::string>* fileLines = nullptr;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("#> ")) {
      scenario.expectedOutput.push_back(line.substr(3));
    } else if (line == "#>") {
      scenario.expectedOutput.emplace_back();
    } else if (line.starts_with("#|")) {
      if (fileLines != nullptr) fileLines->push_back(line.size() > 3 ? line.substr(3) : std::string());
    } else if (line.starts_with("#! ")) {
      const auto w = words(line.substr(3));
      fileLines = nullptr;
      if (w.empty()) continue;
      if (w[0] == "formats") scenario.formats.assign(w.begin() + 1, w.end());
      if (w[0] == "exit" && w.size() > 1) scenario.exitCode = std::stoi(w[1]);
      if (w[0] == "remove" && w.size() > 1) scenario.removedFiles.push_back(w[1]);
      if (w[0] == "no-file" && w.size() > 1) scenario.absentFiles.push_back(w[1]);
      if (w[0] == "copy" && w.size() > 1) scenario.copiedFiles.push_back(w[1]);
      if (w[0] == "file" && w.size() > 1) {
        scenario.inputFiles.push_back({w[1], {}, {}});
        fileLines = &scenario.inputFiles.back().lines;
      }
      if (w[0] == "expect-file" && w.size() > 1) {
        scenario.expectedFiles.push_back({w[1], {}, w.size() > 2 ? w[2] : std::string()});
        fileLines = &scenario.expectedFiles.back().lines;
      }
    }
  }
  return scenario;
}

std::string substituted(std::string text, char decimalMark, const std::string& folder) {
  for (std::size_t at; (at = text.find("{.}")) != std::string::npos;) text.replace(at, 3, 1, decimalMark);
  const std::string quote = decimalMark == ',' ? "\"" : "";
  for (std::size_t at; (at = text.find("{q}")) != std::string::npos;) text.replace(at, 3, quote);
  for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, folder);
  return text;
}

std::vector<std::string> scenarioNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(kScenarioFolder))
    if (entry.path().extension() == ".scn") names.push_back(fs::relative(entry.path(), kScenarioFolder).string());
  std::sort(names.begin(), names.end());
  return names;
}

// Runs a script in the working folder: returns the exit code, and what was
// printed in `out`.
using ScriptRunner = std::function<int(const fs::path& folder, const std::string& script, const NumberFormat& format,
                                       std::string& out, std::string& err)>;

void checkScenario(const std::string& name, const ScriptRunner& run) {
  const auto source = readFileBytes(kScenarioFolder / name);
  ASSERT_TRUE(source);
  const Scenario scenario = parseScenario(*source);
  for (const std::string& formatName : scenario.formats) {
    SCOPED_TRACE("number format " + formatName);
    const NumberFormat format = formatName == "comma" ? NumberFormat::comma() : NumberFormat::point();
    const TempFolder temp;
    temp.copyShippedCatalogues();
    const fs::path& folder = temp.path();
    const std::string dir = utf8FromPath(folder);
    const auto sub = [&](const std::string& text) { return substituted(text, format.decimalMark, dir); };

    for (const std::string& name : scenario.removedFiles) fs::remove(folder / name);
    for (const std::string& name : scenario.copiedFiles)
      fs::copy_file(fs::path(BRELOSTA_SOURCE_DIR) / "tests" / "data" / name, folder / name);
    for (const FileSpec& file : scenario.inputFiles) {
      std::vector<std::string> lines;
      for (const std::string& line : file.lines) lines.push_back(sub(line));
      ASSERT_TRUE(writeTextFile(folder / file.name, lines));
    }

    std::string out;
    std::string err;
    const int exitCode = run(folder, sub(*source), format, out, err);
    EXPECT_EQ(exitCode, scenario.exitCode) << err;

    std::vector<std::string> expected;
    for (const std::string& line : scenario.expectedOutput) expected.push_back(sub(line));
    std::vector<std::string> printed;
    std::istringstream printedLines(out);
    for (std::string line; std::getline(printedLines, line);) printed.push_back(line);
    EXPECT_EQ(printed, expected);

    for (const FileSpec& file : scenario.expectedFiles) {
      const auto bytes = readFileBytes(folder / file.name);
      ASSERT_TRUE(bytes) << file.name << " was not written";
      std::vector<std::string> lines;
      for (const std::string& line : file.lines) lines.push_back(sub(line));
      if (!file.encoding.empty()) {
        std::string expectedBytes = file.encoding == "utf-8-bom" ? "\xEF\xBB\xBF" : "";
        for (const std::string& line : lines) expectedBytes += line + "\r\n";
        EXPECT_EQ(*bytes, expectedBytes) << file.name;
        continue;
      }
      std::string expectedBytes;
      for (const std::string& line : lines) expectedBytes += encodeWindows1252(line) + "\r\n";
      EXPECT_EQ(decodeWindows1252(*bytes), decodeWindows1252(expectedBytes)) << file.name;
    }
    for (const std::string& name : scenario.absentFiles)
      EXPECT_FALSE(fs::exists(folder / sub(name))) << name << " should not exist";
  }
}

class ScenarioTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTest, PrintsWhatItMust) {
  checkScenario(GetParam(), [](const fs::path& folder, const std::string& script, const NumberFormat& format,
                               std::string& out, std::string& err) {
    std::istringstream in(script);
    std::ostringstream printed;
    std::ostringstream errors;
    const int exitCode = runScript(in, printed, errors, ScriptOptions{folder, format, kShippedData});
    out = printed.str();
    err = errors.str();
    return exitCode;
  });
}

// The same through brelosta-cli itself, as a user starts it: its command
// line, its standard output line for line (a CR added before a line end
// would show) and the files it leaves.
TEST_P(ScenarioTest, BrelostaCliPrintsTheSame) {
  checkScenario(GetParam(), [](const fs::path& folder, const std::string& script, const NumberFormat& format,
                               std::string& out, std::string& err) {
    const TempFolder outside;  // the script and what is printed stay out of the working folder
    const fs::path scriptFile = outside.path() / "guion.txt";
    std::ofstream(scriptFile, std::ios::binary) << script;
    const int exitCode = runProgram(BRELOSTA_CLI,
                                    {"script", "--workdir", utf8FromPath(folder), "--number-format",
                                     format == NumberFormat::comma() ? "comma" : "point", utf8FromPath(scriptFile)},
                                    outside.path() / "out", outside.path() / "err");
    out = readFileBytes(outside.path() / "out").value_or("");
    err = readFileBytes(outside.path() / "err").value_or("");
    return exitCode;
  });
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param.substr(0, info.param.size() - 4);
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioTest, ::testing::ValuesIn(scenarioNames()), testName);

}  // namespace
}  // namespace brelosta
