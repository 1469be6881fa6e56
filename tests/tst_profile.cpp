// The profile file store (reading rules, byte-exact writes, atomic replacement, encodings)
// and the event log written beside it.
#include "TestProgram.h"
#include "core/Profile.h"
#include "platform/ProfileFile.h"

#include <QFile>
#include <QProcess>
#include <QStringEncoder>

#include <csignal>
#include <fcntl.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets a file's change time `seconds` ago; a link's own time when it is one.
bool setAge(const QString& path, int seconds) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const timespec times[2] = {{now.tv_sec - seconds, 0}, {now.tv_sec - seconds, 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) ==
           0;
}

mode_t typeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// What lies where a leftover temporary file might be.
enum Kind { File, Link, Folder, ForeignFile };

QStringList leftovers(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("*.??????")}, QDir::Files | QDir::System);
}

} // namespace

class ProfileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString file(const char* name = "Tarn.ini") { return dir_.filePath(QLatin1String(name)); }
    QString get(const char* s, const char* k, const QString& path) {
        return GetINI(QLatin1String(s), QLatin1String(k), path);
    }

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QFile::remove(file());
    }

    void readingRules_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QByteArray base = "[Options]\r\nPlaySound=Yes\r\n";
        QTest::newRow("section case") << base << "OPTIONS"
                                      << "PlaySound"
                                      << "Yes";
        QTest::newRow("key case") << QByteArray("[Alarm]\r\nStatus=On\r\n") << "Alarm"
                                  << "status"
                                  << "On";
        QTest::newRow("LF ends") << QByteArray("[A]\nk=1\nj=2\n") << "A"
                                 << "j"
                                 << "2";
        QTest::newRow("CR ends") << QByteArray("[A]\rk=1\rj=2") << "A"
                                 << "j"
                                 << "2";
        QTest::newRow("bom") << QByteArray("\xEF\xBB\xBF[A]\r\nk=v\r\n") << "A"
                             << "k"
                             << "v";
        QTest::newRow("blanks around") << QByteArray("[ \tA \t]\r\n \t k \t= \t v w \t\r\n") << "A"
                                       << "k"
                                       << "v w";
        QTest::newRow("section ends at ]") << QByteArray("[A] trailing ]x\r\nk=v\r\n") << "A"
                                           << "k"
                                           << "v";
        QTest::newRow("comment") << QByteArray("[A]\r\n ;k=c\r\nk=v\r\n") << "A"
                                 << "k"
                                 << "v";
        QTest::newRow("no equals") << QByteArray("[A]\r\nk\r\nk=v\r\n") << "A"
                                   << "k"
                                   << "v";
        QTest::newRow("before first section") << QByteArray("k=v\r\n[A]\r\n") << "A"
                                              << "k"
                                              << "";
        QTest::newRow("first equals") << QByteArray("[A]\r\nk=a=b\r\n") << "A"
                                      << "k"
                                      << "a=b";
        QTest::newRow("double quotes") << QByteArray("[A]\r\nk=\" v \"\r\n") << "A"
                                       << "k"
                                       << " v ";
        QTest::newRow("single quotes") << QByteArray("[A]\r\nk='v'\r\n") << "A"
                                       << "k"
                                       << "v";
        QTest::newRow("mismatched quotes") << QByteArray("[A]\r\nk='v\"\r\n") << "A"
                                           << "k"
                                           << "'v\"";
        QTest::newRow("lone quote") << QByteArray("[A]\r\nk=\"\r\n") << "A"
                                    << "k"
                                    << "\"";
        QTest::newRow("first section wins") << QByteArray("[A]\r\nx=1\r\n[A]\r\nk=2\r\n") << "A"
                                            << "k"
                                            << "";
        QTest::newRow("first key wins") << QByteArray("[A]\r\nk=1\r\nK=2\r\n") << "A"
                                        << "k"
                                        << "1";
        QTest::newRow("other section") << QByteArray("[A]\r\n[B]\r\nk=1\r\n") << "A"
                                       << "k"
                                       << "";
        QTest::newRow("non-ascii case differs") << QByteArray("[Ä]\r\nk=1\r\n") << "ä"
                                                << "k"
                                                << "";
        QTest::newRow("utf8") << QByteArray("[A]\r\nk=Svenska åäö\r\n") << "A"
                              << "k"
                              << "Svenska åäö";
        QTest::newRow("cp1252") << QByteArray("[A]\r\nk=F\xF6rsta \x80\r\n") << "A"
                                << "k"
                                << "Första €";
    }
    void readingRules() {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QVERIFY(writeBytes(file(), content));
        QCOMPARE(GetINI(section, key, file()), expected);
        // Text held in memory is read by the same rules.
        QCOMPARE(profile::readStringIn(profile::decode(content), section, key), expected);
    }

    void onlyAnExistingRegularFileHoldsValues() {
        QCOMPARE(get("Options", "PlaySound", file()), QString());
        QVERIFY(!QFile::exists(file())); // reading does not create it
        QCOMPARE(get("A", "k", dir_.filePath("nodir/Tarn.ini")), QString());
        QCOMPARE(get("A", "k", QStringLiteral("/dev/zero")), QString());
        QVERIFY(!SetINI("A", "k", "1", QStringLiteral("/dev/null")));
    }

    void longValueIsCut() {
        const QByteArray value(1500, 'x');
        QVERIFY(writeBytes(file(), "[A]\r\nk=" + value + "\r\n"));
        QCOMPARE(get("A", "k", file()).size(), 1023);
        QVERIFY(SetINI("A", "k", QString(1023, QLatin1Char('y')), file()));
        QCOMPARE(get("A", "k", file()), QString(1023, QLatin1Char('y')));
    }

    void nothingIsCached() {
        QVERIFY(writeBytes(file(), "[A]\r\nk=1\r\n"));
        QCOMPARE(get("A", "k", file()), QStringLiteral("1"));
        QVERIFY(writeBytes(file(), "[A]\r\nk=2\r\n"));
        QCOMPARE(get("A", "k", file()), QStringLiteral("2"));
    }

    void writingRules_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << "Options"
                                  << "PlaySound"
                                  << "Yes" << QByteArray("[Options]\r\nPlaySound=Yes\r\n");
        QTest::newRow("replace keeps key spelling and line end")
            << QByteArray("; top\n[options]\n  PLAYSOUND = No  \n\nx=1\n") << "Options"
            << "playsound"
            << "Yes" << QByteArray("; top\n[options]\nPLAYSOUND=Yes\n\nx=1\n");
        QTest::newRow("new key after last key line")
            << QByteArray("[A]\r\na=1\r\n; note\r\nb=2\r\n\r\n; about B\r\n[B]\r\nc=3\r\n") << "A"
            << "n"
            << "v"
            << QByteArray("[A]\r\na=1\r\n; note\r\nb=2\r\nn=v\r\n\r\n; about B\r\n[B]\r\nc=3\r\n");
        QTest::newRow("new key in empty section") << QByteArray("[A]\n\n[B]\nx=1\n") << "A"
                                                  << "k"
                                                  << "v" << QByteArray("[A]\nk=v\r\n\n[B]\nx=1\n");
        QTest::newRow("new key in first of duplicate sections")
            << QByteArray("[A]\r\na=1\r\n[A]\r\nb=2\r\n") << "A"
            << "b"
            << "9" << QByteArray("[A]\r\na=1\r\nb=9\r\n[A]\r\nb=2\r\n");
        QTest::newRow("first of duplicate keys") << QByteArray("[A]\r\nk=1\r\nk=2\r\n") << "A"
                                                 << "K"
                                                 << "3" << QByteArray("[A]\r\nk=3\r\nk=2\r\n");
        QTest::newRow("new section at end")
            << QByteArray("[A]\r\na=1\r\n") << "Session"
            << "total"
            << "1" << QByteArray("[A]\r\na=1\r\n[Session]\r\ntotal=1\r\n");
        QTest::newRow("last line without end") << QByteArray("[A]\r\na=1") << "A"
                                               << "b"
                                               << "2" << QByteArray("[A]\r\na=1\r\nb=2\r\n");
        QTest::newRow("new section after unterminated line")
            << QByteArray("[A]\na=1") << "B"
            << "b"
            << "2" << QByteArray("[A]\na=1\r\n[B]\r\nb=2\r\n");
        QTest::newRow("value exactly as given") << QByteArray("[A]\r\nk=1\r\n") << "A"
                                                << "k"
                                                << " \"q\" " << QByteArray("[A]\r\nk= \"q\" \r\n");
        QTest::newRow("empty value keeps key") << QByteArray("[A]\r\nk=1\r\n") << "A"
                                               << "k"
                                               << "" << QByteArray("[A]\r\nk=\r\n");
        QTest::newRow("line break cannot make a new key")
            << QByteArray("[A]\r\n") << "A"
            << "k"
            << "a\r\nb=1" << QByteArray("[A]\r\nk=a  b=1\r\n");
        QTest::newRow("keys before any section are not the section's")
            << QByteArray("k=0\r\n") << "A"
            << "k"
            << "1" << QByteArray("k=0\r\n[A]\r\nk=1\r\n");
        QTest::newRow("bom kept") << QByteArray("\xEF\xBB\xBF[A]\r\nk=1\r\n") << "A"
                                  << "k"
                                  << "2" << QByteArray("\xEF\xBB\xBF[A]\r\nk=2\r\n");
        QTest::newRow("cp1252 converted to utf8")
            << QByteArray("[A]\r\nn=J\xF6rgen\n[B]\rk=1\r\n") << "B"
            << "k"
            << "2" << QByteArray("[A]\r\nn=J\xC3\xB6rgen\n[B]\rk=2\r\n");
        QTest::newRow("utf8 value") << QByteArray() << "A"
                                    << "k"
                                    << "Åsa" << QByteArray("[A]\r\nk=\xC3\x85sa\r\n");
    }
    void writingRules() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (!before.isEmpty()) QVERIFY(writeBytes(file(), before));
        QVERIFY(SetINI(section, key, value, file()));
        QCOMPARE(readBytes(file()), after);
    }

    void severalValuesInOneReplacement() {
        QVERIFY(writeBytes(file(), "; list\r\n[Highscore]\r\np1=5\r\n"));
        QVERIFY(profile::writeStrings({{"Highscore", "p1", "9"},
                                       {"Highscore", "n1", "Ann"},
                                       {"Session", "total", "3"},
                                       {"highscore", "P1", "10"}},
                                      file()));
        QCOMPARE(
            readBytes(file()),
            QByteArray("; list\r\n[Highscore]\r\np1=10\r\nn1=Ann\r\n[Session]\r\ntotal=3\r\n"));
    }

    // A write that changes no byte replaces nothing; one that only changes the encoding does.
    void unchangedFileIsNotReplaced() {
        QVERIFY(writeBytes(file(), "[A]\r\nk=Yes\r\nn=caf\xC3\xA9\r\n"));
        qint64 before = profile::replacements();
        QVERIFY(SetINI("A", "k", "Yes", file()));
        QVERIFY(SetINI("a", "N", "caf\u00e9", file()));
        QCOMPARE(profile::replacements() - before, 0);
        QVERIFY(SetINI("A", "k", "No", file()));
        QCOMPARE(profile::replacements() - before, 1);

        QVERIFY(writeBytes(file(), "[A]\r\nn=caf\xE9\r\n")); // Windows-1252
        before = profile::replacements();
        QVERIFY(SetINI("A", "n", "caf\u00e9", file()));
        QCOMPARE(profile::replacements() - before, 1);
        QCOMPARE(readBytes(file()), QByteArray("[A]\r\nn=caf\xC3\xA9\r\n"));
    }

    void failedWritesLeaveTheFileUntouched() {
        const QByteArray original = "[A]\r\nk=1\r\n";
        QVERIFY(writeBytes(file(), original));
        QVERIFY(QFile::setPermissions(file(), QFile::ReadOwner | QFile::ReadGroup));
        QVERIFY(!SetINI("A", "k", "2", file()));
        QCOMPARE(readBytes(file()), original);
        QVERIFY(QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner));

        // A file-size limit makes writes past it fail as a full disk does.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 64;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = SetINI("A", "k", QString(200, QLatin1Char('x')), file());
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QCOMPARE(readBytes(file()), original);

        QVERIFY(!SetINI("A", "k", "2", dir_.filePath("missing/Tarn.ini")));
        QVERIFY(!QFile::exists(dir_.filePath("missing")));
        // No temporary files are left behind.
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"Tarn.ini"});
    }

    void permissionsAreKept() {
        QVERIFY(writeBytes(file(), "[A]\r\nk=1\r\n"));
        const auto perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(file(), perms));
        QVERIFY(SetINI("A", "k", "2", file()));
        QCOMPARE(QFile::permissions(file()) & ~(QFile::ReadUser | QFile::WriteUser),
                 perms & ~(QFile::ReadUser | QFile::WriteUser));
    }

    void killedWriterLeavesOldOrNewFile() {
        QVERIFY(writeBytes(file(), "; kept\r\n[Options]\r\nValue=old\r\n"));
        for (int round = 0; round < 12; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(PROFILE_WRITER), {file()});
            QVERIFY(writer.waitForStarted());
            QTest::qWait(5 + round * 7);
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished());
            const QByteArray bytes = readBytes(file());
            QVERIFY2(bytes.startsWith("; kept\r\n[Options]\r\nValue="), bytes.constData());
            const QString v = get("Options", "Value", file());
            QVERIFY2(v == QLatin1String("old") || v == QLatin1String("new"), qPrintable(v));
            const QString p1 = get("Highscore", "p1", file());
            QVERIFY(p1.isEmpty() || p1.toInt() > 0);
        }
        for (const QString& name : QDir(dir_.path()).entryList(QDir::Files))
            if (name != QLatin1String("Tarn.ini")) QFile::remove(dir_.filePath(name));
    }

    void switchRules() {
        using profile::ruleN;
        using profile::ruleY;
        QVERIFY(ruleY("Yes") && !ruleY("yes") && !ruleY("") && !ruleY("No"));
        QVERIFY(ruleN("Yes") && ruleN("no") && ruleN("") && !ruleN("No"));
        QCOMPARE(profile::toNumber(""), 0);
        QCOMPARE(profile::toNumber("12"), 12);
        QCOMPARE(profile::toNumber("-3"), -3);
        QCOMPARE(profile::toNumber("1.5"), 0);
        QCOMPARE(profile::toNumber("abc"), 0);
    }

    void eventLog() {
        TestProgram t;
        QVERIFY(t.program->log.AppendLog("Clear highscore"));
        t.scripted.clock.current = QDateTime(QDate(2001, 5, 4), QTime(9, 0, 1));
        QVERIFY(t.program->log.AppendLog("Ends with a stop."));
        // The switch is read at every line, and only exactly "No" turns it off.
        QVERIFY(SetINI("Options", "WriteLog", "No", t.ini()));
        QVERIFY(!t.program->log.AppendLog("Off"));
        QVERIFY(SetINI("Options", "WriteLog", "no", t.ini()));
        QVERIFY(t.program->log.AppendLog("On"));
        const QString log = t.path("Tarn.log");
        QCOMPARE(readBytes(log), QByteArray("2001-05-03 14:07:09  Clear highscore.\r\n"
                                            "2001-05-04 09:00:01  Ends with a stop..\r\n"
                                            "2001-05-04 09:00:01  On.\r\n"));
        // A log that cannot be written is no failure of the game.
        QVERIFY(QFile::remove(log) && QDir().mkdir(log));
        QVERIFY(!t.program->log.AppendLog("Lost"));
    }

    // A fifo never holds the game: opening one to read or append waits for the other end.
    void fifosReadAsMissingAndAreNeverReplaced_data() {
        QTest::addColumn<bool>("reader");
        QTest::newRow("nobody at the other end") << false;
        QTest::newRow("a reader waiting") << true;
    }
    void fifosReadAsMissingAndAreNeverReplaced() {
        QFETCH(bool, reader);
        TestProgram t;
        const QStringList names = {"Tarn.ini", "Tarn.log", "English.lan"};
        QList<int> readers;
        for (const QString& name : names) {
            QCOMPARE(::mkfifo(QFile::encodeName(t.path(name)).constData(), 0600), 0);
            if (reader)
                readers << ::open(QFile::encodeName(t.path(name)).constData(),
                                  O_RDONLY | O_NONBLOCK);
        }
        const QString lan = t.path("English.lan");
        QCOMPARE(GetINI("Options", "WriteLog", t.ini()), QString());
        QCOMPARE(GetINI("Language", "k1", lan), QString());
        QVERIFY(!SetINI("Options", "PlaySound", "Yes", t.ini()));
        QVERIFY(!profile::writeStrings({{"Language", "k1", "x"}}, lan));
        QVERIFY(!t.program->log.AppendLog("Lost"));
        char byte = 0;
        for (const int fd : readers) {
            QVERIFY(fd >= 0);
            QCOMPARE(::read(fd, &byte, 1), ssize_t(0)); // nothing was written into them
            ::close(fd);
        }
        for (const QString& name : names)
            QCOMPARE(typeOf(t.path(name)), mode_t(S_IFIFO));
        QCOMPARE(leftovers(t.dir.path()), QStringList());
    }

    // Counters are whole 64-bit numbers; past either end they stay at that end, never 0.
    void numbers_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("expected");
        const qint64 max = std::numeric_limits<qint64>::max();
        const qint64 min = std::numeric_limits<qint64>::min();
        QTest::newRow("int max") << "2147483647" << qint64(2147483647);
        QTest::newRow("past int max") << "2147483648" << qint64(2147483648);
        QTest::newRow("int min") << "-2147483648" << qint64(-2147483648);
        QTest::newRow("qint64 max") << "9223372036854775807" << max;
        QTest::newRow("one past qint64 max") << "9223372036854775808" << max;
        QTest::newRow("ten past qint64 max") << "9223372036854775817" << max;
        QTest::newRow("far past qint64 max") << "123456789012345678901234567890" << max;
        QTest::newRow("qint64 min") << "-9223372036854775808" << min;
        QTest::newRow("one past qint64 min") << "-9223372036854775809" << min;
        QTest::newRow("far past qint64 min") << "-99999999999999999999" << min;
        QTest::newRow("plus sign") << "+5" << qint64(5);
        QTest::newRow("minus zero") << "-0" << qint64(0);
        QTest::newRow("leading zeros") << "007" << qint64(7);
        QTest::newRow("blanks around") << " 7 " << qint64(7);
        QTest::newRow("tabs around") << "\t7\t" << qint64(7);
        QTest::newRow("blank inside") << "1 2" << qint64(0);
        QTest::newRow("blank after sign") << "- 2" << qint64(0);
        QTest::newRow("exponent") << "1e3" << qint64(0);
        QTest::newRow("letters after") << "12abc" << qint64(0);
        QTest::newRow("letters after a huge number") << "99999999999999999999x" << qint64(0);
        QTest::newRow("hexadecimal") << "0x10" << qint64(0);
        QTest::newRow("two signs") << "+-1" << qint64(0);
        QTest::newRow("sign alone") << "-" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
    }
    void numbers() {
        QFETCH(QString, stored);
        QFETCH(qint64, expected);
        QCOMPARE(profile::toNumber(stored), expected);
        TarnIni ini(file());
        QVERIFY(SetINI("Session", "total", stored, file()));
        QCOMPARE(ini.get(ini::session::total), expected);
        // What was read is stored and read back unchanged.
        QVERIFY(ini.set(ini::session::total, expected));
        QCOMPARE(ini.get(ini::session::total), expected);
    }

    // Only complete leftovers of killed writes of this very file go.
    void staleTemporaries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("removed");
        QTest::newRow("old leftover") << "Tarn.ini.a1B2c3" << int(File) << 120 << true;
        QTest::newRow("just over a minute old") << "Tarn.ini.ZZzz09" << int(File) << 62 << true;
        QTest::newRow("fresh leftover") << "Tarn.ini.a1B2c3" << int(File) << 0 << false;
        QTest::newRow("under a minute old") << "Tarn.ini.a1B2c3" << int(File) << 55 << false;
        QTest::newRow("five characters") << "Tarn.ini.a1B2c" << int(File) << 120 << false;
        QTest::newRow("seven characters") << "Tarn.ini.a1B2c3d" << int(File) << 120 << false;
        QTest::newRow("not mkstemp's alphabet") << "Tarn.ini.a1B-c3" << int(File) << 120 << false;
        QTest::newRow("name in other case") << "tarn.ini.a1B2c3" << int(File) << 120 << false;
        QTest::newRow("another file's leftover")
            << "English.lan.a1B2c3" << int(File) << 120 << false;
        QTest::newRow("link to an old file") << "Tarn.ini.a1B2c3" << int(Link) << 120 << false;
        QTest::newRow("folder") << "Tarn.ini.a1B2c3" << int(Folder) << 120 << false;
        QTest::newRow("another user's file")
            << "Tarn.ini.a1B2c3" << int(ForeignFile) << 120 << false;
    }
    void staleTemporaries() {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(int, age);
        QFETCH(bool, removed);
        const QString victim = file("Victim.txt");
        const QString path = dir_.filePath(name);
        QVERIFY(writeBytes(file(), "[A]\r\nk=1\r\n") && writeBytes(victim, "kept"));
        QVERIFY(setAge(file(), 3600) && setAge(victim, 3600));
        if (kind == Link) {
            QVERIFY(QFile::link(victim, path));
        } else if (kind == Folder) {
            QVERIFY(QDir(dir_.path()).mkdir(name));
        } else {
            QVERIFY(writeBytes(path, "[A]\r\nk=0\r\n"));
            if (kind == ForeignFile) {
                if (::geteuid() != 0) QSKIP("only root can give a file to another user");
                QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
            }
        }
        QVERIFY(setAge(path, age));
        QCOMPARE(profile::removeStaleTemporaries(file()), removed ? 1 : 0);
        QCOMPARE(typeOf(path) == 0, removed);
        QCOMPARE(readBytes(file()), QByteArray("[A]\r\nk=1\r\n"));
        QCOMPARE(readBytes(victim), QByteArray("kept"));
        if (kind == Folder) QVERIFY(QDir(path).removeRecursively());
        QFile::remove(path);
        QCOMPARE(profile::removeStaleTemporaries(dir_.filePath("missing/Tarn.ini")), 0);
    }

    // Tarn.ini -> middle -> end: the end is written, every link stays a link.
    void linkChainsAreWrittenAtTheirEnd_data() {
        QTest::addColumn<QStringList>("targets"); // of Tarn.ini and of the middle link
        QTest::addColumn<QStringList>("places");  // of the middle link and of the end
        QTest::addColumn<bool>("endExists");
        // A relative link starts from its own folder: sub/a -> b is sub/b.
        QTest::newRow("relative") << QStringList{"sub/a", "b"} << QStringList{"sub/a", "sub/b"}
                                  << true;
        QTest::newRow("absolute") << QStringList{"%1/a", "%1/sub/b"} << QStringList{"a", "sub/b"}
                                  << true;
        QTest::newRow("dangling end")
            << QStringList{"a", "sub/b"} << QStringList{"a", "sub/b"} << false;
    }
    void linkChainsAreWrittenAtTheirEnd() {
        QFETCH(QStringList, targets);
        QFETCH(QStringList, places);
        QFETCH(bool, endExists);
        QTemporaryDir dir;
        const QString ini = dir.filePath("Tarn.ini");
        const QString middle = dir.filePath(places[0]), end = dir.filePath(places[1]);
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        targets.replaceInStrings(QLatin1String("%1"), dir.path());
        for (const auto& [link, target] :
             {std::pair(ini, targets[0]), std::pair(middle, targets[1])})
            QCOMPARE(::symlink(QFile::encodeName(target).constData(),
                               QFile::encodeName(link).constData()),
                     0);
        if (endExists) QVERIFY(writeBytes(end, "[A]\r\nk=1\r\n"));

        QVERIFY(SetINI("A", "n", "2", ini));
        QVERIFY(SetINI("A", "n", "3", ini));
        QCOMPARE(readBytes(end),
                 QByteArray(endExists ? "[A]\r\nk=1\r\nn=3\r\n" : "[A]\r\nn=3\r\n"));
        QCOMPARE(GetINI("A", "n", ini), QStringLiteral("3"));
        QCOMPARE(typeOf(ini), mode_t(S_IFLNK));
        QCOMPARE(typeOf(middle), mode_t(S_IFLNK));
        QCOMPARE(QFile::symLinkTarget(ini), QFileInfo(middle).absoluteFilePath());
        QCOMPARE(QFile::symLinkTarget(middle), QFileInfo(end).absoluteFilePath());
        QCOMPARE(leftovers(dir.path()) + leftovers(dir.filePath("sub")), QStringList());

        // A write killed there leaves its temporary beside the end, and that is cleared too.
        const QString stale = end + ".k1LLed";
        QVERIFY(writeBytes(stale, "[A]\r\n") && setAge(stale, 120));
        QCOMPARE(profile::removeStaleTemporaries(ini), 1);
        QVERIFY(!QFile::exists(stale));
    }

    // A link's target is a name of bytes, not text: it is written as it is named.
    void linkToANameThatIsNotUtf8() {
        const QByteArray end = QFile::encodeName(dir_.path()) + "/b\xFF";
        QCOMPARE(::symlink(end.constData(), QFile::encodeName(file()).constData()), 0);
        QVERIFY(SetINI("A", "k", "1", file()));
        QCOMPARE(typeOf(file()), mode_t(S_IFLNK));
        QFile written;
        const int fd = ::open(end.constData(), O_RDONLY);
        QVERIFY(written.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle));
        QCOMPARE(written.readAll(), QByteArray("[A]\r\nk=1\r\n"));
        QCOMPARE(::unlink(end.constData()), 0);
        QCOMPARE(leftovers(dir_.path()), QStringList());
    }

    void linkLoopIsNeverWritten() {
        const QString a = file("a");
        QVERIFY(QFile::link(QStringLiteral("a"), file()) && QFile::link(file(), a));
        QCOMPARE(get("A", "k", file()), QString());
        QVERIFY(!SetINI("A", "k", "1", file()));
        QCOMPARE(typeOf(file()), mode_t(S_IFLNK));
        QCOMPARE(typeOf(a), mode_t(S_IFLNK));
        QCOMPARE(leftovers(dir_.path()), QStringList());
        QVERIFY(QFile::remove(a));
    }

    // A file over the bound is left alone: not read, never replaced, reported once.
    void oversizeFileIsNeitherReadNorReplaced() {
        QStringList reported;
        profile::setOversizeReporter([&](const QString& path) { reported << path; });
        const QString big = file("Big.ini");
        QByteArray content = "[A]\r\nk=v\r\n;";
        content += QByteArray(profile::MaxFileSize - content.size(), 'x');
        QVERIFY(writeBytes(big, content));
        QCOMPARE(get("A", "k", big), QStringLiteral("v"));
        // At the bound, a write may change the file but not make it grow past it.
        QVERIFY(!SetINI("A", "k", "vv", big));
        QVERIFY(SetINI("A", "k", "w", big));
        QCOMPARE(QFileInfo(big).size(), profile::MaxFileSize);
        QCOMPARE(reported, QStringList());

        QVERIFY(QFile(big).resize(profile::MaxFileSize + 1));
        QCOMPARE(get("A", "k", big), QString());
        QVERIFY(!SetINI("A", "k", "x", big));
        QVERIFY(QFile(big).resize(qint64(1) << 30)); // sparse: claims far more than it holds
        QCOMPARE(get("A", "k", big), QString());
        QVERIFY(!SetINI("A", "k", "x", big));
        QCOMPARE(reported, QStringList{big});
        profile::setOversizeReporter({});
        QVERIFY(QFile(big).resize(profile::MaxFileSize + 1));
        QVERIFY(readBytes(big).startsWith("[A]\r\nk=w\r\n;xxx"));
        QCOMPARE(leftovers(dir_.path()), QStringList());
        QFile::remove(big);
    }

    // The text of a file is decoded once and reused while the file is unchanged.
    void fileIsReadAgainOnlyWhenItChanged() {
        const auto reads = [] { return profile::fileReads(); };
        QVERIFY(writeBytes(file(), "[A]\r\nk=1\r\n[B]\r\nj=2\r\n"));
        QVERIFY(setAge(file(), 3600));
        qint64 before = reads();
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(get("A", "k", file()), QStringLiteral("1"));
            QCOMPARE(get("b", "J", file()), QStringLiteral("2"));
            QCOMPARE(get("C", "k", file()), QString());
        }
        QCOMPARE(reads() - before, 1);

        // Changed in place: same file and size, another time.
        QVERIFY(writeBytes(file(), "[A]\r\nk=3\r\n[B]\r\nj=2\r\n") && setAge(file(), 3500));
        QCOMPARE(get("A", "k", file()), QStringLiteral("3"));
        // Replaced by another file of the same size and time.
        const QString other = file("Other.ini");
        QVERIFY(writeBytes(other, "[A]\r\nk=4\r\n[B]\r\nj=2\r\n") && setAge(other, 3500));
        QVERIFY(::rename(QFile::encodeName(other).constData(),
                         QFile::encodeName(file()).constData()) == 0);
        QCOMPARE(get("A", "k", file()), QStringLiteral("4"));
        // Changed twice within one tick of the file system's clock: the stamp alone cannot tell
        // the versions apart, so while the file is that recent its bytes are compared.
        QVERIFY(writeBytes(file(), "[A]\r\nk=5\r\n[B]\r\nj=2\r\n") && setAge(file(), 0));
        before = reads();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(get("A", "k", file()), QStringLiteral("5"));
        QCOMPARE(reads() - before, 1);
        QVERIFY(writeBytes(file(), "[A]\r\nk=6\r\n[B]\r\nj=2\r\n") && setAge(file(), 0));
        QCOMPARE(get("A", "k", file()), QStringLiteral("6"));
        // A write is seen at once, and so is the file gone.
        QVERIFY(SetINI("A", "k", "7", file()));
        QCOMPARE(get("A", "k", file()), QStringLiteral("7"));
        QVERIFY(QFile::remove(file()));
        QCOMPARE(get("A", "k", file()), QString());
    }

    // Windows editors save UTF-16 with a byte-order mark; a write stores the same text as UTF-8.
    void utf16FilesAreReadAndWrittenAsUtf8_data() {
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QByteArray>("bom");
        QTest::newRow("little-endian") << int(QStringEncoder::Utf16LE) << QByteArray("\xFF\xFE");
        QTest::newRow("big-endian") << int(QStringEncoder::Utf16BE) << QByteArray("\xFE\xFF");
    }
    void utf16FilesAreReadAndWrittenAsUtf8() {
        QFETCH(int, encoding);
        QFETCH(QByteArray, bom);
        const QString text = QStringLiteral("[A]\r\nn=Åsa\r\nm=€ 5\r\n");
        QStringEncoder encoder(static_cast<QStringEncoder::Encoding>(encoding));
        QVERIFY(writeBytes(file(), bom + QByteArray(encoder(text))));
        QCOMPARE(get("A", "n", file()), QStringLiteral("Åsa"));
        QCOMPARE(get("A", "m", file()), QStringLiteral("€ 5"));
        QVERIFY(SetINI("A", "k", "Öl", file()));
        QCOMPARE(readBytes(file()), (text + QStringLiteral("k=Öl\r\n")).toUtf8());
        QCOMPARE(get("A", "n", file()), QStringLiteral("Åsa"));
        QCOMPARE(get("A", "m", file()), QStringLiteral("€ 5"));
    }

    // An unpaired surrogate in a UTF-16 file reads as the replacement character, and keeps
    // reading so after a write of another value (fuzz_profile_write found it passed through as it
    // was, and so became a '?' in the file at the next write).
    void damagedUtf16ReadsTheSameAfterAWrite_data() {
        QTest::addColumn<QByteArray>("value"); // UTF-16LE after "k="
        QTest::addColumn<QString>("expected");
        QTest::newRow("lone high, then an odd byte (the fuzzer's input)")
            << QByteArray("\x00\xD8\x41", 3) << QStringLiteral(u"\uFFFD\uFFFD");
        QTest::newRow("lone high before a letter")
            << QByteArray("\x00\xD8x\0", 4) << QStringLiteral(u"\uFFFDx");
        QTest::newRow("lone low") << QByteArray("x\0\x00\xDC", 4) << QStringLiteral(u"x\uFFFD");
        QTest::newRow("reversed pair")
            << QByteArray("\x00\xDE\x3D\xD8", 4) << QStringLiteral(u"\uFFFD\uFFFD");
        QTest::newRow("a pair is a character")
            << QByteArray("\x3D\xD8\x00\xDE", 4) << QStringLiteral(u"\U0001F600");
    }
    void damagedUtf16ReadsTheSameAfterAWrite() {
        QFETCH(QByteArray, value);
        QFETCH(QString, expected);
        const QByteArray bytes = QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0", 16) + value;
        QVERIFY(writeBytes(file(), bytes));
        QCOMPARE(get("A", "k", file()), expected);
        QVERIFY(SetINI("Options", "PlaySound", "Yes", file()));
        QCOMPARE(get("A", "k", file()), expected);
    }
};

QTEST_GUILESS_MAIN(ProfileTest)
#include "tst_profile.moc"
