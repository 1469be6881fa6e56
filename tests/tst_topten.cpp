// The top-10 list: its rules on values alone (ranking, stored points, texts, the score key and
// the submission address), and on the profile file: scoring a finished game, showing the list
// in its ten labels, and clearing it.
#include "TestProgram.h"
#include "core/Profile.h"
#include "rules/scores/ScoreKey.h"
#include "rules/scores/Submission.h"
#include "ui/Resources.h"
#include "windows/main/TopTen.h"
#include "windows/main/TopTenLabels.h"

#include <QLabel>
#include <QTest>

#include <functional>
#include <utility>

using namespace scores;

namespace {
const QString Highscore = QStringLiteral("Highscore");

struct Fixture {
    Fixture() {
        t.useLanguage({"b1=Tarnwick", "b3=New highscore", "b4=Your name?",
                       "b5=Your score:", "b7=Clear the list?", "h1=Send"});
        for (int n = 1; n <= 10; ++n) {
            labels << new QLabel(&window);
            labels.back()->setObjectName(QStringLiteral("Topp%1").arg(n, 2, 10, QChar('0')));
        }
        topTen = std::make_unique<TopTen>(*t.program, [this](int n) { sounds << n; });
    }
    // Places 1.. with the given points, named P1.., the rest empty as after clearing.
    void setList(const QList<int>& points) {
        QString ini = "[Highscore]\r\n";
        for (int n = 1; n <= 10; ++n)
            ini += n <= points.size()
                       ? QStringLiteral("p%1=%2\r\nn%1=P%1\r\nk%1=k%1\r\nd%1=105\r\n")
                             .arg(n)
                             .arg(points[n - 1])
                       : QStringLiteral("p%1=0\r\nn%1=\r\nk%1=\r\nd%1=\r\n").arg(n);
        writeBytes(t.ini(), ini.toUtf8());
    }
    QString hs(const QString& key) const { return GetINI(Highscore, key, t.ini()); }
    QString hs(char prefix, int n) const { return hs(QLatin1Char(prefix) + QString::number(n)); }
    QList<int> points() const {
        QList<int> out;
        for (int n = 1; n <= 10; ++n)
            out << hs('p', n).toInt();
        return out;
    }
    QStringList logLines() const {
        return QString::fromUtf8(readBytes(t.path("Tarn.log"))).split("\r\n", Qt::SkipEmptyParts);
    }
    QStringList boxes() const {
        QStringList out;
        for (const platform::RecordedBox& b : t.scripted.boxes.shown)
            out << QStringList{"yes/no", "message", "input"}[b.kind] + ": " + b.prompt + " | " +
                       b.title + " | " + b.defaultText;
        return out;
    }
    Scored score(int total, int seconds = 0) { return topTen->KollaScore(total, seconds, labels); }

    TestProgram t;
    QWidget window;
    QList<QLabel*> labels;
    QList<int> sounds;
    std::unique_ptr<TopTen> topTen;
};

// Boxes that run a second end of game while they are open, as a timer tick would.
struct ReenteringBoxes : platform::ScriptedBoxes {
    QString input(QWidget* p, const QString& a, const QString& b, const QString& d) override {
        again();
        return ScriptedBoxes::input(p, a, b, d);
    }
    void message(QWidget* p, const QString& a, const QString& b, platform::BoxIcon i) override {
        again();
        ScriptedBoxes::message(p, a, b, i);
    }
    // One level deep only, so that a missing guard fails the test instead of recursing.
    void again() {
        if (auto call = std::exchange(nested, nullptr)) {
            results << call();
            nested = call;
        }
    }
    std::function<Scored()> nested;
    QList<Scored> results;
};
} // namespace

class TopTenTest : public QObject {
    Q_OBJECT
  private slots:
    // Ties and place 10 are scored through the profile file below.
    void insertion_data() {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("place");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("new best pushes place 10 off")
            << QList<int>{500, 450, 400, 350, 300, 250, 200, 150, 130, 120} << 501 << 1
            << QList<int>{501, 500, 450, 400, 350, 300, 250, 200, 150, 130};
        QTest::newRow("0 stays out above a damaged negative place")
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, -5} << 0 << 0
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, -5};
        QTest::newRow("out of order: the first smaller place wins")
            << QList<int>{300, 0, 250} << 100 << 2
            << QList<int>{300, 100, 0, 250, 0, 0, 0, 0, 0, 0};
    }
    void insertion() {
        QFETCH(QList<int>, before);
        QFETCH(int, result);
        QFETCH(int, place);
        QFETCH(QList<int>, after);
        List list;
        for (int i = 0; i < before.size(); ++i)
            list[i] = {qint16(before[i]), QStringLiteral("P%1").arg(i + 1), "k", {}};
        const List old = list;
        QCOMPARE(insertEntry(list, {qint16(result), "New", "key", "105"}), place);
        for (int i = 0; i < Places; ++i) {
            QCOMPARE(list[i].points, after[i]);
            // Entries keep their names as they move down.
            const int from = place == 0 || i < place - 1 ? i : i - 1;
            QCOMPARE(list[i].name, i == place - 1 ? "New" : old[from].name);
        }
    }

    void valueRules() {
        QCOMPARE(wholePoints(" -3.7 "), qint16(-3));
        QCOMPARE(wholePoints("12abc"), qint16(0));
        QCOMPARE(wholePoints("nan"), qint16(0));
        QCOMPARE(wholePoints("99999"), qint16(32767));
        // Cut by characters, never inside a surrogate pair; a blank is a name.
        const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
        QCOMPARE(playerName(QString(19, 'a') + face + "b"), QString(19, 'a') + face);
        QCOMPARE(playerName(" "), QStringLiteral(" "));
        // A name is appended as it stands, even one that looks like a placeholder.
        QCOMPARE(sessionLogText(2, 5, "0:01", 10, "%1"),
                 QStringLiteral("Session 2: Score: 5, time: 0:01. New highscore, place 10 \"%1\""));
        const auto key = [](double random, int total, QDate date) {
            return scoreKey(keyDigit(random), total, dateStamp(date), versionNumber("7.0"));
        };
        QCOMPARE(key(0.0, 1000, QDate(2001, 5, 1)), QStringLiteral("1-119893711"));
        QCOMPARE(key(1.0, 0, QDate(2012, 12, 1)), QStringLiteral("99018778703"));
        QCOMPARE(key(0.5, 989, QDate(2000, 1, 9)), QStringLiteral("5-449993707"));
    }

    void address() {
        // clang-format off
        Submission s{"http://scores.example/add.asp", "Ann Lee&Co", "p w", 700, 2, "1212", 1206,
                     "243", "37179891709", "English", {1280, 994}, osFamily("Debian 12")};
        // clang-format on
        QCOMPARE(submissionAddress(s),
                 QStringLiteral("http://scores.example/add.asp?user=Ann Lee&Co&pass=p w&ver=700"
                                "&rev=2&date=1212&points=243&key=37179891709&lan=English"
                                "&screen=1280x994&os=N/A"));
        // Without a base address and a stored date; 800 wide is named 800x600 whatever its height.
        s.date.clear();
        s.send.clear();
        s.workArea = {800, 570};
        QCOMPARE(submissionAddress(s),
                 QStringLiteral("?user=Ann Lee&Co&pass=p w&ver=700&rev=2&date=1206&points=243"
                                "&key=37179891709&lan=English&screen=800x600&os=N/A"));
        QCOMPARE(screenText({1024, 740}), QStringLiteral("1024x768"));
        QCOMPARE(osFamily("Windows 98 SE"), QStringLiteral("Win95"));
        QCOMPARE(osFamily("Windows 10 Version 22H2"), QStringLiteral("WinNT"));
    }

    void scoring_data() {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("place");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("name");
        const QList<int> full{500, 450, 400, 350, 300, 250, 200, 150, 130, 120};
        QList<int> tenth = full;
        tenth[9] = 121;
        // clang-format off
        QTest::newRow("tie ranks below, cancelled name") << QList<int>{300, 250, 250, 200} << 250
            << 4 << QList<int>{300, 250, 250, 250, 200, 0, 0, 0, 0, 0} << "" << "Anonymous";
        QTest::newRow("one above place 10, 25-character name") << full << 121 << 10 << tenth
            << "Bartholomew Higginbottom!" << "Bartholomew Higginbo";
        QTest::newRow("equal to place 10 stays out") << full << 120 << 0 << full << "Anna" << "Old";
        // clang-format on
    }
    void scoring() {
        QFETCH(QList<int>, before);
        QFETCH(int, total);
        QFETCH(int, place);
        QFETCH(QString, answer);
        QFETCH(QString, name);
        Fixture f;
        f.setList(before);
        SetINI(Highscore, "name", "Old", f.t.ini());
        f.t.scripted.boxes.inputAnswers = {answer};

        const Scored s = f.score(total, 59);
        QVERIFY(s.ran);
        QCOMPARE(s.newPlace, place);
        QCOMPARE(f.topTen->newPlace(), place);
        QTEST(f.points(), "after");
        QCOMPARE(f.hs("name"), name);
        if (place) QCOMPARE(f.hs('n', place), name);

        // The name is asked, with a cheer and a laser, only when the list is entered.
        QStringList boxes{
            QStringLiteral("message: Your score: %1 p | Tarnwick 2000 | ").arg(total)};
        if (place) boxes.prepend("input: Your name? | New highscore | Old");
        QCOMPARE(f.boxes(), boxes);
        QCOMPARE(f.sounds, place ? QList<int>({105, 6}) : QList<int>());

        const QString expected =
            QStringLiteral("Session 1: Score: %1, time: 0:59").arg(total) +
            (place ? QStringLiteral(". New highscore, place %1 \"%2\"").arg(place).arg(name)
                   : QString());
        QCOMPARE(s.logText, expected);
        QCOMPARE(f.logLines().size(), 1);
        QVERIFY(f.logLines()[0].endsWith("  " + expected + "."));
        for (int n = 1; n <= 10; ++n)
            QCOMPARE(f.labels[n - 1]->font().bold(), n == place);
    }

    void profileHoldsAllTenPlacesAfterScoring() {
        Fixture f; // no profile file at all
        QCOMPARE(f.score(0).newPlace, 0);
        const QByteArray ini = readBytes(f.t.ini());
        QVERIFY(!ini.contains("alltime")); // 0 is no new best
        for (int n = 1; n <= 10; ++n) {
            const QString place = QStringLiteral("\r\np%1=0\r\nn%1=\r\nk%1=\r\nd%1=\r\n").arg(n);
            QVERIFY2(ini.contains(place.toUtf8()), ini);
        }
    }

    void newEntryKeepsKeyDateAndName() {
        Fixture f;
        SetINI("Session", "total", "11", f.t.ini());
        SetINI(Highscore, "alltime", "300", f.t.ini());
        f.t.scripted.random.values = {0.25};
        QCOMPARE(f.topTen->GeKey(250), QStringLiteral("37179891709"));
        QCOMPARE(f.t.scripted.random.seeds,
                 QList<quint32>{quint32(QTime(14, 7, 9).msecsSinceStartOfDay())});
        f.t.scripted.boxes.inputAnswers = {"Anna"};
        const Scored s = f.score(250, 845);
        QCOMPARE(s.session, 12);
        QCOMPARE(s.logText, QStringLiteral("Session 12: Score: 250, time: 14:05. New highscore, "
                                           "place 1 \"Anna\""));
        QCOMPARE(f.hs('k', 1), QStringLiteral("37179891709"));
        QCOMPARE(f.hs('d', 1), QStringLiteral("105"));
        QCOMPARE(f.hs("alltime"), QStringLiteral("300")); // only ever raised
        // The game is counted with the rest of its result, in the same write.
        QCOMPARE(GetINI("Session", "total", f.t.ini()), QStringLiteral("12"));
    }

    void gameCountPastThirtyTwoBits() {
        // The count used to wrap to a negative session, stored as a number that read back as 0.
        Fixture f;
        SetINI("Session", "total", "2147483647", f.t.ini());
        QCOMPARE(f.score(10).session, Q_INT64_C(2147483648));
        QVERIFY(f.logLines().last().contains("Session 2147483648: Score: 10"));
        QCOMPARE(GetINI("Session", "total", f.t.ini()), QStringLiteral("2147483648"));
        QCOMPARE(f.score(10).session, Q_INT64_C(2147483649));
        // The largest count stays the largest rather than turning negative.
        SetINI("Session", "total", "9223372036854775807", f.t.ini());
        QCOMPARE(f.score(10).session, std::numeric_limits<qint64>::max());
        QCOMPARE(GetINI("Session", "total", f.t.ini()), QStringLiteral("9223372036854775807"));
    }

    void damagedSectionIsReadSafely() {
        Fixture f;
        writeBytes(f.t.ini(), "[Highscore]\r\np1=300\r\nn1=Ann\r\nk1=ka\r\np2=250.9\r\nn2=Bo\r\n"
                              "p3=abc\r\nn3=Cy\r\nk3=kc\r\nd3=105\r\nalltime=abc\r\n"
                              "[Session]\r\ntotal=x\r\n");
        f.t.scripted.boxes.inputAnswers = {"Di"};
        const Scored s = f.score(100);
        QCOMPARE(s.newPlace, 3); // the unreadable place counts as empty
        QCOMPARE(s.session, 1);
        QCOMPARE(f.points(), (QList<int>{300, 250, 100, 0, 0, 0, 0, 0, 0, 0}));
        // Nothing stored is lost: the damaged place moves down with its name, key and date.
        QCOMPARE(f.hs('n', 4), QStringLiteral("Cy"));
        QCOMPARE(f.hs('k', 4), QStringLiteral("kc"));
        QCOMPARE(f.hs('d', 4), QStringLiteral("105"));
        QCOMPARE(f.hs("alltime"), QStringLiteral("100"));
    }

    void endOfGameArrivingDuringTheBoxesScoresOnce() {
        Fixture f;
        ReenteringBoxes boxes;
        platform::ScriptedPlatform& s = f.t.scripted;
        Program program(f.t.dir.path(),
                        {boxes, s.sound, s.shell, s.desktop, s.clock, s.random, s.mail});
        program.languageFile = f.t.program->languageFile;
        TopTen topTen(program);
        boxes.nested = [&] { return topTen.KollaScore(250, 0, f.labels); };
        boxes.inputAnswers = {"Anna"};

        QVERIFY(topTen.KollaScore(250, 0, f.labels).ran);
        QCOMPARE(boxes.results.size(), 2); // once from the name box, once from the message
        for (const Scored& nested : boxes.results)
            QVERIFY(!nested.ran);
        QCOMPARE(f.points(), (QList<int>{250, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(f.logLines().size(), 1);
        QCOMPARE(topTen.newPlace(), 1);
        // Once the scoring is over, the next game is scored again.
        boxes.nested = nullptr;
        QVERIFY(topTen.KollaScore(100, 0, f.labels).ran);
    }

    void showingTheList() {
        for (const QString showHelpText : {"Yes", "yes"}) { // only the exact "Yes" is on
            const bool help = showHelpText == "Yes";
            Fixture f;
            f.setList({300, 250, 200});
            SetINI(Highscore, "k2", "", f.t.ini()); // an incomplete place keeps its old caption
            SetINI("Options", "ShowHelpText", showHelpText, f.t.ini());
            for (int n = 1; n <= 10; ++n) {
                f.labels[n - 1]->setText("old");
                f.labels[n - 1]->setToolTip("stale");
                f.labels[n - 1]->setVisible(n % 2 == 0);
            }
            UpdatTopp(*f.t.program, f.labels, 3);

            QCOMPARE(f.labels[0]->text(), QStringLiteral("1. 300 P1"));
            QCOMPARE(f.labels[1]->text(), QStringLiteral("old"));
            QCOMPARE(f.labels[2]->text(), QStringLiteral("3. 200 P3"));
            QCOMPARE(f.labels[3]->text(), QStringLiteral("old"));
            for (int n = 1; n <= 10; ++n) {
                QLabel* label = f.labels[n - 1];
                QCOMPARE(label->font().bold(), n == 3);
                const bool filled = n <= 3;
                QCOMPARE(label->isHidden(), help ? !filled : n % 2 != 0);
                QCOMPARE(label->toolTip(), help && filled
                                               ? QStringLiteral(" Send  (%1 p) ").arg(f.hs('p', n))
                                               : QString());
            }
            if (help)
                QCOMPARE(f.labels[0]->cursor().shape(),
                         resources::cursor(resources::PointingHand).shape());
        }
    }
};

QTEST_MAIN(TopTenTest)
#include "tst_topten.moc"
