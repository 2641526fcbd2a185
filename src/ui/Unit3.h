#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace kelvaro::ui {

// TForm3, the help window of the variant panel. It is not modal: the main
// window stays usable while it is open, and there is only ever this one.
class TForm3 : public QWidget {
  Q_OBJECT

 public:
  TForm3();

  // Shows the window, or brings it to the front when it is already open.
  void showHelp();

 protected:
  // Escape closes the window, as "gelesen" does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPlainTextEdit* Memo1;
  QPushButton* Button1;  // "gelesen"
};

}  // namespace kelvaro::ui
