#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace kelvaro::ui {

// The help of one window: a cream page of paragraphs on a navy frame with
// "gelesen" below. It is not modal; there is only ever one per window, and
// Escape or "gelesen" closes it.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // `paragraphs`: one entry per paragraph (the page wraps them), empty
  // entries between paragraphs.
  HelpWindow(const QString& title, const std::vector<std::string>& paragraphs, QWidget* owner);

  // The help of the main window's variant panel, a window of its own: titled
  // "Hilfe", fixed at 526 × 548 without a close button in its frame. Its page
  // and button keep their given names, Memo1 and Button1.
  static std::unique_ptr<HelpWindow> variantPanelHelp();

  // Shows the window, or brings it to the front when it is already open.
  void showHelp();

  // The page's text, as the user reads it.
  QString text() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPlainTextEdit* page_;
  QPushButton* closeButton_;
};

// Gives `window` its help: F1 anywhere in the window opens it, and so does
// the returned "Hilfe" button (object name "HelpButton"), which the caller
// places in its layout. The help window is a child of `window` with the
// object name "<window's object name>Help" and the title "Hilfe – <title>".
QPushButton* addWindowHelp(QWidget& window, const QString& title,
                           const std::vector<std::string>& paragraphs);

// The same help, opened by F1 alone, for a window without room for the button.
HelpWindow* addHelpKey(QWidget& window, const QString& title,
                       const std::vector<std::string>& paragraphs);

// The help window `addWindowHelp` gave to `window`, or nullptr.
HelpWindow* windowHelp(const QWidget& window);

}  // namespace kelvaro::ui
