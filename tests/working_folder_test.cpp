// The working folder: --workdir, a current folder with the catalogues, or
// the user's folder in the documents folder, made on first start from the
// shipped files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/recording_toolkit.hpp"
#include "app/working_folder.hpp"
#include "core/text_file.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

class WorkingFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(current);
    fs::create_directories(documents);
  }

  WorkingFolder choose(const std::optional<fs::path>& requested = std::nullopt) {
    return chooseWorkingFolder(requested, current, [this] {
      ++documentsAsked;
      return documents;
    }, kShippedData);
  }

  TempFolder temp;
  const fs::path current = temp.path() / "actual";
  const fs::path documents = temp.path() / "Documentos";
  const fs::path userFolder = documents / "Brelosta";
  int documentsAsked = 0;
};

TEST_F(WorkingFolderTest, WorkdirAndACurrentFolderWithCataloguesAreUsedAsTheyAre) {
  const WorkingFolder requested = choose(temp.path() / "proyecto");
  EXPECT_EQ(requested.folder, temp.path() / "proyecto");
  EXPECT_FALSE(requested.userFolder);
  EXPECT_EQ(requested.problem, "");

  std::ofstream(current / "datum.txt") << "x";
  const WorkingFolder here = choose();
  EXPECT_EQ(here.folder, current);
  EXPECT_FALSE(here.userFolder);
  EXPECT_EQ(documentsAsked, 0);
  EXPECT_FALSE(fs::exists(userFolder));
}

TEST_F(WorkingFolderTest, FirstStartMakesTheUserFolderWithTheShippedFiles) {
  const WorkingFolder working = choose();
  EXPECT_EQ(working.folder, userFolder);
  EXPECT_TRUE(working.userFolder);
  EXPECT_EQ(working.problem, "");
  for (const char* name : {"datum.txt", "elipsoide.txt", "puntos_ejemplo.txt", "utm19_psad56_a_regven.cfg"})
    EXPECT_EQ(readFileBytes(userFolder / name), readFileBytes(kShippedData / name)) << name;
}

TEST_F(WorkingFolderTest, ALaterStartKeepsTheUsersFilesAndRestoresOnlyMissingCatalogues) {
  choose();
  std::ofstream(userFolder / "elipsoide.txt", std::ios::trunc) << "mis elipsoides";
  fs::remove(userFolder / "datum.txt");
  fs::remove(userFolder / "puntos_ejemplo.txt");

  EXPECT_EQ(choose().problem, "");
  EXPECT_EQ(readFileBytes(userFolder / "datum.txt"), readFileBytes(kShippedData / "datum.txt"));
  EXPECT_EQ(readFileBytes(userFolder / "elipsoide.txt"), std::optional<std::string>("mis elipsoides"));
  EXPECT_FALSE(fs::exists(userFolder / "puntos_ejemplo.txt"));
}

TEST_F(WorkingFolderTest, AFolderThatCannotBeMadeReadyIsSaidWithItsReason) {
  // No shipped files beside the program.
  const WorkingFolder unshipped = chooseWorkingFolder(std::nullopt, current, [this] { return documents; },
                                                      temp.path() / "share");
  EXPECT_TRUE(unshipped.userFolder);
  EXPECT_EQ(unshipped.problem, "no se encontró " + (temp.path() / "share" / "datum.txt").string());
  EXPECT_EQ(workingFolderProblemText(unshipped), "No se pudo preparar la carpeta de trabajo\n" + unshipped.problem);

  // A file where the folder should be.
  std::ofstream(temp.path() / "archivo") << "x";
  const WorkingFolder blocked = chooseWorkingFolder(std::nullopt, current, [this] { return temp.path() / "archivo"; },
                                                    kShippedData);
  EXPECT_EQ(blocked.problem.rfind((temp.path() / "archivo" / "Brelosta").string() + ": ", 0), 0U) << blocked.problem;

  // Neither documents nor home known: the current folder, said so.
  const WorkingFolder homeless = chooseWorkingFolder(std::nullopt, current, [] { return fs::path(); }, kShippedData);
  EXPECT_EQ(homeless.folder, current);
  EXPECT_EQ(homeless.problem, "no se encontró la carpeta de documentos ni la carpeta personal");
}

TEST_F(WorkingFolderTest, StartingShowsTheShippedGuideAndAnyProblem) {
  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  startInWorkingFolder(app, choose(), kShippedData);
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(state.helpGuide, (kShippedData / "ayuda.html").string());
  EXPECT_EQ(state.About.Carpeta.text, "Carpeta de trabajo: " + userFolder.string());
  EXPECT_FALSE(state.DATUM_L.entries.empty());

  MainWindowState failed;
  App failedApp{failed, toolkit};
  startInWorkingFolder(failedApp, WorkingFolder{current, true, "no se encontró /x/datum.txt"}, kShippedData);
  ASSERT_GE(toolkit.messages.size(), 1U);
  EXPECT_EQ(toolkit.messages[0].text, "No se pudo preparar la carpeta de trabajo\nno se encontró /x/datum.txt");
}

}  // namespace
}  // namespace brelosta
