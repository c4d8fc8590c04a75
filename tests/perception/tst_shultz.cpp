#include "common/HelpStub.h"
#include "common/TestWorld.h"
#include "perception/Shultc.h"
#include "perception/ShultcSet.h"
#include "perception/ShultcTable.h"
#include "platform/RichTextBox.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProperty>
#include <QPushButton>
#include <QTimer>

namespace {

// A Schulte window and its settings dialog, created in roster order, with the help window stand-in.
struct ShultzWorld
{
    explicit ShultzWorld(bool withHelp = true)
    {
        if (withHelp)
            world.writeFile(QStringLiteral("help/helpShultc.rtf"), "{\\rtf1\\ansi Schulte help}");
        help = new HelpStub(world.services);
        world.roster.add(help);
    }
    void create()
    {
        shultz = world.create<TFormShultz>();
        set = world.create<TFormShultzSet>();
    }

    TestWorld world;
    HelpStub* help = nullptr;
    TFormShultz* shultz = nullptr;
    TFormShultzSet* set = nullptr;
};

QVector<int> sortedCells(const TFormShultz* shultz, int n)
{
    QVector<int> numbers;
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column)
            numbers.append(shultz->cell(row, column));
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QVector<int> oneToSquare(int n)
{
    QVector<int> numbers;
    for (int m = 1; m <= n * n; ++m)
        numbers.append(m);
    return numbers;
}

} // namespace

class TestShultz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbers_followSortKeys_data();
    void numbers_followSortKeys();
    void generation_holdsEveryNumberOnce_data();
    void generation_holdsEveryNumberOnce();

    void creation_keepsSizeInTable_data();
    void creation_keepsSizeInTable();
    void creation_tableSideFollowsScreen();
    void creation_withoutHelpShowsEmptyTable();
    void next_generatesAndStartsFrameTimer();
    void frameTick_usesFrameTime();
    void frameTick_frameTimeZeroLeavesTable();
    void next_keepsRunningSchedule();
    void layout_cellPitch();
    void drawTable_numbersCentredRowsAcross();
    void exit_stopsAndShowsIntroAgain();
    void help_showsShultzGuide();
    void saveResults_appendsLine();
    void destroy_writesSettings();
    void userFonts_reachLabelAndWindow();

    void settings_editsShowCurrentValues();
    void settings_clampsOnOk_data();
    void settings_clampsOnOk();
    void settings_invalidNumberStopsOk();
    void settings_keyFilterTakesDigitsOnly();
    void settings_fontKeptEvenOnCancel();
};

void TestShultz::numbers_followSortKeys_data()
{
    QTest::addColumn<QVector<int>>("draws");
    QTest::addColumn<QVector<int>>("numbers");
    // Keys "1040", "1011", "1042", "1023": the draw decides first.
    QTest::addRow("draws order the cells") << QVector<int>{3, 0, 3, 1} << QVector<int>{3, 1, 4, 2};
    // Equal draws: "1010" < "1011" < "10110" < … < "10115" < "1012" < … < "1019".
    QTest::addRow("equal draws order indices as texts")
        << QVector<int>(16, 0) << QVector<int>{1, 2, 9, 10, 11, 12, 13, 14, 15, 16, 3, 4, 5, 6, 7, 8};
    QTest::addRow("draw 49 sorts last") << QVector<int>{49, 0, 0, 0} << QVector<int>{4, 1, 2, 3};
}

void TestShultz::numbers_followSortKeys()
{
    QFETCH(QVector<int>, draws);
    QFETCH(QVector<int>, numbers);
    QCOMPARE(shultzNumbers(draws), numbers);
}

void TestShultz::generation_holdsEveryNumberOnce_data()
{
    QTest::addColumn<int>("n");
    for (int n = 2; n <= 10; ++n)
        QTest::addRow("n = %d", n) << n;
}

void TestShultz::generation_holdsEveryNumberOnce()
{
    QFETCH(int, n);
    Random random;
    random.seed(n);
    for (int round = 0; round < 20; ++round) {
        QVector<int> numbers = generateShultzNumbers(n, random);
        std::sort(numbers.begin(), numbers.end());
        QCOMPARE(numbers, oneToSquare(n));
    }
}

void TestShultz::creation_keepsSizeInTable_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("size");
    QTest::addRow("missing gives 4") << QString() << 4;
    QTest::addRow("0 gives 2") << QStringLiteral("0") << 2;
    QTest::addRow("1 gives 2") << QStringLiteral("1") << 2;
    QTest::addRow("7 stays") << QStringLiteral("7") << 7;
    QTest::addRow("25 gives 10") << QStringLiteral("25") << 10;
    QTest::addRow("not a number gives 4") << QStringLiteral("abc") << 4;
}

void TestShultz::creation_keepsSizeInTable()
{
    QFETCH(QString, stored);
    QFETCH(int, size);
    ShultzWorld w;
    if (!stored.isNull())
        w.world.settings.WriteString(QStringLiteral("Speed_Shultz"), QStringLiteral("Raz"), stored);
    w.create();
    QCOMPARE(w.shultz->Raz, size);

    w.shultz->New();
    QCOMPARE(sortedCells(w.shultz, size), oneToSquare(size));
    // Cells outside the table stay empty.
    if (size < 10)
        QCOMPARE(w.shultz->cell(size, 0), 0);
}

void TestShultz::creation_tableSideFollowsScreen()
{
    ShultzWorld w;
    w.world.settings.WriteInteger(QStringLiteral("Speed_Shultz"), QStringLiteral("P"), 333);
    w.world.settings.WriteInteger(QStringLiteral("Speed_Shultz"), QStringLiteral("Sec"), 0);
    w.world.settings.WriteInteger(QStringLiteral("Speed_Shultz"), QStringLiteral("font_height"), -50);
    w.create();
    QCOMPARE(w.shultz->P, w.shultz->height() - 120);
    QCOMPARE(w.shultz->Panel2->size(), QSize(w.shultz->P, w.shultz->P));
    QCOMPARE(w.shultz->Sec, 0);
    QCOMPARE(w.shultz->tableFont().pixelSize(), 50);
    // The intro shows; the table waits for "Next", and so does Help.
    QVERIFY(!w.shultz->Editor->isHidden());
    QVERIFY(w.shultz->Panel2->isHidden());
    QVERIFY(!w.shultz->ButtonHelp->isEnabled());
    QVERIFY(w.shultz->Editor->toPlainText().startsWith(QStringLiteral("Schulte help")));
    QVERIFY(w.shultz->Editor->lines().size() >= 4);
    QCOMPARE(w.shultz->ButtonNew->text(), QStringLiteral("Next"));
}

void TestShultz::creation_withoutHelpShowsEmptyTable()
{
    ShultzWorld w(false);
    w.create();
    QVERIFY(w.shultz->Editor->isHidden());
    QVERIFY(!w.shultz->Panel2->isHidden());
    QCOMPARE(w.shultz->cell(0, 0), 0);
    QVERIFY(w.world.dialogs.messages().isEmpty());
}

void TestShultz::next_generatesAndStartsFrameTimer()
{
    ShultzWorld w;
    w.create();
    QTest::mouseClick(w.shultz->ButtonNew, Qt::LeftButton);
    QVERIFY(w.shultz->Editor->isHidden());
    QVERIFY(!w.shultz->Panel2->isHidden());
    QVERIFY(w.shultz->ButtonHelp->isEnabled());
    QVERIFY(w.shultz->Timer1->isActive());
    QCOMPARE(w.shultz->Timer1->interval(), 1000);
    QCOMPARE(w.shultz->Timer1->timerType(), Qt::PreciseTimer);
    QCOMPARE(sortedCells(w.shultz, 4), oneToSquare(4));
}

void TestShultz::frameTick_usesFrameTime()
{
    ShultzWorld w;
    w.create();
    w.shultz->Sec = 10;
    w.shultz->New();
    w.shultz->Timer1Timer();
    QVERIFY(w.shultz->Timer1->isActive());
    QCOMPARE(w.shultz->Timer1->interval(), 3000);

    // A tick of a stopped timer does nothing.
    w.shultz->Timer1->stop();
    w.shultz->Sec = 20;
    w.shultz->Timer1Timer();
    QVERIFY(!w.shultz->Timer1->isActive());
    QCOMPARE(w.shultz->Timer1->interval(), 3000);
}

void TestShultz::frameTick_frameTimeZeroLeavesTable()
{
    ShultzWorld w;
    w.world.settings.WriteInteger(QStringLiteral("Speed_Shultz"), QStringLiteral("Sec"), 0);
    w.create();
    w.shultz->New();
    QVector<int> before;
    for (int k = 0; k < 16; ++k)
        before.append(w.shultz->cell(k / 4, k % 4));
    w.shultz->Timer1Timer();
    for (int k = 0; k < 16; ++k)
        QCOMPARE(w.shultz->cell(k / 4, k % 4), before[k]);
    QCOMPARE(w.shultz->Timer1->interval(), 1000);
}

void TestShultz::next_keepsRunningSchedule()
{
    ShultzWorld w;
    w.create();
    w.shultz->New();
    w.shultz->Timer1Timer(); // now every 30 s
    QCOMPARE(w.shultz->Timer1->interval(), 30000);
    // Restarting a timer stops and starts it, which its active property reports; a running timer left alone
    // keeps its schedule and reports nothing.
    int restarts = 0;
    const QPropertyNotifier notifier = w.shultz->Timer1->bindableActive().addNotifier([&] { ++restarts; });
    w.shultz->New();
    QVERIFY(w.shultz->Timer1->isActive());
    QCOMPARE(w.shultz->Timer1->interval(), 30000);
    QVERIFY2(restarts == 0, "\"Next\" restarted the frame timer");
}

void TestShultz::layout_cellPitch()
{
    ShultzWorld w;
    w.create();
    w.shultz->resize(1024, 768);
    w.shultz->P = 100;
    w.shultz->Raz = 10;
    w.shultz->FormResize();
    QCOMPARE(w.shultz->cellPitch(), 8);
    QCOMPARE(w.shultz->Panel2->geometry(), QRect(462, 334, 100, 100));
    QCOMPARE(w.shultz->Panel1->width(), 98);
}

void TestShultz::drawTable_numbersCentredRowsAcross()
{
    ShultzWorld w;
    w.create();
    w.shultz->resize(1024, 768);
    w.shultz->P = 402;
    QFont font = w.shultz->tableFont();
    font.setPixelSize(30);
    w.shultz->setTableFont(font);
    w.shultz->New();
    const int c = w.shultz->cellPitch();
    QCOMPARE(c, (400 - 4) / 4);

    const QImage image = w.shultz->Panel1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(400, 400));
    // The red dot at the centre of the paint area.
    QCOMPARE(QColor(image.pixel(200, 200)), QColor(Qt::red));

    // Each number sits centred on its point, with row i along x and column j along y; two-digit numbers are
    // the wide ones, which tells rows from columns.
    bool asymmetric = false;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            QRect ink;
            for (int x = i * c; x < (i + 1) * c; ++x)
                for (int y = j * c; y < (j + 1) * c; ++y) {
                    const QColor colour(image.pixel(x, y));
                    const bool dot = qAbs(x - 200) <= 6 && qAbs(y - 200) <= 6;
                    if (!dot && colour.lightness() < 100)
                        ink |= QRect(x, y, 1, 1);
                }
            QVERIFY2(!ink.isNull(), qPrintable(QStringLiteral("no number in cell %1,%2").arg(i).arg(j)));
            const QPoint centre(i * c + c / 2, j * c + c / 2);
            // Glyph ink is not quite symmetric about the advance, hence the tolerance.
            QVERIFY(qAbs(ink.center().x() - centre.x()) <= 4);
            QVERIFY(qAbs(ink.center().y() - centre.y()) <= 4);
            const bool wide = ink.width() > 20;
            QCOMPARE(wide, w.shultz->cell(i, j) >= 10);
            asymmetric |= (w.shultz->cell(i, j) >= 10) != (w.shultz->cell(j, i) >= 10);
        }
    }
    QVERIFY2(asymmetric, "the seeded table cannot tell rows from columns");
}

void TestShultz::exit_stopsAndShowsIntroAgain()
{
    ShultzWorld w;
    w.create();
    w.shultz->show();
    w.shultz->New();
    QTest::mouseClick(w.shultz->ButtonEnd, Qt::LeftButton);
    QVERIFY(!w.shultz->isVisible());
    QVERIFY(!w.shultz->Timer1->isActive());
    QVERIFY(!w.shultz->Editor->isHidden());
    QVERIFY(w.shultz->Panel2->isHidden());
    // Help stays enabled once a table was shown.
    QVERIFY(w.shultz->ButtonHelp->isEnabled());
}

void TestShultz::help_showsShultzGuide()
{
    ShultzWorld w;
    w.create();
    w.shultz->New();
    QTest::mouseClick(w.shultz->ButtonHelp, Qt::LeftButton);
    QCOMPARE(w.help->files, QStringList{w.world.path(QStringLiteral("help/helpShultc.rtf"))});
}

void TestShultz::saveResults_appendsLine()
{
    ShultzWorld w;
    w.create();
    w.shultz->P = 648; // a screen 768 px high
    QTest::mouseClick(w.shultz->Button1, Qt::LeftButton);
    QCOMPARE(w.world.readFile(QStringLiteral("bin/resultShultz.txt")), QByteArray("100,4,648,\r\n"));

    // Variant B: a full log drops its oldest line before the new one is added, keeping 1001 lines.
    QByteArray full;
    for (int i = 0; i < 1001; ++i)
        full += QByteArray::number(i) + "\r\n";
    w.world.writeFile(QStringLiteral("bin/resultShultz.txt"), full);
    w.shultz->Sec = 10;
    w.shultz->SaveResults();
    const QByteArray after = w.world.readFile(QStringLiteral("bin/resultShultz.txt"));
    QCOMPARE(after.count('\n'), 1001);
    QVERIFY(after.startsWith("1\r\n"));
    QVERIFY(after.endsWith("1000\r\n10,4,648,\r\n"));
}

void TestShultz::destroy_writesSettings()
{
    ShultzWorld w;
    w.create();
    w.shultz->Sec = 15;
    w.shultz->Raz = 6;
    w.shultz->P = 500;
    QFont font = w.shultz->tableFont();
    font.setPixelSize(44);
    w.shultz->setTableFont(font);
    w.world.roster.destroyAll();
    const QString section = QStringLiteral("Speed_Shultz");
    QCOMPARE(w.world.settings.ReadString(section, QStringLiteral("Sec"), QString()), QStringLiteral("15"));
    QCOMPARE(w.world.settings.ReadString(section, QStringLiteral("Raz"), QString()), QStringLiteral("6"));
    QCOMPARE(w.world.settings.ReadString(section, QStringLiteral("P"), QString()), QStringLiteral("500"));
    QCOMPARE(w.world.settings.ReadString(section, QStringLiteral("font_height"), QString()), QStringLiteral("-44"));
    QVERIFY(QFile::exists(w.world.path(QStringLiteral("localization/FormShultz"))));
    QVERIFY(QFile::exists(w.world.path(QStringLiteral("localization/FormShultzSet"))));
}

void TestShultz::userFonts_reachLabelAndWindow()
{
    ShultzWorld w;
    w.create();
    const QFont table = w.shultz->tableFont();
    const QFont button = w.shultz->ButtonNew->font();
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(12);
    QFont big(QStringLiteral("DejaVu Serif"));
    big.setPixelSize(24);
    w.shultz->userFontsChanged(small, big);
    QCOMPARE(w.shultz->Label1->font(), big);
    QCOMPARE(w.shultz->font(), small);
    QCOMPARE(w.shultz->tableFont(), table);
    QCOMPARE(w.shultz->ButtonNew->font(), button);
}

void TestShultz::settings_editsShowCurrentValues()
{
    ShultzWorld w;
    w.create();
    w.shultz->Sec = 33;
    w.set->show();
    QCOMPARE(w.set->EditS->text(), QStringLiteral("33"));
    QCOMPARE(w.set->EditR->text(), QStringLiteral("4"));
    QCOMPARE(w.set->EditP->text(), QString::number(w.shultz->P));
    QCOMPARE(w.set->windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(w.set->Label2->text(), QStringLiteral("Show time"));
}

void TestShultz::settings_clampsOnOk_data()
{
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("p");
    QTest::addColumn<int>("frameTime");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("side"); // -1: window height - 100
    QTest::addRow("in range") << "20"
                              << "5"
                              << "300" << 20 << 5 << 300;
    QTest::addRow("frame time 5 gives 10") << "5"
                                           << "5"
                                           << "300" << 10 << 5 << 300;
    QTest::addRow("size 1 gives 2") << "20"
                                    << "1"
                                    << "300" << 20 << 2 << 300;
    QTest::addRow("size 25 gives 10") << "20"
                                      << "25"
                                      << "300" << 20 << 10 << 300;
    QTest::addRow("side 50 gives 100") << "20"
                                       << "5"
                                       << "50" << 20 << 5 << 100;
    QTest::addRow("side above window gives height - 100") << "20"
                                                          << "5"
                                                          << "5000" << 20 << 5 << -1;
    QTest::addRow("all empty") << ""
                               << ""
                               << "" << 100 << 2 << -1;
}

void TestShultz::settings_clampsOnOk()
{
    QFETCH(QString, s);
    QFETCH(QString, r);
    QFETCH(QString, p);
    QFETCH(int, frameTime);
    QFETCH(int, size);
    QFETCH(int, side);
    ShultzWorld w;
    w.create();
    w.shultz->show();
    w.set->show();
    w.set->EditS->setText(s);
    w.set->EditR->setText(r);
    w.set->EditP->setText(p);
    QTest::mouseClick(w.set->Button1, Qt::LeftButton);

    QCOMPARE(w.shultz->Sec, frameTime);
    QCOMPARE(w.shultz->Raz, size);
    QCOMPARE(w.shultz->P, side < 0 ? w.shultz->height() - 100 : side);
    QVERIFY(!w.set->isVisible());
    // OK generates a table at once and starts the frame timer.
    QCOMPARE(sortedCells(w.shultz, size), oneToSquare(size));
    QVERIFY(w.shultz->Timer1->isActive());
    QVERIFY(w.shultz->Editor->isHidden());
}

void TestShultz::settings_invalidNumberStopsOk()
{
    ShultzWorld w;
    w.create();
    w.set->show();
    w.set->EditS->setText(QStringLiteral("40"));
    w.set->EditR->setText(QStringLiteral("99"));
    w.set->EditP->setText(QStringLiteral("12a"));
    QTest::mouseClick(w.set->Button1, Qt::LeftButton);

    QCOMPARE(w.world.dialogs.messages(), QStringList{QStringLiteral("'12a' is not a valid integer value")});
    QVERIFY(w.set->isVisible());
    QCOMPARE(w.shultz->Sec, 40);
    // The size taken before the failure is already kept within the table.
    QCOMPARE(w.shultz->Raz, 10);
    QVERIFY(!w.shultz->Timer1->isActive());
}

void TestShultz::settings_keyFilterTakesDigitsOnly()
{
    ShultzWorld w;
    w.create();
    w.set->show();
    for (QLineEdit* edit : {w.set->EditS, w.set->EditR, w.set->EditP}) {
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1a2-3 b"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }
}

void TestShultz::settings_fontKeptEvenOnCancel()
{
    ShultzWorld w;
    w.create();
    const QFont before = w.shultz->tableFont();
    w.set->show();
    QTest::mouseClick(w.set->Button3, Qt::LeftButton); // the font dialog is cancelled
    QCOMPARE(w.shultz->tableFont(), before);

    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPixelSize(28);
    w.world.dialogs.fonts.enqueue(chosen);
    QTest::mouseClick(w.set->Button3, Qt::LeftButton);
    QTest::mouseClick(w.set->Button2, Qt::LeftButton); // Cancel of the settings
    QCOMPARE(w.shultz->tableFont(), chosen);
    QCOMPARE(w.shultz->Sec, 100);
    QVERIFY(!w.set->isVisible());
}

QTEST_MAIN(TestShultz)
#include "tst_shultz.moc"
