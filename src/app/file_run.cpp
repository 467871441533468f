#include "app/file_run.hpp"

#include <cmath>

#include "app/convert_command.hpp"
#include "app/reaction_errors.hpp"
#include "app/report_data.hpp"
#include "app/system_panel.hpp"
#include "core/path_text.hpp"
#include "core/text_file.hpp"
#include "formats/batch_results.hpp"
#include "formats/converted_records.hpp"
#include "formats/data_file.hpp"
#include "formats/field_text.hpp"
#include "formats/input_cells.hpp"
#include "formats/point_batch.hpp"
#include "formats/report.hpp"
#include "formats/screening.hpp"

namespace brelosta {
namespace {

// A kind the lists do not hold reads its file as a grid; the conversion
// refuses it at the first record.
RecordFamily familyOf(const SystemPanel& panel) {
  return recordFamily(panel.kind().value_or(CoordinateSystemKind::Utm), panel.angleFormat());
}

// The entry boxes of a panel in slot order (see SplitRecord).
std::array<Control*, kMaxSlots> slotBoxes(const SystemPanel& panel, RecordFamily family) {
  if (family == RecordFamily::GeographicDms)
    return {&panel.LAT_D, &panel.LAT_M, &panel.LAT_S, &panel.LON_D, &panel.LON_M, &panel.LON_S, &panel.ALT_M};
  return {&panel.LAT_D, &panel.LON_D, &panel.ALT_M, nullptr, nullptr, nullptr, nullptr};
}

// The progress bar of the run: 100 x record / count, in single precision.
// The toolkit hears of it when the bar has moved by a whole percent, not for
// every record of a large file.
class Progress {
 public:
  Progress(App& app, std::size_t count) : app_(app), count_(count) {}

  void at(std::size_t record) {
    const auto value = static_cast<float>(100.0 * static_cast<double>(record) / static_cast<double>(count_));
    app_.state.Progreso.ProgressBar1.progress = value;
    const float whole = std::floor(value);
    if (whole > shownWhole_) {
      shownWhole_ = whole;
      app_.toolkit.progressChanged(value);
    }
  }

 private:
  App& app_;
  std::size_t count_;
  float shownWhole_ = 0.0F;
};

class FileRun {
 public:
  FileRun(App& app, ConversionRun& run)
      : app_(app),
        run_(run),
        format_(app.state.numberFormat),
        source_(systemPanel(app.state, sourceSide(run.direction))),
        target_(systemPanel(app.state, otherSide(source_.side))),
        sourceFamily_(familyOf(source_)),
        targetFamily_(familyOf(target_)),
        sourceBoxes_(slotBoxes(source_, sourceFamily_)),
        targetBoxes_(slotBoxes(target_, targetFamily_)),
        results_(slotCount(targetFamily_)) {}

  void execute() {
    // The progress window is repainted before the file is read.
    app_.toolkit.progressChanged(app_.state.Progreso.ProgressBar1.progress);
    const auto batch = PointBatch::readFile(pathFromUtf8(source_.File.text));
    if (!batch || batch->overLimit()) throw DataError{};
    // An empty file has no record to divide the progress by.
    if (batch->size() == 0) throw DataError{};
    const auto sourcePlan = recordPlan(source_.Formato.text, sourceFamily_);
    InputCells cells(slotCount(sourceFamily_), batch->size());
    Progress progress(app_, batch->size());
    std::vector<Field> scratch;
    for (std::size_t number = 1; number <= batch->size(); ++number) {
      if (app_.toolkit.cancelRequested()) throw CommandEnded{};
      const PointRecord record = batch->record(number, sourcePlan, scratch);
      cells.add(batch->line(number), record);
      if (skippedByScreening(record.slots[0], format_)) {
        results_.addSkipped(record.id);
        continue;
      }
      progress.at(number);
      load(record);
      // A line with more or fewer fields than its layout is refused here,
      // never read on into the next record.
      if (!record.complete) throw DataError{};
      convertPoint(app_, run_);
      store(record.id);
    }
    if (app_.toolkit.cancelRequested()) throw CommandEnded{};
    writeOutput(ConvertedRecords(*batch, sourcePlan, cells, results_));
  }

 private:
  void load(const PointRecord& record) {
    for (int k = 0; k < slotCount(sourceFamily_); ++k) {
      std::string& text = sourceBoxes_[static_cast<std::size_t>(k)]->text;
      text.clear();
      appendFieldText(text, record.slots[static_cast<std::size_t>(k)], format_);
    }
  }

  void store(std::string_view id) {
    std::array<const std::string*, kMaxSlots> texts{};
    for (int k = 0; k < slotCount(targetFamily_); ++k)
      texts[static_cast<std::size_t>(k)] = &targetBoxes_[static_cast<std::size_t>(k)]->text;
    results_.addConverted(id, texts);
  }

  // The output goes to a new file beside the target, which replaces the
  // target only once it is whole: a run that fails leaves an existing file
  // as it was, and the input file itself may be the target.
  void writeOutput(const ConvertedRecords& records) {
    const std::string& path = target_.File.text;
    if (path.empty()) throw DataError{};
    AtomicFileWriter writer(pathFromUtf8(path));
    if (!writer.ok()) throw DataError{};
    OutputSink sink([&](std::string_view bytes) { writer.write(bytes); });
    if (app_.state.conencabezado.checked())
      writeReport(reportData(app_.state, run_.direction), records, format_, sink);
    else
      writeDataFile(records, recordPlan(target_.Formato.text, targetFamily_), format_, sink);
    sink.finish();
    if (!writer.commit()) throw DataError{};
  }

  App& app_;
  ConversionRun& run_;
  NumberFormat format_;
  SystemPanel source_;
  SystemPanel target_;
  RecordFamily sourceFamily_;
  RecordFamily targetFamily_;
  std::array<Control*, kMaxSlots> sourceBoxes_;
  std::array<Control*, kMaxSlots> targetBoxes_;
  BatchResults results_;
};

}  // namespace

void runFileConversion(App& app, ConversionDirection direction) {
  runConversionCommand(app, direction, [&] {
    ConversionRun run = startConversionRun(app, direction);
    FileRun(app, run).execute();
  });
}

}  // namespace brelosta
