#include "ui/windows/backups_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/help/backups_help.h"
#include "ui/help/window_help.h"
#include "ui/widgets/text_view.h"

namespace kelvaro::ui {

BackupsDialog::BackupsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("BackupsDialog"));
  setWindowTitle(QStringLiteral("Sicherung wiederherstellen"));
  auto* explanation = new QLabel(
      QStringLiteral("Kelvaro sichert das Archiv vor der ersten Änderung eines Tages und vor "
                     "jedem Import. Die gewählte Sicherung ersetzt das ganze Archiv; der "
                     "jetzige Stand wird vorher selbst gesichert."),
      this);
  explanation->setWordWrap(true);
  table_ = new QTableWidget(0, 2, this);
  table_->setObjectName(QStringLiteral("BackupTable"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Gesichert am"), QStringLiteral("Personen")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setColumnWidth(0, 180);
  restoreButton_ = new QPushButton(QStringLiteral("Wiederherstellen"), this);
  restoreButton_->setObjectName(QStringLiteral("RestoreChosenBackup"));
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel->setObjectName(QStringLiteral("CancelBackups"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(restoreButton_);
  buttons->addWidget(cancel);
  auto* all = new QVBoxLayout(this);
  all->addWidget(explanation);
  all->addWidget(table_, 1);
  all->addLayout(buttons);
  resize(420, 360);
  addHelpKey(*this, QStringLiteral("Sicherung wiederherstellen"), backupsHelp());

  connect(restoreButton_, &QPushButton::clicked, this, &BackupsDialog::choose);
  connect(table_, &QTableWidget::cellDoubleClicked, this, &BackupsDialog::choose);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(table_, &QTableWidget::itemSelectionChanged, this,
          [this] { restoreButton_->setEnabled(!table_->selectedItems().isEmpty()); });
}

void BackupsDialog::openWith(std::vector<archive::Backup> backups, Chosen chosen) {
  backups_ = std::move(backups);
  chosen_ = std::move(chosen);
  table_->setRowCount(static_cast<int>(backups_.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const archive::Backup& backup = backups_[static_cast<std::size_t>(row)];
    table_->setItem(row, 0, new QTableWidgetItem(toQString(backup.taken)));
    auto* persons = new QTableWidgetItem(backup.persons ? QString::number(*backup.persons)
                                                        : QStringLiteral("unlesbar"));
    persons->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(row, 1, persons);
  }
  table_->selectRow(0);
  setModal(true);
  show();
  activateWindow();
  table_->setFocus(Qt::OtherFocusReason);
}

void BackupsDialog::choose() {
  const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
  if (ranges.isEmpty()) return;
  const archive::Backup backup = backups_[static_cast<std::size_t>(ranges.front().topRow())];
  accept();
  chosen_(backup);
}

}  // namespace kelvaro::ui
