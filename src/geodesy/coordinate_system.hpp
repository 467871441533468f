#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace brelosta {

enum class CoordinateSystemKind { Geographic, Utm, TransverseMercator, Mercator, LomaQuintana, LambertConic };

// The kinds in the order of the panels' system lists.
inline constexpr std::array<std::string_view, 6> kKindTexts = {
    "Geográficas", "UTM", "Conica de Lambert", "Transverse Mercator", "Mercator", "Loma Quintana (Ven)"};

inline constexpr std::string_view kGeographicText = "Geográficas";
inline constexpr std::string_view kLomaQuintanaText = "Loma Quintana (Ven)";

std::optional<CoordinateSystemKind> kindFromText(std::string_view text);
std::string_view kindText(CoordinateSystemKind kind);

enum class AngleFormat { DegreesMinutesSeconds, DecimalDegrees };

inline constexpr std::string_view kDmsText = "Grad Min Seg";
inline constexpr std::string_view kDecimalDegreesText = "Grados Decimales";

// "Grados Decimales" selects decimal entry; any other text means degrees,
// minutes and seconds.
inline AngleFormat angleFormatFromText(std::string_view text) {
  return text == kDecimalDegreesText ? AngleFormat::DecimalDegrees : AngleFormat::DegreesMinutesSeconds;
}

enum class ConversionDirection { LeftToRight, RightToLeft };

// The reference datum's name in the catalogue.
inline constexpr std::string_view kReferenceDatum = "WGS84";

inline constexpr std::string_view kNorthernHemisphere = "Hemisferio Norte";
inline constexpr std::string_view kSouthernHemisphere = "Hemisferio Sur";

}  // namespace brelosta
