#include "core/field_stream.hpp"

#include <algorithm>
#include <optional>
#include <string>

#include "core/number_reading.hpp"

namespace brelosta {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A number of a ";" or tab file: the plain number its text is with a comma
// as the decimal mark, or with a point, when its marks leave no doubt.
std::optional<double> separatedNumber(std::string_view text, char& mark) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) {
    mark = '.';
    if (separatedNumberDoubt(text) != NumberDoubt::None) return std::nullopt;
    return plainNumber(text);
  }
  mark = ',';
  if (text.find('.') != std::string_view::npos) return std::nullopt;
  std::string pointed(text);
  pointed[comma] = '.';
  return plainNumber(pointed);
}

}  // namespace

void splitFields(std::string_view line, std::vector<Field>& fields) {
  fields.clear();
  if (std::all_of(line.begin(), line.end(), isBlank)) return;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && isBlank(line[i])) ++i;
    Field field;
    if (i < line.size() && line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      const std::size_t end = close == std::string_view::npos ? line.size() : close;
      field.type = Field::Type::Text;
      field.text = line.substr(i + 1, end - i - 1);
      i = std::min(line.find(',', end), line.size());
    } else {
      // The usual field, a short decimal, is read in the same pass that
      // finds its end: the number then stops at the comma.
      const DecimalPrefix prefix = shortDecimalPrefix(line.substr(i), '.');
      std::size_t comma = i + prefix.end;
      if (comma < line.size() && line[comma] != ',') comma = std::min(line.find(',', comma), line.size());
      // Blanks before the field are passed already; those before the comma
      // are dropped here.
      std::size_t end = comma;
      while (end > i && isBlank(line[end - 1])) --end;
      field.text = line.substr(i, end - i);
      if (!field.text.empty()) {
        // Only a sign, a digit or a point can start a number: an Id such
        // as "P1" is a text without another look.
        const char first = field.text.front();
        const bool mayBeNumber = first == '+' || first == '-' || first == '.' || (first >= '0' && first <= '9');
        std::optional<double> number;
        if (prefix.end == field.text.size() && prefix.value)
          number = prefix.value;
        else if (mayBeNumber)
          number = plainNumber(field.text);
        field.type = number ? Field::Type::Number : Field::Type::Text;
        field.number = number.value_or(0.0);
      }
      i = comma;
    }
    fields.push_back(field);
    if (i >= line.size()) return;
    ++i;  // past the comma
  }
}

NumberDoubt separatedNumberDoubt(std::string_view text) {
  const bool point = text.find('.') != std::string_view::npos;
  if (!point) return NumberDoubt::None;
  if (text.find(',') != std::string_view::npos) {
    // A number whose thousands are marked: only digits, a sign and the marks.
    std::string digits(text);
    std::erase(digits, '.');
    std::erase(digits, ',');
    return plainNumber(digits) ? NumberDoubt::BothMarks : NumberDoubt::None;
  }
  // Points that group digits in threes, as a decimal comma's spreadsheet
  // marks thousands ("728.310", "1.163.200").
  return strictValue(text, NumberFormat::comma()) ? NumberDoubt::Grouping : NumberDoubt::None;
}

void splitSeparatedFields(std::string_view line, char separator, std::vector<Field>& fields) {
  fields.clear();
  const auto blank = [separator](char c) { return c == ' ' || (c == '\t' && separator != '\t'); };
  if (std::all_of(line.begin(), line.end(), isBlank)) return;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && blank(line[i])) ++i;
    Field field;
    std::size_t end = 0;
    if (i < line.size() && line[i] == '"') {
      const std::size_t close = std::min(line.find('"', i + 1), line.size());
      field.type = Field::Type::Text;
      field.text = line.substr(i + 1, close - i - 1);
      end = std::min(line.find(separator, close), line.size());
    } else {
      end = std::min(line.find(separator, i), line.size());
      std::size_t last = end;
      while (last > i && blank(line[last - 1])) --last;
      field.text = line.substr(i, last - i);
      if (!field.text.empty()) {
        const auto number = separatedNumber(field.text, field.mark);
        field.type = number ? Field::Type::Number : Field::Type::Text;
        field.number = number.value_or(0.0);
      }
    }
    fields.push_back(field);
    if (end >= line.size()) return;
    i = end + 1;  // past the separator
  }
}

}  // namespace brelosta
