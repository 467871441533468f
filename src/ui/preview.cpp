#include "ui/preview.hpp"

namespace brelosta {

void openPreview(App& app) { app.state.Preview.Preview.visible = true; }

void previewCoordSelected(App& /*app*/) {}

void previewFormatSelected(App& /*app*/) {}

void previewBrowse(App& /*app*/) {}

void previewExamine(App& /*app*/) {}

void closePreview(App& app) { app.state.Preview.Preview.visible = false; }

}  // namespace brelosta
