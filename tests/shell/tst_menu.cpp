#include "common/TestWorld.h"
#include "platform/MoviePlayer.h"
#include "shell/Menue.h"
#include "shell/Splash.h"

#include <QLabel>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

namespace {

// A window of the roster that records how the menu opened it.
class StubWindow : public QorForm
{
public:
    StubWindow(Services& services, const QString& name) : QorForm(services, name) {}
    int exec() override
    {
        ++execs;
        runningModally = true;
        if (whileModal)
            whileModal();
        runningModally = false;
        return 0;
    }
    void setOpenArgument(const QString& argument) override { arguments.append(argument); }

    int execs = 0;
    bool runningModally = false;
    QStringList arguments;
    std::function<void()> whileModal;
};

const QStringList kWindows = {"FormIzbytok", "FormFindWord", "FormBezProbelov", "FormKarto",   "FormDominanta",
                              "FormUgol",    "FormShultz",   "FormRead",        "FormAnaliz",  "Metronom",
                              "FormSlova",   "FormSlovaDir", "Form7bloks",      "FormSettings"};

struct MenuWorld
{
    MenuWorld()
    {
        menu = world.create<TFormMenue>();
        for (const auto& name : kWindows) {
            auto* w = new StubWindow(world.services, name);
            world.roster.add(w);
            stubs.insert(name, w);
        }
        menu->show();
    }
    // Windows that were opened, modally ("name*") or modelessly ("name").
    QStringList opened() const
    {
        QStringList names;
        for (const auto& name : kWindows) {
            if (stubs[name]->execs)
                names.append(name + "*");
            if (stubs[name]->isVisible())
                names.append(name);
        }
        return names;
    }

    TestWorld world;
    TFormMenue* menu;
    QHash<QString, StubWindow*> stubs;
};

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuCommand_upperCasesAsciiOnly_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("command");
        QTest::addRow("lower") << "foto"
                               << "FOTO";
        QTest::addRow("mixed") << "ShUlTz"
                               << "SHULTZ";
        QTest::addRow("digits kept") << "7bloks"
                                     << "7BLOKS";
        QTest::addRow("Cyrillic untouched") << "фото"
                                            << "фото";
    }

    void menuCommand_upperCasesAsciiOnly()
    {
        QFETCH(QString, args);
        QFETCH(QString, command);
        QCOMPARE(TFormMenue::menuCommand(args), command);
    }

    void dispatch_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("args");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<bool>("menuCloses");
        QTest::addRow("FOTO") << ""
                              << "FOTO" << QStringList{"FormRead*"} << false;
        QTest::addRow("foto in lower case") << ""
                                            << "foto" << QStringList{"FormRead*"} << false;
        QTest::addRow("every modal command") << ""
                                             << "DOBLANKS" << QStringList{"FormBezProbelov*"} << false;
        QTest::addRow("FINDWORD") << ""
                                  << "FINDWORD" << QStringList{"FormFindWord*"} << false;
        QTest::addRow("BUKVA") << ""
                               << "BUKVA" << QStringList{"FormKarto*"} << false;
        QTest::addRow("DOMINANTA") << ""
                                   << "DOMINANTA" << QStringList{"FormDominanta*"} << false;
        QTest::addRow("METRONOM") << ""
                                  << "METRONOM" << QStringList{"Metronom*"} << false;
        QTest::addRow("CHASTOTA") << ""
                                  << "CHASTOTA" << QStringList{"FormAnaliz*"} << false;
        QTest::addRow("7BLOKS") << ""
                                << "7BLOKS" << QStringList{"Form7bloks*"} << false;
        QTest::addRow("FONT") << ""
                              << "FONT" << QStringList{"FormSettings*"} << false;
        QTest::addRow("UGOL is modeless") << ""
                                          << "UGOL" << QStringList{"FormUgol"} << false;
        QTest::addRow("SHULTZ is modeless") << ""
                                            << "Shultz" << QStringList{"FormShultz"} << false;
        QTest::addRow("INDEXER shows the indexer, then the catalogue modally")
            << ""
            << "INDEXER" << QStringList{"FormSlova", "FormSlovaDir*"} << false;
        QTest::addRow("MIX opens the excessive-text trainer") << ""
                                                              << "MIX" << QStringList{"FormIzbytok*"} << false;
        QTest::addRow("unknown command does nothing") << ""
                                                      << "PLAY" << QStringList{} << false;
        QTest::addRow("quit exactly ends") << "quit"
                                           << "" << QStringList{} << true;
        QTest::addRow("QUIT does not end") << "QUIT"
                                           << "" << QStringList{} << false;
        QTest::addRow("Quit does not end") << "Quit"
                                           << "" << QStringList{} << false;
        QTest::addRow("FOTO then quit") << "quit"
                                        << "FOTO" << QStringList{"FormRead*"} << true;
        QTest::addRow("MIX skips the quit test") << "quit"
                                                 << "MIX" << QStringList{"FormIzbytok*"} << false;
        QTest::addRow("ZADOM skips the quit test") << "quit"
                                                   << "zadom" << QStringList{"FormIzbytok*"} << false;
        QTest::addRow("unknown command then quit") << "quit"
                                                   << "NOTHING" << QStringList{} << true;
    }

    void dispatch()
    {
        QFETCH(QString, command);
        QFETCH(QString, args);
        QFETCH(QStringList, opened);
        QFETCH(bool, menuCloses);
        MenuWorld m;
        QSignalSpy finished(m.menu, &QDialog::finished);
        m.menu->Flash1FSCommand(command, args);
        QCOMPARE(m.opened(), opened);
        QCOMPARE(finished.size(), menuCloses ? 1 : 0);
        QCOMPARE(m.menu->isVisible(), !menuCloses);
        QVERIFY(m.world.dialogs.shown.isEmpty());
    }

    void dispatch_argumentsHandedOver()
    {
        MenuWorld m;
        m.menu->Flash1FSCommand("", "vowel");
        m.menu->Flash1FSCommand("", "INDEXER");
        QCOMPARE(m.stubs["FormIzbytok"]->arguments, QStringList{"VOWEL"});
        QCOMPARE(m.stubs["FormSlova"]->arguments, QStringList{"help/helpIndex.rtf"});
    }

    void dispatch_quitAfterTheModalWindowCloses()
    {
        MenuWorld m;
        bool menuVisibleWhileModal = false;
        m.stubs["FormRead"]->whileModal = [&] { menuVisibleWhileModal = m.menu->isVisible(); };
        m.menu->Flash1FSCommand("quit", "FOTO");
        QVERIFY(menuVisibleWhileModal);
        QVERIFY(!m.menu->isVisible());
    }

    void dispatch_bookOpensTheArchive()
    {
        MenuWorld m;
        m.menu->Flash1FSCommand("menu", "BOOK");
        QCOMPARE(m.world.programs.opened, QStringList{m.world.installRoot() + "help/book.zip"});
    }

    void dispatch_commandsDuringAModalWindowWaitForIt()
    {
        MenuWorld m;
        bool shultzShownDuringRead = true;
        m.stubs["FormRead"]->whileModal = [&] {
            m.menu->Flash1FSCommand("menu", "SHULTZ");
            m.menu->Flash1FSCommand("menu", "FONT");
            shultzShownDuringRead = m.stubs["FormShultz"]->isVisible();
        };
        m.menu->Flash1FSCommand("menu", "FOTO");
        QVERIFY(!shultzShownDuringRead);
        QVERIFY(m.stubs["FormShultz"]->isVisible());
        QCOMPARE(m.stubs["FormSettings"]->execs, 1);
    }

    void dispatch_quitDuringAModalWindowDropsLaterCommands()
    {
        MenuWorld m;
        m.stubs["FormRead"]->whileModal = [&] {
            m.menu->Flash1FSCommand("quit", "");
            m.menu->Flash1FSCommand("menu", "FONT");
        };
        m.menu->Flash1FSCommand("menu", "FOTO");
        QVERIFY(!m.menu->isVisible());
        QCOMPARE(m.stubs["FormSettings"]->execs, 0);
    }

    void dispatch_windowMissingFromTheRosterDoesNothing()
    {
        TestWorld world;
        auto* menu = world.create<TFormMenue>();
        menu->show();
        menu->Flash1FSCommand("", "FOTO");
        menu->Flash1FSCommand("", "MIX");
        menu->Flash1FSCommand("", "INDEXER");
        QVERIFY(menu->isVisible());
        QVERIFY(world.dialogs.shown.isEmpty());
    }

    void menu_escapeDoesNotEndTheProgram()
    {
        MenuWorld m;
        QTest::keyClick(m.menu, Qt::Key_Escape);
        QVERIFY(m.menu->isVisible());
    }

    void menu_missingMovieShowsTheNotice()
    {
        MenuWorld m;
        QVERIFY(!m.menu->Flash1->isVisible());
        QVERIFY(m.menu->Label1->isVisible());
        QCOMPARE(m.menu->Label1->text(), QStringLiteral("Please install FLASH player for playing this software"));
        const QRect label = m.menu->Label1->geometry();
        QCOMPARE(label.left(), (m.menu->width() - label.width()) / 2);
        QCOMPARE(label.top(), (m.menu->height() - label.height()) / 2);
    }

    void splash_refusesToCloseWhileItsTimerRuns()
    {
        TestWorld world;
        TSplashForm splash(world.services);
        splash.FormCreate();
        splash.show();
        QCOMPARE(splash.windowTitle(), QStringLiteral("On Start form"));
        QCOMPARE(splash.Timer1->interval(), 12000);
        QVERIFY(splash.Timer1->isActive());
        splash.close();
        QVERIFY(splash.isVisible());
        splash.FlashFSCommand("QUIT", "");
        QVERIFY(splash.isVisible());
        splash.FlashFSCommand("quit", "");
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.Timer1->isActive());
    }

    void splash_timerClosesIt()
    {
        TestWorld world;
        TSplashForm splash(world.services);
        splash.FormCreate();
        splash.show();
        splash.Timer1Timer();
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.Timer1->isActive());
    }

    void movies_loadWithoutErrors_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addRow("start") << "read_start.qml";
        QTest::addRow("menu") << "menue_read.qml";
    }

    void movies_loadWithoutErrors()
    {
        QFETCH(QString, file);
        MoviePlayer player;
        player.resize(1024, 768);
        player.setMovie(QStringLiteral(QOR_DATA_DIR "/flash/") + file);
        player.show();
        QVERIFY2(player.isLoaded(), qPrintable(player.loadErrors().join('\n')));
        player.Play();
        QTest::qWait(300);
        player.Stop();
        QVERIFY2(player.loadErrors().isEmpty(), qPrintable(player.loadErrors().join('\n')));
    }

    void movies_startScreenSkipsOnAClick()
    {
        MoviePlayer player;
        player.resize(1024, 768);
        player.setMovie(QStringLiteral(QOR_DATA_DIR "/flash/read_start.qml"));
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        QSignalSpy commands(&player, &MoviePlayer::FSCommand);
        QTest::mouseClick(&player, Qt::LeftButton, {}, QPoint(512, 384));
        QTRY_VERIFY(!commands.isEmpty());
        QCOMPARE(commands.constFirst(), (QVariantList{"quit", ""}));
    }

    void movies_menuTilesSendTheirCommands_data()
    {
        QTest::addColumn<QString>("tile");
        QTest::addColumn<QVariantList>("command");
        for (const auto& row : TFormMenue::commands())
            QTest::addRow("%s", row.command)
                << QString::fromLatin1(row.command) << QVariantList{"menu", QString::fromLatin1(row.command)};
        for (const char* mode : {"MIX", "ZADOM", "VOWEL", "RANDOM"})
            QTest::addRow("%s", mode) << QString::fromLatin1(mode) << QVariantList{"menu", QString::fromLatin1(mode)};
        QTest::addRow("quit") << "QUIT" << QVariantList{"quit", ""};
    }

    void movies_menuTilesSendTheirCommands()
    {
        QFETCH(QString, tile);
        QFETCH(QVariantList, command);
        MoviePlayer player;
        player.resize(1024, 768);
        player.setMovie(QStringLiteral(QOR_DATA_DIR "/flash/menue_read.qml"));
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        player.Play();
        QVERIFY(player.isLoaded());
        auto* item = player.rootObject()->findChild<QQuickItem*>("tile_" + tile);
        QVERIFY2(item, qPrintable("no tile_" + tile));
        QSignalSpy commands(&player, &MoviePlayer::FSCommand);
        // Stopping the menu ends its entrance animation: every tile stands in its place.
        player.Stop();
        const QPointF middle = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        QTest::mouseClick(&player, Qt::LeftButton, {}, middle.toPoint());
        QTRY_COMPARE(commands.size(), 1);
        QCOMPARE(commands.constFirst(), command);
    }

    void movies_menuWorksFromTheKeyboard()
    {
        MoviePlayer player;
        player.resize(1920, 1080);
        player.setMovie(QStringLiteral(QOR_DATA_DIR "/flash/menue_read.qml"));
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        player.Play();
        player.setFocus();
        QSignalSpy commands(&player, &MoviePlayer::FSCommand);
        QTest::keyClick(&player, Qt::Key_Right);
        QTest::keyClick(&player, Qt::Key_Down);
        QTest::keyClick(&player, Qt::Key_Return);
        QTRY_COMPARE(commands.size(), 1);
        QCOMPARE(commands.constFirst().at(0).toString(), QStringLiteral("menu"));
        QTest::keyClick(&player, Qt::Key_Escape);
        QTest::keyClick(&player, Qt::Key_Return);
        QTRY_COMPARE(commands.size(), 2);
        QCOMPARE(commands.at(1), (QVariantList{"quit", ""}));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
