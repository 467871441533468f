#include "cli/script_driver.hpp"

#include <charconv>
#include <istream>
#include <ostream>
#include <string>

#include "app/commands.hpp"
#include "app/keyboard.hpp"
#include "app/paste.hpp"
#include "app/recording_toolkit.hpp"
#include "app/startup.hpp"
#include "cli/message_lines.hpp"
#include "core/path_text.hpp"
#include "core/text_file.hpp"
#include "formats/map_outline.hpp"

namespace brelosta {
namespace {

std::string_view iconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return "warning";
    case MessageIcon::Critical:
      return "critical";
    case MessageIcon::Question:
      return "question";
    case MessageIcon::Information:
      return "information";
  }
  return {};
}

// Single precision as a person reads it: seven significant digits.
std::string progressText(float value) {
  char buffer[32];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  (void)error;
  return std::string(buffer, end);
}

bool hasValue(ControlKind kind) { return kind == ControlKind::Check || kind == ControlKind::MenuEntry; }

std::string printedValue(const Control& control) {
  if (hasValue(control.kind)) return std::to_string(control.value);
  if (control.kind == ControlKind::ProgressBar) return progressText(control.progress);
  return control.text;
}

// Splits "verb rest" at the first blank.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
  const auto blank = text.find(' ');
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

}  // namespace

ScriptSession::ScriptSession(std::ostream& out, std::ostream& err, const ScriptOptions& options)
    : out_(out), err_(err), app_{state_, toolkit_} {
  state_.numberFormat = options.numberFormat;
  if (!options.shippedFolder.empty()) state_.mapOutline = utf8FromPath(options.shippedFolder / kMapOutlineFileName);
  toolkit_.onMessage = [this](const MessageRequest& m) {
    out_ << "message " << iconName(m.icon) << ' ' << m.title << ": " << indentedLines(m.text) << '\n';
  };
  startUp(app_, options.workingFolder);
}

bool ScriptSession::runLine(std::string_view line, int lineNumber) {
  lineNumber_ = lineNumber;
  if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') return true;
  const auto [verb, rest] = firstWord(line);
  if (verb == "answer") return answer(rest);
  if (verb == "file") {
    toolkit_.files.emplace_back(rest.empty() ? std::nullopt : std::optional<std::string>(rest));
    return true;
  }
  if (verb == "print") return print(rest);
  if (verb == "clipboard") return clipboard(rest);
  const auto [name, argument] = firstWord(rest);
  Control* control = findControl(state_, name);
  if (control == nullptr) return fail("control desconocido: " + std::string(name));
  if (verb == "set") return set(*control, argument);
  if (verb == "select") return select(*control, argument);
  if (verb == "index") return index(*control, argument);
  if (verb == "value") return value(*control, argument);
  if (verb == "click") {
    click(app_, *control);
    return true;
  }
  if (verb == "enter") {
    enterPressed(app_, *control);  // nothing happens outside the panels' boxes
    return true;
  }
  if (verb == "paste") {
    paste(*control);
    return true;
  }
  if (verb == "state") return printState(name, *control);
  if (verb == "entries") {
    for (std::size_t k = 0; k < control->entries.size(); ++k)
      out_ << name << '[' << k << "]=" << control->entries[k] << '\n';
    return true;
  }
  return fail("acción desconocida: " + std::string(verb));
}

bool ScriptSession::fail(const std::string& why) {
  err_ << "línea " << lineNumber_ << ": " << why << '\n';
  return false;
}

bool ScriptSession::clipboard(std::string_view path) {
  if (path.empty()) {
    toolkit_.clipboard.reset();
    return true;
  }
  auto text = readTextFile(pathFromUtf8(path));
  if (!text) return fail("no se pudo leer el archivo: " + std::string(path));
  toolkit_.clipboard = std::move(*text);
  return true;
}

void ScriptSession::paste(Control& box) {
  const auto& text = toolkit_.clipboard;
  if (const auto side = pasteSide(state_, box); side && text && holdsRows(*text)) {
    pastePoints(app_, *side);
    return;
  }
  // A box takes one line, without its line end.
  if (box.kind == ControlKind::Box && text) box.text = text->substr(0, text->find_first_of("\r\n"));
}

bool ScriptSession::answer(std::string_view rest) {
  if (rest == "yes")
    toolkit_.answers.push_back(MessageAnswer::Yes);
  else if (rest == "no")
    toolkit_.answers.push_back(MessageAnswer::No);
  else
    return fail("answer espera yes o no");
  return true;
}

bool ScriptSession::set(Control& control, std::string_view text) {
  if (control.kind == ControlKind::List) return fail("una lista se elige con select o index");
  control.text = text;
  return true;
}

bool ScriptSession::select(Control& control, std::string_view text) {
  if (!control.isList()) return fail("no es una lista");
  if (!selectText(app_, control, text)) return fail("la lista no tiene la entrada: " + std::string(text));
  return true;
}

bool ScriptSession::index(Control& control, std::string_view text) {
  int n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (!control.isList() || error != std::errc() || end != text.data() + text.size())
    return fail("index espera una lista y un número");
  if (!selectIndex(app_, control, n)) return fail("la lista no tiene la entrada " + std::string(text));
  return true;
}

bool ScriptSession::value(Control& control, std::string_view text) {
  if (!hasValue(control.kind) || (text != "0" && text != "1"))
    return fail("value espera una casilla o un menú y 0 o 1");
  control.value = text == "1" ? 1 : 0;
  return true;
}

bool ScriptSession::print(std::string_view names) {
  while (!names.empty()) {
    const auto [name, rest] = firstWord(names);
    names = rest;
    if (name.empty()) continue;
    const Control* control = findControl(state_, name);
    if (control == nullptr) return fail("control desconocido: " + std::string(name));
    out_ << name << '=' << printedValue(*control) << '\n';
  }
  return true;
}

bool ScriptSession::printState(std::string_view name, const Control& control) {
  out_ << name << " visible=" << control.visible << " enabled=" << control.enabled;
  if (hasValue(control.kind)) out_ << " checked=" << control.value;
  if (control.isList()) out_ << " index=" << control.index;
  if (control.width) out_ << " width=" << *control.width;
  if (control.top) out_ << " top=" << *control.top;
  out_ << '\n';
  return true;
}

int runScript(std::istream& script, std::ostream& out, std::ostream& err, const ScriptOptions& options) {
  ScriptSession session(out, err, options);
  std::string line;
  int lineNumber = 0;
  while (!session.ended() && std::getline(script, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!session.runLine(line, lineNumber)) return 2;
  }
  return 0;
}

}  // namespace brelosta
