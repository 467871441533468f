#include "app/map_points.hpp"

#include <algorithm>
#include <optional>

#include "app/message_places.hpp"
#include "app/messages.hpp"
#include "app/point_conversion.hpp"
#include "app/reaction_errors.hpp"
#include "core/path_text.hpp"
#include "formats/first_record.hpp"
#include "formats/point_file.hpp"
#include "formats/screening.hpp"
#include "geodesy/datum_areas.hpp"
#include "geodesy/geoid.hpp"

namespace brelosta {
namespace {

// What the map's reading asks of a toolkit: the messages a conversion would
// show are kept instead, the cancel request and the wait cursor are the
// window's.
class QuietToolkit : public Toolkit {
 public:
  explicit QuietToolkit(Toolkit& window) : window_(window) {}

  MessageAnswer showMessage(const MessageRequest& request) override {
    last = request.text;
    return request.defaultAnswer;
  }
  std::optional<std::string> chooseFile(const FileDialogRequest& /*request*/) override { return std::nullopt; }
  void setWaitCursor(bool on) override { window_.setWaitCursor(on); }
  void progressChanged(float /*value*/) override {}
  bool cancelRequested() override { return window_.cancelRequested(); }
  std::optional<std::string> clipboardText() override { return std::nullopt; }
  bool startHelpViewer(const std::filesystem::path& /*guide*/) override { return false; }
  bool openWithViewer(const std::filesystem::path& /*file*/) override { return false; }
  void endProgram() override {}

  // The last message, its lines joined.
  std::string last;

 private:
  Toolkit& window_;
};

std::string oneLine(std::string text) {
  for (std::size_t at; (at = text.find('\n')) != std::string::npos;) text.replace(at, 1, ": ");
  return text;
}

// Takes entries to WGS84 and marks those outside the geoid grid or the
// datum's area.
class Placer {
 public:
  Placer(App& app, ConversionRun& run)
      : app_(app),
        run_(run),
        wgs84_(wgs84Stage(app.state, run.setup().source.DATUM.text, run.setup().sourceEllipsoid)),
        area_(datumAreaOfUse(run.setup().source.DATUM.text)) {}

  // The point, or nothing after counting the refusal or failure in `reading`.
  std::optional<MapPoint> place(PointEntry& entry, std::string_view id, MapReading& reading, QuietToolkit& quiet) {
    quiet.last.clear();
    try {
      const GeodeticPosition onDatum = run_.sourcePosition(entry);
      const GeodeticPosition p = wgs84_.shift(app_.state, onDatum);
      const LatLon at{p.latitude, p.longitude};
      const bool outside = !insideGeoidGrid(at.latitude, at.longitude) || (area_ && !area_->contains(at));
      return MapPoint{at.latitude, at.longitude, std::string(id), outside};
    } catch (const PointFailure& failure) {
      // A file record's refusal or failure, as a run that goes on lists it.
      unplaced(reading, messageText(failure.text, failure.detail));
    } catch (const CommandEnded&) {
      // A refusal, or the silent stop of a typed point left incomplete.
      unplaced(reading, quiet.last.empty() ? std::string("Punto incompleto") : quiet.last);
    } catch (const DataError& error) {
      unplaced(reading, messageText(kDataErrorText, error.detail));
    }
    return std::nullopt;
  }

  static void unplaced(MapReading& reading, std::string problem) {
    if (reading.unplaced++ == 0) reading.firstProblem = oneLine(std::move(problem));
  }

 private:
  App& app_;
  ConversionRun& run_;
  DatumStage wgs84_;
  std::optional<GeographicBox> area_;
};

ConversionDirection directionFrom(Side side) {
  return side == Side::Left ? ConversionDirection::LeftToRight : ConversionDirection::RightToLeft;
}

std::string describedSource(const SystemPanel& panel) {
  return panel.Coord.text + ", " + panel.DATUM.text;
}

void readRecords(PointFile& file, ConversionRun& run, Placer& placer, QuietToolkit& quiet, MapReading& reading) {
  const ConversionSetup& setup = run.setup();
  const std::string& path = setup.source.File.text;
  const std::string source = fileSource(path);  // as messages name it
  const auto plan = recordPlan(setup.source.Formato.text, setup.sourceFamily);
  if (!plan) {
    reading.failure = layoutProblem(setup.source);
    return;
  }
  std::string line;
  std::vector<Field> scratch;
  // As a file run reads it: past a line of titles, with the separator its
  // first record shows.
  const bool titles = setup.app.state.Titulos.checked();
  if (titles && !file.next(line)) {
    reading.failure = inputFileProblem(path);
    return;
  }
  std::optional<char> separator;
  for (std::size_t number = titles ? 2 : 1; number <= file.size(); ++number) {
    if (quiet.cancelRequested()) {
      reading.cancelled = true;
      return;
    }
    if (!file.next(line)) {
      reading.failure = inputFileProblem(path);
      return;
    }
    if (!separator && holdsRecord(line) && !isBlankLine(line)) separator = fieldSeparator(line, plan, setup.format);
    const SplitRecord record = readRecord(line, plan, scratch, separator.value_or(','));
    try {
      if (skippedByScreening(record.slots[0], setup.format)) continue;
    } catch (const DataError&) {
      // A title line, as the run reads it.
      Placer::unplaced(reading, messageText(kDataErrorText, fieldPlace(source, number, setup.sourceFamily, 0) + ": " +
                                                                quotedText(record.slots[0].text)));
      continue;
    }
    if (isBlankLine(line) || !holdsRecord(line)) {
      Placer::unplaced(reading, messageText(kEmptyRecordText, recordPlace(source, number) + ": línea en blanco"));
      continue;
    }
    if (!record.complete) {
      Placer::unplaced(reading, messageText(kDataErrorText, wrongFieldCount(source, number, scratch.size(),
                                                                            separator.value_or(','),
                                                                            setup.source.Formato.text,
                                                                            plan->fieldSlots.size())));
      continue;
    }
    PointEntry entry = record.slots;
    run.recordNumber = number;
    if (auto point = placer.place(entry, record.id, reading, quiet)) reading.points.push_back(std::move(*point));
  }
}

}  // namespace

Side mapSourceSide(const MainWindowState& state) {
  return state.File_L.text.empty() && !state.File_R.text.empty() ? Side::Right : Side::Left;
}

MapReading readFilePoints(App& app) {
  MapReading reading;
  QuietToolkit quiet(app.toolkit);
  App quietApp{app.state, quiet};
  const SystemPanel source = systemPanel(app.state, mapSourceSide(app.state));
  const std::string& path = source.File.text;
  if (!path.empty())
    reading.source = "Archivo " + utf8FromPath(pathFromUtf8(path).filename()) + " (" + describedSource(source) + ")";
  auto file = path.empty() ? std::nullopt : PointFile::open(pathFromUtf8(path));
  if (!file) {
    reading.failure = inputFileProblem(path);
    return reading;
  }
  if (file->overLimit()) {
    reading.failure = fileProblem(FileRole::Input, path, "tiene más de 999 999 registros");
    return reading;
  }
  if (file->size() == 0) {
    reading.failure = fileProblem(FileRole::Input, path, "no tiene registros");
    return reading;
  }
  try {
    ConversionRun run(quietApp, directionFrom(source.side));
    Placer placer(quietApp, run);
    readRecords(*file, run, placer, quiet, reading);
  } catch (const DataError& error) {
    // The ellipsoid boxes, read before any record.
    reading.failure = oneLine(messageText(kDataErrorText, error.detail));
  }
  return reading;
}

MapReading readPanelPoints(App& app) {
  MapReading reading;
  reading.source = "Último punto convertido: el punto de cada panel";
  QuietToolkit quiet(app.toolkit);
  App quietApp{app.state, quiet};
  for (const Side side : {Side::Left, Side::Right}) {
    const SystemPanel panel = systemPanel(app.state, side);
    if (panel.LAT_D.text.empty() || panel.LON_D.text.empty()) continue;
    try {
      ConversionRun run(quietApp, directionFrom(side));
      const ConversionSetup& setup = run.setup();
      const auto boxes = pointEntryBoxes(setup.source, setup.sourceFamily);
      PointEntry entry;
      for (int k = 0; k < slotCount(setup.sourceFamily); ++k)
        entry[static_cast<std::size_t>(k)] = Field{Field::Type::Text, boxes[static_cast<std::size_t>(k)]->text, 0.0};
      Placer placer(quietApp, run);
      std::string id(sideName(side));
      id[0] = 'P';
      if (auto point = placer.place(entry, id, reading, quiet)) reading.points.push_back(std::move(*point));
    } catch (const DataError& error) {
      Placer::unplaced(reading, messageText(kDataErrorText, error.detail));
    }
  }
  return reading;
}

}  // namespace brelosta
