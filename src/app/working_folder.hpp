#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/app.hpp"

namespace brelosta {

// What a new user folder receives from the shipped folder: the catalogues
// the program cannot start without, and the samples.
inline constexpr std::array<std::string_view, 2> kCatalogueFiles = {"datum.txt", "elipsoide.txt"};
inline constexpr std::array<std::string_view, 2> kSampleFiles = {"puntos_ejemplo.txt", "utm19_psad56_a_regven.cfg"};
inline constexpr std::string_view kUserFolderName = "Brelosta";
inline constexpr std::string_view kHelpGuideName = "ayuda.html";

// The folder of the files the program ships (catalogues, samples, the user
// guide): at the install layout's relative path from the executable's
// folder, so an installed copy, a moved one and the build tree all find
// theirs. Empty when the executable's folder is unknown.
std::filesystem::path shippedFolder();

struct WorkingFolder {
  std::filesystem::path folder;
  // The user's folder in the documents folder (not --workdir, not the
  // current folder).
  bool userFolder = false;
  // Why the user's folder is not ready, as a message's second line; empty
  // when it is.
  std::string problem;
};

// The folder the program works in: `requested` (--workdir) when given; else
// the current folder when it holds datum.txt; else Brelosta in the
// documents folder (asked of `documents` only then), created on first start
// with copies of the shipped catalogues and samples. A user folder that has
// lost a catalogue gets it again; a sample the user removed stays removed.
WorkingFolder chooseWorkingFolder(const std::optional<std::filesystem::path>& requested,
                                  const std::filesystem::path& current,
                                  const std::function<std::filesystem::path()>& documents,
                                  const std::filesystem::path& shipped);

// The same with the current folder and this user's documents folder.
WorkingFolder chooseWorkingFolder(const std::optional<std::filesystem::path>& requested,
                                  const std::filesystem::path& shipped);

// The message for a user folder that is not ready: what, then where and why.
std::string workingFolderProblemText(const WorkingFolder& working);

// Starts the program in its working folder: the help opens the shipped
// guide, a user folder that is not ready is reported in a critical message,
// then the start-up sequence runs with the folder's catalogues.
void startInWorkingFolder(App& app, const WorkingFolder& working, const std::filesystem::path& shipped);

}  // namespace brelosta
