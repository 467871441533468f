// The preview window's reading of the head of a point file.

#include "app/preview.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "app/commands.hpp"
#include "started_window.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

void writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file << bytes;
}

// Opens the preview on the file, with a layout, and examines it.
PreviewWindowState& examine(StartedWindow& window, const fs::path& file, std::string_view layout) {
  click(window.app, window.state.Revisar);
  PreviewWindowState& p = window.state.Preview;
  selectText(window.app, p.Formato, layout);
  p.File_Preview.text = file.string();
  click(window.app, p.Examinar);
  return p;
}

TEST(Preview, ReadsLinesWithAnyLineEndAndTheWindowsCodePage) {
  StartedWindow window;
  const fs::path file = window.folder() / "mixed.txt";
  writeBytes(file, "Estaci\xF3n 1,1,2\r\nB,3,4\nC,5,6\rD,7,8\r\n\r\nF,9,10\r\nG,11,12\r\n");
  PreviewWindowState& p = examine(window, file, "Id Norte Este");
  EXPECT_EQ(p.List1.entries, (std::vector<std::string>{"Estación 1,1,2", "B,3,4", "C,5,6", "D,7,8", "", "F,9,10"}));
  EXPECT_EQ(p.List2.entries, (std::vector<std::string>{"Estación 1", "B", "C", "D", "", "F"}));
  EXPECT_EQ(p.List10.entries, (std::vector<std::string>{"1", "3", "5", "7", "", "9"}));
  EXPECT_EQ(p.List9.entries, (std::vector<std::string>{"0", "0", "0", "0", "", "0"}));
}

TEST(Preview, ReadsLinesLongerThanOneReadOfTheFile) {
  StartedWindow window;
  const fs::path file = window.folder() / "long.txt";
  const std::string id(40000, 'x');
  std::string bytes;
  for (int k = 0; k < 8; ++k) bytes += id + "," + std::to_string(k) + ",5\r\n";
  writeBytes(file, bytes);
  PreviewWindowState& p = examine(window, file, "Id Norte Este");
  ASSERT_EQ(p.List1.entries.size(), 6U);
  EXPECT_EQ(p.List1.entries[5], id + ",5,5");
  EXPECT_EQ(p.List2.entries, std::vector<std::string>(6, id));
  EXPECT_EQ(p.List10.entries.back(), "5");
}

TEST(Preview, ShowsUtf8FilesAsWritten) {
  StartedWindow window;
  const fs::path file = window.folder() / "utf8.txt";
  writeBytes(file, "\"Peñón, cima\",1,2\n");
  PreviewWindowState& p = examine(window, file, "Id Norte Este");
  EXPECT_EQ(p.List1.entries, (std::vector<std::string>{"\"Peñón, cima\",1,2"}));
  EXPECT_EQ(p.List2.entries, (std::vector<std::string>{"Peñón, cima", ""}));
}

TEST(Preview, OpensOnMetresOnlyTheFirstTime) {
  StartedWindow window;
  click(window.app, window.state.Revisar);
  PreviewWindowState& p = window.state.Preview;
  selectText(window.app, p.Coord, "Grad Min Seg");
  selectText(window.app, p.Formato, "LON LAT H");
  p.List3.entries = {"10"};
  click(window.app, p.Salida);
  click(window.app, window.state.Revisar);
  EXPECT_TRUE(p.Preview.visible);
  EXPECT_EQ(p.Coord.text, "Grad Min Seg");
  EXPECT_EQ(p.Formato.text, "LON LAT H");
  EXPECT_EQ(p.List3.entries, std::vector<std::string>{"10"});
}

}  // namespace
}  // namespace brelosta
