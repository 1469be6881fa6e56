// The scoreboard's rules: the twenty categories (worked examples, bad input, and all 46,656
// rolls held against a qualification test written from the sorted shape of the roll rather
// than from the rules), the preview and its marker after a roll, and the rolls-per-category
// hint. What an entry does to a game is tested with the game model.
#include "rules/game/Categories.h"
#include "rules/game/Preview.h"
#include "rules/game/RollsPerCategory.h"
#include "rules/game/Scoring.h"

#include <QTest>

#include <algorithm>
#include <cstring>
#include <limits>

using Dice = std::array<int, 6>;
using Open = std::array<bool, CategoryCount>;
using Scores = std::array<int, CategoryCount>;
using Entries = QList<std::pair<int, int>>; // category id and score

namespace {
Dice dice(const char* digits) {
    Dice d{};
    for (int i = 0; i < 6 && digits[i]; ++i)
        d[i] = digits[i] - '0';
    return d;
}

template <class F> void forEveryRoll(F f) {
    Dice d{};
    for (int code = 0; code < 46656; ++code) {
        for (int i = 0, c = code; i < 6; ++i, c /= 6)
            d[i] = c % 6 + 1;
        f(d);
    }
}

Open only(std::initializer_list<int> ids) {
    Open open{};
    for (int id : ids)
        open[id - 1] = true;
    return open;
}
const Open All = [] {
    Open open;
    open.fill(true);
    return open;
}();

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
    // clang-format off
    switch (id) {
    case 7: return shape[0] >= 2;
    case 8: return shape[1] >= 2;
    case 9: return shape[2] >= 2;
    case 10: case 11: case 12: return shape[0] >= id - 7;
    case 13: return present(1, 5);
    case 14: return present(2, 6);
    case 15: return present(1, 6);
    case 16: return shape[0] >= 3 && shape[1] >= 2;
    case 17: return shape[0] == 3 && shape[1] == 3;
    case 18: return shape[0] == 4 && shape[1] == 2;
    case 19: return true;
    case 20: return shape[0] == 6;
    default: return n[id] > 0;
    }
    // clang-format on
}
} // namespace

class ScoringTest : public QObject {
    Q_OBJECT
  private slots:
    // The values the shape test above cannot see: which faces a rule picks and how it adds.
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
            {"222222", 17, 0},  {"444442", 11, 16}, {"222555", 10, 15},  {"666666", 7, 12},
        };
        for (const auto& r : rows)
            QTest::addRow("%s in %d", r.roll, r.id) << dice(r.roll) << r.id << r.score;
    }
    void examples() {
        QFETCH(Dice, roll);
        QFETCH(int, id);
        QTEST(ScoreOf(id, roll), "score");
    }

    void badInputScoresNothing() {
        for (int id : {0, 21, -1, std::numeric_limits<int>::min()})
            QCOMPARE(ScoreOf(id, dice("666666")), 0);
        for (const Dice& d : {Dice{}, dice("066666"), dice("766666"), Dice{-1, 6, 6, 6, 6, 6}})
            for (int id = 1; id <= CategoryCount; ++id)
                QCOMPARE(ScoreOf(id, d), 0);
        QVERIFY(!scoring::isBestScore(21, 100));
    }

    void everyRoll() {
        std::array<int, CategoryCount> best{};
        int wrong = 0;
        forEveryRoll([&](const Dice& d) {
            for (const Category& c : Categories) {
                const int s = ScoreOf(c.id, d);
                const bool bad =
                    (s > 0) != qualifies(c.id, d) || s > c.highest ||
                    (c.upper && s != c.id * int(std::count(d.begin(), d.end(), c.id))) ||
                    ((c.rule == Rule::Straight || c.rule == Rule::Yatzy) && s && s != c.highest) ||
                    (c.rule == Rule::Chance && s != d[0] + d[1] + d[2] + d[3] + d[4] + d[5]) ||
                    (s && scoring::isBestScore(c.id, s) != (s == c.highest));
                if (bad && ++wrong <= 5)
                    qWarning("%d%d%d%d%d%d in %d scores %d", d[0], d[1], d[2], d[3], d[4], d[5],
                             c.id, s);
                best[c.id - 1] = std::max(best[c.id - 1], s);
            }
        });
        QCOMPARE(wrong, 0);
        // The table's highest score is exactly the best that any roll reaches.
        for (const Category& c : Categories)
            QCOMPARE(best[c.id - 1], c.highest);
    }

    // Which open categories light up and whether any fits; the marker's choice is below.
    void preview_data() {
        QTest::addColumn<Dice>("roll");
        QTest::addColumn<Open>("open");
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<QList<int>>("lit");
        QTest::addColumn<int>("marked");
        QTest::newRow("six sixes")
            << dice("666666") << All << 30 << QList<int>{6, 7, 10, 11, 12, 19, 20} << 20;
        QTest::newRow("filled ones left alone")
            << dice("666666") << only({1, 2, 12, 19}) << 30 << QList<int>{12, 19} << 12;
        QTest::newRow("Chance fits, unmarked while rolls remain")
            << dice("665541") << only({19}) << 1 << QList<int>{19} << 0;
        QTest::newRow("nothing open fits")
            << dice("123466") << only({5, 9, 12, 20}) << 0 << QList<int>{} << 0;
        QTest::newRow("all filled") << dice("666666") << Open{} << 0 << QList<int>{} << 0;
        // Chance lights up whenever it is open; unrolled it scores 0 and is not marked.
        QTest::newRow("unrolled dice") << Dice{} << All << 0 << QList<int>{19} << 0;
    }
    void preview() {
        QFETCH(Dice, roll);
        QFETCH(Open, open);
        QFETCH(int, rollsLeft);
        QFETCH(QList<int>, lit);
        const preview::Result r = preview::CheckKateg(roll, open, rollsLeft);
        for (int id = 1; id <= CategoryCount; ++id) {
            const preview::Look look = !open[id - 1]      ? preview::Look::Unchanged
                                       : lit.contains(id) ? preview::Look::Fits
                                                          : preview::Look::NoFit;
            const QByteArray category = "category " + QByteArray::number(id);
            QVERIFY2(r.look[id - 1] == look, category);
            QVERIFY2(r.score[id - 1] == (open[id - 1] ? ScoreOf(id, roll) : 0), category);
        }
        QCOMPARE(r.scoringPossible, !lit.isEmpty());
        QTEST(r.marked, "marked");
    }

    void markerChoice_data() {
        QTest::addColumn<Entries>("scores");
        QTest::addColumn<int>("rolls");
        QTest::addColumn<int>("marked");
        QTest::newRow("none on the last roll") << Entries{} << 0 << 0;
        QTest::newRow("lower tie keeps the first") << Entries{{8, 20}, {14, 20}} << 5 << 8;
        QTest::newRow("Yatzy beats Sixes at par") << Entries{{6, 36}, {20, 100}} << 5 << 20;
        QTest::newRow("Tower beats Fives at par") << Entries{{5, 20}, {18, 24}} << 5 << 18;
        QTest::newRow("Chance ignored with rolls left") << Entries{{7, 2}, {19, 30}} << 1 << 7;
        QTest::newRow("Chance beats a lower category on the last roll")
            << Entries{{12, 30}, {19, 32}} << 0 << 19;
        QTest::newRow("Chance tie loses on the last roll")
            << Entries{{17, 21}, {19, 21}} << 0 << 17;
        QTest::newRow("negative rolls count as none") << Entries{{19, 30}} << -3 << 19;
        QTest::newRow("upper at par wins a tie") << Entries{{13, 15}, {3, 15}} << 5 << 3;
        QTest::newRow("upper below par loses a tie") << Entries{{13, 15}, {4, 15}} << 5 << 13;
        QTest::newRow("below par wins the tie on the last roll")
            << Entries{{13, 15}, {4, 15}} << 0 << 4;
        QTest::newRow("higher face wins among tied uppers") << Entries{{2, 12}, {3, 12}} << 0 << 3;
        QTest::newRow("an upper raises the best for later uppers")
            << Entries{{4, 16}, {5, 15}} << 0 << 4;
        QTest::newRow("Ones below par with rolls left") << Entries{{1, 3}} << 5 << 0;
        QTest::newRow("Ones at par") << Entries{{1, 4}} << 5 << 1;
    }
    void markerChoice() {
        QFETCH(Entries, scores);
        QFETCH(int, rolls);
        Scores s{};
        for (auto [id, score] : scores)
            s[id - 1] = score;
        QTEST(preview::chooseMarked(s, rolls), "marked");
    }

    // Over every roll and a few scoreboards: the marker points at an open category that fits,
    // never at Chance or an upper category below par while rolls remain, always somewhere on
    // the last roll when something fits, and at nothing that scores less than another choice.
    void markerOverEveryRoll() {
        const Open boards[] = {All, only({1, 2, 3, 19}), only({4, 5, 6, 9, 17, 18}), only({20})};
        int wrong = 0;
        forEveryRoll([&](const Dice& d) {
            for (const Open& open : boards) {
                for (int rolls : {0, 7}) {
                    const preview::Result r = preview::CheckKateg(d, open, rolls);
                    const int m = r.marked;
                    if (m == 0) {
                        wrong += rolls == 0 && r.scoringPossible;
                        continue;
                    }
                    wrong += r.look[m - 1] != preview::Look::Fits || r.score[m - 1] <= 0;
                    wrong += rolls > 0 && (m == 19 || (m <= 6 && r.score[m - 1] < 4 * m));
                    for (int id = 1; id <= CategoryCount; ++id)
                        wrong += r.score[id - 1] > r.score[m - 1] && (rolls == 0 || id > 6) &&
                                 !(rolls > 0 && id == 19);
                }
            }
        });
        QCOMPARE(wrong, 0);
    }

    void presentation() {
        QCOMPARE(preview::toolTip(4, "Fours", 12), QStringLiteral(" Fours: 12 "));
        QCOMPARE(preview::toolTip(20, "Yatzy", 100), QStringLiteral(" Yatzy! +100 "));
        QCOMPARE(preview::markerTop(1), 1590);
        QCOMPARE(preview::markerTop(20), 7575);
    }

    void rollsPerCategory_data() {
        QTest::addColumn<int>("rolls");
        QTest::addColumn<int>("categories");
        QTest::addColumn<QString>("text");
        // clang-format off
        const struct { int rolls, categories; const char* text; } rows[] = {
            {40, 13, "3.08"}, {39, 13, "3"}, {3, 2, "1.5"}, {1, 3, "0.33"}, {2, 3, "0.67"},
            // Exact halves go to the even hundredth, also when that makes a whole number.
            {1, 8, "0.12"}, {3, 8, "0.38"}, {5, 8, "0.62"}, {199, 200, "1"},
            // Empty when the hint would say all the rolls, or there is nothing to share.
            {40, 1, ""}, {0, 5, ""}, {-1, 5, ""}, {5, 0, ""}, {5, -2, ""},
            {2000000000, 3, "666666666.67"},
            {40, 13, "3,08"}, // the user's decimal separator
        };
        // clang-format on
        for (const auto& r : rows)
            QTest::addRow("%d/%d%s", r.rolls, r.categories,
                          std::strchr(r.text, ',') ? " with ','" : "")
                << r.rolls << r.categories << QString::fromLatin1(r.text);
    }
    void rollsPerCategory() {
        QFETCH(int, rolls);
        QFETCH(int, categories);
        QFETCH(QString, text);
        const QChar separator = text.contains(',') ? u',' : u'.';
        QCOMPARE(MrollsText(rolls, categories, separator), text);
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
