#include "formats/output_sink.hpp"

#include <array>
#include <cstdint>
#include <cstring>

#include "core/windows1252.hpp"

namespace brelosta {
namespace {

constexpr std::size_t kChunkSize = std::size_t{256} << 10;

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Where the first byte of a non-ASCII character is, or the text's size.
// Whole stretches of 32 bytes are passed over first, their words OR-ed
// together, then the one that holds a high byte is looked at word by word.
std::size_t firstHighByte(std::string_view text) {
  constexpr std::size_t kStretch = 32;
  std::size_t i = 0;
  for (; i + kStretch <= text.size(); i += kStretch) {
    std::array<std::uint64_t, kStretch / 8> words;
    std::memcpy(words.data(), text.data() + i, kStretch);
    if (((words[0] | words[1] | words[2] | words[3]) & kHighBits) != 0) break;
  }
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + i, sizeof word);
    if ((word & kHighBits) != 0) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

}  // namespace

void OutputSink::endLine() {
  buffer_ += "\r\n";
  if (buffer_.size() >= kChunkSize) flush();
}

void OutputSink::endLines() {
  if (buffer_.size() >= kChunkSize) flush();
}

void OutputSink::line(std::string_view text) {
  buffer_ += text;
  endLine();
}

void OutputSink::writeEncoded(std::string_view bytes) {
  flush();
  handOn(bytes);
}

void OutputSink::finish() { flush(); }

void OutputSink::handOn(std::string_view bytes) {
  handedOn_ += bytes.size();
  write_(bytes);
}

void OutputSink::flush() {
  if (encoding_ == OutputEncoding::Utf8) {
    if (!buffer_.empty()) handOn(buffer_);
    buffer_.clear();
    return;
  }
  // Point files and reports are almost all ASCII, which the code page
  // writes unchanged; only the runs of other characters are encoded.
  std::string_view text = buffer_;
  while (!text.empty()) {
    const std::size_t high = firstHighByte(text);
    handOn(text.substr(0, high));
    std::size_t end = high;
    while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x80) ++end;
    if (end > high) handOn(encodeWindows1252(text.substr(high, end - high)));
    text.remove_prefix(end);
  }
  buffer_.clear();
}

}  // namespace brelosta
