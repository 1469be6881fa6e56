// Sound effects: which file each number plays and whether the caller waits, the PlaySound
// switch and its picture, the reset of a new game, the generated wave files, the check that
// keeps damaged and hostile wave files from the player, the real player's waiting play, and
// the loading of that player from the sound module.
#include "TestProgram.h"
#include "core/Profile.h"
#include "platform/WaveFile.h"
#include "platform/qt/LazySound.h"
#include "rules/sound/SoundNumbers.h"
#include "ui/Resources.h"
#include "ui/SoundEffects.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

#include <atomic>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
const QString Options = QStringLiteral("Options");
const QString PlaySound = QStringLiteral("PlaySound");
// The wave files as the build makes them, before all but Beep.wav are packed into Res.pac.
QString soundFile(const char* name) {
    return QStringLiteral(TARNWICK_SOUND_DIR "/") + QLatin1String(name);
}

// The real player, from the module the build lays into the program directory.
struct RealSound : platform::LazySound {
    explicit RealSound(int maxWaitMs = platform::MaxWaveWaitMs)
        : LazySound(QStringLiteral(TARNWICK_SOUND_MODULE), maxWaitMs) {}
};
const char* const generated[] = {"dice.wav",  "points.wav", "Bonus.wav", "Yahoo2.wav", "Yatzy.wav",
                                 "Laser.wav", "beep.wav",   "pop.wav",   "doink.wav",  "Beep.wav"};

// A program whose PlaySound is `value` (null: no key at all), read as at start-up.
struct Rig {
    explicit Rig(const QString& value = profile::Yes) {
        if (!value.isNull()) SetINI(Options, PlaySound, value, t.ini());
        sounds.readSwitch();
    }
    QList<platform::PlayedSound>& played() { return t.scripted.sound.played; }
    QString stored() const { return GetINI(Options, PlaySound, t.ini()); }
    // Plays `number` and answers the file name and waiting flag it played, or "-" for none.
    QString play(int number) {
        played().clear();
        sounds.sndA(number);
        if (played().isEmpty()) return QStringLiteral("-");
        const QString name = played()[0].path.mid(t.program->dir.size() + 1);
        return played()[0].wait ? name + QStringLiteral(" wait") : name;
    }

    TestProgram t;
    SoundEffects sounds{*t.program};
};

// A 16-bit PCM wave file as our generator writes it, read without the code under test.
struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    QByteArray data;
    qsizetype frames() const { return data.size() / 2; }
    qint16 at(qsizetype i) const { return qFromLittleEndian<qint16>(data.constData() + 2 * i); }
};
bool readWave(const QString& path, Wave& w) {
    const QByteArray b = readBytes(path);
    const qsizetype fmt = b.indexOf("fmt "), data = b.indexOf("data");
    if (!b.startsWith("RIFF") || b.mid(8, 4) != "WAVE" || fmt < 0 || data < fmt) return false;
    w.format = qFromLittleEndian<quint16>(b.constData() + fmt + 8);
    w.channels = qFromLittleEndian<quint16>(b.constData() + fmt + 10);
    w.rate = int(qFromLittleEndian<quint32>(b.constData() + fmt + 12));
    w.bits = qFromLittleEndian<quint16>(b.constData() + fmt + 22);
    w.data = b.mid(data + 8, qFromLittleEndian<quint32>(b.constData() + data + 4));
    return w.data.size() == qFromLittleEndian<quint32>(b.constData() + data + 4);
}

// A RIFF chunk, padded to an even size.
QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray out(id, 4);
    const quint32 size = qToLittleEndian(quint32(body.size()));
    out.append(reinterpret_cast<const char*>(&size), 4).append(body);
    return body.size() % 2 ? out + '\0' : out;
}

// The samples of a built wave file: neighbours differ, so a shifted start shows.
QByteArray samplePattern(qsizetype n) {
    QByteArray out(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i)
        out[i] = char(i % 251 + 1);
    return out;
}

// A wave file built field by field, so that a row damages just one of them. The derived fields
// (block align, byte rate, the sizes) agree with the rest unless a row sets them.
struct WaveHeader {
    quint16 format = 1, channels = 1;
    quint32 rate = 22050;
    quint16 bits = 16;
    qint64 byteRate = -1, blockAlign = -1;
    int fmtSize = 16;    // bytes of the fmt chunk: cut short below 16, zeros above
    QByteArray before{}; // chunks between fmt and data
    const char* dataId = "data";
    qint64 dataClaim = -1;      // the size the data chunk claims
    qsizetype dataBytes = 4410; // the samples really there
    QByteArray after{};         // chunks after the data (a pad byte first when it is odd)
    qint64 riffExtra = 0;       // added to the RIFF's true size
    bool dataFirst = false;

    QByteArray fmtBody() const {
        const quint16 align = blockAlign < 0 ? quint16(channels * bits / 8) : quint16(blockAlign);
        QByteArray b;
        QDataStream s(&b, QIODevice::WriteOnly);
        s.setByteOrder(QDataStream::LittleEndian);
        s << format << channels << rate << quint32(byteRate < 0 ? rate * align : byteRate) << align
          << bits;
        return (b + QByteArray(qMax(0, fmtSize - 16), '\0')).left(fmtSize);
    }
    QByteArray bytes() const {
        QByteArray data(dataId, 4);
        const quint32 claim = qToLittleEndian(quint32(dataClaim < 0 ? dataBytes : dataClaim));
        data.append(reinterpret_cast<const char*>(&claim), 4).append(samplePattern(dataBytes));
        if (dataBytes % 2 && !after.isEmpty()) data += '\0';
        const QByteArray fmt = chunk("fmt ", fmtBody());
        const QByteArray body = "WAVE" + (dataFirst ? data + fmt : fmt + before + data) + after;
        const quint32 riff = qToLittleEndian(quint32(body.size() + riffExtra));
        return QByteArray("RIFF").append(reinterpret_cast<const char*>(&riff), 4) + body;
    }
};

// What the check found, in one line; "-" when it refused the file.
QString describe(const std::optional<platform::WaveInfo>& w) {
    if (!w) return QStringLiteral("-");
    QString text = QStringLiteral("%1ch %2Hz %3bit %4B %5ms")
                       .arg(w->channels)
                       .arg(w->sampleRate)
                       .arg(w->bits)
                       .arg(w->dataBytes)
                       .arg(w->durationMs);
    if (w->waitMs() != w->durationMs) text += QStringLiteral(" wait %1ms").arg(w->waitMs());
    return text;
}

// Every few seconds, opens and closes the writing end of a fifo: a reader stuck in opening it
// then gets an empty file, so a blocking read fails the test by name instead of hanging it.
class FifoRescue {
  public:
    explicit FifoRescue(const QString& path) : path_(QFile::encodeName(path)) {}
    ~FifoRescue() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    bool rescued() const { return rescued_; }

  private:
    void run() {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::seconds(3), [this] { return done_; })) {
            // Opening for writing without blocking succeeds only while a reader waits.
            const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                rescued_ = true;
                ::close(fd);
            }
        }
    }

    QByteArray path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::atomic<bool> rescued_{false};
    std::thread thread_{[this] { run(); }};
};

// A private PulseAudio server with a null sink, when PulseAudio is installed: with a device the
// player behaves differently (its end report comes early). It must start before the first
// sound is made, so it lives for the whole test program, and it ends with it, or by itself if
// the program dies.
struct NullSink {
    NullSink() {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (server.isEmpty() || !runtime.isValid()) return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        process.setProcessEnvironment(env);
        process.start(server, {"-n", "--daemonize=no", "--exit-idle-time=10",
                               "--load=module-null-sink sink_name=nullsink",
                               "--load=module-native-protocol-unix"});
        const QString socket = runtime.filePath(QStringLiteral("pulse/native"));
        for (int i = 0; i < 50 && !QFile::exists(socket); ++i)
            QTest::qWait(50);
        ready = QFile::exists(socket);
        if (ready) qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    ~NullSink() {
        process.kill();
        process.waitForFinished(2000);
    }

    QTemporaryDir runtime;
    QProcess process;
    bool ready = false;
};

// Counts the warnings logged while it lives, and passes them on.
struct WarningLog {
    WarningLog() {
        lines.clear();
        previous = qInstallMessageHandler(record);
    }
    ~WarningLog() { qInstallMessageHandler(previous); }
    static void record(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg) lines << text;
        if (previous) previous(type, context, text);
    }
    static inline QStringList lines;
    static inline QtMessageHandler previous = nullptr;
};
} // namespace

class SoundsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<NullSink> device_;

  private slots:
    void initTestCase() {
        device_ = std::make_unique<NullSink>();
        qInfo() << (device_->ready ? "with a null audio device" : "without an audio device");
    }

    void numberedSounds() {
        Rig r;
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(r.play(n), QLatin1String(generated[n - 1]));
            QCOMPARE(r.play(n + 100), QLatin1String(generated[n - 1]) + " wait");
            QCOMPARE(r.sounds.number(), n + 100);
        }
        // A number without a sound replays the file chosen last; above 100 it still waits.
        for (int n : {0, 9, 100, -1, -101})
            QCOMPARE(r.play(n), "pop.wav");
        for (int n : {109, 200})
            QCOMPARE(r.play(n), "pop.wav wait");
        QCOMPARE(r.play(104), "Yahoo2.wav wait");
        QCOMPARE(r.sounds.currentName(), "Yahoo2.wav");
        QCOMPARE(QLatin1String(sound::fileOf(9)), QString());

        // The fixed sounds leave the numbered ones alone.
        r.played().clear();
        r.sounds.playRefused();
        r.sounds.playPageBeep();
        QStringList played;
        for (const platform::PlayedSound& p : r.played())
            played << p.path.mid(r.t.program->dir.size() + 1) + (p.wait ? " wait" : "");
        QCOMPARE(played, (QStringList{"doink.wav", "Beep.wav wait", "Beep.wav"}));
        QCOMPARE(r.play(0), "Yahoo2.wav");

        // A new game forgets the file: the platform is handed the bare directory.
        r.sounds.reset();
        QCOMPARE(r.sounds.number(), 0);
        QCOMPARE(r.play(0), "");
        QCOMPARE(r.sounds.currentName(), "");
    }

    void onlyExactlyYesPlays() {
        for (const QString& value : QStringList{"No", "yes", "YES", "no", "", QString()}) {
            Rig r(value);
            for (int n : {1, 4, 5, 8, 105, 106, 0})
                r.sounds.sndA(n);
            r.sounds.playRefused();
            r.sounds.playPageBeep();
            QVERIFY(r.played().isEmpty());
            QCOMPARE(r.sounds.currentName(), ""); // silent calls choose no file either
            // Only exactly "No" shows the switch off.
            QCOMPARE(r.sounds.icon(), value == "No" ? resources::SoundOff : resources::SoundOn);
        }
    }

    void switchIsReadAtStartUpAndWrittenAtEveryChange() {
        Rig r;
        QVERIFY(SetINI(Options, PlaySound, profile::No, r.t.ini()));
        QCOMPARE(r.play(1), "dice.wav");
        r.sounds.readSwitch();
        QCOMPARE(r.play(1), "-");
        // The Mute box.
        QVERIFY(r.sounds.setSwitch(true));
        QCOMPARE(r.stored(), "Yes");
        QCOMPARE(r.play(6), "Laser.wav");
        QVERIFY(r.sounds.setSwitch(false));
        QCOMPARE(r.stored(), "No");
        QCOMPARE(r.sounds.icon(), resources::SoundOff);
        QCOMPARE(r.play(6), "-");
        // A switch that cannot be written still holds for the run.
        QFile::remove(r.t.ini());
        QVERIFY(QDir(r.t.dir.path()).mkdir(QStringLiteral("Tarn.ini")));
        r.sounds.clickSoundPic();
        QCOMPARE(r.sounds.soundSwitch(), "Yes");
        QCOMPARE(r.play(1), "dice.wav");
        QVERIFY(!r.sounds.setSwitch(false));
        QCOMPARE(r.play(1), "-");
    }

    // A click turns "No" into "Yes" and anything else into "No".
    void soundPicClick_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("Yes") << "Yes" << "No";
        QTest::newRow("No") << "No" << "Yes";
        QTest::newRow("yes") << "yes" << "No";
        QTest::newRow("no key") << QString() << "No";
        // clang-format on
    }
    void soundPicClick() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        Rig r(before);
        QLabel soundPic;
        r.sounds.clickSoundPic(&soundPic);
        QCOMPARE(r.sounds.soundSwitch(), after);
        QCOMPARE(r.stored(), after);
        const int icon = after == "No" ? resources::SoundOff : resources::SoundOn;
        QCOMPARE(r.sounds.icon(), icon);
        QCOMPARE(soundPic.pixmap().toImage(), resources::iconPixmap(icon).toImage());
        QCOMPARE(r.play(2), after == "Yes" ? "points.wav" : "-");
    }

    void generatedFilesAreCleanShortWaves() {
        qint64 total = 0;
        for (const char* name : generated) {
            const QString path = soundFile(name);
            Wave w;
            QVERIFY2(readWave(path, w), name);
            QCOMPARE(w.format, 1);
            QCOMPARE(w.channels, 1);
            QCOMPARE(w.bits, 16);
            QVERIFY(w.rate == 22050 || w.rate == 44100);
            const qint64 ms = w.frames() * 1000 / w.rate;
            QVERIFY2(ms >= 100 && ms <= 1500, name);
            QCOMPARE(
                describe(platform::readWaveInfo(path)),
                QStringLiteral("1ch %1Hz 16bit %2B %3ms").arg(w.rate).arg(w.data.size()).arg(ms));

            // Faded ends, no clipping, no DC, and not too quiet.
            QCOMPARE(w.at(0), qint16(0));
            QCOMPARE(w.at(w.frames() - 1), qint16(0));
            int peak = 0;
            double sum = 0;
            for (qsizetype i = 0; i < w.frames(); ++i) {
                peak = qMax(peak, qAbs(int(w.at(i))));
                sum += w.at(i);
            }
            QVERIFY2(peak > 32768 / 4 && peak < 32768 * 9 / 10, name);
            QVERIFY2(qAbs(sum / w.frames()) < 32768 * 0.002, name);
            total += w.data.size();
        }
        QVERIFY(total < 512 * 1024);

        // Two files whose names differ only in case, and two different beeps.
        Wave low, high;
        QVERIFY(readWave(soundFile("Beep.wav"), low));
        QVERIFY(readWave(soundFile("beep.wav"), high));
        QVERIFY(low.data != high.data);
    }

    // Only plain PCM passes, and only when every size in it lies within the file: a damaged
    // file froze the game in Qt's wave loader, and a valid header with a tiny rate held a
    // waiting play for hours. A refused file is never played; a waiting play stops at the cap.
    void waveChecks_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("found");
        using H = WaveHeader;
        const QByteArray list = chunk("LIST", "abc"), fact = chunk("fact", QByteArray(4, '\x10'));
        const QByteArray valid = H{}.bytes();
        const auto row = [](const char* name, const H& h, const char* found) {
            QTest::newRow(name) << h.bytes() << QString::fromLatin1(found);
        };
        // A cut-off file whose RIFF size was made to fit, so that the chunks themselves run out.
        const auto cut = [&valid](qsizetype n) {
            const quint32 size = qToLittleEndian(quint32(n - 8));
            return valid.left(n).replace(4, 4, reinterpret_cast<const char*>(&size), 4);
        };
        const char* const tenth = "1ch 22050Hz 16bit 4410B 100ms";
        // clang-format off
        row("8-bit mono", H{.rate = 8000, .bits = 8, .dataBytes = 4000}, "1ch 8000Hz 8bit 4000B 500ms");
        row("16-bit mono", H{.dataBytes = 44100}, "1ch 22050Hz 16bit 44100B 1000ms");
        row("8-bit stereo", H{.channels = 2, .bits = 8}, "2ch 22050Hz 8bit 4410B 100ms");
        row("16-bit stereo", H{.channels = 2, .rate = 44100, .dataBytes = 17640}, "2ch 44100Hz 16bit 17640B 100ms");
        row("lowest rate", H{.rate = 8000, .dataBytes = 1600}, "1ch 8000Hz 16bit 1600B 100ms");
        row("highest rate", H{.rate = 96000, .dataBytes = 19200}, "1ch 96000Hz 16bit 19200B 100ms");
        row("odd chunk padded", H{.before = list}, tenth);
        row("extra chunks", H{.before = fact + list + chunk("junk", {})}, tenth);
        row("fmt of 18 bytes", H{.fmtSize = 18}, tenth);
        row("chunk after data", H{.after = list}, tenth);
        row("odd data, no pad", H{.rate = 8000, .bits = 8, .dataBytes = 4001}, "1ch 8000Hz 8bit 4001B 500ms");
        row("odd data, pad, chunk", H{.rate = 8000, .bits = 8, .dataBytes = 4001, .after = list}, "1ch 8000Hz 8bit 4001B 500ms");
        row("cut-off last frame", H{.channels = 2, .dataBytes = 4413}, "2ch 22050Hz 16bit 4412B 50ms");
        row("no samples", H{.dataBytes = 0}, "1ch 22050Hz 16bit 0B 0ms");
        row("at the wait cap", H{.rate = 8000, .bits = 8, .dataBytes = 40000}, "1ch 8000Hz 8bit 40000B 5000ms");
        row("over the wait cap", H{.rate = 8000, .bits = 8, .dataBytes = 40008}, "1ch 8000Hz 8bit 40008B 5001ms wait 5000ms");

        row("data claims 0xFFFFFFFF", H{.dataClaim = 0xFFFFFFFF, .dataBytes = 1000}, "-");
        row("data claims a byte more", H{.dataClaim = 4411}, "-");
        row("RIFF claims a byte more", H{.riffExtra = 1}, "-");
        row("chunk past the end", H{.before = QByteArray("junk\xFF\xFF\xFF\xFF", 8)}, "-");
        row("fmt too short", H{.fmtSize = 14}, "-");
        row("float samples", H{.format = 3, .bits = 32}, "-");
        row("extensible format", H{.format = 0xFFFE}, "-");
        row("0 Hz", H{.rate = 0}, "-");
        row("1 Hz", H{.rate = 1}, "-");
        row("7999 Hz", H{.rate = 7999}, "-");
        row("96001 Hz", H{.rate = 96001}, "-");
        row("200000 Hz", H{.rate = 200000}, "-");
        row("no channels", H{.channels = 0}, "-");
        row("3 channels", H{.channels = 3, .dataBytes = 4410 * 3}, "-");
        row("12 bits", H{.bits = 12}, "-");
        row("24 bits", H{.bits = 24, .dataBytes = 4410 * 3}, "-");
        row("32 bits", H{.bits = 32}, "-");
        row("wrong block align", H{.blockAlign = 4}, "-");
        row("wrong byte rate", H{.byteRate = 1}, "-");
        row("no data chunk", H{.dataId = "DATA"}, "-");
        row("data before fmt", H{.dataFirst = true}, "-");
        row("two fmt chunks", H{.before = chunk("fmt ", H{.rate = 8000}.fmtBody())}, "-");
        row("RIFF ends in the data", H{.riffExtra = -2}, "-");
        QTest::newRow("bytes after the RIFF") << valid + "junk" << tenth;
        QTest::newRow("truncated header") << valid.left(40) << "-";
        QTest::newRow("cut in the fmt chunk") << cut(30) << "-";
        QTest::newRow("cut in a chunk header") << cut(40) << "-";
        QTest::newRow("RIFF and WAVE only") << QByteArray("RIFF\4\0\0\0WAVE", 12) << "-";
        QTest::newRow("not RIFF") << "RIFX" + valid.mid(4) << "-";
        QTest::newRow("not WAVE") << valid.left(8) + "AVI " + valid.mid(12) << "-";
        QTest::newRow("empty file") << QByteArray() << "-";
        // clang-format on
    }
    void waveChecks() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, found);
        TestProgram t;
        const QString path = t.path(QStringLiteral("dice.wav"));
        QVERIFY(writeBytes(path, bytes));
        QCOMPARE(describe(platform::parseWave(bytes)), found);
        QCOMPARE(describe(platform::readWaveInfo(path)), found);
        if (const std::optional<platform::Wave> wave = platform::readWave(path))
            QCOMPARE(wave->samples, samplePattern(wave->info.dataBytes));
        // The real player: a refused file plays nothing, and a waiting play ends at the cap.
        RealSound sound(20);
        QCOMPARE(sound.play(path, true), found != "-");
    }

    // What lies at the path is too large to read, or no file at all.
    void wavePaths_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("found");
        // clang-format off
        QTest::newRow("16 MiB") << "16 MiB" << "1ch 8000Hz 8bit 16777172B 2097146ms wait 5000ms";
        QTest::newRow("a byte over 16 MiB") << "16 MiB + 1" << "-";
        QTest::newRow("17 MiB") << "17 MiB" << "-";
        QTest::newRow("link to a wave") << "link" << "1ch 22050Hz 16bit 4410B 100ms";
        QTest::newRow("dangling link") << "dangling" << "-";
        QTest::newRow("directory") << "directory" << "-";
        QTest::newRow("missing file") << "missing" << "-";
        // clang-format on
    }
    void wavePaths() {
        QFETCH(QString, kind);
        QFETCH(QString, found);
        TestProgram t;
        const QString path = t.path(QStringLiteral("dice.wav"));
        const QString other = t.path(QStringLiteral("other.wav"));
        if (kind.contains("MiB")) {
            // Sparse: the header claims all of it as samples, and the rest reads as zeros.
            const qint64 size =
                (kind.startsWith("17") ? 17 : 16) * 1024 * 1024 + kind.endsWith('1');
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const WaveHeader h{.rate = 8000,
                               .bits = 8,
                               .dataClaim = size - 44,
                               .dataBytes = 0,
                               .riffExtra = size - 44};
            QCOMPARE(f.write(h.bytes()), 44);
            QVERIFY(f.resize(size));
        } else if (kind == "link" || kind == "dangling") {
            if (kind == "link") QVERIFY(writeBytes(other, WaveHeader{}.bytes()));
            QVERIFY(QFile::link(other, path));
        } else if (kind == "directory") {
            QVERIFY(QDir().mkdir(path));
        }
        QCOMPARE(describe(platform::readWaveInfo(path)), found);
        RealSound sound(20);
        QCOMPARE(sound.play(path, true), found != "-");
        QCOMPARE(sound.play(path, false), found != "-");
    }

    // A fifo in place of a wave file would hold open() until something wrote to it: it reads as
    // missing, and the real player skips it at once.
    void fifoInPlaceOfAWave() {
        TestProgram t;
        const QString path = t.path(QStringLiteral("dice.wav"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const FifoRescue rescue(path);
        RealSound sound;
        QVERIFY(!platform::readWaveInfo(path));
        QVERIFY(!sound.play(path, true));
        QVERIFY(!sound.play(path, false));
        QVERIFY2(!rescue.rescued(), "a read blocked on the fifo");
    }

    // The player's own end report is no guide (without an audio device it never comes; with
    // one it may come early): a waiting play lasts the sound's length, no more and no less.
    void realWaitingPlayLastsTheLength() {
        const QString beep = soundFile("beep.wav");
        const std::optional<platform::WaveInfo> info = platform::readWaveInfo(beep);
        QVERIFY(info && info->durationMs > 0);
        const int length = info->durationMs;
        RealSound sound;
        QVERIFY(sound.preload()); // loading the module is no part of any wait
        QElapsedTimer clock;
        for (int round = 0; round < 2; ++round) { // the first play also loads the file
            clock.start();
            QVERIFY(sound.play(beep, true));
            const qint64 waited = clock.elapsed();
            QVERIFY2(waited >= length - 2 && waited <= length + 150, QByteArray::number(waited));
        }
        clock.start();
        QVERIFY(sound.play(beep, false));
        QVERIFY(!sound.play(beep + QStringLiteral(".missing"), true));
        QVERIFY(!sound.play(QStringLiteral(TARNWICK_PROGRAM_DIR "/"), true));
        QVERIFY2(clock.elapsed() < 100, QByteArray::number(clock.elapsed()));
    }

    // The game looks for its sound module where the build lays it out, beside the executable.
    void programModuleIsWhereTheBuildPutsIt() {
        const QString module = platform::LazySound::programModulePath();
        QVERIFY(QDir::isAbsolutePath(module));
        const QString relative =
            QDir(QCoreApplication::applicationDirPath()).relativeFilePath(module);
        QCOMPARE(QDir::cleanPath(QStringLiteral(TARNWICK_PROGRAM_DIR "/") + relative),
                 QDir::cleanPath(QStringLiteral(TARNWICK_SOUND_MODULE)));
    }

    // An installed program finds it in lib/tarnwick beside bin, and only after the build's place.
    void programModuleOfAnInstallation() {
        const QStringList paths = platform::LazySound::programModulePaths();
        const QString name = QFileInfo(QStringLiteral(TARNWICK_SOUND_MODULE)).fileName();
        const QDir bin(QCoreApplication::applicationDirPath());
        QCOMPARE(paths.size(), 2);
        QCOMPARE(bin.relativeFilePath(paths[0]),
                 QDir::cleanPath(QStringLiteral(TARNWICK_SOUND_MODULE_DIR "/") + name));
        QCOMPARE(bin.relativeFilePath(paths[1]),
                 QDir::cleanPath(QStringLiteral(TARNWICK_MODULE_FROM_BIN "/") + name));
        QVERIFY(paths[1].endsWith(QStringLiteral("/tarnwick/") + name));
    }

    // The module loads once, whether the first call is the early load or a sound, and a second
    // early load neither loads it again nor makes another player.
    void moduleLoadsOnce() {
        const QString beep = soundFile("beep.wav");
        RealSound early;
        QCOMPARE(early.loadAttempts(), 0);
        QVERIFY(early.preload());
        QVERIFY(early.preload());
        QVERIFY(early.play(beep, false));
        QCOMPARE(early.loadAttempts(), 1);

        RealSound late;
        QVERIFY(late.play(beep, true));
        QVERIFY(!late.play(beep + QStringLiteral(".missing"), false));
        QVERIFY(late.preload());
        QCOMPARE(late.loadAttempts(), 1);
    }

    // Without a usable module the game plays on in silence: one warning, then every sound
    // answers false at once, without another try.
    void withoutTheModule_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("not a library") << "not a library";
        QTest::newRow("library without the factory") << "no factory";
        QTest::newRow("relative path") << "relative";
    }
    void withoutTheModule() {
        QFETCH(QString, kind);
        TestProgram t;
        QString module = t.path(QStringLiteral("libtarnwick_sound.so"));
        if (kind == "not a library") {
            QVERIFY(writeBytes(module, "\x7f"
                                       "ELF but no more"));
        } else if (kind == "no factory") {
            module = QLibraryInfo::path(QLibraryInfo::LibrariesPath) +
                     QStringLiteral("/libQt6Test.so.6");
            QVERIFY2(QFile::exists(module), qPrintable(module));
        } else if (kind == "relative") {
            // Never searched for: a relative name would be looked up on the library path.
            module = QStringLiteral("libtarnwick_sound.so");
        }
        const QString beep = soundFile("beep.wav");
        const WarningLog warnings;
        platform::LazySound sound(module, 20);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!sound.play(beep, true)); // the first sound tries the module itself
        QVERIFY(!sound.preload());
        QVERIFY(!sound.play(beep, false));
        QVERIFY(!sound.play(beep, true));
        QVERIFY2(clock.elapsed() < 100, QByteArray::number(clock.elapsed()));
        QCOMPARE(sound.loadAttempts(), 1);
        QCOMPARE(warnings.lines.size(), 1);
        QVERIFY2(warnings.lines[0].contains(QLatin1String("without sound")),
                 qPrintable(warnings.lines[0]));
    }
};

QTEST_MAIN(SoundsTest)
#include "tst_sounds.moc"
