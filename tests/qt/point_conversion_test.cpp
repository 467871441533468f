// Points typed into the real widgets and converted with the convert buttons;
// refusals and data errors as message boxes. Expected grid coordinates were
// computed with PROJ (cs2cs +proj=utm +datum=WGS84).

#include <QLineEdit>
#include <QMessageBox>

#include "program_fixture.hpp"

namespace brelosta {
namespace {

struct TypedPoint {
  const char* name;
  std::string_view command;  // the convert button
  std::string_view targetKind;
  const char* latitude[3];  // degrees, minutes, seconds
  const char* longitude[3];
  const char* height;
  const char* zone;
  const char* northing;  // with "." for the decimal mark
  const char* easting;
  const char* targetHeight;
};

const TypedPoint kTypedPoints[] = {
    {"CaracasLeftToRight", "Command1", "Coord_R", {"10", "30", "0"}, {"-66", "54", "0"}, "100", "19",
     "1161462.9277", "729838.3869", "100.0000"},
    {"OrinocoRightToLeft", "Command2", "Coord_L", {"8", "7", "30"}, {"-63", "33", "0"}, "35.5", "20",
     "898157.9400", "439408.1525", "35.5000"},
};

void PrintTo(const TypedPoint& point, std::ostream* out) { *out << point.name; }

// The boxes of the side a point is typed into, and of the other side.
struct Sides {
  std::string source;
  std::string target;
};

Sides sidesOf(const TypedPoint& point) {
  return point.command == "Command1" ? Sides{"_L", "_R"} : Sides{"_R", "_L"};
}

std::string named(const char* box, const std::string& side) { return box + side; }

class TypedPointTest : public ProgramTest,
                       public ::testing::WithParamInterface<std::tuple<TypedPoint, bool>> {};

TEST_P(TypedPointTest, GeographicPointTypedAndConvertedToUtm) {
  const auto& [point, commaFormat] = GetParam();
  const NumberFormat format = commaFormat ? NumberFormat::comma() : NumberFormat::point();
  startProgram(format);
  const Sides sides = sidesOf(point);
  const QString mark(QChar::fromLatin1(format.decimalMark));
  const auto local = [&](const char* number) { return QString::fromLatin1(number).replace(QLatin1Char('.'), mark); };

  pickWithKeys(point.targetKind, QStringLiteral("UTM"));
  const char* boxes[] = {"LAT_D", "LAT_M", "LAT_S", "LON_D", "LON_M", "LON_S"};
  for (int k = 0; k < 3; ++k) type(named(boxes[k], sides.source), local(point.latitude[k]));
  for (int k = 0; k < 3; ++k) type(named(boxes[k + 3], sides.source), local(point.longitude[k]));
  type(named("ALT_M", sides.source), local(point.height));
  clickOn(point.command);

  EXPECT_EQ(textOf(named("Zone", sides.target)), QString::fromLatin1(point.zone));
  EXPECT_EQ(textOf(named("LAT_D", sides.target)), local(point.northing));
  EXPECT_EQ(textOf(named("LON_D", sides.target)), local(point.easting));
  EXPECT_EQ(textOf(named("ALT_M", sides.target)), local(point.targetHeight));
  expectWidgetsShowState();
}

INSTANTIATE_TEST_SUITE_P(BothDirectionsBothMarks, TypedPointTest,
                         ::testing::Combine(::testing::ValuesIn(kTypedPoints), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "Comma" : "Point");
                         });

TEST_F(ProgramTest, TypingWritesTheBoxTextIntoTheState) {
  type("LAT_D_L", QStringLiteral("-0"));
  type("LON_S_L", QStringLiteral("12,75"));
  EXPECT_EQ(program->state().LAT_D_L.text, "-0");
  EXPECT_EQ(program->state().LON_S_L.text, "12,75");
}

struct BadEntry {
  const char* name;
  const char* latitudeDegrees;
  QMessageBox::Icon icon;
  const char* message;
};

void PrintTo(const BadEntry& entry, std::ostream* out) { *out << entry.name; }

class BadEntryTest : public ProgramTest, public ::testing::WithParamInterface<BadEntry> {};

TEST_P(BadEntryTest, IsReportedInAMessageBoxAndConvertsNothing) {
  const BadEntry& entry = GetParam();
  type("LAT_D_L", QString::fromUtf8(entry.latitudeDegrees));
  for (const char* box : {"LAT_M_L", "LAT_S_L", "LON_M_L", "LON_S_L"}) type(box, QStringLiteral("0"));
  type("LON_D_L", QStringLiteral("-66"));

  const SeenMessage seen = answerMessage([&] { clickOn("Command1"); });

  EXPECT_EQ(seen.title, QStringLiteral("Atención"));
  EXPECT_EQ(seen.text, QString::fromUtf8(entry.message));
  EXPECT_EQ(seen.icon, entry.icon);
  EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("Aceptar")});
  EXPECT_EQ(textOf("LAT_D_R"), QString());
  EXPECT_EQ(textOf("LON_D_R"), QString());
  expectWidgetsShowState();
}

INSTANTIATE_TEST_SUITE_P(
    Entries, BadEntryTest,
    // The box's first line is the program's own message, the second names the
    // box and the text typed.
    ::testing::Values(BadEntry{"LatitudeOutOfRange", "95", QMessageBox::Warning,
                               "La Latitud debe estar entre -88 y 88 grados\n"
                               "Latitud (grados), panel izquierdo: \"95\""},
                      BadEntry{"NotANumber", "1O", QMessageBox::Critical,
                               "Error en los Datos\nLatitud (grados), panel izquierdo: \"1O\""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brelosta
