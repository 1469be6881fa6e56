// Where the program keeps its files: the portable or installed decision, filling and refreshing
// an installed game's per-user folder, and refusing to start where nothing can be written.
#include "TestProgram.h"
#include "core/ProgramDirectory.h"
#include "platform/ProgramPlace.h"
#include "platform/ProgramSeed.h"
#include "platform/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using platform::ProgramMode;

namespace {

const QStringList PlayersFiles = {QStringLiteral("Tarn.ini"),     QStringLiteral("Tarn.log"),
                                  QStringLiteral("English2.lan"), QStringLiteral("English.nla"),
                                  QStringLiteral("English.mla"),  QStringLiteral("French.lan")};

// An installed data folder of one version: every file's text says which version it is.
void shipVersion(const QString& dir, const QByteArray& version) {
    QDir().mkpath(dir);
    for (const char* name :
         {"Tarn.ini", "English.lan", "Swedish.lan", "Res.pac", "Version.txt", "Beep.wav"})
        QVERIFY(writeBytes(dir + QLatin1Char('/') + QLatin1String(name),
                           QByteArray(name) + " of " + version));
}

// Lays down each of the player's own files with text that no version ships.
void writePlayersFiles(const QString& dir) {
    for (const QString& name : PlayersFiles)
        QVERIFY(writeBytes(dir + QLatin1Char('/') + name, "mine: " + name.toUtf8()));
}

void checkPlayersFiles(const QString& dir) {
    for (const QString& name : PlayersFiles)
        QCOMPARE(readBytes(dir + QLatin1Char('/') + name), "mine: " + name.toUtf8());
}

bool isLink(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

} // namespace

class TestProgramHome : public QObject {
    Q_OBJECT
  private slots:
    void decidesTheModeOnce_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("hasIni");
        QTest::addColumn<bool>("hasPackage");
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("home");
        QTest::addColumn<bool>("portable");
        QTest::addColumn<QString>("dir");

        const QString home = QStringLiteral("/home/ann");
        const QString local = QStringLiteral("/home/ann/.local/share/tarnwick");
        const QString exe = QStringLiteral("/games/Tarnwick");
        QTest::newRow("writable with Tarn.ini: portable, XDG ignored")
            << true << true << false << "/xdg" << home << true << exe;
        // A portable copy whose Tarn.ini was deleted still is one; the game lays a new one down.
        QTest::newRow("writable, no Tarn.ini, the package: portable")
            << true << false << true << "" << home << true << exe;
        // ~/.local/bin after an install into the home folder: writable, but no program directory.
        QTest::newRow("writable without the program's files: installed")
            << true << false << false << "" << home << false << local;
        QTest::newRow("read-only with Tarn.ini: installed")
            << false << true << true << "" << home << false << local;
        QTest::newRow("read-only /usr/bin")
            << false << false << false << "" << home << false << local;
        QTest::newRow("XDG_DATA_HOME absolute")
            << false << false << false << "/data" << home << false << "/data/tarnwick";
        QTest::newRow("XDG_DATA_HOME cleaned")
            << false << false << false << "/data/./x/" << home << false << "/data/x/tarnwick";
        QTest::newRow("XDG_DATA_HOME relative is ignored")
            << false << false << false << "data" << home << false << local;
        QTest::newRow("XDG_DATA_HOME relative, no HOME") << false << false << false << "data"
                                                         << "" << false << "";
        QTest::newRow("XDG_DATA_HOME absolute, no HOME") << false << false << false << "/data"
                                                         << "" << false << "/data/tarnwick";
        QTest::newRow("no HOME at all") << false << false << false << ""
                                        << "" << false << "";
        QTest::newRow("HOME relative") << false << false << false << ""
                                       << "ann" << false << "";
        QTest::newRow("HOME is the root") << false << false << false << ""
                                          << "/" << false << "/.local/share/tarnwick";
    }
    void decidesTheModeOnce() {
        QFETCH(bool, writable);
        QFETCH(bool, hasIni);
        QFETCH(bool, hasPackage);
        QFETCH(QString, xdg);
        QFETCH(QString, home);
        QFETCH(bool, portable);
        QFETCH(QString, dir);
        const platform::PlaceFacts facts{
            QStringLiteral("/games/Tarnwick/"), writable, hasIni, hasPackage, xdg, home};
        const platform::ProgramPlace place = platform::decideProgramPlace(facts);
        QCOMPARE(place.mode == ProgramMode::Portable, portable);
        QCOMPARE(place.dir, dir);
    }

    // The facts come from the folder itself and the environment.
    void observesTheExecutablesFolder() {
        QTemporaryDir exe;
        qputenv("XDG_DATA_HOME", "relative");
        qputenv("HOME", "/home/bo");
        platform::PlaceFacts f = platform::observePlace(exe.path());
        QVERIFY(f.exeDirWritable);
        QVERIFY(!f.exeDirHasIni);
        QVERIFY(!f.exeDirHasPackage);
        QCOMPARE(f.xdgDataHome, QStringLiteral("relative"));
        QCOMPARE(f.home, QStringLiteral("/home/bo"));
        // A folder named Tarn.ini is no profile.
        QDir(exe.path()).mkdir(QStringLiteral("Tarn.ini"));
        QVERIFY(writeBytes(exe.filePath(QStringLiteral("Res.pac")), "p"));
        f = platform::observePlace(exe.path());
        QVERIFY(!f.exeDirHasIni);
        QVERIFY(f.exeDirHasPackage);
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(platform::observePlace(exe.path()).xdgDataHome, QString());
    }

    // The data is looked for relative to the executable first, and only where Res.pac lies.
    void findsTheInstalledData() {
        QTemporaryDir prefix;
        QDir().mkpath(prefix.filePath(QStringLiteral("bin")));
        const QStringList dirs =
            platform::installedDataDirs(prefix.filePath(QStringLiteral("bin")));
        QCOMPARE(dirs.value(0), prefix.filePath(QStringLiteral("share/tarnwick")));
        QVERIFY(dirs.size() == 2);
        QCOMPARE(platform::findInstalledData({prefix.filePath(QStringLiteral("share/tarnwick"))}),
                 QString());
        shipVersion(prefix.filePath(QStringLiteral("share/tarnwick")), "1");
        QCOMPARE(platform::findInstalledData(dirs), dirs[0]);
        QCOMPARE(platform::findInstalledData({QStringLiteral("/nowhere"), dirs[0]}), dirs[0]);
    }

    // The first start copies what is shipped and nothing else; later starts copy nothing and
    // leave every file of the player's as it is.
    void seedsOnceAndKeepsThePlayersFiles() {
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("share"));
        const QString mine = root.filePath(QStringLiteral("mine"));
        shipVersion(data, "1");
        // Not data: never copied into a folder the game writes and reads by name.
        for (const char* junk :
             {"libtarnwick_sound.so", "tarnwick", "qt.conf", ".hidden.lan", "Tarn.log", "run.sh"})
            QVERIFY(writeBytes(data + QLatin1Char('/') + QLatin1String(junk), "junk"));
        QVERIFY(QDir().mkpath(mine));

        platform::SeedResult first = platform::seedProgramDir(data, mine);
        QVERIFY2(first.ok, qPrintable(first.problem));
        first.copied.sort();
        QCOMPARE(first.copied, QStringList({"Beep.wav", "English.lan", "Res.pac", "Swedish.lan",
                                            "Tarn.ini", "Version.txt"}));
        QStringList present = QDir(mine).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QCOMPARE(present, QStringList({".shipped", "Beep.wav", "English.lan", "Res.pac",
                                       "Swedish.lan", "Tarn.ini", "Version.txt"}));
        QCOMPARE(readBytes(mine + QStringLiteral("/Res.pac")), "Res.pac of 1");

        writePlayersFiles(mine);
        const platform::SeedResult again = platform::seedProgramDir(data, mine);
        QVERIFY(again.ok);
        QCOMPARE(again.copied, QStringList());
        checkPlayersFiles(mine);
        QCOMPARE(readBytes(mine + QStringLiteral("/English.lan")), "English.lan of 1");

        // A shipped file the player deleted comes back; Tarn.ini comes back as the default.
        QVERIFY(QFile::remove(mine + QStringLiteral("/Swedish.lan")));
        QVERIFY(QFile::remove(mine + QStringLiteral("/Tarn.ini")));
        const platform::SeedResult restored = platform::seedProgramDir(data, mine);
        QCOMPARE(restored.copied, QStringList({"Swedish.lan", "Tarn.ini"}));
        QCOMPARE(readBytes(mine + QStringLiteral("/Tarn.ini")), "Tarn.ini of 1");
    }

    // A newer version replaces what it ships and changed, and nothing of the player's: not the
    // profile, the log, their translations, nor their own language of a name it now ships.
    void newerVersionRefreshesOnlyShippedFiles() {
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("share"));
        const QString mine = root.filePath(QStringLiteral("mine"));
        shipVersion(data, "1");
        QVERIFY(QDir().mkpath(mine));
        QVERIFY(platform::seedProgramDir(data, mine).ok);
        writePlayersFiles(mine);

        shipVersion(data, "2");
        // Version 2 also ships a French.lan; the player's has the name first.
        QVERIFY(writeBytes(data + QStringLiteral("/French.lan"), "French.lan of 2"));
        QVERIFY(writeBytes(data + QStringLiteral("/Finnish.lan"), "Finnish.lan of 2"));
        // Swedish is unchanged in version 2.
        QVERIFY(writeBytes(data + QStringLiteral("/Swedish.lan"), "Swedish.lan of 1"));
        platform::SeedResult up = platform::seedProgramDir(data, mine);
        QVERIFY2(up.ok, qPrintable(up.problem));
        up.copied.sort();
        QCOMPARE(up.copied,
                 QStringList({"Beep.wav", "English.lan", "Finnish.lan", "Res.pac", "Version.txt"}));
        for (const char* name : {"English.lan", "Res.pac", "Version.txt", "Beep.wav"})
            QCOMPARE(readBytes(mine + QLatin1Char('/') + QLatin1String(name)),
                     QByteArray(name) + " of 2");
        QCOMPARE(readBytes(mine + QStringLiteral("/Finnish.lan")), "Finnish.lan of 2");
        checkPlayersFiles(mine);

        // The next version changes the language the player made first: still theirs.
        QVERIFY(writeBytes(data + QStringLiteral("/French.lan"), "French.lan of 3"));
        QVERIFY(platform::seedProgramDir(data, mine).copied.isEmpty());
        checkPlayersFiles(mine);
        QVERIFY(!QDir(mine)
                     .entryList({QStringLiteral(".seeding-*")}, QDir::Hidden | QDir::Files)
                     .size());
    }

    // A shipped name present but not recorded: copied by a start killed before it wrote its
    // record (the same bytes: ours from now on), or the player's own (left alone for good).
    void unrecordedFilesAreJudgedByContent_data() {
        QTest::addColumn<QByteArray>("present");
        QTest::addColumn<QByteArray>("afterUpgrade");
        QTest::newRow("as shipped: ours")
            << QByteArray("English.lan of 1") << QByteArray("English.lan of 2");
        QTest::newRow("the player's") << QByteArray("my English") << QByteArray("my English");
        QTest::newRow("empty: the player's") << QByteArray() << QByteArray();
    }
    void unrecordedFilesAreJudgedByContent() {
        QFETCH(QByteArray, present);
        QFETCH(QByteArray, afterUpgrade);
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("share"));
        const QString mine = root.filePath(QStringLiteral("mine"));
        shipVersion(data, "1");
        QVERIFY(QDir().mkpath(mine));
        QVERIFY(writeBytes(mine + QStringLiteral("/English.lan"), present));
        QVERIFY(platform::seedProgramDir(data, mine).ok);
        QCOMPARE(readBytes(mine + QStringLiteral("/English.lan")), present);
        shipVersion(data, "2");
        QVERIFY(platform::seedProgramDir(data, mine).ok);
        QCOMPARE(readBytes(mine + QStringLiteral("/English.lan")), afterUpgrade);
    }

    // A damaged record never makes a file count as ours: the safe side is to leave it.
    void damagedRecordLeavesFilesAlone_data() {
        QTest::addColumn<QByteArray>("stamp");
        QTest::newRow("garbage") << QByteArray("\x01\xff garbage\n\n");
        QTest::newRow("short hash") << QByteArray("abc English.lan\n");
        QTest::newRow("not hex") << (QByteArray(64, 'z') + " English.lan\n");
        QTest::newRow("a path") << (QByteArray(64, 'a') + " ../English.lan\n");
        QTest::newRow("too large") << QByteArray(100 * 1024, 'a');
    }
    void damagedRecordLeavesFilesAlone() {
        QFETCH(QByteArray, stamp);
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("share"));
        const QString mine = root.filePath(QStringLiteral("mine"));
        shipVersion(data, "1");
        QVERIFY(QDir().mkpath(mine));
        QVERIFY(writeBytes(mine + QStringLiteral("/English.lan"), "my English"));
        QVERIFY(writeBytes(mine + QStringLiteral("/.shipped"), stamp));
        QVERIFY(writeBytes(root.filePath(QStringLiteral("English.lan")), "outside"));
        QVERIFY(platform::seedProgramDir(data, mine).ok);
        QCOMPARE(readBytes(mine + QStringLiteral("/English.lan")), "my English");
        QCOMPARE(readBytes(root.filePath(QStringLiteral("English.lan"))), "outside");
        // The record is written anew from what was found.
        QVERIFY(!readBytes(mine + QStringLiteral("/.shipped")).contains("English.lan"));
        QVERIFY(readBytes(mine + QStringLiteral("/.shipped")).contains(" Res.pac\n"));
    }

    // A link where a shipped file is replaced is replaced itself; what it points to, outside the
    // folder, is neither written nor read as ours.
    void replacingNeverFollowsALink() {
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("share"));
        const QString mine = root.filePath(QStringLiteral("mine"));
        const QString outside = root.filePath(QStringLiteral("outside"));
        shipVersion(data, "1");
        QVERIFY(QDir().mkpath(mine));
        QVERIFY(platform::seedProgramDir(data, mine).ok);
        QVERIFY(writeBytes(outside, "English.lan of 1"));
        QVERIFY(QFile::remove(mine + QStringLiteral("/English.lan")));
        QVERIFY(QFile::link(outside, mine + QStringLiteral("/English.lan")));
        // An unrecorded link with the shipped bytes behind it still is no file of ours.
        QVERIFY(QFile::remove(mine + QStringLiteral("/Swedish.lan")));
        QVERIFY(writeBytes(
            mine + QStringLiteral("/.shipped"),
            readBytes(mine + QStringLiteral("/.shipped")).replace("Swedish.lan", "Gone.lan")));
        QVERIFY(QFile::link(outside, mine + QStringLiteral("/Swedish.lan")));

        shipVersion(data, "2");
        QVERIFY(platform::seedProgramDir(data, mine).ok);
        QVERIFY(!isLink(mine + QStringLiteral("/English.lan")));
        QCOMPARE(readBytes(mine + QStringLiteral("/English.lan")), "English.lan of 2");
        QVERIFY(isLink(mine + QStringLiteral("/Swedish.lan")));
        QCOMPARE(readBytes(outside), "English.lan of 1");
    }

    // What a start killed in the middle of a copy left goes; the real names only ever hold
    // whole files.
    void killedStartLeavesNoHalfFile() {
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("share"));
        const QString mine = root.filePath(QStringLiteral("mine"));
        shipVersion(data, "1");
        QVERIFY(QDir().mkpath(mine));
        QVERIFY(writeBytes(mine + QStringLiteral("/.seeding-Res.pac"), "Res.p"));
        QVERIFY(writeBytes(mine + QStringLiteral("/.seeding-Mine.lan"), "x"));
        QVERIFY(platform::seedProgramDir(data, mine).ok);
        QCOMPARE(QDir(mine).entryList({QStringLiteral(".seeding-*")}, QDir::Hidden | QDir::Files),
                 QStringList());
        QCOMPARE(readBytes(mine + QStringLiteral("/Res.pac")), "Res.pac of 1");
    }

    // An installed start makes the player's folder (only they may enter it) and fills it; a
    // portable one touches nothing.
    void opensTheProgramDirectory() {
        QTemporaryDir root;
        const QString prefix = root.filePath(QStringLiteral("prefix"));
        shipVersion(prefix + QStringLiteral("/share/tarnwick"), "1");
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/bin")));
        platform::ScriptedBoxes boxes;
        const platform::PlaceFacts installed{
            prefix + QStringLiteral("/bin"),      false, false, false, QString(),
            root.filePath(QStringLiteral("home"))};
        const QStringList dataDirs = platform::installedDataDirs(installed.exeDir);
        const QString dir = openProgramDirectory(installed, dataDirs, boxes);
        QCOMPARE(dir, root.filePath(QStringLiteral("home/.local/share/tarnwick")));
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(readBytes(dir + QStringLiteral("/Tarn.ini")), "Tarn.ini of 1");
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(dir).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0700u);

        const platform::PlaceFacts portable{
            root.filePath(QStringLiteral("copy")), true, true, false, QString(),
            root.filePath(QStringLiteral("h2"))};
        QCOMPARE(openProgramDirectory(portable, dataDirs, boxes),
                 root.filePath(QStringLiteral("copy")));
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("h2"))));
        QVERIFY(boxes.shown.isEmpty());
    }

    // Nowhere to write: one Critical box naming the folder, no program directory and nothing
    // of the game left behind.
    void refusesToStartWithoutAWritableFolder_data() {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<bool>("installedData");
        QTest::addColumn<QString>("named");
        QTest::newRow("HOME under a file") << "file/home"
                                           << "" << true << "file/home";
        QTest::newRow("XDG_DATA_HOME is a file") << "home"
                                                 << "file" << true << "file/tarnwick";
        QTest::newRow("HOME read-only") << "readonly"
                                        << "" << true << "readonly";
        // Refused even to root, so this case runs wherever the tests do.
        QTest::newRow("XDG_DATA_HOME where nobody may create")
            << "home"
            << "/proc/tarnwick-data" << true << "/proc/tarnwick-data/tarnwick";
        QTest::newRow("no HOME") << ""
                                 << "" << true << "HOME";
        QTest::newRow("no installed data") << "home"
                                           << "" << false << "Res.pac";
    }
    void refusesToStartWithoutAWritableFolder() {
        QFETCH(QString, home);
        QFETCH(QString, xdg);
        QFETCH(bool, installedData);
        QFETCH(QString, named);
        if (home == QLatin1String("readonly") && ::geteuid() == 0)
            QSKIP("root writes to a read-only folder");
        QTemporaryDir root;
        const QString prefix = root.filePath(QStringLiteral("prefix"));
        if (installedData) shipVersion(prefix + QStringLiteral("/share/tarnwick"), "1");
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/bin")));
        QVERIFY(writeBytes(root.filePath(QStringLiteral("file")), "a file"));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("readonly"))));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("home"))));
        ::chmod(QFile::encodeName(root.filePath(QStringLiteral("readonly"))).constData(), 0555);
        const auto absolute = [&](const QString& p) {
            return p.isEmpty() || p.startsWith(QLatin1Char('/')) ? p : root.filePath(p);
        };
        const platform::PlaceFacts facts{
            prefix + QStringLiteral("/bin"), false, false, false, absolute(xdg), absolute(home)};
        platform::ScriptedBoxes boxes;
        const QString dir =
            openProgramDirectory(facts, platform::installedDataDirs(facts.exeDir), boxes);
        ::chmod(QFile::encodeName(root.filePath(QStringLiteral("readonly"))).constData(), 0755);

        QCOMPARE(dir, QString());
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].icon, platform::BoxIcon::Critical);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Tarnwick 2000"));
        QVERIFY2(boxes.shown[0].prompt.contains(named), qPrintable(boxes.shown[0].prompt));
        QCOMPARE(QDir(root.filePath(QStringLiteral("readonly")))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList());
        QCOMPARE(QDir(root.filePath(QStringLiteral("home")))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TestProgramHome)
#include "tst_programhome.moc"
