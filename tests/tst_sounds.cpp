// Sound effects: which file each number plays and whether the caller waits, the PlaySound
// switch and its picture, the reset of a new game, the generated wave files, and the real
// player's waiting play without an audio device.
#include "TestProgram.h"
#include "core/Profile.h"
#include "platform/WaveFile.h"
#include "platform/qt/QtPlatform.h"
#include "rules/sound/SoundNumbers.h"
#include "ui/Resources.h"
#include "ui/SoundEffects.h"

#include <QDataStream>
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
QString programFile(const char* name) {
    return QStringLiteral(TARNWICK_PROGRAM_DIR "/") + QLatin1String(name);
}
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

// A wave file with the given header fields, an optional chunk before the data, a declared
// data size and the bytes that are really there.
QByteArray waveBytes(quint16 channels, quint32 rate, quint16 bits, quint32 byteRate,
                     quint32 dataSize, qsizetype dataBytes, const QByteArray& extraChunk = {}) {
    QByteArray out("RIFF\0\0\0\0WAVEfmt ", 16);
    QDataStream s(&out, QIODevice::Append);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint32(16) << quint16(1) << channels << rate << byteRate << quint16(channels * bits / 8)
      << bits;
    s.writeRawData(extraChunk.constData(), int(extraChunk.size()));
    s.writeRawData("data", 4);
    s << dataSize;
    return out + QByteArray(dataBytes, '\0');
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
            const QString path = programFile(name);
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
        QVERIFY(readWave(programFile("Beep.wav"), low));
        QVERIFY(readWave(programFile("beep.wav"), high));
        QVERIFY(low.data != high.data);
    }

    void waveLengthOfOddFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("ms");
        const QByteArray list("LIST\x03\0\0\0abc\0", 12), junk("junk\xFF\xFF\xFF\xFF", 8);
        QTest::newRow("mono 16-bit") << waveBytes(1, 22050, 16, 44100, 44100, 44100) << 1000;
        QTest::newRow("stereo 44.1k") << waveBytes(2, 44100, 16, 176400, 17640, 17640) << 100;
        QTest::newRow("8-bit") << waveBytes(1, 8000, 8, 8000, 4000, 4000) << 500;
        QTest::newRow("bogus byte rate") << waveBytes(1, 22050, 16, 1, 4410, 4410) << 100;
        QTest::newRow("cut short") << waveBytes(1, 22050, 16, 44100, 0xFFFFFFFF, 4410) << 100;
        QTest::newRow("odd chunk first") << waveBytes(1, 22050, 16, 44100, 4410, 4410, list) << 100;
        QTest::newRow("no channels") << waveBytes(0, 22050, 16, 44100, 4410, 4410) << -1;
        QTest::newRow("no rate") << waveBytes(1, 0, 16, 44100, 4410, 4410) << -1;
        QTest::newRow("huge chunk") << waveBytes(1, 22050, 16, 44100, 4410, 4410, junk) << -1;
        QTest::newRow("header only") << QByteArray("RIFF\0\0\0\0WAVE", 12) << -1;
        QTest::newRow("not a wave") << QByteArray("RIFF\0\0\0\0AVI LIST") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
    }
    void waveLengthOfOddFiles() {
        QFETCH(QByteArray, bytes);
        TestProgram t;
        QVERIFY(writeBytes(t.path("x.wav"), bytes));
        QTEST(waveDurationMs(t.path("x.wav")), "ms");
    }

    void waveLengthWithoutAFile() {
        TestProgram t;
        QCOMPARE(waveDurationMs(t.path("none.wav")), -1);
        QCOMPARE(waveDurationMs(t.program->dir + QLatin1Char('/')), -1);
    }

    // The player's own end report is no guide (without an audio device it never comes; with
    // one it may come early): a waiting play lasts the sound's length, no more and no less.
    void realWaitingPlayLastsTheLength() {
        const QString beep = programFile("beep.wav");
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
