#include "common/HelpStub.h"
#include "common/TestWorld.h"
#include "perception/Karto.h"
#include "perception/KartoResult.h"
#include "perception/KartoSet.h"
#include "perception/KartoTask.h"
#include "platform/RichTextBox.h"
#include "platform/TextFiles.h"
#include "shell/FormParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <climits>

Q_DECLARE_METATYPE(KartoDifficulty)

namespace {

int countOf(const QString& text, const QString& letter)
{
    return int(text.count(letter));
}

// Counts every character of the field that is not a blank.
int lettersIn(const QStringList& lines)
{
    int letters = 0;
    for (const QString& line : lines)
        for (QChar c : line)
            if (c != QLatin1Char(' '))
                ++letters;
    return letters;
}

} // namespace

class TestKarto : public QObject
{
    Q_OBJECT

private:
    // A trainer over the shipped letter list, with the generator seeded after creation (creation seeds it from
    // the clock).
    TFormKarto* makeTrainer(TestWorld& world, quint32 seed = 7)
    {
        world.install(QStringLiteral("bin/bukva.txt"), QStringLiteral("bin/bukva.txt"));
        auto* karto = world.create<TFormKarto>();
        karto->TimerPro->stop();
        karto->TimerTask->stop();
        world.random.seed(seed);
        return karto;
    }

    // Starts new tasks until one has the wanted right count.
    void newTaskWithRightCount(TFormKarto* karto, int right)
    {
        for (int i = 0; i < 1000 && karto->rightCount() != right; ++i)
            karto->New();
        QCOMPARE(karto->rightCount(), right);
    }

private Q_SLOTS:
    void letterEntries_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("entries");
        QTest::addRow("text after the first blank is ignored")
            << QStringList{QStringLiteral("а 1 2 3"), QStringLiteral("б")}
            << QStringList{QStringLiteral("а"), QStringLiteral("б")};
        QTest::addRow("empty line gives an empty entry") << QStringList{"x", "", "y"} << QStringList{"x", "", "y"};
        QTest::addRow("leading blank gives an empty entry") << QStringList{" x"} << QStringList{""};
        QTest::addRow("longer entry kept whole") << QStringList{"ab c"} << QStringList{"ab"};
    }

    void letterEntries()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, entries);
        QCOMPARE(::letterEntries(lines), entries);
    }

    void letterEntries_keepAtMost5000()
    {
        QStringList lines;
        for (int i = 0; i < 5003; ++i)
            lines.append(QString::number(i));
        const QStringList entries = ::letterEntries(lines);
        QCOMPARE(entries.size(), 5000);
        QCOMPARE(entries.last(), QStringLiteral("4999"));
    }

    void readFile_readsShippedCp1251List()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        QCOMPARE(karto->letterList().size(), 33);
        QCOMPARE(karto->letterList().first(), QStringLiteral("а"));
        QVERIFY(karto->letterList().contains(QStringLiteral("ё")));
        QVERIFY(world.dialogs.messages().isEmpty());
    }

    void readFile_missingListIsReportedAndNewDoesNotHang()
    {
        TestWorld world;
        auto* karto = world.create<TFormKarto>();
        QCOMPARE(world.dialogs.messages(), QStringList{QStringLiteral("The is not file. Please reinstal software")});
        world.dialogs.clear();
        karto->New();
        QCOMPARE(world.dialogs.messages().size(), 1);
        QVERIFY(world.dialogs.messages().first().contains(QStringLiteral("two different letters")));
        QVERIFY(!karto->Edit1->isVisibleTo(karto));
        QCOMPARE(karto->rightCount(), 0);
    }

    void chooseLetters_needsTwoDifferentLetters_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("possible");
        QTest::addRow("empty list") << QStringList{} << false;
        QTest::addRow("one letter") << QStringList{"a"} << false;
        QTest::addRow("one letter repeated") << QStringList{"a", "a", "a"} << false;
        QTest::addRow("one letter and empty entries") << QStringList{"", "a", ""} << false;
        QTest::addRow("two letters") << QStringList{"a", "b"} << true;
        QTest::addRow("two letters among empty entries") << QStringList{"", "a", "", "", "b"} << true;
    }

    void chooseLetters_needsTwoDifferentLetters()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, possible);
        Random random;
        for (quint32 seed = 0; seed < 50; ++seed) {
            random.seed(seed);
            const std::optional<LetterPair> pair = chooseLetters(entries, random);
            QCOMPARE(pair.has_value(), possible);
            if (pair) {
                QVERIFY(pair->target != pair->distractor);
                QVERIFY(!pair->target.isEmpty() && !pair->distractor.isEmpty());
            }
        }
    }

    void blankField_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("lastLength");
        QTest::addRow("blanks fill the field") << 60 << 30 << 30 << 60;
        QTest::addRow("blanks end before the field does") << 100 << 60 << 51 << 1;
        QTest::addRow("exactly") << 5001 << 1 << 1 << 5001;
        QTest::addRow("no columns") << 0 << 30 << 0 << 0;
    }

    void blankField()
    {
        QFETCH(int, columns);
        QFETCH(int, maxLines);
        QFETCH(int, lines);
        QFETCH(int, lastLength);
        const QStringList field = ::blankField(kFieldBlanks, columns, maxLines);
        QCOMPARE(field.size(), lines);
        if (lines > 0) {
            QCOMPARE(field.last().size(), lastLength);
            QCOMPARE(field.join(QString()).count(QLatin1Char(' ')), field.join(QString()).size());
        }
    }

    void placeLetters_endsInsteadOfHanging_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<int>("lineRange");
        QTest::addColumn<int>("result");
        // Only the first length - 2 characters of a line take letters: "   " has one free cell.
        QTest::addRow("more letters than free cells")
            << QStringList{"   ", "   "} << 3 << 0 << 2 << int(Placement::NoRoom);
        QTest::addRow("as many letters as free cells")
            << QStringList{"   ", "   "} << 2 << 0 << 2 << int(Placement::Placed);
        QTest::addRow("lines too short for a letter")
            << QStringList{" ", "  "} << 1 << 0 << 2 << int(Placement::NoRoom);
        QTest::addRow("full line is passed over")
            << QStringList{"xxxx", "    "} << 2 << 0 << 2 << int(Placement::Placed);
        QTest::addRow("drawn line missing") << QStringList{"    "} << 1 << 1 << 0 << int(Placement::EmptyLine);
        QTest::addRow("full stops are free cells") << QStringList{"...."} << 2 << 0 << 1 << int(Placement::Placed);
    }

    void placeLetters_endsInsteadOfHanging()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        QFETCH(int, firstLine);
        QFETCH(int, lineRange);
        QFETCH(int, result);
        Random random;
        random.seed(3);
        const QStringList before = lines;
        QCOMPARE(int(placeLetters(lines, QStringLiteral("ж"), count, firstLine, lineRange, random)), result);
        if (result == int(Placement::Placed)) {
            QCOMPARE(countOf(lines.join(QString()), QStringLiteral("ж")), count);
            // Letters replace free cells only: every other character is where it was.
            for (int l = 0; l < lines.size(); ++l)
                for (int c = 0; c < lines[l].size(); ++c)
                    QVERIFY(lines[l][c] == QChar(u'ж') || lines[l][c] == before[l][c]);
        }
    }

    void rewrapField_keepsTheLettersInOrder()
    {
        const QStringList lines{QStringLiteral("a   "), QStringLiteral(" b  "), QStringLiteral("  c")};
        QCOMPARE(::rewrapField(lines, 5), (QStringList{"a    ", "b    ", "c"}));
    }

    void newTask_invariants()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->Slov = 20;
        karto->SlovWrong = 10;
        for (quint32 seed = 0; seed < 200; ++seed) {
            world.random.seed(seed);
            karto->New();
            QVERIFY(world.dialogs.messages().isEmpty());
            const QStringList field = karto->fieldText();
            const QString target = karto->targetLetter();
            const QString distractor = karto->distractorLetter();
            QVERIFY(target != distractor);
            QCOMPARE(int(field.size()), karto->fieldLines());
            QVERIFY(field.size() >= 2);

            // Letters only replace blanks: the field keeps its cells, as many as fit or the 5001 blanks.
            QCOMPARE(int(field.join(QString()).size()),
                     qMin(kFieldBlanks, karto->fieldLines() * karto->fieldColumns()));
            const int right = karto->rightCount();
            QVERIFY(right >= 1 && right <= 9);
            QCOMPARE(countOf(field.join(QString()), target), right);
            const int letters = lettersIn(field);
            QVERIFY(letters <= 19);
            QCOMPARE(letters, right + countOf(field.join(QString()), distractor));

            // Targets never stand on the first line, distractors never on the last.
            QCOMPARE(countOf(field.first(), target), 0);
            QCOMPARE(countOf(field.last(), distractor), 0);
            for (const QString& line : field)
                QVERIFY(line.size() <= karto->fieldColumns());
        }
        QVERIFY(karto->Edit1->isVisibleTo(karto));
        QVERIFY(karto->Memo->isVisibleTo(karto));
        QVERIFY(!karto->Editor1->isVisibleTo(karto));
        QCOMPARE(world.readFile(QStringLiteral("bin/temp.txt")), QByteArray(kFieldBlanks, ' ') + "\r\n");
    }

    void newTask_fieldWiderThanTheBlanksUsesOnlyLinesThatExist()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        QFont tiny = karto->Memo->font();
        tiny.setPixelSize(6);
        karto->setLetterFieldFont(tiny);
        karto->Slov = 20;
        karto->SlovWrong = 10;
        for (quint32 seed = 0; seed < 100; ++seed) {
            world.random.seed(seed);
            karto->New();
            QVERIFY2(world.dialogs.messages().isEmpty(), qPrintable(world.dialogs.messages().join('|')));
            QCOMPARE(karto->fieldLines(), int(karto->fieldText().size()));
        }
    }

    void newTask_tooManyLettersForTheFieldIsReported()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->Slov = 20;
        karto->SlovWrong = 1000000;
        karto->New();
        QCOMPARE(world.dialogs.messages().size(), 1);
        QVERIFY(world.dialogs.messages().first().contains(QStringLiteral("no room")));
        QVERIFY(!karto->Edit1->isVisibleTo(karto));
        QCOMPARE(karto->rightCount(), 0);
    }

    void answer_checkedAfterEveryKey_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("correctAfter");
        QTest::addRow("leading zero: 07 is 7") << 7 << "07" << 2;
        QTest::addRow("1 is correct at once") << 1 << "12" << 1;
        QTest::addRow("wrong count gets no reply") << 7 << "5" << 0;
        QTest::addRow("backspace corrects") << 7 << "6\b7" << 3;
    }

    void answer_checkedAfterEveryKey()
    {
        QFETCH(int, right);
        QFETCH(QString, keys);
        QFETCH(int, correctAfter);
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        newTaskWithRightCount(karto, right);
        world.dialogs.clear();
        for (int i = 0; i < keys.size(); ++i) {
            karto->Edit1KeyPress(keys[i]);
            const bool correct = world.dialogs.messages().contains(QStringLiteral("All right"));
            QCOMPARE(correct, correctAfter > 0 && i + 1 >= correctAfter);
            if (correct)
                break;
        }
        if (correctAfter > 0) {
            QCOMPARE(karto->Pro2->value(), 10);
            QCOMPARE(karto->Edit1->text(), QString());
            QCOMPARE(karto->Label2->text(),
                     QStringLiteral("Enter how many letters=\"") + karto->targetLetter() + QLatin1Char('"'));
        }
    }

    void answer_onlyDigitsAndBackspaceChangeTheBox()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->SlovWrong = 2; // the right count is always 1
        karto->New();
        karto->show();
        QTest::keyClicks(karto->Edit1, QStringLiteral("x2y3-"));
        QCOMPARE(karto->Edit1->text(), QStringLiteral("23"));
        QTest::keyClick(karto->Edit1, Qt::Key_Backspace);
        QCOMPARE(karto->Edit1->text(), QStringLiteral("2"));
        QTest::keyClick(karto->Edit1, Qt::Key_Backspace);
        QCOMPARE(karto->Label2->text(),
                 QStringLiteral("Enter the amount of letters=\"") + karto->targetLetter() + QLatin1Char('"'));
        QVERIFY(world.dialogs.messages().isEmpty());
    }

    void answer_enterAsksForANewTask()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->New();
        const QString target = karto->targetLetter();
        const int right = karto->rightCount();
        karto->Edit1KeyPress(QLatin1Char(right == 9 ? '8' : '9'));

        world.dialogs.answers.enqueue(Answer::No);
        karto->Edit1KeyPress(QLatin1Char('\r'));
        QCOMPARE(world.dialogs.shown.last().kind, QStringLiteral("confirm"));
        QCOMPARE(world.dialogs.shown.last().text, QStringLiteral("New?"));
        QCOMPARE(karto->Edit1->text(), QString());
        QCOMPARE(karto->Label2->text(), QStringLiteral("Please enter how many letters=\"") + target + QLatin1Char('"'));
        QCOMPARE(karto->targetLetter(), target);
        QCOMPARE(karto->rightCount(), right);

        world.dialogs.answers.enqueue(Answer::Yes);
        const QStringList before = karto->fieldText();
        karto->Edit1KeyPress(QLatin1Char('\r'));
        QVERIFY(karto->fieldText() != before);
        QCOMPARE(karto->Label2->text(),
                 QStringLiteral("Enter the amount of letters=\"") + karto->targetLetter() + QLatin1Char('"'));
    }

    void answer_tooLargeNumberIsAConversionError()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->New();
        karto->show();
        QTest::keyClicks(karto->Edit1, QStringLiteral("99999999999"));
        QCOMPARE(world.dialogs.shown.last().kind, QStringLiteral("error"));
        QCOMPARE(world.dialogs.shown.last().text, QStringLiteral("'099999999999' is not a valid integer value"));
    }

    void rightAnswerButton()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->New();
        karto->Button1->click();
        QCOMPARE(world.dialogs.messages(),
                 QStringList{QStringLiteral("Right answer =") + QString::number(karto->rightCount())});
    }

    void results_writtenForFinishedTasksOnly()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->SlovWrong = 2;
        karto->New(); // the first task after start-up writes nothing
        for (int i = 0; i < 37; ++i)
            karto->TimerTaskTimer();
        karto->Edit1KeyPress(QLatin1Char('1')); // right: a new task, the line of the finished one
        QCOMPARE(world.readFile(QStringLiteral("bin/results_karto.txt")), QByteArray("37,1,2,\r\n"));
        karto->New(); // no second passed: nothing written
        QCOMPARE(world.readFile(QStringLiteral("bin/results_karto.txt")), QByteArray("37,1,2,\r\n"));
    }

    void closing_everyWayLeavesTheExercise_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addRow("Exit") << "exit";
        QTest::addRow("Escape") << "escape";
        QTest::addRow("reject()") << "reject";
        QTest::addRow("close box") << "close";
    }

    void closing_everyWayLeavesTheExercise()
    {
        QFETCH(QString, way);
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->show();
        karto->New();
        karto->TimerTask->start();
        karto->TimerPro->start();
        karto->ButtonPouseClick();
        karto->ButtonPouseClick();
        QVERIFY(karto->timerSek->isActive());
        QVERIFY(karto->Memo->isVisible() && !karto->Editor1->isVisible());

        if (way == QLatin1String("exit"))
            karto->ButtonEnd->click();
        else if (way == QLatin1String("escape"))
            QTest::keyClick(karto, Qt::Key_Escape);
        else if (way == QLatin1String("reject"))
            karto->reject();
        else
            karto->close();

        QVERIFY(!karto->isVisible());
        QVERIFY(!karto->TimerTask->isActive() && !karto->TimerPro->isActive() && !karto->timerSek->isActive());
        QVERIFY(!karto->Memo->isVisibleTo(karto));
        QVERIFY(karto->Editor1->isVisibleTo(karto));
    }

    void results_stillWrittenAfterTheWindowWasLeft()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->SlovWrong = 2;
        karto->New();
        karto->ButtonEndClick();
        QVERIFY(!karto->TimerTask->isActive() && !karto->TimerPro->isActive() && !karto->timerSek->isActive());
        QVERIFY(!karto->Memo->isVisibleTo(karto));
        karto->New();
        QVERIFY(karto->TimerTask->isActive() && karto->TimerPro->isActive());
        karto->TimerTaskTimer();
        karto->Edit1KeyPress(QLatin1Char('1'));
        QCOMPARE(world.readFile(QStringLiteral("bin/results_karto.txt")), QByteArray("1,1,2,\r\n"));
    }

    void difficultyStep_data()
    {
        QTest::addColumn<KartoDifficulty>("before");
        QTest::addColumn<int>("totalMin");
        QTest::addColumn<int>("totalMax");
        QTest::addColumn<int>("targetMin");
        QTest::addColumn<int>("targetMax");
        QTest::addColumn<bool>("barsReset");
        QTest::addRow("defaults: total lowered to 20")
            << KartoDifficulty{50, 10, 0, 0} << 20 << 20 << 10 << 10 << false;
        QTest::addRow("slow bar full: easier") << KartoDifficulty{10, 8, 100, 0} << 5 << 9 << 1 << 7 << true;
        QTest::addRow("success bar full: harder, total at most 20")
            << KartoDifficulty{18, 5, 0, 100} << 19 << 20 << 6 << 15 << true;
        QTest::addRow("target far above total grows by 3")
            << KartoDifficulty{5, 9, 0, 0} << 5 << 5 << 12 << 12 << false;
        QTest::addRow("target at least 1") << KartoDifficulty{5, -3, 0, 0} << 5 << 5 << 1 << 1 << false;
        QTest::addRow("total at least 1") << KartoDifficulty{1, 1, 100, 0} << 1 << 1 << 1 << 1 << true;
        QTest::addRow("bars below 100 stay") << KartoDifficulty{10, 5, 96, 90} << 10 << 10 << 5 << 5 << false;
        QTest::addRow("target near INT_MAX stops at the field's cells")
            << KartoDifficulty{20, INT_MAX - 1, 0, 0} << 20 << 20 << kFieldBlanks << kFieldBlanks << false;
        QTest::addRow("target INT_MAX made harder")
            << KartoDifficulty{20, INT_MAX, 0, 100} << 20 << 20 << kFieldBlanks << kFieldBlanks << true;
        QTest::addRow("target INT_MIN made easier")
            << KartoDifficulty{20, INT_MIN, 100, 0} << 15 << 19 << 1 << 1 << true;
        QTest::addRow("total INT_MAX made harder")
            << KartoDifficulty{INT_MAX, 5, 0, 100} << 20 << 20 << 6 << 15 << true;
        QTest::addRow("total INT_MIN made easier") << KartoDifficulty{INT_MIN, 5, 100, 0} << 1 << 1 << 1 << 4 << true;
    }

    void difficultyStep()
    {
        QFETCH(KartoDifficulty, before);
        QFETCH(int, totalMin);
        QFETCH(int, totalMax);
        QFETCH(int, targetMin);
        QFETCH(int, targetMax);
        QFETCH(bool, barsReset);
        Random random;
        for (quint32 seed = 0; seed < 30; ++seed) {
            random.seed(seed);
            KartoDifficulty state = before;
            ::difficultyStep(state, random);
            QVERIFY(state.total >= totalMin && state.total <= totalMax);
            QVERIFY(state.target >= targetMin && state.target <= targetMax);
            QCOMPARE(state.slow, barsReset ? 0 : before.slow);
            QCOMPARE(state.success, barsReset ? 0 : before.success);
        }
    }

    void difficultyTimer_firstTickLowersTheDefaults()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        QCOMPARE(karto->Slov, 50);
        karto->TimerProTimer();
        QCOMPARE(karto->Slov, 20);
        QCOMPARE(karto->SlovWrong, 10);
    }

    void new_storedLimitsFarBelowOneDrawOneLetter()
    {
        TestWorld world;
        const QString lowest = QString::number(INT_MIN);
        world.settings.WriteString(QStringLiteral("Speed_karkochki"), QStringLiteral("Slov"), lowest);
        world.settings.WriteString(QStringLiteral("Speed_karkochki"), QStringLiteral("SlovWrong"), lowest);
        TFormKarto* karto = makeTrainer(world);
        QCOMPARE(karto->SlovWrong, INT_MIN);
        karto->New();
        QVERIFY(world.dialogs.messages().isEmpty());
        QCOMPARE(karto->rightCount(), 1);
        QCOMPARE(lettersIn(karto->fieldText()), 1);
    }

    void stopwatch_fillsTheSlowBarAndShowsItsTime()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        QVERIFY(!karto->timerSek->isActive());
        karto->ButtonPouseClick(); // the first press leaves the stopwatch stopped
        QVERIFY(!karto->timerSek->isActive());
        karto->ButtonPouseClick();
        QVERIFY(karto->timerSek->isActive());
        QCOMPARE(karto->timerSek->interval(), 1000);

        for (int i = 0; i < 10; ++i)
            karto->timerSekTimer();
        QCOMPARE(karto->timerSek->interval(), 600);
        QCOMPARE(karto->Pro1->value(), 4);
        QCOMPARE(karto->ButtonPouse->text(), QStringLiteral("10 c. 0 мин. "));
        for (int i = 10; i < 61; ++i)
            karto->timerSekTimer();
        QCOMPARE(karto->Pro1->value(), 24);
        QCOMPARE(karto->ButtonPouse->text(), QStringLiteral("0 c. 1 мин. "));
    }

    void settings_readAtCreationWrittenAtDestruction()
    {
        TestWorld world;
        world.settings.WriteInteger(QStringLiteral("Speed_karkochki"), QStringLiteral("Slov"), 12);
        world.settings.WriteInteger(QStringLiteral("Speed_karkochki"), QStringLiteral("Time1"), 4);
        TFormKarto* karto = makeTrainer(world);
        QCOMPARE(karto->Slov, 12);
        QCOMPARE(karto->SlovWrong, 10);
        QCOMPARE(karto->Time1, 4);
        karto->SlovWrong = 6;
        karto->FormDestroy();
        QCOMPARE(world.settings.ReadString(QStringLiteral("Speed_karkochki"), QStringLiteral("SlovWrong"), {}),
                 QStringLiteral("6"));
        QCOMPARE(world.settings.ReadString(QStringLiteral("Speed_karkochki"), QStringLiteral("Slov"), {}),
                 QStringLiteral("12"));
        QVERIFY(QFile::exists(world.path(QStringLiteral("localization/FormKarto"))));
    }

    void layout_draggedSplitterLeavesTheFieldItsRoom()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        Q_EMIT karto->Splitter1->splitterMoved(100000, 1);
        const int most = (karto->width() - karto->Splitter1->handleWidth() - kMinSplitMiddle) / 2;
        QCOMPARE(karto->PanelLeft->width(), most);
        QCOMPARE(karto->PanelRight->width(), most);
        QCOMPARE(karto->PanelMiddle->width(), karto->width() - 2 * most - karto->Splitter1->handleWidth());
        QCOMPARE(karto->Memo->width(), karto->PanelMiddle->width());
    }

    void help_showsTheTrainersHelpFile()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        auto* help = new HelpStub(world.services);
        world.roster.add(help);
        QVERIFY(!karto->ButtonHelp->isEnabled());
        karto->New();
        karto->ButtonHelp->click();
        QCOMPARE(help->files, QStringList{world.installRoot() + QStringLiteral("help/helpKarto.rtf")});
    }

    void userFonts_smallFontReachesTheLetterField()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        karto->New();
        const int columns = karto->fieldColumns();
        QFont small(QStringLiteral("Courier"));
        small.setPixelSize(12);
        karto->userFontsChanged(small, QFont());
        QCOMPARE(karto->Memo->font().pixelSize(), 12);
        // The shown task is wrapped to the new width, its letters kept.
        QVERIFY(karto->fieldColumns() > columns);
        QCOMPARE(karto->fieldText().first().size(), karto->fieldColumns());
        QCOMPARE(countOf(karto->fieldText().join(QString()), karto->targetLetter()), karto->rightCount());
    }

    void settingsWindow_okClamps_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("storedTotal");
        QTest::addColumn<int>("storedTarget");
        QTest::addRow("total at least 5, target at least 3") << "3"
                                                             << "2" << 5 << 3;
        QTest::addRow("target above total becomes 1, then 3") << "10"
                                                              << "11" << 10 << 3;
        QTest::addRow("target equal to total kept") << "10"
                                                    << "10" << 10 << 10;
        QTest::addRow("empty boxes") << ""
                                     << "" << 5 << 3;
        QTest::addRow("pasted minus dropped from the target") << "20"
                                                              << "-7" << 20 << 7;
        QTest::addRow("leading zeros") << "007"
                                       << "04" << 7 << 4;
    }

    void settingsWindow_okClamps()
    {
        QFETCH(QString, total);
        QFETCH(QString, target);
        QFETCH(int, storedTotal);
        QFETCH(int, storedTarget);
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        auto* set = world.create<TFormKartoSet>();
        set->FormActivate();
        QCOMPARE(set->EditS->text(), QStringLiteral("50"));
        QCOMPARE(set->EditWrong->text(), QStringLiteral("10"));
        QCOMPARE(set->EditT->text(), QStringLiteral("10"));
        set->EditS->setText(total);
        set->EditWrong->setText(target);
        set->EditT->clear();
        set->Button1->click();
        QCOMPARE(karto->Slov, storedTotal);
        QCOMPARE(karto->SlovWrong, storedTarget);
        QCOMPARE(karto->Time1, 0);
        QCOMPARE(set->EditWrong->text(), QString::number(storedTarget));
    }

    void settingsWindow_keyFilterAndConversionError()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        auto* set = world.create<TFormKartoSet>();
        set->show();
        set->EditS->clear();
        QTest::keyClicks(set->EditS, QStringLiteral("-1a2"));
        QCOMPARE(set->EditS->text(), QStringLiteral("12"));

        set->EditS->setText(QStringLiteral("99999999999"));
        set->Button1->click();
        QCOMPARE(world.dialogs.shown.last().kind, QStringLiteral("error"));
        QCOMPARE(world.dialogs.shown.last().text, QStringLiteral("'099999999999' is not a valid integer value"));
        QVERIFY(set->isVisible());
        QCOMPARE(karto->Slov, 50);
    }

    void settingsWindow_fontGoesToTheFieldAndTheHelpText()
    {
        TestWorld world;
        TFormKarto* karto = makeTrainer(world);
        auto* set = world.create<TFormKartoSet>();
        const QFont field = karto->Memo->font();

        set->Button3->click(); // cancelled: the field keeps its font, the help text takes it too
        QCOMPARE(karto->Memo->font(), field);
        QCOMPARE(karto->Editor1->font(), field);

        QFont chosen(QStringLiteral("Courier"));
        chosen.setPixelSize(30);
        world.dialogs.fonts.enqueue(chosen);
        set->Button3->click();
        QCOMPARE(karto->Memo->font().pixelSize(), 30);
        QCOMPARE(karto->Editor1->font().pixelSize(), 30);
    }

    void settingsAndAnswerWindows_translateTheirTexts()
    {
        TestWorld world;
        makeTrainer(world);
        world.writeFile(QStringLiteral("localization/FormKartoSet"),
                        "Settings \xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8\r\n");
        auto* set = world.create<TFormKartoSet>();
        auto* result = world.create<TFormKartoResult>();
        QCOMPARE(set->windowTitle(), QStringLiteral("Установки"));
        QCOMPARE(set->Label2->text(), QStringLiteral("Comon amount of the lettres"));
        QCOMPARE(set->height(), set->Button1->y() + set->Button1->height() + 40);
        QCOMPARE(result->windowTitle(), QStringLiteral("Введите колич. букв"));
        set->FormDestroy();
        result->FormDestroy();
        QCOMPARE(readLines(world.path(QStringLiteral("localization/FormKartoResult"))),
                 (QStringList{QStringLiteral("Введите колич. букв"),
                              QStringLiteral("Введите с клаиватуры количество букв")}));
        QVERIFY(readLines(world.path(QStringLiteral("localization/FormKartoSet")))
                    .contains(QStringLiteral("Amount of lettres for count")));
    }
};

QTEST_MAIN(TestKarto)
#include "tst_karto.moc"
