#pragma once

#include <functional>
#include <vector>

#include <QDialog>

#include "archive/archive_backup.h"

class QPushButton;
class QTableWidget;

namespace kelvaro::ui {

// The window "Sicherung wiederherstellen" of the persons window: the
// archive's backups, the newest first, with the time each was made and its
// persons. Shown modally without blocking; "Wiederherstellen" (or a
// double-click) hands the chosen backup on and closes the window.
class BackupsDialog : public QDialog {
  Q_OBJECT

 public:
  using Chosen = std::function<void(const archive::Backup& backup)>;

  explicit BackupsDialog(QWidget* parent);

  void openWith(std::vector<archive::Backup> backups, Chosen chosen);

 private:
  void choose();

  std::vector<archive::Backup> backups_;
  Chosen chosen_;
  QTableWidget* table_;
  QPushButton* restoreButton_;
};

}  // namespace kelvaro::ui
