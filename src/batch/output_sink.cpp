#include "batch/output_sink.hpp"

#include <algorithm>

#include "core/windows1252.hpp"

namespace brelosta {
namespace {

constexpr std::size_t kChunkSize = std::size_t{1} << 20;

bool plainAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

void OutputSink::endLine() {
  buffer_ += "\r\n";
  if (buffer_.size() >= kChunkSize) flush();
}

void OutputSink::line(std::string_view text) {
  buffer_ += text;
  endLine();
}

void OutputSink::finish() { flush(); }

void OutputSink::flush() {
  if (buffer_.empty()) return;
  // Most point files are plain ASCII, which the code page writes unchanged.
  if (plainAscii(buffer_))
    write_(buffer_);
  else
    write_(encodeWindows1252(buffer_));
  buffer_.clear();
}

}  // namespace brelosta
