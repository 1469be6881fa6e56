// Sound effects: which file each number plays and whether the caller waits, the PlaySound
// switch and its picture, the reset of a new game, the generated wave files, and the real
// player's waiting play without an audio device.
#include "TestSupport.h"
#include "app/Resources.h"
#include "display/SoundEffects.h"
#include "platform/QtPlatform.h"
#include "platform/WaveFile.h"
#include "settings/Profile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

namespace {
const QString Options = QStringLiteral("Options");
const QString PlaySound = QStringLiteral("PlaySound");
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

// A 16-bit PCM wave file, read without the code under test.
struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    QByteArray data;
    qsizetype frames() const { return data.size() / 2; }
    qint16 at(qsizetype i) const { return qFromLittleEndian<qint16>(data.constData() + 2 * i); }
};
bool readWave(const QString& path, Wave& w) {
    const QByteArray b = readBytes(path);
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const char* p = b.constData() + at;
        const auto size = qsizetype(qFromLittleEndian<quint32>(p + 4));
        if (b.mid(at, 4) == "fmt " && size >= 16) {
            w.format = qFromLittleEndian<quint16>(p + 8);
            w.channels = qFromLittleEndian<quint16>(p + 10);
            w.rate = int(qFromLittleEndian<quint32>(p + 12));
            w.bits = qFromLittleEndian<quint16>(p + 22);
        } else if (b.mid(at, 4) == "data") {
            w.data = b.mid(at + 8, size);
            return w.data.size() == size;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

// A wave file with the given header fields, an optional chunk before the data, a declared
// data size and the bytes that are really there.
QByteArray waveBytes(quint16 channels, quint32 rate, quint16 bits, quint32 byteRate,
                     quint32 dataSize, qsizetype dataBytes, const QByteArray& extraChunk = {}) {
    QByteArray fmt(24, '\0');
    memcpy(fmt.data(), "fmt ", 4);
    qToLittleEndian<quint32>(16, fmt.data() + 4);
    qToLittleEndian<quint16>(1, fmt.data() + 8);
    qToLittleEndian<quint16>(channels, fmt.data() + 10);
    qToLittleEndian<quint32>(rate, fmt.data() + 12);
    qToLittleEndian<quint32>(byteRate, fmt.data() + 16);
    qToLittleEndian<quint16>(quint16(channels * bits / 8), fmt.data() + 20);
    qToLittleEndian<quint16>(bits, fmt.data() + 22);
    QByteArray data("data\0\0\0\0", 8);
    qToLittleEndian<quint32>(dataSize, data.data() + 4);
    QByteArray riff("RIFF\0\0\0\0WAVE", 12);
    return riff + fmt + extraChunk + data + QByteArray(dataBytes, '\0');
}

// A private PulseAudio server with a null sink, when PulseAudio is installed: with a device the
// player behaves differently (its end report comes early). It must start before the first
// sound is made, and it ends with the test, or by itself if the test dies.
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
} // namespace

class SoundsTest : public QObject {
    Q_OBJECT
private slots:
    void numbersChooseFileAndWaiting_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");
        for (int n = 1; n <= 8; ++n) {
            const QString file = QLatin1String(generated[n - 1]);
            QTest::addRow("%d", n) << n << file;
            QTest::addRow("%d", n + 100) << n + 100 << file + QStringLiteral(" wait");
        }
    }
    void numbersChooseFileAndWaiting() {
        QFETCH(int, number);
        QFETCH(QString, expected);
        Rig r;
        QCOMPARE(r.play(number), expected);
        QCOMPARE(r.sounds.number(), number);
    }

    void onlyTheTableHasFiles() {
        QCOMPARE(SoundEffects::fileOf(SoundEffects::Yatzy + SoundEffects::Waiting), "Yatzy.wav");
        for (int n : {0, 9, 100, 109, 200, -1, -101})
            QCOMPARE(SoundEffects::fileOf(n), "");
    }

    // A number without a sound keeps the file chosen last; above 100 it still waits.
    void otherNumbersReplayTheLastFile() {
        Rig r;
        QCOMPARE(r.play(5), "Yatzy.wav");
        QCOMPARE(r.play(0), "Yatzy.wav");
        QCOMPARE(r.play(100), "Yatzy.wav");
        QCOMPARE(r.play(109), "Yatzy.wav wait");
        QCOMPARE(r.play(-1), "Yatzy.wav");
        QCOMPARE(r.play(104), "Yahoo2.wav wait");
        QCOMPARE(r.sounds.currentName(), "Yahoo2.wav");
    }

    void restartForgetsTheFile() {
        Rig r;
        r.sounds.sndA(SoundEffects::Pop);
        r.sounds.reset();
        QCOMPARE(r.sounds.number(), 0);
        QCOMPARE(r.sounds.currentName(), "");
        // Nothing chosen: the platform is handed the bare directory, which does not play.
        QCOMPARE(r.play(0), "");
        QCOMPARE(r.sounds.currentName(), "");
    }

    void onlyExactlyYesPlays_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("icon");
        QTest::newRow("No") << "No" << resources::SoundOff;
        QTest::newRow("lower yes") << "yes" << resources::SoundOn;
        QTest::newRow("upper YES") << "YES" << resources::SoundOn;
        QTest::newRow("lower no") << "no" << resources::SoundOn;
        QTest::newRow("empty") << "" << resources::SoundOn;
        QTest::newRow("missing") << QString() << resources::SoundOn;
    }
    void onlyExactlyYesPlays() {
        QFETCH(QString, value);
        QFETCH(int, icon);
        Rig r(value);
        for (int n : {1, 4, 5, 8, 105, 106, 0})
            r.sounds.sndA(n);
        r.sounds.playRefused();
        r.sounds.playPageBeep();
        QVERIFY(r.played().isEmpty());
        // Silent calls choose no file either.
        QCOMPARE(r.sounds.currentName(), "");
        QCOMPARE(r.sounds.icon(), icon);
    }

    void switchIsReadAtStartUpOnly() {
        Rig r;
        QVERIFY(SetINI(Options, PlaySound, profile::No, r.t.ini()));
        QCOMPARE(r.play(1), "dice.wav");
        r.sounds.readSwitch();
        QCOMPARE(r.play(1), "-");
    }

    void fixedSoundsLeaveTheNumberedOnesAlone() {
        Rig r;
        r.sounds.sndA(SoundEffects::Dice);
        r.played().clear();
        r.sounds.playRefused();
        r.sounds.playPageBeep();
        QCOMPARE(r.played().size(), 3);
        QCOMPARE(r.played()[0].path, r.t.path("doink.wav"));
        QVERIFY(!r.played()[0].wait);
        QCOMPARE(r.played()[1].path, r.t.path("Beep.wav"));
        QVERIFY(r.played()[1].wait);
        QCOMPARE(r.played()[2].path, r.t.path("Beep.wav"));
        QVERIFY(!r.played()[2].wait);
        QCOMPARE(r.play(0), "dice.wav");
    }

    void soundPicClick_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("on") << QString("Yes") << QString("No");
        QTest::newRow("off") << QString("No") << QString("Yes");
        QTest::newRow("missing") << QString() << QString("No");
        QTest::newRow("lower yes") << QString("yes") << QString("No");
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

    void muteBoxSetsTheSwitch() {
        Rig r{QString()};
        QVERIFY(r.sounds.setSwitch(true));
        QCOMPARE(r.stored(), "Yes");
        QCOMPARE(r.play(6), "Laser.wav");
        QVERIFY(r.sounds.setSwitch(false));
        QCOMPARE(r.stored(), "No");
        QCOMPARE(r.sounds.icon(), resources::SoundOff);
        QCOMPARE(r.play(6), "-");
    }

    void unwritableProfileStillSwitchesForTheRun() {
        Rig r;
        QFile::remove(r.t.ini());
        QVERIFY(QDir(r.t.dir.path()).mkdir(QStringLiteral("Tarn.ini")));
        r.sounds.clickSoundPic();
        QCOMPARE(r.sounds.soundSwitch(), "No");
        QCOMPARE(r.play(1), "-");
        QVERIFY(!r.sounds.setSwitch(true));
        QCOMPARE(r.play(1), "dice.wav");
    }

    void generatedFilesAreCleanShortWaves() {
        qint64 total = 0;
        for (const char* name : generated) {
            const QString path = QDir(QStringLiteral(TARNWICK_PROGRAM_DIR)).filePath(name);
            Wave w;
            QVERIFY2(readWave(path, w), name);
            QCOMPARE(w.format, 1);
            QCOMPARE(w.channels, 1);
            QCOMPARE(w.bits, 16);
            QVERIFY(w.rate == 22050 || w.rate == 44100);
            const qint64 ms = w.frames() * 1000 / w.rate;
            QVERIFY2(ms >= 100 && ms <= 1500, name);
            QCOMPARE(waveDurationMs(path), int(ms));

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
        QVERIFY(readWave(QDir(QStringLiteral(TARNWICK_PROGRAM_DIR)).filePath("Beep.wav"), low));
        QVERIFY(readWave(QDir(QStringLiteral(TARNWICK_PROGRAM_DIR)).filePath("beep.wav"), high));
        QVERIFY(low.data != high.data);
    }

    void waveLengthOfOddFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("ms");
        QTest::newRow("mono 16-bit") << waveBytes(1, 22050, 16, 44100, 44100, 44100) << 1000;
        QTest::newRow("stereo 44.1k") << waveBytes(2, 44100, 16, 176400, 17640, 17640) << 100;
        QTest::newRow("8-bit") << waveBytes(1, 8000, 8, 8000, 4000, 4000) << 500;
        QTest::newRow("bogus byte rate") << waveBytes(1, 22050, 16, 1, 4410, 4410) << 100;
        QTest::newRow("cut short") << waveBytes(1, 22050, 16, 44100, 0xFFFFFFFF, 4410) << 100;
        QTest::newRow("odd chunk first")
            << waveBytes(1, 22050, 16, 44100, 4410, 4410, QByteArray("LIST\x03\0\0\0abc\0", 12))
            << 100;
        QTest::newRow("no channels") << waveBytes(0, 22050, 16, 44100, 4410, 4410) << -1;
        QTest::newRow("no rate") << waveBytes(1, 0, 16, 44100, 4410, 4410) << -1;
        QTest::newRow("huge chunk")
            << waveBytes(1, 22050, 16, 44100, 4410, 4410, QByteArray("junk\xFF\xFF\xFF\xFF", 8))
            << -1;
        QTest::newRow("header only") << QByteArray("RIFF\0\0\0\0WAVE", 12) << -1;
        QTest::newRow("not a wave") << QByteArray("RIFF\0\0\0\0AVI LIST") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
    }
    void waveLengthOfOddFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, ms);
        TestProgram t;
        QVERIFY(writeBytes(t.path("x.wav"), bytes));
        QCOMPARE(waveDurationMs(t.path("x.wav")), ms);
    }

    void missingOrDirectoryIsNoWave() {
        TestProgram t;
        QCOMPARE(waveDurationMs(t.path("none.wav")), -1);
        QCOMPARE(waveDurationMs(t.program->dir + QLatin1Char('/')), -1);
    }

    // The player's own end report is no guide (without an audio device it never comes; with
    // one it may come early): a waiting play lasts the sound's length, no more and no less.
    void realWaitingPlayLastsTheLength() {
        const QString beep = QDir(QStringLiteral(TARNWICK_PROGRAM_DIR)).filePath("beep.wav");
        const int length = waveDurationMs(beep);
        QVERIFY(length > 0);
        NullSink device;
        qInfo() << (device.ready ? "with a null audio device" : "without an audio device");
        platform::QtSound sound;
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
};

QTEST_MAIN(SoundsTest)
#include "tst_sounds.moc"
