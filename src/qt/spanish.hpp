#pragma once

class QCoreApplication;

namespace brelosta {

// Installs Qt's own Spanish texts (file dialogs, standard buttons, text
// box menus) from the system's Qt translations; false when they are not
// installed, and Qt's texts stay English.
bool installSpanishTranslation(QCoreApplication& application);

}  // namespace brelosta
