// The top-10 list on the profile file: scoring a finished game, showing the list in its ten
// labels, and clearing it.
#include "TestSupport.h"
#include "app/Resources.h"
#include "scores/TopTen.h"
#include "scores/TopTenLabels.h"
#include "settings/Profile.h"

#include <QLabel>
#include <QTest>

#include <functional>
#include <utility>

using scores::TopTen;

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
        for (int n = 1; n <= 10; ++n) {
            const bool used = n <= points.size();
            ini += used ? QStringLiteral("p%1=%2\r\nn%1=P%1\r\nk%1=k%1\r\nd%1=105\r\n")
                              .arg(n)
                              .arg(points[n - 1])
                        : QStringLiteral("p%1=0\r\nn%1=\r\nk%1=\r\nd%1=\r\n").arg(n);
        }
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
    scores::Scored score(int total, int seconds = 0) {
        return topTen->KollaScore(total, seconds, labels);
    }

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
    std::function<scores::Scored()> nested;
    QList<scores::Scored> results;
};
} // namespace

class TopTenTest : public QObject {
    Q_OBJECT
  private slots:
    void scoring_data() {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("place");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("name");
        const QList<int> full{500, 450, 400, 350, 300, 250, 200, 150, 130, 120};
        const QList<int> tied{300, 250, 250, 250, 200, 0, 0, 0, 0, 0};
        QTest::newRow("tie ranks below")
            << QList<int>{300, 250, 250, 200} << 250 << 4 << tied << "Anna"
            << "Anna";
        QTest::newRow("cancelled name") << QList<int>{300, 250, 250, 200} << 250 << 4 << tied << ""
                                        << "Anonymous";
        QTest::newRow("25-character name")
            << full << 121 << 10 << QList<int>{500, 450, 400, 350, 300, 250, 200, 150, 130, 121}
            << "Bartholomew Higginbottom!"
            << "Bartholomew Higginbo";
        QTest::newRow("equal to place 10") << full << 120 << 0 << full << "Anna"
                                           << "Old";
        QTest::newRow("empty list and 0") << QList<int>{} << 0 << 0 << QList<int>(10, 0) << "Anna"
                                          << "Old";
    }
    void scoring() {
        QFETCH(QList<int>, before);
        QFETCH(int, total);
        QFETCH(int, place);
        QFETCH(QList<int>, after);
        QFETCH(QString, answer);
        QFETCH(QString, name);
        Fixture f;
        f.setList(before);
        SetINI(Highscore, "name", "Old", f.t.ini());
        f.t.scripted.boxes.inputAnswers = {answer};

        const scores::Scored s = f.score(total, 59);
        QVERIFY(s.ran);
        QCOMPARE(s.newPlace, place);
        QCOMPARE(f.topTen->newPlace(), place);
        QCOMPARE(f.points(), after);
        QCOMPARE(f.hs("name"), name);
        if (place) QCOMPARE(f.hs('n', place), name);

        const auto& shown = f.t.scripted.boxes.shown;
        QCOMPARE(shown.size(), place ? 2 : 1); // no name asked when the list is not entered
        QCOMPARE(f.sounds, place ? QList<int>({105, 6}) : QList<int>());
        if (place) {
            QCOMPARE(shown[0].kind, platform::RecordedBox::Input);
            QCOMPARE(shown[0].prompt, QStringLiteral("Your name?"));
            QCOMPARE(shown[0].title, QStringLiteral("New highscore"));
            QCOMPARE(shown[0].defaultText, QStringLiteral("Old"));
        }
        QCOMPARE(shown.back().kind, platform::RecordedBox::Message);
        QCOMPARE(shown.back().prompt, QStringLiteral("Your score: %1 p").arg(total));
        QCOMPARE(shown.back().title, QStringLiteral("Tarnwick 2000"));

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
        f.score(0);
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
        const scores::Scored s = f.score(250, 845);
        QCOMPARE(s.session, 12);
        QCOMPARE(s.logText,
                 QStringLiteral("Session 12: Score: 250, time: 14:05. New highscore, place 1 "
                                "\"Anna\""));
        QCOMPARE(f.hs('n', 1), QStringLiteral("Anna"));
        QCOMPARE(f.hs('k', 1), QStringLiteral("37179891709"));
        QCOMPARE(f.hs('d', 1), QStringLiteral("105"));
        QCOMPARE(f.hs("name"), QStringLiteral("Anna"));
        QCOMPARE(f.hs("alltime"), QStringLiteral("300")); // only ever raised
        QCOMPARE(f.labels[0]->text(), QStringLiteral("1. 250 Anna"));
        // The game count is the window's to raise, after the scoring.
        QCOMPARE(GetINI("Session", "total", f.t.ini()), QStringLiteral("11"));
    }

    void damagedSectionIsReadSafely() {
        Fixture f;
        writeBytes(f.t.ini(), "[Highscore]\r\np1=300\r\nn1=Ann\r\nk1=ka\r\np2=250.9\r\nn2=Bo\r\n"
                              "p3=abc\r\nn3=Cy\r\nk3=kc\r\nd3=105\r\nalltime=abc\r\n"
                              "[Session]\r\ntotal=x\r\n");
        f.t.scripted.boxes.inputAnswers = {"Di"};
        const scores::Scored s = f.score(100);
        QCOMPARE(s.newPlace, 3); // the unreadable place counts as empty
        QCOMPARE(s.session, 1);
        QCOMPARE(f.points(), (QList<int>{300, 250, 100, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(f.hs('p', 2), QStringLiteral("250"));
        // Nothing stored is lost: the damaged place moves down with its name, key and date.
        QCOMPARE(f.hs('n', 4), QStringLiteral("Cy"));
        QCOMPARE(f.hs('k', 4), QStringLiteral("kc"));
        QCOMPARE(f.hs('d', 4), QStringLiteral("105"));
        QCOMPARE(f.hs('n', 1), QStringLiteral("Ann"));
        QCOMPARE(f.hs("alltime"), QStringLiteral("100"));
    }

    void endOfGameArrivingDuringTheBoxesScoresOnce() {
        Fixture f;
        ReenteringBoxes boxes;
        platform::ScriptedPlatform& s = f.t.scripted;
        Program program(f.t.dir.path(), {boxes, s.sound, s.shell, s.desktop, s.clock, s.random});
        program.languageFile = f.t.program->languageFile;
        TopTen topTen(program);
        boxes.nested = [&] { return topTen.KollaScore(250, 0, f.labels); };
        boxes.inputAnswers = {"Anna"};

        QVERIFY(topTen.KollaScore(250, 0, f.labels).ran);
        QCOMPARE(boxes.results.size(), 2); // once from the name box, once from the message
        for (const scores::Scored& nested : boxes.results)
            QVERIFY(!nested.ran);
        QCOMPARE(f.points(), (QList<int>{250, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(f.logLines().size(), 1);
        QCOMPARE(topTen.newPlace(), 1);
        // Once the scoring is over, the next game is scored again.
        boxes.nested = nullptr;
        QVERIFY(topTen.KollaScore(100, 0, f.labels).ran);
    }

    void showingTheList_data() {
        QTest::addColumn<QString>("showHelpText");
        QTest::newRow("on") << "Yes";
        QTest::newRow("lower case is off") << "yes";
        QTest::newRow("missing is off") << "";
    }
    void showingTheList() {
        QFETCH(QString, showHelpText);
        const bool help = showHelpText == "Yes";
        Fixture f;
        f.setList({300, 250, 200});
        SetINI(Highscore, "k2", "", f.t.ini()); // an incomplete place keeps its old caption
        if (!showHelpText.isEmpty()) SetINI("Options", "ShowHelpText", showHelpText, f.t.ini());
        for (int n = 1; n <= 10; ++n) {
            f.labels[n - 1]->setText("old");
            f.labels[n - 1]->setToolTip("stale");
            f.labels[n - 1]->setVisible(n % 2 == 0);
        }
        scores::UpdatTopp(*f.t.program, f.labels, 3);

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

    void clearing_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No keeps everything") << false;
        QTest::newRow("Yes clears the list only") << true;
    }
    void clearing() {
        QFETCH(bool, yes);
        Fixture f;
        f.setList({300, 250});
        SetINI(Highscore, "alltime", "300", f.t.ini());
        SetINI(Highscore, "name", "Anna", f.t.ini());
        SetINI("Session", "total", "7", f.t.ini());
        scores::UpdatTopp(*f.t.program, f.labels, 0);
        const QByteArray before = readBytes(f.t.ini());
        f.t.scripted.boxes.yesNoAnswers = {yes};

        QCOMPARE(scores::ClearHighscore(*f.t.program, f.labels), yes);
        QCOMPARE(f.t.scripted.boxes.shown[0].prompt, QStringLiteral("Clear the list?"));
        QCOMPARE(f.t.scripted.boxes.shown[0].title, QStringLiteral("Tarnwick"));
        if (!yes) {
            QCOMPARE(readBytes(f.t.ini()), before);
            QCOMPARE(f.labels[0]->text(), QStringLiteral("1. 300 P1"));
            QVERIFY(f.logLines().isEmpty());
            return;
        }
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(f.hs('p', n), QStringLiteral("0"));
            for (char prefix : {'n', 'k', 'd'})
                QCOMPARE(f.hs(prefix, n), QString());
            QCOMPARE(f.labels[n - 1]->text(), QString());
            QVERIFY(f.labels[n - 1]->isHidden());
        }
        QCOMPARE(f.hs("alltime"), QStringLiteral("300"));
        QCOMPARE(f.hs("name"), QStringLiteral("Anna"));
        QCOMPARE(GetINI("Session", "total", f.t.ini()), QStringLiteral("7"));
        QCOMPARE(f.logLines().size(), 1);
        QVERIFY(f.logLines()[0].endsWith("  Clear highscore."));
    }
};

QTEST_MAIN(TopTenTest)
#include "tst_topten.moc"
