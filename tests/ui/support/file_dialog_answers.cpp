#include "ui/support/file_dialog_answers.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace kelvaro::testing {

void whenDialogListed(int count, bool& listed, std::function<void(QFileDialog&)> answer) {
  listed = false;
  QTimer::singleShot(0, [count, &listed, answer] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    auto* model = dialog->findChild<QFileSystemModel*>();
    const auto allListed = [&] {
      const QModelIndex folder = model->index(dialog->directory().absolutePath());
      if (model->rowCount(folder) < count) return false;
      for (int row = 0; row < count; ++row) {
        if (model->index(row, 2, folder).data().toString().isEmpty()) return false;
      }
      return true;
    };
    listed = QTest::qWaitFor(allListed, 5000);
    QTest::qWait(200);  // the icons, fetched beside the types
    answer(*dialog);
  });
}

void chooseInDialog(QFileDialog& dialog, const char* name) {
  auto* entry = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  entry->setFocus();
  QTest::keyClicks(entry, QString::fromUtf8(name));
  QTest::keyClick(entry, Qt::Key_Return);
}

}  // namespace kelvaro::testing
