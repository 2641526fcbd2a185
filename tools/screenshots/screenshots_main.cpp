// kelvaro-screenshots DIR TRANSIT-FILE
//
// Walks once along the road of a load with a scripted platform and saves a
// picture of every window state into DIR: the introduction, the persons
// window (with a few persons, a search, and its help), the window of a
// new transit file (filled in, and its help), the orb entry,
// the content overview (its top and its grid), the main window with the
// axis overview (top, house table, magic squares), the main window after a
// typical search of each option (both methods of option 2, both ways of
// option 3), the dial window with its help and its sheet (the PNG that
// "Bild speichern" writes), the transit calendar (its window, its help and
// its lines), a person's timeline in the calendar window, its graphic
// ephemeris (a year of transits, sixty years of S and P), and the help
// window. Runs without a display
// (QT_QPA_PLATFORM=offscreen); the program and transit folders are made in
// a temporary folder.
#include <cstdio>
#include <exception>
#include <filesystem>

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>

#include "archive/archive.h"
#include "archive/person_entry.h"
#include "chart/chart_entry.h"
#include "core/text_encoding.h"
#include "search/dial_pointer.h"
#include "ui/help/window_help.h"
#include "ui/platform/offscreen_screen.h"
#include "ui/platform/scripted_platform.h"
#include "ui/widgets/dial_disc.h"
#include "ui/widgets/text_view.h"
#include "ui/windows/calendar_window.h"
#include "ui/windows/dial_window.h"
#include "ui/windows/ephemeris_window.h"
#include "ui/windows/persons_window.h"
#include "ui/windows/program.h"

namespace {

// The help that F1 opens in the window.
QWidget* showHelp(QWidget& window) {
  kelvaro::ui::HelpWindow* help = kelvaro::ui::windowHelp(window);
  if (help) help->showHelp();
  return help;
}

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

void scrollToEnd(QAbstractScrollArea& view) {
  view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
}

template <typename Widget>
Widget& child(QWidget& window, const char* name) {
  return *window.findChild<Widget*>(QString::fromLatin1(name));
}

void click(QWidget& window, const char* name) { child<QAbstractButton>(window, name).click(); }

// One key with its character, sent to `widget`.
void typeKey(QWidget& widget, QChar character) {
  const int key =
      character == QLatin1Char('\n') ? int(Qt::Key_Return) : int(character.toUpper().unicode());
  const QString typed = character == QLatin1Char('\n') ? QString() : QString(character);
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
  QApplication::sendEvent(&widget, &press);
  QApplication::sendEvent(&widget, &release);
}

// Types the text into the field with the focus, key by key, as a user would.
void type(const QString& text) {
  for (const QChar character : text) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return;
    typeKey(*focus, character);
  }
}

// The window of a new transit file, filled in as a user would (the birth
// place from the atlas where the build has it), then closed unsaved.
bool saveNewTransit(kelvaro::ui::MainWindow& main, const QString& folder) {
  click(main, "NewTransitButton");
  auto* form = main.findChild<QDialog*>(QStringLiteral("NewTransitForm"));
  if (!form) return false;
  const auto fill = [form](const char* name, const QString& text) {
    auto& field = child<QLineEdit>(*form, name);
    field.clear();
    for (const QChar character : text) typeKey(field, character);
  };
  fill("Name", QStringLiteral("Müller"));
  fill("Vorname", QStringLiteral("Anna"));
  fill("Geburtsdatum", QStringLiteral("05.03.1970"));
  fill("Geburtszeit", QStringLiteral("14:30"));
  fill("Geburtsort", QStringLiteral("Köln\n"));
  if (child<QLineEdit>(*form, "Geburtszeitzone").text().isEmpty()) {
    fill("Geburtsbreite", QStringLiteral("50°56' N"));
    fill("Geburtslaenge", QStringLiteral("06°57' O"));
    fill("Geburtszeitzone", QStringLiteral("Europe/Berlin"));
  }
  fill("Datum", QStringLiteral("08.12.2026"));
  fill("Zeit", QStringLiteral("12:00"));
  fill("Zeitzone", QStringLiteral("Europe/Berlin"));
  bool saved = save(*form, folder, "1-new-transit.png");
  kelvaro::ui::HelpWindow* help = kelvaro::ui::windowHelp(*form);
  help->showHelp();
  saved &= save(*help, folder, "1-new-transit-help.png");
  help->close();
  form->reject();
  return saved;
}

// A few persons in the archive of the data folder, as typed.
void storeSamplePersons(const std::filesystem::path& dataFolder) {
  std::filesystem::create_directories(dataFolder);
  auto opened = kelvaro::archive::Archive::open(kelvaro::archive::archiveFileIn(dataFolder));
  if (kelvaro::rejection(opened)) return;
  auto& archive = std::get<kelvaro::archive::Archive>(opened);
  const kelvaro::archive::PersonEntry persons[] = {
      {"Müller", "Jürgen", "m", "14.02.1961", "07:45", "Europe/Berlin", "München", "D", "48°08' N",
       "11°34' O", "Geburtsurkunde", "", "Klient seit 2019"},
      {"Weiß", "Anna", "w", "12.04.1981", "06:30", "Europe/Berlin", "Köln", "D", "50°56' N",
       "06°57' O", "", "", ""},
      {"Berger", "Lukas", "m", "03.11.1975", "", "Europe/Vienna", "Graz", "A", "47°04' N",
       "15°26' O", "", "", "Geburtszeit unbekannt"},
      {"Ferber", "Tobias", "m", "27.09.1970", "11:04", "", "Kandel/Pfalz", "D", "", "", "", "", ""},
  };
  for (const auto& entry : persons) {
    const auto person = kelvaro::archive::checkPersonEntry(entry);
    if (!kelvaro::rejection(person)) archive.store(std::get<kelvaro::archive::Person>(person));
  }
}

// The persons window with its persons, after a search, and its help.
bool savePersons(kelvaro::ui::MainWindow& main, const QString& folder) {
  click(main, "PersonsButton");
  auto* persons = main.findChild<kelvaro::ui::PersonsWindow*>(QStringLiteral("PersonsWindow"));
  if (!persons) return false;
  bool saved = save(*persons, folder, "1-persons.png");
  auto& search = child<QLineEdit>(*persons, "PersonSearch");
  for (const QChar character : QStringLiteral("mu")) typeKey(search, character);
  saved &= save(*persons, folder, "1-persons-search.png");
  search.clear();
  kelvaro::ui::HelpWindow* help = kelvaro::ui::windowHelp(*persons);
  help->showHelp();
  saved &= save(*help, folder, "1-persons-help.png");
  help->close();
  persons->close();
  return saved;
}

// Each option with a typical entry, as the user would start it; the
// questions are answered from the script.
bool saveOptions(kelvaro::ui::MainWindow& main, kelvaro::ui::ScriptedPlatform& platform,
                 const QString& folder) {
  main.activateWindow();  // typed keys and focus moves need the active window
  QApplication::processEvents();
  bool saved = true;
  click(main, "Button10");
  type(QStringLiteral("KN+JU"));
  saved &= save(main, folder, "5-option1.png");

  platform.answerNext(true);
  click(main, "Button3");
  type(QStringLiteral("KNt+JUp"));
  saved &= save(main, folder, "6-option2-panel.png");
  for (const char* choice : {"RadioButton1", "RadioButton5", "RadioButton10"}) click(main, choice);
  saved &= save(main, folder, "6-option2-pictures.png");

  platform.answerNext(false);
  click(main, "Button3");
  type(QStringLiteral("KN+JU=MO/SA"));
  saved &= save(main, folder, "6-option2-quadro.png");

  click(main, "Button13");
  type(QStringLiteral("07"));
  saved &= save(main, folder, "7-option3-angle.png");
  platform.answerNext(true);
  type(QStringLiteral("30MC"));
  saved &= save(main, folder, "7-option3-factor.png");
  click(main, "Button13");
  platform.answerNext(false);
  type(QStringLiteral("\n\n"));  // the angle of the last entry again
  for (const char* choice : {"RadioButton2", "RadioButton6", "RadioButton10"}) click(main, choice);
  saved &= save(main, folder, "7-option3-pictures.png");

  platform.answerNext(true);
  click(main, "Button14");
  type(QStringLiteral("VE+JU=KN+"));
  saved &= save(main, folder, "8-option4.png");

  click(main, "Button1");
  saved &= save(main, folder, "9-option5.png");

  click(main, "Button5");
  type(QStringLiteral("KNt"));
  saved &= save(main, folder, "10-option6.png");
  return saved;
}

// The dial after the load, then with its pointer on the Sun of the radix
// and the first line of its list marked; its help; and its sheet, saved as
// a PNG file through "Bild speichern".
bool saveDial(kelvaro::ui::MainWindow& main, kelvaro::ui::ScriptedPlatform& platform,
              const QString& folder) {
  click(main, "Button15");
  auto& dial = child<kelvaro::ui::DialWindow>(main, "DialWindow");
  bool saved = save(dial, folder, "12-dial.png");
  kelvaro::ui::DialDisc& disc = dial.disc();
  for (const kelvaro::DialName& name : disc.layout().names) {
    if (name.factor == 3 && name.variant == kelvaro::Variant::r) {
      disc.setPointer(kelvaro::pointerAt(name.dialValue));
    }
  }
  const auto marked = dial.pointerList().factors[1];
  disc.setMarked({marked.begin(), marked.end()});
  saved &= save(dial, folder, "12-dial-pointer.png");

  click(dial, "HelpButton");
  if (auto* help = kelvaro::ui::windowHelp(dial)) {
    saved &= save(*help, folder, "12-dial-help.png");
    help->close();
  }

  const QString sheet = folder + QStringLiteral("/12-dial-sheet.png");
  platform.saveNextAs(sheet.toStdU16String());
  click(dial, "DialSave");
  if (QFileInfo::exists(sheet)) {
    std::printf("%s\n", qPrintable(sheet));
  } else {
    std::fprintf(stderr, "kelvaro-screenshots: cannot write %s\n", qPrintable(sheet));
    saved = false;
  }
  dial.close();
  return saved;
}

// The transit calendar of the first quarter of 2026, its window and its lines.
bool saveCalendar(kelvaro::ui::MainWindow& main, const QString& folder) {
  click(main, "Button16");
  auto* window = main.findChild<QDialog*>(QStringLiteral("CalendarWindow"));
  if (!window) return false;
  child<QDateEdit>(*window, "FromDate").setDate(QDate(2026, 1, 1));
  child<QDateEdit>(*window, "ToDate").setDate(QDate(2026, 3, 31));
  bool saved = save(*window, folder, "12-calendar-window.png");
  if (auto* help = showHelp(*window)) {
    saved &= save(*help, folder, "12-calendar-help.png");
    help->hide();
  }
  click(*window, "ComputeButton");
  saved &= save(main, folder, "12-calendar-list.png");
  return saved;
}

// The graphic ephemeris of the timeline window's person: a year of
// transits, then sixty years of S and P, for the points with MC, SO, AS or MO.
bool saveEphemeris(kelvaro::ui::CalendarWindow& window, const QString& folder) {
  const auto show = [&window](QDate from, QDate to, bool directions) {
    child<QDateEdit>(window, "FromDate").setDate(from);
    child<QDateEdit>(window, "ToDate").setDate(to);
    child<QAbstractButton>(window, "SolarArcBox").setChecked(directions);
    child<QAbstractButton>(window, "ProgressedBox").setChecked(directions);
    child<QAbstractButton>(window, "TransitBox").setChecked(!directions);
    child<QLineEdit>(window, "WithEdit").setText(QStringLiteral("MC,SO,AS,MO"));
    child<QLineEdit>(window, "OrbEdit").clear();
    click(window, "ComputeButton");
    click(window, "EphemerisButton");
    return window.ephemerisWindow();
  };
  QWidget* year = show(QDate(2026, 1, 1), QDate(2026, 12, 31), false);
  if (!year) return false;
  year->resize(1400, 800);
  bool saved = save(*year, folder, "14-ephemeris-transits-year.png");
  QWidget* sixty = show(QDate(1990, 1, 1), QDate(2049, 12, 31), true);
  saved &= save(*sixty, folder, "14-ephemeris-S-P-60-years.png");
  sixty->close();
  return saved;
}

// The timeline of the README's example person in the calendar window: the
// first quarter of 2026 with S, P and T and the orb 1°12'.
bool saveTimeline(kelvaro::ui::MainWindow& main, kelvaro::ui::Platform& platform,
                  const std::filesystem::path& resultFolder, const QString& folder) {
  const auto checked = kelvaro::chart::checkChartEntry(
      {"Müller", "Anna", "05.03.1970", "14:30", "Europe/Berlin", "50°56' N", "6°57' O", "Köln",
       "05.03.1970", "14:30", "Europe/Berlin", "50°56' N", "6°57' O"});
  const auto* request = std::get_if<kelvaro::chart::ChartRequest>(&checked);
  if (!request) return false;
  kelvaro::ui::CalendarWindow window(platform, &main, {}, resultFolder);
  window.openFor(kelvaro::chart::birthDataOf(*request));
  child<QDateEdit>(window, "FromDate").setDate(QDate(2026, 1, 1));
  child<QDateEdit>(window, "ToDate").setDate(QDate(2026, 3, 31));
  child<QLineEdit>(window, "OrbEdit").setText(QStringLiteral("1:12"));
  window.resize(1200, 700);
  click(window, "ComputeButton");
  bool saved = save(window, folder, "13-timeline.png");
  saved &= saveEphemeris(window, folder);
  window.close();
  return saved;
}

int run(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const kelvaro::ui::OffscreenScreen screen(QSize(1920, 1080));
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: kelvaro-screenshots DIR TRANSIT-FILE\n");
    return 1;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const std::filesystem::path transitFile = std::filesystem::absolute(argv[2]);
  std::filesystem::create_directories(argv[1]);

  QTemporaryDir home;
  // The pictures show the choices of a first start, whatever this user chose.
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
  const std::filesystem::path root(home.path().toStdU16String());
  const kelvaro::ui::ProgramFolders folders = kelvaro::ui::programFoldersIn(root);
  std::filesystem::create_directories(folders.program);
  std::filesystem::create_directories(folders.transit);

  storeSamplePersons(folders.data);
  kelvaro::ui::ScriptedPlatform platform;
  platform.chooseNext(kelvaro::utf8FromPath(transitFile));
  kelvaro::ui::Program program(platform, folders);
  kelvaro::ui::MainWindow& main = program.mainWindow();
  if (main.hasEnded()) return 2;

  bool saved = save(main, folder, "1-intro.png");
  saved &= savePersons(main, folder);
  saved &= saveNewTransit(main, folder);
  child<QPushButton>(main, "Button2").click();
  if (!program.orbDialog().isVisible()) {
    std::fprintf(stderr, "kelvaro-screenshots: %s did not load\n", argv[2]);
    return 2;
  }
  saved &= save(program.orbDialog(), folder, "2-orb-entry.png");
  program.orbDialog().accept();
  saved &= save(program.contentOverview(), folder, "3-content-overview.png");
  scrollToEnd(child<QPlainTextEdit>(program.contentOverview(), "Memo1"));
  saved &= save(program.contentOverview(), folder, "3-content-overview-grid.png");
  child<QPushButton>(program.contentOverview(), "Button1").click();
  saved &= save(main, folder, "4-ready.png");
  QScrollBar& down = *child<QAbstractScrollArea>(main, "Memo3").verticalScrollBar();
  down.setValue(down.maximum() / 2);
  saved &= save(main, folder, "4-ready-houses.png");
  scrollToEnd(child<QAbstractScrollArea>(main, "Memo3"));
  saved &= save(main, folder, "4-ready-squares.png");
  // On a laptop screen of 1366 × 768 a task bar and the title bar leave
  // about 698 pixels: the result list gives up height, every control stays.
  main.resize(main.width(), 698);
  saved &= save(main, folder, "4-ready-1366x768.png");
  main.resize(main.width(), 750);

  saved &= saveOptions(main, platform, folder);
  saved &= saveDial(main, platform, folder);
  saved &= saveCalendar(main, folder);
  saved &= saveTimeline(main, platform, folders.program, folder);

  platform.answerNext(true);
  click(main, "Button3");
  type(QStringLiteral("KNt+JUp"));
  click(main, "Button12");
  saved &= save(program.panelHelp(), folder, "11-help.png");
  return saved ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "kelvaro-screenshots: %s\n", failure.what());
    return 1;
  }
}
