#include "app/file_run.hpp"

#include <cmath>
#include <optional>

#include "app/convert_command.hpp"
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

// Where a run's output goes while it runs. The output file is written beside
// the target and replaces it only once it is whole: a run that fails leaves
// an existing file as it was, and the input file itself may be the target.
// The data file gets each record's line at once. The report's header shows
// the panels as the run leaves them (the UTM zone a first point chose, the
// defaults written into empty boxes), so its tables are written after the
// run, each from a scratch file beside the target: the input table's rows,
// finished as the records are read (reading and splitting the input file
// once more would cost more than the conversion), and each record's results
// in few bytes for the output table.
class RunOutput {
 public:
  RunOutput(App& app, ConversionRun& run)
      : app_(app),
        run_(run),
        format_(app.state.numberFormat),
        path_(pathFromUtf8(run.setup().target.File.text)),
        report_(app.state.conencabezado.checked()),
        targetPlan_(recordPlan(run.setup().target.Formato.text, run.setup().targetFamily)) {
    if (path_.empty()) return;
    writer_.emplace(path_);
    lines_.emplace([this](std::string_view bytes) { writer_->write(bytes); });
    if (!report_) return;
    const ReportData data = reportData(app.state, run.setup().direction);
    inputTable_ = reportTable(data.source);
    outputTable_ = reportTable(data.target);
    scratch_.emplace(path_);
    inputScratch_.emplace(path_);
    inputLines_.emplace([this](std::string_view bytes) { inputScratch_->write(bytes); });
  }

  // A record the screening passed over: its input slots stand as output.
  void skipped(std::string_view id, const std::array<Field, kMaxSlots>& slots) {
    if (!lines_) return;
    if (!report_) {
      dataLine(id, slots);
      return;
    }
    inputRow(id, slots);
    scratchText_ += kWholeRow;
    appendReportRow(scratchText_, outputTable_, records_, id, slots, format_);
    endScratchLine();
  }

  // `slots` are the record's input slots, `texts` its results.
  void converted(std::string_view id, const std::array<Field, kMaxSlots>& slots, const TargetTexts& texts) {
    if (!lines_) return;
    const int count = slotCount(run_.setup().targetFamily);
    if (!report_) {
      std::array<Field, kMaxSlots> slots{};
      for (int k = 0; k < count; ++k)
        slots[static_cast<std::size_t>(k)] = Field{Field::Type::Text, texts.entries[static_cast<std::size_t>(k)], 0.0};
      dataLine(id, slots);
      return;
    }
    inputRow(id, slots);
    for (int k = 0; k < count; ++k) {
      scratchText_ += texts.entries[static_cast<std::size_t>(k)];
      scratchText_ += kTextEnd;
    }
    scratchText_ += id;
    endScratchLine();
  }

  // Writes what waits and puts the file in place of the target. `input` is
  // the input file, read through.
  void finish(PointFile& input) {
    if (!writer_ || !writer_->ok()) throw DataError{};
    if (report_) {
      scratch_->write(scratchText_);
      scratchText_.clear();
      inputLines_->finish();
      writeReport(reportData(app_.state, run_.setup().direction), format_, *lines_,
                  [&](OutputSink& sink) { inputRows(sink); }, [&](OutputSink& sink) { outputRows(sink); });
    }
    lines_->finish();
    input.close();
    if (!writer_->commit()) throw DataError{};
  }

 private:
  // A scratch line holds a converted record's target texts, each ended by
  // kTextEnd, then its Id (which may hold any byte but a line end); or
  // kWholeRow and the finished row of a record the screening passed over.
  static constexpr char kTextEnd = '\x1F';
  static constexpr char kWholeRow = '\x1E';
  static constexpr std::size_t kScratchChunk = std::size_t{1} << 20;

  void dataLine(std::string_view id, const std::array<Field, kMaxSlots>& slots) {
    if (!targetPlan_) return;
    appendDataLine(lines_->text(), *targetPlan_, id, slots, format_);
    lines_->endLine();
  }

  void endScratchLine() {
    scratchText_ += '\n';
    if (scratchText_.size() < kScratchChunk) return;
    scratch_->write(scratchText_);
    scratchText_.clear();
  }

  // The next record's row of the input table, into its scratch file already
  // encoded and with its line end, as the report will hold it.
  void inputRow(std::string_view id, const std::array<Field, kMaxSlots>& slots) {
    appendReportRow(inputLines_->text(), inputTable_, ++records_, id, slots, format_);
    inputLines_->endLine();
  }

  void inputRows(OutputSink& sink) {
    if (!inputScratch_->readBack([&](std::string_view bytes) { sink.writeEncoded(bytes); })) throw DataError{};
  }

  void outputRows(OutputSink& sink) {
    std::size_t number = 0;
    std::string carried;  // a line that runs across two pieces
    const auto row = [&](std::string_view line) {
      ++number;
      if (line.starts_with(kWholeRow)) {
        sink.text() += line.substr(1);
      } else {
        std::array<Field, kMaxSlots> slots{};
        for (int k = 0; k < slotCount(run_.setup().targetFamily); ++k) {
          const std::size_t end = line.find(kTextEnd);
          slots[static_cast<std::size_t>(k)] = Field{Field::Type::Text, line.substr(0, end), 0.0};
          line.remove_prefix(end + 1);
        }
        appendReportRow(sink.text(), outputTable_, number, line, slots, format_);
      }
      sink.endLine();
    };
    const bool read = scratch_->readBack([&](std::string_view bytes) {
      for (std::size_t end; (end = bytes.find('\n')) != std::string_view::npos; bytes.remove_prefix(end + 1)) {
        if (carried.empty()) {
          row(bytes.substr(0, end));
        } else {
          carried.append(bytes.substr(0, end));
          row(carried);
          carried.clear();
        }
      }
      carried.append(bytes);
    });
    if (!read || number != records_) throw DataError{};
  }

  App& app_;
  ConversionRun& run_;
  NumberFormat format_;
  std::filesystem::path path_;
  bool report_;
  std::optional<RecordPlan> targetPlan_;
  std::optional<AtomicFileWriter> writer_;
  std::optional<OutputSink> lines_;
  ReportTable inputTable_ = ReportTable::None;
  ReportTable outputTable_ = ReportTable::None;
  std::optional<ScratchFile> scratch_;
  std::string scratchText_;
  std::optional<ScratchFile> inputScratch_;  // the input table's rows
  std::optional<OutputSink> inputLines_;     // into inputScratch_
  std::size_t records_ = 0;                  // written into the scratch files
};

// The records of the source panel's file, each through the same conversion
// as a typed point. The panels show the last record reached, in the source
// boxes as the user would have typed it, and the last results.
class FileRun {
 public:
  FileRun(App& app, ConversionRun& run) : app_(app), run_(run), setup_(run.setup()) {}

  void execute() {
    // The progress window is repainted before the file is read.
    app_.toolkit.progressChanged(app_.state.Progreso.ProgressBar1.progress);
    auto file = PointFile::open(pathFromUtf8(setup_.source.File.text));
    if (!file || file->overLimit()) throw DataError{};
    // An empty file has no record to divide the progress by.
    if (file->size() == 0) throw DataError{};
    RunOutput output(app_, run_);
    try {
      convertRecords(*file, output);
    } catch (...) {
      run_.show(shownEntry());
      throw;
    }
    run_.show(shownEntry());
    if (app_.toolkit.cancelRequested()) throw CommandEnded{};
    output.finish(*file);
  }

 private:
  void convertRecords(PointFile& file, RunOutput& output) {
    const auto sourcePlan = recordPlan(setup_.source.Formato.text, setup_.sourceFamily);
    const NumberFormat format = setup_.format;
    Progress progress(app_, file.size());
    std::vector<Field> scratch;
    for (std::size_t number = 1; number <= file.size(); ++number) {
      if (app_.toolkit.cancelRequested()) throw CommandEnded{};
      // The entry's texts stay in their line until another record is loaded.
      const std::size_t next = loaded_ == 0 ? 1 : 0;
      if (!file.next(lines_[next])) throw DataError{};
      const SplitRecord record = readRecord(lines_[next], sourcePlan, scratch);
      if (skippedByScreening(record.slots[0], format)) {
        output.skipped(record.id, record.slots);
        continue;
      }
      progress.at(number);
      loaded_ = next;
      entry_ = record.slots;
      run_.recordNumber = number;
      // A line with more or fewer fields than its layout is refused here,
      // never read on into the next record.
      if (!record.complete) throw DataError{};
      run_.convert(entry_);
      output.converted(record.id, record.slots, run_.shown());
    }
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
    FileRun(app, run).execute();
  });
}

}  // namespace brelosta
