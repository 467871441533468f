#pragma once

#include <array>
#include <string_view>

#include "app/app.hpp"

namespace brelosta {

// The forms of a file run's output, in the order of the list
// "Formato de salida" (Formato_Salida). The first is the data file or the
// report, as the header menu chooses; the others are exchange formats for
// the programs surveyors go on with.
enum class OutputFormat { Text, Csv, CsvExcel, Kml, KmlHeights, GeoJson, Dxf };

inline constexpr std::array<std::string_view, 7> kOutputFormatTexts = {"Texto (Sin/Con Encabezado)",
                                                                       "CSV con títulos",
                                                                       "CSV con títulos (Excel)",
                                                                       "KML (Google Earth)",
                                                                       "KML con alturas (Google Earth)",
                                                                       "GeoJSON",
                                                                       "DXF (AutoCAD)"};

// The format the list shows; no selection is the first.
OutputFormat outputFormat(const MainWindowState& state);

// Fills the list and selects its first entry (start-up).
void fillOutputFormats(App& app);

// The list's reaction: the header menu counts for the first format only, so
// its entries are enabled in file mode with that format.
void outputFormatSelected(App& app);

}  // namespace brelosta
