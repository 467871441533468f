#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace brelosta {

// How an output file's characters are written: Windows-1252, as point files
// and reports always are, or UTF-8 (the exchange formats).
enum class OutputEncoding { Windows1252, Utf8 };

// The lines of an output file: UTF-8 texts in, bytes in the file's encoding
// with CR LF line ends out, handed on in large chunks.
class OutputSink {
 public:
  using Write = std::function<void(std::string_view bytes)>;
  explicit OutputSink(Write write, OutputEncoding encoding = OutputEncoding::Windows1252)
      : write_(std::move(write)), encoding_(encoding) {}

  // The text of the line being written: append to it, then end the line.
  std::string& text() { return buffer_; }
  void endLine();
  // The text holds whole lines, their CR LF ends included.
  void endLines();
  void line(std::string_view text);
  // Hands on bytes already in the file's encoding, with their line ends,
  // after the lines before them.
  void writeEncoded(std::string_view bytes);
  // Hands on what is left.
  void finish();
  // Where the next byte lands in the file; exact while the lines hold ASCII
  // only (the code page writes other characters in fewer bytes).
  std::size_t position() const { return handedOn_ + buffer_.size(); }

 private:
  void flush();
  void handOn(std::string_view bytes);

  Write write_;
  OutputEncoding encoding_;
  std::string buffer_;
  std::size_t handedOn_ = 0;  // bytes written
};

}  // namespace brelosta
