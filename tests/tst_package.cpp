// The resource package: reading its header and directory (good, damaged and hostile files),
// copying a file out in chunks, the names it will and will not write, the packer the build
// uses and the package it made, and the main window's unpacking at start-up and deleting on
// leaving through the record in Tarn.ini.
#include "TestSupport.h"
#include "core/Profile.h"
#include "package/UnPackage.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Bytes that differ from their neighbours, so a copy from the wrong place shows.
QByteArray pattern(qsizetype size, int seed) {
    QByteArray b(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        b[i] = char((i * 131 + seed * 17 + (i >> 8)) & 0xFF);
    return b;
}

QByteArray entry(quint8 nameLength, quint32 size) {
    QByteArray e(1, char(nameLength));
    for (int shift = 0; shift < 32; shift += 8)
        e += char((size >> shift) & 0xFF);
    return e;
}

QList<PackedFile> manyFiles(int count) {
    QList<PackedFile> files;
    for (int i = 0; i < count; ++i)
        files.append({"f" + QByteArray::number(i), QByteArray::number(i)});
    return files;
}

// Every file and folder under `root` with a digest of its contents, links not followed.
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> all;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        all[path] = info.isSymLink() ? "link:" + info.symLinkTarget().toUtf8()
                    : info.isDir()
                        ? QByteArray("dir")
                        : QCryptographicHash::hash(readBytes(path), QCryptographicHash::Sha1);
    }
    return all;
}

// A package file in a folder of its own, and a destination folder beside it.
struct Rig {
    Rig() {
        QDir(dir.path()).mkdir("out");
        QDir(dir.path()).mkdir("outside");
        u.Package(package());
        u.Destination(out());
    }
    QString package() const { return dir.filePath("Res.pac"); }
    QString out() const { return dir.filePath("out"); }
    QString out(const QString& name) const { return out() + '/' + name; }
    bool write(const QList<PackedFile>& files) const {
        return writeBytes(package(), packageBytes(files));
    }

    QTemporaryDir dir;
    clsUnPackage u;
};

// The window's game on a program directory holding `package` as Res.pac, leaving without a
// question.
struct Game : TestGame {
    explicit Game(const QByteArray& package, const std::function<void(TestProgram&)>& more = {})
        : TestGame("[Options]\r\nWarnExit=No\r\n", [&](TestProgram& t) {
              if (!package.isNull()) writeBytes(t.path("Res.pac"), package);
              if (more) more(t);
          }) {}
    QString record(const QString& key) const { return ini("Resources", key); }
    QStringList records(int count) const {
        QStringList names;
        for (int k = 1; k <= count; ++k)
            names << record("del" + QString::number(k));
        return names;
    }
    bool exists(const QString& name) const { return QFileInfo::exists(t.path(name)); }
    QByteArray bytes(const QString& name) const { return readBytes(t.path(name)); }
    QString errorShown() const {
        QWidget* pic = find("ErrorPic");
        return pic->isHidden() ? QString() : pic->toolTip();
    }
};

const QList<PackedFile> ThreeSounds{
    {"dice.wav", "dice"}, {"pop.wav", "pop pop"}, {"Laser.wav", "laser!"}};

} // namespace

class PackageTest : public QObject {
    Q_OBJECT

  private slots:
    // ---- The header and the directory ----

    void initialiseReadsTheDirectory_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        const QByteArray one = packageBytes({{"a.wav", "abc"}});
        QTest::newRow("one file") << one << 1;
        QTest::newRow("255 files") << packageBytes(manyFiles(255)) << 255;
        QTest::newRow("bytes 4 to 6 are not read") << QByteArray("LBFPxyz") + one.mid(7) << 1;
        QTest::newRow("bytes after the contents") << one + "more" << 1;
        QTest::newRow("an empty file in it") << packageBytes({{"e", ""}, {"f", "x"}}) << 2;
        QTest::newRow("a file without a name") << packageBytes({{"", "x"}}) << 1;
        QTest::newRow("wrong fourth byte") << "LBFQ" + one.mid(4) << 0;
        QTest::newRow("lower-case magic") << "lbfp" + one.mid(4) << 0;
        QTest::newRow("no files") << QByteArray("LBFP\0\0\0\0", 8) << 0;
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("magic only") << QByteArray("LBFP") << 0;
        QTest::newRow("header without the count") << QByteArray("LBFP\0\0\0", 7) << 0;
        const QByteArray two = packageBytes({{"a", "1"}, {"b", "2"}});
        QTest::newRow("directory cut short") << two.left(8 + 5 + 3) << 0;
        QTest::newRow("names cut short") << two.left(8 + 10 + 1) << 0;
        QTest::newRow("contents cut short") << two.chopped(1) << 0;
        QTest::newRow("negative size")
            << QByteArray("LBFP\0\0\0\1", 8) + entry(1, 0xFFFFFFFF) + "a" + "xxxx" << 0;
        QTest::newRow("size past the end")
            << QByteArray("LBFP\0\0\0\1", 8) + entry(1, 5) + "a" + "xxxx" << 0;
        QTest::newRow("largest size, tiny file")
            << QByteArray("LBFP\0\0\0\1", 8) + entry(1, 0x7FFFFFFF) + "a" + "x" << 0;
        // 255 sizes of 2^31 - 1 add up far beyond 32 bits.
        QByteArray big("LBFP\0\0\0\xFF", 8);
        for (int i = 0; i < 255; ++i)
            big += entry(1, 0x7FFFFFFF);
        QTest::newRow("sizes adding past 32 bits") << big + QByteArray(255, 'n') << 0;
    }
    void initialiseReadsTheDirectory() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        Rig r;
        QVERIFY(writeBytes(r.package(), bytes));
        QCOMPARE(r.u.NumberOfFiles(), 0);
        QCOMPARE(r.u.Initialise(), count > 0);
        QCOMPARE(r.u.NumberOfFiles(), count);
        // A second reading of the same file finds the same.
        QCOMPARE(r.u.Initialise(), count > 0);
        QCOMPARE(r.u.NumberOfFiles(), count);
    }

    void initialiseNeedsARegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("read");
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("fifo") << "fifo" << false;
        QTest::newRow("device") << "device" << false;
        QTest::newRow("link to a package") << "link" << true;
    }
    void initialiseNeedsARegularFile() {
        QFETCH(QString, kind);
        QFETCH(bool, read);
        Rig r;
        const QString good = r.dir.filePath("good.pac");
        writeBytes(good, packageBytes({{"a", "b"}}));
        if (kind == "folder") QVERIFY(QDir().mkdir(r.package()));
        if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(r.package()).constData(), 0600), 0);
        if (kind == "device") QVERIFY(QFile::link("/dev/zero", r.package()));
        if (kind == "link") QVERIFY(QFile::link(good, r.package()));
        QCOMPARE(r.u.Initialise(), read); // and a fifo does not hold it
        QCOMPARE(r.u.NumberOfFiles(), read ? 1 : 0);
    }

    void aFailedReadingForgetsTheLastOne() {
        Rig r;
        r.write({{"a", "1"}, {"b", "2"}});
        QVERIFY(r.u.Initialise());
        writeBytes(r.package(), "LBFQ");
        QVERIFY(!r.u.Initialise());
        QCOMPARE(r.u.NumberOfFiles(), 0);
        QCOMPARE(r.u.GetFilename(0), "1");
        QVERIFY(!r.u.ExtractFile("a"));
        QVERIFY(!QFileInfo::exists(r.out("a")));
    }

    void fileNames_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << "dice.wav";
        QTest::newRow("Windows-1252") << 1 << QString::fromUtf8("\u20ACuro \u00E9t\u00E9");
        QTest::newRow("last") << 2 << "Pop.WAV";
        QTest::newRow("one past the last") << 3 << "1";
        QTest::newRow("negative") << -1 << "1";
        QTest::newRow("far out") << 255 << "1";
    }
    void fileNames() {
        QFETCH(int, number);
        QFETCH(QString, name);
        Rig r;
        r.write({{"dice.wav", "1"}, {"\x80uro \xE9t\xE9", "2"}, {"Pop.WAV", "3"}});
        QCOMPARE(r.u.GetFilename(number), "1"); // nothing is known before reading
        QVERIFY(r.u.Initialise());
        QCOMPARE(r.u.GetFilename(number), name);
    }

    // ---- Copying a file out ----

    void bufferSizes_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("size");
        QTest::newRow("2048") << "2048" << 2048;
        QTest::newRow("one byte") << "1" << 1;
        QTest::newRow("blanks around") << " 512 " << 512;
        QTest::newRow("largest 16-bit") << "32767" << 32767;
        QTest::newRow("0 is the default") << "0" << 2048;
        QTest::newRow("empty") << "" << 2048;
        QTest::newRow("not a number") << "big" << 2048;
        QTest::newRow("number and text") << "12k" << 2048;
        QTest::newRow("negative") << "-100" << 2048;
        QTest::newRow("past 16 bits") << "32768" << 2048;
        QTest::newRow("far past 16 bits") << "99999999999" << 2048;
    }
    void bufferSizes() {
        QFETCH(QString, given);
        QFETCH(int, size);
        clsUnPackage u;
        QCOMPARE(u.bufferSize(), 2048);
        u.Buffer(given);
        QCOMPARE(u.bufferSize(), size);
    }

    // The file between two others, so that a chunk read from the wrong place, one too many or
    // one too few shows in the bytes or the size.
    void copiesInChunks_data() {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << "2048" << 0;
        QTest::newRow("one byte") << "2048" << 1;
        QTest::newRow("one short of a chunk") << "2048" << 2047;
        QTest::newRow("exactly a chunk") << "2048" << 2048;
        QTest::newRow("a chunk and a byte") << "2048" << 2049;
        QTest::newRow("exactly three chunks") << "2048" << 6144;
        QTest::newRow("many chunks and a part") << "2048" << 1'000'003;
        QTest::newRow("one-byte chunks") << "1" << 1000;
        QTest::newRow("odd chunks, exact") << "7" << 21;
        QTest::newRow("odd chunks, past") << "7" << 22;
        QTest::newRow("largest chunks") << "32767" << 70'000;
        // Chunks move a block of about a megabyte at a time.
        QTest::newRow("exactly a block") << "2048" << 1024 * 1024;
        QTest::newRow("blocks and a part") << "2048" << 3 * 1024 * 1024 + 5;
        QTest::newRow("odd chunks past a block") << "7" << 1024 * 1024 + 3;
    }
    void copiesInChunks() {
        QFETCH(QString, buffer);
        QFETCH(int, size);
        Rig r;
        const QByteArray wanted = pattern(size, 2);
        r.write({{"before", pattern(4099, 1)}, {"x.wav", wanted}, {"after", pattern(3, 3)}});
        r.u.Buffer(buffer);
        QVERIFY(r.u.Initialise());
        // A file already there, longer than the copy, is replaced as a whole.
        writeBytes(r.out("x.wav"), QByteArray(size + 10, 'z'));
        QVERIFY(r.u.ExtractFile("x.wav"));
        QCOMPARE(QFileInfo(r.out("x.wav")).size(), qint64(size));
        QVERIFY(readBytes(r.out("x.wav")) == wanted);
        QCOMPARE(QFileInfo(r.out("x.wav")).permissions() & QFileDevice::ReadOwner,
                 QFileDevice::ReadOwner);
        // Only the file asked for, and no temporary beside it.
        QCOMPARE(QDir(r.out()).entryList(QDir::Files | QDir::Hidden), QStringList{"x.wav"});
    }

    void extractingReadsThePackageFirst() {
        Rig r;
        r.write(ThreeSounds);
        QVERIFY(r.u.ExtractFile("pop.wav"));
        QCOMPARE(r.u.NumberOfFiles(), 3);
        QCOMPARE(readBytes(r.out("pop.wav")), "pop pop");

        Rig bad;
        writeBytes(bad.package(), "LBFQ");
        QVERIFY(!bad.u.ExtractFile("pop.wav"));
        QCOMPARE(bad.u.NumberOfFiles(), 0);
    }

    void namesMatchIgnoringCase_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QByteArray>("bytes"); // empty: not found
        QTest::newRow("as stored") << "Dice.WAV" << QByteArray("dice");
        QTest::newRow("lower case") << "dice.wav" << QByteArray("dice");
        QTest::newRow("upper case") << "DICE.WAV" << QByteArray("dice");
        QTest::newRow("accented letters")
            << QString::fromUtf8("\u00C9t\u00E9.wav") << QByteArray("summer");
        QTest::newRow("no such file") << "dice.wa" << QByteArray();
        QTest::newRow("a blank more") << "Dice.WAV " << QByteArray();
        // Of several files of the same name, the last one.
        QTest::newRow("last of the same name") << "pop.wav" << QByteArray("third");
    }
    void namesMatchIgnoringCase() {
        QFETCH(QString, asked);
        QFETCH(QByteArray, bytes);
        Rig r;
        r.write({{"Dice.WAV", "dice"},
                 {"pop.wav", "first"},
                 {"\xC9T\xC9.wav", "summer"},
                 {"POP.wav", "second"},
                 {"Pop.Wav", "third"}});
        QCOMPARE(r.u.ExtractFile(asked), !bytes.isEmpty());
        // Written under the name as asked, and under no other.
        const QStringList written = QDir(r.out()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(written, bytes.isEmpty() ? QStringList() : QStringList{asked});
        if (!bytes.isEmpty()) QCOMPARE(readBytes(r.out(asked)), bytes);
    }

    void destinationForms_data() {
        QTest::addColumn<QString>("given");
        QTest::newRow("no separator") << "out";
        QTest::newRow("separator") << "out/";
        QTest::newRow("trailing blanks") << "out   ";
        QTest::newRow("separator and blanks") << "out/  ";
        QTest::newRow("doubled separator") << "out//";
    }
    void destinationForms() {
        QFETCH(QString, given);
        Rig r;
        r.write(ThreeSounds);
        r.u.Destination(r.dir.filePath(given));
        QVERIFY(r.u.ExtractFile("pop.wav"));
        QCOMPARE(readBytes(r.out("pop.wav")), "pop pop");
        QCOMPARE(QDir(r.dir.path()).entryList(QDir::Files), QStringList{"Res.pac"});
        QVERIFY(r.u.Remove("pop.wav"));
        QVERIFY(!QFileInfo::exists(r.out("pop.wav")));
    }

    // Names that could reach outside the destination, or be taken there for another name, are
    // never written nor removed, whether asked for or stored.
    void hostileNamesAreNeverWritten_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("parent") << QByteArray("../x.wav");
        QTest::newRow("parent's parent") << QByteArray("../../x.wav");
        QTest::newRow("absolute") << QByteArray("/ABSOLUTE/x.wav");
        QTest::newRow("into a folder") << QByteArray("a/b");
        QTest::newRow("backslash") << QByteArray("a\\b");
        QTest::newRow("backslash parent") << QByteArray("..\\x.wav");
        QTest::newRow("dot") << QByteArray(".");
        QTest::newRow("dot dot") << QByteArray("..");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("tab") << QByteArray("a\tb");
        QTest::newRow("new line") << QByteArray("a\nb");
        QTest::newRow("escape") << QByteArray("\x1B[2Jx");
        QTest::newRow("delete") << QByteArray("x\x7F");
        QTest::newRow("zero byte") << QByteArray("x\0y", 3);
    }
    void hostileNamesAreNeverWritten() {
        QFETCH(QByteArray, name);
        Rig r;
        QDir(r.out()).mkdir("a"); // so "a/b" would have somewhere to go
        const QString absolute = r.dir.filePath("outside");
        name.replace("/ABSOLUTE", QFile::encodeName(absolute));
        const QString asked = QString::fromLatin1(name);
        // A victim for removal where the name would lead.
        writeBytes(r.dir.filePath("x.wav"), "victim");
        writeBytes(r.dir.filePath("outside/x.wav"), "victim");
        r.write({{"safe.wav", "s"}, {name, "hostile"}});
        QVERIFY(r.u.Initialise());
        QCOMPARE(r.u.GetFilename(1), asked);
        const auto before = snapshot(r.dir.path());

        QVERIFY(!isSafeName(asked));
        QVERIFY(!r.u.ExtractFile(asked));
        QVERIFY(!r.u.ExtractFile(r.u.GetFilename(1)));
        QVERIFY(!r.u.Remove(asked));
        QCOMPARE(snapshot(r.dir.path()), before);
        QCOMPARE(r.u.ExtractFile("safe.wav"), true); // the rest of the package still works
    }

    void safeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "dice.wav";
        QTest::newRow("dots inside") << "..x..";
        QTest::newRow("leading dot") << ".hidden";
        QTest::newRow("three dots") << "...";
        QTest::newRow("blanks") << " a b ";
        QTest::newRow("Latin-1 and C1 range") << QString::fromUtf8("\u00E9\u0081\u20AC");
    }
    void safeNames() {
        QFETCH(QString, name);
        QVERIFY(isSafeName(name));
        Rig r;
        QByteArray stored;
        for (const QChar c : name)
            stored += c == QChar(0x20AC) ? '\x80' : char(c.unicode());
        r.write({{stored, "ok"}});
        QVERIFY(r.u.ExtractFile(name));
        QCOMPARE(readBytes(r.out(name)), "ok");
    }

    // A link at the target is replaced by the file; what it pointed to stays as it was.
    void linksAtTheTargetAreReplaced_data() {
        QTest::addColumn<QString>("points");
        QTest::newRow("to a file outside") << "outside/victim.txt";
        QTest::newRow("nowhere") << "outside/none.txt";
        QTest::newRow("to a folder outside") << "outside";
    }
    void linksAtTheTargetAreReplaced() {
        QFETCH(QString, points);
        Rig r;
        r.write(ThreeSounds);
        writeBytes(r.dir.filePath("outside/victim.txt"), "keep");
        QVERIFY(QFile::link(r.dir.filePath(points), r.out("pop.wav")));
        QVERIFY(r.u.ExtractFile("pop.wav"));
        QVERIFY(!QFileInfo(r.out("pop.wav")).isSymLink());
        QCOMPARE(readBytes(r.out("pop.wav")), "pop pop");
        QCOMPARE(readBytes(r.dir.filePath("outside/victim.txt")), "keep");
        QCOMPARE(QDir(r.dir.filePath("outside")).entryList(QDir::Files), QStringList{"victim.txt"});

        // Removing a link removes the link alone.
        QFile::remove(r.out("pop.wav"));
        QVERIFY(QFile::link(r.dir.filePath(points), r.out("pop.wav")));
        QVERIFY(r.u.Remove("pop.wav"));
        QVERIFY(!QFileInfo(r.out("pop.wav")).isSymLink());
        QCOMPARE(readBytes(r.dir.filePath("outside/victim.txt")), "keep");
        QVERIFY(QFileInfo(r.dir.filePath("outside")).isDir());
    }

    void failedCopiesLeaveNothing_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("package cut after reading") << "cut";
        QTest::newRow("destination missing") << "no destination";
        QTest::newRow("folder at the target") << "folder";
        QTest::newRow("destination read-only") << "read-only";
    }
    void failedCopiesLeaveNothing() {
        QFETCH(QString, damage);
        Rig r;
        r.write({{"a.wav", pattern(10'000, 1)}, {"b.wav", pattern(50'000, 2)}});
        QVERIFY(r.u.Initialise());
        if (damage == "cut") QVERIFY(QFile::resize(r.package(), QFileInfo(r.package()).size() - 1));
        if (damage == "no destination") r.u.Destination(r.dir.filePath("gone"));
        if (damage == "folder") QVERIFY(QDir(r.out()).mkdir("b.wav"));
        if (damage == "read-only") {
            if (::geteuid() == 0) QSKIP("root writes to a read-only folder");
            QVERIFY(QFile::setPermissions(r.out(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const auto before = snapshot(r.dir.path());
        QVERIFY(!r.u.ExtractFile("b.wav"));
        QFile::setPermissions(r.out(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        QCOMPARE(snapshot(r.dir.path()), before);
        if (damage == "cut") QVERIFY(r.u.ExtractFile("a.wav")); // untouched by the cut
    }

    // ---- The packer and the package the build made ----

    void packerRoundTrip() {
        QTemporaryDir d;
        const QList<std::pair<QString, QByteArray>> files{
            {"dice.wav", pattern(3000, 1)},
            {QString::fromUtf8("\u20ACt\u00E9.wav"), "euro"},
            {"empty", ""},
            {"big.wav", pattern(300'001, 4)}};
        QStringList args{d.filePath("Res.pac")};
        for (const auto& [name, bytes] : files) {
            writeBytes(d.filePath(name), bytes);
            args << d.filePath(name);
        }
        QCOMPARE(QProcess::execute(TARNWICK_PACK, args), 0);
        QCOMPARE(readBytes(d.filePath("Res.pac")).left(8), QByteArray("LBFP\0\0\0\4", 8));
        QCOMPARE(readBytes(d.filePath("Res.pac")).mid(8 + 20 + 8, 7), "\x80t\xE9.wav");

        clsUnPackage u;
        u.Package(d.filePath("Res.pac"));
        QDir(d.path()).mkdir("out");
        u.Destination(d.filePath("out"));
        QVERIFY(u.Initialise());
        QCOMPARE(u.NumberOfFiles(), files.size());
        for (int i = 0; i < files.size(); ++i) {
            QCOMPARE(u.GetFilename(i), files[i].first);
            QVERIFY(u.ExtractFile(files[i].first));
            QVERIFY(readBytes(d.filePath("out/" + files[i].first)) == files[i].second);
        }
    }

    void packerRefuses_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("no files") << QStringList() << 2 << "usage";
        QTest::newRow("256 files") << QStringList{"many"} << 1 << "at most 255";
        QTest::newRow("not in Windows-1252")
            << QStringList{"a.wav", QString::fromUtf8("\u0416.wav")} << 1 << "Windows-1252";
        QTest::newRow("backslash") << QStringList{"a\\b.wav"} << 1 << "backslash";
        QTest::newRow("control character") << QStringList{"a\tb.wav"} << 1 << "control";
        QTest::newRow("same name but for case")
            << QStringList{"beep.wav", "sub/Beep.wav"} << 1 << "letter case";
        QTest::newRow("missing") << QStringList{"gone.wav"} << 1 << "not a regular file";
        QTest::newRow("folder") << QStringList{"sub"} << 1 << "not a regular file";
        QTest::newRow("over 2^31 - 1 bytes") << QStringList{"huge.wav"} << 1 << "larger than";
    }
    void packerRefuses() {
        QFETCH(QStringList, names);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir d;
        QDir(d.path()).mkdir("sub");
        writeBytes(d.filePath("Res.pac"), "the old package");
        QStringList args{d.filePath("Res.pac")};
        for (const QString& name : names) {
            if (name == "many") {
                for (int i = 0; i < 256; ++i) {
                    writeBytes(d.filePath(QString::number(i)), "x");
                    args << d.filePath(QString::number(i));
                }
                continue;
            }
            if (name == "huge.wav") {
                writeBytes(d.filePath(name), "");
                QVERIFY(QFile::resize(d.filePath(name), qint64(1) << 31)); // sparse: no disk
            } else if (name != "gone.wav" && name != "sub") {
                writeBytes(d.filePath(name), "x");
            }
            args << d.filePath(name);
        }
        QProcess p;
        p.start(TARNWICK_PACK, args);
        QVERIFY(p.waitForFinished(20'000));
        QCOMPARE(p.exitCode(), exitCode);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains(said), qPrintable(err));
        // The old package stays, and nothing half-written is left beside it.
        QCOMPARE(readBytes(d.filePath("Res.pac")), "the old package");
        QCOMPARE(QDir(d.path()).entryList({"Res.pac*"}, QDir::Files | QDir::Hidden),
                 QStringList{"Res.pac"});
    }

    // The build packs every sound but Beep.wav, which stays loose: beep.wav is in the package,
    // and names are matched ignoring case.
    void theBuildsPackage() {
        clsUnPackage u;
        u.Package(TARNWICK_PROGRAM_DIR "/Res.pac");
        QTemporaryDir d;
        u.Destination(d.path());
        QVERIFY(u.Initialise());
        const QStringList sounds{"dice.wav",  "points.wav", "Bonus.wav", "Yahoo2.wav", "Yatzy.wav",
                                 "Laser.wav", "beep.wav",   "pop.wav",   "doink.wav"};
        QStringList names;
        for (int i = 0; i < u.NumberOfFiles(); ++i)
            names << u.GetFilename(i);
        QCOMPARE(names, sounds);
        for (const QString& name : sounds) {
            QVERIFY(u.ExtractFile(name));
            QVERIFY2(readBytes(d.filePath(name)) == readBytes(TARNWICK_SOUND_DIR "/" + name),
                     qPrintable(name));
        }
        QCOMPARE(readBytes(TARNWICK_PROGRAM_DIR "/Beep.wav"),
                 readBytes(TARNWICK_SOUND_DIR "/Beep.wav"));
        QVERIFY(readBytes(d.filePath("beep.wav")) != readBytes(TARNWICK_SOUND_DIR "/Beep.wav"));
    }

    // ---- Unpacking at start-up and deleting on leaving ----

    void unpackedAtStartDeletedOnLeaving() {
        Game g(packageBytes(ThreeSounds));
        QCOMPARE(g.bytes("dice.wav"), "dice");
        QCOMPARE(g.bytes("pop.wav"), "pop pop");
        QCOMPARE(g.bytes("Laser.wav"), "laser!");
        QCOMPARE(g.record("del"), "3");
        QCOMPARE(g.records(3), (QStringList{"dice.wav", "pop.wav", "Laser.wav"}));
        QVERIFY(g.boxes().shown.isEmpty());
        QCOMPARE(g.errorShown(), QString());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(g.said, QStringList{"Welcome"});

        g.click("Avsluta");
        QCOMPARE(g.t.quitCalls, 1);
        for (const char* name : {"dice.wav", "pop.wav", "Laser.wav"})
            QVERIFY2(!g.exists(name), name);
        QCOMPARE(g.record("del"), "0");
        QCOMPARE(g.records(3), (QStringList{"", "", ""}));
        QCOMPARE(g.errorShown(), QString());
        QVERIFY(g.log().isEmpty());
        // Only what was unpacked is gone.
        for (const char* name : {"Tarn.ini", "Res.pac", "Test.lan"})
            QVERIFY2(g.exists(name), name);
    }

    void aLongerRecordIsReplaced() {
        // A record left by a run that never reached its end, of a longer package.
        Game g(packageBytes({{"a.wav", "new"}}), [](TestProgram& t) {
            SetINI("Resources", "del", "2", t.ini());
            SetINI("Resources", "del1", "old1.wav", t.ini());
            SetINI("Resources", "del2", "old2.wav", t.ini());
            writeBytes(t.path("a.wav"), "stale");
        });
        QCOMPARE(g.bytes("a.wav"), "new");
        QCOMPARE(g.record("del"), "1");
        QCOMPARE(g.records(2), (QStringList{"a.wav", "old2.wav"}));
        g.click("Avsluta");
        QVERIFY(!g.exists("a.wav"));
        QCOMPARE(g.record("del"), "0");
        QCOMPARE(g.errorShown(), QString());
    }

    // Both files of one name are unpacked, the later one's bytes each time; leaving deletes
    // the file at the first and then finds nothing at the second.
    void sameNameTwice_data() {
        QTest::addColumn<QByteArray>("second");
        QTest::newRow("same letters") << QByteArray("x.wav");
        QTest::newRow("other case") << QByteArray("X.WAV");
    }
    void sameNameTwice() {
        QFETCH(QByteArray, second);
        Game g(packageBytes({{"x.wav", "earlier"}, {second, "later"}}));
        QCOMPARE(g.bytes("x.wav"), "later");
        QCOMPARE(g.bytes(second), "later");
        QCOMPARE(g.records(2), (QStringList{"x.wav", second}));
        g.click("Avsluta");
        QVERIFY(!g.exists("x.wav"));
        if (second == "x.wav") {
            QCOMPARE(g.errorShown(), "Error 53: File not found");
            QCOMPARE(g.records(2), (QStringList{"", "x.wav"}));
            QCOMPARE(g.record("del"), "2");
        } else {
            QVERIFY(!g.exists(second));
            QCOMPARE(g.record("del"), "0");
        }
    }

    // A name that is not unpacked is not recorded either; the package's other files are.
    void namesNeverUnpacked_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("parent") << QByteArray("../x.wav");
        QTest::newRow("absolute") << QByteArray("/tmp/x.wav");
        QTest::newRow("folder") << QByteArray("sub/x.wav");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("the profile") << QByteArray("Tarn.ini");
        QTest::newRow("the profile, other case") << QByteArray("TARN.INI");
        QTest::newRow("the log") << QByteArray("Tarn.log");
        QTest::newRow("the package") << QByteArray("Res.pac");
        QTest::newRow("the program")
            << QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        QTest::newRow("the sound module") << QByteArray("libtarnwick_sound.so");
        QTest::newRow("a versioned library") << QByteArray("libasound.so.2");
        QTest::newRow("Qt's configuration") << QByteArray("QT.conf");
        // It decides what an installed game's next version may replace.
        QTest::newRow("the record of installed files") << QByteArray(".SHIPPED");
        QTest::newRow("leading blank") << QByteArray(" x.wav");
        QTest::newRow("quoted") << QByteArray("\"x.wav\"");
    }
    void namesNeverUnpacked() {
        QFETCH(QByteArray, name);
        QByteArray profileBefore;
        QString root;
        Game g(packageBytes({{"a.wav", "a"}, {name, "hostile"}, {"b.wav", "b"}}),
               [&](TestProgram& t) {
                   QDir(t.dir.path()).mkdir("sub");
                   root = t.dir.path();
               });
        QCOMPARE(g.records(3), (QStringList{"a.wav", "b.wav", ""}));
        QCOMPARE(g.record("del"), "2");
        QVERIFY(!readBytes(g.t.ini()).contains("hostile"));
        QVERIFY(!QFileInfo::exists(QFileInfo(root).dir().filePath("x.wav")) ||
                readBytes(QFileInfo(root).dir().filePath("x.wav")) != "hostile");
        QVERIFY(!QFileInfo::exists(root + "/sub/x.wav"));
        for (const QString& file : QDir(root).entryList(QDir::Files | QDir::Hidden))
            QVERIFY2(readBytes(root + '/' + file) != "hostile", qPrintable(file));
        QCOMPARE(g.errorShown(), QString());
        g.click("Avsluta");
        QCOMPARE(g.record("del"), "0");
        QVERIFY(!g.exists("a.wav") && !g.exists("b.wav"));
        QVERIFY(g.exists("Tarn.ini") && g.exists("Res.pac"));
    }

    // An unpacking killed half-way leaves its temporary; the next start clears it once it is
    // a minute old, and never a fresh one (another copy of the game may be unpacking).
    void staleUnpackingIsCleared() {
        Game g(packageBytes(ThreeSounds), [](TestProgram& t) {
            for (const char* name : {".unpacking.Ab12Cd", ".unpacking.Fresh1"}) {
                QFile f(t.path(name));
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write("half") == 4 && f.flush());
                if (name[11] == 'A')
                    f.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                  QFileDevice::FileModificationTime);
            }
        });
        QVERIFY(!g.exists(".unpacking.Ab12Cd"));
        QVERIFY(g.exists(".unpacking.Fresh1"));
    }

    void vanishedFileStopsTheDeleting() {
        Game g(packageBytes(ThreeSounds));
        QVERIFY(QFile::remove(g.t.path("pop.wav")));
        g.click("Avsluta");
        QCOMPARE(g.t.quitCalls, 1); // the program still ends
        QVERIFY(!g.exists("dice.wav"));
        QVERIFY(g.exists("Laser.wav"));
        QCOMPARE(g.records(3), (QStringList{"", "pop.wav", "Laser.wav"}));
        QCOMPARE(g.record("del"), "3");
        QCOMPARE(g.errorShown(), "Error 53: File not found");
        QVERIFY(g.log().endsWith("  Error 53: File not found.\r\n"));
    }

    // A record in Tarn.ini is read as hostile: what it names is deleted only inside the program
    // directory, and never the program's own files.
    void hostileRecords_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("error");
        const QString e53 = "Error 53: File not found";
        QTest::newRow("up and out") << "1" << QStringList{"../OUTSIDE_DIR/outside.txt"}
                                    << QStringList{"../OUTSIDE_DIR/outside.txt"} << e53;
        QTest::newRow("absolute") << "1" << QStringList{"OUTSIDE_DIR/outside.txt"}
                                  << QStringList{"OUTSIDE_DIR/outside.txt"} << e53;
        QTest::newRow("into a folder")
            << "1" << QStringList{"sub/in.txt"} << QStringList{"sub/in.txt"} << e53;
        QTest::newRow("the profile after a sound")
            << "2" << QStringList{"a.wav", "Tarn.ini"} << QStringList{"", "Tarn.ini"} << e53;
        QTest::newRow("the package")
            << "1" << QStringList{"Res.pac"} << QStringList{"Res.pac"} << e53;
        QTest::newRow("a folder") << "1" << QStringList{"sub"} << QStringList{"sub"}
                                  << "Error 75: Path/File access error";
        QTest::newRow("count past the keys")
            << "9223372036854775807" << QStringList{"a.wav"} << QStringList{""} << e53;
        QTest::newRow("negative count")
            << "-3" << QStringList{"a.wav"} << QStringList{"a.wav"} << "";
        QTest::newRow("count not a number")
            << "two" << QStringList{"a.wav"} << QStringList{"a.wav"} << "";
    }
    void hostileRecords() {
        QFETCH(QString, count);
        QFETCH(QStringList, names);
        QFETCH(QStringList, after);
        QFETCH(QString, error);
        // A folder beside the program directory, with a file in it.
        QTemporaryDir outside;
        writeBytes(outside.filePath("outside.txt"), "keep");
        Game g(packageBytes({{"a.wav", "a"}}));
        const QString dir = g.t.dir.path();
        QDir(dir).mkdir("sub");
        writeBytes(dir + "/sub/in.txt", "keep");
        const QByteArray package = g.bytes("Res.pac");
        const QString up = QFileInfo(outside.path()).fileName();
        for (QStringList* list : {&names, &after})
            for (QString& n : *list)
                n.replace("../OUTSIDE_DIR", "../" + up).replace("OUTSIDE_DIR", outside.path());
        SetINI("Resources", "del", count, g.t.ini());
        for (int k = 1; k <= names.size(); ++k)
            SetINI("Resources", "del" + QString::number(k), names[k - 1], g.t.ini());

        g.click("Avsluta");
        QCOMPARE(g.records(names.size()), after);
        QCOMPARE(g.errorShown(), error);
        QCOMPARE(g.record("del"), error.isEmpty() ? "0" : count);
        QCOMPARE(readBytes(outside.filePath("outside.txt")), "keep");
        QCOMPARE(readBytes(dir + "/sub/in.txt"), "keep");
        QCOMPARE(g.bytes("Res.pac"), package);
        QCOMPARE(g.ini("Options", "WarnExit"), "No"); // Tarn.ini is whole
    }

    void linksInTheRecordAreDeletedNotFollowed() {
        QTemporaryDir outside;
        writeBytes(outside.filePath("victim.wav"), "keep");
        Game g(packageBytes({{"a.wav", "a"}}));
        QVERIFY(QFile::remove(g.t.path("a.wav")));
        QVERIFY(QFile::link(outside.filePath("victim.wav"), g.t.path("a.wav")));
        g.click("Avsluta");
        QVERIFY(!QFileInfo(g.t.path("a.wav")).isSymLink());
        QCOMPARE(readBytes(outside.filePath("victim.wav")), "keep");
        QCOMPARE(g.record("del"), "0");
        QCOMPARE(g.errorShown(), QString());
    }

    void packageNotFound_data() {
        QTest::addColumn<QByteArray>("package"); // null: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("wrong magic") << QByteArray("LBFQ\0\0\0\1", 8) + entry(1, 0) + "a";
        QTest::newRow("cut short") << packageBytes(ThreeSounds).chopped(1);
        QTest::newRow("empty") << QByteArray("");
    }
    void packageNotFound() {
        QFETCH(QByteArray, package);
        Game g(package, [&](TestProgram& t) {
            if (package.isNull()) QFile::remove(t.path("Res.pac"));
            SetINI("Resources", "del", "1", t.ini());
            SetINI("Resources", "del1", "kept.wav", t.ini());
        });
        QCOMPARE(g.boxes().shown.size(), 1);
        const platform::RecordedBox& box = g.boxes().shown[0];
        QCOMPARE(box.kind, platform::RecordedBox::Message);
        QCOMPARE(box.prompt, "Specified package not found.");
        QCOMPARE(box.title, "Tarnwick 2000");
        QCOMPARE(box.icon, platform::BoxIcon::Warning);
        QCOMPARE(g.record("del"), "1");
        QCOMPARE(g.record("del1"), "kept.wav");
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(g.errorShown(), QString());
        QCOMPARE(g.said, QStringList{"Welcome"}); // the game starts all the same
    }

    void recordThatCannotBeWritten() {
        Game g(packageBytes(ThreeSounds), [](TestProgram& t) {
            QVERIFY(QFile::setPermissions(t.ini(), QFileDevice::ReadOwner));
        });
        QCOMPARE(g.bytes("pop.wav"), "pop pop");
        QCOMPARE(g.errorShown(), "Error 75: Path/File access error, Unpack function");
        QVERIFY(g.log().endsWith("  Error 75: Path/File access error, Unpack function.\r\n"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QFile::setPermissions(g.t.ini(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

QTEST_MAIN(PackageTest)
#include "tst_package.moc"
