// Qt's own dialogs speak German whatever the system's locale is; the test
// runs with LANG=C.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "support/temp_dir.h"
#include "ui/platform/german_locale.h"
#include "ui/support/ui_test_case.h"

namespace kelvaro::testing {

class GermanLocaleTest : public UiTestCase {
  Q_OBJECT

 private slots:
  // The buttons, the file's date and its type, as the user sees them.
  void fileDialogIsGerman() {
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    QFile file(folder + QStringLiteral("/mueller.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2560, '\0'));
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(QDateTime(QDate(2025, 3, 4), QTime(15, 30)),
                             QFileDevice::FileModificationTime));
    file.close();

    QFileDialog dialog(nullptr, QStringLiteral("Öffnen"), folder);
    dialog.show();
    auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    QVERIFY(files != nullptr);
    QTRY_COMPARE(files->model()->rowCount(files->rootIndex()), 1);
    const QModelIndex row = files->model()->index(0, 0, files->rootIndex());
    const QString type = row.siblingAtColumn(2).data().toString();
    // Qt's own file dialog takes its dates from the system's locale, which
    // the environment sets only off Windows. On Windows the program shows
    // Windows' file dialog, with the dates as the user's Windows writes them.
#ifndef Q_OS_WIN
    const QString date = row.siblingAtColumn(3).data().toString();
    QVERIFY2(date.startsWith(QStringLiteral("04.03.25")), qPrintable(date));
#endif
    QVERIFY2(!type.contains(QStringLiteral("unknown"), Qt::CaseInsensitive), qPrintable(type));

    QStringList captions;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
      captions << button->text();
    QVERIFY2(captions.contains(QStringLiteral("Abbrechen")), qPrintable(captions.join(',')));
  }

  void standardButtonsAndDatesAreGerman() {
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(box.button(QDialogButtonBox::Close)->text(), QStringLiteral("Schließen"));
    QCOMPARE(QLocale().toString(QDate(2026, 12, 8), QStringLiteral("d. MMMM yyyy")),
             QStringLiteral("8. Dezember 2026"));
  }

  // Only Qt was given German: the environment is the user's again.
  void environmentIsTheUsers() { QCOMPARE(qgetenv("LC_ALL"), QByteArray()); }
};

}  // namespace kelvaro::testing

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  kelvaro::ui::GermanLocale german;
  QApplication app(argc, argv);
  german.apply(app);
  kelvaro::testing::GermanLocaleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "german_locale_test.moc"
