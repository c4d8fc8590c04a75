#include "common/TestWorld.h"
#include "platform/RichTextBox.h"
#include "shell/Help.h"
#include "shell/Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

// A window that takes the user's fonts, recording each push in a log shared by all of them.
class FontTaker : public QorForm
{
public:
    FontTaker(Services& services, const QString& name, QStringList& log) : QorForm(services, name), m_log(log) {}
    void userFontsChanged(const QFont& small, const QFont& big) override
    {
        m_log.append(QStringLiteral("%1 %2 %3").arg(objectName()).arg(small.pixelSize()).arg(big.pixelSize()));
    }

private:
    QStringList& m_log;
};

// Stands for any trainer that shows the help window.
class Caller : public QorForm
{
public:
    explicit Caller(Services& services) : QorForm(services, QStringLiteral("FormCaller")) {}
};

FontTaker* createTaker(TestWorld& world, const QString& name, QStringList& log)
{
    auto* window = new FontTaker(world.services, name, log);
    world.roster.add(window);
    return window;
}

QFont pixelFont(int size)
{
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(size);
    return font;
}

// Shows a window and waits until the activation events have reached it.
void activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
}

} // namespace

class TestHelpSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void help_design()
    {
        TestWorld world;
        auto* help = world.create<TFormHelp>();
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(help->size(), QSize(598, 384));
        QVERIFY(help->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(help->Editor->geometry(), QRect(2, 2, 594, 380));
        world.roster.destroyAll();
        QVERIFY(!QFile::exists(world.path(QStringLiteral("localization/FormHelp"))));
    }

    void help_reloadsItsFileAtEveryActivation()
    {
        TestWorld world;
        auto* help = world.create<TFormHelp>();
        auto* caller = world.create<Caller>();
        world.writeFile(QStringLiteral("help/a.rtf"), "{\\rtf1\\ansi Guide A}");
        world.writeFile(QStringLiteral("help/b.txt"), "Guide B");

        activate(caller);
        caller->showHelp(world.path(QStringLiteral("help/a.rtf")));
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QCOMPARE(help->Editor->toPlainText(), QStringLiteral("Guide A"));

        // Another trainer asks: the second activation replaces the content.
        activate(caller);
        caller->showHelp(world.path(QStringLiteral("help/b.txt")));
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QCOMPARE(help->Editor->toPlainText(), QStringLiteral("Guide B"));

        // Switching back to it reads the file again.
        world.writeFile(QStringLiteral("help/b.txt"), "Guide B, revised");
        activate(caller);
        activate(help);
        QCOMPARE(help->Editor->toPlainText(), QStringLiteral("Guide B, revised"));
        QVERIFY(world.dialogs.shown.isEmpty());
    }

    void help_missingFile_reportsAndKeepsTheContent()
    {
        TestWorld world;
        auto* help = world.create<TFormHelp>();
        auto* caller = world.create<Caller>();
        world.writeFile(QStringLiteral("help/a.txt"), "Guide A");
        help->setOpenArgument(world.path(QStringLiteral("help/a.txt")));
        activate(help);
        activate(caller);
        caller->showHelp(world.path(QStringLiteral("help/missing.rtf")));
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QCOMPARE(world.dialogs.shown.size(), 1);
        QCOMPARE(world.dialogs.shown.first().kind, QStringLiteral("error"));
        QCOMPARE(help->Editor->toPlainText(), QStringLiteral("Guide A"));
    }

    void help_notReloadedWhenItsOwnBoxCloses()
    {
        TestWorld world;
        auto* help = world.create<TFormHelp>();
        world.writeFile(QStringLiteral("help/a.txt"), "Guide A");
        help->setOpenArgument(world.path(QStringLiteral("help/a.txt")));
        activate(help);
        world.writeFile(QStringLiteral("help/a.txt"), "Changed");

        // A box of the window itself (an error box, say) takes the activation and gives it back.
        QDialog box(help);
        activate(&box);
        box.close();
        help->activateWindow(); // as the window manager does
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QCOMPARE(help->Editor->toPlainText(), QStringLiteral("Guide A"));
    }

    void help_shownFromAModalWindowIsNotBlockedByIt()
    {
        TestWorld world;
        auto* help = world.create<TFormHelp>();
        auto* trainer = world.create<Caller>();
        world.writeFile(QStringLiteral("help/a.txt"), "Guide A");
        QWindow* parent = reinterpret_cast<QWindow*>(1);
        QTimer::singleShot(0, trainer, [&] {
            trainer->showHelp(world.path(QStringLiteral("help/a.txt")));
            parent = help->windowHandle()->transientParent();
            trainer->reject();
        });
        trainer->exec();
        QCOMPARE(parent, trainer->windowHandle());
    }

    void settings_defaults()
    {
        TestWorld world;
        auto* settings = world.create<TFormSettings>();
        QCOMPARE(settings->windowTitle(), QStringLiteral("User Settings"));
        QCOMPARE(settings->EditUserName->text(), QStringLiteral("Unknown"));
        // Positive stored heights are cell heights.
        QVERIFY(qAbs(QFontMetrics(settings->smallFont).height() - 12) <= 1);
        QVERIFY(qAbs(QFontMetrics(settings->bigFont).height() - 24) <= 1);
        QCOMPARE(settings->LabelSmall->font(), settings->smallFont);
        QCOMPARE(settings->LabelBig->font(), settings->bigFont);
        QVERIFY(settings->CheckBox1->isHidden());
    }

    void settings_storedHeightsComeBackWithTheDesignFace()
    {
        TestWorld world;
        world.settings.WriteString(QStringLiteral("Speed_Main"), QStringLiteral("UserName"), QStringLiteral("Ann"));
        world.settings.WriteString(QStringLiteral("Speed_Main"), QStringLiteral("SmallHeight"), QStringLiteral("15"));
        world.settings.WriteString(QStringLiteral("Speed_Main"), QStringLiteral("BigHeight"), QStringLiteral("-40"));
        QStringList log;
        createTaker(world, QStringLiteral("FormRead"), log);
        auto* settings = world.create<TFormSettings>();
        QCOMPARE(settings->EditUserName->text(), QStringLiteral("Ann"));
        QVERIFY(qAbs(QFontMetrics(settings->smallFont).height() - 15) <= 1);
        QCOMPARE(settings->bigFont.pixelSize(), 40); // negative: the character height
        QCOMPARE(settings->smallFont.family(), QStringLiteral("MS Sans Serif"));
        // Nothing is pushed at creation.
        QVERIFY(log.isEmpty());
        // Unchanged heights are written back as they were read.
        world.roster.destroyAll();
        QCOMPARE(world.settings.ReadInteger(QStringLiteral("Speed_Main"), QStringLiteral("SmallHeight"), 0), 15);
        QCOMPARE(world.settings.ReadInteger(QStringLiteral("Speed_Main"), QStringLiteral("BigHeight"), 0), -40);
    }

    void settings_fontChangesArePushedInOrder()
    {
        TestWorld world;
        QStringList log;
        // Created out of order, and without the letter-counting trainer: the push follows the table's order and
        // skips the windows that do not exist.
        createTaker(world, QStringLiteral("FormShultz"), log);
        createTaker(world, QStringLiteral("FormRead"), log);
        auto* settings = world.create<TFormSettings>();

        const int big = settings->bigFont.pixelSize();
        const QStringList pushed{QStringLiteral("FormRead 20 %1").arg(big),
                                 QStringLiteral("FormShultz 20 %1").arg(big)};
        world.dialogs.fonts.enqueue(pixelFont(20));
        settings->Button1->click();
        QCOMPARE(settings->LabelSmall->font(), pixelFont(20));
        QCOMPARE(log, pushed);

        // Cancel keeps the font but pushes both again.
        log.clear();
        settings->Button2->click();
        QCOMPARE(settings->bigFont.pixelSize(), big);
        QCOMPARE(log, pushed);
        QCOMPARE(world.dialogs.shown.last().kind, QStringLiteral("font"));
    }

    void settings_okNeedsAName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("closes");
        QTest::addRow("name") << " Ann " << true;
        QTest::addRow("empty") << "" << false;
        QTest::addRow("blanks") << "   " << false;
    }

    void settings_okNeedsAName()
    {
        QFETCH(QString, name);
        QFETCH(bool, closes);
        TestWorld world;
        auto* settings = world.create<TFormSettings>();
        settings->show();
        settings->EditUserName->setText(name);
        settings->Button3->click();
        QCOMPARE(settings->isVisible(), !closes);
        QCOMPARE(world.dialogs.messages(),
                 closes ? QStringList{}
                        : QStringList{QStringLiteral("Пожалуйста, заполните поле \"Имя пользователя\"")});
    }

    void settings_destroyWritesNameAndHeights()
    {
        TestWorld world;
        auto* settings = world.create<TFormSettings>();
        settings->EditUserName->setText(QStringLiteral(" Анна "));
        world.dialogs.fonts.enqueue(pixelFont(31));
        settings->Big();
        world.roster.destroyAll();
        SettingsStore& store = world.settings;
        QCOMPARE(store.ReadString(QStringLiteral("Speed_Main"), QStringLiteral("UserName"), QString()),
                 QStringLiteral(" Анна "));
        QCOMPARE(store.ReadInteger(QStringLiteral("Speed_Main"), QStringLiteral("SmallHeight"), 0), 12);
        QCOMPARE(store.ReadInteger(QStringLiteral("Speed_Main"), QStringLiteral("BigHeight"), 0), -31);
        QVERIFY(!QFile::exists(world.path(QStringLiteral("localization/FormSettings"))));
    }

    void settings_chosenFontsAreStoredByTheirCharacterHeight()
    {
        TestWorld world;
        auto* settings = world.create<TFormSettings>();
        QFont points(QStringLiteral("Serif"));
        points.setPointSize(18);
        world.dialogs.fonts.enqueue(points);
        settings->Small();
        world.roster.destroyAll();
        const int height = world.settings.ReadInteger(QStringLiteral("Speed_Main"), QStringLiteral("SmallHeight"), 0);
        QCOMPARE(height, -QFontInfo(points).pixelSize());
        QVERIFY(height < -18); // pixels, not points
    }
};

QTEST_MAIN(TestHelpSettings)
#include "tst_helpsettings.moc"
