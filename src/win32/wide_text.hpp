#pragma once

#include <string>
#include <string_view>

namespace brelosta {

// The window state holds UTF-8; the Windows API takes UTF-16.
std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);

}  // namespace brelosta
