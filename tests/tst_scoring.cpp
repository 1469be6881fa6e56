// The twenty scoring rules: the worked examples, bad input, and all 46,656 rolls held against a
// qualification test written from the sorted shape of the roll rather than from the rules.
#include "game/Categories.h"
#include "game/Colours.h"
#include "game/Scoring.h"

#include <QTest>

#include <algorithm>
#include <limits>

using Dice = std::array<int, 6>;
Q_DECLARE_METATYPE(Dice)

namespace {
Dice dice(const char* digits) {
    Dice d{};
    for (int i = 0; i < 6 && digits[i]; ++i)
        d[i] = digits[i] - '0';
    return d;
}

// Whether the roll qualifies, from the face counts sorted high to low and the faces present.
bool qualifies(int id, const Dice& d) {
    std::array<int, 7> n{};
    for (int v : d)
        ++n[v];
    std::array<int, 6> shape{n[1], n[2], n[3], n[4], n[5], n[6]};
    std::sort(shape.rbegin(), shape.rend());
    const auto present = [&](int from, int to) {
        return std::all_of(&n[from], &n[to] + 1, [](int c) { return c > 0; });
    };
    switch (id) {
    case 7:
        return shape[0] >= 2;
    case 8:
        return shape[1] >= 2;
    case 9:
        return shape[2] >= 2;
    case 10:
    case 11:
    case 12:
        return shape[0] >= id - 7;
    case 13:
        return present(1, 5);
    case 14:
        return present(2, 6);
    case 15:
        return present(1, 6);
    case 16:
        return shape[0] >= 3 && shape[1] >= 2;
    case 17:
        return shape[0] == 3 && shape[1] == 3;
    case 18:
        return shape[0] == 4 && shape[1] == 2;
    case 19:
        return true;
    case 20:
        return shape[0] == 6;
    default:
        return n[id] > 0;
    }
}
} // namespace

class ScoringTest : public QObject {
    Q_OBJECT
  private slots:
    void examples_data() {
        QTest::addColumn<Dice>("roll");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("score");
        const struct {
            const char* roll;
            int id, score;
        } rows[] = {
            {"666655", 8, 22},  {"666655", 9, 0},   {"664422", 8, 20},   {"664422", 9, 24},
            {"444441", 12, 20}, {"666222", 10, 18}, {"555533", 16, 21},  {"666555", 16, 28},
            {"666662", 16, 0},  {"333111", 17, 12}, {"333322", 18, 16},  {"555222", 17, 21},
            {"555222", 16, 19}, {"555222", 8, 14},  {"555222", 9, 0},    {"123455", 13, 15},
            {"623451", 14, 20}, {"224461", 7, 8},   {"111111", 20, 100}, {"666665", 18, 0},
            {"222222", 17, 0},  {"444442", 11, 16}, {"222555", 10, 15},
        };
        for (const auto& r : rows)
            QTest::addRow("%s in %d", r.roll, r.id) << dice(r.roll) << r.id << r.score;
    }
    void examples() {
        QFETCH(Dice, roll);
        QFETCH(int, id);
        QFETCH(int, score);
        QCOMPARE(ScoreOf(id, roll), score);
    }

    // Every category for the three example rolls; "W" is a white best score.
    void wholeRolls_data() {
        QTest::addColumn<Dice>("roll");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("666666") << dice("666666")
                                << QString("0 0 0 0 0 W W 0 0 W W W 0 0 0 0 0 0 W W").split(' ');
        QTest::newRow("123456") << dice("123456")
                                << QString("1 2 3 4 5 6 0 0 0 0 0 0 W W W 0 0 0 21 0").split(' ');
        QTest::newRow("666655") << dice("666655")
                                << QString("0 0 0 0 10 24 W W 0 W W 0 0 0 0 W 0 W 34 0").split(' ');
    }
    void wholeRolls() {
        QFETCH(Dice, roll);
        QFETCH(QStringList, expected);
        for (int id = 1; id <= CategoryCount; ++id) {
            const bool best = expected[id - 1] == "W";
            const int want = best ? category(id).highest : expected[id - 1].toInt();
            QCOMPARE(ScoreOf(id, roll), want);
            if (want)
                QCOMPARE(scoring::scoreColour(id, want), best ? colours::White : colours::Gold);
        }
    }

    void badInputScoresNothing() {
        const Dice rolled = dice("666666");
        for (int id : {0, 21, -1, std::numeric_limits<int>::min()})
            QCOMPARE(ScoreOf(id, rolled), 0);
        for (const Dice& d : {Dice{}, dice("066666"), dice("766666"), Dice{-1, 6, 6, 6, 6, 6}})
            for (int id = 1; id <= CategoryCount; ++id)
                QCOMPARE(ScoreOf(id, d), 0);
    }

    void everyRoll() {
        std::array<int, CategoryCount> best{};
        Dice d{};
        for (int code = 0; code < 46656; ++code) {
            for (int i = 0, c = code; i < 6; ++i, c /= 6)
                d[i] = c % 6 + 1;
            const int sum = d[0] + d[1] + d[2] + d[3] + d[4] + d[5];
            for (int id = 1; id <= CategoryCount; ++id) {
                const Category& c = category(id);
                const int s = ScoreOf(id, d);
                if ((s > 0) != qualifies(id, d) || s > c.highest)
                    QFAIL(qPrintable(QString("%1%2%3%4%5%6 in %7 scores %8")
                                         .arg(d[0])
                                         .arg(d[1])
                                         .arg(d[2])
                                         .arg(d[3])
                                         .arg(d[4])
                                         .arg(d[5])
                                         .arg(id)
                                         .arg(s)));
                best[id - 1] = std::max(best[id - 1], s);
                if (c.upper) QCOMPARE(s, id * int(std::count(d.begin(), d.end(), id)));
                if (c.rule == Rule::Straight || c.rule == Rule::Yatzy)
                    QVERIFY(s == 0 || s == c.highest);
                if (c.rule == Rule::Chance) QCOMPARE(s, sum);
            }
        }
        // The table's highest score is exactly the best that any roll reaches.
        for (int id = 1; id <= CategoryCount; ++id)
            QCOMPARE(best[id - 1], category(id).highest);
    }

    void scoreColour() {
        QCOMPARE(scoring::scoreColour(1, 6), colours::White);
        QCOMPARE(scoring::scoreColour(1, 5), colours::Gold);
        QCOMPARE(scoring::scoreColour(19, 35), colours::Gold);
        QCOMPARE(scoring::scoreColour(21, 100), colours::Gold);
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
