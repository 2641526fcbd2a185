// kelvaro_window_bench: the window program headless (offscreen), driven as
// a user drives it, on samples/mueller-juergen.dat.
//
//   kelvaro_window_bench          one table: start to the introduction, every step that
//                                 shows lines (keystroke or click to the lines shown), the
//                                 persons window on 10,000 persons (opening, a keystroke of
//                                 its search), the peak memory of a run through every option
//                                 at orb 9:59
//   kelvaro_window_bench --start  (a measured run) ends once the introduction is shown
//   kelvaro_window_bench --all [FILE]  (a measured run) loads the sample at orb 9:59 and
//                                 runs every option and the dial; writes its peak memory
//                                 into FILE
//   kelvaro_window_bench --persons the rows of the persons window only
//   kelvaro_window_bench --ephemeris the rows of the graphic ephemeris only
//
// Each step is timed from the user's last keystroke or click to the lines
// shown: the orb entry to the content overview, "Weiter zur Suche" to the
// axis overview, and every search option with the entries the other
// benchmarks use, a year of the transit calendar, and the dial sheet
// written as a PDF file.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QDateEdit>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "archive/archive.h"
#include "bench/cases.h"
#include "bench/persons_data.h"
#include "bench/quiet_process.h"
#include "print/ephemeris_picture.h"
#include "search/dial_layout.h"
#include "tests/support/birth_data.h"
#include "timing/calendar_entry.h"
#include "timing/ephemeris_layout.h"
#include "ui/platform/offscreen_screen.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/widgets/dial_disc.h"
#include "ui/windows/dial_window.h"

namespace kelvaro::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRepetitions = 10;
constexpr double kTargetStartMillis = 300;
constexpr double kTargetFrameMillis = 16;  // one frame
constexpr double kTargetPeakMegabytes = 60;
constexpr double kTargetCalendarMillis = 1000;
constexpr double kTargetPersonsOpenMillis = 300;
constexpr double kTargetSheetMillis = 300;
constexpr double kTargetEphemerisYearMillis = 100;
constexpr double kTargetEphemerisCenturyMillis = 300;
constexpr std::size_t kEphemerisLines = 30;

double millisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Lets the window do what is pending after a user action: layouts, and the
// paint of every view whose lines changed.
void settle() { QCoreApplication::processEvents(); }

// Creates the windows; returns once the introduction is on the screen.
ui::Program& startWindows(testing::UiRun& run) {
  ui::Program& program = run.start();
  if (!QTest::qWaitForWindowExposed(&program.mainWindow())) {
    std::fprintf(stderr, "kelvaro_window_bench: the main window was never shown\n");
    std::exit(2);
  }
  settle();
  return program;
}

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "kelvaro_window_bench: %s\n", what);
  std::exit(2);
}

// Times of the steps of one load, in ms: from the user's action to the lines shown.
struct LoadSteps {
  double contentOverview = 0;  // the orb entry's last keystroke
  double axisOverview = 0;     // the click on "Weiter zur Suche"
};

// The road of one load: "Weiter", the sample from the file dialog, the orb
// typed as degrees and minutes ("959" for 9:59), the content overview, then
// the axis overview.
LoadSteps loadSample(testing::UiRun& run, ui::Program& program, const std::string& orbKeys) {
  ui::MainWindow& main = program.mainWindow();
  run.platform().chooseNext(run.sample("mueller-juergen.dat"));
  testing::click(testing::child(main, "Button2"));
  settle();
  require(QTest::qWaitForWindowActive(&program.orbDialog()), "the orb entry did not open");

  LoadSteps steps;
  const QString keys = QString::fromStdString(orbKeys);
  require(testing::typeIntoFocus(keys.chopped(1)), "no field has the focus");
  Clock::time_point start = Clock::now();
  require(testing::typeIntoFocus(keys.right(1)), "no field has the focus");
  settle();
  steps.contentOverview = millisSince(start);
  ui::ContentOverviewWindow& overview = program.contentOverview();
  require(overview.isVisible() && !testing::textLines(overview, "Memo1").empty(),
          "the content overview did not show its lines");

  start = Clock::now();
  testing::click(testing::child(overview, "Button1"));
  settle();
  steps.axisOverview = millisSince(start);
  require(!testing::viewLines(main, "Memo3").empty(), "the axis overview did not show its lines");
  // A window system gives the main window back its activation when the
  // modal windows close; the offscreen platform leaves that to the caller.
  main.activateWindow();
  require(QTest::qWaitForWindowActive(&main), "the main window did not become active again");
  return steps;
}

// The search options, each driven from its button to its last keystroke or
// click, after a load.
class Options {
 public:
  Options(testing::UiRun& run, ui::MainWindow& main) : run_(run), main_(main) {}

  double midpointSum() {
    clickButton("Button10");
    return timedKeys("KN+JU", "Memo3");
  }
  double picturesAllVariants() {
    enterFreeAxis();
    mark("RadioButton11");              // left rpst
    mark("RadioButton5");               // "/"
    return timedMark("RadioButton12");  // right rpst
  }
  // After picturesAllVariants: the right-hand choice r with the left one r.
  double picturesSingleVariants() {
    mark("RadioButton1");               // left r: starts nothing by itself
    run_.platform().answerNext(false);  // not only single-factor midpoints
    return timedMark("RadioButton7");   // right r
  }
  double quadro() {
    run_.platform().answerNext(false);  // method 2
    clickButton("Button3");
    return timedKeys("KN+JU=MO/SA", "Memo3");
  }
  double angleWithFactor() {
    clickButton("Button13");
    run_.platform().answerNext(true);  // search for one factor
    typeKeys("0730");
    return timedKeys("MC", "Memo3");
  }
  double anglePictures() {
    clickButton("Button13");
    run_.platform().answerNext(false);  // the planetary pictures at the angle
    typeKeys("0730");
    mark("RadioButton11");
    mark("RadioButton6");  // "+"
    return timedMark("RadioButton12");
  }
  double tripleAllFactors() {
    run_.platform().answerNext(false);  // the fourth factor from all factors
    clickButton("Button14");
    return timedKeys("VE+JU=KN+", "Memo3");
  }
  double correspondences() {
    const Clock::time_point start = Clock::now();
    clickButton("Button1");
    return shown(start, "Memo3");
  }
  double magicSquare() {
    clickButton("Button5");
    return timedKeys("KNt", "Memo1");  // the second text view
  }
  // A drag of the dial's pointer: from the mouse move to the disc painted
  // anew and the list at the new place shown.
  double dialPointerMove() { return dialPointerMoveOn(DialSize::standard()); }
  double dialPointerMoveOnNinety() { return dialPointerMoveOn(DialSize(DialSize::Kind::quarter)); }
  double dialPointerMoveOn(DialSize size) {
    clickButton("Button15");
    auto* dial = testing::child<ui::DialWindow>(main_, "DialWindow");
    require(dial && QTest::qWaitForWindowExposed(dial), "the dial did not open");
    dial->setDialSize(size);
    settle();
    ui::DialDisc& disc = dial->disc();
    const double radius = disc.layout().ringRadius[3] + 8;  // between ring t and the scale
    // The same turn of the circle on every size: a sixth and a third of it.
    const double sixth = size.degrees() / 6;
    const auto at = [&](double value) {
      return disc.widgetPoint(pointOnDial(value * sixth / 3.75, radius, size));
    };
    mouse(disc, QEvent::MouseButtonPress, at(3), Qt::LeftButton);
    settle();
    const int frames = disc.frames();
    const Clock::time_point start = Clock::now();
    mouse(disc, QEvent::MouseMove, at(7.5), Qt::NoButton);
    settle();
    const double millis = millisSince(start);
    require(disc.frames() > frames, "the dial was not painted anew");
    require(!testing::viewLines(*dial, "DialList").empty(), "the dial showed no list");
    mouse(disc, QEvent::MouseButtonRelease, at(7.5), Qt::LeftButton);
    dial->setDialSize(DialSize::standard());
    dial->close();
    return millis;
  }

  // The dial sheet as a PDF file: from the click on "Als PDF speichern …"
  // to the file written and reported.
  double dialSheetPdf() {
    clickButton("Button15");
    auto* dial = testing::child<ui::DialWindow>(main_, "DialWindow");
    require(dial && QTest::qWaitForWindowExposed(dial), "the dial did not open");
    settle();
    run_.platform().forgetBoxes();
    const Clock::time_point start = Clock::now();
    testing::click(testing::child(*dial, "DialPdf"));
    const double millis = millisSince(start);
    const auto& boxes = run_.platform().boxes();
    require(boxes.size() == 1 && boxes[0].kind == ui::BoxKind::information,
            "the dial sheet was not saved");
    run_.platform().forgetBoxes();
    dial->close();
    return millis;
  }

  // A year of the slow bodies (the calendar window's choice) on every point.
  double calendarYear() {
    clickButton("Button16");
    QWidget* calendar = testing::child(main_, "CalendarWindow");
    require(calendar && calendar->isVisible(), "the calendar window did not open");
    testing::child<QDateEdit>(*calendar, "DateEdit1")->setDate(QDate(2026, 1, 1));
    testing::child<QDateEdit>(*calendar, "DateEdit2")->setDate(QDate(2026, 12, 31));
    const Clock::time_point start = Clock::now();
    testing::click(testing::child(*calendar, "Button1"));
    return shown(start, "Memo3");
  }

 private:
  void clickButton(const char* name) {
    testing::click(testing::child(main_, name));
    settle();
  }
  void typeKeys(const QString& keys) {
    require(testing::typeIntoFocus(keys), "no field has the focus");
    settle();
  }
  void enterFreeAxis() {
    run_.platform().answerNext(true);  // method 1
    clickButton("Button3");
    typeKeys(QStringLiteral("KNt+JUp"));
  }
  // A click on a radio button's circle, where a user marks it.
  void mark(const char* name) {
    QWidget* button = testing::child(main_, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    settle();
  }
  static void mouse(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
  }
  double timedMark(const char* name) {
    const Clock::time_point start = Clock::now();
    mark(name);
    return shown(start, "Memo3");
  }
  // Types all keys but the last, then times the last one.
  double timedKeys(const QString& keys, const char* view) {
    typeKeys(keys.chopped(1));
    const Clock::time_point start = Clock::now();
    require(testing::typeIntoFocus(keys.right(1)), "no field has the focus");
    return shown(start, view);
  }
  double shown(Clock::time_point start, const char* view) {
    settle();
    const double millis = millisSince(start);
    require(!testing::viewLines(main_, view).empty(), "a search showed no lines");
    run_.platform().forgetBoxes();
    return millis;
  }

  testing::UiRun& run_;
  ui::MainWindow& main_;
};

// The persons window on an archive of 10,000 generated persons: from the
// click on "Personen …" to the list shown, and from the second keystroke of a
// search ("mu") to the list filtered.
struct PersonsSteps {
  double open = 0;
  double keystroke = 0;
};

PersonsSteps personsWindow(testing::UiRun& run, ui::Program& program) {
  std::filesystem::create_directories(run.folders().data);
  auto opened = archive::Archive::open(archive::archiveFileIn(run.folders().data));
  require(!rejection(opened), "the archive did not open");
  require(
      !rejection(std::get<archive::Archive>(opened).storeAll(generatedPersons(kArchivePersons))),
      "the persons were not stored");
  PersonsSteps steps;
  Clock::time_point start = Clock::now();
  testing::click(testing::child(program.mainWindow(), "PersonsButton"));
  settle();
  steps.open = millisSince(start);
  QWidget* persons = testing::child(program.mainWindow(), "PersonsWindow");
  auto* table = testing::child<QAbstractItemView>(*persons, "PersonTable");
  require(table->model()->rowCount() == kArchivePersons, "the persons window did not list them");
  require(QTest::qWaitForWindowActive(persons), "the persons window did not become active");
  require(testing::typeIntoFocus(QStringLiteral("m")), "no field has the focus");
  settle();
  start = Clock::now();
  require(testing::typeIntoFocus(QStringLiteral("u")), "no field has the focus");
  settle();
  steps.keystroke = millisSince(start);
  require(table->model()->rowCount() < kArchivePersons, "the search did not filter");
  return steps;
}

struct OptionStep {
  const char* name;
  double (Options::*run)();
};

// In this order: each step starts from where the one before left the window.
constexpr OptionStep kOptionSteps[] = {
    {"search1", &Options::midpointSum},
    {"pictures-rpst/rpst", &Options::picturesAllVariants},
    {"pictures-r/r", &Options::picturesSingleVariants},
    {"quadro", &Options::quadro},
    {"angle-factor", &Options::angleWithFactor},
    {"angle-pictures-rpst+rpst", &Options::anglePictures},
    {"triple-all", &Options::tripleAllFactors},
    {"correspondences", &Options::correspondences},
    {"magic", &Options::magicSquare},
    {"dial-pointer-move", &Options::dialPointerMove},
    {"dial-pointer-move-90", &Options::dialPointerMoveOnNinety},
};

std::string orbKeys(const Orb& orb) {
  std::string keys(orb.text);
  keys.erase(keys.find(':'), 1);
  return keys;
}

struct Row {
  std::string name;
  std::vector<double> values;
  double target;
};

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int printTable(const std::vector<Row>& rows) {
  std::size_t width = 4;
  for (const Row& row : rows) width = std::max(width, row.name.size());
  const int w = static_cast<int>(width);
  std::printf("Window program, headless: times in ms, memory in MB; ok as in the table above.\n");
  std::printf("%-*s  %10s  %10s  %10s  %s\n", w, "name", "min", "median", "target", "ok");
  int missed = 0;
  for (const Row& row : rows) {
    const double fastest = *std::min_element(row.values.begin(), row.values.end());
    const double middle = median(row.values);
    const char* verdict = middle <= row.target    ? "ok"
                          : fastest <= row.target ? "ok (min)"
                                                  : "MISSED";
    if (fastest > row.target) ++missed;
    std::printf("%-*s  %10.2f  %10.2f  %10.0f  %s\n", w, row.name.c_str(), fastest, middle,
                row.target, verdict);
  }
  std::printf("%zu measurements, %d missed\n", rows.size(), missed);
  return 0;
}

std::string ownPath() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

// Whole runs of this program in the given mode, each timed from its start to its exit.
Row timedRuns(const std::string& name, const char* mode, double target) {
  Row row{name, {}, target};
  for (int k = 0; k < kRepetitions; ++k) {
    const Clock::time_point start = Clock::now();
    require(runQuietly(ownPath(), {mode}) == 0, "a measured run failed");
    row.values.push_back(millisSince(start));
  }
  return row;
}

// The largest resident size of a run, in MB, as the run itself reads it
// from /proc/self/status (VmHWM) and writes it into `file`. The resource
// usage of children will not do: a child started from this process takes
// over the high-water mark of this process when it executes the program.
void writeOwnPeak(const std::filesystem::path& file) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) std::ofstream(file) << line.substr(6);  // "  47144 kB"
  }
}

double peakMegabytesOfRun(const char* mode) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "kelvaro-window-bench-peak.txt";
  std::filesystem::remove(file);
  require(runQuietly(ownPath(), {mode, file.string()}) == 0, "a measured run failed");
  double kilobytes = 0;
  std::ifstream(file) >> kilobytes;
  std::filesystem::remove(file);
  require(kilobytes > 0, "a measured run did not report its memory");
  return kilobytes / 1024;
}

// The rows of the persons window on 10,000 persons.
void measurePersons(std::vector<Row>& rows) {
  Row personsOpen{"window/persons-open-10000", {}, kTargetPersonsOpenMillis};
  Row personsKeystroke{"window/persons-search-keystroke-10000", {}, kTargetFrameMillis};
  for (int k = 0; k < kRepetitions; ++k) {
    testing::UiRun run;
    const PersonsSteps steps = personsWindow(run, startWindows(run));
    personsOpen.values.push_back(steps.open);
    personsKeystroke.values.push_back(steps.keystroke);
  }
  rows.push_back(std::move(personsOpen));
  rows.push_back(std::move(personsKeystroke));
}

// The graphic ephemeris of a person from 2026 on: its timeline computed
// beforehand and cut to its first 30 lines, then, timed, laid out (the
// curves sampled) and painted whole into an image of a large window.
Row ephemerisRow(const char* name, double target, int years, timing::MoverChoice movers) {
  const chart::BirthData birth = testing::birthData(testing::kKoeln);
  timing::CalendarRequest asked = timing::ephemerisRequest(birth, 2026);
  asked.to = {2026 + years - 1, 12, 31};
  asked.movers = movers;
  timing::Timeline timeline = timing::timeline(birth, asked).value();
  require(timeline.hits.size() >= kEphemerisLines, "the timeline has too few lines");
  timeline.hits.resize(kEphemerisLines);
  Row row{name, {}, target};
  for (int k = 0; k < kRepetitions; ++k) {
    const Clock::time_point start = Clock::now();
    const timing::Movers moving(birth);
    const timing::EphemerisLayout layout = timing::ephemerisLayout(moving, asked, timeline);
    QImage image(1600, 900, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const EphemerisPicture picture(&layout, asked.zone, QApplication::font());
    picture.paint(painter, picture.viewIn(&image, QRectF(image.rect()), layout.from, layout.to));
    painter.end();
    row.values.push_back(millisSince(start));
  }
  return row;
}

void measureEphemeris(std::vector<Row>& rows) {
  rows.push_back(ephemerisRow("ephemeris/transits-year-30-lines", kTargetEphemerisYearMillis, 1,
                              {false, false, true}));
  rows.push_back(ephemerisRow("ephemeris/S+P-100-years-30-lines", kTargetEphemerisCenturyMillis,
                              100, {true, true, false}));
}

// One step, each repetition in a run of its own after a load at the default orb.
Row stepAfterLoad(const char* name, double target, double (Options::*step)()) {
  Row row{name, {}, target};
  for (int k = 0; k < kRepetitions; ++k) {
    testing::UiRun run;
    ui::Program& program = startWindows(run);
    loadSample(run, program, orbKeys(kDefaultOrb));
    Options options(run, program.mainWindow());
    row.values.push_back((options.*step)());
  }
  return row;
}

int measure() {
  std::vector<Row> rows;
  rows.push_back(timedRuns("window/start-to-introduction", "--start", kTargetStartMillis));
  for (const Orb& orb : kOrbs) {
    std::string suffix = "/";
    suffix += orb.text;
    std::vector<Row> orbRows = {
        {"window/orb-entry-to-content-overview" + suffix, {}, kTargetFrameMillis},
        {"window/continue-to-axis-overview" + suffix, {}, kTargetFrameMillis}};
    for (const OptionStep& step : kOptionSteps) {
      orbRows.push_back({std::string("window/") + step.name + suffix, {}, kTargetFrameMillis});
    }
    for (int k = 0; k < kRepetitions; ++k) {
      testing::UiRun run;
      ui::Program& program = startWindows(run);
      const LoadSteps steps = loadSample(run, program, orbKeys(orb));
      orbRows[0].values.push_back(steps.contentOverview);
      orbRows[1].values.push_back(steps.axisOverview);
      Options options(run, program.mainWindow());
      for (std::size_t i = 0; i < std::size(kOptionSteps); ++i) {
        orbRows[2 + i].values.push_back((options.*kOptionSteps[i].run)());
      }
    }
    for (Row& row : orbRows) rows.push_back(std::move(row));
  }
  rows.push_back(stepAfterLoad("window/calendar-year-slow-bodies", kTargetCalendarMillis,
                               &Options::calendarYear));
  rows.push_back(
      stepAfterLoad("window/dial-sheet-pdf", kTargetSheetMillis, &Options::dialSheetPdf));
  measurePersons(rows);
  measureEphemeris(rows);
  rows.push_back({"window/peak-memory-every-option-at-9:59",
                  {peakMegabytesOfRun("--all")},
                  kTargetPeakMegabytes});
  return printTable(rows);
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
  using namespace kelvaro::bench;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const kelvaro::ui::OffscreenScreen screen(QSize(1920, 1080));
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  const std::string_view mode = argc > 1 ? argv[1] : "";
  if (mode == "--persons") {
    std::vector<Row> rows;
    measurePersons(rows);
    return printTable(rows);
  }
  if (mode == "--ephemeris") {
    std::vector<Row> rows;
    measureEphemeris(rows);
    return printTable(rows);
  }
  if (mode == "--start" || mode == "--all") {
    kelvaro::testing::UiRun run;
    kelvaro::ui::Program& program = startWindows(run);
    if (mode == "--all") {
      loadSample(run, program, orbKeys(kLargestOrb));
      Options options(run, program.mainWindow());
      for (const OptionStep& step : kOptionSteps) (options.*step.run)();
    }
    if (argc > 2) writeOwnPeak(argv[2]);
    return 0;
  }
  return measure();
}
