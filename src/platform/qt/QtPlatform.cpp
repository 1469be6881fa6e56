#include "platform/qt/QtPlatform.h"

#include "platform/WaveFile.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QSoundEffect>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

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

QtSound::QtSound() : effect_(std::make_unique<QSoundEffect>()) {}
QtSound::~QtSound() = default;

bool QtSound::play(const QString& wavePath, bool wait) {
    // Qt's wave loader believes the header (a data size past the end hangs it for good), so it
    // gets only files our check passed, and a waiting play lasts at most a few seconds.
    const std::optional<WaveInfo> info = readWaveInfo(wavePath);
    if (!info) return false;
    const int length = info->waitMs();
    // A new sound cuts off the one playing, as the desktop's own sound call does.
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(wavePath));
    effect_->play();
    if (wait && length > 0) {
        // The wait lasts the sound's own length. The effect's end report cannot be trusted:
        // without an audio device it never comes, and with one it may come long before the end
        // (as the last buffer is queued) or not at all when a file is played twice in a row. Our
        // sounds end in a faded tail, so a late start that the next sound cuts off loses nothing
        // audible. Input is held back meanwhile, as a blocking call would.
        QEventLoop loop;
        QTimer::singleShot(length, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return true;
}

bool QtShell::open(const QString& addressOrPath) {
    const QUrl url = addressOrPath.contains(QLatin1String("://"))
                         ? QUrl(addressOrPath)
                         : QUrl::fromLocalFile(addressOrPath);
    return QDesktopServices::openUrl(url);
}

QtDesktop::QtDesktop() {
    auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &Desktop::displayChanged);
    };
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (QScreen* s : app->screens())
            watch(s);
        connect(app, &QGuiApplication::screenAdded, this, [this, watch](QScreen* s) {
            watch(s);
            emit displayChanged();
        });
        connect(app, &QGuiApplication::primaryScreenChanged, this, &Desktop::displayChanged);
    }
}

QRect QtDesktop::workArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
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
