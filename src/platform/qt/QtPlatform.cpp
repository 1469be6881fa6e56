#include "platform/qt/QtPlatform.h"

#include "platform/DesktopUrl.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMediaDevices>
#include <QMessageBox>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace platform {

bool QtBoxes::askYesNo(QWidget* parent, const QString& prompt, const QString& title,
                       bool defaultNo) {
    const auto answer =
        QMessageBox::question(parent, title, prompt, QMessageBox::Yes | QMessageBox::No,
                              defaultNo ? QMessageBox::No : QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

void QtBoxes::message(QWidget* parent, const QString& text, const QString& title, BoxIcon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case BoxIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case BoxIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case BoxIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case BoxIcon::None:
        break;
    }
    box.exec();
}

QString QtBoxes::input(QWidget* parent, const QString& prompt, const QString& title,
                       const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QtSound::QtSound(int maxWaitMs) : maxWaitMs_(maxWaitMs) {}

QtSound::~QtSound() {
    stop();
}

void QtSound::stop() {
    if (sink_) sink_->stop();
    sink_.reset();
    samples_.reset();
}

bool QtSound::play(const QString& wavePath, bool wait) {
    // One read: what plays is what was checked, even if the file changes meanwhile.
    std::optional<Wave> wave = readWave(wavePath);
    if (!wave) return false;
    // A new sound cuts off the one playing, as the desktop's own sound call does.
    stop();
    const WaveInfo& info = wave->info;
    // Without an audio device there is nothing to start (and Qt would warn at every sound).
    if (info.dataBytes > 0 && !QMediaDevices::defaultAudioOutput().isNull()) {
        QAudioFormat format;
        format.setSampleRate(info.sampleRate);
        format.setChannelCount(info.channels);
        format.setSampleFormat(info.bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        samples_ = std::make_unique<QBuffer>();
        samples_->setData(std::move(wave->samples));
        samples_->open(QIODevice::ReadOnly);
        // A new sink each time, so a sound goes to the output that is the default now.
        sink_ = std::make_unique<QAudioSink>(format);
        sink_->start(samples_.get());
    }
    const int length = qMin(info.waitMs(), maxWaitMs_);
    if (wait && length > 0) {
        // The wait lasts the sound's own length. The sink's state is no guide to the end:
        // without an audio device it never plays, and with one it turns idle as the last
        // buffer is handed over, before it is heard. Our sounds end in a faded tail, so a late
        // start that the next sound cuts off loses nothing audible. Input is held back
        // meanwhile, as a blocking call would.
        QEventLoop loop;
        QTimer::singleShot(length, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return true;
}

bool QtShell::open(const QString& addressOrPath) {
    // Qt hands the URL to the desktop's opener as one argument: no shell parses it.
    const QUrl url = desktopUrl(addressOrPath);
    return url.isValid() && QDesktopServices::openUrl(url);
}

QtDesktop::QtDesktop() {
    auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &Desktop::displayChanged);
        connect(screen, &QScreen::geometryChanged, this, &Desktop::displayChanged);
    };
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (QScreen* s : app->screens())
            watch(s);
        connect(app, &QGuiApplication::screenAdded, this, [this, watch](QScreen* s) {
            watch(s);
            emit displayChanged();
        });
        // Queued: while the signal is sent the screen is still in the list.
        connect(app, &QGuiApplication::screenRemoved, this, &Desktop::displayChanged,
                Qt::QueuedConnection);
        connect(app, &QGuiApplication::primaryScreenChanged, this, &Desktop::displayChanged);
    }
}

QRect QtDesktop::workArea(const QWidget* window) const {
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

QString QtDesktop::systemName() const {
    return QSysInfo::prettyProductName();
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

QString SystemClock::shortDate(const QDate& date) const {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString SystemClock::timeText(const QTime& time) const {
    // The long format carries seconds; its time-zone part is not wanted in the log.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return time.toString(format.trimmed());
}

QChar SystemClock::decimalSeparator() const {
    const QString sep = QLocale::system().decimalPoint();
    return sep.isEmpty() ? QLatin1Char('.') : sep.at(0);
}

double MersenneRandom::next() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

} // namespace platform
