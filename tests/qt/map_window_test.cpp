// The map window of the desktop program: the sample file's points painted
// inside Venezuela (found in the window's picture by their colour, between
// the coast and the southern border), the wheel, drags and keys reaching
// the view, and a large file read on the conversion thread.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "app/map_drawing.hpp"
#include "program_fixture.hpp"

namespace brelosta {
namespace {

bool waitForEnd(DesktopProgram& program) {
  return QTest::qWaitFor([&] { return !program.converting(); }, 30000);
}

// Whether a pixel is `colour` laid on the white ground, wholly or in part
// (the edge of an antialiased line): every channel covered alike.
bool covers(QRgb pixel, MapColour colour) {
  const int channels[3][2] = {{qRed(pixel), static_cast<int>((colour >> 16) & 0xFF)},
                              {qGreen(pixel), static_cast<int>((colour >> 8) & 0xFF)},
                              {qBlue(pixel), static_cast<int>(colour & 0xFF)}};
  double low = 1.0;
  double high = 0.0;
  for (const auto& [shown, full] : channels) {
    if (full > 235) continue;  // a channel near white says nothing
    const double coverage = (255.0 - shown) / (255.0 - full);
    low = std::min(low, coverage);
    high = std::max(high, coverage);
  }
  return low > 0.3 && high - low < 0.15;
}

bool near(QRgb pixel, MapColour colour, int tolerance) {
  return std::abs(qRed(pixel) - static_cast<int>((colour >> 16) & 0xFF)) <= tolerance &&
         std::abs(qGreen(pixel) - static_cast<int>((colour >> 8) & 0xFF)) <= tolerance &&
         std::abs(qBlue(pixel) - static_cast<int>(colour & 0xFF)) <= tolerance;
}

class MapWindowTest : public ProgramTest {
 protected:
  // File mode on the sample file, UTM zone 19 on PSAD 56 - La Canoa (2),
  // as a user sets it up; then the map.
  void openSampleMap(const QString& file) {
    choose("M_Archivo");
    pickWithKeys("Coord_L", QStringLiteral("UTM"));
    type("Zone_L", QStringLiteral("19"));
    pickWithKeys("DATUM_L", QStringLiteral("PSAD 56 - La Canoa (2)"));
    pickWithKeys("Formato_L", QStringLiteral("Id Norte Este H"));
    type("File_L", file);
    clickOn("Ver_Mapa");
    ASSERT_TRUE(waitForEnd(*program));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget<QWidget>("Mapa.Ventana")));
  }

  QWidget* canvas() { return widget<QWidget>("Mapa.Lienzo"); }
};

TEST_F(MapWindowTest, TheSampleFilesPointsShowInsideVenezuela) {
  openSampleMap(QString::fromStdString((kShippedCatalogues / "puntos_ejemplo.txt").string()));
  EXPECT_EQ(widget<QLabel>("Mapa.Estado")->text(),
            QStringLiteral("5 puntos; 0 fuera del área del datum o de la malla geoidal"));
  clickOn("Mapa.Venezuela");
  QWidget* window = widget<QWidget>("Mapa.Ventana");
  const QImage picture = window->grab().toImage();
  const double ratio = picture.devicePixelRatio();
  const QPoint origin = canvas()->mapTo(window, QPoint(0, 0)) * ratio;
  const QSize size = canvas()->size() * ratio;

  // The markers' pixels, and where their middle is on the map.
  const MapColour marker = markerColour(MarkerKind::Inside);
  double sumX = 0.0;
  double sumY = 0.0;
  int count = 0;
  for (int y = origin.y(); y < origin.y() + size.height(); ++y)
    for (int x = origin.x(); x < origin.x() + size.width(); ++x)
      if (near(picture.pixel(x, y), marker, 12)) {
        sumX += x;
        sumY += y;
        ++count;
      }
  ASSERT_GT(count, 10);
  const QPoint middle(static_cast<int>(sumX / count), static_cast<int>(sumY / count));
  const MapWindowState& map = program->state().Map;
  const LatLon at = fromPixel(map.view, map.canvas,
                              {(middle.x() - origin.x()) / ratio, (middle.y() - origin.y()) / ratio});
  EXPECT_NEAR(at.latitude, 10.50, 0.15);
  EXPECT_NEAR(at.longitude, -66.92, 0.15);

  // Just north of them the coast (looked for beside the markers, which
  // cover it), far south of them Venezuela's southern border.
  const auto firstOf = [&](MapColour colour, int step, int beside) {
    for (int y = middle.y(); y >= origin.y() && y < origin.y() + size.height(); y += step)
      for (const int dx : {-beside, beside})
        if (covers(picture.pixel(middle.x() + dx, y), colour)) return std::abs(y - middle.y());
    return -1;
  };
  const int beside = static_cast<int>(std::lround(6 * ratio));
  const int coast = firstOf(strokeStyle(MapStroke::Coast).colour, -1, beside);
  const int border = firstOf(strokeStyle(MapStroke::Border).colour, 1, 0);
  // The coast at La Guaira lies 0.1 degree north of the points, the border
  // with Brazil and Colombia more than 5 degrees south.
  const double degree = map.view.pixelsPerDegree * ratio;
  EXPECT_GE(coast, 0);
  EXPECT_LT(coast, 0.3 * degree);
  EXPECT_GT(border, 5.0 * degree);
}

TEST_F(MapWindowTest, TheWheelDragsAndKeysMoveTheView) {
  openSampleMap(QString::fromStdString((kShippedCatalogues / "puntos_ejemplo.txt").string()));
  const MapWindowState& map = program->state().Map;
  QWidget* area = canvas();
  const MapView fit = map.view;

  const QPointF pointer(100.0, 80.0);
  QWheelEvent wheel(pointer, area->mapToGlobal(pointer), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(area, &wheel);
  EXPECT_DOUBLE_EQ(map.view.pixelsPerDegree, fit.pixelsPerDegree * kZoomStep);

  const MapView zoomedIn = map.view;
  QTest::mousePress(area, Qt::LeftButton, {}, QPoint(200, 200));
  QTest::mouseMove(area, QPoint(230, 190));
  QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(230, 190));
  const PixelPoint moved = toPixel(map.view, map.canvas, {zoomedIn.latitude, zoomedIn.longitude});
  EXPECT_NEAR(moved.x, area->width() / 2.0 + 30.0, 1e-6);
  EXPECT_NEAR(moved.y, area->height() / 2.0 - 10.0, 1e-6);

  area->setFocus();
  QTest::keyClick(area, Qt::Key_Minus);
  EXPECT_DOUBLE_EQ(map.view.pixelsPerDegree, fit.pixelsPerDegree);
  QTest::keyClick(area, Qt::Key_Plus);
  EXPECT_DOUBLE_EQ(map.view.pixelsPerDegree, fit.pixelsPerDegree * kZoomStep);
  clickOn("Mapa.Ajustar");
  EXPECT_EQ(map.view, fit);
  clickOn("Mapa.Cerrar");
  EXPECT_FALSE(widget<QWidget>("Mapa.Ventana")->isVisible());
}

// A hundred thousand points are read on the conversion thread: the click
// comes back at once, the windows keep being served, and the map then
// counts them all.
TEST_F(MapWindowTest, ALargeFileIsReadWithoutFreezingTheWindow) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("grande.txt"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QByteArray lines;
  constexpr int kCount = 100000;
  for (int k = 0; k < kCount; ++k)
    lines += "P" + QByteArray::number(k) + "," + QByteArray::number(1000000 + k % 1000 * 100) + "," +
             QByteArray::number(400000 + k / 1000 * 1000) + ",10\r\n";
  file.write(lines);
  file.close();

  choose("M_Archivo");
  pickWithKeys("Coord_L", QStringLiteral("UTM"));
  type("Zone_L", QStringLiteral("19"));
  pickWithKeys("Formato_L", QStringLiteral("Id Norte Este H"));
  type("File_L", path);
  clickOn("Ver_Mapa");
  EXPECT_TRUE(program->converting());
  int served = 0;
  QTimer ticks;
  QObject::connect(&ticks, &QTimer::timeout, [&] { ++served; });
  ticks.start(1);
  ASSERT_TRUE(waitForEnd(*program));
  EXPECT_GT(served, 0);
  EXPECT_EQ(widget<QLabel>("Mapa.Estado")->text(),
            QStringLiteral("100000 puntos; 0 fuera del área del datum o de la malla geoidal"));
}

}  // namespace
}  // namespace brelosta
