// Languages: locating the selected language file, what the shipped files say, the captions
// and tooltips a language change writes, and writing them into controls.
#include "TestProgram.h"
#include "core/BuiltIn.h"
#include "core/LanguageKeys.h"
#include "core/Profile.h"
#include "platform/ProfileFile.h"
#include "rules/display/DotMatrixFont.h"
#include "rules/language/LanTexts.h"
#include "rules/language/LanguageFile.h"
#include "ui/ApplyTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <optional>

using language::Assignment;
using language::Property;
using language::Window;

namespace {

QString shipped(const QString& name) {
    return QStringLiteral(TARNWICK_DATA_DIR "/") + name;
}
QString lan(const QString& file, const QString& key) {
    return GetINI(QStringLiteral("Language"), key, file);
}

// UTF-8 without a byte-order mark, every line ended by CR LF.
void checkTextFile(const QString& file) {
    const QByteArray bytes = readBytes(file);
    QVERIFY(!bytes.isEmpty());
    QVERIFY(profile::isUtf8(bytes));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
}

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

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    // The registry as a file in the program directory with English.lan and Swedish.lan beside it.
    void location_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("files"); // "name=content" written beside them
        QTest::addColumn<QString>("expected");
        const QByteArray reg = "[Language]\r\nantal=2\r\nl1n=English\r\nl1p=English.lan\r\n"
                               "l2n=Svenska\r\nl2p=Swedish.lan\r\n";
        const auto only = [](const char* entry) {
            return "[Language]\r\nantal=1\r\nselected=1\r\nl1p=" + QByteArray(entry) + "\r\n";
        };
        const QString en = "English.lan";
        const QStringList none;
        QTest::newRow("selected 1") << reg + "selected=1\r\n" << none << en;
        QTest::newRow("selected 2") << reg + "selected=2\r\n" << none << "Swedish.lan";
        QTest::newRow("no Tarn.ini") << QByteArray() << none << en;
        QTest::newRow("no selected") << reg << none << en;
        QTest::newRow("selected past antal") << reg + "selected=3\r\nl3p=Swedish.lan\r\n"
                                             << none << en;
        QTest::newRow("selected not a number") << reg + "selected=two\r\n" << none << en;
        QTest::newRow("antal missing")
            << QByteArray("[Language]\r\nselected=2\r\nl2p=Swedish.lan\r\n") << none << en;
        QTest::newRow("entry without file")
            << QByteArray("[Language]\r\nantal=2\r\nselected=2\r\nl2n=Sv\r\n") << none << en;
        QTest::newRow("file missing")
            << QByteArray(reg).replace("Swedish", "Elf") + "selected=2\r\n"
            << none << en;
        QTest::newRow("file holds no texts") << only("Tarn.ini") << none << en;
        QTest::newRow("names a directory")
            << only("lang") << QStringList{"lang/x.lan=[Language]\r\nd1=x"} << en;
        QTest::newRow("letter case differs") << only("SWEDISH.LAN") << none << "Swedish.lan";
        QTest::newRow("windows separator")
            << only("lang\\My2.lan") << QStringList{"lang/My2.lan=[Language]\r\nd1=Hi"}
            << "lang/My2.lan";
        QTest::newRow("new language in progress")
            << QByteArray("[Language]\r\nantal=3\r\nselected=3\r\nl3p=Elvish.nla\r\n")
            << QStringList{"Elvish.nla=[Info]\r\nAuthor=A\r\n[Language]\r\nd1=\r\nc20=Y"}
            << "Elvish.nla";
    }
    void location() {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        TestProgram t;
        for (const char* f : {"English.lan", "Swedish.lan"})
            QVERIFY(QFile::copy(shipped(f), t.path(f)));
        if (!ini.isEmpty()) QVERIFY(writeBytes(t.ini(), ini));
        for (const QString& f : files) {
            const QString name = f.section(QLatin1Char('='), 0, 0);
            QDir(t.program->dir).mkpath(QFileInfo(name).path());
            QVERIFY(writeBytes(t.path(name), f.section(QLatin1Char('='), 1).toUtf8()));
        }
        QCOMPARE(language::locateLanguageFile(t.program->dir, t.program->ini), t.path(expected));
    }

    void builtInEnglishFillsWhatALanguageLacks() {
        TestProgram t;
        QCOMPARE(t.program->text(QStringLiteral("d2")), QStringLiteral("Total")); // none selected
        // A damaged English.lan is no worse than a missing one.
        QVERIFY(writeBytes(t.path("English.lan"), "\x01\x02 not a language file"));
        language::useSelectedLanguage(*t.program);
        QCOMPARE(t.program->text(QStringLiteral("c20")), QStringLiteral("Yatzy"));
        // A language that lacks a key, or leaves it empty, shows the English text for it alone.
        QVERIFY(writeBytes(t.path("Own.lan"), "[Language]\r\nd1=Hej!\r\nd2=\r\n"));
        t.program->languageFile = t.path("Own.lan");
        QCOMPARE(t.program->text(QStringLiteral("d1")), QStringLiteral("Hej!"));
        QCOMPARE(t.program->text(QStringLiteral("d2")), QStringLiteral("Total"));
        QCOMPARE(t.program->text(QStringLiteral("d3")), QStringLiteral("Does not fit!"));
        QCOMPARE(t.program->text(QStringLiteral("x99")), QString());
        QCOMPARE(builtin::englishText(QStringLiteral("s24")), QStringLiteral("Roll"));
    }

    void missingProfileIsLaidDownFromTheBuiltInDefault() {
        TestProgram t;
        builtin::prepareProgramDirectory(*t.program);
        QCOMPARE(readBytes(t.ini()), readBytes(shipped("Tarn.ini")));
        QCOMPARE(t.program->ini.get(ini::language::name, 2), QStringLiteral("Svenska"));
        QVERIFY(!t.program->ini.get(ini::internet::send).isEmpty());
        // An existing profile is the player's, and anything else in its place stays as it is.
        QVERIFY(writeBytes(t.ini(), "[Session]\r\ntotal=3\r\n"));
        builtin::prepareProgramDirectory(*t.program);
        QCOMPARE(readBytes(t.ini()), QByteArray("[Session]\r\ntotal=3\r\n"));
        QVERIFY(QFile::remove(t.ini()));
        QVERIFY(QDir(t.program->dir).mkdir("Tarn.ini"));
        builtin::prepareProgramDirectory(*t.program);
        QVERIFY(QFileInfo(t.ini()).isDir());
    }

    void freshProgramDirectoryUsesShippedRegistry() {
        TestProgram t;
        for (const char* f : {"Tarn.ini", "English.lan", "Swedish.lan"})
            QVERIFY(QFile::copy(shipped(f), t.path(f)));
        language::useSelectedLanguage(*t.program);
        QCOMPARE(t.program->languageFile, t.path(QStringLiteral("English.lan")));
        QCOMPARE(t.program->text(QStringLiteral("d2")), QStringLiteral("Total"));

        // Choosing Swedish takes effect at the next locate, which writes nothing.
        QVERIFY(SetINI(QStringLiteral("Language"), QStringLiteral("selected"), QStringLiteral("2"),
                       t.ini()));
        const QByteArray before = readBytes(t.ini());
        QCOMPARE(t.program->text(QStringLiteral("d2")), QStringLiteral("Total"));
        language::useSelectedLanguage(*t.program);
        QCOMPARE(t.program->text(QStringLiteral("d2")), QStringLiteral("Summa"));
        QCOMPARE(language::selectedLanguageName(t.program->ini), QStringLiteral("Svenska"));
        QCOMPARE(readBytes(t.ini()), before);
    }

    void noLanguageFileAtAllFallsBackOnTheBuiltInTexts() {
        TestProgram t;
        QVERIFY(writeBytes(t.ini(), "[Language]\r\nantal=x\r\nselected=\xff\r\n"));
        language::useSelectedLanguage(*t.program);
        QCOMPARE(t.program->languageFile, t.path(QStringLiteral("English.lan")));
        QCOMPARE(t.program->text(QStringLiteral("d1")), QStringLiteral("Welcome!"));
        QCOMPARE(language::international(t.program->languageFile), QString());
        QCOMPARE(language::selectedLanguageName(t.program->ini), QString());
        QVERIFY(!QFile::exists(t.program->languageFile));
    }

    void shippedLanguageFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("national");
        // clang-format off
        QTest::newRow("English") << "English" << "English";
        QTest::newRow("Swedish") << "Swedish" << "Svenska";
        // clang-format on
    }
    void shippedLanguageFiles() {
        QFETCH(QString, name);
        QFETCH(QString, national);
        const QString file = shipped(name + ".lan");
        checkTextFile(file);
        if (QTest::currentTestFailed()) return;
        for (const char* key :
             {"Author", "International", "National", "Version", "Filename", "ForTWVersion", "Date",
              "Format", "Status", "Updated", "UpdatedAuthor"})
            QVERIFY2(!language::info(key, file).isEmpty(), key);
        QCOMPARE(language::international(file), name);
        QCOMPARE(language::national(file), national);
        QCOMPARE(language::info("Filename", file), name + ".lan");
        QCOMPARE(language::info("Version", file), Program::languageFileVersion);
        QCOMPARE(language::info("ForTWVersion", file), Program::targetProgramVersion);
        QCOMPARE(language::info("Format", file), QStringLiteral("yyyy-mm-dd"));
        QVERIFY(QRegularExpression("^\\d{4}-\\d{2}-\\d{2}$")
                    .match(language::info("Date", file))
                    .hasMatch());

        for (const QString& key : language::programKeys())
            QVERIFY2(!lan(file, key).isEmpty(), qPrintable(key));
        // The translation tools size each group by the first empty key of the reference file.
        for (const language::KeyGroup& g : language::KeyGroups)
            QCOMPARE(lan(file, language::key(g.letter, g.size + 1)), QString());
        for (int n = 1; n <= 8; ++n) {
            const QString said = lan(file, language::key('d', n));
            QVERIFY2(said.size() <= dotmatrix::Cells, qPrintable(said));
            for (QChar c : said.toUpper()) // every character has a glyph on the display
                QVERIFY2(!dotmatrix::glyph(c).empty(), qPrintable(said + ": " + c));
        }
        // The total is said as the word, a colon, a blank and up to three digits.
        QVERIFY(lan(file, "d2").size() + 5 <= dotmatrix::Cells);
        for (int n = 1; n <= 20; ++n)
            QVERIFY2(lan(file, language::key('c', n)).size() <= 16, qPrintable(QString::number(n)));
        // The clear button shows the clearing question without its last character, and the
        // homepage text becomes a question by an added "?".
        QVERIFY(lan(file, "b7").endsWith(QLatin1Char('?')));
        QVERIFY(lan(file, "s6").back().isLetter());
    }

    void shippedRegistry() {
        const QString ini = shipped("Tarn.ini");
        checkTextFile(ini);
        if (QTest::currentTestFailed()) return;
        const QString section = QStringLiteral("Language");
        QCOMPARE(GetINI(section, "antal", ini), QStringLiteral("2"));
        QCOMPARE(GetINI(section, "selected", ini), QStringLiteral("1"));
        for (int n = 1; n <= 2; ++n) {
            const QString file = shipped(GetINI(section, QStringLiteral("l%1p").arg(n), ini));
            QVERIFY2(QFile::exists(file), qPrintable(file));
            QCOMPARE(GetINI(section, QStringLiteral("l%1n").arg(n), ini), language::national(file));
            QCOMPARE(GetINI(section, QStringLiteral("l%1m").arg(n), ini), QStringLiteral("No"));
        }
        for (const char* key : {"help", "home", "signup", "sms", "send"})
            QVERIFY(GetINI("Internet", key, ini).startsWith(QLatin1String("https://")));
        QCOMPARE(GetINI("Internet", "entries", ini), QStringLiteral("0"));
        // Options are the game's to write on its first run.
        QCOMPARE(GetINI("Options", "PlaySound", ini), QString());
    }

    void settingsPage_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("frame2"); // "kept": left as designed
        QTest::addColumn<QString>("frame7");
        // clang-format off
        QTest::newRow("no mode: created hidden") << "" << "<s19>" << "kept" << "kept";
        QTest::newRow("all") << "all" << "<s19>" << "<s2>" << "<s18>";
        QTest::newRow("user") << "user" << "<s2>" << "" << "kept";
        QTest::newRow("alarm") << "alarm" << "<s18>" << "kept" << "";
        QTest::newRow("User: letter case differs") << "User" << "<s19>" << "kept" << "kept";
        // clang-format on
    }
    void settingsPage() {
        QFETCH(QString, mode);
        QFETCH(QString, title);
        language::LanInputs in;
        in.settingsMode = mode;
        const auto out = language::lanTexts(in, texts());
        QCOMPARE(find(out, Window::Settings, {}), title);
        QTEST(find(out, Window::Settings, "Frame2").value_or("kept"), "frame2");
        QTEST(find(out, Window::Settings, "Frame7").value_or("kept"), "frame7");
    }

    void helpTexts() {
        for (bool on : {true, false}) {
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
    }

    // The total upper-cased, names indented, and the clearing question without its last
    // character.
    void captions_data() {
        QTest::addColumn<QString>("d2");
        QTest::addColumn<QString>("c5");
        QTest::addColumn<QString>("b7");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("fives");
        QTest::addColumn<QString>("clear");
        // clang-format off
        QTest::newRow("d2=tOtAl c5=x b7=Clear")
            << "tOtAl" << "x" << "Clear" << "  TOTAL" << "  x" << "Clea";
        QTest::newRow("d2=Summa på åäö c5=Femmor b7=Rensa?")
            << "Summa på åäö" << "Femmor" << "Rensa?" << "  SUMMA PÅ ÅÄÖ" << "  Femmor" << "Rensa";
        QTest::newRow("all empty") << "" << "" << "" << "  " << "  " << "";
        // clang-format on
    }
    void captions() {
        QFETCH(QString, d2);
        QFETCH(QString, c5);
        QFETCH(QString, b7);
        QFETCH(QString, total);
        QFETCH(QString, fives);
        QFETCH(QString, clear);
        const auto out =
            language::lanTexts({}, texts({{"d2", d2}, {"c5", c5}, {"b7", b7}, {"c20", ""}}));
        QCOMPARE(find(out, Window::Main, "disp_Total"), total);
        QCOMPARE(find(out, Window::Main, "btn_Fives"), fives);
        QCOMPARE(find(out, Window::Settings, "Command3"), clear);
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
        QTest::newRow("the selected user") << 2 << "Bo" << "None" << "Bo" << "Bo" << " <s22> Bo ";
        QTest::newRow("no users, no text") << 0 << "" << "" << "No user" << "" << "  ";
        QTest::newRow("a stale name, no users") << 0 << "Bo" << "None" << "Bo" << "None" << " None ";
        QTest::newRow("users, an empty name") << 1 << "" << "None" << "None" << "" << " <s22>  ";
        QTest::newRow("a damaged count") << -1 << "Bo" << "None" << "Bo" << "None" << " None ";
        // clang-format on
    }
    void users() {
        QFETCH(int, users);
        QFETCH(QString, name);
        QFETCH(QString, s1);
        QFETCH(QString, label);
        QFETCH(QString, listText);
        QFETCH(QString, listTip);
        language::LanInputs in;
        in.users = users;
        in.userName = name;
        const auto out = language::lanTexts(in, texts({{"s1", s1}}));
        QCOMPARE(find(out, Window::Main, "lb_User"), label);
        QCOMPARE(find(out, Window::Settings, "List3"), listText);
        QCOMPARE(find(out, Window::Settings, "List3", Property::ToolTip), listTip);
    }

    // Two writes to one property would make the first one dead; every category gets a caption.
    void eachPropertyWrittenOnce() {
        language::LanInputs in;
        in.settingsMode = "all";
        in.languageName = "Svenska";
        const auto out = language::lanTexts(in, texts());
        QSet<QString> seen;
        int categories = 0;
        for (const Assignment& a : out) {
            const QString id =
                QStringLiteral("%1/%2/%3").arg(int(a.window)).arg(a.control).arg(int(a.property));
            QVERIFY2(!seen.contains(id), qPrintable(id));
            seen.insert(id);
            categories += a.control.startsWith("btn_") ? 1 : 0;
        }
        QCOMPARE(categories, 20);
        QCOMPARE(find(out, Window::Settings, "lblInfo"), "<s10> \n\n<s11>\n<s12>\n<s13>\n");
        // A language file without an author still gets the parentheses.
        QCOMPARE(find(out, Window::Settings, "List1", Property::ToolTip), " <s21> Svenska  () ");
        QCOMPARE(find(out, Window::Menu, "www_homepage"), "<s6>");
    }

    void applyToControls() {
        const auto make = [](auto* control, const char* name) {
            control->setObjectName(name);
            return control;
        };
        QWidget main, settings;
        QObject menu;
        auto* nytt = make(new QLabel(&main), "NyttSpel");
        // Nested deeper than the window's children.
        auto* ones = make(new QLabel(new QWidget(&main)), "btn_Ones");
        auto* frame2 = make(new QGroupBox("User", &settings), "Frame2");
        auto* check2 = make(new QCheckBox(frame2), "Check2");
        auto* list3 = make(new QComboBox(frame2), "List3");
        list3->setEditable(true);
        auto* command1 = make(new QPushButton(&settings), "Command1");
        auto* home = make(new QAction("HOME", &menu), "www_homepage");

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
            QVERIFY(QFile::copy(shipped(f), t.path(f)));
        QVERIFY(writeBytes(t.ini(), "[Options]\r\nShowHelpText=yes\r\n"
                                    "[Users]\r\nantal=2\r\nselected=2\r\nuser1=Al\r\nuser2=Bo\r\n"
                                    "[Highscore]\r\np1=300\r\np10=0\r\n"
                                    "[Language]\r\nantal=2\r\nselected=2\r\nl2n=Svenska\r\n"
                                    "l2p=Swedish.lan\r\n"));
        language::useSelectedLanguage(*t.program);
        const language::LanInputs in = language::readLanInputs(*t.program, "user");
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

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
