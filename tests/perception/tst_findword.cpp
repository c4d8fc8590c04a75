#include "common/HelpStub.h"
#include "common/TestWorld.h"
#include "perception/FindWordText.h"
#include "perception/Unit_findword.h"
#include "platform/Cp1251.h"
#include "platform/RichTextBox.h"
#include "platform/UpDown.h"
#include "shell/FormParts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

namespace {

// Several paragraphs, so that positions after the first line break differ between the box and its text.
const QString kText = QStringLiteral("Быстрое чтение начинается с внимания.\n"
                                     "Глаза охватывают сразу несколько слов,\n"
                                     "а\tмысль успевает за ними.\n"
                                     "\n"
                                     "Последний абзац закрывает этот короткий текст.");

} // namespace

class TestFindWord : public QObject
{
    Q_OBJECT

private:
    TFormFindWord* makeWindow(TestWorld& world, quint32 seed = 5)
    {
        auto* window = world.create<TFormFindWord>();
        world.random.seed(seed);
        return window;
    }

    // Opens kText as a Windows-1251 text file through the open dialog.
    void openText(TestWorld& world, TFormFindWord* window, bool readOnly = false)
    {
        world.writeFile(QStringLiteral("text.txt"), cp1251::encode(kText));
        world.dialogs.files.enqueue(FileChoice{world.path(QStringLiteral("text.txt")), readOnly});
        window->ButtonOpenClick();
    }

    // A point of the text box's viewport that lies on the boundary after the box position.
    QPoint pointAfter(TFormFindWord* window, int boxPosition)
    {
        QTextCursor cursor(window->editor->document());
        cursor.setPosition(boxPosition);
        return window->editor->cursorRect(cursor).center();
    }

private Q_SLOTS:
    void normalisePhrase_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("normalised");
        QTest::addRow("plain") << "one two"
                               << "one two";
        QTest::addRow("tab") << "one\ttwo"
                             << "one two";
        QTest::addRow("tab with blanks around") << "one \t  two"
                                                << "one two";
        QTest::addRow("line break") << "one\r\ntwo"
                                    << "one two";
        QTest::addRow("empty paragraph between") << "one.\r\n\r\ntwo"
                                                 << "one. two";
        QTest::addRow("LF alone") << "one\ntwo"
                                  << "one two";
        QTest::addRow("double blanks") << "one  two   three"
                                       << "one two three";
        QTest::addRow("everything at once") << "a\t\tb \r\n c  d\te"
                                            << "a b c d e";
        QTest::addRow("other controls without a break stay") << "a \x01  b"
                                                             << "a \x01 b";
    }

    void normalisePhrase()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, normalised);
        QCOMPARE(::normalisePhrase(phrase), normalised);
    }

    void phraseAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<int>("start");
        const QString text = QStringLiteral("one two three four");
        QTest::addRow("start of the text") << text << 0 << 1 << "one" << 0;
        QTest::addRow("start of the text, two words") << text << 0 << 2 << "one two" << 0;
        QTest::addRow("inside a word") << text << 6 << 2 << "two three" << 4;
        QTest::addRow("on a blank: the words after it") << text << 8 << 2 << "three" << 8;
        QTest::addRow("runs to the end of the text") << text << 15 << 5 << "four" << 14;
        QTest::addRow("line break is not a blank") << QStringLiteral("ab cd\r\nef gh") << 4 << 1 << "cd\r\nef" << 3;
        QTest::addRow("a text without blanks is cut")
            << QString(5000, QLatin1Char('x')) << 2500 << 1 << QString(kMaxPhraseLength, QLatin1Char('x')) << 0;
    }

    void phraseAt()
    {
        QFETCH(QString, text);
        QFETCH(int, a);
        QFETCH(int, words);
        QFETCH(QString, phrase);
        QFETCH(int, start);
        const PhraseDraw draw = ::phraseAt(text, a, words);
        QCOMPARE(draw.phrase, phrase);
        QCOMPARE(draw.start, start);
    }

    void choosePhrase_oneWordIsAtLeastFourCharacters()
    {
        Random random;
        const QString text = QStringLiteral("a bb ccc dddd ee f");
        for (quint32 seed = 0; seed < 40; ++seed) {
            random.seed(seed);
            const std::optional<PhraseDraw> draw = choosePhrase(text, 1, random);
            QVERIFY(draw);
            QCOMPARE(draw->phrase, QStringLiteral("dddd"));
            QCOMPARE(draw->start, 9);
        }
    }

    void choosePhrase_givesUpOnTextsWithoutAPhrase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("words");
        QTest::addRow("empty text") << QString() << 10;
        QTest::addRow("only short words, one word") << QStringLiteral("a bb ccc a bb") << 1;
        QTest::addRow("only blanks and breaks") << QStringLiteral("  \r\n \t ") << 3;
    }

    void choosePhrase_givesUpOnTextsWithoutAPhrase()
    {
        QFETCH(QString, text);
        QFETCH(int, words);
        Random random;
        QVERIFY(!choosePhrase(text, words, random).has_value());
    }

    void wordAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("word");
        const QString text = QStringLiteral("one two three");
        QTest::addRow("inside a word") << text << 6 << "two";
        QTest::addRow("after the word's last letter") << text << 7 << "two";
        QTest::addRow("before a word's first letter") << text << 4 << "";
        QTest::addRow("first word") << text << 2 << "one";
        QTest::addRow("across a line break") << QStringLiteral("ab\r\ncd ef") << 1 << "ab\r\ncd";
    }

    void wordAt()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(QString, word);
        QCOMPARE(::wordAt(text, position), word);
    }

    void positions_paragraphBreakIsOneCharacterInTheBox_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("text");
        // "ab\ncd\n\nef" in the box, "ab\r\ncd\r\n\r\nef" as text.
        QTest::addRow("before any break") << 1 << 1;
        QTest::addRow("on the first break") << 2 << 2;
        QTest::addRow("after the first break") << 3 << 4;
        QTest::addRow("after an empty paragraph") << 7 << 10;
        QTest::addRow("end") << 9 << 12;
    }

    void positions_paragraphBreakIsOneCharacterInTheBox()
    {
        QFETCH(int, box);
        QFETCH(int, text);
        const QString crLf = QStringLiteral("ab\r\ncd\r\n\r\nef");
        QCOMPARE(textOffsetOfBoxPosition(crLf, box), text);
        QCOMPARE(boxPositionOfTextOffset(crLf, text), box);
    }

    void creation_readsSettingsAndShowsLabels()
    {
        TestWorld world;
        world.settings.WriteInteger(QStringLiteral("Speed_FindWord"), QStringLiteral("UpDown1Position"), 500);
        world.settings.WriteInteger(QStringLiteral("Speed_FindWord"), QStringLiteral("UpDown2Position"), 7);
        world.settings.WriteInteger(QStringLiteral("Speed_FindWord"), QStringLiteral("Panel2Width"), 50);
        TFormFindWord* window = makeWindow(world);
        QCOMPARE(window->UpDown1->position(), 100);
        QCOMPARE(window->LabelSlov->text(), QStringLiteral("Words for search: 100"));
        QCOMPARE(window->LabelShowTime->text(), QStringLiteral("Show time: 7 sec."));
        QCOMPARE(window->LabelProbelov->text(), QStringLiteral("Attempts: 0"));
        QCOMPARE(window->LabelTime->text(), QStringLiteral("Time: min. 0 sec."));
        QCOMPARE(window->Panel2->width(), 120);
        QCOMPARE(window->Panel1->width(), 120);
        QVERIFY(!window->ButtonPouse->isEnabled());
        QVERIFY(!window->ButtonHelp->isEnabled());
        QVERIFY(!window->TimerSec->isActive());

        window->UpDown2->setPosition(12);
        window->FormDestroy();
        QCOMPARE(world.settings.ReadInteger(QStringLiteral("Speed_FindWord"), QStringLiteral("UpDown1Position"), 0),
                 100);
        QCOMPARE(world.settings.ReadInteger(QStringLiteral("Speed_FindWord"), QStringLiteral("UpDown2Position"), 0),
                 12);
        QCOMPARE(world.settings.ReadInteger(QStringLiteral("Speed_FindWord"), QStringLiteral("Panel2Width"), 0), 120);
        QVERIFY(QFile::exists(world.path(QStringLiteral("localization/FormFindWord"))));
    }

    void layout_storedPanelWidthLeavesTheTextItsRoom_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("kept");
        QTest::addRow("ordinary width kept") << 200 << true;
        QTest::addRow("too wide for the window") << 5000 << false;
        QTest::addRow("near INT_MAX") << 2000000000 << false;
    }

    void layout_storedPanelWidthLeavesTheTextItsRoom()
    {
        QFETCH(int, stored);
        QFETCH(bool, kept);
        TestWorld world;
        world.settings.WriteInteger(QStringLiteral("Speed_FindWord"), QStringLiteral("Panel2Width"), stored);
        TFormFindWord* window = makeWindow(world);
        const int most = (window->width() - window->Splitter1->handleWidth() - kMinSplitMiddle) / 2;
        QCOMPARE(window->Panel2->width(), kept ? stored : most);
        QCOMPARE(window->Panel1->width(), window->Panel2->width());
        QCOMPARE(window->editor->width(),
                 window->width() - 2 * window->Panel2->width() - window->Splitter1->handleWidth());
        window->FormDestroy();
        QCOMPARE(world.settings.ReadInteger(QStringLiteral("Speed_FindWord"), QStringLiteral("Panel2Width"), 0),
                 window->Panel2->width());
    }

    void upDown_arrowsMoveAndRefreshTheLabel()
    {
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        window->show();
        QTest::mouseClick(window->UpDown1->upButton(), Qt::LeftButton);
        QCOMPARE(window->UpDown1->position(), 11);
        QCOMPARE(window->LabelSlov->text(), QStringLiteral("Words for search: 11"));
        QTest::mouseClick(window->UpDown2->downButton(), Qt::LeftButton);
        QCOMPARE(window->LabelShowTime->text(), QStringLiteral("Show time: 9 sec."));
    }

    void open_loadsTheTextAndStartsTheExercise()
    {
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        window->TimerSecTimer();
        openText(world, window, true);
        QCOMPARE(world.dialogs.fileOptions.last().initialDir, world.installRoot() + QStringLiteral("help/"));
        QCOMPARE(world.dialogs.fileOptions.last().filter,
                 QStringLiteral("Rich Text Files (*.RTF)|*.RTF|Text Files (*.TXT)|*.TXT"));
        QCOMPARE(window->editor->toPlainText(), kText);
        QVERIFY(window->editor->isReadOnly());
        QCOMPARE(window->seconds(), 0);
        QCOMPARE(window->LabelTime->text(), QStringLiteral("Time: min. 0 sec."));
        QVERIFY(window->TimerSec->isActive());
        QVERIFY(window->ButtonPouse->isEnabled() && window->ButtonHelp->isEnabled());
    }

    void open_cancelledChangesNothingButHelp()
    {
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        const QString before = window->editor->toPlainText();
        window->ButtonOpenClick();
        QVERIFY(window->ButtonHelp->isEnabled());
        QVERIFY(!window->ButtonPouse->isEnabled());
        QVERIFY(!window->TimerSec->isActive());
        QCOMPARE(window->editor->toPlainText(), before);
    }

    void next_showsANormalisedPhraseFromTheText()
    {
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        openText(world, window);
        window->UpDown1->setPosition(3);
        window->UpDown2->setPosition(4);
        for (quint32 seed = 0; seed < 30; ++seed) {
            world.random.seed(seed);
            window->ButtonNextClick();
            const QString phrase = window->targetPhrase();
            QVERIFY(phrase.size() >= 4);
            QVERIFY(!phrase.contains(QLatin1Char('\t')) && !phrase.contains(QLatin1Char('\n')));
            QVERIFY(!phrase.contains(QStringLiteral("  ")));
            QCOMPARE(window->LabelModel->text(), phrase);
            QVERIFY(window->Panel3->isVisibleTo(window));
            QCOMPARE(window->Panel3->height(), window->LabelModel->height() + 90);
            QCOMPARE(window->TimerPrompt->interval(), 4000);
            QVERIFY(window->TimerPrompt->isActive());

            // The prompt selects in the box what the phrase was taken from.
            window->ButtonPromptClick();
            QCOMPARE(window->ButtonPrompt->text(), QStringLiteral("GO"));
            QCOMPARE(::normalisePhrase(window->editor->selText()), phrase);
            window->ButtonPromptClick();
            QCOMPARE(window->ButtonPrompt->text(), QStringLiteral("Prompt"));
        }
        window->TimerNext();
        QVERIFY(!window->Panel3->isVisibleTo(window));
        QVERIFY(!window->TimerPrompt->isActive());
    }

    void next_textWithoutAPhraseIsReported()
    {
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        window->editor->setPlainText(QStringLiteral("a b c"));
        window->UpDown1->setPosition(1);
        window->ButtonNextClick();
        QCOMPARE(world.dialogs.messages().size(), 1);
        QVERIFY(!window->Panel3->isVisibleTo(window));
        QVERIFY(!window->TimerSec->isActive());
    }

    void click_aWordOfThePhraseCountsOnce()
    {
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        openText(world, window);
        window->show();
        window->UpDown1->setPosition(1);
        // Draw until the phrase is a word of the last paragraph, far behind several paragraph breaks.
        const int lastParagraph = int(kText.lastIndexOf(QLatin1Char('\n'))) + 1;
        for (quint32 seed = 0; seed < 500; ++seed) {
            world.random.seed(seed);
            window->ButtonNextClick();
            if (kText.indexOf(window->targetPhrase(), lastParagraph) > lastParagraph)
                break;
        }
        const QString phrase = window->targetPhrase();
        const int box = int(kText.indexOf(phrase, lastParagraph));
        QVERIFY(box > lastParagraph);
        window->TimerNext();

        // Beside the word: no count.
        window->editorMouseUp(pointAfter(window, lastParagraph + 2));
        QCOMPARE(window->foundCount(), 0);

        window->editorMouseUp(pointAfter(window, box + 1));
        QCOMPARE(world.dialogs.messages(), QStringList{QStringLiteral("Правильно!")});
        QCOMPARE(window->foundCount(), 1);
        QCOMPARE(window->LabelProbelov->text(), QStringLiteral("Attempts: 1"));
        QVERIFY(window->targetPhrase().isEmpty());
        QVERIFY(!window->TimerSec->isActive());

        window->editorMouseUp(pointAfter(window, box + 1));
        QCOMPARE(window->foundCount(), 1);
    }

    void click_throughTheMouse()
    {
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        window->editor->setPlainText(QStringLiteral("первое\nвторое третье"));
        window->UpDown1->setPosition(1);
        for (quint32 seed = 0; seed < 200 && window->targetPhrase() != QStringLiteral("третье"); ++seed) {
            world.random.seed(seed);
            window->ButtonNextClick();
        }
        QCOMPARE(window->targetPhrase(), QStringLiteral("третье"));
        window->TimerNext();
        window->show();
        QTest::mouseClick(window->editor->viewport(), Qt::LeftButton, {}, pointAfter(window, 17));
        QCOMPARE(window->foundCount(), 1);
    }

    void promptAndPause_captionsFollowTheLanguage_data()
    {
        QTest::addColumn<QByteArray>("phrases");
        QTest::addColumn<QStringList>("prompt");
        QTest::addColumn<QStringList>("pause");
        QTest::addRow("English") << QByteArray() << QStringList{"Prompt", "GO", "Prompt"}
                                 << QStringList{"Pouse", "Continue", "Pouse"};
        QTest::addRow("Russian") << cp1251::encode(
                                        QStringLiteral("Open Открыть\r\nPrompt Подсказка\r\nPouse Пауза\r\n"))
                                 << QStringList{"Подсказка", "Продолжить", "Подсказка"}
                                 << QStringList{"Пауза", "Продолжить", "Пауза"};
    }

    void promptAndPause_captionsFollowTheLanguage()
    {
        QFETCH(QByteArray, phrases);
        QFETCH(QStringList, prompt);
        QFETCH(QStringList, pause);
        TestWorld world;
        world.writeFile(QStringLiteral("localization/FormFindWord"), phrases);
        TFormFindWord* window = makeWindow(world);
        openText(world, window);

        QCOMPARE(window->ButtonPrompt->text(), prompt[0]);
        window->ButtonPromptClick();
        QCOMPARE(window->ButtonPrompt->text(), prompt[1]);
        QVERIFY(!window->ButtonNext->isEnabled() && !window->ButtonPouse->isEnabled());
        window->ButtonPromptClick();
        QCOMPARE(window->ButtonPrompt->text(), prompt[2]);
        QVERIFY(window->ButtonNext->isEnabled() && window->ButtonPouse->isEnabled());

        QCOMPARE(window->ButtonPouse->text(), pause[0]);
        window->ButtonPouseClick();
        QCOMPARE(window->ButtonPouse->text(), pause[1]);
        QVERIFY(!window->TimerSec->isActive());
        QVERIFY(!window->editor->isEnabled() && !window->ButtonNext->isEnabled() && !window->ButtonPrompt->isEnabled());
        window->ButtonPouseClick();
        QCOMPARE(window->ButtonPouse->text(), pause[2]);
        QVERIFY(window->TimerSec->isActive());
        QVERIFY(window->editor->isEnabled() && window->ButtonNext->isEnabled() && window->ButtonPrompt->isEnabled());
    }

    void clock_labelShowsMinutesAndSeconds()
    {
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        for (int i = 0; i < 65; ++i)
            window->TimerSecTimer();
        QCOMPARE(window->LabelTime->text(), QStringLiteral("Time: 1min. 5 sec."));
    }

    void closing_everyWayLeavesTheExerciseOnce_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addRow("Exit") << "exit";
        QTest::addRow("Escape") << "escape";
        QTest::addRow("reject()") << "reject";
        QTest::addRow("close box") << "close";
    }

    void closing_everyWayLeavesTheExerciseOnce()
    {
        QFETCH(QString, way);
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        auto* help = new HelpStub(world.services);
        world.roster.add(help);
        window->show();
        openText(world, window);
        window->ButtonHelpClick();
        window->UpDown1->setPosition(1);
        for (int draw = 0; draw < 100 && window->foundCount() < 1; ++draw) {
            window->ButtonNextClick();
            const QString text = window->editor->text();
            window->editorMouseUp(pointAfter(window, boxPositionOfTextOffset(text, window->promptStart()) + 1));
        }
        QCOMPARE(window->foundCount(), 1);
        for (int i = 0; i < 65; ++i)
            window->TimerSecTimer();
        window->ButtonNextClick();
        QVERIFY(window->TimerSec->isActive() && window->TimerPrompt->isActive());
        QVERIFY(help->isVisible());

        if (way == QLatin1String("exit"))
            window->ButtonClose->click();
        else if (way == QLatin1String("escape"))
            QTest::keyClick(window, Qt::Key_Escape);
        else if (way == QLatin1String("reject"))
            window->reject();
        else
            window->close();

        QVERIFY(!window->isVisible());
        QVERIFY(!window->TimerSec->isActive() && !window->TimerPrompt->isActive());
        QVERIFY(!help->isVisible());
        QCOMPARE(world.readFile(QStringLiteral("bin/FindWord.txt")), QByteArray("1, 65\r\n"));
    }

    void exit_writesTheResultsLineEachTime()
    {
        TestWorld world;
        TFormFindWord* window = makeWindow(world);
        auto* help = new HelpStub(world.services);
        world.roster.add(help);
        openText(world, window);
        window->ButtonHelpClick();
        QCOMPARE(help->files, QStringList{world.installRoot() + QStringLiteral("help/helpFindWord.rtf")});

        window->ButtonCloseClick(); // nothing found: no line
        QVERIFY(!QFile::exists(world.path(QStringLiteral("bin/FindWord.txt"))));
        QVERIFY(!help->isVisible());

        window->show();
        // Words joined across a line break or a tab are shown with a blank and cannot be clicked as a whole;
        // the others are found by a click on their first letter.
        window->UpDown1->setPosition(1);
        for (int draw = 0; draw < 100 && window->foundCount() < 3; ++draw) {
            window->ButtonNextClick();
            const QString text = window->editor->text();
            window->editorMouseUp(pointAfter(window, boxPositionOfTextOffset(text, window->promptStart()) + 1));
        }
        QCOMPARE(window->foundCount(), 3);
        for (int i = 0; i < 125; ++i)
            window->TimerSecTimer();
        window->ButtonCloseClick();
        QVERIFY(!window->isVisible());
        QVERIFY(!window->TimerSec->isActive() && !window->TimerPrompt->isActive());
        window->ButtonCloseClick();
        QCOMPARE(world.readFile(QStringLiteral("bin/FindWord.txt")), QByteArray("3, 125\r\n3, 125\r\n"));
    }
};

QTEST_MAIN(TestFindWord)
#include "tst_findword.moc"
