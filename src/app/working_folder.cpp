#include "app/working_folder.hpp"

#include <system_error>
#include <utility>

#include "app/messages.hpp"
#include "app/platform/documents_folder.hpp"
#include "app/platform/program_folder.hpp"
#include "app/startup.hpp"
#include "core/path_text.hpp"
#include "formats/map_outline.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

// Copies a shipped file into the user folder unless it is there; a copy
// that fails half-way is removed, so that a later start tries again rather
// than reading a truncated catalogue. The reason, or "" when it is there.
std::string provide(const fs::path& shipped, const fs::path& folder, std::string_view name) {
  const fs::path target = folder / name;
  std::error_code error;
  if (fs::exists(target, error)) return {};
  const fs::path source = shipped / name;
  if (!fs::is_regular_file(source, error)) return "no se encontró " + source.string();
  if (fs::copy_file(source, target, error)) return {};
  const std::string reason = target.string() + ": " + error.message();
  fs::remove(target, error);
  return reason;
}

}  // namespace

fs::path shippedFolder() {
  const fs::path folder = programFolder();
  if (folder.empty()) return {};
  return (folder / BRELOSTA_SHIPPED_FOLDER).lexically_normal();
}

WorkingFolder chooseWorkingFolder(const std::optional<fs::path>& requested, const fs::path& current,
                                  const std::function<fs::path()>& documents, const fs::path& shipped) {
  if (requested) return {*requested, false, {}};
  std::error_code error;
  if (fs::exists(current / kCatalogueFiles[0], error)) return {current, false, {}};
  const fs::path documentsFolder = documents();
  if (documentsFolder.empty())
    return {current, false, "no se encontró la carpeta de documentos ni la carpeta personal"};

  WorkingFolder working{documentsFolder / kUserFolderName, true, {}};
  const bool created = !fs::exists(working.folder, error);
  if (created && !fs::create_directories(working.folder, error)) {
    working.problem = working.folder.string() + ": " + error.message();
    return working;
  }
  for (const std::string_view name : kCatalogueFiles)
    if (std::string reason = provide(shipped, working.folder, name); working.problem.empty())
      working.problem = std::move(reason);
  if (created)
    for (const std::string_view name : kSampleFiles)
      if (std::string reason = provide(shipped, working.folder, name); working.problem.empty())
        working.problem = std::move(reason);
  return working;
}

WorkingFolder chooseWorkingFolder(const std::optional<fs::path>& requested, const fs::path& shipped) {
  return chooseWorkingFolder(requested, fs::current_path(), documentsFolder, shipped);
}

std::string workingFolderProblemText(const WorkingFolder& working) {
  return "No se pudo preparar la carpeta de trabajo\n" + working.problem;
}

void startInWorkingFolder(App& app, const WorkingFolder& working, const fs::path& shipped) {
  if (!shipped.empty()) {
    app.state.helpGuide = (shipped / kHelpGuideName).string();
    app.state.mapOutline = utf8FromPath(shipped / kMapOutlineFileName);
  }
  if (!working.problem.empty()) showCritical(app, workingFolderProblemText(working));
  startUp(app, working.folder);
}

}  // namespace brelosta
