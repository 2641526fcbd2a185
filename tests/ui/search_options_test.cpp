// The six search options of the main window, typed and clicked as a user
// does: which controls each option shows, the checks of its entry fields,
// its messages and questions, and that the lists it shows are exactly what
// the search functions give for the same entry and orb.
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <variant>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "core/std_ho.h"
#include "loading/transit_file.h"
#include "output/result_file.h"
#include "output/save.h"
#include "print/print_support.h"
#include "search/angle_search.h"
#include "search/correspondences.h"
#include "search/free_axis_entry.h"
#include "search/magic_square.h"
#include "search/midpoint_sum_search.h"
#include "search/picture_search.h"
#include "search/quadro_search.h"
#include "search/search_angle.h"
#include "search/triple_search.h"
#include "ui/support/qtest_main.h"
#include "ui/support/ui_helpers.h"
#include "ui/support/ui_run.h"
#include "ui/support/ui_test_case.h"
#include "ui/support/watchdog.h"
#include "ui/widgets/line_view.h"
#include "ui/widgets/option_captions.h"
#include "ui/windows/search_options.h"

Q_DECLARE_METATYPE(std::string)

namespace QTest {
template <>
inline char* toString(const std::set<std::string>& names) {
  std::string all = "{";
  for (const std::string& name : names) all += " " + name;
  return qstrdup((all + " }").c_str());
}
}  // namespace QTest

namespace kelvaro::testing {
namespace {

using ui::BoxKind;
using ui::ShownBox;

constexpr double kOrb = 1.5;  // typed as 1 and 30 into the orb entry

std::string utf8(std::string_view text) { return std::string(text); }

FreeAxisEntry freeAxisEntry(std::string_view text) {
  return std::get<FreeAxisEntry>(checkFreeAxisEntry(text));
}

PanelChoices choicesOf(std::string_view left, std::string_view kind, std::string_view right) {
  return {*panelVariantFromCaption(left), *pictureKindFromCaption(kind),
          *panelVariantFromCaption(right)};
}

}  // namespace

class SearchOptionsTest : public UiTestCase {
  Q_OBJECT

 protected:
  void setUp() override {
    run_ = std::make_unique<UiRun>();
    const std::string sample = run_->sample("mueller-juergen.dat");
    record_ = std::get<TransitRecord>(loadTransitFile(sample));
    QVERIFY(loadInto(sample));
  }

 private slots:

  // The options without the main window: each hands out the whole result
  // of its search (factors included) and says where the list should stand.
  void optionsHandOutTheirResults() {
    ui::ScriptedPlatform platform;
    ui::SearchSession session;
    session.load(record_);
    session.orb = kOrb;
    ui::SearchOptions options(platform, session, nullptr);
    std::vector<std::string> events;
    std::vector<std::pair<SearchResult, ui::ListPlace>> results;
    connect(&options, &ui::SearchOptions::resultReady,
            [&](const SearchResult& result, ui::ListPlace place) {
              events.emplace_back("result");
              results.emplace_back(result, place);
            });
    connect(&options, &ui::SearchOptions::listCleared, [&] { events.emplace_back("cleared"); });
    connect(&options, &ui::SearchOptions::magicSquareOpened,
            [&] { events.emplace_back("opened"); });
    connect(&options, &ui::SearchOptions::magicSquareChanged,
            [&](const SearchResult& view) { events.push_back("magic " + view.heading); });
    options.show();
    options.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&options));

    click(child(options, "Button10"));
    QTest::keyClicks(child(options, "Edit2"), QStringLiteral("kn+ju"));
    const auto entry = std::get<MidpointSumEntry>(checkMidpointSumEntry("kn+ju"));
    QCOMPARE(events, std::vector<std::string>{"result"});
    QVERIFY(results.back().first == midpointSumSearch(record_, kOrb, entry).result);
    QVERIFY(results.back().second == ui::ListPlace::top);
    QVERIFY(child(options, "Button13")->isEnabled());

    platform.answerNext(false);  // method 2: a picture
    click(child(options, "Button3"));
    QTest::keyClicks(child(options, "Edit7"), QStringLiteral("kn/kn=kn/kn"));
    QCOMPARE(events, (std::vector<std::string>{"result", "cleared", "result"}));
    QVERIFY(results.back().first == quadroSearch(record_, kOrb, "kn/kn=kn/kn").result);
    QVERIFY(results.back().second == ui::ListPlace::lastLine);

    // Option 4 hands out the pictures of its solutions with the lines.
    platform.answerNext(true);  // the fourth factor from F1 to F3
    click(child(options, "Button13"));
    QTest::keyClicks(child(options, "Edit6"), QStringLiteral("VE+JU=KN+"));
    const auto equation = *checkTripleEntry("VE+JU=KN+").entry;
    const SearchResult triple = kelvaro::tripleSearch(record_, kOrb, equation, false);
    QVERIFY(!resultPictures(triple).empty());
    QVERIFY(results.back().first == triple);

    events.clear();
    click(child(options, "Button5"));
    QCOMPARE(events, std::vector<std::string>{"opened"});
    QTest::keyClicks(child(options, "Edit8"), QStringLiteral("S"));
    const std::string magicHeading = magicSquareEntryStep(record_, kOrb, "S").view.heading;
    QCOMPARE(events, (std::vector<std::string>{"opened", "magic " + magicHeading}));
  }

  // ---- Option 1 -----------------------------------------------------------

  void midpointSumEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<std::string>("message");  // empty: accepted
    QTest::addRow("lower case") << "kn/ju" << std::string();
    QTest::addRow("factor with itself") << "KN/KN" << std::string();
    QTest::addRow("difference") << "GZ-MO" << std::string();
    QTest::addRow("Du") << "du+MO" << utf8(kMidpointSumFactorMessage);
    QTest::addRow("unknown name") << "KN+XX" << utf8(kMidpointSumFactorMessage);
    QTest::addRow("operator") << "KN*JU" << utf8(kMidpointSumOperatorMessage);
  }

  void midpointSumEntry() {
    QFETCH(QString, entry);
    QFETCH(std::string, message);
    click(button("Button10"));
    QCOMPARE(shownEntryControls(), names({"Edit2", "Label11"}));
    QVERIFY(hasFocus("Edit2"));
    const std::vector<std::string> before = resultList();
    const std::string heading = text(main(), "Label3");

    QVERIFY(typeIntoFocus(entry.left(4)));
    QCOMPARE(resultList(), before);
    QVERIFY(typeIntoFocus(entry.right(1)));

    const Checked<MidpointSumEntry> checked = checkMidpointSumEntry(entry.toStdString());
    if (message.empty()) {
      const MidpointSumEntry& accepted = std::get<MidpointSumEntry>(checked);
      const SearchResult expected = midpointSumSearch(record_, kOrb, accepted).result;
      QCOMPARE(resultList(), expected.lines);
      QCOMPARE(text(main(), "Label3"), expected.heading);
      QCOMPARE(main().session().storedEntry, accepted.text);
      QCOMPARE(field("Edit2")->text(), entry);
      QVERIFY(shownFromTop("Memo3"));
      QVERIFY(run_->platform().boxes().empty());
    } else {
      QCOMPARE(rejection(checked)->message, message);
      QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::error, message));
      QCOMPARE(field("Edit2")->text(), QString());
      QVERIFY(hasFocus("Edit2"));
      QCOMPARE(resultList(), before);
      QCOMPARE(text(main(), "Label3"), heading);
      QCOMPARE(main().session().storedEntry, std::string());
    }
  }

  // Enter searches the entry again, here with an orb changed in between.
  void enterRepeatsTheMidpointSumSearch() {
    click(button("Button10"));
    QVERIFY(typeIntoFocus(QStringLiteral("kn+ju")));
    const MidpointSumEntry entry = std::get<MidpointSumEntry>(checkMidpointSumEntry("kn+ju"));
    QCOMPARE(resultList(), midpointSumSearch(record_, kOrb, entry).result.lines);

    click(child(main(), "Label7"));
    QVERIFY(QTest::qWaitForWindowActive(&run_->program().orbDialog()));
    QVERIFY(typeIntoFocus(QStringLiteral("2\b\n")));
    QCOMPARE(main().orb(), 2.0);
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
    QVERIFY(hasFocus("Edit2"));
    const std::vector<std::string> wider =
        midpointSumSearch(record_, 2.0, entry).result.lines.lines();
    QVERIFY(wider != resultList());

    QVERIFY(typeIntoFocus(QStringLiteral("\n")));
    QCOMPARE(resultList(), wider);
    QVERIFY(run_->platform().boxes().empty());
  }

  // ---- Option 2, method 1 -------------------------------------------------

  void methodOneShowsTheEntryThenThePanel() {
    run_->platform().answerNext(true);
    click(button("Button3"));
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::question, utf8(kMethodQuestion)));
    QCOMPARE(shownEntryControls(), names({"Label9", "Label15", "Edit1"}));
    QCOMPARE(text(main(), "Label9"), utf8(ui::kFreeAxisPrompt));
    QCOMPARE(child(main(), "Label9")->x(), ui::kFreeAxisPromptLeft);
    QCOMPARE(child(main(), "Label15")->x(), child(main(), "Label9")->x());
    QVERIFY(hasFocus("Edit1"));

    QVERIFY(typeIntoFocus(QStringLiteral("knT+jup")));
    QCOMPARE(shownEntryControls(), names({"Label9", "Edit1", "Panel4"}));
    QCOMPARE(text(main(), "Label9"), utf8(ui::kPanelPrompt));
    QCOMPARE(text(main(), "Label4"), utf8(ui::kPictureColumnLeft));
    QCOMPARE(text(main(), "Label5"), utf8(ui::kPictureColumnRight));
    QCOMPARE(main().session().storedEntry, std::string("KNT+JUp"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{1});
    QVERIFY(!overlapping());
  }

  void methodOneRefusals_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<std::string>("message");
    QTest::addRow("variant") << "KNx+JUp" << utf8(kFreeAxisVariantMessage);
    QTest::addRow("operator") << "KNt*JUp" << utf8(kFreeAxisOperatorMessage);
    QTest::addRow("factor before variant") << "XXt+JUx" << utf8(kFreeAxisFactorMessage);
  }

  void methodOneRefusals() {
    QFETCH(QString, entry);
    QFETCH(std::string, message);
    click(button("Button10"));
    QVERIFY(typeIntoFocus(QStringLiteral("KN+JU")));
    run_->platform().answerNext(true);
    click(button("Button3"));
    run_->platform().forgetBoxes();

    QVERIFY(typeIntoFocus(entry));
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::error, message));
    QCOMPARE(field("Edit1")->text(), QString());
    QVERIFY(hasFocus("Edit1"));
    QCOMPARE(shownEntryControls(), names({"Label9", "Label15", "Edit1"}));
    QCOMPARE(main().session().storedEntry, std::string("KN+JU"));
  }

  // Each row marks panel buttons in order; the list is the search of the
  // last choices, and a question comes only for equal single variants.
  void panelChoices_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("choices");  // left, kind, right captions
    QTest::addColumn<int>("question");         // -1 none, else the answer (0 No, 1 Yes)
    const auto buttons = [](std::initializer_list<int> numbers) {
      QStringList list;
      for (int n : numbers) list << QStringLiteral("RadioButton%1").arg(n);
      return list;
    };
    QTest::addRow("r / t") << buttons({1, 5, 10}) << QStringList{"r", "/", "t"} << -1;
    QTest::addRow("another right-hand click")
        << buttons({1, 5, 10, 8}) << QStringList{"r", "/", "p"} << -1;
    QTest::addRow("a left click alone starts nothing")
        << buttons({1, 5, 10, 4}) << QStringList{"r", "/", "t"} << -1;
    QTest::addRow("t + rpst") << buttons({4, 6, 12}) << QStringList{"t", "+", "rpst"} << -1;
    QTest::addRow("rpst / rpst") << buttons({11, 5, 12}) << QStringList{"rpst", "/", "rpst"} << -1;
    QTest::addRow("r / r, Yes") << buttons({1, 5, 7}) << QStringList{"r", "/", "r"} << 1;
    QTest::addRow("s + s, No") << buttons({3, 6, 9}) << QStringList{"s", "+", "s"} << 0;
  }

  void panelChoices() {
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, choices);
    QFETCH(int, question);
    enterFreeAxis(QStringLiteral("knt+JUp"));
    const PanelChoices expected =
        choicesOf(choices[0].toStdString(), choices[1].toStdString(), choices[2].toStdString());
    if (question >= 0) run_->platform().answerNext(question == 1);

    for (const QString& name : clicks) mark(name.toLatin1().constData());
    const SearchResult search = pictureSearch(
        record_, kOrb, entryAxis(record_, freeAxisEntry("knt+JUp")), expected, question == 1);
    QCOMPARE(resultList(), search.lines);
    QCOMPARE(text(main(), "Label3"), search.heading);
    QVERIFY(shownFromTop("Memo3"));
    std::vector<ShownBox> questions;
    if (question >= 0) {
      questions.push_back({BoxKind::question, utf8(singleFactorQuestion(expected.kind))});
    }
    QCOMPARE(run_->platform().boxes(), questions);
  }

  // A right-hand choice needs a left variant and a kind chosen before it.
  void rightHandChoiceFirstAsksForTheOrder() {
    enterFreeAxis(QStringLiteral("KNt+JUp"));
    const std::vector<std::string> before = resultList();
    const std::vector<ShownBox> orderBox = oneBox(BoxKind::information, utf8(kPanelOrderMessage));

    mark("RadioButton10");
    QCOMPARE(run_->platform().boxes(), orderBox);
    mark("RadioButton5");
    mark("RadioButton9");
    QCOMPARE(run_->platform().boxes().size(), std::size_t{2});
    QCOMPARE(run_->platform().boxes().back(), orderBox.front());
    QCOMPARE(resultList(), before);

    run_->platform().forgetBoxes();
    mark("RadioButton2");
    mark("RadioButton10");
    QCOMPARE(resultList(),
             pictureSearch(record_, kOrb, entryAxis(record_, freeAxisEntry("KNt+JUp")),
                           choicesOf("p", "/", "t"), false)
                 .lines);
    QVERIFY(run_->platform().boxes().empty());
  }

  // The panel choices stay for the whole run: through a new start of the
  // option and a new transit file.
  void panelChoicesSurviveARestart() {
    enterFreeAxis(QStringLiteral("KNt+JUp"));
    for (const char* name : {"RadioButton4", "RadioButton6", "RadioButton10"}) {
      mark(name);
    }
    const std::string anna = run_->sample("weiss-anna.dat");
    const TransitRecord annasRecord = std::get<TransitRecord>(loadTransitFile(anna));
    run_->platform().chooseNext(anna);
    click(button("Button4"));
    click(button("Button2"));
    QVERIFY(finishLoad());

    enterFreeAxis(QStringLiteral("MAr/VEs"));
    mark("RadioButton8");
    QCOMPARE(resultList(),
             pictureSearch(annasRecord, kOrb, entryAxis(annasRecord, freeAxisEntry("MAr/VEs")),
                           choicesOf("t", "+", "p"), false)
                 .lines);
  }

  // ---- Option 2, method 2 -------------------------------------------------

  void quadroSearchOnElevenCharacters() {
    run_->platform().answerNext(false);
    click(button("Button3"));
    QCOMPARE(shownEntryControls(), names({"Label9", "Edit7"}));
    QCOMPARE(text(main(), "Label9"), utf8(ui::kQuadroPrompt));
    QCOMPARE(child(main(), "Label9")->x(), ui::kQuadroPromptLeft);
    QVERIFY(hasFocus("Edit7"));
    const std::vector<std::string> before = resultList();

    QVERIFY(typeIntoFocus(QStringLiteral("kn/kn=kn/k")));
    QCOMPARE(resultList(), before);
    QVERIFY(typeIntoFocus(QStringLiteral("n")));
    const QuadroOutcome found = quadroSearch(record_, kOrb, "kn/kn=kn/kn");
    QVERIFY(!found.rejection);
    QCOMPARE(resultList(), found.result.lines);
    QCOMPARE(text(main(), "Label3"), found.result.heading);
    // The list stays where the last appended line is.
    const QScrollBar* scroll = child<QAbstractScrollArea>(main(), "Memo3")->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    QCOMPARE(scroll->value(), scroll->maximum());

    // The picture stays for the next use of the method.
    run_->platform().answerNext(true).answerNext(false);
    click(button("Button3"));
    click(button("Button3"));
    QCOMPARE(field("Edit7")->text(), QStringLiteral("kn/kn=kn/kn"));
    QVERIFY(hasFocus("Edit7"));
    run_->platform().forgetBoxes();

    QVERIFY(typeIntoFocus(QStringLiteral("KN+JU-MO/SA")));
    const QuadroOutcome refused = quadroSearch(record_, kOrb, "KN+JU-MO/SA");
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::error, refused.rejection->message));
    QCOMPARE(refused.rejection->message, utf8(kQuadroEqualsMessage));
    QCOMPARE(resultList(), refused.result.lines);
    QCOMPARE(text(main(), "Label3"), refused.result.heading);
    QCOMPARE(field("Edit7")->text(), QString());
  }

  // ---- Option 3 -----------------------------------------------------------

  void angleEntryThenFactorSearch() {
    click(button("Button10"));
    QVERIFY(typeIntoFocus(QStringLiteral("KN+JU")));
    click(button("Button13"));
    QCOMPARE(shownEntryControls(), names({"Label16", "Label17", "Edit3", "Edit4"}));
    QCOMPARE(text(main(), "Label16"), utf8(ui::kDegreesCaption));
    QCOMPARE(text(main(), "Label17"), utf8(ui::kMinutesCaption));
    QCOMPARE(main().session().storedEntry, std::string());
    QVERIFY(hasFocus("Edit3"));

    QVERIFY(typeIntoFocus(QStringLiteral("07")));
    QVERIFY(hasFocus("Edit4"));
    QVERIFY(run_->platform().boxes().empty());
    run_->platform().answerNext(true);
    QVERIFY(typeIntoFocus(QStringLiteral("30")));
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::question, utf8(kAngleFactorQuestion)));
    QCOMPARE(main().session().searchAngle, 7.5);
    QCOMPARE(text(main(), "Label16"), grad_minuten_text(7.5));
    QCOMPARE(shownEntryControls(), names({"Label16", "Label18", "Edit5"}));
    QVERIFY(!overlapping());
    QVERIFY(hasFocus("Edit5"));
    QVERIFY(!main().session().angleMode);

    QVERIFY(typeIntoFocus(QStringLiteral("DU")));
    QCOMPARE(run_->platform().boxes().back(),
             (ShownBox{BoxKind::error, utf8(kAngleFactorMessage)}));
    QCOMPARE(field("Edit5")->text(), QStringLiteral("DU"));
    QVERIFY(hasFocus("Edit5"));

    QVERIFY(typeIntoFocus(QStringLiteral("\b\bmc")));
    const SearchResult expected = angleSearch(record_, kOrb, 7.5, factor::MC);
    QCOMPARE(resultList(), expected.lines);
    QCOMPARE(text(main(), "Label3"), expected.heading);
    QCOMPARE(shownEntryControls(), names({"Label16", "Label17"}));
    QCOMPARE(text(main(), "Label17"), std::string("MC"));
    QVERIFY(!overlapping());
    QVERIFY(shownFromTop("Memo3"));
    QCOMPARE(run_->platform().boxes().size(), std::size_t{2});
  }

  // Keys typed from the degrees field on; the angle check runs when the
  // minutes field is left, by a focus move, Enter or Tab.
  void angleCheck_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("tabOut");      // leave the minutes field with Tab at the end
    QTest::addColumn<QString>("degrees");  // the field texts after the check
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("valid");
    QTest::addRow("22:59") << "2259" << false << "22"
                           << "59" << true;
    QTest::addRow("23:00") << "2300" << false << "23"
                           << "00" << false;
    QTest::addRow("22:60") << "2260" << false << "22"
                           << "60" << false;
    QTest::addRow("empty fields") << "\n\n"
                                  << false << "0"
                                  << "00" << true;
    QTest::addRow("one digit, Enter") << "7\n5\n"
                                      << false << "7"
                                      << "5" << true;
    QTest::addRow("letters") << "ab00" << false << "ab"
                             << "00" << false;
    QTest::addRow("left by Tab") << "12" << true << "12"
                                 << "" << true;
  }

  void angleCheck() {
    QFETCH(QString, keys);
    QFETCH(bool, tabOut);
    QFETCH(QString, degrees);
    QFETCH(QString, minutes);
    QFETCH(bool, valid);
    click(button("Button13"));
    const SearchAngleCheck expected =
        checkSearchAngle(degrees.toStdString(), minutes.toStdString());
    QCOMPARE(expected.valid, valid);
    if (valid) run_->platform().answerNext(false);

    QVERIFY(typeIntoFocus(keys));
    if (tabOut) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    QCOMPARE(field("Edit3")->text().toStdString(), expected.degreesText);
    QCOMPARE(field("Edit4")->text().toStdString(), expected.minutesText);
    QCOMPARE(main().session().searchAngle, expected.angle);
    if (valid) {
      QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::question, utf8(kAngleFactorQuestion)));
      QCOMPARE(text(main(), "Label16"), grad_minuten_text(expected.angle));
      QCOMPARE(shownEntryControls(), names({"Label16", "Panel4"}));
    } else {
      QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::error, utf8(kInvalidSearchAngleMessage)));
      QCOMPARE(shownEntryControls(), names({"Label16", "Label17", "Edit3", "Edit4"}));
      QCOMPARE(text(main(), "Label16"), utf8(ui::kDegreesCaption));
      QVERIFY(hasFocus("Edit3"));
    }
  }

  // No to the factor question: the panel searches the pictures at the angle,
  // named after the emptied stored entry; option 2 ends the angle mode.
  void angleModePanel() {
    click(button("Button10"));
    QVERIFY(typeIntoFocus(QStringLiteral("KN+JU")));
    click(button("Button13"));
    run_->platform().answerNext(false);
    QVERIFY(typeIntoFocus(QStringLiteral("0730")));
    QVERIFY(main().session().angleMode);
    QCOMPARE(shownEntryControls(), names({"Label16", "Panel4"}));
    QCOMPARE(text(main(), "Label4"), utf8(ui::kAngleColumnLeft));
    QCOMPARE(text(main(), "Label5"), utf8(ui::kAngleColumnRight));

    for (const char* name : {"RadioButton2", "RadioButton6", "RadioButton10"}) {
      mark(name);
    }
    const SearchResult expected =
        pictureSearch(record_, kOrb, angleAxis(7.5, ""), choicesOf("p", "+", "t"), false);
    QCOMPARE(resultList(), expected.lines);
    QCOMPARE(text(main(), "Label3"), expected.heading);
    QCOMPARE(expected.heading, std::string("Suche in   07°30'"));

    run_->platform().answerNext(false);
    click(button("Button3"));
    QVERIFY(!main().session().angleMode);
  }

  // ---- Option 4 -----------------------------------------------------------

  void tripleSearch_data() {
    QTest::addColumn<bool>("onlyFromTheEntry");  // the answer to the question
    QTest::addRow("Yes") << true;
    QTest::addRow("No") << false;
  }

  void tripleSearch() {
    QFETCH(bool, onlyFromTheEntry);
    run_->platform().answerNext(onlyFromTheEntry);
    click(button("Button14"));
    QCOMPARE(run_->platform().boxes(), oneBox(BoxKind::question, utf8(kTripleQuestion)));
    QCOMPARE(shownEntryControls(), names({"Label23", "Edit6"}));
    QVERIFY(hasFocus("Edit6"));
    const std::vector<std::string> before = resultList();

    QVERIFY(typeIntoFocus(QStringLiteral("ve+ju=kn")));
    QCOMPARE(resultList(), before);
    QVERIFY(typeIntoFocus(QStringLiteral("+")));
    const TripleStep step = tripleEntryStep(record_, kOrb, "ve+ju=kn+", !onlyFromTheEntry);
    QCOMPARE(resultList(), step.lines);
    QCOMPARE(text(main(), "Label3"), *step.heading);
    QVERIFY(shownFromTop("Memo3"));

    // A refused equation: both messages, the closing lines with zero counts,
    // the heading of the last search.
    QVERIFY(typeIntoFocus(QStringLiteral("\b\b\b\b\b\b\b\b\bVEr+JU=KN")));
    const TripleStep refused = tripleEntryStep(record_, kOrb, "VEr+JU=KN", !onlyFromTheEntry);
    QCOMPARE(refused.messages.size(), std::size_t{2});
    QCOMPARE(run_->platform().boxes().size(), std::size_t{3});
    QCOMPARE(run_->platform().boxes()[1], (ShownBox{BoxKind::error, refused.messages[0]}));
    QCOMPARE(run_->platform().boxes()[2], (ShownBox{BoxKind::error, refused.messages[1]}));
    QCOMPARE(resultList(), tripleRefusedLines());
    QCOMPARE(text(main(), "Label3"), *step.heading);
    QCOMPARE(field("Edit6")->text(), QString());
    QVERIFY(hasFocus("Edit6"));
  }

  void tripleEquationStaysForTheNextUse() {
    run_->platform().answerNext(true).answerNext(false);
    click(button("Button14"));
    QVERIFY(typeIntoFocus(QStringLiteral("ve/ju=kn/")));
    click(button("Button10"));
    click(button("Button14"));
    QCOMPARE(field("Edit6")->text(), QStringLiteral("ve/ju=kn/"));
    QVERIFY(typeIntoFocus(QStringLiteral("\n")));  // Enter: the same equation, now from all factors
    QCOMPARE(resultList(), tripleEntryStep(record_, kOrb, "ve/ju=kn/", true).lines);
  }

  // ---- Option 5 -----------------------------------------------------------

  void correspondencesRunAtOnce() {
    click(button("Button1"));
    const SearchResult expected = correspondences(record_, kOrb);
    QCOMPARE(resultList(), expected.lines);
    QCOMPARE(text(main(), "Label3"), utf8(kCorrespondencesHeading));
    QVERIFY(expected.lines.size() == 171 || expected.lines.size() == 169);
    QVERIFY(hasFocus("Button1"));
    QVERIFY(shownEntryControls().empty());
    QVERIFY(shownFromTop("Memo3"));

    // "Speichern" saves the list as it now stands.
    click(button("Button7"));
    const std::filesystem::path saved = run_->startFile(resultFileName(record_));
    QCOMPARE(fileBytes(saved), resultFileText(record_, ResultText(expected.lines)));
  }

  // ---- Option 6 -----------------------------------------------------------

  void magicSquareEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<std::string>("message");  // empty: accepted
    QTest::addColumn<QString>("fieldAfter");
    QTest::addRow("lower case") << "knt" << std::string() << "knt";
    QTest::addRow("upper-case variant") << "KNT" << utf8(kInvalidMagicVariantMessage) << "KN";
    QTest::addRow("unknown name") << "XXt" << utf8(kInvalidMagicFactorMessage) << "";
    QTest::addRow("solar-arc Sun") << "SOs" << std::string() << "SOs";
  }

  void magicSquareEntry() {
    QFETCH(QString, entry);
    QFETCH(std::string, message);
    QFETCH(QString, fieldAfter);
    const std::vector<std::string> resultListBefore = resultList();
    click(button("Button5"));
    QCOMPARE(shownEntryControls(), names({"Label22", "Edit8", "Memo1"}));
    QVERIFY(hasFocus("Edit8"));

    QVERIFY(typeIntoFocus(entry.left(2)));
    QCOMPARE(viewLines(main(), "Memo1"), magicSquareEntryStep(record_, kOrb, "kn").view.lines);
    QCOMPARE(text(main(), "Label3"), utf8(kMagicSquareHeading));
    QVERIFY(run_->platform().boxes().empty());

    QVERIFY(typeIntoFocus(entry.right(1)));
    const MagicSquareStep step = magicSquareEntryStep(record_, kOrb, entry.toStdString());
    std::vector<ShownBox> boxes;
    if (!message.empty()) boxes.push_back({BoxKind::error, message});
    boxes.push_back({BoxKind::information, utf8(kMagicSquareInformation)});
    QCOMPARE(run_->platform().boxes(), boxes);
    QCOMPARE(viewLines(main(), "Memo1"), step.view.lines);
    QCOMPARE(field("Edit8")->text(), fieldAfter);
    QVERIFY(hasFocus("Edit8"));
    QCOMPARE(resultList(), resultListBefore);
  }

  // After the variant message the name stays, ready for the letter.
  void magicSquareLetterAfterARefusal() {
    click(button("Button5"));
    QVERIFY(typeIntoFocus(QStringLiteral("KNTt")));
    QCOMPARE(field("Edit8")->text(), QStringLiteral("KNt"));
    QCOMPARE(viewLines(main(), "Memo1"), magicSquareEntryStep(record_, kOrb, "KNt").view.lines);
    QCOMPARE(run_->platform().boxes().size(), std::size_t{3});
  }

  // The view covers the result list with its print and save buttons while
  // option 6 is active.
  void magicSquareViewCoversTheResultList() {
    click(button("Button5"));
    QWidget* view = child(main(), "Memo1");
    for (const char* name : {"Memo3", "Button6", "Button7", "SavePdfButton"}) {
      QWidget* covered = child(main(), name);
      const QPoint centre = covered->mapTo(&main(), covered->rect().center());
      QWidget* seen = main().childAt(centre);
      QVERIFY2(seen == view || view->isAncestorOf(seen), name);
    }
  }

  // ---- Result list --------------------------------------------------------

  // Keys select from where the user clicked, Ctrl+C copies the selection as
  // plain text, and the keys without Shift scroll as they did.
  void resultListSelectsAndCopiesWithKeys() {
    auto* view = child<QAbstractScrollArea>(main(), "Memo3");
    const std::vector<std::string> lines = resultList();
    QVERIFY(lines.size() > 40);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(view->hasFocus());

    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard(), lines[0] + "\n");
    QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard(), lines[0] + "\n" + lines[1]);

    // Selecting on past the lines in sight scrolls them along.
    QScrollBar* scroll = view->verticalScrollBar();
    for (int i = 0; i < 40; ++i) QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(scroll->value() > 0);
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(scroll->value(), 0);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(scroll->value(), 1);
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(scroll->value(), scroll->maximum());
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(scroll->value(), 0);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(scroll->value(), scroll->pageStep());
    QTest::keyClick(view, Qt::Key_Space, Qt::ShiftModifier);
    QCOMPARE(scroll->value(), 0);
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(scroll->value(), scroll->maximum());

    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    std::string all;
    for (const std::string& line : lines) all += (all.empty() ? "" : "\n") + line;
    QCOMPARE(clipboard(), all);
  }

  // Dragging with the mouse selects from the press to where the mouse is.
  void resultListSelectsByDragging() {
    auto* view = child<ui::LineView>(main(), "Memo3");
    const std::vector<std::string> lines = resultList();
    // Just right of a character's left edge, as the view lays it out.
    const auto at = [&](std::size_t line, qsizetype column) {
      const QRect character = view->characterRect({line, column});
      return QPoint(character.left() + 1, character.center().y());
    };
    QWidget* viewport = view->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, at(0, 3));
    QMouseEvent drag(QEvent::MouseMove, at(2, 5), viewport->mapToGlobal(at(2, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drag);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(2, 5));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    const QString expected = QString::fromStdString(lines[0]).mid(3) + "\n" +
                             QString::fromStdString(lines[1]) + "\n" +
                             QString::fromStdString(lines[2]).left(5);
    QCOMPARE(QString::fromStdString(clipboard()), expected);
  }

  // A drag held past the bottom edge goes on selecting and scrolling while
  // the mouse stands still, and stops when the button is let go.
  void resultListScrollsWhileADragStandsPastTheEdge() {
    auto* view = child<QAbstractScrollArea>(main(), "Memo3");
    QWidget* viewport = view->viewport();
    QScrollBar* scroll = view->verticalScrollBar();
    QVERIFY(scroll->maximum() > 5);
    const QPoint below(10, viewport->height() + 10);
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent drag(QEvent::MouseMove, below, viewport->mapToGlobal(below), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drag);
    const int afterMove = scroll->value();
    QTRY_VERIFY(scroll->value() >= afterMove + 3);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, below);
    const int afterRelease = scroll->value();
    QTest::qWait(200);
    QCOMPARE(scroll->value(), afterRelease);
  }

  // ---- All options ----------------------------------------------------------

  // Each option button leaves only its own controls, none overlapping
  // another or the option buttons.
  void optionButtonsOneAfterAnother() {
    struct Start {
      const char* button;
      int answer;  // -1: no question
      std::set<std::string> shown;
    };
    const std::vector<Start> starts = {
        {"Button5", -1, {"Label22", "Edit8", "Memo1"}},
        {"Button3", 1, {"Label9", "Label15", "Edit1"}},
        {"Button13", -1, {"Label16", "Label17", "Edit3", "Edit4"}},
        {"Button3", 0, {"Label9", "Edit7"}},
        {"Button14", 0, {"Label23", "Edit6"}},
        {"Button1", -1, {}},
        {"Button10", -1, {"Edit2", "Label11"}},
        {"Button14", 1, {"Label23", "Edit6"}},
        {"Button5", -1, {"Label22", "Edit8", "Memo1"}},
    };
    for (const Start& start : starts) {
      if (start.answer >= 0) run_->platform().answerNext(start.answer == 1);
      click(button(start.button));
      QCOMPARE(shownEntryControls(), start.shown);
      QVERIFY2(!overlapping(), start.button);
    }
    QVERIFY(run_->platform().unscripted().empty());
    // The equation field has its prompt above it, as option 1's field has.
    auto* prompt = child<QLabel>(main(), "Label23");
    QCOMPARE(prompt->buddy(), child(main(), "Edit6"));
    QCOMPARE(prompt->x(), child(main(), "Edit6")->x());
    QVERIFY(prompt->geometry().bottom() < child(main(), "Edit6")->y());
    QCOMPARE(prompt->font(), child<QLabel>(main(), "Label11")->font());
  }

 private:
  // Start, load with the orb 1:30 and close the content overview.
  bool loadInto(const std::string& sample) {
    run_->platform().chooseNext(sample);
    ui::Program& program = run_->start();
    click(child(program.mainWindow(), "Button2"));
    return finishLoad();
  }

  bool finishLoad() {
    return run_->enterOrbAndContinue(QStringLiteral("130")) && main().orb() == kOrb;
  }

  // Option 2, method 1, with an accepted entry: the panel is shown.
  void enterFreeAxis(const QString& entry) {
    run_->platform().answerNext(true);
    click(button("Button3"));
    QVERIFY(typeIntoFocus(entry));
    QVERIFY(child(main(), "Panel4")->isVisible());
    run_->platform().forgetBoxes();
  }

  // A click on a radio button's circle, where a user marks it.
  void mark(const char* radioButton) {
    QWidget* button = child(main(), radioButton);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }

  ui::MainWindow& main() { return run_->main(); }
  QPushButton* button(const char* name) { return child<QPushButton>(main(), name); }
  QLineEdit* field(const char* name) { return child<QLineEdit>(main(), name); }
  std::vector<std::string> resultList() { return viewLines(main(), "Memo3"); }
  bool hasFocus(const char* name) { return QApplication::focusWidget() == child(main(), name); }
  static std::string clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }

  bool shownFromTop(const char* view) {
    return child<QAbstractScrollArea>(main(), view)->verticalScrollBar()->value() == 0;
  }

  static std::set<std::string> names(std::initializer_list<const char*> list) {
    return {list.begin(), list.end()};
  }

  std::set<std::string> shownEntryControls() {
    std::set<std::string> shown;
    for (const char* name : entryControlNames()) {
      if (child(main(), name)->isVisible()) shown.insert(name);
    }
    return shown;
  }

  // Two visible controls of the lower area (option buttons, restart, entry
  // controls) that share pixels.
  bool overlapping() {
    std::vector<QWidget*> controls;
    for (const char* name :
         {"Button10", "Button3", "Button13", "Button14", "Button1", "Button5", "Button4"}) {
      controls.push_back(child(main(), name));
    }
    for (const char* name : entryControlNames()) {
      QWidget* control = child(main(), name);
      if (control->isVisible() && name != std::string("Memo1")) controls.push_back(control);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        if (controls[i]->geometry().intersects(controls[j]->geometry())) {
          qWarning("%s overlaps %s", qPrintable(controls[i]->objectName()),
                   qPrintable(controls[j]->objectName()));
          return true;
        }
      }
    }
    return false;
  }

  TransitRecord record_;
};

}  // namespace kelvaro::testing

KELVARO_QTEST_MAIN(kelvaro::testing::SearchOptionsTest)
#include "search_options_test.moc"
