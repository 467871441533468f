#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace brelosta {

// The program keeps every text, file names included, as UTF-8. A path made
// from a plain std::string would be read in the system's narrow code page on
// Windows (not UTF-8), so texts and paths meet only here.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace brelosta
