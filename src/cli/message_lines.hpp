#pragma once

#include <string>
#include <string_view>

namespace brelosta {

// A message's text for a line-oriented stream: the lines after the first
// (where and why) indented by two blanks, so that they read as part of the
// message above them.
inline std::string indentedLines(std::string_view text) {
  std::string lines;
  for (const char c : text) {
    lines += c;
    if (c == '\n') lines += "  ";
  }
  return lines;
}

}  // namespace brelosta
