// The captions and tooltips a language change writes, and writing them into controls.
#include "TestSupport.h"
#include "language/ApplyTexts.h"
#include "language/LanTexts.h"
#include "language/LanguageFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <optional>

using language::Assignment;
using language::Property;
using language::Window;

namespace {

const QString DataDir = QStringLiteral(TARNWICK_DATA_DIR);

// Every key reads as "<key>" unless the test gives it a text of its own.
language::Lookup texts(const QHash<QString, QString>& own = {}) {
    return [own](const QString& key) {
        return own.value(key, QLatin1Char('<') + key + QLatin1Char('>'));
    };
}

std::optional<QString> find(const QList<Assignment>& list, Window w, const QString& control,
                            Property p = Property::Caption) {
    for (const Assignment& a : list)
        if (a.window == w && a.control == control && a.property == p) return a.text;
    return std::nullopt;
}

} // namespace

class LanTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void settingsPage_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("frame2"); // "kept" when left as designed
        QTest::addColumn<QString>("frame7");
        // clang-format off
        QTest::newRow("created hidden") << "" << "<s19>" << "kept" << "kept";
        QTest::newRow("all") << "all" << "<s19>" << "<s2>" << "<s18>";
        QTest::newRow("user") << "user" << "<s2>" << "" << "kept";
        QTest::newRow("alarm") << "alarm" << "<s18>" << "kept" << "";
        QTest::newRow("case differs") << "User" << "<s19>" << "kept" << "kept";
        // clang-format on
    }
    void settingsPage() {
        QFETCH(QString, mode);
        QFETCH(QString, title);
        QFETCH(QString, frame2);
        QFETCH(QString, frame7);
        language::LanInputs in;
        in.settingsMode = mode;
        const auto out = language::lanTexts(in, texts());
        QCOMPARE(find(out, Window::Settings, {}), title);
        QCOMPARE(find(out, Window::Settings, "Frame2").value_or("kept"), frame2);
        QCOMPARE(find(out, Window::Settings, "Frame7").value_or("kept"), frame7);
    }

    void helpTexts_data() {
        QTest::addColumn<bool>("on");
        // clang-format off
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
        // clang-format on
    }
    void helpTexts() {
        QFETCH(bool, on);
        language::LanInputs in;
        in.showHelpText = on;
        in.points = QStringList{"245", "0"}; // fewer places than ten stored
        const auto out = language::lanTexts(in, texts());
        auto tip = [&](Window w, const char* c) { return find(out, w, c, Property::ToolTip); };
        QCOMPARE(tip(Window::Main, "Minimera"), on ? " <h8> " : "");
        QCOMPARE(tip(Window::Main, "lb_User"), on ? " <s2> " : "");
        QCOMPARE(tip(Window::Settings, "Command2"), on ? " <h6> " : "");
        QCOMPARE(tip(Window::Main, "Topp01"), on ? " <h1>  (245 p) " : "");
        QCOMPARE(tip(Window::Main, "Topp10"), on ? " <h1>  ( p) " : "");
        // The settings window's own tooltips do not depend on the switch.
        QCOMPARE(tip(Window::Settings, "Label2"), " <s9> ");
        QCOMPARE(tip(Window::Settings, "lblEnter"), "<s23>");
    }

    void captions_data() {
        QTest::addColumn<QString>("d2");
        QTest::addColumn<QString>("c5");
        QTest::addColumn<QString>("b7");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("fives");
        QTest::addColumn<QString>("clear");
        // clang-format off
        QTest::newRow("english") << "Total" << "Fives" << "Clear?" << "  TOTAL" << "  Fives" << "Clear";
        QTest::newRow("mixed case") << "tOtAl" << "x" << "Clear" << "  TOTAL" << "  x" << "Clea";
        QTest::newRow("swedish") << "Summa på åäö" << "Femmor" << "Rensa?"
                                 << "  SUMMA PÅ ÅÄÖ" << "  Femmor" << "Rensa";
        QTest::newRow("empty") << "" << "" << "" << "  " << "  " << "";
        QTest::newRow("one character") << "t" << " " << "?" << "  T" << "   " << "";
        // clang-format on
    }
    void captions() {
        QFETCH(QString, d2);
        QFETCH(QString, c5);
        QFETCH(QString, b7);
        const auto out =
            language::lanTexts({}, texts({{"d2", d2}, {"c5", c5}, {"b7", b7}, {"c20", ""}}));
        QTEST(find(out, Window::Main, "disp_Total").value(), "total");
        QTEST(find(out, Window::Main, "btn_Fives").value(), "fives");
        QTEST(find(out, Window::Settings, "Command3").value(), "clear");
        QCOMPARE(find(out, Window::Main, "btn_Yatzy"), "  ");
        QCOMPARE(find(out, Window::Main, "disp_Bonus"), "  BONUS");
    }

    void users_data() {
        QTest::addColumn<int>("users");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("s1");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("listText");
        QTest::addColumn<QString>("listTip");
        // clang-format off
        QTest::newRow("selected user") << 2 << "Bo" << "None" << "Bo" << "Bo" << " <s22> Bo ";
        QTest::newRow("no users") << 0 << "" << "None" << "None" << "None" << " None ";
        QTest::newRow("no users, no text") << 0 << "" << "" << "No user" << "" << "  ";
        QTest::newRow("stale name, no users") << 0 << "Bo" << "None" << "Bo" << "None" << " None ";
        QTest::newRow("users, empty name") << 1 << "" << "None" << "None" << "" << " <s22>  ";
        QTest::newRow("damaged count") << -1 << "Bo" << "None" << "Bo" << "None" << " None ";
        // clang-format on
    }
    void users() {
        QFETCH(int, users);
        QFETCH(QString, name);
        QFETCH(QString, s1);
        language::LanInputs in;
        in.users = users;
        in.userName = name;
        const auto out = language::lanTexts(in, texts({{"s1", s1}}));
        QTEST(find(out, Window::Main, "lb_User").value(), "label");
        QTEST(find(out, Window::Settings, "List3").value(), "listText");
        QTEST(find(out, Window::Settings, "List3", Property::ToolTip).value(), "listTip");
    }

    void settingsInfoAndLanguageList() {
        language::LanInputs in;
        in.languageName = "Svenska";
        const auto out = language::lanTexts(in, texts());
        QCOMPARE(find(out, Window::Settings, "lblInfo"), "<s10> \n\n<s11>\n<s12>\n<s13>\n");
        // A language file without an author still gets the parentheses.
        QCOMPARE(find(out, Window::Settings, "List1", Property::ToolTip), " <s21> Svenska  () ");
        QCOMPARE(find(out, Window::Menu, "www_homepage"), "<s6>");
    }

    // Two writes to one property would make the first one dead; every category gets a caption.
    void eachPropertyWrittenOnce() {
        language::LanInputs in;
        in.settingsMode = "all";
        QSet<QString> seen;
        int categories = 0;
        for (const Assignment& a : language::lanTexts(in, texts())) {
            const QString id =
                QStringLiteral("%1/%2/%3").arg(int(a.window)).arg(a.control).arg(int(a.property));
            QVERIFY2(!seen.contains(id), qPrintable(id));
            seen.insert(id);
            categories += a.control.startsWith("btn_") ? 1 : 0;
        }
        QCOMPARE(categories, 20);
    }

    void applyToControls() {
        QWidget main;
        auto* nytt = new QLabel(&main);
        nytt->setObjectName("NyttSpel");
        auto* ones = new QLabel(new QWidget(&main)); // nested deeper than the window's children
        ones->setObjectName("btn_Ones");
        QWidget settings;
        auto* frame2 = new QGroupBox("User", &settings);
        frame2->setObjectName("Frame2");
        auto* check2 = new QCheckBox(frame2);
        check2->setObjectName("Check2");
        auto* list3 = new QComboBox(frame2);
        list3->setObjectName("List3");
        list3->setEditable(true);
        auto* command1 = new QPushButton(&settings);
        command1->setObjectName("Command1");
        QObject menu;
        auto* home = new QAction("HOME", &menu);
        home->setObjectName("www_homepage");

        language::LanInputs in;
        in.settingsMode = "all";
        in.showHelpText = true;
        const auto out = language::lanTexts(in, texts({{"s1", "No one"}}));
        const int applied = language::applyTexts(out, {&main, &settings, &menu});
        QCOMPARE(nytt->text(), "<s5>");
        QCOMPARE(ones->text(), "  <c1>");
        QCOMPARE(settings.windowTitle(), "<s19>");
        QCOMPARE(frame2->title(), "<s2>");
        QCOMPARE(check2->text(), "<s4>");
        QCOMPARE(list3->currentText(), "No one");
        QCOMPARE(list3->toolTip(), " No one ");
        QCOMPARE(command1->toolTip(), " <h5> ");
        QCOMPARE(home->text(), "<s6>");
        QCOMPARE(applied, 9); // the nine properties above; the other controls are absent

        // A window that does not exist yet is skipped.
        QCOMPARE(language::applyTexts(out, {&main, nullptr, nullptr}), 2);
    }

    // The inputs come from Tarn.ini and the located file, by the profile's reading rules.
    void readInputsFromProfile() {
        TestProgram t;
        for (const char* f : {"English.lan", "Swedish.lan"})
            QVERIFY(QFile::copy(DataDir + '/' + f, t.path(f)));
        QVERIFY(writeBytes(t.ini(), "[Options]\r\nShowHelpText=yes\r\n"
                                    "[Users]\r\nantal=2\r\nselected=2\r\nuser1=Al\r\nuser2=Bo\r\n"
                                    "[Highscore]\r\np1=300\r\np10=0\r\n"
                                    "[Language]\r\nantal=2\r\nselected=2\r\nl2n=Svenska\r\n"
                                    "l2p=Swedish.lan\r\n"));
        t.program->settingsMode = "user";
        language::useSelectedLanguage(*t.program);
        const language::LanInputs in = language::readLanInputs(*t.program);
        QCOMPARE(in.showHelpText, false); // only an exact "Yes" turns help texts on
        QCOMPARE(in.users, 2);
        QCOMPARE(in.userName, "Bo");
        QCOMPARE(in.points.size(), 10);
        QCOMPARE(in.points.first(), "300");
        QCOMPARE(in.points.last(), "0");
        QCOMPARE(in.languageName, "Svenska");
        QCOMPARE(in.author, language::author(t.path("Swedish.lan")));
        QCOMPARE(in.settingsMode, "user");

        const auto out =
            language::lanTexts(in, [&](const QString& k) { return t.program->text(k); });
        QCOMPARE(find(out, Window::Main, "disp_Total"), "  SUMMA");
        QCOMPARE(find(out, Window::Main, "btn_Twos"), "  Tvåor");
    }
};

QTEST_MAIN(LanTextsTest)
#include "tst_lantexts.moc"
