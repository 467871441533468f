#include "core/windows1252.hpp"

#include <array>
#include <cstdint>
#include <cstring>

namespace brelosta {
namespace {

// Unicode code points of the bytes 0x80 to 0x9F; the rest of the code page
// equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at bytes[i]; returns its length, or 0 when the
// bytes there are not a valid, shortest-form sequence.
std::size_t decodeUtf8(std::string_view bytes, std::size_t i, char32_t& c) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
  const std::uint8_t lead = byte(i);
  std::size_t length = 0;
  if (lead < 0x80) {
    c = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string decodeWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  appendDecodedWindows1252(out, bytes);
  return out;
}

void appendDecodedWindows1252(std::string& out, std::string_view bytes) {
  for (char b : bytes) {
    const auto byte = static_cast<std::uint8_t>(b);
    if (byte < 0x80) {
      out += b;
    } else if (byte < 0xA0) {
      appendUtf8(out, kHighControls[byte - 0x80]);
    } else {
      appendUtf8(out, byte);
    }
  }
}

std::string encodeWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = 0;
    const std::size_t length = decodeUtf8(utf8, i, c);
    if (length == 0) {
      out += '?';
      ++i;
      continue;
    }
    i += length;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out += static_cast<char>(c);
      continue;
    }
    char encoded = '?';
    for (std::size_t k = 0; k < kHighControls.size(); ++k)
      if (kHighControls[k] == c) encoded = static_cast<char>(0x80 + k);
    out += encoded;
  }
  return out;
}

namespace {

struct Utf8Scan {
  bool valid = true;
  bool multiByte = false;
};

// Whether eight bytes from bytes[i] are all ASCII.
bool asciiWord(std::string_view bytes, std::size_t i) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes.data() + i, sizeof word);
  return (word & 0x8080808080808080ULL) == 0;
}

Utf8Scan scanUtf8(std::string_view bytes) {
  Utf8Scan scan;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (i + 8 <= bytes.size() && asciiWord(bytes, i)) {
      i += 8;
      continue;
    }
    if (static_cast<std::uint8_t>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t c = 0;
    const std::size_t length = decodeUtf8(bytes, i, c);
    if (length == 0) {
      scan.valid = false;
      return scan;
    }
    scan.multiByte = true;
    i += length;
  }
  return scan;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) { return scanUtf8(bytes).valid; }

bool looksLikeUtf8(std::string_view bytes) {
  const Utf8Scan scan = scanUtf8(bytes);
  return scan.valid && scan.multiByte;
}

std::string decodeFileText(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const bool marked = bytes.starts_with(kByteOrderMark);
  const std::string_view body = marked ? bytes.substr(kByteOrderMark.size()) : bytes;
  // Valid UTF-8 (plain ASCII included) reads the same as it was written; a
  // Windows-1252 text with accented letters is almost never valid UTF-8.
  if (scanUtf8(body).valid) return std::string(body);
  return decodeWindows1252(bytes);
}

std::string decodeFileTextInPlace(std::string bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const std::string_view view(bytes);
  const bool marked = view.starts_with(kByteOrderMark);
  if (!scanUtf8(marked ? view.substr(kByteOrderMark.size()) : view).valid) return decodeWindows1252(view);
  if (marked) bytes.erase(0, kByteOrderMark.size());
  return bytes;
}

}  // namespace brelosta
