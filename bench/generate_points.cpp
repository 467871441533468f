// brelosta-genpoints: writes a point file of N records in any of the sixteen
// record layouts, with points spread over Venezuela, for the benchmarks.
//
//   brelosta-genpoints --count N --layout LAYOUT --out FILE
//                      [--angles dms|decimal] [--plain FILE]
//
// Grid layouts hold UTM zone 19 coordinates (north 100 000 to 1 400 000 m,
// east 200 000 to 800 000 m); LAT/LON layouts hold latitudes 1 to 12 N and
// longitudes 60 to 73 W, in degrees-minutes-seconds (default) or decimal
// degrees. Heights go from 0 to 2500 m. --plain also writes the same points
// as blank-separated "east north height" (or "longitude latitude height", in
// decimal degrees) lines, the input of PROJ's cs2cs. The points come from a
// fixed seed, so every run writes the same file.

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <random>
#include <string>
#include <string_view>

#include "formats/record_layout.hpp"

namespace {

constexpr std::string_view kUsage =
    "Uso: brelosta-genpoints --count N --layout FORMATO --out ARCHIVO [--angles dms|decimal] [--plain ARCHIVO]\n";

void appendFixed(std::string& out, double value, int decimals) {
  std::array<char, 64> buffer{};
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  (void)error;
  out.append(buffer.data(), end);
}

// One part of an angle in degrees, minutes and seconds (four decimals):
// part 0 the degrees with the angle's sign ("-0" under one degree), 1 the
// minutes, 2 the seconds.
void appendDmsPart(std::string& out, double angle, int part) {
  constexpr long long kPerSecond = 10000;
  const auto whole = static_cast<long long>(std::round(std::fabs(angle) * 3600.0 * kPerSecond));
  if (part == 0) {
    if (angle < 0) out += '-';
    out += std::to_string(whole / (3600 * kPerSecond));
  } else if (part == 1) {
    out += std::to_string(whole / (60 * kPerSecond) % 60);
  } else {
    appendFixed(out, static_cast<double>(whole % (60 * kPerSecond)) / kPerSecond, 4);
  }
}

struct Point {
  std::array<double, 3> values;  // north, east, height or latitude, longitude, height
};

}  // namespace

int main(int argc, char** argv) {
  long long count = -1;
  std::string layout;
  std::string outPath;
  std::string plainPath;
  bool dms = true;
  for (int k = 1; k + 1 < argc; k += 2) {
    const std::string_view option = argv[k];
    const std::string value = argv[k + 1];
    if (option == "--count") count = std::stoll(value);
    else if (option == "--layout") layout = value;
    else if (option == "--out") outPath = value;
    else if (option == "--plain") plainPath = value;
    else if (option == "--angles") dms = value != "decimal";
    else {
      std::cerr << kUsage;
      return 2;
    }
  }
  const bool grid = brelosta::recordPlan(layout, brelosta::RecordFamily::Grid).has_value();
  const auto family = grid ? brelosta::RecordFamily::Grid
                           : (dms ? brelosta::RecordFamily::GeographicDms : brelosta::RecordFamily::GeographicDecimal);
  const auto plan = brelosta::recordPlan(layout, family);
  if (count < 0 || outPath.empty() || !plan) {
    std::cerr << kUsage;
    return 2;
  }

  std::FILE* out = std::fopen(outPath.c_str(), "wb");
  std::FILE* plain = plainPath.empty() ? nullptr : std::fopen(plainPath.c_str(), "wb");
  if (out == nullptr || (!plainPath.empty() && plain == nullptr)) {
    std::cerr << "no se pudo crear el archivo\n";
    return 1;
  }
  std::mt19937_64 random(19);
  std::uniform_real_distribution<double> north(100000.0, 1400000.0), east(200000.0, 800000.0),
      latitude(1.0, 12.0), longitude(-73.0, -60.0), height(0.0, 2500.0);
  std::string line;
  std::string plainLine;
  for (long long n = 1; n <= count; ++n) {
    const Point point = grid ? Point{{north(random), east(random), height(random)}}
                             : Point{{latitude(random), longitude(random), height(random)}};
    const int decimals = grid ? 4 : 9;
    line.clear();
    bool first = true;
    for (const int slot : plan->fieldSlots) {
      if (!first) line += ',';
      first = false;
      if (slot == brelosta::kIdField) {
        line += "P" + std::to_string(n);
      } else if (family == brelosta::RecordFamily::GeographicDms && slot != plan->heightSlot) {
        appendDmsPart(line, point.values[static_cast<std::size_t>(slot / 3)], slot % 3);
      } else {
        const std::size_t meaning = slot == plan->heightSlot ? 2 : static_cast<std::size_t>(slot);
        appendFixed(line, point.values[meaning], meaning == 2 ? 3 : decimals);
      }
    }
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), out);
    if (plain != nullptr) {
      plainLine.clear();
      appendFixed(plainLine, point.values[1], decimals);
      plainLine += ' ';
      appendFixed(plainLine, point.values[0], decimals);
      plainLine += ' ';
      appendFixed(plainLine, point.values[2], 3);
      plainLine += '\n';
      std::fwrite(plainLine.data(), 1, plainLine.size(), plain);
    }
  }
  const bool failed = std::fclose(out) != 0 || (plain != nullptr && std::fclose(plain) != 0);
  return failed ? 1 : 0;
}
