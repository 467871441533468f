// The widget tests run inside one QApplication, on Qt's offscreen platform
// unless another one is asked for.

#include <gtest/gtest.h>

#include <QApplication>

#include "qt/spanish.hpp"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  brelosta::installSpanishTranslation(application);
  return RUN_ALL_TESTS();
}
