#include "platform/SpinEdit.h"

#include <QTest>
#include <limits>

class TestSpinEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void value_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addRow("number") << "123" << 123;
        QTest::addRow("leading blanks") << "  42" << 42;
        QTest::addRow("negative") << "-5" << -5;
        QTest::addRow("empty is 0") << "" << 0;
        QTest::addRow("letters are 0") << "abc" << 0;
        QTest::addRow("trailing garbage is 0") << "12x" << 0;
        QTest::addRow("too big is 0") << "99999999999" << 0;
    }

    void value()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        SpinEdit spin;
        spin.setText(text);
        QCOMPARE(spin.text(), text);
        QCOMPARE(spin.value(), value);
    }

    void typing_isFree()
    {
        SpinEdit spin;
        spin.clear();
        QTest::keyClicks(&spin, QStringLiteral("x-7"));
        QCOMPARE(spin.text(), QStringLiteral("x-7"));
        QCOMPARE(spin.value(), 0);
    }

    void steps_byTheIncrementWithoutLimits()
    {
        SpinEdit spin;
        spin.setIncrement(50);
        spin.setValue(20);
        spin.stepDown();
        QCOMPARE(spin.value(), -30);
        QTest::keyClick(&spin, Qt::Key_Up);
        QTest::keyClick(&spin, Qt::Key_Up);
        QCOMPARE(spin.value(), 70);
        spin.setText(QStringLiteral("abc"));
        spin.stepUp();
        QCOMPARE(spin.text(), QStringLiteral("50"));
        spin.setValue(std::numeric_limits<int>::max() - 10);
        spin.stepUp();
        QCOMPARE(spin.value(), std::numeric_limits<int>::max());
    }
};

QTEST_MAIN(TestSpinEdit)
#include "tst_spinedit.moc"
