#pragma once

#include <chrono>
#include <string>
#include <vector>

#include <QDialog>
#include <QElapsedTimer>

#include "core/result_text.h"

class QPlainTextEdit;
class QPushButton;

namespace kelvaro::ui {

// TForm4, the content overview: the sums in several axes and their count
// grid, shown modally without blocking after the orb entry of every load.
// "Weiter zur Suche" closes it with OK; printing and saving its text are
// done by the main window, which holds the record (printClicked,
// saveClicked, savePdfClicked).
class TForm4 : public QDialog {
  Q_OBJECT

 public:
  TForm4();

  // How long after the window came up a key press counts as typed ahead
  // for an earlier window, and is dropped.
  static constexpr std::chrono::milliseconds kTypedAheadTime{600};

  // Puts the lines into the text view and shows the window.
  void showOverview(const ResultText& lines);

  // The text as it stands now; the user may have edited it.
  std::vector<std::string> lines() const;

 signals:
  void printClicked();
  void saveClicked();
  void savePdfClicked();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPlainTextEdit* Memo1;
  QPushButton* Button1;        // "Weiter zur Suche"
  QPushButton* Button2;        // "Drucken"
  QPushButton* Button3;        // "Speichern"
  QPushButton* SavePdfButton;  // "Als PDF speichern …"
  QElapsedTimer shown_;        // since the window came up
};

}  // namespace kelvaro::ui
