#include "qt/control_view.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalBlocker>
#include <cmath>

#include "app/keyboard.hpp"
#include "qt/twip_row.hpp"

namespace brelosta {
namespace {

QStringList qtTexts(const std::vector<std::string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::string& text : texts) list.push_back(qtText(text));
  return list;
}

void showAction(QAction* action, const Control& control) {
  const QSignalBlocker blocker(action);
  // Menu actions are named after their controls; the caption gets its
  // access key.
  const QString caption = qtText(menuCaption(stateText(action->objectName()), control.text));
  if (!action->isSeparator() && action->text() != caption) action->setText(caption);
  if (control.checked()) action->setCheckable(true);
  if (action->isCheckable()) action->setChecked(control.checked());
  action->setEnabled(control.enabled);
  action->setVisible(control.visible);
}

void showList(QComboBox* combo, const Control& control) {
  const QStringList entries = qtTexts(control.entries);
  QStringList shown;
  for (int k = 0; k < combo->count(); ++k) shown.push_back(combo->itemText(k));
  if (shown != entries) {
    combo->clear();
    combo->addItems(entries);
  }
  if (combo->currentIndex() != control.index) combo->setCurrentIndex(control.index);
  if (combo->isEditable() && combo->currentText() != qtText(control.text)) combo->setEditText(qtText(control.text));
}

void showEntries(QListWidget* list, const Control& control) {
  const QStringList entries = qtTexts(control.entries);
  QStringList shown;
  for (int k = 0; k < list->count(); ++k) shown.push_back(list->item(k)->text());
  if (shown == entries) return;
  list->clear();
  list->addItems(entries);
}

// Run-time widths are twips: inside a row of twip positions the row places
// the widget, elsewhere it gets the width at the widget's font.
void showWidth(QWidget* widget, int widthTwips) {
  if (auto* row = qobject_cast<TwipRow*>(widget->parentWidget()))
    row->setChildWidth(widget, widthTwips);
  else
    widget->setFixedWidth(twipsToPixels(widget->fontMetrics(), widthTwips));
}

void showCaption(QWidget* widget, const Control& control) {
  const QString text = qtText(control.text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != text) edit->setText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    showList(combo, control);
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    check->setChecked(control.checked());
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    // A picture button keeps its picture when it has no caption.
    if (button->icon().isNull() || !text.isEmpty()) button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text() != text) label->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(text);
  } else if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
    bar->setValue(static_cast<int>(std::lround(control.progress)));
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    showEntries(list, control);
  }
}

void showWindow(QWidget* window, const Control& control) {
  if (window->windowTitle() != qtText(control.text)) window->setWindowTitle(qtText(control.text));
  if (control.visible && !window->isVisible()) window->show();
  if (!control.visible && window->isVisible()) window->hide();
}

}  // namespace

void showControl(QObject* target, const Control& control) {
  if (auto* action = qobject_cast<QAction*>(target)) {
    showAction(action, control);
    return;
  }
  auto* widget = qobject_cast<QWidget*>(target);
  if (widget == nullptr) return;
  if (widget->isWindow()) {
    showWindow(widget, control);
    return;
  }
  const QSignalBlocker blocker(widget);
  showCaption(widget, control);
  if (control.width) showWidth(widget, *control.width);
  widget->setEnabled(control.enabled);
  if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
}

}  // namespace brelosta
