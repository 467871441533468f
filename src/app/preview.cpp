#include "app/preview.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/browse.hpp"
#include "app/commands.hpp"
#include "core/path_text.hpp"
#include "core/picture_format.hpp"
#include "core/platform/files.hpp"
#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "formats/first_record.hpp"
#include "formats/point_file.hpp"
#include "formats/record_layout.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kMetres = "Metros";
constexpr std::array<std::string_view, 3> kCoordinateTypes = {kMetres, kDmsText, kDecimalDegreesText};

// How the preview says which separator splits the file's fields.
constexpr std::string_view kSeparatorCaption = "Campos separados por: ";

// The preview shows the first lines of a file and as many parsed rows.
constexpr std::size_t kPreviewLines = 6;

RecordFamily familyOf(std::string_view coordinateType) {
  if (coordinateType == kMetres) return RecordFamily::Grid;
  return coordinateType == kDmsText ? RecordFamily::GeographicDms : RecordFamily::GeographicDecimal;
}

// The columns of parsed values: List2 to List11.
std::array<Control*, 10> valueColumns(PreviewWindowState& p) {
  return {&p.List2, &p.List3, &p.List4, &p.List5, &p.List6, &p.List7, &p.List8, &p.List9, &p.List10, &p.List11};
}

void emptyValueColumns(PreviewWindowState& p) {
  for (Control* column : valueColumns(p)) column->entries.clear();
}

// The first lines of a file (at most `count`, without their line ends),
// read without loading the rest of a large file, and at most as many bytes
// as a point file's longest line (a longer line is cut); nothing when the
// file cannot be read.
std::optional<std::vector<std::string>> firstLines(const std::filesystem::path& path, std::size_t count) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  std::FILE* file = platform::openFile(path, "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  std::vector<std::string_view> lines;
  char buffer[1 << 14];
  bool atEnd = false;
  // Reads until one line more than wanted has begun, so that the last
  // wanted line is known to be whole.
  for (;;) {
    lines = splitLines(bytes);
    if (lines.size() > count || atEnd) break;
    const std::size_t read = std::fread(buffer, 1, sizeof buffer, file);
    bytes.append(buffer, read);
    atEnd = read < sizeof buffer || bytes.size() >= kMaxLineBytes;
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  if (lines.size() > count) {
    // Decoded together, so that the character set is judged on whole lines.
    const std::string_view last = lines[count - 1];
    bytes.resize(static_cast<std::size_t>(last.data() + last.size() - bytes.data()));
  }
  const std::string text = decodeFileText(bytes);
  std::vector<std::string> texts;
  for (std::string_view line : splitLines(text)) texts.emplace_back(line);
  return texts;
}

// A field as the batch run sees it: a number in the user's number format,
// a text as written.
std::string fieldText(const Field& field, NumberFormat format) {
  if (field.isNumber()) return shortestText(field.number, format);
  return std::string(field.text);
}

// One parsed row, or nothing for a line that holds no record.
struct PreviewRow {
  bool read = false;
  std::string id;
  std::array<std::string, kMaxSlots> slots;
};

// Splits the lines as the batch run reads records: each record from its
// own line, with the chosen type and layout and the file's separator;
// nothing when the run would refuse one of them (a line with the wrong
// number of fields).
std::optional<std::vector<PreviewRow>> parseRows(const std::vector<std::string>& lines, std::size_t rowCount,
                                                 const RecordPlan& plan, char separator,
                                                 NumberFormat format) {
  std::vector<PreviewRow> rows(rowCount);
  std::vector<Field> scratch;
  for (std::size_t i = 0; i < rowCount && i < lines.size(); ++i) {
    if (!holdsRecord(lines[i])) continue;
    const SplitRecord record = splitRecord(lines[i], plan, scratch, separator);
    if (!record.complete) return std::nullopt;
    rows[i].read = true;
    rows[i].id = std::string(record.id);
    for (int k = 0; k < plan.slotCount; ++k)
      rows[i].slots[static_cast<std::size_t>(k)] = fieldText(record.slots[static_cast<std::size_t>(k)], format);
  }
  return rows;
}

// Angles in degrees, minutes and seconds take six columns; a grid point or
// decimal angles take the two last ones; the height has its own column.
void showRow(PreviewWindowState& p, const PreviewRow& row, RecordFamily family) {
  p.List2.entries.push_back(row.id);
  if (family == RecordFamily::GeographicDms) {
    Control* columns[] = {&p.List3, &p.List4, &p.List5, &p.List6, &p.List7, &p.List8, &p.List9};
    for (std::size_t k = 0; k < std::size(columns); ++k) columns[k]->entries.push_back(row.slots[k]);
    return;
  }
  p.List10.entries.push_back(row.slots[0]);
  p.List11.entries.push_back(row.slots[1]);
  p.List9.entries.push_back(row.slots[2]);
}

}  // namespace

void openPreview(App& app) {
  PreviewWindowState& p = app.state.Preview;
  p.Preview.visible = true;
  if (p.Coord.entries.empty()) {
    fillList(p.Coord, kCoordinateTypes);
    selectIndex(app, p.Coord, 0);
  }
}

void previewCoordSelected(App& app) {
  PreviewWindowState& p = app.state.Preview;
  emptyValueColumns(p);
  const RecordFamily family = familyOf(p.Coord.text);
  if (family == RecordFamily::Grid)
    fillList(p.Formato, kGridLayoutNames);
  else
    fillList(p.Formato, kGeographicLayoutNames);
  selectIndex(app, p.Formato, 0);

  const bool decimalColumns = family != RecordFamily::GeographicDms;
  p.List10.visible = decimalColumns;
  p.List11.visible = decimalColumns;
  p.Text15.visible = family == RecordFamily::Grid;
  p.Text16.visible = family == RecordFamily::Grid;
  p.Text17.visible = family == RecordFamily::GeographicDecimal;
  p.Text18.visible = family == RecordFamily::GeographicDecimal;
}

void previewFormatSelected(App& app) {
  emptyValueColumns(app.state.Preview);
  app.state.Preview.Separador.text.clear();
}

void previewBrowse(App& app) {
  PreviewWindowState& p = app.state.Preview;
  FileDialogRequest request;
  request.title = "Archivo de Entrada";
  request.filter = kPointFileFilter;
  request.initialFile = p.File_Preview.text;
  const auto file = app.toolkit.chooseFile(request);
  if (!file || file->empty()) return;
  p.Dialogo.text = *file;
  p.File_Preview.text = *file;
}

// Any failure ends the reading silently, keeping what was shown so far.
void previewExamine(App& app) {
  PreviewWindowState& p = app.state.Preview;
  p.List1.entries.clear();
  emptyValueColumns(p);
  p.Separador.text.clear();
  if (p.File_Preview.text.empty()) return;

  const auto lines = firstLines(pathFromUtf8(p.File_Preview.text), kPreviewLines);
  if (!lines) return;
  p.List1.entries.assign(lines->begin(), lines->end());

  // Fewer lines than the preview holds are followed by one empty row, which
  // marks where the file ends.
  const std::size_t rowCount = lines->size() < kPreviewLines ? lines->size() + 1 : kPreviewLines;
  const RecordFamily family = familyOf(p.Coord.text);
  const auto plan = recordPlan(p.Formato.text, family);
  if (!plan) return;
  // The separator the run would take, from the first line that holds a
  // record.
  const auto first = std::find_if(lines->begin(), lines->end(), [](const std::string& line) {
    return holdsRecord(line) && !isBlankLine(line);
  });
  const char separator = first == lines->end() ? ',' : fieldSeparator(*first, plan, app.state.numberFormat);
  if (first != lines->end())
    p.Separador.text = std::string(kSeparatorCaption) + std::string(separatorName(separator));
  const auto rows = parseRows(*lines, rowCount, *plan, separator, app.state.numberFormat);
  if (!rows) return;
  for (const PreviewRow& row : *rows) showRow(p, row, family);
}

void closePreview(App& app) { app.state.Preview.Preview.visible = false; }

}  // namespace brelosta
