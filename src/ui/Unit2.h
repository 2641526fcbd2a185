#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvaro::ui {

class Platform;

// TForm2, the orb entry: whole degrees and minutes of the orb in two fields,
// checked when the minutes are left (by their second digit, Enter, Tab or a
// click) or by "OK".
// It is shown modally without blocking (open(), then QDialog::finished), and
// however it closes it reports Accepted; orb() then holds the orb it leaves.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(Platform& platform);

  // Shows the entry for `orb`: the degrees field gets Trunc(orb), the minutes
  // field the rounded minutes, and the degrees field the focus.
  void openEntry(double orb);

  // The orb as the last check left it (unchanged when no check ran).
  double orb() const { return orb_; }

  // Every way of closing (Escape, the window system) counts as OK.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Edit1Change();
  void Edit2Change();
  void Edit1Enter();
  void Edit2Enter();
  void Edit2Exit();

  Platform& platform_;
  double orb_ = 0;
  bool checking_ = false;  // a check is running: its own focus moves must not start another
  bool closing_ = false;
  bool selectOnActivation_ = false;  // the entry has just opened and is not active yet

  QLineEdit* Edit1;      // degrees, one character
  QLineEdit* Edit2;      // minutes, two characters
  QLabel* Label1;        // "Grad"
  QLabel* Label2;        // "Minuten"
  QPushButton* Button1;  // "OK"
};

}  // namespace kelvaro::ui
