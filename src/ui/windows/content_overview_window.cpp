#include "ui/windows/content_overview_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/help/content_overview_help.h"
#include "ui/help/window_help.h"
#include "ui/widgets/named_controls.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_keys.h"
#include "ui/widgets/window_style.h"

namespace kelvaro::ui {

ContentOverviewWindow::ContentOverviewWindow() {
  setObjectName(QStringLiteral("TForm4"));
  useFixedDialogFrame(*this);
  setFixedSize(820, 640);
  setFont(captionFont(9, true));

  text_ = named(new QPlainTextEdit(this), "Memo1", {8, 8, 804, 580});
  text_->setFont(fixedPitchFont(9, true));
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setTabChangesFocus(true);

  continueButton_ = button(this, "Button1", QStringLiteral("Weiter zur Suche"), {8, 598, 180, 32});
  savePdfButton_ =
      button(this, "SavePdfButton", QStringLiteral("Als PDF speichern …"), {356, 598, 168, 32});
  printButton_ = button(this, "Button2", QStringLiteral("Drucken"), {532, 598, 136, 32});
  saveButton_ = button(this, "Button3", QStringLiteral("Speichern"), {676, 598, 136, 32});
  addPrintAndSaveKeys(*this, *printButton_, *saveButton_);
  addHelpKey(*this, QStringLiteral("Inhaltsübersicht"), contentOverviewHelp());

  connect(continueButton_, &QPushButton::clicked, this, &QDialog::accept);
  installEventFilter(this);
  for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);
  connect(printButton_, &QPushButton::clicked, this, &ContentOverviewWindow::printClicked);
  connect(saveButton_, &QPushButton::clicked, this, &ContentOverviewWindow::saveClicked);
  connect(savePdfButton_, &QPushButton::clicked, this, &ContentOverviewWindow::savePdfClicked);
}

void ContentOverviewWindow::showOverview(const ResultText& lines) {
  setLines(*text_, lines);
  showFromTop(*text_);
  setModal(true);
  show();
  activateWindow();
}

std::vector<std::string> ContentOverviewWindow::lines() const { return linesOf(*text_); }

void ContentOverviewWindow::showEvent(QShowEvent* event) {
  setWindowTitle(QStringLiteral("Die Inhaltsübersicht"));
  QDialog::showEvent(event);
  continueButton_->setFocus(Qt::OtherFocusReason);
  shown_.start();
}

// The orb entry closes by itself on the second digit of the minutes; an
// Enter typed after it (to confirm, as elsewhere) or a further digit would
// otherwise reach "Weiter zur Suche" before the overview could be read.
// Keys pressed in the first moments after the window came up are dropped;
// from then on Enter goes on as usual.
bool ContentOverviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && shown_.isValid() &&
      !shown_.hasExpired(kTypedAheadTime.count())) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kelvaro::ui
