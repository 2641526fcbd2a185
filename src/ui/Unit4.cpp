#include "ui/Unit4.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/text_view.h"
#include "ui/window_style.h"

namespace kelvaro::ui {

TForm4::TForm4() {
  setObjectName(QStringLiteral("TForm4"));
  useFixedDialogFrame(*this);
  setFixedSize(820, 640);
  setFont(captionFont(9, true));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(8, 8, 804, 580);
  Memo1->setFont(fixedPitchFont(9, true));
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setTabChangesFocus(true);

  Button1 = new QPushButton(QStringLiteral("Weiter zur Suche"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(8, 598, 180, 32);
  Button2 = new QPushButton(QStringLiteral("Drucken"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(532, 598, 136, 32);
  Button3 = new QPushButton(QStringLiteral("Speichern"), this);
  Button3->setObjectName(QStringLiteral("Button3"));
  Button3->setGeometry(676, 598, 136, 32);

  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &TForm4::printClicked);
  connect(Button3, &QPushButton::clicked, this, &TForm4::saveClicked);
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
}

}  // namespace kelvaro::ui
