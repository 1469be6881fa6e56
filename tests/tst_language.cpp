// Locating the selected language file, Info values, and the shipped language files.
#include "TestSupport.h"
#include "language/LanguageFile.h"
#include "language/LanguageKeys.h"
#include "platform/ProfileFile.h"
#include "settings/Profile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString DataDir = QStringLiteral(TARNWICK_DATA_DIR);
QString shipped(const QString& name) {
    return DataDir + QLatin1Char('/') + name;
}

// The characters the message display has a glyph for, after upper-casing.
const QString DisplayGlyphs = QStringLiteral(
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C1\u00C9\u00CD\u00DC\u00C5\u00C4\u00D6\u00D8\u00C6\u00D1"
    "0123456789!?*_-+<>=^{}.:/@\u00BF\u00A1 ");
constexpr int DisplayCells = 13;

const QStringList InfoKeys = {"Author",   "International", "National",     "Version",
                              "Filename", "ForTWVersion",  "Date",         "Format",
                              "Status",   "Updated",       "UpdatedAuthor"};

QString lan(const QString& file, const QString& key) {
    return GetINI(QStringLiteral("Language"), key, file);
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    static void copyShipped(const TestProgram& t, const QString& name) {
        QVERIFY(QFile::copy(shipped(name), t.path(name)));
    }

  private slots:
    void initTestCase() { QCOMPARE(DisplayGlyphs.size(), 65); }

    // The registry as a file in the program directory with English.lan and Swedish.lan beside it.
    void location_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("extraFiles"); // name=content
        QTest::addColumn<QString>("expected");
        const QByteArray reg = "[Language]\r\nantal=2\r\nl1n=English\r\nl1p=English.lan\r\n"
                               "l2n=Svenska\r\nl2p=Swedish.lan\r\n";
        const QString en = QStringLiteral("English.lan"), sv = QStringLiteral("Swedish.lan");
        // clang-format off
        QTest::newRow("selected 1") << reg + "selected=1\r\n" << QStringList() << en;
        QTest::newRow("selected 2") << reg + "selected=2\r\n" << QStringList() << sv;
        QTest::newRow("no Tarn.ini") << QByteArray() << QStringList() << en;
        QTest::newRow("no selected") << reg << QStringList() << en;
        QTest::newRow("selected past antal") << reg + "selected=3\r\nl3p=Swedish.lan\r\n"
                                             << QStringList() << en;
        QTest::newRow("selected not a number") << reg + "selected=two\r\n" << QStringList() << en;
        QTest::newRow("antal missing")
            << QByteArray("[Language]\r\nselected=2\r\nl2p=Swedish.lan\r\n") << QStringList() << en;
        QTest::newRow("entry without file")
            << QByteArray("[Language]\r\nantal=2\r\nselected=2\r\nl2n=Svenska\r\n") << QStringList()
            << en;
        QTest::newRow("file missing")
            << QByteArray(reg).replace("Swedish.lan", "Klingon.lan") + "selected=2\r\n"
            << QStringList() << en;
        QTest::newRow("file holds no texts")
            << QByteArray("[Language]\r\nantal=1\r\nselected=1\r\nl1p=Tarn.ini\r\n")
            << QStringList() << en;
        QTest::newRow("names a directory")
            << QByteArray("[Language]\r\nantal=1\r\nselected=1\r\nl1p=lang\r\n")
            << QStringList{"lang/x.lan=[Language]\r\nd1=x"} << en;
        QTest::newRow("letter case differs")
            << QByteArray("[Language]\r\nantal=1\r\nselected=1\r\nl1p=SWEDISH.LAN\r\n")
            << QStringList() << sv;
        QTest::newRow("windows separator")
            << QByteArray("[Language]\r\nantal=1\r\nselected=1\r\nl1p=lang\\My2.lan\r\n")
            << QStringList{"lang/My2.lan=[Language]\r\nd1=Hi"} << QStringLiteral("lang/My2.lan");
        QTest::newRow("new language in progress")
            << QByteArray("[Language]\r\nantal=3\r\nselected=3\r\nl3p=Elvish.nla\r\n")
            << QStringList{"Elvish.nla=[Info]\r\nAuthor=A\r\n[Language]\r\nd1=\r\nc20=Y"}
            << QStringLiteral("Elvish.nla");
        // clang-format on
    }
    void location() {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, extraFiles);
        QFETCH(QString, expected);
        TestProgram t;
        copyShipped(t, QStringLiteral("English.lan"));
        copyShipped(t, QStringLiteral("Swedish.lan"));
        if (!ini.isEmpty()) QVERIFY(writeBytes(t.ini(), ini));
        for (const QString& f : extraFiles) {
            const QString name = f.section(QLatin1Char('='), 0, 0);
            QDir(t.program->dir).mkpath(QFileInfo(name).path());
            QVERIFY(writeBytes(t.path(name), f.section(QLatin1Char('='), 1).toUtf8()));
        }
        QCOMPARE(language::locateLanguageFile(t.program->dir, t.ini()), t.path(expected));
    }

    void freshProgramDirectoryUsesShippedRegistry() {
        TestProgram t;
        for (const char* f : {"Tarn.ini", "English.lan", "Swedish.lan"})
            copyShipped(t, QLatin1String(f));
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
        QCOMPARE(language::selectedLanguageName(t.ini()), QStringLiteral("Svenska"));
        QCOMPARE(readBytes(t.ini()), before);
    }

    void nothingToFallBackOnGivesEmptyTexts() {
        TestProgram t;
        QVERIFY(writeBytes(t.ini(), "[Language]\r\nantal=x\r\nselected=\xff\r\n"));
        language::useSelectedLanguage(*t.program);
        QCOMPARE(t.program->languageFile, t.path(QStringLiteral("English.lan")));
        QCOMPARE(t.program->text(QStringLiteral("d1")), QString());
        QCOMPARE(language::international(t.program->languageFile), QString());
        QCOMPARE(language::selectedLanguageName(t.ini()), QString());
        QVERIFY(!QFile::exists(t.program->languageFile));
    }

    void shippedLanguageFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("internationalName");
        QTest::addColumn<QString>("nationalName");
        // clang-format off
        QTest::newRow("English") << shipped("English.lan") << "English"
                                 << "English";
        QTest::newRow("Swedish") << shipped("Swedish.lan") << "Swedish"
                                 << "Svenska";
        // clang-format on
    }
    void shippedLanguageFile() {
        QFETCH(QString, file);
        QFETCH(QString, internationalName);
        QFETCH(QString, nationalName);
        checkTextFile(file);
        if (QTest::currentTestFailed()) return;

        for (const QString& key : InfoKeys)
            QVERIFY2(!language::info(key, file).isEmpty(), qPrintable(key));
        QCOMPARE(language::international(file), internationalName);
        QCOMPARE(language::national(file), nationalName);
        QCOMPARE(language::info(QStringLiteral("Filename"), file),
                 internationalName + QStringLiteral(".lan"));
        QCOMPARE(language::info(QStringLiteral("Version"), file), QStringLiteral("5.0"));
        QCOMPARE(language::info(QStringLiteral("ForTWVersion"), file), QStringLiteral("6.003+"));
        QCOMPARE(language::info(QStringLiteral("Format"), file), QStringLiteral("yyyy-mm-dd"));
        const QRegularExpression date(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        QVERIFY(date.match(language::info(QStringLiteral("Date"), file)).hasMatch());

        for (const QString& key : language::programKeys())
            QVERIFY2(!lan(file, key).isEmpty(), qPrintable(key));
        // The translation tools size each group by the first empty key of the reference file.
        for (const language::KeyGroup& g : language::KeyGroups)
            QCOMPARE(lan(file, language::key(g.letter, g.size + 1)), QString());

        for (int n = 1; n <= 8; ++n) {
            const QString said = lan(file, language::key('d', n));
            QVERIFY2(said.size() <= DisplayCells, qPrintable(said));
            for (QChar c : said.toUpper())
                QVERIFY2(DisplayGlyphs.contains(c), qPrintable(said + QStringLiteral(": ") + c));
        }
        // The total is said as the word, a colon, a blank and up to three digits.
        QVERIFY(lan(file, "d2").size() + 5 <= DisplayCells);
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
        QCOMPARE(profile::readNumber(section, "antal", ini), 2);
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

  private:
    // UTF-8 without a byte-order mark, every line ended by CR LF.
    static void checkTextFile(const QString& file) {
        const QByteArray bytes = readBytes(file);
        QVERIFY(!bytes.isEmpty());
        QVERIFY(profile::isUtf8(bytes));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
