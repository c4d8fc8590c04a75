#include "common/HelpStub.h"
#include "common/TestWorld.h"
#include "perception/UgolTask.h"
#include "perception/Ugol_Set.h"
#include "perception/Ugolf.h"
#include "platform/RichTextBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kSection = QStringLiteral("Ugol");

// The field-of-view window and its settings dialog, created in roster order, the window shown at 1024 × 768.
struct UgolWorld
{
    UgolWorld()
    {
        world.writeFile(QStringLiteral("help/helpUgol.rtf"), "{\\rtf1\\ansi Field of view help}");
        help = new HelpStub(world.services);
        world.roster.add(help);
    }
    void create()
    {
        ugol = world.create<TFormUgol>();
        set = world.create<TFormUgolSet>();
        ugol->show();
        ugol->resize(1024, 768);
        ugol->FormResize();
    }
    // Starts tasks until one has two different groups, so that their order shows.
    void goUntilGroupsDiffer()
    {
        for (int i = 0; i < 100; ++i) {
            ugol->OneStep();
            const QString answer = ugol->expectedAnswer();
            if (answer.size() == 2 && answer[0] != answer[1])
                return;
        }
        QFAIL("no task with two different groups");
    }
    QString results() const { return QString::fromLatin1(world.readFile(QStringLiteral("bin/resultUgol.txt"))); }

    TestWorld world;
    HelpStub* help = nullptr;
    TFormUgol* ugol = nullptr;
    TFormUgolSet* set = nullptr;
};

} // namespace

class TestUgol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void usablePair_data();
    void usablePair();
    void task_groupLengths_data();
    void task_groupLengths();
    void task_weightZeroNeverTaken();
    void task_hundredTriesThenTakesLastDraw();

    void creation_showsIntroAndInstruction();
    void go_defaultsWidenThenAnswerWidensAgain();
    void enter_givesUp_data();
    void enter_givesUp();
    void enter_fromFiftyShowsFortyThenRaises();
    void distance_neverBeyondHalfWidthLessThirty();
    void answer_checkedAtEveryKeystroke();
    void answer_backspaceRemovesLastCharacter();
    void showTimer_hidesTask();
    void timeOut_countsTwoAndKeepsTask();
    void brokenCharacterPair_fallsBackSilently_data();
    void brokenCharacterPair_fallsBackSilently();
    void exit_stopsTimersAndShowsIntro();
    void help_showsUgolGuide();
    void settings_takesButtonStops();

    void settingsLoad_appliesBounds_data();
    void settingsLoad_appliesBounds();
    void settingsLoad_fontHeights();
    void settingsOk_writesEveryKeyUnbounded();
    void settingsOk_invalidNumberStops();
    void settings_keyFilterAndFont();
};

void TestUgol::usablePair_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("usable");
    QTest::addRow("defaults") << kUgolDefaultLibrary << kUgolDefaultMask << true;
    QTest::addRow("two characters") << "a "
                                    << "1 " << true;
    QTest::addRow("last mask position unread") << "ab"
                                               << "1x" << true;
    QTest::addRow("empty") << ""
                           << "" << false;
    QTest::addRow("one character") << "a"
                                   << "1" << false;
    QTest::addRow("library shorter") << "ab"
                                     << "111" << false;
    QTest::addRow("library longer") << "abcd"
                                    << "111" << true;
    QTest::addRow("letter in mask") << "abc"
                                    << "1a1" << false;
    QTest::addRow("blank in mask") << "abc"
                                   << " 11" << false;
}

void TestUgol::usablePair()
{
    QFETCH(QString, library);
    QFETCH(QString, mask);
    QFETCH(bool, usable);
    QCOMPARE(isUsableCharacterPair(library, mask), usable);
}

void TestUgol::task_groupLengths_data()
{
    QTest::addColumn<int>("groupLength");
    QTest::addColumn<int>("expected");
    QTest::addRow("0 gives empty groups") << 0 << 0;
    QTest::addRow("-3 gives empty groups") << -3 << 0;
    QTest::addRow("1") << 1 << 1;
    QTest::addRow("5") << 5 << 5;
    QTest::addRow("9") << 9 << 9;
    QTest::addRow("huge is cut to the longest group") << 2000000000 << kUgolMaxGroupLength;
}

void TestUgol::task_groupLengths()
{
    QFETCH(int, groupLength);
    QFETCH(int, expected);
    Random random;
    random.seed(7);
    const UgolTask task = generateUgolTask(groupLength, kUgolDefaultLibrary, kUgolDefaultMask, random);
    QCOMPARE(task.left.size(), expected);
    QCOMPARE(task.right.size(), expected);
    for (const QChar c : task.left + task.right)
        QVERIFY(kUgolDefaultLibrary.left(kUgolDefaultLibrary.size() - 1).contains(c));
}

void TestUgol::task_weightZeroNeverTaken()
{
    // Weight 0 for "a", 9 for "b": "b" is taken at the first accepted draw, long before the 100th try.
    Random random;
    random.seed(3);
    for (int i = 0; i < 50; ++i) {
        const UgolTask task = generateUgolTask(5, QStringLiteral("ab "), QStringLiteral("09 "), random);
        QCOMPARE(task.left + task.right, QStringLiteral("bbbbbbbbbb"));
    }
}

void TestUgol::task_hundredTriesThenTakesLastDraw()
{
    // Every weight 0: each character takes exactly 100 tries (a position and a value each) and is the one at the
    // hundredth position drawn.
    const QString library = QStringLiteral("abcdefghij ");
    const QString mask = QStringLiteral("0000000000 ");
    Random random;
    random.seed(11);
    const UgolTask task = generateUgolTask(2, library, mask, random);

    Random replay;
    replay.seed(11);
    QString expected;
    for (int character = 0; character < 4; ++character) {
        int position = 0;
        for (int tries = 0; tries < 100; ++tries) {
            position = replay.random(library.size() - 1);
            replay.random(10);
        }
        expected.append(library[position]);
    }
    QCOMPARE(task.left + task.right, expected);
}

void TestUgol::creation_showsIntroAndInstruction()
{
    UgolWorld w;
    w.create();
    QVERIFY(!w.ugol->Editor->isHidden());
    QVERIFY(w.ugol->Editor->toPlainText().startsWith(QStringLiteral("Field of view help")));
    QCOMPARE(w.ugol->Label1->text(), QStringLiteral("Press Next button"));
    QVERIFY(!w.ugol->ButtonHelp->isEnabled());
    QCOMPARE(w.ugol->Label_TrTrue->text(), QStringLiteral("Right attempts: 0"));
    QCOMPARE(w.ugol->Label_rast->text(), QStringLiteral("Current interval: 0"));
    QVERIFY(w.ugol->Label_TrFalse->isHidden());
    QCOMPARE(w.ugol->ButtonNext->text(), QStringLiteral("Go"));
    QCOMPARE(w.ugol->outcomeSign(), 1);
}

void TestUgol::go_defaultsWidenThenAnswerWidensAgain()
{
    UgolWorld w;
    w.create();
    QTest::mouseClick(w.ugol->ButtonNext, Qt::LeftButton);
    QCOMPARE(w.ugol->shownDistance(), 110);
    QCOMPARE(w.ugol->rightAttempts(), 1);
    QCOMPARE(w.ugol->Label_TrTrue->text(), QStringLiteral("Right attempts: 1"));
    QCOMPARE(w.ugol->Label_rast->text(), QStringLiteral("Current interval: 110"));
    QVERIFY(w.ugol->Editor->isHidden());
    QVERIFY(w.ugol->ButtonHelp->isEnabled());
    QVERIFY(w.ugol->TimerShow->isActive());
    QVERIFY(w.ugol->TimerWait->isActive());
    QCOMPARE(w.ugol->TimerShow->interval(), 300);
    QCOMPARE(w.ugol->TimerWait->interval(), 10000);
    // The groups stand L pixels either side of the centre line.
    QCOMPARE(w.ugol->LabelL->geometry().right() + 1, w.ugol->centreX() - 110);
    QCOMPARE(w.ugol->LabelR->x(), w.ugol->centreX() + 110);
    QCOMPARE(w.ugol->LabelL->text().size(), 1);

    QTest::keyClicks(w.ugol->Edit1, w.ugol->expectedAnswer());
    QCOMPARE(w.ugol->shownDistance(), 120);
    QCOMPARE(w.ugol->rightAttempts(), 2);
    QCOMPARE(w.results(), QStringLiteral("300,3,110,1,\r\n"));
    QCOMPARE(w.world.sound.count(Sound::DefaultSound), 2);
    QVERIFY(w.ugol->Edit1->text().isEmpty());
    QVERIFY(w.ugol->Label1->isHidden());
}

void TestUgol::enter_givesUp_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    // After "Go" (right 1) and a correct answer (right 2), the next task is at 120.
    QTest::addRow("nothing typed") << QString() << 2 << 0;
    QTest::addRow("wrong text typed") << QStringLiteral("x") << 3 << 1;
}

void TestUgol::enter_givesUp()
{
    QFETCH(QString, typed);
    QFETCH(int, right);
    QFETCH(int, wrong);
    UgolWorld w;
    w.create();
    w.ugol->OneStep();
    QTest::keyClicks(w.ugol->Edit1, w.ugol->expectedAnswer());
    QCOMPARE(w.ugol->shownDistance(), 120);

    QTest::keyClicks(w.ugol->Edit1, typed);
    QTest::keyClick(w.ugol->Edit1, Qt::Key_Return);
    QCOMPARE(w.ugol->shownDistance(), 110);
    QCOMPARE(w.ugol->rightAttempts(), right);
    QCOMPARE(w.ugol->wrongAttempts(), wrong);
    QCOMPARE(w.ugol->Label_TrFalse->text(), QStringLiteral("Not right attempts: %1").arg(wrong));
    QCOMPARE(w.world.sound.count(Sound::DefaultSound), 2);
}

void TestUgol::enter_fromFiftyShowsFortyThenRaises()
{
    UgolWorld w;
    w.create();
    w.ugol->L = 50;
    w.ugol->OneStep(); // first task: 60
    QCOMPARE(w.ugol->shownDistance(), 60);
    QTest::keyClick(w.ugol->Edit1, Qt::Key_Enter);
    QCOMPARE(w.ugol->shownDistance(), 50);
    QTest::keyClick(w.ugol->Edit1, Qt::Key_Enter);
    QCOMPARE(w.ugol->shownDistance(), 40);
    QCOMPARE(w.ugol->L, 50);
    QTest::keyClick(w.ugol->Edit1, Qt::Key_Enter);
    QCOMPARE(w.ugol->shownDistance(), 40);

    // "Go" and a time-out leave the distance as it is.
    w.ugol->OneStep();
    QCOMPARE(w.ugol->shownDistance(), 50);
}

void TestUgol::distance_neverBeyondHalfWidthLessThirty()
{
    UgolWorld w;
    w.create();
    QCOMPARE(w.ugol->centreX(), 512);
    w.ugol->L = 470;
    w.ugol->OneStep();
    QCOMPARE(w.ugol->shownDistance(), 480);
    QTest::keyClicks(w.ugol->Edit1, w.ugol->expectedAnswer());
    QCOMPARE(w.ugol->shownDistance(), 482);
    QTest::keyClicks(w.ugol->Edit1, w.ugol->expectedAnswer());
    QCOMPARE(w.ugol->shownDistance(), 482);

    // Values of the settings dialog are taken without bounds; the sum must not overflow.
    w.ugol->L = std::numeric_limits<int>::max();
    w.ugol->Step = std::numeric_limits<int>::max();
    QTest::keyClicks(w.ugol->Edit1, w.ugol->expectedAnswer());
    QCOMPARE(w.ugol->shownDistance(), 482);
}

void TestUgol::answer_checkedAtEveryKeystroke()
{
    UgolWorld w;
    w.create();
    w.goUntilGroupsDiffer();
    const QString answer = w.ugol->expectedAnswer();
    const int right = w.ugol->rightAttempts();
    const int shown = w.ugol->shownDistance();

    // The groups in the wrong order are not accepted; the echo follows the typing, centred on the line.
    QTest::keyClick(w.ugol->Edit1, answer[1].toLatin1());
    QVERIFY(w.ugol->Label1->isVisibleTo(w.ugol));
    QCOMPARE(w.ugol->Label1->text(), QString(answer[1]));
    QVERIFY(qAbs(w.ugol->Label1->geometry().center().x() - w.ugol->centreX()) <= 1);
    QTest::keyClick(w.ugol->Edit1, answer[0].toLatin1());
    QCOMPARE(w.ugol->rightAttempts(), right);
    QCOMPARE(w.ugol->outcomeSign(), 0);
    QCOMPARE(w.ugol->Label1->text(), QString(answer[1]) + answer[0]);
    QVERIFY(w.world.sound.beeps.isEmpty());

    // In the right order the answer is taken at the second keystroke, without Enter.
    w.ugol->Edit1->clear();
    QVERIFY(w.ugol->Label1->isHidden());
    QTest::keyClick(w.ugol->Edit1, answer[0].toLatin1());
    QCOMPARE(w.ugol->rightAttempts(), right);
    QTest::keyClick(w.ugol->Edit1, answer[1].toLatin1());
    QCOMPARE(w.ugol->rightAttempts(), right + 1);
    QCOMPARE(w.ugol->shownDistance(), shown + 10);
    QCOMPARE(w.world.sound.count(Sound::DefaultSound), 2);
}

void TestUgol::answer_backspaceRemovesLastCharacter()
{
    UgolWorld w;
    w.create();
    w.ugol->Razryad = 3;
    w.ugol->OneStep();
    QTest::keyClicks(w.ugol->Edit1, QStringLiteral("ab"));
    QTest::keyClick(w.ugol->Edit1, Qt::Key_Backspace);
    QCOMPARE(w.ugol->Edit1->text(), QStringLiteral("a"));
    QTest::keyClick(w.ugol->Edit1, Qt::Key_Backspace);
    QTest::keyClick(w.ugol->Edit1, Qt::Key_Backspace);
    QCOMPARE(w.ugol->Edit1->text(), QString());
    QVERIFY(w.ugol->Label1->isHidden());
}

void TestUgol::showTimer_hidesTask()
{
    UgolWorld w;
    w.create();
    w.ugol->OneStep();
    const QString answer = w.ugol->expectedAnswer();
    QTest::keyClick(w.ugol->Edit1, 'z');
    w.ugol->TimerShowTimer();
    QVERIFY(!w.ugol->TimerShow->isActive());
    QVERIFY(w.ugol->TimerWait->isActive());
    QVERIFY(w.ugol->LabelL->text().isEmpty());
    QVERIFY(w.ugol->LabelR->text().isEmpty());
    QVERIFY(w.ugol->Edit1->text().isEmpty());
    // The task is still the one to answer.
    QCOMPARE(w.ugol->expectedAnswer(), answer);
}

void TestUgol::timeOut_countsTwoAndKeepsTask()
{
    UgolWorld w;
    w.create();
    w.ugol->OneStep();
    w.ugol->TimerShowTimer();
    w.ugol->TimerWaitTimer();
    QCOMPARE(w.world.dialogs.messages(), QStringList{QStringLiteral("Time is out.")});
    QVERIFY(!w.ugol->TimerWait->isActive());
    QCOMPARE(w.ugol->wrongAttempts(), 2);
    QCOMPARE(w.ugol->outcomeSign(), 0);
    QCOMPARE(w.ugol->shownDistance(), 110);

    // A correct answer after the time-out still counts and widens the distance.
    QTest::keyClicks(w.ugol->Edit1, w.ugol->expectedAnswer());
    QCOMPARE(w.ugol->rightAttempts(), 2);
    QCOMPARE(w.ugol->shownDistance(), 120);

    // A hidden window does not time out.
    w.ugol->hide();
    w.ugol->TimerWaitTimer();
    QCOMPARE(w.ugol->wrongAttempts(), 2);
}

void TestUgol::brokenCharacterPair_fallsBackSilently_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("mask");
    QTest::addRow("empty") << ""
                           << "";
    QTest::addRow("too short") << "a"
                               << "1";
    QTest::addRow("unequal lengths") << "abc"
                                     << "11111";
    QTest::addRow("not digits") << "abc"
                                << "xy ";
}

void TestUgol::brokenCharacterPair_fallsBackSilently()
{
    QFETCH(QString, library);
    QFETCH(QString, mask);
    UgolWorld w;
    w.world.settings.WriteString(kSection, QStringLiteral("Lib"), library);
    w.world.settings.WriteString(kSection, QStringLiteral("Dig"), mask);
    w.world.settings.WriteInteger(kSection, QStringLiteral("Razryad"), 3);
    w.create();
    QCOMPARE(w.ugol->Lib, library);
    w.ugol->OneStep();
    QCOMPARE(w.ugol->expectedAnswer().size(), 6);
    for (const QChar c : w.ugol->expectedAnswer())
        QVERIFY(kUgolDefaultLibrary.contains(c));
    QVERIFY(w.world.dialogs.shown.isEmpty());

    // The stored pair is written back as it was.
    w.set->SavePar();
    QCOMPARE(w.world.settings.ReadString(kSection, QStringLiteral("Lib"), QStringLiteral("?")), library);
    QCOMPARE(w.world.settings.ReadString(kSection, QStringLiteral("Dig"), QStringLiteral("?")), mask);
}

void TestUgol::exit_stopsTimersAndShowsIntro()
{
    UgolWorld w;
    w.create();
    w.ugol->OneStep();
    QTest::mouseClick(w.ugol->ButtonEnd, Qt::LeftButton);
    QVERIFY(!w.ugol->isVisible());
    QVERIFY(!w.ugol->TimerShow->isActive());
    QVERIFY(!w.ugol->TimerWait->isActive());
    QVERIFY(!w.ugol->Editor->isHidden());
    // Counts and distance carry over to the next opening.
    w.ugol->show();
    QCOMPARE(w.ugol->rightAttempts(), 1);
    QCOMPARE(w.ugol->Label_rast->text(), QStringLiteral("Current interval: 110"));
}

void TestUgol::help_showsUgolGuide()
{
    UgolWorld w;
    w.create();
    w.ugol->OneStep();
    QTest::mouseClick(w.ugol->ButtonHelp, Qt::LeftButton);
    QCOMPARE(w.help->files, QStringList{w.world.path(QStringLiteral("help/helpUgol.rtf"))});
}

void TestUgol::settings_takesButtonStops()
{
    UgolWorld w;
    w.create();
    w.ugol->OneStep();
    QTest::mouseClick(w.ugol->ButtonSet, Qt::LeftButton);
    QVERIFY(!w.ugol->TimerWait->isActive());
    QVERIFY(w.set->isVisible());
    QCOMPARE(w.set->Edit1->text(), QStringLiteral("10"));
    QCOMPARE(w.set->Edit2->text(), QStringLiteral("300"));
    QCOMPARE(w.set->Edit5->text(), QStringLiteral("110"));
    QCOMPARE(w.set->Edit6->text(), QStringLiteral("1"));
}

void TestUgol::settingsLoad_appliesBounds_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("used");
    QTest::addRow("Razryad 9 gives 5") << "Razryad"
                                       << "9" << 5;
    QTest::addRow("Razryad 0 gives 1") << "Razryad"
                                       << "0" << 1;
    QTest::addRow("Razryad 3 stays") << "Razryad"
                                     << "3" << 3;
    QTest::addRow("TimeShow 100 gives 300") << "TimeShow"
                                            << "100" << 300;
    QTest::addRow("TimeShow 800 stays") << "TimeShow"
                                        << "800" << 800;
    QTest::addRow("L 40 gives 100") << "L"
                                    << "40" << 100;
    QTest::addRow("TimeWait 2 gives 5") << "TimeWait"
                                        << "2" << 5;
    QTest::addRow("Step 0 gives 1") << "Step"
                                    << "0" << 1;
    QTest::addRow("Step -4 gives 1") << "Step"
                                     << "-4" << 1;
    QTest::addRow("Step not a number gives 10") << "Step"
                                                << "x" << 10;
}

void TestUgol::settingsLoad_appliesBounds()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(int, used);
    UgolWorld w;
    w.world.settings.WriteString(kSection, key, stored);
    w.create();
    const QHash<QString, int> values{{"Razryad", w.ugol->Razryad},
                                     {"TimeShow", w.ugol->TimeShow},
                                     {"L", w.ugol->L},
                                     {"TimeWait", w.ugol->TimeWait},
                                     {"Step", w.ugol->Step}};
    QCOMPARE(values.value(key), used);
}

void TestUgol::settingsLoad_fontHeights()
{
    UgolWorld w;
    w.world.settings.WriteInteger(kSection, QStringLiteral("font_height"), -45);
    w.create();
    for (QLabel* label : {w.ugol->LabelL, w.ugol->LabelR, w.ugol->Label1})
        QCOMPARE(label->font().pixelSize(), 45);
}

void TestUgol::settingsOk_writesEveryKeyUnbounded()
{
    UgolWorld w;
    w.world.settings.WriteString(kSection, QStringLiteral("TimeWait"), QStringLiteral("12"));
    w.world.settings.WriteString(kSection, QStringLiteral("Len_True"), QStringLiteral("0"));
    w.create();
    w.set->show();
    w.set->Edit1->setText(QStringLiteral("0"));
    w.set->Edit2->setText(QStringLiteral("50"));
    w.set->Edit5->setText(QStringLiteral("20"));
    w.set->Edit6->setText(QStringLiteral("9"));
    QTest::mouseClick(w.set->Button1, Qt::LeftButton);

    QCOMPARE(w.ugol->Step, 0);
    QCOMPARE(w.ugol->TimeShow, 50);
    QCOMPARE(w.ugol->L, 20);
    QCOMPARE(w.ugol->Razryad, 9);
    QVERIFY(!w.set->isVisible());
    QCOMPARE(w.ugol->focusWidget(), w.ugol->Edit1);

    const QList<QPair<QString, QString>> expected{{"FontHeight", "-37"},
                                                  {"Step", "0"},
                                                  {"TimeShow", "50"},
                                                  {"TimeWait", "12"},
                                                  {"L", "20"},
                                                  {"Razryad", "9"},
                                                  {"Len_True", "0"},
                                                  {"Verticale_True", "1"},
                                                  {"Lib", kUgolDefaultLibrary},
                                                  {"Dig", kUgolDefaultMask},
                                                  {"font_height", "-37"}};
    for (const auto& [key, value] : expected)
        QCOMPARE(w.world.settings.ReadString(kSection, key, QStringLiteral("missing")), value);

    // Nine characters per group until the next start.
    w.ugol->OneStep();
    QCOMPARE(w.ugol->LabelL->text().size(), 9);
    QCOMPARE(w.ugol->shownDistance(), 20);
}

void TestUgol::settingsOk_invalidNumberStops()
{
    UgolWorld w;
    w.create();
    w.set->show();
    w.set->Edit1->setText(QStringLiteral("25"));
    w.set->Edit2->clear();
    QTest::mouseClick(w.set->Button1, Qt::LeftButton);
    QCOMPARE(w.world.dialogs.messages(), QStringList{QStringLiteral("'' is not a valid integer value")});
    QCOMPARE(w.ugol->Step, 25);
    QVERIFY(w.set->isVisible());
    QVERIFY(!w.world.settings.ValueExists(kSection, QStringLiteral("Step")));
}

void TestUgol::settings_keyFilterAndFont()
{
    UgolWorld w;
    w.create();
    w.set->show();
    for (QLineEdit* edit : {w.set->Edit1, w.set->Edit2, w.set->Edit5, w.set->Edit6}) {
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("4x5.6"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("45"));
    }

    const QFont group = w.ugol->LabelL->font();
    QTest::mouseClick(w.set->Button3, Qt::LeftButton); // cancelled
    QCOMPARE(w.ugol->LabelL->font(), group);
    QCOMPARE(w.ugol->LabelR->font(), group);

    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPixelSize(30);
    w.world.dialogs.fonts.enqueue(chosen);
    QTest::mouseClick(w.set->Button3, Qt::LeftButton);
    for (QLabel* label : {w.ugol->LabelL, w.ugol->LabelR, w.ugol->Label1})
        QCOMPARE(label->font(), chosen);
    w.set->SavePar();
    QCOMPARE(w.world.settings.ReadString(kSection, QStringLiteral("font_height"), QString()), QStringLiteral("-30"));
    QCOMPARE(w.world.settings.ReadString(kSection, QStringLiteral("FontHeight"), QString()), QStringLiteral("-30"));
}

QTEST_MAIN(TestUgol)
#include "tst_ugol.moc"
