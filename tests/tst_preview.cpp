// The preview after a roll: which open categories light up, whether any fits, and which one
// the marker recommends.
#include "game/Preview.h"
#include "game/Scoring.h"

#include <QTest>

using Dice = std::array<int, 6>;
using Open = std::array<bool, CategoryCount>;
using Scores = std::array<int, CategoryCount>;
Q_DECLARE_METATYPE(Dice)
Q_DECLARE_METATYPE(Open)
Q_DECLARE_METATYPE(Scores)

namespace {
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
Scores scores(std::initializer_list<std::pair<int, int>> idScore) {
    Scores s{};
    for (auto [id, score] : idScore)
        s[id - 1] = score;
    return s;
}
} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
  private slots:
    void preview_data() {
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<Open>("open");
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<QList<int>>("lit");
        QTest::addColumn<int>("marked");
        QTest::newRow("six sixes: Yatzy beats Sixes")
            << Dice{6, 6, 6, 6, 6, 6} << All << 30 << QList<int>{6, 7, 10, 11, 12, 19, 20} << 20;
        QTest::newRow("straight: Full straight")
            << Dice{1, 2, 3, 4, 5, 6} << All << 30 << QList<int>{1, 2, 3, 4, 5, 6, 13, 14, 15, 19}
            << 15;
        QTest::newRow("Tower beats Fives at par")
            << Dice{5, 5, 5, 5, 2, 2} << All << 30 << QList<int>{2, 5, 7, 8, 10, 11, 16, 18, 19}
            << 18;
        QTest::newRow("Fours at par takes the mark from One pair")
            << Dice{4, 4, 4, 4, 1, 2} << only({4, 7}) << 30 << QList<int>{4, 7} << 4;
        QTest::newRow("Threes below par, rolls left")
            << Dice{3, 3, 1, 2, 4, 5} << only({3, 7}) << 30 << QList<int>{3, 7} << 7;
        QTest::newRow("Threes wins the tie on the last roll")
            << Dice{3, 3, 1, 2, 4, 5} << only({3, 7}) << 0 << QList<int>{3, 7} << 3;
        QTest::newRow("filled categories are left alone")
            << Dice{6, 6, 6, 6, 6, 6} << only({1, 2, 12, 19}) << 30 << QList<int>{12, 19} << 12;
        QTest::newRow("Chance fits but is not marked while rolls remain")
            << Dice{6, 6, 5, 5, 4, 1} << only({19}) << 1 << QList<int>{19} << 0;
        QTest::newRow("Chance beats five of a kind on the last roll")
            << Dice{6, 6, 6, 6, 6, 2} << only({11, 12, 19}) << 0 << QList<int>{11, 12, 19} << 19;
        QTest::newRow("nothing open fits")
            << Dice{1, 2, 3, 4, 6, 6} << only({5, 9, 12, 20}) << 30 << QList<int>{} << 0;
        QTest::newRow("nothing fits on the last roll")
            << Dice{6, 6, 5, 5, 4, 1} << only({3, 9, 20}) << 0 << QList<int>{} << 0;
        QTest::newRow("all filled") << Dice{6, 6, 6, 6, 6, 6} << Open{} << 0 << QList<int>{} << 0;
        // Chance lights up whenever it is open; unrolled it scores 0 and is not marked.
        QTest::newRow("unrolled dice") << Dice{} << All << 0 << QList<int>{19} << 0;
    }
    void preview() {
        QFETCH(Dice, dice);
        QFETCH(Open, open);
        QFETCH(int, rollsLeft);
        QFETCH(QList<int>, lit);
        QFETCH(int, marked);
        const preview::Result r = preview::CheckKateg(dice, open, rollsLeft);
        for (int id = 1; id <= CategoryCount; ++id) {
            const preview::Look look = !open[id - 1]      ? preview::Look::Unchanged
                                       : lit.contains(id) ? preview::Look::Fits
                                                          : preview::Look::NoFit;
            QCOMPARE(r.look[id - 1], look);
            QCOMPARE(r.score[id - 1], open[id - 1] ? ScoreOf(id, dice) : 0);
        }
        QCOMPARE(r.scoringPossible, !lit.isEmpty());
        QCOMPARE(r.marked, marked);
    }

    void choice_data() {
        QTest::addColumn<Scores>("score");
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<int>("marked");
        QTest::newRow("none on the last roll") << Scores{} << 0 << 0;
        QTest::newRow("lower tie keeps the first") << scores({{8, 20}, {14, 20}}) << 5 << 8;
        QTest::newRow("Yatzy beats Sixes at par") << scores({{6, 36}, {20, 100}}) << 5 << 20;
        QTest::newRow("Chance ignored with rolls left") << scores({{7, 2}, {19, 30}}) << 1 << 7;
        QTest::newRow("Chance tie loses on the last roll")
            << scores({{17, 21}, {19, 21}}) << 0 << 17;
        QTest::newRow("negative rolls count as none") << scores({{19, 30}}) << -3 << 19;
        QTest::newRow("upper at par wins a tie") << scores({{13, 15}, {3, 15}}) << 5 << 3;
        QTest::newRow("upper below par loses a tie") << scores({{13, 15}, {4, 15}}) << 5 << 13;
        QTest::newRow("below par wins the tie on the last roll")
            << scores({{13, 15}, {4, 15}}) << 0 << 4;
        QTest::newRow("higher face wins among tied uppers") << scores({{2, 12}, {3, 12}}) << 0 << 3;
        QTest::newRow("an upper raises the best for later uppers")
            << scores({{4, 16}, {5, 15}}) << 0 << 4;
        QTest::newRow("Ones below par with rolls left") << scores({{1, 3}}) << 5 << 0;
        QTest::newRow("Ones at par") << scores({{1, 4}}) << 5 << 1;
    }
    void choice() {
        QFETCH(Scores, score);
        QFETCH(int, rollsLeft);
        QFETCH(int, marked);
        QCOMPARE(preview::chooseMarked(score, rollsLeft), marked);
    }

    // Over every roll and a few scoreboards: the marker points at an open category that fits,
    // never at Chance or an upper category below par while rolls remain, always somewhere on
    // the last roll when something fits, and at nothing that scores less than another choice.
    void markerOverEveryRoll() {
        const Open boards[] = {All, only({1, 2, 3, 19}), only({4, 5, 6, 9, 17, 18}), only({20})};
        int wrong = 0;
        Dice d{};
        for (int i = 0; i < 46656; ++i) {
            for (int k = 0, v = i; k < 6; ++k, v /= 6)
                d[k] = v % 6 + 1;
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
        }
        QCOMPARE(wrong, 0);
    }

    void presentation() {
        QCOMPARE(preview::toolTip(4, "Fours", 12), QStringLiteral(" Fours: 12 "));
        QCOMPARE(preview::toolTip(20, "Yatzy", 100), QStringLiteral(" Yatzy! +100 "));
        QCOMPARE(preview::toolTip(17, QString::fromUtf8("Kåk"), 21),
                 QString::fromUtf8(" Kåk: 21 "));
        QCOMPARE(preview::markerTop(1), 1590);
        QCOMPARE(preview::markerTop(7), 3480);
        QCOMPARE(preview::markerTop(20), 7575);
    }
};

QTEST_GUILESS_MAIN(PreviewTest)
#include "tst_preview.moc"
