#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelvaro::ui {

class KeywordsFile;
class Platform;

// "Stichworte": the keywords file as text to edit, one "KEY = words" a line.
// Lines that cannot be read are listed with their numbers as the text
// changes; they are saved as they stand, never dropped, and only do not count.
class KeywordsDialog : public QDialog {
  Q_OBJECT

 public:
  KeywordsDialog(Platform& platform, KeywordsFile& file, QWidget* parent);

 signals:
  // The file was saved; what reads keywords reads them again.
  void saved();

 private:
  void showProblems();
  void save();

  Platform& platform_;
  KeywordsFile& file_;
  QPlainTextEdit* text_;
  QPlainTextEdit* problems_;
  QPushButton* save_;
};

}  // namespace kelvaro::ui
