#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "app/control.hpp"

class QObject;

namespace brelosta {

// Texts of the window state are UTF-8.
inline QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string stateText(const QString& text) { return text.toUtf8().toStdString(); }

// Shows one control's state in the widget or menu action bound to it:
// text or caption, visible, enabled, check value, list entries and
// selection, progress, and a run-time width in twips. Sets nothing that
// already shows the state, and emits no user-action signals.
void showControl(QObject* target, const Control& control);

}  // namespace brelosta
