#include "ui/Unit4.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/named_controls.h"
#include "ui/text_view.h"
#include "ui/window_style.h"

namespace kelvaro::ui {

TForm4::TForm4() {
  setObjectName(QStringLiteral("TForm4"));
  useFixedDialogFrame(*this);
  setFixedSize(820, 640);
  setFont(captionFont(9, true));

  Memo1 = named(new QPlainTextEdit(this), "Memo1", {8, 8, 804, 580});
  Memo1->setFont(fixedPitchFont(9, true));
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setTabChangesFocus(true);

  Button1 = button(this, "Button1", QStringLiteral("Weiter zur Suche"), {8, 598, 180, 32});
  SavePdfButton =
      button(this, "SavePdfButton", QStringLiteral("Als PDF speichern …"), {356, 598, 168, 32});
  Button2 = button(this, "Button2", QStringLiteral("Drucken"), {532, 598, 136, 32});
  Button3 = button(this, "Button3", QStringLiteral("Speichern"), {676, 598, 136, 32});

  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  installEventFilter(this);
  for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);
  connect(Button2, &QPushButton::clicked, this, &TForm4::printClicked);
  connect(Button3, &QPushButton::clicked, this, &TForm4::saveClicked);
  connect(SavePdfButton, &QPushButton::clicked, this, &TForm4::savePdfClicked);
}

void TForm4::showOverview(const ResultText& lines) {
  setLines(*Memo1, lines);
  showFromTop(*Memo1);
  setModal(true);
  show();
  activateWindow();
}

std::vector<std::string> TForm4::lines() const { return linesOf(*Memo1); }

void TForm4::showEvent(QShowEvent* event) {
  setWindowTitle(QStringLiteral("Die Inhaltsübersicht"));
  QDialog::showEvent(event);
  Button1->setFocus(Qt::OtherFocusReason);
  shown_.start();
}

// The orb entry closes by itself on the second digit of the minutes; an
// Enter typed after it (to confirm, as elsewhere) or a further digit would
// otherwise reach "Weiter zur Suche" before the overview could be read.
// Keys pressed in the first moments after the window came up are dropped;
// from then on Enter goes on as usual.
bool TForm4::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && shown_.isValid() &&
      !shown_.hasExpired(kTypedAheadTime.count())) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kelvaro::ui
