#include "ui/Unit3.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/help_text.h"
#include "ui/text_view.h"
#include "ui/window_style.h"

namespace kelvaro::ui {

TForm3::TForm3() {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(QStringLiteral("Hilfe"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(526, 548);
  move(40, 80);
  fillBackground(*this, colour::navy);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(12, 12, 502, 480);
  Memo1->setReadOnly(true);
  Memo1->setFont(captionFont(10, true, true));
  setBaseColour(*Memo1, colour::cream);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setLines(*Memo1, helpLines());

  Button1 = new QPushButton(QStringLiteral("gelesen"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(213, 504, 100, 32);
  connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Button1->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TForm3::showHelp() {
  show();
  raise();
  activateWindow();
}

}  // namespace kelvaro::ui
