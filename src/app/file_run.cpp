#include "app/file_run.hpp"

#include <filesystem>
#include <optional>
#include <string>

#include "app/convert_command.hpp"
#include "app/message_places.hpp"
#include "app/messages.hpp"
#include "app/point_conversion.hpp"
#include "app/reaction_errors.hpp"
#include "app/report_data.hpp"
#include "core/path_text.hpp"
#include "core/text_file.hpp"
#include "formats/data_file.hpp"
#include "formats/point_file.hpp"
#include "formats/report.hpp"
#include "formats/screening.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCannotWrite = "no se puede escribir";

// Why the output file cannot be written.
std::string outputProblem(const std::string& path) {
  if (path.empty()) return "No se indicó el archivo de salida";
  std::error_code error;
  const fs::path file = fs::absolute(pathFromUtf8(path), error);
  if (fs::is_directory(file, error)) return fileProblem(FileRole::Output, path, "es una carpeta");
  if (!fs::is_directory(file.parent_path(), error))
    return fileProblem(FileRole::Output, path, std::string(kCannotWrite) + ": la carpeta no existe");
  return fileProblem(FileRole::Output, path, kCannotWrite);
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
    // The whole percent by truncation (the value is never negative): a
    // conversion instruction, where std::floor is a library call here.
    const int whole = static_cast<int>(value);
    if (whole > shownWhole_) {
      shownWhole_ = whole;
      app_.toolkit.progressChanged(value);
    }
  }

 private:
  App& app_;
  std::size_t count_;
  int shownWhole_ = 0;
};

// A report table's rows, finished as the records are read, wait in a
// scratch file beside the target, already encoded and with their line ends,
// until the report's header is written. Finishing them at once costs less
// than reading the input file and splitting its lines once more, or than
// keeping the results as texts and laying them out later.
class TableRows {
 public:
  TableRows(const std::filesystem::path& near, ReportTable table, NumberFormat format)
      : table_(table), format_(format), file_(near), lines_([this](std::string_view bytes) { file_.write(bytes); }) {}

  void add(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& slots) {
    appendReportRow(lines_.text(), table_, number, id, slots, format_);
    lines_.endLine();
  }

  // Hands every row on to `sink`, in order.
  void copyTo(OutputSink& sink) {
    lines_.finish();
    if (!file_.readBack([&](std::string_view bytes) { sink.writeEncoded(bytes); })) throw DataError{};
  }

 private:
  ReportTable table_;
  NumberFormat format_;
  ScratchFile file_;
  OutputSink lines_;  // into file_
};

// Where a run's output goes while it runs. The output file is written beside
// the target and replaces it only once it is whole: a run that fails leaves
// an existing file as it was, and the input file itself may be the target.
// The data file gets each record's line at once. The report's header shows
// the panels as the run leaves them: the first converted point has written
// the defaults into empty boxes, and a UTM target's zone box shows the zone
// of the last point. So the header is written once the first point is
// converted, and the input rows then go straight into the file, except
// with a UTM target, whose header waits for the end; rows that wait, and
// the output rows, which follow every input row, wait in scratch files.
class RunOutput {
 public:
  RunOutput(App& app, ConversionRun& run)
      : app_(app),
        run_(run),
        format_(app.state.numberFormat),
        path_(pathFromUtf8(run.setup().target.File.text)),
        report_(app.state.conencabezado.checked()),
        headerWaitsForTheEnd_(run.setup().targetKind == CoordinateSystemKind::Utm),
        targetPlan_(recordPlan(run.setup().target.Formato.text, run.setup().targetFamily)) {
    // A target that cannot be written is found before the first record.
    std::error_code error;
    if (path_.empty() || fs::is_directory(path_, error)) throw DataError{outputProblem(pathText())};
    writer_.emplace(path_);
    if (!writer_->ok()) throw DataError{outputProblem(pathText())};
    lines_.emplace([this](std::string_view bytes) { writer_->write(bytes); });
    if (!report_) return;
    const ReportData data = reportData(app.state, run.setup().direction);
    sourceTable_ = reportTable(data.source);
    targetTable_ = reportTable(data.target);
    if (sourceTable_ != ReportTable::None) inputRows_.emplace(path_, sourceTable_, format_);
    if (targetTable_ != ReportTable::None) outputRows_.emplace(path_, targetTable_, format_);
  }

  // A record the screening passed over: its input slots stand as output.
  void skipped(std::string_view id, const std::array<Field, kMaxSlots>& slots) { write(id, slots, slots); }

  // `slots` are the record's input slots, `texts` its results.
  void converted(std::string_view id, const std::array<Field, kMaxSlots>& slots, const TargetTexts& texts) {
    if (report_ && !headWritten_ && !headerWaitsForTheEnd_) writeHead();
    for (int k = 0; k < slotCount(run_.setup().targetFamily); ++k)
      results_[static_cast<std::size_t>(k)] = Field{Field::Type::Text, texts.entries[static_cast<std::size_t>(k)], 0.0};
    write(id, slots, results_);
  }

  // Writes what waits and puts the file in place of the target. `input` is
  // the input file, read through.
  void finish(PointFile& input) {
    if (!writer_->ok()) throw DataError{outputProblem(pathText())};
    if (report_) {
      if (!headWritten_) writeHead();
      reportPart([&] {
        writeReportMiddle(reportData(app_.state, run_.setup().direction), *lines_);
        if (targetTable_ != ReportTable::None) outputRows_->copyTo(*lines_);
        writeReportEnd(*lines_);
      });
    }
    lines_->finish();
    input.close();
    if (!writer_->commit()) throw DataError{outputProblem(pathText())};
  }

 private:
  void write(std::string_view id, const std::array<Field, kMaxSlots>& slots,
             const std::array<Field, kMaxSlots>& results) {
    if (report_) {
      ++records_;
      // A kind without a table prints only its section's title, no rows.
      if (sourceTable_ != ReportTable::None) inputRow(id, slots);
      if (targetTable_ != ReportTable::None) outputRows_->add(records_, id, results);
    } else if (targetPlan_) {
      appendDataLine(lines_->text(), *targetPlan_, id, results, format_);
      lines_->endLine();
    }
  }

  // An input row goes into the file once the header is there; until then
  // it waits.
  void inputRow(std::string_view id, const std::array<Field, kMaxSlots>& slots) {
    if (!headWritten_) {
      inputRows_->add(records_, id, slots);
      return;
    }
    appendReportRow(lines_->text(), sourceTable_, records_, id, slots, format_);
    lines_->endLine();
  }

  // The report's header from the panels as they are now, and the input
  // rows that waited for it.
  void writeHead() {
    reportPart([&] {
      writeReportHead(reportData(app_.state, run_.setup().direction), format_, *lines_);
      if (sourceTable_ != ReportTable::None) inputRows_->copyTo(*lines_);
    });
    headWritten_ = true;
  }

  // Writes a part of the report; a scratch file that fails is the output
  // file that cannot be written.
  template <class Write>
  void reportPart(Write&& write) {
    try {
      write();
    } catch (const DataError& error) {
      if (!error.detail.empty()) throw;
      throw DataError{outputProblem(pathText())};
    }
  }

  // The target as the panel's box names it, for messages.
  const std::string& pathText() const { return run_.setup().target.File.text; }

  App& app_;
  ConversionRun& run_;
  NumberFormat format_;
  std::filesystem::path path_;
  bool report_;
  bool headerWaitsForTheEnd_;
  bool headWritten_ = false;
  std::optional<RecordPlan> targetPlan_;
  std::optional<AtomicFileWriter> writer_;
  std::optional<OutputSink> lines_;
  ReportTable sourceTable_ = ReportTable::None;
  ReportTable targetTable_ = ReportTable::None;
  std::optional<TableRows> inputRows_;
  std::optional<TableRows> outputRows_;
  std::size_t records_ = 0;
  std::array<Field, kMaxSlots> results_{};  // the converted record's texts, in the target's slots
};

// The records of the source panel's file, each through the same conversion
// as a typed point. The panels show the last record reached, in the source
// boxes as the user would have typed it, and the last results.
class FileRun {
 public:
  FileRun(App& app, ConversionRun& run) : app_(app), run_(run), setup_(run.setup()) {}

  RunOutcome execute() {
    // The progress window is repainted before the file is read.
    app_.toolkit.progressChanged(app_.state.Progreso.ProgressBar1.progress);
    const std::string& path = setup_.source.File.text;
    auto file = PointFile::open(pathFromUtf8(path));
    if (!file) throw DataError{inputFileProblem(path)};
    if (file->overLimit()) throw DataError{fileProblem(FileRole::Input, path, "tiene más de 999 999 registros")};
    // An empty file has no record to divide the progress by.
    if (file->size() == 0) throw DataError{fileProblem(FileRole::Input, path, "no tiene registros")};
    RunOutput output(app_, run_);
    bool cancelled = false;
    try {
      cancelled = !convertRecords(*file, output);
    } catch (...) {
      run_.show(shownEntry());
      throw;
    }
    run_.show(shownEntry());
    if (cancelled || app_.toolkit.cancelRequested()) return RunOutcome::Cancelled;
    output.finish(*file);
    return RunOutcome::Written;
  }

 private:
  // Converts every record; false when the user cancelled.
  bool convertRecords(PointFile& file, RunOutput& output) {
    const std::string& path = setup_.source.File.text;
    const std::string& layout = setup_.source.Formato.text;
    const auto sourcePlan = recordPlan(layout, setup_.sourceFamily);
    const NumberFormat format = setup_.format;
    Progress progress(app_, file.size());
    std::vector<Field> scratch;
    for (std::size_t number = 1; number <= file.size(); ++number) {
      if (app_.toolkit.cancelRequested()) return false;
      // The entry's texts stay in their line until another record is loaded.
      const std::size_t next = loaded_ == 0 ? 1 : 0;
      if (!file.next(lines_[next])) throw DataError{inputFileProblem(path)};
      const std::string_view line = lines_[next];
      const SplitRecord record = readRecord(line, sourcePlan, scratch);
      bool skipped = false;
      try {
        skipped = skippedByScreening(record.slots[0], format);
      } catch (const DataError&) {
        throw DataError{recordPlace(path, number) + ", campo " + fileFieldName(setup_.sourceFamily, 0) + ": " +
                        quotedText(record.slots[0].text)};
      }
      if (skipped) {
        output.skipped(record.id, record.slots);
        continue;
      }
      progress.at(number);
      loaded_ = next;
      entry_ = record.slots;
      run_.recordNumber = number;
      if (!sourcePlan) throw DataError{layoutProblem(setup_.source)};
      // A blank line in the middle of the file stops the run; it is not
      // read as a point at 0, 0.
      if (isBlankLine(line) || !holdsRecord(line))
        refuse(app_, kEmptyRecordText,
               recordPlace(path, number) + (isBlankLine(line) ? ": línea en blanco" : ": " + quotedText(line)));
      // A line with more or fewer fields than its layout is refused here,
      // never read on into the next record.
      if (!record.complete)
        throw DataError{wrongFieldCount(path, number, scratch.size(), layout, sourcePlan->fieldSlots.size())};
      run_.convert(entry_);
      output.converted(record.id, record.slots, run_.shown());
    }
    return true;
  }

  const PointEntry* shownEntry() const { return run_.recordNumber == 0 ? nullptr : &entry_; }

  App& app_;
  ConversionRun& run_;
  ConversionSetup& setup_;
  std::array<std::string, 2> lines_;
  std::size_t loaded_ = 1;
  PointEntry entry_{};
};

}  // namespace

void runFileConversion(App& app, ConversionDirection direction) {
  runConversionCommand(app, direction, [&] {
    ConversionRun run(app, direction);
    return FileRun(app, run).execute();
  });
}

}  // namespace brelosta
