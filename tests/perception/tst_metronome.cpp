#include "common/HelpStub.h"
#include "common/TestWorld.h"
#include "perception/Rhythm.h"
#include "perception/Unit_metronom.h"
#include "perception/Unit_metronomSet.h"
#include "platform/RichTextBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

struct Fixture
{
    explicit Fixture(bool withHelp = true)
    {
        if (withHelp)
            world.install(QStringLiteral("help/helpMetronom.rtf"), QStringLiteral("help/helpMetronom.rtf"));
        metronom = world.create<TMetronom>();
        settings = world.create<TFormMetronomSet>();
        help = world.create<HelpStub>();
    }

    QList<rhythm::Row> table() const
    {
        QList<rhythm::Row> rows;
        for (int row = 0; row < rhythm::kRows; ++row)
            rows.append({metronom->cell(0, row), metronom->cell(1, row)});
        return rows;
    }

    void setTable(const QList<rhythm::Row>& rows)
    {
        for (int row = 0; row < rhythm::kRows; ++row) {
            metronom->setCell(0, row, row < rows.size() ? rows[row].interval : QString());
            metronom->setCell(1, row, row < rows.size() ? rows[row].beeps : QString());
        }
    }

    // The row marked "****" (-1 when none or several are).
    int markedRow() const
    {
        int marked = -1;
        for (int row = 0; row < rhythm::kRows; ++row) {
            if (metronom->cell(2, row) == QLatin1String("****")) {
                if (marked >= 0)
                    return -1;
                marked = row;
            }
        }
        return marked;
    }

    // One beat, as Timer1 gives it: the row it marked and the beeps it gave.
    QPair<int, int> beat()
    {
        const qsizetype before = world.sound.beeps.size();
        metronom->Timer1Timer();
        return {markedRow(), int(world.sound.beeps.size() - before)};
    }

    void openAnswer(const QString& path) { world.dialogs.files.enqueue(FileChoice{path, false}); }

    TestWorld world;
    TMetronom* metronom = nullptr;
    TFormMetronomSet* settings = nullptr;
    HelpStub* help = nullptr;
};

QList<rhythm::Row> builtInTable()
{
    QList<rhythm::Row> rows = rhythm::builtIn();
    rows.append(rhythm::Row());
    return rows;
}

} // namespace

class TestMetronome : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellNumbers_data();
    void cellNumbers();
    void perSecondAdjustment_data();
    void perSecondAdjustment();
    void rhythmFileLines_data();
    void rhythmFileLines();

    void creation_fillsBuiltInRhythmAndStaysStopped();
    void builtInRhythm_beatsRowsWithTheirWaitsAndBeeps();
    void pauseThenStart_beginsAtRowZero();
    void startWithoutFirstInterval_onlyHidesIntro_data();
    void startWithoutFirstInterval_onlyHidesIntro();
    void zeroRow_endsRhythmUntilPerSecondPassMakesItOne();
    void cellsThatAreNotNumbers_skipBeepsAndEndRhythm();
    void hugeBeepCount_isBounded();
    void keys_editSelectedCell_data();
    void keys_editSelectedCell();
    void defalt_restoresRowsZeroToEightAndStops();
    void exit_stopsAndShowsIntroAgain_data();
    void exit_stopsAndShowsIntroAgain();
    void help_enabledByFirstStart();

    void save_builtInRhythm_writesNineLines();
    void save_leavesOutEmptyRows_andLoadMovesLaterRowsUp();
    void save_toUnwritablePlace_reportsError();
    void load_fillsRowsEmptiesTheRestAndStarts_data();
    void load_fillsRowsEmptiesTheRestAndStarts();
    void load_cancelled_leavesMetronomeStopped();
    void load_unreadableFile_saysSoAndKeepsTable();
    void fileDialogs_offerDefaultRhythmFile();

    void settingsFields_changeEveryIntervalEachSecondOnOk_data();
    void settingsFields_changeEveryIntervalEachSecondOnOk();
    void settingsFields_cancelKeepsChangeInEffect();
    void settingsFields_acceptOnlyDigits();
    void settingsWithoutMetronome_reportEveryButton();
};

void TestMetronome::cellNumbers_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("value"); // -1: not a number
    QTest::addColumn<bool>("ends");
    QTest::addColumn<int>("beeps");
    QTest::addRow("digits") << "200" << 200 << false << 100;
    QTest::addRow("zero ends") << "0" << 0 << true << 0;
    QTest::addRow("00 is a zero wait") << "00" << 0 << false << 0;
    QTest::addRow("empty ends") << "" << -1 << true << 0;
    QTest::addRow("blanks around") << " 5 " << 5 << false << 5;
    QTest::addRow("letters") << "abc" << -1 << true << 0;
    QTest::addRow("sign") << "-5" << -1 << true << 0;
    QTest::addRow("beyond int") << "2147483648" << -1 << true << 0;
    QTest::addRow("largest int") << "2147483647" << 2147483647 << false << rhythm::kMaxBeepsPerBeat;
}

void TestMetronome::cellNumbers()
{
    QFETCH(QString, cell);
    QFETCH(int, value);
    QFETCH(bool, ends);
    QFETCH(int, beeps);
    QCOMPARE(rhythm::number(cell).value_or(-1), value);
    QCOMPARE(rhythm::endsRhythm(cell), ends);
    QCOMPARE(rhythm::beepCount(cell), beeps);
}

void TestMetronome::perSecondAdjustment_data()
{
    QTest::addColumn<QString>("interval");
    QTest::addColumn<qint64>("change");
    QTest::addColumn<QString>("result"); // empty: left alone
    QTest::addRow("no change keeps value") << "200" << qint64(0) << "200";
    QTest::addRow("leading zeros go") << "0200" << qint64(0) << "200";
    QTest::addRow("zero becomes one") << "0" << qint64(0) << "1";
    QTest::addRow("speed up") << "200" << qint64(15) << "185";
    QTest::addRow("slow down") << "200" << qint64(-15) << "215";
    QTest::addRow("never below 1 ms") << "10" << qint64(50) << "1";
    QTest::addRow("never beyond int") << "2147483000" << qint64(-999999999) << "2147483647";
    QTest::addRow("not a number") << "x1" << qint64(0) << "";
}

void TestMetronome::perSecondAdjustment()
{
    QFETCH(QString, interval);
    QFETCH(qint64, change);
    QFETCH(QString, result);
    QCOMPARE(rhythm::adjusted(interval, change).value_or(QString()), result);
}

void TestMetronome::rhythmFileLines_data()
{
    using Rows = QList<rhythm::Row>;
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Rows>("rows");
    QTest::addRow("interval and beeps") << QStringList{"300 2"} << Rows{{"300", "2"}};
    QTest::addRow("no blank: all interval") << QStringList{"450"} << Rows{{"450", ""}};
    QTest::addRow("leading blank: empty interval") << QStringList{" 3"} << Rows{{"", "3"}};
    QTest::addRow("split at first blank") << QStringList{"300 2 1"} << Rows{{"300", "2 1"}};
    QTest::addRow("empty line") << QStringList{"", "100 1"} << Rows{{"", ""}, {"100", "1"}};
    QStringList ten;
    Rows nine;
    for (int i = 1; i <= 10; ++i) {
        ten.append(QStringLiteral("%1 1").arg(i * 100));
        if (i <= 9)
            nine.append({QString::number(i * 100), QStringLiteral("1")});
    }
    QTest::addRow("ten lines: nine rows") << ten << nine;
}

void TestMetronome::rhythmFileLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<rhythm::Row>, rows);
    QCOMPARE(rhythm::fromLines(lines), rows);
}

void TestMetronome::creation_fillsBuiltInRhythmAndStaysStopped()
{
    Fixture f;
    QCOMPARE(f.table(), builtInTable());
    QVERIFY(!f.metronom->Timer1->isActive());
    QVERIFY(!f.metronom->TimerSec->isActive());
    QCOMPARE(f.metronom->Timer1->timerType(), Qt::PreciseTimer);
    QVERIFY(!f.metronom->ButtonHelp->isEnabled());
    QVERIFY(!f.metronom->Editor->isHidden());
    QVERIFY(f.metronom->Editor->text().contains(QLatin1String("www.qor-reader.example")));
    QCOMPARE(f.metronom->ButtonNext->text(), QStringLiteral("Start"));
    QCOMPARE(f.metronom->Label6->text(), QStringLiteral("Duration of the beep"));
}

void TestMetronome::builtInRhythm_beatsRowsWithTheirWaitsAndBeeps()
{
    Fixture f;
    f.metronom->Start1Click();
    QVERIFY(f.metronom->Timer1->isActive());
    QVERIFY(f.metronom->TimerSec->isActive());
    QVERIFY(f.metronom->Editor->isHidden());
    QCOMPARE(f.metronom->Timer1->interval(), 200);

    // Each beat: the row it marks, its beeps, and the wait set for the next beat.
    const QList<std::tuple<int, int, int>> expected = {
        {0, 5, 200}, {1, 5, 400}, {2, 5, 400}, {3, 5, 800}, {4, 5, 800}, {5, 5, 800},
        {6, 5, 800}, {7, 5, 800}, {8, 0, 200}, {0, 5, 200}, {1, 5, 400},
    };
    for (const auto& [row, beeps, wait] : expected) {
        QCOMPARE(f.beat(), qMakePair(row, beeps));
        QCOMPARE(f.metronom->Timer1->interval(), wait);
    }
    QCOMPARE(f.world.sound.count(Sound::SimpleBeep), 50);
    QCOMPARE(f.world.sound.beeps.size(), 50);
}

void TestMetronome::pauseThenStart_beginsAtRowZero()
{
    Fixture f;
    f.metronom->Start1Click();
    f.beat();
    f.beat();
    f.beat();
    f.metronom->ButtonPouse->click();
    QVERIFY(!f.metronom->Timer1->isActive());
    QVERIFY(!f.metronom->TimerSec->isActive());
    f.metronom->ButtonNext->click();
    QCOMPARE(f.metronom->Timer1->interval(), 200);
    QCOMPARE(f.beat().first, 0);
}

void TestMetronome::startWithoutFirstInterval_onlyHidesIntro_data()
{
    QTest::addColumn<QString>("first");
    QTest::addRow("empty") << "";
    QTest::addRow("zero") << "0";
    QTest::addRow("not a number") << "abc";
}

void TestMetronome::startWithoutFirstInterval_onlyHidesIntro()
{
    QFETCH(QString, first);
    Fixture f;
    f.metronom->setCell(0, 0, first);
    f.metronom->Start1Click();
    QVERIFY(!f.metronom->Timer1->isActive());
    QVERIFY(!f.metronom->TimerSec->isActive());
    QVERIFY(f.metronom->Editor->isHidden());
    QVERIFY(f.metronom->ButtonHelp->isEnabled());
}

void TestMetronome::zeroRow_endsRhythmUntilPerSecondPassMakesItOne()
{
    Fixture f;
    f.metronom->setCell(0, 3, QStringLiteral("0"));
    f.metronom->Start1Click();
    QList<int> rows;
    for (int i = 0; i < 7; ++i)
        rows.append(f.beat().first);
    QCOMPARE(rows, (QList<int>{0, 1, 2, 0, 1, 2, 0}));

    f.metronom->TimerSecTimer();
    QCOMPARE(f.metronom->cell(0, 3), QStringLiteral("1"));
    QCOMPARE(f.beat().first, 1);
    QCOMPARE(f.beat().first, 2);
    QCOMPARE(f.metronom->Timer1->interval(), 1);
    QCOMPARE(f.beat(), qMakePair(3, 5));
    QCOMPARE(f.beat().first, 4);
}

void TestMetronome::cellsThatAreNotNumbers_skipBeepsAndEndRhythm()
{
    Fixture f;
    f.metronom->setCell(1, 0, QStringLiteral("x"));
    f.metronom->setCell(0, 2, QStringLiteral("4oo"));
    f.metronom->Start1Click();
    QCOMPARE(f.beat(), qMakePair(0, 0));
    QCOMPARE(f.beat(), qMakePair(1, 5));
    QCOMPARE(f.metronom->Timer1->interval(), 200);
    QCOMPARE(f.beat(), qMakePair(0, 0));

    // The per-second pass stops at the row it cannot read, as the beat does.
    f.metronom->setPerSecondChange(10);
    f.metronom->TimerSecTimer();
    QCOMPARE(f.metronom->cell(0, 1), QStringLiteral("190"));
    QCOMPARE(f.metronom->cell(0, 2), QStringLiteral("4oo"));
    QCOMPARE(f.metronom->cell(0, 3), QStringLiteral("400"));

    // With row 0 unreadable nothing is left to play: the metronome stops instead of failing at every beat.
    f.metronom->setCell(0, 0, QStringLiteral("?"));
    f.beat();
    QVERIFY(!f.metronom->Timer1->isActive());
    QVERIFY(f.world.dialogs.messages().isEmpty());
}

void TestMetronome::hugeBeepCount_isBounded()
{
    Fixture f;
    f.metronom->setCell(1, 0, QStringLiteral("999999999"));
    f.metronom->Start1Click();
    QCOMPARE(f.beat(), qMakePair(0, rhythm::kMaxBeepsPerBeat));
}

void TestMetronome::keys_editSelectedCell_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("keys"); // '<' stands for Backspace
    QTest::addColumn<QString>("result");
    QTest::addRow("digit appended to interval") << 0 << 0 << "3"
                                                << "2003";
    QTest::addRow("backspace emptying a cell leaves 0") << 1 << 0 << "<"
                                                        << "0";
    QTest::addRow("backspace takes last character") << 0 << 4 << "<"
                                                    << "80";
    QTest::addRow("other characters swallowed") << 0 << 1 << "a -.5"
                                                << "2005";
    QTest::addRow("empty cell typed into") << 0 << 9 << "15"
                                           << "15";
    QTest::addRow("after 0 digits are appended") << 1 << 8 << "<7"
                                                 << "07";
    QTest::addRow("marker column too") << 2 << 0 << "1"
                                       << "1";
}

void TestMetronome::keys_editSelectedCell()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, keys);
    QFETCH(QString, result);
    Fixture f;
    f.metronom->StringGrid1->setCurrentCell(row, col);
    for (const QChar key : keys) {
        if (key == QLatin1Char('<'))
            QTest::keyClick(f.metronom->StringGrid1, Qt::Key_Backspace);
        else
            QTest::keyClick(f.metronom->StringGrid1, key.toLatin1());
    }
    QCOMPARE(f.metronom->cell(col, row), result);
}

void TestMetronome::defalt_restoresRowsZeroToEightAndStops()
{
    Fixture f;
    f.metronom->setCell(0, 0, QStringLiteral("55"));
    f.metronom->setCell(1, 8, QStringLiteral("3"));
    f.metronom->setCell(0, 9, QStringLiteral("900"));
    f.metronom->Start1Click();
    f.metronom->ButtonInit->click();
    QList<rhythm::Row> expected = builtInTable();
    expected[9] = {QStringLiteral("900"), QString()};
    QCOMPARE(f.table(), expected);
    QVERIFY(!f.metronom->Timer1->isActive());
    QVERIFY(!f.metronom->TimerSec->isActive());
    QVERIFY(f.metronom->Editor->isHidden());
    // The credits are appended once to the reloaded help text, not once more.
    QCOMPARE(f.metronom->Editor->text().count(QLatin1String("www.qor-reader.example")), 1);
}

void TestMetronome::exit_stopsAndShowsIntroAgain_data()
{
    QTest::addColumn<bool>("withHelp");
    QTest::addRow("help file: the intro shows again") << true;
    // The box would hold only the credits, over the table.
    QTest::addRow("no help file: no intro") << false;
}

void TestMetronome::exit_stopsAndShowsIntroAgain()
{
    QFETCH(bool, withHelp);
    Fixture f(withHelp);
    QCOMPARE(f.metronom->Editor->isHidden(), !withHelp);
    f.metronom->show();
    f.metronom->Start1Click();
    f.metronom->setCell(0, 2, QStringLiteral("123"));
    f.metronom->ButtonEnd->click();
    QVERIFY(!f.metronom->isVisible());
    QVERIFY(!f.metronom->Timer1->isActive());
    QVERIFY(!f.metronom->TimerSec->isActive());
    QCOMPARE(f.metronom->Editor->isHidden(), !withHelp);
    QCOMPARE(f.metronom->cell(0, 2), QStringLiteral("123"));
}

void TestMetronome::help_enabledByFirstStart()
{
    Fixture f;
    QVERIFY(!f.metronom->ButtonHelp->isEnabled());
    f.metronom->ButtonNext->click();
    f.metronom->ButtonHelp->click();
    QCOMPARE(f.help->files, QStringList{f.world.path(QStringLiteral("help/helpMetronom.rtf"))});
}

void TestMetronome::save_builtInRhythm_writesNineLines()
{
    Fixture f;
    f.openAnswer(f.world.path(QStringLiteral("bin/1.txt")));
    f.settings->ButtonUnLoad->click();
    QCOMPARE(f.world.readFile(QStringLiteral("bin/1.txt")),
             QByteArray("200 5\r\n200 5\r\n400 5\r\n400 5\r\n800 5\r\n800 5\r\n800 5\r\n800 5\r\n800 \r\n"));
    QVERIFY(!f.metronom->Timer1->isActive());
}

void TestMetronome::save_leavesOutEmptyRows_andLoadMovesLaterRowsUp()
{
    Fixture f;
    f.setTable({{"300", "2"}, {"", ""}, {"450", ""}, {"", "4"}});
    f.openAnswer(f.world.path(QStringLiteral("bin/r.txt")));
    f.settings->ButtonUnLoadClick();
    QCOMPARE(f.world.readFile(QStringLiteral("bin/r.txt")), QByteArray("300 2\r\n450 \r\n 4\r\n"));

    f.setTable(builtInTable());
    f.openAnswer(f.world.path(QStringLiteral("bin/r.txt")));
    f.settings->ButtonLoadClick();
    QList<rhythm::Row> expected = {{"300", "2"}, {"450", ""}, {"", "4"}};
    expected.resize(rhythm::kRows);
    QCOMPARE(f.table(), expected);
}

void TestMetronome::save_toUnwritablePlace_reportsError()
{
    Fixture f;
    f.openAnswer(f.world.path(QStringLiteral("no/such/folder/1.txt")));
    f.settings->ButtonUnLoad->click();
    QCOMPARE(f.world.dialogs.shown.last().kind, QStringLiteral("error"));
    QVERIFY(!QFile::exists(f.world.path(QStringLiteral("no/such/folder/1.txt"))));
}

void TestMetronome::load_fillsRowsEmptiesTheRestAndStarts_data()
{
    using Rows = QList<rhythm::Row>;
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Rows>("rows");
    QTest::addRow("one line") << QByteArray("300 2\r\n") << Rows{{"300", "2"}};
    QTest::addRow("no blank") << QByteArray("450\r\n") << Rows{{"450", ""}};
    QTest::addRow("leading blank") << QByteArray(" 3\r\n100 1\r\n") << Rows{{"", "3"}, {"100", "1"}};
    QTest::addRow("LF ends and no last end") << QByteArray("100 1\n200 2") << Rows{{"100", "1"}, {"200", "2"}};
    QTest::addRow("empty file") << QByteArray() << Rows{};
    QByteArray twelve;
    Rows nine;
    for (int i = 1; i <= 12; ++i) {
        twelve += QByteArray::number(i) + " 1\r\n";
        if (i <= 9)
            nine.append({QString::number(i), QStringLiteral("1")});
    }
    QTest::addRow("twelve lines: first nine, row 9 empty") << twelve << nine;
}

void TestMetronome::load_fillsRowsEmptiesTheRestAndStarts()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<rhythm::Row>, rows);
    Fixture f;
    f.metronom->setCell(0, 9, QStringLiteral("700"));
    f.metronom->setCell(2, 4, QStringLiteral("****"));
    f.world.writeFile(QStringLiteral("bin/1.txt"), file);
    f.openAnswer(f.world.path(QStringLiteral("bin/1.txt")));
    f.settings->ButtonLoad->click();

    QList<rhythm::Row> expected = rows;
    expected.resize(rhythm::kRows);
    QCOMPARE(f.table(), expected);
    QCOMPARE(f.metronom->cell(2, 4), QStringLiteral("****"));
    // Loading starts the metronome, with the wait its beat timer last had (one second before any start).
    QVERIFY(f.metronom->Timer1->isActive());
    QVERIFY(f.metronom->TimerSec->isActive());
    QCOMPARE(f.metronom->Timer1->interval(), 1000);
    f.beat();
}

void TestMetronome::load_cancelled_leavesMetronomeStopped()
{
    Fixture f;
    f.metronom->Start1Click();
    f.settings->ButtonLoadClick();
    QVERIFY(!f.metronom->Timer1->isActive());
    QVERIFY(!f.metronom->TimerSec->isActive());
    QCOMPARE(f.table(), builtInTable());
}

void TestMetronome::load_unreadableFile_saysSoAndKeepsTable()
{
    Fixture f;
    f.metronom->Start1Click();
    f.openAnswer(f.world.path(QStringLiteral("bin/missing.txt")));
    f.settings->ButtonLoadClick();
    QCOMPARE(f.world.dialogs.messages(), QStringList{QStringLiteral("Can not open File")});
    QCOMPARE(f.table(), builtInTable());
    QVERIFY(!f.metronom->Timer1->isActive());
}

void TestMetronome::fileDialogs_offerDefaultRhythmFile()
{
    Fixture f;
    f.settings->ButtonLoadClick();
    f.settings->ButtonUnLoadClick();
    QCOMPARE(f.world.dialogs.fileOptions.size(), 2);
    for (const FileDialogOptions& options : std::as_const(f.world.dialogs.fileOptions)) {
        QCOMPARE(options.fileName, f.world.programFolder() + QStringLiteral("1.txt"));
        QCOMPARE(options.filter, QStringLiteral("Ритм|*.txt"));
        QCOMPARE(options.defaultSuffix, QStringLiteral("txt"));
    }
}

void TestMetronome::settingsFields_changeEveryIntervalEachSecondOnOk_data()
{
    QTest::addColumn<QString>("speedUp");
    QTest::addColumn<QString>("slowDown");
    QTest::addColumn<QStringList>("afterTwoSeconds"); // rows 0, 2 and 8
    QTest::addRow("empty fields change nothing") << ""
                                                 << "" << QStringList{"200", "400", "800"};
    QTest::addRow("speed up") << "15"
                              << "" << QStringList{"170", "370", "770"};
    QTest::addRow("slow down") << ""
                               << "50" << QStringList{"300", "500", "900"};
    QTest::addRow("both: the difference") << "30"
                                          << "10" << QStringList{"160", "360", "760"};
    QTest::addRow("never below 1 ms") << "350"
                                      << "" << QStringList{"1", "1", "100"};
}

void TestMetronome::settingsFields_changeEveryIntervalEachSecondOnOk()
{
    QFETCH(QString, speedUp);
    QFETCH(QString, slowDown);
    QFETCH(QStringList, afterTwoSeconds);
    Fixture f;
    f.settings->Edit1->setText(speedUp);
    f.settings->Edit2->setText(slowDown);
    f.settings->ButtonOK->click();
    f.metronom->TimerSecTimer();
    f.metronom->TimerSecTimer();
    QCOMPARE((QStringList{f.metronom->cell(0, 0), f.metronom->cell(0, 2), f.metronom->cell(0, 8)}), afterTwoSeconds);
    QCOMPARE(f.metronom->cell(0, 9), QString());
}

void TestMetronome::settingsFields_cancelKeepsChangeInEffect()
{
    Fixture f;
    f.settings->show();
    f.settings->Edit1->setText(QStringLiteral("20"));
    f.settings->ButtonOKClick();
    f.settings->show();
    f.settings->Edit1->setText(QStringLiteral("5"));
    f.settings->Edit2->setText(QStringLiteral("7"));
    f.settings->ButtonCancel->click();
    QCOMPARE(f.metronom->perSecondChange(), qint64(20));
    QCOMPARE(f.settings->Edit1->text(), QStringLiteral("20"));
    QCOMPARE(f.settings->Edit2->text(), QString());
}

void TestMetronome::settingsFields_acceptOnlyDigits()
{
    Fixture f;
    f.settings->show();
    QTest::keyClicks(f.settings->Edit1, QStringLiteral("1a-2 3"));
    QCOMPARE(f.settings->Edit1->text(), QStringLiteral("123"));
    QTest::keyClick(f.settings->Edit1, Qt::Key_Backspace);
    QCOMPARE(f.settings->Edit1->text(), QStringLiteral("12"));
}

void TestMetronome::settingsWithoutMetronome_reportEveryButton()
{
    TestWorld world;
    auto* settings = world.create<TFormMetronomSet>();
    for (QPushButton* button : {settings->ButtonLoad, settings->ButtonUnLoad, settings->ButtonOK}) {
        world.dialogs.clear();
        button->click();
        QCOMPARE(world.dialogs.shown.size(), 1);
        QCOMPARE(world.dialogs.shown.last().kind, QStringLiteral("error"));
        QCOMPARE(world.dialogs.shown.last().text, QStringLiteral("The metronome window is missing."));
    }
}

QTEST_MAIN(TestMetronome)
#include "tst_metronome.moc"
