#pragma once

#include <string>
#include <string_view>

#include "formats/output_sink.hpp"

namespace brelosta {

// Writes report lines item by item, with advances to the print zones that
// start every 14 columns (columns 1, 15, 29, 43, ...). A line stays open
// until it is ended, so that the next item may continue it.
class ZonedLine {
 public:
  explicit ZonedLine(OutputSink& sink) : sink_(sink) {}

  ZonedLine& item(std::string_view text);
  // Moves to the first zone start strictly to the right of the write
  // position, `count` times, filling with blanks.
  ZonedLine& zones(int count);
  // Ends the open line; with nothing written it is an empty line.
  void end();

 private:
  OutputSink& sink_;
  std::string pending_;
  std::size_t column_ = 1;  // where the next character goes
};

}  // namespace brelosta
