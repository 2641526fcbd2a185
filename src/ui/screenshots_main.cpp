// kelvaro-screenshots DIR TRANSIT-FILE
//
// Walks once along the road of a load with a scripted platform and saves a
// picture of every window state into DIR: the introduction, the orb entry,
// the content overview (its top and its grid), the main window with the
// axis overview (top, house table, magic squares), the main window with the
// variant panel, and the help window. Runs without a
// display (QT_QPA_PLATFORM=offscreen); the program and transit folders are
// made in a temporary folder.
#include <cstdio>
#include <filesystem>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include "ui/program.h"
#include "ui/scripted_platform.h"
#include "ui/text_view.h"

namespace {

bool save(QWidget& window, const QString& folder, const char* name) {
  QApplication::processEvents();
  const QString file = folder + QLatin1Char('/') + QLatin1String(name);
  if (!window.grab().save(file)) {
    std::fprintf(stderr, "kelvaro-screenshots: cannot write %s\n", qPrintable(file));
    return false;
  }
  std::printf("%s\n", qPrintable(file));
  return true;
}

void scrollToEnd(QPlainTextEdit& view) {
  view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
}

template <typename Widget>
Widget& child(QWidget& window, const char* name) {
  return *window.findChild<Widget*>(QString::fromLatin1(name));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: kelvaro-screenshots DIR TRANSIT-FILE\n");
    return 1;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const std::filesystem::path transitFile = std::filesystem::absolute(argv[2]);
  std::filesystem::create_directories(argv[1]);

  QTemporaryDir home;
  const std::filesystem::path root(home.path().toStdU16String());
  const kelvaro::ui::ProgramFolders folders{root / "Astro" / "Kelvaro", root / "astro" / "transdat"};
  std::filesystem::create_directories(folders.program);
  std::filesystem::create_directories(folders.transit);

  kelvaro::ui::ScriptedPlatform platform;
  platform.chooseNext(kelvaro::ui::pathUtf8(transitFile));
  kelvaro::ui::Program program(platform, folders);
  kelvaro::ui::TForm1& main = program.form1();
  if (main.hasEnded()) return 2;

  bool saved = save(main, folder, "1-intro.png");
  child<QPushButton>(main, "Button2").click();
  if (!program.form2().isVisible()) {
    std::fprintf(stderr, "kelvaro-screenshots: %s did not load\n", argv[2]);
    return 2;
  }
  saved &= save(program.form2(), folder, "2-orb-entry.png");
  program.form2().accept();
  saved &= save(program.form4(), folder, "3-content-overview.png");
  scrollToEnd(child<QPlainTextEdit>(program.form4(), "Memo1"));
  saved &= save(program.form4(), folder, "3-content-overview-grid.png");
  child<QPushButton>(program.form4(), "Button1").click();
  saved &= save(main, folder, "4-ready.png");
  QScrollBar& down = *child<QPlainTextEdit>(main, "Memo3").verticalScrollBar();
  down.setValue(down.maximum() / 2);
  saved &= save(main, folder, "4-ready-houses.png");
  scrollToEnd(child<QPlainTextEdit>(main, "Memo3"));
  saved &= save(main, folder, "4-ready-squares.png");

  // The variant panel is shown by options 2 and 3; here it is shown directly.
  child<QWidget>(main, "Panel4").show();
  saved &= save(main, folder, "5-variant-panel.png");
  child<QPushButton>(main, "Button12").click();
  saved &= save(program.form3(), folder, "6-help.png");
  return saved ? 0 : 2;
}
