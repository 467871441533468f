#include "app/configuration.hpp"

#include <charconv>
#include <string>
#include <vector>

#include "app/commands.hpp"
#include "app/messages.hpp"
#include "app/method_selection.hpp"
#include "core/field_stream.hpp"
#include "core/path_text.hpp"
#include "core/text_file.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kDialogTitle = "Archivo de configuracion";
constexpr std::string_view kConfigurationFiles = "Configuraciones (*.cfg)|*.cfg|Todos los archivos (*.*)|*.*";
constexpr std::string_view kExtension = ".cfg";
constexpr std::string_view kNotSaved = "No se pudo guardar la configuración";
// Values 1 to 27 are the panels' settings; those after them, the settings
// added since, are read when the file has them.
constexpr std::size_t kValueCount = 27;
constexpr std::size_t kLongestValueCount = 30;

// A text value as the control shows it. A value the restore would split or
// trim (a comma, blanks at either end, a leading quote) is written in double
// quotes, which the restore honours; without quotes a datum name with a comma
// would shift every later value onto the wrong control.
std::string textValue(const std::string& text) {
  const bool needsQuotes = text.find(',') != std::string::npos || text.starts_with(' ') ||
                           text.ends_with(' ') || text.starts_with('"');
  return needsQuotes ? "\"" + text + "\"" : text;
}

// An integer as the runtime's line-printing statement writes it: a blank for
// the sign of a positive number or zero, and one blank after every number.
std::string integerValue(int value) {
  return (value < 0 ? std::to_string(value) : " " + std::to_string(value)) + " ";
}

std::string line(std::initializer_list<std::string> values) {
  std::string out;
  bool first = true;
  for (const std::string& value : values) {
    if (!first) out += ',';
    out += value;
    first = false;
  }
  return out;
}

// Lines 1 to 13: both panels' settings.
std::vector<std::string> panelLines(const MainWindowState& s) {
  const auto texts = [](const Control& left, const Control& right) {
    return line({textValue(left.text), textValue(right.text)});
  };
  return {
      texts(s.Coord_L, s.Coord_R),
      texts(s.Units_L, s.Units_R),
      texts(s.Zone_L, s.Zone_R),
      texts(s.Lat_origen_L, s.Lat_origen_R),
      texts(s.Para_2_L, s.Para_2_R),
      texts(s.Lon_origen_L, s.Lon_origen_R),
      texts(s.Feste_L, s.Feste_R),
      texts(s.Fnorte_L, s.Fnorte_R),
      texts(s.Hemisferio_L, s.Hemisferio_R),
      line({integerValue(s.Fijar_L.value), integerValue(s.Fijar_R.value)}),
      texts(s.DATUM_L, s.DATUM_R),
      line({integerValue(s.Check1.value), integerValue(s.Check2.value), integerValue(s.Check3.value)}),
      line({integerValue(s.Formato_L.index), integerValue(s.Formato_R.index)}),
  };
}

// Line 14: the "Formato de salida" text (value 28).
std::string outputFormatLine(const MainWindowState& s) { return textValue(s.Formato_Salida.text); }

// Line 15: the file rows' options (values 29 and 30).
std::string fileOptionsLine(const MainWindowState& s) {
  return line({integerValue(s.Titulos.value), integerValue(s.Continuar.value)});
}

// The lines after the 13 of the panels, written only when a setting they
// hold differs from its start-up value, so that a configuration of the
// settings every version has is saved byte for byte as before.
bool addedSettingsChanged(const MainWindowState& s) {
  return s.Formato_Salida.index > 0 || s.Titulos.checked() || s.Continuar.checked();
}

std::vector<std::string> configurationLines(const MainWindowState& s) {
  std::vector<std::string> lines = panelLines(s);
  if (addedSettingsChanged(s)) {
    lines.push_back(outputFormatLine(s));
    lines.push_back(fileOptionsLine(s));
  }
  return lines;
}

// The first 27 comma-separated values of the text, across line ends, and
// the added ones after them as far as there are any (up to 30); nothing
// when it holds fewer than 27.
std::optional<std::vector<std::string>> readValues(std::string_view text) {
  std::vector<std::string> values;
  std::vector<Field> fields;
  LineReader lines(text);
  std::string_view current;
  while (values.size() < kLongestValueCount && lines.next(current)) {
    splitFields(current, fields);
    for (const Field& field : fields)
      if (values.size() < kLongestValueCount) values.emplace_back(field.text);
  }
  if (values.size() < kValueCount) return std::nullopt;
  return values;
}

std::optional<int> integerOf(std::string_view text) {
  int value = 0;
  if (text.starts_with('+')) text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

bool setCheck(Control& box, std::string_view text) {
  const auto value = integerOf(text);
  if (!value || (*value != 0 && *value != 1)) return false;
  box.value = *value;
  return true;
}

// A method box set by the restore runs its reaction when its value changes.
bool setMethodBox(App& app, Control& box, DatumShiftMethod method, std::string_view text) {
  const int before = box.value;
  if (!setCheck(box, text)) return false;
  if (box.value != before) methodBoxClicked(app, method);
  return true;
}

// A list set by the restore runs its reaction, which may refuse the entry
// and select another one (a kind whose datum is missing, an angle format the
// point row cannot be converted to); the restore then stops there.
bool selectSaved(App& app, Control& list, std::string_view text) {
  return selectText(app, list, text) && list.text == text;
}

bool setLayoutIndex(App& app, Control& list, std::string_view text) {
  const auto index = integerOf(text);
  return index && selectIndex(app, list, *index);
}

// Value 28, the output format; a file without it restores the default.
bool applyOutputFormat(App& app, const std::vector<std::string>& v) {
  Control& list = app.state.Formato_Salida;
  if (v.size() <= kValueCount) return list.entries.empty() || selectIndex(app, list, 0);
  return selectSaved(app, list, v[kValueCount]);
}

// Values 28 to 30, each set to its start-up value when the file ends
// before it; a value that does not fit ends the restore there.
bool applyAddedValues(App& app, const std::vector<std::string>& v) {
  MainWindowState& s = app.state;
  const auto value = [&](std::size_t k, std::string_view startUp) {
    return k < v.size() ? v[k] : std::string(startUp);
  };
  return applyOutputFormat(app, v) && setCheck(s.Titulos, value(28, "0")) && setCheck(s.Continuar, value(29, "0"));
}

// Sets the controls in the order that lets each list's reaction run before
// the boxes it empties are filled; stops at the first value that does not
// fit, keeping what was already set.
bool applyValues(App& app, const std::vector<std::string>& v) {
  MainWindowState& s = app.state;
  if (!selectSaved(app, s.Units_L, v[2]) || !selectSaved(app, s.Units_R, v[3])) return false;
  if (!selectSaved(app, s.Coord_L, v[0]) || !selectSaved(app, s.Coord_R, v[1])) return false;
  Control* boxes[] = {&s.Zone_L,       &s.Zone_R,       &s.Lat_origen_L, &s.Lat_origen_R,
                      &s.Para_2_L,     &s.Para_2_R,     &s.Lon_origen_L, &s.Lon_origen_R,
                      &s.Feste_L,      &s.Feste_R,      &s.Fnorte_L,     &s.Fnorte_R,
                      &s.Hemisferio_L, &s.Hemisferio_R};
  for (std::size_t k = 0; k < std::size(boxes); ++k) boxes[k]->text = v[4 + k];
  if (!setCheck(s.Fijar_L, v[18]) || !setCheck(s.Fijar_R, v[19])) return false;
  if (!selectSaved(app, s.DATUM_L, v[20]) || !selectSaved(app, s.DATUM_R, v[21])) return false;
  if (!setMethodBox(app, s.Check1, DatumShiftMethod::Molodensky, v[22]) ||
      !setMethodBox(app, s.Check2, DatumShiftMethod::BursaWolf, v[23]) ||
      !setMethodBox(app, s.Check3, DatumShiftMethod::BadekasMolodensky, v[24]))
    return false;
  if (!setLayoutIndex(app, s.Formato_L, v[25]) || !setLayoutIndex(app, s.Formato_R, v[26])) return false;
  return applyAddedValues(app, v);
}

// A configuration saved under a name without extension gets ".cfg", so that
// the dialog's own filter finds it again.
std::optional<std::string> askFile(App& app, FileDialogMode mode) {
  FileDialogRequest request;
  request.mode = mode;
  request.title = kDialogTitle;
  request.filter = kConfigurationFiles;
  request.initialFile = app.state.Settings.text;
  if (mode == FileDialogMode::Save) request.defaultExtension = kExtension.substr(1);
  auto file = app.toolkit.chooseFile(request);
  if (!file || file->empty()) return std::nullopt;
  if (mode == FileDialogMode::Save && std::filesystem::path(*file).extension().empty()) *file += kExtension;
  app.state.Settings.text = *file;
  return file;
}

}  // namespace

void saveConfiguration(App& app) {
  const auto file = askFile(app, FileDialogMode::Save);
  if (!file) return;
  if (!writeTextFile(pathFromUtf8(*file), configurationLines(app.state)))
    showCritical(app, std::string(kNotSaved) + "\nNo se puede escribir el archivo " + *file);
}

void restoreConfiguration(App& app) {
  const auto file = askFile(app, FileDialogMode::Open);
  if (file) restoreConfigurationFile(app, pathFromUtf8(*file));
}

bool restoreConfigurationFile(App& app, const std::filesystem::path& path) {
  const auto text = readTextFile(path);
  return text && restoreConfigurationText(app, *text);
}

bool restoreConfigurationText(App& app, std::string_view text) {
  const auto values = readValues(text);
  return values && applyValues(app, *values);
}

}  // namespace brelosta
