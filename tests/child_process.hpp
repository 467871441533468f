#pragma once

// Starts a program as a user would and waits for it; one implementation per
// platform (platform/child_process_*.cpp).

#include <filesystem>
#include <string>
#include <vector>

namespace brelosta {

// Runs `program` with the UTF-8 `arguments`, its standard output and error
// going to the files `out` and `err`, in this process's environment with
// the variables of `environment` ("NAME=value") set; its exit code, or -1
// when it could not be started or did not end normally.
int runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& out, const std::filesystem::path& err,
               const std::vector<std::string>& environment = {});

// Whether the tests can use the build machine's readers of other programs'
// files (GDAL's ogrinfo, Python with ezdxf, xmllint, PROJ's cs2cs), which
// ./test installs on Linux. The Windows build's tests, under Wine, cannot:
// those are Linux programs, and would be handed Windows paths.
extern const bool kLinuxFileReaders;

}  // namespace brelosta
