#include "qt/qt_toolkit.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QUrl>

#include "app/platform/system_viewer.hpp"
#include "qt/control_view.hpp"

namespace brelosta {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

MessageAnswer runMessageBox(QWidget* parent, const MessageRequest& request) {
  const bool yesNo = request.buttons == MessageButtons::YesNo;
  QMessageBox box(qtIcon(request.icon), qtText(request.title), qtText(request.text),
                  yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  // Spanish captions whether or not Qt's own translation is installed.
  if (yesNo) {
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(request.defaultAnswer == MessageAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
  } else {
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
  }
  box.exec();
  if (!yesNo) return MessageAnswer::Ok;
  return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes : MessageAnswer::No;
}

// A dialog object rather than the static helpers: an open dialog that takes a
// file not yet written needs the "any file" mode.
std::optional<std::string> runFileDialog(QWidget* parent, const FileDialogRequest& request) {
  const QString start = request.initialFile.empty() ? QDir::currentPath() : qtText(request.initialFile);
  QFileDialog dialog(parent, qtText(request.title));
  const bool open = request.mode == FileDialogMode::Open;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open && request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(qtFileFilter(request.filter).split(QStringLiteral(";;")));
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(qtText(request.defaultExtension));
  const QFileInfo startInfo(start);
  if (startInfo.isDir()) {
    dialog.setDirectory(start);
  } else {
    dialog.setDirectory(startInfo.absolutePath());
    dialog.selectFile(startInfo.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog.selectedFiles().constFirst();
  if (chosen.isEmpty()) return std::nullopt;
  return stateText(QDir::toNativeSeparators(chosen));
}

}  // namespace

QString qtFileFilter(std::string_view filter) {
  const QStringList parts = qtText(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype k = 0; k + 1 < parts.size(); k += 2) {
    QStringList patterns = parts[k + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
    }
    filters.push_back(parts[k] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
  }
  if (filters.isEmpty()) return QStringLiteral("(*)");
  return filters.join(QStringLiteral(";;"));
}

QtToolkit::QtToolkit(const MainWindowState& state) : BackgroundRunToolkit(state) {}

void QtToolkit::post(std::function<void()> job) {
  QMetaObject::invokeMethod(this, std::move(job), Qt::QueuedConnection);
}

bool QtToolkit::onConversionThread() const { return QThread::currentThread() != thread(); }

template <class Result, class Function>
Result QtToolkit::onUserInterfaceThread(Function function) {
  if (!onConversionThread()) return function();
  Result result{};
  QMetaObject::invokeMethod(
      this,
      [&] {
        if (beforeConversionDialog) beforeConversionDialog();
        result = function();
      },
      Qt::BlockingQueuedConnection);
  return result;
}

MessageAnswer QtToolkit::showMessage(const MessageRequest& request) {
  return onUserInterfaceThread<MessageAnswer>(
      [&] { return runMessageBox(dialogParent ? dialogParent() : nullptr, request); });
}

std::optional<std::string> QtToolkit::chooseFile(const FileDialogRequest& request) {
  return onUserInterfaceThread<std::optional<std::string>>(
      [&] { return runFileDialog(dialogParent ? dialogParent() : nullptr, request); });
}

std::optional<std::string> QtToolkit::clipboardText() {
  return onUserInterfaceThread<std::optional<std::string>>([]() -> std::optional<std::string> {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) return std::nullopt;
    return stateText(text);
  });
}

void QtToolkit::waitCursorSwitched(bool on) {
  if (on)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

bool QtToolkit::startHelpViewer(const std::filesystem::path& guide) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(guide, error)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(qtText(guide.string())));
}

bool QtToolkit::openWithViewer(const std::filesystem::path& file) { return openWithSystemViewer(file); }

void QtToolkit::leaveEventLoop() { QCoreApplication::exit(0); }

}  // namespace brelosta
