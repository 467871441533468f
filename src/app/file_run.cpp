#include "app/file_run.hpp"

#include <filesystem>
#include <optional>
#include <string>

#include "app/convert_command.hpp"
#include "app/exchange_output.hpp"
#include "app/failed_records.hpp"
#include "app/message_places.hpp"
#include "app/messages.hpp"
#include "app/point_conversion.hpp"
#include "app/reaction_errors.hpp"
#include "app/record_batch.hpp"
#include "app/report_data.hpp"
#include "app/typed_numbers.hpp"
#include "core/path_text.hpp"
#include "core/text_file.hpp"
#include "core/work_behind.hpp"
#include "formats/data_file.hpp"
#include "formats/first_record.hpp"
#include "formats/point_file.hpp"
#include "formats/report.hpp"
#include "formats/screening.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

static_assert(kMaxLineBytes == 1 << 20);
constexpr std::string_view kLineTooLong = ": la línea tiene más de 1 048 576 caracteres";
// What the report's header names as the input of pasted rows.
constexpr std::string_view kPastedName = "(puntos pegados)";
// The second line of a failure of record 1 when that line is all words.
constexpr std::string_view kTitlesHint =
    "la primera línea parece una línea de títulos: marque «Primera línea: títulos»";

// Why the output file cannot be written.
std::string outputProblem(const std::string& path) {
  if (path.empty()) return "No se indicó el archivo de salida";
  std::error_code error;
  const fs::path file = fs::absolute(pathFromUtf8(path), error);
  if (fs::is_directory(file, error)) return fileProblem(FileRole::Output, path, "es una carpeta");
  if (!fs::is_directory(file.parent_path(), error))
    return fileProblem(FileRole::Output, path, std::string(kCannotWrite) + ": la carpeta no existe");
  return cannotWriteProblem(path);
}

// What a file run reads and writes, and how its messages and report name
// them.
struct RunFiles {
  std::string input;      // the path read
  std::string inputName;  // in the report's header
  std::string source;     // in messages, as fileSource names it
  std::string output;     // the path written
  bool titles = false;    // the first line holds column titles, not a record
};

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

  void addFailed(std::size_t number, std::string_view id) {
    appendFailedRow(lines_.text(), table_, number, id);
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
// The lines and rows are made on a thread of their own, a batch of records
// behind the conversion. An exchange format (a "Formato de salida" other
// than the first) goes to its own writer instead, on the run's thread.
class RunOutput {
 public:
  RunOutput(App& app, ConversionRun& run, const RunFiles& files)
      : app_(app),
        run_(run),
        files_(files),
        format_(app.state.numberFormat),
        path_(pathFromUtf8(files.output)),
        outputFormat_(outputFormat(app.state)),
        report_(outputFormat_ == OutputFormat::Text && app.state.conencabezado.checked()),
        headerWaitsForTheEnd_(run.setup().targetKind == CoordinateSystemKind::Utm),
        targetPlan_(recordPlan(run.setup().target.Formato.text, run.setup().targetFamily)) {
    // A target that cannot be written is found before the first record.
    std::error_code error;
    if (path_.empty() || fs::is_directory(path_, error)) throw DataError{outputProblem(pathText())};
    writer_.emplace(path_);
    if (!writer_->ok()) throw DataError{outputProblem(pathText())};
    // The exchange formats are UTF-8, but for DXF, whose header names its code page.
    const bool utf8 = outputFormat_ != OutputFormat::Text && outputFormat_ != OutputFormat::Dxf;
    lines_.emplace([this](std::string_view bytes) { writer_->write(bytes); },
                   utf8 ? OutputEncoding::Utf8 : OutputEncoding::Windows1252);
    if (outputFormat_ != OutputFormat::Text) {
      exchange_.emplace(app, run, outputFormat_, path_, *lines_,
                        [this](std::size_t offset, std::string_view bytes) { writer_->overwrite(offset, bytes); });
      return;
    }
    // What the lines are made of: a data line, the results in the target
    // layout's slots (the input slots of a skipped record); a report's
    // rows, the slots and results its tables show.
    if (report_) {
      const ReportData data = headerData();
      sourceTable_ = reportTable(data.source);
      targetTable_ = reportTable(data.target);
      if (sourceTable_ != ReportTable::None) inputRows_.emplace(path_, sourceTable_, format_);
      if (targetTable_ != ReportTable::None) outputRows_.emplace(path_, targetTable_, format_);
    }
    const int slotsKept = sourceTable_ != ReportTable::None ? slotCount(run.setup().sourceFamily) : 0;
    const int resultsKept = !report_ || targetTable_ != ReportTable::None ? slotCount(run.setup().targetFamily) : 0;
    behind_.emplace([this](RecordBatch& batch) { writeBatch(batch); }, RecordBatch(slotsKept, resultsKept));
  }

  // A record the screening passed over: its input slots stand as output.
  void skipped(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& slots) {
    if (exchange_)
      exchange_->skipped(number, id, slots);
    else
      queue(number, id, slots, &slots);
  }

  // `slots` are the record's input slots, `texts` its results.
  void converted(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& slots,
                 const TargetTexts& texts) {
    if (exchange_) {
      exchange_->converted(number, id, texts);
      return;
    }
    if (report_ && !headQueued_ && !headerWaitsForTheEnd_) {
      behind_->filling().addHead(headerData());
      headQueued_ = true;
    }
    for (int k = 0; k < slotCount(run_.setup().targetFamily); ++k)
      results_[static_cast<std::size_t>(k)] = Field{Field::Type::Text, texts.entries[static_cast<std::size_t>(k)], 0.0};
    queue(number, id, slots, &results_);
  }

  // A record that failed in a run that goes on: no line in the data file
  // nor in an exchange format; in the report its input row, and an output
  // row that says so.
  void failed(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& slots) {
    if (!exchange_) queue(number, id, slots, nullptr);
  }

  // Writes what waits and puts the file in place of the target. `input` is
  // the input file, read through.
  void finish(PointFile& input) {
    if (behind_) behind_->finish();
    if (!writer_->ok()) throw DataError{outputProblem(pathText())};
    if (exchange_) reportPart([&] { exchange_->end(); });
    if (report_) {
      if (!headWritten_) writeHead(headerData());
      reportPart([&] {
        writeReportMiddle(headerData(), *lines_);
        if (targetTable_ != ReportTable::None) outputRows_->copyTo(*lines_);
        writeReportEnd(*lines_);
      });
    }
    lines_->finish();
    input.close();
    if (!writer_->commit()) throw DataError{outputProblem(pathText())};
    if (exchange_) exchange_->placeProjectionFile();
  }

 private:
  // `results` is nothing for a record that failed.
  void queue(std::size_t number, std::string_view id, const RecordSlots& slots, const RecordSlots* results) {
    RecordBatch& batch = behind_->filling();
    batch.add(number, id, slots, results);
    if (batch.full()) behind_->handOn();
  }

  // On the thread behind the run.
  void writeBatch(const RecordBatch& batch) {
    batch.forEach([this](const ReportData& head) { writeHead(head); },
                  [this](std::size_t number, std::string_view id, const RecordSlots& slots,
                         const RecordSlots* results) { write(number, id, slots, results); });
  }

  // `results` is nothing for a record that failed.
  void write(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& slots,
             const std::array<Field, kMaxSlots>* results) {
    if (report_) {
      // A kind without a table prints only its section's title, no rows.
      if (sourceTable_ != ReportTable::None) inputRow(number, id, slots);
      if (targetTable_ == ReportTable::None) return;
      if (results != nullptr)
        outputRows_->add(number, id, *results);
      else
        outputRows_->addFailed(number, id);
    } else if (targetPlan_ && results != nullptr) {
      appendDataLine(lines_->text(), *targetPlan_, id, *results, format_);
      lines_->endLine();
    }
  }

  // An input row goes into the file once the header is there; until then
  // it waits.
  void inputRow(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& slots) {
    if (!headWritten_) {
      inputRows_->add(number, id, slots);
      return;
    }
    appendReportRow(lines_->text(), sourceTable_, number, id, slots, format_);
    lines_->endLine();
  }

  // The report's header from the window, naming the files the run reads
  // and writes.
  ReportData headerData() const {
    ReportData data = reportData(app_.state, run_.setup().direction);
    data.source.fileName = files_.inputName;
    data.target.fileName = fileNameOf(files_.output);
    return data;
  }

  // The report's header, from the panels as they were when it was due,
  // and the input rows that waited for it.
  void writeHead(const ReportData& head) {
    reportPart([&] {
      writeReportHead(head, format_, *lines_);
      if (sourceTable_ != ReportTable::None) inputRows_->copyTo(*lines_);
    });
    headWritten_ = true;
  }

  // Writes a part of the report, or the end of an exchange format; a scratch
  // file that fails is the output file that cannot be written.
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
  const std::string& pathText() const { return files_.output; }

  App& app_;
  ConversionRun& run_;
  const RunFiles& files_;
  NumberFormat format_;
  std::filesystem::path path_;
  OutputFormat outputFormat_;
  bool report_;
  bool headerWaitsForTheEnd_;
  bool headQueued_ = false;   // the header's place is taken, on the run's thread
  bool headWritten_ = false;  // by the thread that writes the lines
  std::optional<RecordPlan> targetPlan_;
  std::optional<AtomicFileWriter> writer_;
  std::optional<OutputSink> lines_;
  std::optional<ExchangeOutput> exchange_;
  ReportTable sourceTable_ = ReportTable::None;
  ReportTable targetTable_ = ReportTable::None;
  std::optional<TableRows> inputRows_;
  std::optional<TableRows> outputRows_;
  std::array<Field, kMaxSlots> results_{};  // the converted record's texts, in the target's slots
  // Last, so that its thread has stopped before what it writes goes.
  std::optional<WorkBehind<RecordBatch>> behind_;
};

// The records of the source panel's file, each through the same conversion
// as a typed point. The panels show the last record reached, in the source
// boxes as the user would have typed it, and the last results. The first
// record decides how the file separates its fields (fieldSeparator). With
// "Continuar tras errores" a record that fails is listed and left out, and
// the run goes on; failures of the whole run (the files, the parameters)
// still stop it.
class FileRun {
 public:
  FileRun(App& app, ConversionRun& run, RunFiles files)
      : app_(app),
        run_(run),
        setup_(run.setup()),
        files_(std::move(files)),
        goesOn_(app.state.Continuar.checked()) {
    run_.recordSource = files_.source;
    run_.goesOn = goesOn_;
  }

  RunResult execute() {
    // The progress window is repainted before the file is read.
    app_.toolkit.progressChanged(app_.state.Progreso.ProgressBar1.progress);
    const std::string& path = files_.input;
    auto file = PointFile::open(pathFromUtf8(path));
    if (!file) throw DataError{inputFileProblem(path)};
    if (file->overLimit()) throw DataError{fileProblem(FileRole::Input, path, "tiene más de 999 999 registros")};
    // An empty file has no record to divide the progress by.
    const std::size_t first = files_.titles ? 2 : 1;
    if (file->size() < first) throw DataError{fileProblem(FileRole::Input, path, "no tiene registros")};
    if (goesOn_) run_.readParameters();
    RunOutput output(app_, run_, files_);
    std::optional<FailedRecords> failures;
    if (goesOn_) failures.emplace(pathFromUtf8(files_.output));
    bool cancelled = false;
    try {
      cancelled = !convertRecords(*file, output, failures ? &*failures : nullptr);
    } catch (...) {
      run_.show(shownEntry());
      throw;
    }
    run_.show(shownEntry());
    if (cancelled || app_.toolkit.cancelRequested()) return {RunOutcome::Cancelled, {}};
    if (failures) failures->commit();
    output.finish(*file);
    if (!failures || failures->count() == 0) return {RunOutcome::Written, {}};
    return {RunOutcome::Written, std::string(kDoneWithErrors) + ": " + std::to_string(failures->count()) +
                                     " de " + std::to_string(file->size() - first + 1) +
                                     " registros no convertidos (lista en " +
                                     utf8FromPath(failures->path().filename()) + ")"};
  }

 private:
  // Converts every record; false when the user cancelled.
  bool convertRecords(PointFile& file, RunOutput& output, FailedRecords* failures) {
    const std::string& layout = setup_.source.Formato.text;
    const auto sourcePlan = recordPlan(layout, setup_.sourceFamily);
    const NumberFormat format = setup_.format;
    Progress progress(app_, file.size());
    std::vector<Field> scratch;
    std::optional<char> separator;
    // The titles' line is read past.
    if (files_.titles && !file.next(lines_[0])) throw DataError{inputFileProblem(files_.input)};
    for (std::size_t number = files_.titles ? 2 : 1; number <= file.size(); ++number) {
      if (app_.toolkit.cancelRequested()) return false;
      // The entry's texts stay in their line until another record is loaded.
      const std::size_t next = loaded_ == 0 ? 1 : 0;
      if (!file.next(lines_[next])) throw DataError{inputFileProblem(files_.input)};
      const std::string_view line = lines_[next];
      if (!separator && holdsRecord(line) && !isBlankLine(line))
        separator = fieldSeparator(line, sourcePlan, format);
      const char fields = separator.value_or(',');
      const SplitRecord record = readRecord(line, sourcePlan, scratch, fields);
      try {
        if (file.lineTooLong())
          throw PointFailure{MessageIcon::Critical, std::string(kDataErrorText),
                             recordPlace(files_.source, number) + std::string(kLineTooLong)};
        if (fields != ',') refuseDoubtfulNumbers(record, number);
        bool skipped = false;
        try {
          skipped = skippedByScreening(record.slots[0], format);
        } catch (const DataError&) {
          throw PointFailure{MessageIcon::Critical, std::string(kDataErrorText),
                             fieldPlace(files_.source, number, setup_.sourceFamily, 0) + ": " +
                                 quotedText(record.slots[0].text)};
        }
        if (skipped) {
          output.skipped(number, record.id, record.slots);
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
          throw PointFailure{MessageIcon::Warning, std::string(kEmptyRecordText),
                             recordPlace(files_.source, number) +
                                 (isBlankLine(line) ? ": línea en blanco" : ": " + quotedText(line))};
        // A line with more or fewer fields than its layout is refused here,
        // never read on into the next record.
        if (!record.complete)
          throw PointFailure{MessageIcon::Critical, std::string(kDataErrorText),
                             wrongFieldCount(files_.source, number, scratch.size(), fields, layout,
                                             sourcePlan->fieldSlots.size())};
        run_.convert(entry_);
      } catch (PointFailure& failure) {
        // A line of titles read as record 1 says what it is.
        if (number == 1 && looksLikeTitles(line, fields, format))
          failure.detail = recordPlace(files_.source, number) + ": " + std::string(kTitlesHint);
        if (failures == nullptr) stopAt(app_, failure);
        failures->add(failure);
        output.failed(number, record.id, record.slots);
        continue;
      }
      output.converted(number, record.id, record.slots, run_.shown());
    }
    return true;
  }

  // A coordinate of a ";" or tab file whose marks leave its value in doubt
  // is refused, never read the way the user did not mean.
  void refuseDoubtfulNumbers(const SplitRecord& record, std::size_t number) const {
    for (int k = 0; k < slotCount(setup_.sourceFamily); ++k) {
      const Field& field = record.slots[static_cast<std::size_t>(k)];
      if (field.type != Field::Type::Text) continue;
      const NumberDoubt doubt = separatedNumberDoubt(field.text);
      if (doubt == NumberDoubt::None) continue;
      throw PointFailure{MessageIcon::Critical, std::string(kDataErrorText),
                         fieldPlace(files_.source, number, setup_.sourceFamily, static_cast<std::size_t>(k)) +
                             ": " + doubtfulFieldText(field.text, doubt)};
    }
  }

  const PointEntry* shownEntry() const { return run_.recordNumber == 0 ? nullptr : &entry_; }

  App& app_;
  ConversionRun& run_;
  ConversionSetup& setup_;
  RunFiles files_;
  bool goesOn_;
  std::array<std::string, 2> lines_;
  std::size_t loaded_ = 1;
  PointEntry entry_{};
};

}  // namespace

void runFileConversion(App& app, ConversionDirection direction) {
  runConversionCommand(app, direction, true, [&] {
    ConversionRun run(app, direction);
    const ConversionSetup& setup = run.setup();
    RunFiles files{setup.source.File.text, fileNameOf(setup.source.File.text),
                   fileSource(setup.source.File.text), setup.target.File.text, app.state.Titulos.checked()};
    return FileRun(app, run, std::move(files)).execute();
  });
}

void runPastedConversion(App& app, ConversionDirection direction, std::string_view rows,
                         const std::string& outputPath) {
  runConversionCommand(app, direction, true, [&] {
    ConversionRun run(app, direction);
    run.setup().fileMode = true;
    // The rows wait in a file beside the output, read as any point file.
    ScratchFile pasted(pathFromUtf8(outputPath));
    pasted.write(rows);
    if (!pasted.flush()) throw DataError{outputProblem(outputPath)};
    const std::string_view firstRow = rows.substr(0, rows.find_first_of("\r\n"));
    const bool titles = looksLikeTitles(firstRow, firstRow.find('\t') != std::string_view::npos ? '\t' : ',',
                                        app.state.numberFormat);
    RunFiles files{utf8FromPath(pasted.path()), std::string(kPastedName), std::string(kPastedSource),
                   outputPath, titles};
    return FileRun(app, run, std::move(files)).execute();
  });
}

}  // namespace brelosta
