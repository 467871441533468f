#pragma once

#include <array>
#include <string_view>

namespace brelosta {

// Who made the program and which version it is: the banner of every
// conversion report and the credits of the about window.
inline constexpr std::string_view kVersionText = "Versión: " BRELOSTA_VERSION;

inline constexpr std::array<std::string_view, 3> kCreditLines = {
    "BRELOSTA - Conversión de coordenadas geodésicas",
    kVersionText,
    "Elaborado por el equipo de desarrollo de Brelosta",
};

// The about window's own lines under the version; the last one says where
// the map's outline comes from and under which licence.
inline constexpr std::array<std::string_view, 3> kAboutCreditLines = {
    "El equipo de desarrollo de Brelosta",
    "Conversión de coordenadas geodésicas para la topografía en Venezuela",
    "Mapa: GSHHG 2.3.7 y DCW-GMT (The GMT Team), GNU LGPL 3",
};

// The line that closes the report's banner.
inline constexpr std::string_view kReportCreditLine = "Reporte de conversión de archivo de puntos";

}  // namespace brelosta
