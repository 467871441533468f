#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brelosta {

// An ellipsoid key as catalogue lines write it: a quoted text or a number.
// Keys match when both are numbers of the same value or both texts of the
// same characters.
struct CatalogueKey {
  bool isNumber = false;
  double number = 0.0;
  std::string text;

  friend bool operator==(const CatalogueKey& a, const CatalogueKey& b) {
    if (a.isNumber != b.isNumber) return false;
    return a.isNumber ? a.number == b.number : a.text == b.text;
  }
};

// One line of elipsoide.txt.
struct Ellipsoid {
  CatalogueKey key;
  std::string name;
  double semiMajorAxis = 0.0;      // a, metres
  double inverseFlattening = 0.0;  // 1/f
};

// One line of datum.txt: the datum's shift to WGS84.
struct Datum {
  std::string name;
  CatalogueKey ellipsoidKey;
  std::string parameterCode;
  // dx, dy, dz (metres), rx, ry, rz (arc seconds), scale (parts per
  // million), origin X, Y, Z of the Badekas-Molodensky method (metres).
  std::array<double, 10> parameters{};
};

// Slot i (from 0) holds the record of line i + 1, or nothing when that line
// is not a record.
using DatumCatalogue = std::vector<std::optional<Datum>>;
using EllipsoidCatalogue = std::vector<std::optional<Ellipsoid>>;

struct Catalogues {
  DatumCatalogue datums;
  EllipsoidCatalogue ellipsoids;
};

enum class CatalogueFailure {
  DatumFileMissing,      // "No se encontró datum.txt"
  DatumFileMalformed,    // "Error en el archivo datum.txt"
  EllipsoidFileFailed,   // "Error en el archivo elipsoide.txt"
};

std::string_view catalogueFailureMessage(CatalogueFailure failure);

inline constexpr std::size_t kMaxDatumLines = 999;
inline constexpr std::size_t kMaxEllipsoids = 99;

// Reads datum.txt and then elipsoide.txt from the folder, afresh each call.
// Every line is read on its own: a datum line that does not begin with a
// double quote leaves its slot empty, a datum line that begins with one must
// hold exactly the 13 fields of a record; every line of elipsoide.txt must
// hold the 4 fields of an ellipsoid.
std::variant<Catalogues, CatalogueFailure> readCatalogues(const std::filesystem::path& folder);

// The two catalogues from their texts (UTF-8); nothing when the text is not
// a valid catalogue.
std::optional<DatumCatalogue> parseDatumCatalogue(std::string_view text);
std::optional<EllipsoidCatalogue> parseEllipsoidCatalogue(std::string_view text);

// The last ellipsoid whose key matches (a catalogue may list a key twice;
// the later line wins), or nothing.
const Ellipsoid* ellipsoidOf(const EllipsoidCatalogue& ellipsoids, const CatalogueKey& key);

}  // namespace brelosta
