// The persons window on a German desktop: the program's start leaves the C
// library in the user's locale, where printf writes a decimal comma. The AAF
// export keeps its decimal point, and the window reads its own file back.
#include <QApplication>
#include <QTableView>
#include <algorithm>
#include <cstdio>

#include "archive/aaf_reader.h"
#include "archive/archive.h"
#include "print/print_support.h"
#include "ui/platform/german_locale.h"
#include "ui/platform/offscreen_screen.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_test_case.h"
#include "ui/windows/persons_window.h"

namespace kelvaro::testing {

class PersonsLocaleTest : public UiTestCase {
  Q_OBJECT

  void setUp() override {
    run_ = std::make_unique<UiRun>();
    run_->start();
  }

  ui::PersonsWindow& openPersons() {
    click(child(run_->main(), "PersonsButton"));
    auto* window = run_->main().findChild<ui::PersonsWindow*>(QStringLiteral("PersonsWindow"));
    if (window && !QTest::qWaitForWindowActive(window))
      qWarning("the window did not become active");
    return *window;
  }

 private slots:
  void aafExportReadsBack() {
    char comma[8];
    std::snprintf(comma, sizeof comma, "%.1f", 0.5);
#ifdef Q_OS_WIN
    if (QByteArray(comma) != "0,5") QSKIP("Wine gives the C library no German locale");
#endif
    QVERIFY2(QByteArray(comma) == "0,5", "the locale de_DE.UTF-8 is missing");

    const auto archiveFile = archive::archiveFileIn(run_->folders().program);
    archive::Person person;
    person.name = "Ferber";
    person.firstName = "Tobias";
    person.birthDate = {1970, 9, 27};
    person.birthTime = archive::BirthTime{11, 4, 0, false};
    person.zone = "Europe/Berlin";
    person.place = "Kandel";
    person.latitude = 49.0833;
    person.longitude = 8.1833;
    person.birthMoment = archive::momentOfBirth(person);
    std::get<archive::Archive>(archive::Archive::open(archiveFile)).storeAll({person});

    ui::PersonsWindow& persons = openPersons();
    const auto out = run_->folders().program / "export.aaf";
    run_->platform().saveNextAs(out);
    click(child(persons, "ExportAaf"));
    const std::string text = fileBytes(out);
    const std::size_t b93 = text.find("#B93:");
    QVERIFY2(b93 != std::string::npos, text.c_str());
    const std::string line = text.substr(b93, text.find('\r', b93) - b93);
    QCOMPARE(std::count(line.begin(), line.end(), ','), 4);  // five fields
    QVERIFY2(line.find('.') != std::string::npos, line.c_str());

    const auto records = archive::readAaf(text);
    QCOMPARE(records.size(), std::size_t{1});
    const auto* read = std::get_if<archive::Person>(&records[0].person);
    QVERIFY(read != nullptr);
    QCOMPARE(read->birthMoment, person.birthMoment);

    // Imported again through the window: the same person, already there.
    run_->platform().forgetBoxes();
    run_->platform().chooseNext(out.string());
    click(child(persons, "ImportAaf"));
    QCOMPARE(run_->platform().boxes(),
             oneBox(ui::BoxKind::information, "0 übernommen, 1 schon vorhanden, 0 fehlerhaft"));
  }
};

}  // namespace kelvaro::testing

// As the program starts: Qt's application object and then the user's locale
// for the C library (the test runs with LC_ALL=de_DE.UTF-8).
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const kelvaro::ui::OffscreenScreen screen(QSize(1920, 1080));
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  kelvaro::ui::GermanLocale german;
  QApplication app(argc, argv);
  german.apply(app);
  app.setQuitOnLastWindowClosed(false);
  kelvaro::testing::PersonsLocaleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "persons_locale_test.moc"
