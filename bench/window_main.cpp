// kelvaro_window_bench: the window program headless (offscreen), driven as
// a user drives it, on samples/mueller-juergen.dat.
//
//   kelvaro_window_bench          one table: start to the introduction, every step that
//                                 shows lines (keystroke or click to the lines shown), the
//                                 peak memory of a run that loads the sample at orb 9:59
//   kelvaro_window_bench --start  (a measured run) ends once the introduction is shown
//   kelvaro_window_bench --load   (a measured run) also loads the sample at orb 9:59
//
// The steps are those the window has: the orb entry's last keystroke to the
// content overview, "Weiter zur Suche" to the axis overview in the result
// list. Each option's search joins them once the window runs it.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>
#include <QtTest>

#include "bench/cases.h"
#include "bench/quiet_process.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"

namespace kelvaro::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRepetitions = 10;
constexpr double kTargetStartMillis = 300;
constexpr double kTargetFrameMillis = 16;  // one frame
constexpr double kTargetPeakMegabytes = 60;

double millisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Lets the window do what is pending after a user action: layouts, and the
// paint of every view whose lines changed.
void settle() { QCoreApplication::processEvents(); }

// Creates the windows; returns once the introduction is on the screen.
ui::Program& startWindows(testing::UiRun& run) {
  ui::Program& program = run.start();
  if (!QTest::qWaitForWindowExposed(&program.form1())) {
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
  ui::TForm1& main = program.form1();
  run.platform().chooseNext(run.sample("mueller-juergen.dat"));
  testing::click(testing::child(main, "Button2"));
  settle();
  require(QTest::qWaitForWindowActive(&program.form2()), "the orb entry did not open");

  LoadSteps steps;
  const QString keys = QString::fromStdString(orbKeys);
  require(testing::typeIntoFocus(keys.chopped(1)), "no field has the focus");
  Clock::time_point start = Clock::now();
  require(testing::typeIntoFocus(keys.right(1)), "no field has the focus");
  settle();
  steps.contentOverview = millisSince(start);
  ui::TForm4& overview = program.form4();
  require(overview.isVisible() && !testing::viewLines(overview, "Memo1").empty(),
          "the content overview did not show its lines");

  start = Clock::now();
  testing::click(testing::child(overview, "Button1"));
  settle();
  steps.axisOverview = millisSince(start);
  require(!testing::viewLines(main, "Memo3").empty(), "the axis overview did not show its lines");
  return steps;
}

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
    const char* verdict =
        middle <= row.target ? "ok" : fastest <= row.target ? "ok (min)" : "MISSED";
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

// The largest resident size of the measured runs so far, in MB.
double peakMegabytesOfRuns() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024;  // kilobytes on Linux
}

int measure() {
  std::vector<Row> rows;
  rows.push_back(timedRuns("window/start-to-introduction", "--start", kTargetStartMillis));
  for (const Orb& orb : kOrbs) {
    Row content{"window/orb-entry-to-content-overview/" + std::string(orb.text), {},
                kTargetFrameMillis};
    Row axes{"window/continue-to-axis-overview/" + std::string(orb.text), {}, kTargetFrameMillis};
    for (int k = 0; k < kRepetitions; ++k) {
      testing::UiRun run;
      ui::Program& program = startWindows(run);
      const LoadSteps steps = loadSample(run, program, orbKeys(orb));
      content.values.push_back(steps.contentOverview);
      axes.values.push_back(steps.axisOverview);
    }
    rows.push_back(std::move(content));
    rows.push_back(std::move(axes));
  }
  require(runQuietly(ownPath(), {"--load"}) == 0, "the measured load failed");
  rows.push_back({"window/peak-memory-of-a-load-at-9:59", {peakMegabytesOfRuns()},
                  kTargetPeakMegabytes});
  return printTable(rows);
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
  using namespace kelvaro::bench;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  const std::string_view mode = argc > 1 ? argv[1] : "";
  if (mode == "--start" || mode == "--load") {
    kelvaro::testing::UiRun run;
    kelvaro::ui::Program& program = startWindows(run);
    if (mode == "--load") loadSample(run, program, orbKeys(kLargestOrb));
    return 0;
  }
  return measure();
}
