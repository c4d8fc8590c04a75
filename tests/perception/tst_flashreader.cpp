#include "common/HelpStub.h"
#include "common/TestWorld.h"
#include "perception/FrameCutter.h"
#include "perception/ReaSet.h"
#include "perception/Spead.h"
#include "platform/Cp1251.h"
#include "platform/Fonts.h"
#include "platform/RichTextBox.h"
#include "platform/SpinEdit.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace {

const char* const kSection = "Speed_SRead";

// A reader, its settings window and a help window in a temporary installation, created in roster order.
struct Reader
{
    explicit Reader(const QByteArray& helpText = "One two three four five six seven. Eight nine.",
                    const QList<QPair<QString, QString>>& stored = {})
    {
        if (!helpText.isNull())
            world.writeFile(QStringLiteral("help/helpRea.rtf"), helpText);
        for (const auto& value : stored)
            world.settings.WriteString(QString::fromLatin1(kSection), value.first, value.second);
        read = world.create<TFormRead>();
        set = world.create<TFormReaSet>();
        help = world.create<HelpStub>();
    }

    int stored(const char* key) const
    {
        return world.settings.ReadInteger(QString::fromLatin1(kSection), QString::fromLatin1(key), -9999);
    }

    void openFile(const QString& relative)
    {
        world.dialogs.files.enqueue(FileChoice{world.path(relative), false});
        read->LoadFile();
    }

    // Opens a text as the user does.
    void openText(const QByteArray& text)
    {
        world.writeFile(QStringLiteral("text.txt"), text);
        openFile(QStringLiteral("text.txt"));
    }

    TestWorld world;
    TFormRead* read;
    TFormReaSet* set;
    HelpStub* help;
};

} // namespace

class TestFlashReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void create_cutsTheHelpTextAndSetsTheDesign()
    {
        Reader r;
        TFormRead* read = r.read;
        QCOMPARE(read->frames, (QStringList{"One two three four five six seven.", "Eight nine."}));
        QCOMPARE(read->frameIndex, 0);
        QVERIFY(read->Label1->text().isEmpty());
        QVERIFY(!read->Editor->isHidden());
        QCOMPARE(read->TimerShow->interval(), 300);
        QVERIFY(!read->TimerShow->isActive());
        QVERIFY(!read->Timer1->isActive());
        QCOMPARE(read->Label1->width(), 200);
        QCOMPARE(read->Editor->height(), 250);
        QVERIFY(read->Panel2->isEnabled());
        QVERIFY(read->BitBtn3->isEnabled());
        for (QPushButton* button : {read->BitBtn1, read->BitBtn2, read->BitBtn4, read->ButtonHelp})
            QVERIFY(!button->isEnabled());
        QCOMPARE(read->PanelLeft->width(), read->PanelRight->width());
        QCOMPARE(read->BitBtn4->text(), QStringLiteral("Pouse"));
        QCOMPARE(read->windowTitle(), QStringLiteral("Flash reading"));
        QCOMPARE(read->OpenDialog1.initialDir, r.world.installRoot() + QStringLiteral("help/"));
        QCOMPARE(read->OpenDialog1.filter,
                 QStringLiteral("text files|*.txt;*.doc;*.rtf|DOC|*.doc|RTF|*.rtf|HTML|*.htm;*.html;"));
        // The credits follow the help text after two empty lines; they are not cut into frames.
        const QStringList lines = read->Editor->lines();
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[1].isEmpty() && lines[2].isEmpty());
        QVERIFY(r.world.dialogs.shown.isEmpty());
    }

    void create_withoutHelpFile_hidesTheTextAndEndsAtOnce()
    {
        Reader r(QByteArray{});
        QVERIFY(r.read->Editor->isHidden());
        QVERIFY(r.read->frames.isEmpty());
        r.read->Step();
        QCOMPARE(r.read->Label1->text(), QStringLiteral("The END"));
        // A later OK in the settings window cuts the credits into frames.
        r.set->FormActivate();
        r.set->Save();
        QVERIFY(!r.read->frames.isEmpty());
        QVERIFY(r.read->frames.join(QString()).contains(QStringLiteral("Qor")));
    }

    void settings_roundTrip()
    {
        Reader r("text", {{"Label1Width", "500"},
                          {"TimeShow", "250"},
                          {"KolBukv", "0"},
                          {"p1", "3"},
                          {"WindowWidt", "400"},
                          {"IzmenenieSkorosti", "5"},
                          {"label1_Font_Height", "-24"}});
        QCOMPARE(r.read->Label1->width(), 200);
        QCOMPARE(r.read->showTime, 250);
        QCOMPARE(r.read->TimerShow->interval(), 250);
        QCOMPARE(r.read->lettersPerFrame, 15); // 0 stands for 15 from the first cut on
        QCOMPARE(r.read->echoWidth, 400);
        QCOMPARE(r.read->Panel11->width(), 400);
        QCOMPARE(r.read->Label1->font().pixelSize(), 24);

        r.read->show();
        r.read->ButtonEndClick();
        QVERIFY(!r.read->isVisible());
        // Closing writes the show time, the echo width and the acceleration.
        QCOMPARE(r.stored("TimeShow"), 250);
        QCOMPARE(r.stored("WindowWidt"), 400);
        QCOMPARE(r.stored("IzmenenieSkorosti"), 5);

        r.read->showTime = 180;
        r.world.roster.destroyAll();
        QCOMPARE(r.stored("TimeShow"), 180);
        QCOMPARE(r.stored("Label1Width"), 200);
        QCOMPARE(r.stored("KolBukv"), 15);
        QCOMPARE(r.stored("p1"), 3);
        QCOMPARE(r.stored("label1_Font_Height"), -24);
        QCOMPARE(r.stored("WindowWidt"), 400);
    }

    void settings_defaultsWhenNothingIsStored()
    {
        Reader r;
        r.world.roster.destroyAll();
        QCOMPARE(r.stored("TimeShow"), 300);
        QCOMPARE(r.stored("IzmenenieSkorosti"), 1);
        QCOMPARE(r.stored("KolBukv"), 50);
        QCOMPARE(r.stored("p1"), 0);
        QCOMPARE(r.stored("Label1Width"), 200);
        QCOMPARE(r.stored("label1_Font_Height"), -18);
        // Written at closing only.
        QCOMPARE(r.stored("WindowWidt"), -9999);
    }

    void settings_badStoredValuesAreKeptSane_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("showTime");
        QTest::addColumn<int>("echoWidth");
        QTest::addColumn<int>("fontPixels");
        QTest::addRow("show time 0") << "TimeShow"
                                     << "0" << kMinShowTime << 300 << 18;
        QTest::addRow("negative show time") << "TimeShow"
                                            << "-500" << kMinShowTime << 300 << 18;
        QTest::addRow("show time below the floor") << "TimeShow"
                                                   << "10" << kMinShowTime << 300 << 18;
        QTest::addRow("echo width INT_MIN") << "WindowWidt"
                                            << "-2147483648" << 300 << 6 << 18;
        QTest::addRow("echo width INT_MAX") << "WindowWidt"
                                            << "2147483647" << 300 << QWIDGETSIZE_MAX << 18;
        QTest::addRow("font height INT_MIN") << "label1_Font_Height"
                                             << "-2147483648" << 300 << 300 << kMaxFontPixels;
        QTest::addRow("font height INT_MAX") << "label1_Font_Height"
                                             << "2147483647" << 300 << 300 << kMaxFontPixels;
    }

    void settings_badStoredValuesAreKeptSane()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, showTime);
        QFETCH(int, echoWidth);
        QFETCH(int, fontPixels);
        Reader r("text", {{key, value}});
        QCOMPARE(r.read->showTime, showTime);
        QCOMPARE(r.read->TimerShow->interval(), showTime);
        QCOMPARE(r.read->echoWidth, echoWidth);
        QCOMPARE(r.read->Panel11->width(), echoWidth);
        QCOMPARE(r.read->Panel11->x(), (r.read->width() - echoWidth) / 2);
        QCOMPARE(r.read->Label1->font().pixelSize(), fontPixels);

        // The frame timer never runs faster than the floor, whatever it is given.
        r.read->showTime = 0;
        r.read->Go();
        QCOMPARE(r.read->TimerShow->interval(), kMinShowTime);
    }

    void quitting_writesThePhraseFiles()
    {
        Reader r;
        r.world.roster.destroyAll();
        const QByteArray read = r.world.readFile(QStringLiteral("localization/FormRead"));
        QVERIFY(read.startsWith("Flash reading\r\nOpen\r\nSettings\r\nHelp\r\nExit\r\nStart\r\nGo\r\nStep\r\nPouse\r\n"
                                "Work time\r\n"));
        QVERIFY(read.endsWith("\r\n"));
        QCOMPARE(r.world.readFile(QStringLiteral("localization/FormReaSet")),
                 QByteArray("Settings\r\nLength of frame\r\nletters\r\nWidth of frame, px\r\nShow time of the flash\r\n"
                            "Acceleration of show speed\r\nCancel\r\nFont\r\nOK\r\n"));
    }

    void phrases_translateTheTexts()
    {
        TestWorld world;
        world.writeFile(QStringLiteral("localization/FormRead"),
                        "Go \xCF\xF3\xF1\xEA\r\nThe END \xCA\xEE\xED\xE5\xF6\r\n");
        auto* read = world.create<TFormRead>();
        QCOMPARE(read->BitBtn2->text(), QStringLiteral("Пуск"));
        read->Step();
        QCOMPARE(read->Label1->text(), QStringLiteral("Конец"));
    }

    void step_doublesTheTimeAfterPunctuation()
    {
        Reader r;
        TFormRead* read = r.read;
        read->lettersPerFrame = 10;
        r.openText("One two three. Four five six, seven eight nine ten, end!");
        read->showTime = 200;
        read->Go();
        QVERIFY(read->TimerShow->isActive());
        QCOMPARE(read->TimerShow->interval(), 200);

        // Each tick shows the next frame, trimmed, and sets how long it stays: the show time, doubled when the
        // frame ends in ".", ",", "!" or "?" (a frame cut at a blank keeps the blank, so a comma there does not
        // count). After the last frame "The END" stays for the show time.
        QStringList shown;
        QList<int> intervals;
        for (int i = 0; i < 5; ++i) {
            Q_EMIT read->TimerShow->timeout({});
            shown.append(read->Label1->text());
            intervals.append(read->TimerShow->interval());
        }
        QCOMPARE(shown, (QStringList{"One two three.", "Four five six,", "seven eight", "nine ten, end!", "The END"}));
        QCOMPARE(intervals, (QList<int>{400, 200, 200, 400, 200}));
        QCOMPARE(read->Panel1->text(), QStringLiteral("The END"));
    }

    void step_laysTheFrameOutByItsLines()
    {
        Reader r("Short. " + QByteArray("a much longer frame of many words that must wrap over several lines here"));
        TFormRead* read = r.read;
        const int line = read->Label2->height() + 1;
        read->Step();
        QCOMPARE(read->Label1->height(), line + 40);
        read->Step();
        QVERIFY(read->Label1->height() > line + 40);
        QCOMPARE((read->Label1->height() - 40) % line, 0);
        QCOMPARE(read->Label1->y(), (read->height() - read->Label1->height()) / 2 - 100);
        QCOMPARE(read->Label1->x(), (read->width() - read->Label1->width()) / 2);
    }

    void theEnd_repeatsUntilStartRewinds()
    {
        Reader r("First. Second.");
        TFormRead* read = r.read;
        read->Go();
        for (int i = 0; i < 2; ++i)
            Q_EMIT read->TimerShow->timeout({});
        QVERIFY(read->Timer1->isActive());
        for (int i = 0; i < 3; ++i) {
            Q_EMIT read->TimerShow->timeout({});
            QCOMPARE(read->Label1->text(), QStringLiteral("The END"));
            QCOMPARE(read->Panel1->text(), QStringLiteral("The END"));
        }
        // The frame timer goes on; the clock stops at the end of the text.
        QVERIFY(read->TimerShow->isActive());
        QVERIFY(!read->Timer1->isActive());

        read->Back();
        QCOMPARE(read->frameIndex, 0);
        QCOMPARE(read->Label1->text(), QStringLiteral("Start"));
        QVERIFY(!read->TimerShow->isActive());
        read->Step();
        QCOMPARE(read->Label1->text(), QStringLiteral("First."));
    }

    void go_withNoFramesShowsTheEndAfterOneInterval()
    {
        Reader r("");
        QVERIFY(r.read->frames.isEmpty());
        r.read->Go();
        QVERIFY(r.read->Label1->text().isEmpty());
        Q_EMIT r.read->TimerShow->timeout({});
        QCOMPARE(r.read->Label1->text(), QStringLiteral("The END"));
    }

    void clock_showsTheTimeAndAcceleratesDownToTheFloor()
    {
        Reader r;
        TFormRead* read = r.read;
        read->showTime = 50;
        read->acceleration = 7;
        read->Go();
        QVERIFY(read->Timer1->isActive());
        read->seconds = 64;
        read->Timer1Timer();
        QCOMPARE(read->LabelTime->text(), QStringLiteral("It was 1min. 5sec. "));
        QCOMPARE(read->showTime, 43);
        for (int i = 0; i < 10; ++i)
            read->Timer1Timer();
        QCOMPARE(read->showTime, kMinShowTime);
        QCOMPARE(read->LabelTime->text(), QStringLiteral("It was 1min. 15sec. "));
        // The frame timer takes the new show time at its next frame.
        read->Step();
        QCOMPARE(read->TimerShow->interval(), 2 * kMinShowTime);
    }

    void clock_zeroMinutesAreShown()
    {
        Reader r;
        r.read->Timer1Timer();
        QCOMPARE(r.read->LabelTime->text(), QStringLiteral("It was 0min. 1sec. "));
        // The phrases join the phrase file in reading order.
        QCOMPARE(r.read->phraseList().lines().mid(r.read->phraseList().lines().size() - 3),
                 (QStringList{"It was ", "min. ", "sec. "}));
    }

    void handlers_stopTheClock_data()
    {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<bool>("frameTimerRuns");
        QTest::addRow("Pause") << "Pouse" << false;
        QTest::addRow("Start") << "Back" << false;
        QTest::addRow("Open, cancelled") << "LoadFile" << false;
        QTest::addRow("Settings") << "Setup" << true;
        QTest::addRow("Exit") << "ButtonEndClick" << false;
    }

    void handlers_stopTheClock()
    {
        QFETCH(QString, handler);
        QFETCH(bool, frameTimerRuns);
        Reader r;
        r.read->show();
        r.read->Go();
        r.read->seconds = 9;
        QVERIFY(QMetaObject::invokeMethod(r.read, handler.toLatin1().constData()));
        QVERIFY(!r.read->Timer1->isActive());
        QCOMPARE(r.read->TimerShow->isActive(), frameTimerRuns);
    }

    void pauseAndSettings_putTheNoticeInTheEcho()
    {
        Reader r;
        r.read->Pouse();
        QCOMPARE(r.read->Panel1->text(), QStringLiteral("Pouse. press \"Play\" button"));
        r.read->Panel1->clear();
        r.read->Setup();
        QVERIFY(r.set->isVisible());
        QCOMPARE(r.read->Panel1->text(), QStringLiteral("Pouse. press \"Play\" button"));
    }

    void closeBox_stopsTheTimersAndClosesTheHelp()
    {
        Reader r;
        r.read->show();
        r.help->show();
        r.read->Go();
        r.read->close();
        QVERIFY(!r.read->isVisible());
        QVERIFY(!r.help->isVisible());
        QVERIFY(!r.read->TimerShow->isActive());
        QVERIFY(!r.read->Timer1->isActive());
        QCOMPARE(r.stored("TimeShow"), 300);
    }

    void help_showsTheReadersHelpFile()
    {
        Reader r;
        r.read->ButtonHelpClick();
        QCOMPARE(r.help->files, QStringList{r.world.path(QStringLiteral("help/helpRea.rtf"))});
        QVERIFY(r.help->isVisible());
    }

    void open_textFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("firstFrame");
        QTest::addRow("UTF-8 text") << "text.txt" << QByteArray("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82. Ok")
                                    << QStringLiteral("Привет.");
        QTest::addRow("cp1251 text") << "text.TXT" << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2. Ok")
                                     << QStringLiteral("Привет.");
        QTest::addRow("RTF") << "text.rtf" << QByteArray("{\\rtf1\\ansi Hello RTF world.\\par Second line.}")
                             << QStringLiteral("Hello RTF world.");
    }

    void open_textFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, firstFrame);
        Reader r;
        r.world.writeFile(name, bytes);
        r.read->frameIndex = 1;
        r.openFile(name);
        QVERIFY(r.world.dialogs.messages().isEmpty());
        QCOMPARE(r.read->frames.first(), firstFrame);
        QCOMPARE(r.read->frameIndex, 0);
        QCOMPARE(r.read->Label1->text(), QStringLiteral("Начало"));
        for (QPushButton* button :
             {r.read->BitBtn1, r.read->BitBtn2, r.read->BitBtn3, r.read->BitBtn4, r.read->ButtonHelp})
            QVERIFY(button->isEnabled());
        QVERIFY(r.world.programs.converted.isEmpty());
    }

    void open_plainTextAfterFormattedText_isUnformatted()
    {
        Reader r;
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        r.read->Editor->setCurrentCharFormat(bold);
        r.openText("plain words");
        QTextCursor cursor(r.read->Editor->document());
        cursor.setPosition(1);
        QCOMPARE(cursor.charFormat().fontWeight(), QFont::Normal);
    }

    void open_cancelled_keepsTheText()
    {
        Reader r;
        const QStringList frames = r.read->frames;
        r.read->LoadFile();
        QCOMPARE(r.read->frames, frames);
        QVERIFY(r.read->ButtonHelp->isEnabled());
        QVERIFY(!r.read->BitBtn2->isEnabled());
    }

    void open_documentIsConverted()
    {
        Reader r;
        r.world.writeFile(QStringLiteral("book.doc"), "binary");
        r.world.programs.conversions.append(QStringLiteral("Converted text.\r\nSecond line"));
        r.openFile(QStringLiteral("book.doc"));
        QCOMPARE(r.world.programs.converted, QStringList{r.world.path(QStringLiteral("book.doc"))});
        QCOMPARE(r.read->Editor->lines(), (QStringList{"Converted text.", "Second line"}));
        QCOMPARE(r.read->frames.first(), QStringLiteral("Converted text."));
    }

    void open_failedConversion_keepsThePreviousText()
    {
        Reader r;
        const QString before = r.read->Editor->text();
        r.world.writeFile(QStringLiteral("page.htm"), "<p>x</p>");
        r.openFile(QStringLiteral("page.htm"));
        QCOMPARE(r.world.dialogs.messages(), QStringList{"Can not open the file."});
        QCOMPARE(r.read->Editor->text(), before);
        // The previous text is cut again and the show is ready from its start.
        QCOMPARE(r.read->frames.first(), QStringLiteral("One two three four five six seven."));
        QCOMPARE(r.read->Label1->text(), QStringLiteral("Начало"));
        QVERIFY(r.read->BitBtn2->isEnabled());
    }

    void open_unreadableText_reportsAndKeepsTheState()
    {
        Reader r;
        const QStringList frames = r.read->frames;
        r.read->frameIndex = 1;
        r.world.dialogs.files.enqueue(FileChoice{r.world.path(QStringLiteral("missing.txt")), false});
        r.read->ButtonLoad->click();
        QCOMPARE(r.world.dialogs.shown.last().kind, QStringLiteral("error"));
        QCOMPARE(r.read->frames, frames);
        QCOMPARE(r.read->frameIndex, 1);
    }

    void userFonts_goToTheEchoFrameAndLineLabels()
    {
        Reader r;
        const QFont meFont = r.read->Me->font();
        QFont small(QStringLiteral("Serif"));
        small.setPixelSize(30);
        r.read->userFontsChanged(small, QFont());
        QCOMPARE(r.read->Label1->font(), small);
        QCOMPARE(r.read->Panel1->font(), small);
        QCOMPARE(r.read->Label2->font(), small);
        QCOMPARE(r.read->Label2->height(), QFontMetrics(small).height());
        QCOMPARE(r.read->Me->font(), meFont);
    }

    void contextMenu_hidesTimeAndText()
    {
        Reader r;
        r.read->N1->trigger();
        QVERIFY(r.read->LabelTime->isHidden());
        r.read->N2->trigger();
        QVERIFY(r.read->Editor->isHidden());
    }

    // The settings window.

    void settings_activationFillsTheFields()
    {
        Reader r("text", {{"KolBukv", "0"}, {"p1", "4"}, {"IzmenenieSkorosti", "20"}, {"TimeShow", "450"}});
        r.read->lettersPerFrame = 0;
        r.set->FormActivate();
        QCOMPARE(r.read->lettersPerFrame, 15);
        QCOMPARE(r.set->Edit1->text(), QStringLiteral("4"));
        QCOMPARE(r.set->Edit2->text(), QStringLiteral("15"));
        QCOMPARE(r.set->SpinEdit1->value(), 20);
        QCOMPARE(r.set->SpinEdit2->value(), 200);
        QCOMPARE(r.set->SpinEdit3->value(), 450);
        QVERIFY(r.set->Edit1->isHidden());
        QVERIFY(!r.set->Edit1->isEnabled());
    }

    void settings_everyActivationRefillsTheFields()
    {
        Reader r;
        r.read->show();
        r.set->show();
        r.set->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), r.set);
        QCOMPARE(r.set->SpinEdit3->value(), 300);
        r.set->SpinEdit3->setValue(999);
        r.read->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), r.read);
        r.set->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), r.set);
        QCOMPARE(r.set->SpinEdit3->value(), 300);
    }

    void settings_okClamps_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("usedWidth");
        QTest::addColumn<int>("usedTime");
        QTest::addRow("time 40 becomes 100") << "300"
                                             << "40" << 300 << 100;
        QTest::addRow("width 50 becomes 100") << "50"
                                              << "250" << 100 << 250;
        QTest::addRow("not a number counts 0") << ""
                                               << "x" << 100 << 100;
        QTest::addRow("no upper limit") << "500"
                                        << "5000" << 500 << 5000;
    }

    void settings_okClamps()
    {
        QFETCH(QString, width);
        QFETCH(QString, time);
        QFETCH(int, usedWidth);
        QFETCH(int, usedTime);
        Reader r;
        r.set->show();
        r.set->FormActivate();
        r.set->SpinEdit2->setText(width);
        r.set->SpinEdit3->setText(time);
        r.set->SpinEdit1->setValue(25);
        r.set->Button1->click();
        QVERIFY(r.world.dialogs.messages().isEmpty());
        QVERIFY(!r.set->isVisible());
        QCOMPARE(r.set->SpinEdit2->value(), usedWidth);
        QCOMPARE(r.set->SpinEdit3->value(), usedTime);
        QCOMPARE(r.read->Label1->maximumWidth(), usedWidth);
        QCOMPARE(r.read->Label1->width(), usedWidth);
        QCOMPARE(r.read->Me->maximumWidth(), usedWidth);
        QCOMPARE(r.read->showTime, usedTime);
        QCOMPARE(r.read->TimerShow->interval(), usedTime);
        QCOMPARE(r.read->acceleration, 25);
        r.world.roster.destroyAll();
        QCOMPARE(r.stored("Label1Width"), usedWidth);
        QCOMPARE(r.stored("TimeShow"), usedTime);
    }

    void settings_okRecutsAndRewinds()
    {
        Reader r;
        r.openText("aaaa bbbb cccc dddd eeee ffff gggg hhhh");
        r.read->Step();
        r.read->Step();
        r.set->FormActivate();
        r.set->Edit2->setText(QStringLiteral("0"));
        r.set->Save();
        QCOMPARE(r.read->lettersPerFrame, 15);
        QCOMPARE(r.read->frames, (QStringList{"aaaa bbbb cccc dddd ", "eeee ffff gggg hhhh"}));
        QCOMPARE(r.read->frameIndex, 0);
        r.read->Step();
        QCOMPARE(r.read->Label1->text(), QStringLiteral("aaaa bbbb cccc dddd"));
    }

    void settings_emptyLetters_reportsAndStaysOpen()
    {
        Reader r;
        r.set->show();
        r.set->FormActivate();
        r.set->Edit1->setText(QStringLiteral("7"));
        r.set->Edit2->clear();
        r.set->SpinEdit3->setText(QStringLiteral("10"));
        r.set->Button1->click();
        QCOMPARE(r.world.dialogs.messages(), QStringList{"'' is not a valid integer value"});
        QVERIFY(r.set->isVisible());
        // The steps before the failing one have taken effect, the later ones not.
        QCOMPARE(r.set->SpinEdit3->value(), 100);
        QCOMPARE(r.read->wordsPerFrame, 7);
        QCOMPARE(r.read->showTime, 300);
    }

    void settings_font_appliesToAllFourEvenOnCancel()
    {
        Reader r;
        QFont frame = r.read->Label1->font();
        r.set->Font(); // cancelled: the frame label's font goes to the others
        QCOMPARE(r.read->Panel1->font(), frame);
        QCOMPARE(r.read->Me->font(), frame);
        QCOMPARE(r.read->Label2->font(), frame);

        QFont chosen(QStringLiteral("Serif"));
        chosen.setPixelSize(40);
        r.world.dialogs.fonts.enqueue(chosen);
        r.set->Button3->click();
        for (QWidget* w : {static_cast<QWidget*>(r.read->Label1), static_cast<QWidget*>(r.read->Panel1),
                           static_cast<QWidget*>(r.read->Me), static_cast<QWidget*>(r.read->Label2)})
            QCOMPARE(w->font(), chosen);
        r.world.roster.destroyAll();
        QCOMPARE(r.stored("label1_Font_Height"), -40);
    }

    void settings_cancelAppliesNothing()
    {
        Reader r;
        r.set->show();
        r.set->FormActivate();
        r.set->SpinEdit3->setValue(900);
        r.set->ButtonCancel->click();
        QVERIFY(!r.set->isVisible());
        QCOMPARE(r.read->showTime, 300);
    }

    void settings_fieldsTakeDigitsOnly()
    {
        Reader r;
        r.set->show();
        for (QWidget* field : {static_cast<QWidget*>(r.set->SpinEdit1), static_cast<QWidget*>(r.set->SpinEdit2),
                               static_cast<QWidget*>(r.set->SpinEdit3), static_cast<QWidget*>(r.set->Edit2)}) {
            auto* spin = static_cast<SpinEdit*>(field);
            spin->clear();
            QTest::keyClicks(spin, QStringLiteral("-1a2 .3"));
            QCOMPARE(spin->text(), QStringLiteral("123"));
            QTest::keyClick(spin, Qt::Key_Backspace);
            QCOMPARE(spin->text(), QStringLiteral("12"));
        }
    }

    void settings_spinBoxesStepByTheirIncrement()
    {
        Reader r;
        r.set->FormActivate();
        r.set->SpinEdit3->stepUp();
        QCOMPARE(r.set->SpinEdit3->value(), 350);
        r.set->Edit2->stepDown();
        QCOMPARE(r.set->Edit2->value(), 40);
        r.set->SpinEdit1->stepDown();
        QCOMPARE(r.set->SpinEdit1->value(), -9);
    }

    void settings_windowEndsThirtyPixelsAfterOk()
    {
        Reader r;
        QCOMPARE(r.set->width(), r.set->Button1->x() + r.set->Button1->width() + 30);
        QCOMPARE(r.set->height(), r.set->Button1->y() + r.set->Button1->height() + 30);
        QCOMPARE(r.set->installRoot(), r.read->installRoot());
    }
};

QTEST_MAIN(TestFlashReader)
#include "tst_flashreader.moc"
