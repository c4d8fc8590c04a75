#include "platform/Convert.h"
#include "platform/Cp1251.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Guard.h"
#include "platform/Random.h"
#include "platform/TextFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cp1251_everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = cp1251::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(cp1251::encode(text), all);
        QCOMPARE(cp1251::decode("\xC2\xFB\xF5\xEE\xE4 \xA8\xB8"), QStringLiteral("Выход Ёё"));
        QCOMPARE(cp1251::toUnicode(0x98), QChar(0x98));
        QCOMPARE(cp1251::toUnicode(0xB9), QChar(0x2116)); // №
    }

    void cp1251_unmappableBecomesQuestionMark()
    {
        QCOMPARE(cp1251::encode(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
        QVERIFY(!cp1251::canEncode(QStringLiteral("\u4E2D")));
        QVERIFY(cp1251::canEncode(QStringLiteral("Привет, мир — «ок»")));
    }

    void splitLines_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addRow("empty") << QByteArray() << QList<QByteArray>{};
        QTest::addRow("CR LF") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
        QTest::addRow("LF only") << QByteArray("a\nb\n") << QList<QByteArray>{"a", "b"};
        QTest::addRow("CR only") << QByteArray("a\rb") << QList<QByteArray>{"a", "b"};
        QTest::addRow("last line without end") << QByteArray("a\r\nb") << QList<QByteArray>{"a", "b"};
        QTest::addRow("empty lines kept") << QByteArray("\r\n\n\r") << QList<QByteArray>{"", "", ""};
        QTest::addRow("LF CR is two ends") << QByteArray("a\n\rb") << QList<QByteArray>{"a", "", "b"};
    }

    void splitLines()
    {
        QFETCH(QByteArray, data);
        QFETCH(QList<QByteArray>, lines);
        QCOMPARE(::splitLines(data), lines);
    }

    void lineFiles_writeCrLfAndReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("lines.txt");
        writeLines(path, {QStringLiteral("Exit Выход"), QString(), QStringLiteral("end")});
        QCOMPARE(readFileBytes(path), QByteArray("Exit \xC2\xFB\xF5\xEE\xE4\r\n\r\nend\r\n"));
        QCOMPARE(readLines(path), (QStringList{QStringLiteral("Exit Выход"), QString(), QStringLiteral("end")}));
    }

    void lineFiles_errorsAreFileErrors()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(FileError, readLines(dir.filePath("missing.txt")));
        QVERIFY_THROWS_EXCEPTION(FileError, writeLines(dir.filePath("no/such/folder/file.txt"), {"x"}));
    }

    void decodeUserText_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        QTest::addRow("ASCII") << QByteArray("plain") << QStringLiteral("plain");
        QTest::addRow("UTF-8") << QByteArray("\xD0\x9F\xD1\x80\xD0\xB8") << QStringLiteral("При");
        QTest::addRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFok") << QStringLiteral("ok");
        QTest::addRow("cp1251") << QByteArray("\xCF\xF0\xE8") << QStringLiteral("При");
        QTest::addRow("cp1251 that is not UTF-8") << QByteArray("\xD0\xE0\xE7") << QStringLiteral("Раз");
    }

    void decodeUserText()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, text);
        QCOMPARE(::decodeUserText(data), text);
    }

    void parseInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::addRow("plain") << "300" << true << 300;
        QTest::addRow("negative") << "-18" << true << -18;
        QTest::addRow("plus") << "+7" << true << 7;
        QTest::addRow("leading blanks") << "  42" << true << 42;
        QTest::addRow("leading zero") << "07" << true << 7;
        QTest::addRow("hex") << "$1F" << true << 31;
        QTest::addRow("largest") << "2147483647" << true << 2147483647;
        QTest::addRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::addRow("too large") << "2147483648" << false << 0;
        QTest::addRow("empty") << "" << false << 0;
        QTest::addRow("letters") << "abc" << false << 0;
        QTest::addRow("trailing blank") << "12 " << false << 0;
        QTest::addRow("sign only") << "-" << false << 0;
        QTest::addRow("decimal point") << "1.5" << false << 0;
    }

    void parseInteger()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const auto parsed = ::parseInteger(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
        QCOMPARE(StrToIntDef(text, -99), valid ? value : -99);
    }

    void strToInt_failureNamesTheText()
    {
        try {
            StrToInt(QStringLiteral("abc"));
            QFAIL("no error");
        } catch (const ConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'abc' is not a valid integer value"));
        }
    }

    void trimControls_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::addRow("blanks and controls") << "\r\n\t a b \x01\r\n"
                                             << "a b";
        QTest::addRow("no-break space stays") << QStringLiteral("\u00A0a\u00A0") << QStringLiteral("\u00A0a\u00A0");
        QTest::addRow("all blank") << " \r\n "
                                   << "";
    }

    void trimControls()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(::trimControls(text), trimmed);
    }

    void guard_showsTheErrorAndGoesOn()
    {
        ScriptedDialogs dialogs;
        bool after = false;
        QVERIFY(!guarded(dialogs, nullptr, [&] {
            StrToInt(QStringLiteral("x1"));
            after = true;
        }));
        QVERIFY(!after);
        QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("'x1' is not a valid integer value")});
        QVERIFY(guarded(dialogs, nullptr, [] {}));
    }

    void random_seededIsRepeatableAndInRange()
    {
        Random a, b;
        a.seed(7);
        b.seed(7);
        for (int i = 0; i < 200; ++i) {
            const int r = a.random(10);
            QCOMPARE(r, b.random(10));
            QVERIFY(r >= 0 && r < 10);
        }
        QCOMPARE(a.random(0), 0);
        QCOMPARE(a.random(1), 0);
        QCOMPARE(a.random(-5), 0);
    }

    void fileFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::addRow("several patterns") << "text files|*.txt;*.doc;*.rtf|RTF|*.rtf"
                                          << "text files (*.txt *.doc *.rtf);;RTF (*.rtf)";
        QTest::addRow("trailing semicolon") << "HTML|*.htm;*.html;"
                                            << "HTML (*.htm *.html)";
        QTest::addRow("empty") << ""
                               << "";
    }

    void fileFilter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(qtFileFilter(filter), qt);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
