#pragma once

#include <filesystem>

#include "app/app.hpp"

namespace brelosta {

void switchToFileMode(App& app);   // M_Archivo
void switchToPointMode(App& app);  // M_Puntual
// sinencabezado / conencabezado: exactly one of the two is checked.
void chooseReportHeader(App& app, bool withHeader);
void toggleGeoidHeight(App& app);  // Geoidal
void clearPanels(App& app);        // Borrar
void exitWithConfirmation(App& app);  // Command4
void exitAtOnce(App& app);            // Salir
void openHelp(App& app);              // Master, F1
// The user guide the help opens: the window's helpGuide, a relative path
// being taken from the working folder.
std::filesystem::path helpGuidePath(const MainWindowState& state);
void showAbout(App& app);             // Acercade
void closeAbout(App& app);            // About.Command1
void closeProgress(App& app);         // Progreso.Ok

}  // namespace brelosta
