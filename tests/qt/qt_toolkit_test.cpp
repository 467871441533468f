// The Qt toolkit's dialogs, and how the program reads its options and the
// user's number format.

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "program_fixture.hpp"
#include "qt/program_options.hpp"
#include "qt/qt_toolkit.hpp"

namespace brelosta {
namespace {

TEST(QtFileFilter, DescriptionPatternPairs) {
  const struct {
    const char* filter;
    const char* qt;
  } cases[] = {
      {"(*.*)|*.*", "(*.*) (*)"},
      {"Puntos (*.txt)|*.txt|(*.*)|*.*", "Puntos (*.txt) (*.txt);;(*.*) (*)"},
      {"Puntos|*.txt;*.csv", "Puntos (*.txt *.csv)"},
      {"", "(*)"},
  };
  for (const auto& c : cases) EXPECT_EQ(qtFileFilter(c.filter), QString::fromUtf8(c.qt)) << c.filter;
}

TEST(ProgramOptionsTest, NumberFormatFromLocaleVariableAndCommandLine) {
  const NumberFormat comma = NumberFormat::comma();
  const NumberFormat point = NumberFormat::point();
  const struct {
    const char* name;
    QStringList arguments;
    QString variable;
    NumberFormat system;
    NumberFormat expected;
  } cases[] = {
      {"comma in the regional settings", {}, {}, comma, comma},
      {"point in the regional settings", {}, {}, point, point},
      {"variable over locale", {}, QStringLiteral("point"), comma, point},
      {"command line over variable", {QStringLiteral("--number-format"), QStringLiteral("comma")},
       QStringLiteral("point"), point, comma},
  };
  for (const auto& c : cases) {
    const auto options = programOptions(c.arguments, c.variable, c.system);
    ASSERT_TRUE(std::holds_alternative<ProgramOptions>(options)) << c.name;
    EXPECT_EQ(std::get<ProgramOptions>(options).numberFormat, c.expected) << c.name;
  }
}

TEST(ProgramOptionsTest, WorkingFolderAndBadOptions) {
  const NumberFormat point = NumberFormat::point();
  const auto folder = programOptions({QStringLiteral("--workdir"), QStringLiteral("/datos/proyecto")}, {}, point);
  ASSERT_TRUE(std::holds_alternative<ProgramOptions>(folder));
  EXPECT_EQ(std::get<ProgramOptions>(folder).workingFolder, std::filesystem::path("/datos/proyecto"));
  EXPECT_FALSE(std::get<ProgramOptions>(programOptions({}, {}, point)).workingFolder.has_value());

  const QStringList bad[] = {{QStringLiteral("--number-format"), QStringLiteral("decimal")},
                             {QStringLiteral("--workdir")},
                             {QStringLiteral("--ventana")}};
  for (const QStringList& arguments : bad)
    EXPECT_TRUE(std::holds_alternative<QString>(programOptions(arguments, {}, point))) << arguments.join(' ').toStdString();
  EXPECT_TRUE(std::holds_alternative<QString>(programOptions({}, QStringLiteral("coma"), point)));
}

// Answers the next file dialog: records its title and filters, then picks
// `file` or cancels.
struct DialogAnswer {
  QString title;
  QStringList filters;
  QStringList buttons;
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
};

DialogAnswer answerFileDialog(const std::function<void()>& action, const QString& file) {
  DialogAnswer seen;
  bool answered = false;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    if (answered) {
      ADD_FAILURE() << "the file dialog did not take the answer";
      dialog->reject();
      return;
    }
    answered = true;
    seen.title = dialog->windowTitle();
    seen.filters = dialog->nameFilters();
    seen.mode = dialog->acceptMode();
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
      if (!button->text().isEmpty()) seen.buttons.push_back(button->text().remove(QLatin1Char('&')));
    if (file.isEmpty()) {
      dialog->reject();
    } else {
      // Typed as a user would: the dialog reads its folder in the background.
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      name->setText(file);
      QTest::keyClick(name, Qt::Key_Return);
    }
  });
  watcher.start(20);
  action();
  EXPECT_TRUE(answered) << "no file dialog";
  return seen;
}

TEST_F(ProgramTest, FileDialogsShowTitleAndFilterAndReturnTheChosenFile) {
  QTemporaryDir folder;
  const QString points = folder.filePath(QStringLiteral("puntos.txt"));
  QFile(points).open(QIODevice::WriteOnly);
  std::optional<std::string> chosen;
  const auto choose = [&](FileDialogMode mode) {
    return [&, mode] {
      chosen = program->toolkit().chooseFile(FileDialogRequest{mode, "Archivo de Entrada", "(*.*)|*.*", ""});
    };
  };

  const DialogAnswer open = answerFileDialog(choose(FileDialogMode::Open), points);
  EXPECT_EQ(open.title, QStringLiteral("Archivo de Entrada"));
  EXPECT_EQ(open.filters, QStringList{QStringLiteral("(*.*) (*)")});
  EXPECT_EQ(open.mode, QFileDialog::AcceptOpen);
  EXPECT_TRUE(open.buttons.contains(QStringLiteral("Abrir"))) << open.buttons.join(',').toStdString();
  EXPECT_TRUE(open.buttons.contains(QStringLiteral("Cancelar"))) << open.buttons.join(',').toStdString();
  EXPECT_EQ(chosen, points.toStdString());

  const DialogAnswer save = answerFileDialog(choose(FileDialogMode::Save), folder.filePath(QStringLiteral("nuevo.cfg")));
  EXPECT_EQ(save.mode, QFileDialog::AcceptSave);
  EXPECT_EQ(chosen, folder.filePath(QStringLiteral("nuevo.cfg")).toStdString());

  answerFileDialog(choose(FileDialogMode::Open), {});
  EXPECT_EQ(chosen, std::nullopt);
}

TEST_F(ProgramTest, MessageIconsAndButtons) {
  const struct {
    MessageIcon icon;
    QMessageBox::Icon qtIcon;
  } icons[] = {{MessageIcon::Warning, QMessageBox::Warning},
               {MessageIcon::Critical, QMessageBox::Critical},
               {MessageIcon::Question, QMessageBox::Question},
               {MessageIcon::Information, QMessageBox::Information}};
  for (const auto& c : icons) {
    MessageAnswer answer = MessageAnswer::No;
    const SeenMessage seen = answerMessage(
        [&] { answer = program->toolkit().showMessage(MessageRequest{"Atención", "Texto", c.icon}); });
    EXPECT_EQ(seen.icon, c.qtIcon);
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("Aceptar")});
    EXPECT_EQ(answer, MessageAnswer::Ok);
  }
  const SeenMessage yes = answerMessage([&] {
    program->toolkit().showMessage(
        MessageRequest{"Brelosta", "¿Sí?", MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes});
  });
  EXPECT_EQ(yes.defaultButton, QStringLiteral("Sí"));
}

TEST_F(ProgramTest, HelpViewerWithoutTheGuideReportsFailure) {
  EXPECT_FALSE(program->toolkit().startHelpViewer(kShippedCatalogues / "no-existe.html"));
}

}  // namespace
}  // namespace brelosta
