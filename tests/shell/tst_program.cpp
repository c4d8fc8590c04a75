#include "TestPaths.h"
#include "common/ProgramRun.h"

#include <QTest>

// The whole program: starts with every window of the roster, ends on the menu's "quit" with status 0 and writes
// the phrase files of its windows.
class TestProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndQuitsCleanly()
    {
        ProgramRun program(QStringLiteral(QOR_APP_DIR));
        QVERIFY(program.ready);
        QProcess process;
        QVERIFY(program.run(process));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        for (const char* window : {"FormRead", "FormReaSet", "FormShultz", "FormKarto", "Metronom", "FormFindWord"})
            QVERIFY2(QFile::exists(program.install.filePath(QStringLiteral("localization/") + window)), window);
        QVERIFY(QFile::exists(program.install.filePath("config/Qor.conf")));
    }

    // Commands of the menu reach the windows; "FOTO"-like modal commands are not sent here because they would
    // wait for a user. A modeless command followed by "quit" still ends the program.
    void unknownAndModelessCommandsThenQuit()
    {
        ProgramRun program(QStringLiteral(QOR_APP_DIR));
        program.writeMovie(
            "flash/menue_read.qml",
            "Timer { interval: 1; running: true; onTriggered: { fscommand(\"menu\", \"nothing\"); "
            "fscommand(\"menu\", \"SHULTZ\"); fscommand(\"menu\", \"UGOL\"); fscommand(\"quit\", \"\") } }");
        QProcess process;
        QVERIFY(program.run(process));
        QCOMPARE(process.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
