#pragma once

#include <string>
#include <string_view>

namespace brelosta {

// Files the program reads and writes are in the Windows-1252 code page; in
// memory every text is UTF-8.

// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which the code page leaves
// undefined, become the control characters of the same number so that
// decoding and encoding again gives back the same bytes.
std::string decodeWindows1252(std::string_view bytes);
// The same, appended to `out`.
void appendDecodedWindows1252(std::string& out, std::string_view bytes);

// Characters the code page cannot hold are written as '?'.
std::string encodeWindows1252(std::string_view utf8);

// Whether the bytes are valid UTF-8 holding at least one multi-byte
// character: such a file was saved as UTF-8, not in the Windows code page.
bool looksLikeUtf8(std::string_view bytes);

// Whether the bytes are valid UTF-8 (plain ASCII included). A text is valid
// exactly when each of its lines is: line ends are ASCII and never part of a
// multi-byte character.
bool isValidUtf8(std::string_view bytes);

// Decodes file contents: UTF-8 when it looks like UTF-8 (a leading byte-order
// mark is dropped), Windows-1252 otherwise.
std::string decodeFileText(std::string_view bytes);
// The same, reusing the bytes' own buffer when they are already UTF-8.
std::string decodeFileTextInPlace(std::string bytes);

}  // namespace brelosta
