#include "common/TestWorld.h"
#include "platform/TextFiles.h"
#include "shell/ClockLabel.h"
#include "shell/Folders.h"
#include "shell/PhraseList.h"
#include "shell/ResultsLog.h"

#include <QTest>

// Folders, phrase lookup, settings store, results logs and the clock label.
class TestServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folders_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("installRoot");
        QTest::addRow("windows path") << "D:\\Apps\\Trainer\\bin\\run.exe" << QChar('\\') << "D:\\Apps\\Trainer\\bin\\"
                                      << "D:\\Apps\\Trainer\\";
        QTest::addRow("drive root") << "D:\\run.exe" << QChar('\\') << "D:\\"
                                    << "D";
        QTest::addRow("unix path") << "/opt/qor/bin/qor" << QChar('/') << "/opt/qor/bin/"
                                   << "/opt/qor/";
        QTest::addRow("file system root") << "/qor" << QChar('/') << "/"
                                          << "";
        QTest::addRow("no separator") << "qor" << QChar('/') << "q"
                                      << "";
    }

    void folders()
    {
        QFETCH(QString, executable);
        QFETCH(QChar, separator);
        QFETCH(QString, programFolder);
        QFETCH(QString, installRoot);
        QCOMPARE(programFolderOf(executable, separator), programFolder);
        QCOMPARE(installRootOf(programFolder, separator), installRoot);
    }

    void lookupPhrase_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("linesAfter");
        const QStringList none;
        QTest::addRow("empty list appends") << none << "Exit"
                                            << "Exit" << QStringList{"Exit"};
        QTest::addRow("bare phrase") << QStringList{"Exit"} << "Exit"
                                     << "Exit" << QStringList{"Exit"};
        QTest::addRow("trailing separator only") << QStringList{"Exit "} << "Exit"
                                                 << "Exit" << QStringList{"Exit "};
        QTest::addRow("any separator") << QStringList{"Exit=Выход"} << "Exit"
                                       << "Выход" << QStringList{"Exit=Выход"};
        QTest::addRow("second blank kept") << QStringList{"Exit  Выход"} << "Exit"
                                           << " Выход" << QStringList{"Exit  Выход"};
        QTest::addRow("first prefix wins")
            << QStringList{"Exiting now Выход сейчас", "Exit Выход"} << "Exit"
            << "ng now Выход сейчас" << QStringList{"Exiting now Выход сейчас", "Exit Выход"};
        QTest::addRow("case matters") << QStringList{"exit Выход"} << "Exit"
                                      << "Exit" << QStringList{"exit Выход", "Exit"};
        QTest::addRow("shorter line never matches") << QStringList{"Exi"} << "Exit"
                                                    << "Exit" << QStringList{"Exi", "Exit"};
        QTest::addRow("empty phrase takes first line") << QStringList{"Exit Выход", "x"} << ""
                                                       << "xit Выход" << QStringList{"Exit Выход", "x"};
        QTest::addRow("empty phrase, one-byte line") << QStringList{"E"} << ""
                                                     << "" << QStringList{"E"};
        QTest::addRow("empty phrase, empty list") << none << ""
                                                  << "" << QStringList{""};
        QTest::addRow("phrase with quotes")
            << QStringList{"Pouse. press \"Play\" button Пауза"} << "Pouse. press \"Play\" button"
            << "Пауза" << QStringList{"Pouse. press \"Play\" button Пауза"};
    }

    void lookupPhrase()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, phrase);
        QFETCH(QString, result);
        QFETCH(QStringList, linesAfter);
        PhraseList list;
        list.setLines(lines);
        QCOMPARE(list.LookupPhrase(phrase), result);
        QCOMPARE(list.lines(), linesAfter);
    }

    void phraseFile_readsAnyLineEndAndWritesCrLf()
    {
        TestWorld world;
        world.writeFile("localization/FormTest", "Exit \xC2\xFB\xF5\xEE\xE4\nOpen\rHelp");
        PhraseList list;
        list.load(world.path("localization/FormTest"));
        QCOMPARE(list.LookupPhrase("Exit"), QStringLiteral("Выход"));
        QCOMPARE(list.LookupPhrase("Settings"), QStringLiteral("Settings"));
        list.save(world.path("localization/FormTest"));
        QCOMPARE(world.readFile("localization/FormTest"),
                 QByteArray("Exit \xC2\xFB\xF5\xEE\xE4\r\nOpen\r\nHelp\r\nSettings\r\n"));
    }

    void phraseFile_missingStartsEmpty()
    {
        TestWorld world;
        PhraseList list;
        list.load(world.path("localization/Nothing"));
        QVERIFY(list.lines().isEmpty());
    }

    // A window whose phrase file cannot be written shows the error and the rest of the roster still closes.
    void phraseFile_unwritableFolderIsReportedAndClosingGoesOn()
    {
        TestWorld world;
        struct Window : QorForm
        {
            Window(Services& s, const QString& name, QStringList* log) : QorForm(s, name), log(log) {}
            void FormCreate() override
            {
                computeFolders();
                loadPhraseList();
                LookupPhrase("Exit");
            }
            void FormDestroy() override
            {
                savePhraseList();
                log->append(objectName());
            }
            QStringList* log;
        };
        QStringList destroyed;
        for (const char* name : {"First", "Second"}) {
            auto* w = new Window(world.services, QString::fromLatin1(name), &destroyed);
            world.roster.add(w);
            w->FormCreate();
        }
        QVERIFY(QDir(world.path("localization")).removeRecursively());
        world.roster.destroyAll();
        QVERIFY(destroyed.isEmpty());
        QCOMPARE(world.dialogs.messages().size(), 2);
        QVERIFY(world.dialogs.messages().constFirst().contains("Second"));
        QVERIFY(world.roster.windows().isEmpty());
    }

    // Start-up builds the windows in order and names a second window of a name with "_1"; a failing creation
    // handler is reported and the next window is still built; the end destroys them in reverse.
    void roster_createsInOrderAndDestroysInReverse()
    {
        TestWorld world;
        QStringList log;
        struct Window : QorForm
        {
            Window(Services& s, const QString& name, QStringList* log, bool fail)
                : QorForm(s, name), log(log), fail(fail)
            {
            }
            void FormCreate() override
            {
                log->append("create " + objectName());
                if (fail)
                    throw FileError("boom");
                log->append("created " + objectName());
            }
            void FormDestroy() override { log->append("destroy " + objectName()); }
            QStringList* log;
            bool fail;
        };
        const auto make = [&](const QString& name, bool fail = false) {
            return [&log, name, fail](Services& s) -> QorForm* { return new Window(s, name, &log, fail); };
        };
        world.roster.create(world.services, {make("FormSlovaEdit"), make("FormBroken", true), make("FormSlovaEdit")});
        QCOMPARE(world.dialogs.messages(), QStringList{"boom"});
        QVERIFY(world.roster.window("FormSlovaEdit_1"));
        world.roster.destroyAll();
        QCOMPARE(log, (QStringList{"create FormSlovaEdit", "created FormSlovaEdit", "create FormBroken",
                                   "create FormSlovaEdit_1", "created FormSlovaEdit_1", "destroy FormSlovaEdit_1",
                                   "destroy FormBroken", "destroy FormSlovaEdit"}));
    }

    void settings_defaultsAndBadValues()
    {
        TestWorld world;
        SettingsStore& s = world.settings;
        QCOMPARE(s.ReadInteger("Speed_SRead", "TimeShow", 300), 300);
        QCOMPARE(s.ReadString("Speed_Main", "UserName", "Unknown"), QStringLiteral("Unknown"));
        QCOMPARE(s.ReadBool("Ugol", "Flag", true), true);
        s.WriteString("Speed_SRead", "TimeShow", "abc");
        QCOMPARE(s.ReadInteger("Speed_SRead", "TimeShow", 300), 300);
        s.WriteString("Speed_SRead", "TimeShow", "");
        QCOMPARE(s.ReadInteger("Speed_SRead", "TimeShow", 300), 300);
        s.WriteString("Speed_SRead", "TimeShow", "99999999999");
        QCOMPARE(s.ReadInteger("Speed_SRead", "TimeShow", 300), 300);
        s.WriteString("Ugol", "Flag", "x");
        QCOMPARE(s.ReadBool("Ugol", "Flag", false), false);
    }

    void settings_storedAsTextAndKeptAcrossStores()
    {
        TestWorld world;
        world.settings.WriteInteger("Speed_SRead", "label1_Font_Height", -18);
        world.settings.WriteBool("Ugol", "Sound", true);
        world.settings.WriteString("Speed_Main", "UserName", "Анна, 1");
        world.settings.sync();
        SettingsStore again(world.settings.location());
        QCOMPARE(again.ReadString("Speed_SRead", "label1_Font_Height", ""), QStringLiteral("-18"));
        QCOMPARE(again.ReadInteger("Speed_SRead", "label1_Font_Height", 0), -18);
        QCOMPARE(again.ReadString("Ugol", "Sound", ""), QStringLiteral("1"));
        QCOMPARE(again.ReadString("Speed_Main", "UserName", ""), QStringLiteral("Анна, 1"));
    }

    // The file is plain "[section]" and "key=value" lines: values typed by hand are taken as the text they are.
    void settings_handEditedFileReadsAsText()
    {
        TestWorld world;
        world.writeFile("config/hand.conf", "; typed by hand\r\n[Speed_Main]\r\nUserName=Ivanov, Ivan\r\n"
                                            "[Ugol]\nLib=abc,def\n Step = 20\nbroken line\n");
        SettingsStore store(world.path("config/hand.conf"));
        QCOMPARE(store.ReadString("Speed_Main", "UserName", "Unknown"), QStringLiteral("Ivanov, Ivan"));
        QCOMPARE(store.ReadString("Ugol", "Lib", ""), QStringLiteral("abc,def"));
        QCOMPARE(store.ReadInteger("Ugol", "Step", 10), 20);
    }

    void settings_anyTextRoundTrips()
    {
        TestWorld world;
        const QString text = QStringLiteral(" a=b, \\ \"q\" [x]\nline two\r; Ёж ");
        world.settings.WriteString("Speed_Main", "UserName", text);
        world.settings.sync();
        QVERIFY(world.readFile("config/Qor.conf").contains("[Speed_Main]\nUserName="));
        SettingsStore again(world.settings.location());
        QCOMPARE(again.ReadString("Speed_Main", "UserName", ""), text);
    }

    void appendResult_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<ResultsVariant>("variant");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("firstKept");
        QTest::addRow("A at 999") << 999 << ResultsVariant::A << 1000 << 1;
        QTest::addRow("A at 1000 drops the oldest") << 1000 << ResultsVariant::A << 1000 << 2;
        QTest::addRow("B at 1000 grows to 1001") << 1000 << ResultsVariant::B << 1001 << 1;
        QTest::addRow("B at 1001 stays at 1001") << 1001 << ResultsVariant::B << 1001 << 2;
        QTest::addRow("A at 1001 drops two") << 1001 << ResultsVariant::A << 1000 << 3;
    }

    void appendResult()
    {
        QFETCH(int, before);
        QFETCH(ResultsVariant, variant);
        QFETCH(int, after);
        QFETCH(int, firstKept);
        TestWorld world;
        QStringList lines;
        for (int i = 1; i <= before; ++i)
            lines.append(QString::number(i) + ",");
        writeLines(world.programFolder() + "log.txt", lines);
        AppendResult(world.programFolder(), "log.txt", "new,", variant);
        const QStringList written = readLines(world.programFolder() + "log.txt");
        QCOMPARE(written.size(), after);
        QCOMPARE(written.constFirst(), QString::number(firstKept) + ",");
        QCOMPARE(written.constLast(), QStringLiteral("new,"));
    }

    void appendResult_createsMissingFile()
    {
        TestWorld world;
        AppendResult(world.programFolder(), "FindWord.txt", "3, 125", ResultsVariant::A);
        QCOMPARE(world.readFile("bin/FindWord.txt"), QByteArray("3, 125\r\n"));
    }

    void appendResult_unwritableIsAFileError()
    {
        TestWorld world;
        QVERIFY_THROWS_EXCEPTION(FileError, AppendResult(world.path("missing/"), "log.txt", "1,", ResultsVariant::B));
    }

    void clockLabel_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("secondsPhrase");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << 0 << " sec."
                              << "Time: min. 0 sec.";
        QTest::addRow("below a minute") << 45 << " sec."
                                        << "Time: min. 45 sec.";
        QTest::addRow("above a minute") << 75 << " sec."
                                        << "Time: 1min. 15 sec.";
        QTest::addRow("whole minutes") << 120 << "sec."
                                       << "Time: 2min. 0sec.";
    }

    void clockLabel()
    {
        QFETCH(int, seconds);
        QFETCH(QString, secondsPhrase);
        QFETCH(QString, text);
        PhraseList phrases;
        QCOMPARE(clockLabelText(
                     seconds, [&](const QString& p) { return phrases.LookupPhrase(p); }, secondsPhrase),
                 text);
    }

    void clockLabel_translated()
    {
        PhraseList phrases;
        phrases.setLines({"Time:  Время: ", "min.  мин. ", " sec.  сек."});
        QCOMPARE(clockLabelText(
                     75, [&](const QString& p) { return phrases.LookupPhrase(p); }, " sec."),
                 QStringLiteral("Время: 1мин. 15 сек."));
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
