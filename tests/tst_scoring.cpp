// The twenty scoring rules: the worked examples, bad input, and every one of the 46,656 rolls
// held against a reference written from sorted dice rather than from face counts.
#include "game/Categories.h"
#include "game/Colours.h"
#include "game/Scoring.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

using Dice = std::array<int, 6>;
Q_DECLARE_METATYPE(Dice)

namespace {

Dice dice(const char* digits) {
    Dice d{};
    for (int i = 0; i < 6 && digits[i]; ++i) d[i] = digits[i] - '0';
    return d;
}

void forEachRoll(const std::function<void(const Dice&)>& visit) {
    Dice d{};
    for (int code = 0; code < 46656; ++code) {
        for (int i = 0, c = code; i < 6; ++i, c /= 6) d[i] = c % 6 + 1;
        visit(d);
    }
}

// The faces that appear at least k times, highest first, found by walking the sorted dice.
std::vector<int> facesWithAtLeast(Dice d, int k, bool exact = false) {
    std::sort(d.begin(), d.end(), std::greater<>());
    std::vector<int> faces;
    for (int i = 0; i < 6;) {
        int j = i;
        while (j < 6 && d[j] == d[i]) ++j;
        if (exact ? j - i == k : j - i >= k) faces.push_back(d[i]);
        i = j;
    }
    return faces;
}

// Reference score: 0 when the dice do not qualify.
int reference(int id, const Dice& d) {
    const auto count = [&](int f) { return int(std::count(d.begin(), d.end(), f)); };
    const auto has = [&](int from, int to) {
        for (int f = from; f <= to; ++f)
            if (!count(f)) return false;
        return true;
    };
    const auto pairs = facesWithAtLeast(d, 2);
    const auto triples = facesWithAtLeast(d, 3);
    const auto exact3 = facesWithAtLeast(d, 3, true);
    const auto exact4 = facesWithAtLeast(d, 4, true);
    const auto exact2 = facesWithAtLeast(d, 2, true);
    switch (id) {
    case 7: return pairs.empty() ? 0 : 2 * pairs[0];
    case 8: return pairs.size() < 2 ? 0 : 2 * (pairs[0] + pairs[1]);
    case 9: return pairs.size() < 3 ? 0 : 2 * (pairs[0] + pairs[1] + pairs[2]);
    case 10: case 11: case 12: {
        const auto kind = facesWithAtLeast(d, id - 7);
        return kind.empty() ? 0 : (id - 7) * kind[0];
    }
    case 13: return has(1, 5) ? 15 : 0;
    case 14: return has(2, 6) ? 20 : 0;
    case 15: return has(1, 6) ? 21 : 0;
    case 16: {
        if (triples.empty()) return 0;
        for (int p : pairs)
            if (p != triples[0]) return 3 * triples[0] + 2 * p;
        return 0;
    }
    case 17: return exact3.size() == 2 ? 3 * (exact3[0] + exact3[1]) : 0;
    case 18: return exact4.size() == 1 && exact2.size() == 1 ? 4 * exact4[0] + 2 * exact2[0] : 0;
    case 19: return d[0] + d[1] + d[2] + d[3] + d[4] + d[5];
    case 20: return facesWithAtLeast(d, 6).empty() ? 0 : 100;
    default: return id * count(id);
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
        struct Row { const char* name; const char* roll; int id, score; };
        const Row rows[] = {
            {"four of a kind plus a pair is two pairs", "666655", 8, 22},
            {"four of a kind plus a pair is not three pairs", "666655", 9, 0},
            {"two pairs ignores the lowest of three", "664422", 8, 20},
            {"three pairs sums all three", "664422", 9, 24},
            {"six equal are five of a kind", "444441", 12, 20},
            {"two triples: higher face is the three of a kind", "666222", 10, 18},
            {"hut from four plus two", "555533", 16, 21},
            {"hut from two triples takes the higher triple", "666555", 16, 28},
            {"hut needs a pair of another face", "666662", 16, 0},
            {"house", "333111", 17, 12},
            {"tower", "333322", 18, 16},
            {"house with triples 5 and 2", "555222", 17, 21},
            {"hut with triple 5 and pair 2", "555222", 16, 19},
            {"two pairs from two triples", "555222", 8, 14},
            {"three pairs not from two triples", "555222", 9, 0},
            {"small straight with a free sixth die", "123455", 13, 15},
            {"large straight with a free sixth die", "623451", 14, 20},
            {"full straight", "615243", 15, 21},
            {"chance of a full straight is gold 21", "123456", 19, 21},
            {"one pair takes the highest pair", "224461", 7, 8},
            {"ones counted", "111234", 1, 3},
            {"yatzy of ones is still 100", "111111", 20, 100},
            {"sixes of six sixes", "666666", 6, 36},
            {"tower wants exactly four", "666665", 18, 0},
            {"house is not six equal", "222222", 17, 0},
        };
        for (const Row& r : rows) QTest::newRow(r.name) << dice(r.roll) << r.id << r.score;
    }
    void examples() {
        QFETCH(Dice, roll);
        QFETCH(int, id);
        QFETCH(int, score);
        QCOMPARE(ScoreOf(id, roll), score);
    }

    // Which categories take the three example rolls of the design, and in which colour.
    void wholeRolls_data() {
        QTest::addColumn<Dice>("roll");
        QTest::addColumn<QList<int>>("expected"); // score per id, -1 for a white best score
        QTest::newRow("six sixes") << dice("666666") << QList<int>{
            0, 0, 0, 0, 0, -1, -1, 0, 0, -1, -1, -1, 0, 0, 0, 0, 0, 0, -1, -1};
        QTest::newRow("full straight") << dice("123456") << QList<int>{
            1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, -1, -1, -1, 0, 0, 0, 21, 0};
        QTest::newRow("four sixes, two fives") << dice("666655") << QList<int>{
            0, 0, 0, 0, 10, 24, -1, -1, 0, -1, -1, 0, 0, 0, 0, -1, 0, -1, 34, 0};
    }
    void wholeRolls() {
        QFETCH(Dice, roll);
        QFETCH(QList<int>, expected);
        for (int id = 1; id <= CategoryCount; ++id) {
            const int want = expected[id - 1] == -1 ? category(id).highest : expected[id - 1];
            QCOMPARE(ScoreOf(id, roll), want);
            if (want) {
                const QRgb colour = expected[id - 1] == -1 ? colours::White : colours::Gold;
                QCOMPARE(scoring::scoreColour(id, want), colour);
            }
        }
    }

    void badInputScoresNothing_data() {
        QTest::addColumn<Dice>("roll");
        QTest::addColumn<int>("id");
        QTest::newRow("not rolled yet") << Dice{} << 19;
        QTest::newRow("one die not rolled") << dice("066666") << 20;
        QTest::newRow("die above six") << dice("766666") << 19;
        QTest::newRow("negative die") << Dice{-1, 6, 6, 6, 6, 6} << 6;
        QTest::newRow("id zero") << dice("666666") << 0;
        QTest::newRow("id past the table") << dice("666666") << 21;
        QTest::newRow("id far off") << dice("666666") << std::numeric_limits<int>::min();
    }
    void badInputScoresNothing() {
        QFETCH(Dice, roll);
        QFETCH(int, id);
        QCOMPARE(ScoreOf(id, roll), 0);
    }

    void noRollScoresZeroEverywhere() {
        for (int id = 1; id <= CategoryCount; ++id) QCOMPARE(ScoreOf(id, Dice{}), 0);
    }

    void everyRollAgreesWithTheReference() {
        std::array<int, CategoryCount> best{};
        forEachRoll([&](const Dice& d) {
            for (int id = 1; id <= CategoryCount; ++id) {
                const int s = ScoreOf(id, d);
                if (s != reference(id, d)) {
                    QFAIL(qPrintable(QStringLiteral("category %1, dice %2%3%4%5%6%7: %8 != %9")
                                         .arg(id).arg(d[0]).arg(d[1]).arg(d[2]).arg(d[3])
                                         .arg(d[4]).arg(d[5]).arg(s).arg(reference(id, d))));
                }
                best[id - 1] = std::max(best[id - 1], s);
            }
        });
        // The table's highest score is exactly the best any roll reaches.
        for (int id = 1; id <= CategoryCount; ++id) QCOMPARE(best[id - 1], category(id).highest);
    }

    // Invariants held without the reference: from the shape of the roll alone.
    void everyRollKeepsTheInvariants() {
        forEachRoll([&](const Dice& d) {
            const auto n = scoring::FaceCount(d);
            std::array<int, 6> shape{n[1], n[2], n[3], n[4], n[5], n[6]};
            std::sort(shape.begin(), shape.end(), std::greater<>());
            for (int id = 1; id <= CategoryCount; ++id) {
                const int s = ScoreOf(id, d);
                QVERIFY(s >= 0 && s <= category(id).highest);
                const Rule rule = category(id).rule;
                if (rule == Rule::Straight || rule == Rule::Yatzy)
                    QVERIFY(s == 0 || s == category(id).highest);
            }
            QCOMPARE(ScoreOf(17, d) > 0, shape[0] == 3 && shape[1] == 3);
            QCOMPARE(ScoreOf(18, d) > 0, shape[0] == 4 && shape[1] == 2);
            QCOMPARE(ScoreOf(20, d) > 0, shape[0] == 6);
            QCOMPARE(ScoreOf(9, d) > 0, shape[2] >= 2);
            QCOMPARE(ScoreOf(16, d) > 0, shape[0] >= 3 && shape[1] >= 2);
            QVERIFY(ScoreOf(19, d) >= 6);
        });
    }

    void scoreColour_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("score");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("ones at best") << 1 << 6 << colours::White;
        QTest::newRow("ones below best") << 1 << 5 << colours::Gold;
        QTest::newRow("chance 35") << 19 << 35 << colours::Gold;
        QTest::newRow("chance 36") << 19 << 36 << colours::White;
        QTest::newRow("yatzy") << 20 << 100 << colours::White;
        QTest::newRow("unknown id") << 21 << 100 << colours::Gold;
    }
    void scoreColour() {
        QFETCH(int, id);
        QFETCH(int, score);
        QFETCH(QRgb, colour);
        QCOMPARE(scoring::scoreColour(id, score), colour);
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
