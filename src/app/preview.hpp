#pragma once

#include "app/app.hpp"

namespace brelosta {

void openPreview(App& app);            // Revisar
void previewCoordSelected(App& app);   // Preview.Coord selected
void previewFormatSelected(App& app);  // Preview.Formato selected
void previewBrowse(App& app);          // Preview.Command1 "Buscar"
void previewExamine(App& app);         // Preview.Examinar
void closePreview(App& app);           // Preview.Salida

}  // namespace brelosta
