#pragma once

// PROJ's command-line tools (Debian proj-bin) as an independent oracle:
// positions go in and come out as lines "longitude latitude height", in
// degrees and metres.

#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "geodesy/positions.hpp"

namespace brelosta {

// Runs `command` (cs2cs or cct with its options) on the positions; an
// empty result when PROJ cannot be run.
inline std::vector<GeodeticPosition> runProj(const std::string& command,
                                             const std::vector<GeodeticPosition>& positions) {
  char input[] = "/tmp/brelosta-proj-XXXXXX";
  const int descriptor = ::mkstemp(input);
  if (descriptor < 0) return {};
  std::FILE* file = ::fdopen(descriptor, "w");
  for (const GeodeticPosition& p : positions)
    std::fprintf(file, "%.12f %.12f %.6f\n", p.longitude, p.latitude, p.height);
  std::fclose(file);
  std::vector<GeodeticPosition> out;
  if (std::FILE* pipe = ::popen((command + " < " + input).c_str(), "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
      std::istringstream fields(line);
      GeodeticPosition p;
      if (fields >> p.longitude >> p.latitude >> p.height) out.push_back(p);
    }
    ::pclose(pipe);
  }
  std::remove(input);
  return out;
}

}  // namespace brelosta
