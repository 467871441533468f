#pragma once

// What opening, writing and replacing files needs from the operating system;
// one implementation per platform (files_posix.cpp, files_windows.cpp).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace brelosta::platform {

// std::fopen for any path (on Windows a path outside the narrow code page
// too); `mode` as for std::fopen.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

enum class NewFileResult { Created, Exists, Failed };

// A file created for writing (and reading back) in binary mode, only if no
// file of that name exists yet; `file` is set when the result is Created.
NewFileResult createNewFile(const std::filesystem::path& path, std::FILE*& file);

// Asks the system to start writing `length` bytes from `offset` of a
// flushed file to disk, without waiting; a hint only.
void startWriteBack(std::FILE* file, std::size_t offset, std::size_t length);

// Writes a flushed file's data through to the disk.
bool writeThrough(std::FILE* file);

// Puts the closed file `from` in place of `to` in one step: `to` is either
// the old file or the new one, never missing or half-written.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Which file a path names right now (device and file number), to tell a
// replaced file from the one that was there before.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t file = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path);

}  // namespace brelosta::platform
