// The rolls-per-category hint: exact halves-to-even rounding and its short decimal form.
#include "game/RollsPerCategory.h"

#include <QTest>

class MrollsTest : public QObject {
    Q_OBJECT
  private slots:
    void text_data() {
        QTest::addColumn<int>("rolls");
        QTest::addColumn<int>("categories");
        QTest::addColumn<QString>("text");
        QTest::newRow("40/13") << 40 << 13 << "3.08";
        QTest::newRow("39/13 has no decimals") << 39 << 13 << "3";
        QTest::newRow("59/20") << 59 << 20 << "2.95";
        QTest::newRow("trailing zero dropped") << 3 << 2 << "1.5";
        QTest::newRow("below one") << 1 << 3 << "0.33";
        QTest::newRow("rounds up") << 2 << 3 << "0.67";
        // Exact halves go to the even hundredth; as doubles these sit either side of the half.
        QTest::newRow("1/8 down to even") << 1 << 8 << "0.12";
        QTest::newRow("3/8 up to even") << 3 << 8 << "0.38";
        QTest::newRow("5/8 down to even") << 5 << 8 << "0.62";
        QTest::newRow("7/8 up to even") << 7 << 8 << "0.88";
        QTest::newRow("41/16 = 2.5625 is no half") << 41 << 16 << "2.56";
        QTest::newRow("a half that rounds to a whole") << 199 << 200 << "1";
        QTest::newRow("one category left") << 40 << 1 << "";
        QTest::newRow("pool empty") << 0 << 5 << "";
        QTest::newRow("pool overdrawn") << -1 << 5 << "";
        QTest::newRow("no category left") << 5 << 0 << "";
        QTest::newRow("negative categories") << 5 << -2 << "";
        QTest::newRow("huge pool") << 2000000000 << 3 << "666666666.67";
    }
    void text() {
        QFETCH(int, rolls);
        QFETCH(int, categories);
        QFETCH(QString, text);
        QCOMPARE(MrollsText(rolls, categories, QLatin1Char('.')), text);
    }

    void userSeparator() {
        QCOMPARE(MrollsText(40, 13, QLatin1Char(',')), QStringLiteral("3,08"));
        QCOMPARE(MrollsText(39, 13, QLatin1Char(',')), QStringLiteral("3"));
    }
};

QTEST_GUILESS_MAIN(MrollsTest)
#include "tst_mrolls.moc"
