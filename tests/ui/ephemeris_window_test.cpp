// The graphic ephemeris opened from a person's timeline: one mark per line
// of the list, a click on a mark chooses its line there, "Heute" and the
// wheel move what is shown.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>

#include "core/text_encoding.h"
#include "print/print_support.h"
#include "support/birth_data.h"
#include "ui/help/window_help.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/widgets/ephemeris_canvas.h"
#include "ui/widgets/line_view.h"
#include "ui/windows/calendar_window.h"
#include "ui/windows/ephemeris_window.h"

namespace kelvaro::testing {

class EphemerisWindowTest : public UiTestCase {
  Q_OBJECT

 protected:
  void setUp() override {
    run_ = std::make_unique<UiRun>();
    run_->start();
    calendar_ = new ui::CalendarWindow(run_->platform(), &run_->main(), {}, run_->startFolder());
    calendar_->openFor(birthData(kKoeln));
    child<QDateEdit>(*calendar_, "FromDate")->setDate(QDate(2026, 1, 1));
    child<QDateEdit>(*calendar_, "ToDate")->setDate(QDate(2026, 6, 30));
    child<QLineEdit>(*calendar_, "WithEdit")->setText(QStringLiteral("MC,SO,AS,MO"));
    click(child(*calendar_, "ComputeButton"));
    click(child(*calendar_, "EphemerisButton"));
    ephemeris_ = calendar_->ephemerisWindow();
  }

 private slots:
  // The timeline computed on the 90° dial: the ephemeris runs from 0 to 90
  // upwards, with every mark in sight at its point's place on that dial.
  void followsTheDialOfTheTimeline() {
    auto* sizes = child<QComboBox>(*calendar_, "DialSizeBox");
    sizes->setCurrentIndex(1);
    click(child(*calendar_, "ComputeButton"));
    click(child(*calendar_, "EphemerisButton"));
    const DialSize ninety(DialSize::Kind::quarter);
    QCOMPARE(ephemeris_->timeline().dial, ninety);
    QVERIFY(text(*calendar_, "TimelineHeading").ends_with("90°-Scheibe"));
    const auto lines = viewLines(*calendar_, "TimelineList");
    QCOMPARE(ephemeris_->timeline().hits.size() + 1, lines.size());
    const ui::EphemerisCanvas& canvas = ephemeris_->canvas();
    std::vector<std::pair<double, int>> places;  // place on the dial, pixel row
    for (std::size_t mark = 0; mark + 1 < lines.size(); ++mark) {
      QVERIFY(canvas.rect().contains(canvas.pixelOfMark(mark)));
      QCOMPARE(canvas.tooltipOf(mark).toStdString(), lines[mark + 1]);
      const timing::TimelineHit& hit = ephemeris_->timeline().hits[mark];
      places.emplace_back(ninety.place(ephemeris_->timeline().points[hit.point].longitude),
                          canvas.pixelOfMark(mark).y());
    }
    std::sort(places.begin(), places.end());
    QVERIFY(places.size() > 2 && places.back().first > 45 && places.front().first < 22.5);
    QVERIFY(places.back().second < places.front().second);
    sizes->setCurrentIndex(3);  // the next test starts on 22,5°
  }

  void opensWithOneMarkPerListLine() {
    QVERIFY(ephemeris_ && ephemeris_->isVisible());
    QCOMPARE(ephemeris_->windowTitle(), QStringLiteral("Grafische Ephemeride"));
    QVERIFY(ui::windowHelp(*ephemeris_) != nullptr);
    const auto lines = viewLines(*calendar_, "TimelineList");
    QVERIFY(lines.size() > 5);
    QCOMPARE(ephemeris_->timeline().hits.size() + 1, lines.size());
    // Every mark is in sight and shows its list line as tooltip.
    const ui::EphemerisCanvas& canvas = ephemeris_->canvas();
    for (std::size_t mark = 0; mark + 1 < lines.size(); ++mark) {
      QVERIFY(canvas.rect().contains(canvas.pixelOfMark(mark)));
      QCOMPARE(canvas.tooltipOf(mark).toStdString(), lines[mark + 1]);
    }
  }

  void aClickOnAMarkChoosesItsLineInTheList() {
    ui::EphemerisCanvas& canvas = ephemeris_->canvas();
    const std::size_t marks = ephemeris_->timeline().hits.size();
    std::optional<std::size_t> alone;  // the last mark nothing else covers
    for (std::size_t mark = 0; mark < marks; ++mark) {
      if (canvas.markAt(canvas.pixelOfMark(mark)) == mark) alone = mark;
    }
    QVERIFY(alone && *alone > 0);
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, canvas.pixelOfMark(*alone));
    QVERIFY(canvas.chosenMark() == alone);
    auto* list = child<ui::LineView>(*calendar_, "TimelineList");
    QCOMPARE(list->anchor().line, *alone + 1);
    QCOMPARE(list->cursor().line, *alone + 1);
    QCOMPARE(list->selectedText().toStdString(), viewLines(*calendar_, "TimelineList")[*alone + 1]);
  }

  void savesTheSheetAsPdfInTheResultFolder() {
    click(child(*ephemeris_, "PdfButton"));
    const auto pdf =
        run_->startFolder() / pathFromUtf8("Müller-Anna-Ephemeride-01012026-30062026.pdf");
    QVERIFY(std::filesystem::exists(pdf) && std::filesystem::file_size(pdf) > 1000);
    const auto& boxes = run_->platform().boxes();
    QCOMPARE(boxes.size(), std::size_t{1});
    QVERIFY(boxes[0].kind == ui::BoxKind::information);
    QVERIFY(boxes[0].text.ends_with("Müller-Anna-Ephemeride-01012026-30062026.pdf"));
  }

#ifndef _WIN32  // pdftotext is a Linux program
  // The printout and the saved files show the stretch the window shows,
  // says so in the head, and carry the birth data.
  void printsTheZoomedStretch() {
    click(child(*ephemeris_, "PdfButton"));
    const auto pdf =
        run_->startFolder() / pathFromUtf8("Müller-Anna-Ephemeride-01012026-30062026.pdf");
    const std::string whole = pdfText(pdf);
    QVERIFY(whole.find("Geburt: ") != std::string::npos);
    QVERIFY(whole.find("gezeigt") == std::string::npos);
    QVERIFY(whole.find("Januar") != std::string::npos);

    ui::EphemerisCanvas& canvas = ephemeris_->canvas();
    const double from = canvas.shownFrom();
    canvas.zoom(0.1, from + 75);  // some two and a half weeks around 16.03.2026
    std::filesystem::remove(pdf);
    click(child(*ephemeris_, "PdfButton"));
    const std::string zoomed = pdfText(pdf);
    QVERIFY(zoomed.find("Geburt: ") != std::string::npos);
    QVERIFY2(zoomed.find("gezeigt: ") != std::string::npos, zoomed.c_str());
    QVERIFY2(zoomed.find("Januar") == std::string::npos, zoomed.c_str());
  }
#endif

  // Every radix line is named when the mouse rests at its height, also a
  // line whose label the picture had no room for.
  void everyRadixLineIsNamedOnHover() {
    ui::EphemerisCanvas& canvas = ephemeris_->canvas();
    std::set<std::string> named;
    for (int y = 0; y < canvas.height(); ++y) {
      const QString names = canvas.radixLinesAt(QPoint(4, y));
      for (const QString& name : names.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        named.insert(name.toStdString());
      }
    }
    QVERIFY(!named.empty());
    QVERIFY(canvas.radixLinesAt(QPoint(canvas.width() + 10, canvas.height() / 2)).isEmpty());
    const std::vector<std::string> list = viewLines(*calendar_, "TimelineList");
    for (std::size_t line = 1; line < list.size(); ++line) {
      // "dd.mm.yyyy …  MEs = SAr/NEr  03°04'  direkt": the point after " = ".
      const std::string& text = list[line];
      const std::size_t from = text.find(" = ") + 3;
      const std::string point = text.substr(from, text.find(' ', from) - from);
      QVERIFY2(named.contains(point), point.c_str());
    }
  }

  void wheelZoomsAndTodayCentres() {
    ui::EphemerisCanvas& canvas = ephemeris_->canvas();
    const double from = canvas.shownFrom();
    const double to = canvas.shownTo();
    canvas.zoom(0.5, (from + to) / 2);
    QVERIFY(std::abs((canvas.shownTo() - canvas.shownFrom()) - (to - from) / 2) < 1e-6);
    click(child(*ephemeris_, "WholeRangeButton"));
    QCOMPARE(canvas.shownFrom(), from);
    QCOMPARE(canvas.shownTo(), to);
    click(child(*ephemeris_, "TodayButton"));
    const double now = 2440587.5 + static_cast<double>(QDateTime::currentSecsSinceEpoch()) / 86400;
    QVERIFY(std::abs((canvas.shownFrom() + canvas.shownTo()) / 2 - now) < 0.01);
    QVERIFY(std::abs((canvas.shownTo() - canvas.shownFrom()) - (to - from)) < 1e-6);
  }

 private:
  ui::CalendarWindow* calendar_ = nullptr;
  ui::EphemerisWindow* ephemeris_ = nullptr;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::EphemerisWindowTest)
#include "ephemeris_window_test.moc"
