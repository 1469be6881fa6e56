#include "platform/qt/QtPlatform.h"

#include "platform/DesktopUrl.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QSysInfo>
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

QString QtBoxes::openFile(QWidget* parent, const QString& title, const QString& directory,
                          const QStringList& filters) {
    return QFileDialog::getOpenFileName(parent, title, directory,
                                        filters.join(QStringLiteral(";;")));
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
