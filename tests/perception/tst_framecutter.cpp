#include "perception/FrameCutter.h"

#include <QTest>

class TestFrameCutter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutFrames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("letters");
        QTest::addColumn<QStringList>("frames");

        QTest::addRow("empty text gives no frames") << QString() << 50 << QStringList{};
        QTest::addRow("full stop after the 4th character, then blanks after the 50th")
            << "Hello. This is a test sentence that goes on and on without stopping here at all" << 50
            << QStringList{"Hello.", "This is a test sentence that goes on and on without ", "stopping here at all"};
        QTest::addRow("full stop at position 4 or earlier does not cut")
            << "Mr. Smith went home. Then he slept." << 50 << QStringList{"Mr. Smith went home.", "Then he slept."};
        QTest::addRow("full stop at position 5 cuts") << "Abcd. efg" << 50 << QStringList{"Abcd.", "efg"};
        QTest::addRow("0 letters stands for 15")
            << "aaaa bbbb cccc dddd eeee ffff" << 0 << QStringList{"aaaa bbbb cccc dddd ", "eeee ffff"};
        QTest::addRow("several blank cuts")
            << "The quick brown fox jumps over the lazy dog and keeps on running far away" << 20
            << QStringList{"The quick brown fox jumps ", "over the lazy dog and ", "keeps on running far ", "away"};
        QTest::addRow("line breaks stay inside a frame")
            << "first line\r\nsecond line here" << 5 << QStringList{"first ", "line\r\nsecond ", "line here"};
        QTest::addRow("a blank among the last two characters is no cut point") << "abc d" << 1 << QStringList{"abc d"};
        QTest::addRow("a full stop as the last character is no cut point") << "word." << 1 << QStringList{"word."};
        QTest::addRow("an all-blank rest gives an empty last frame") << "Hello.   " << 50 << QStringList{"Hello.", ""};
        QTest::addRow("the text's own leading blanks stay; the rest is trimmed")
            << "  Hello \t world" << 3 << QStringList{"  Hello ", "world"};
        QTest::addRow("Cyrillic") << "Привет. Это проверка кадров" << 5
                                  << QStringList{"Привет.", "Это проверка ", "кадров"};
    }

    void cutFrames()
    {
        QFETCH(QString, text);
        QFETCH(int, letters);
        QFETCH(QStringList, frames);
        QCOMPARE(::cutFrames(text, letters), frames);
    }

    void cutFrames_joinedFramesKeepEveryWord()
    {
        QString text;
        for (int i = 0; i < 2000; ++i)
            text += QStringLiteral("word%1%2").arg(i).arg(i % 7 == 0 ? QStringLiteral(". ") : QStringLiteral(" "));
        const QStringList frames = ::cutFrames(text, 30);
        QVERIFY(frames.size() > 100);
        QCOMPARE(frames.join(QLatin1Char(' ')).simplified(), text.simplified());
    }

    void holdsTwice_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<bool>("twice");
        QTest::addRow("full stop") << "end." << true;
        QTest::addRow("comma") << "well," << true;
        QTest::addRow("exclamation") << "stop!" << true;
        QTest::addRow("question") << "why?" << true;
        QTest::addRow("blank after a comma") << "well, " << false;
        QTest::addRow("line break after a full stop") << "end.\r\n" << false;
        QTest::addRow("empty") << "" << false;
    }

    void holdsTwice()
    {
        QFETCH(QString, frame);
        QFETCH(bool, twice);
        QCOMPARE(::holdsTwice(frame), twice);
    }

    void acceleratedShowTime_data()
    {
        QTest::addColumn<int>("showTime");
        QTest::addColumn<int>("acceleration");
        QTest::addColumn<int>("result");
        QTest::addRow("lowered") << 300 << 1 << 299;
        QTest::addRow("held at the floor") << 35 << 10 << kMinShowTime;
        QTest::addRow("stays at the floor") << kMinShowTime << 10 << kMinShowTime;
        QTest::addRow("below the floor is not lowered") << 20 << 1 << 20;
        QTest::addRow("negative acceleration slows down") << 100 << -10 << 110;
        QTest::addRow("no overflow") << 2147483600 << -1000 << 2147483647;
    }

    void acceleratedShowTime()
    {
        QFETCH(int, showTime);
        QFETCH(int, acceleration);
        QFETCH(int, result);
        QCOMPARE(::acceleratedShowTime(showTime, acceleration), result);
    }
};

QTEST_APPLESS_MAIN(TestFrameCutter)
#include "tst_framecutter.moc"
