#pragma once
// The real platform: Qt message boxes, the sound module loaded when first needed,
// QDesktopServices, the primary screen, the system clock and locale, a Mersenne Twister and
// mail through libcurl.
#include "platform/Platform.h"
#include "platform/qt/LazyMail.h"
#include "platform/qt/LazySound.h"

#include <random>

namespace platform {

class QtBoxes : public Boxes {
  public:
    bool askYesNo(QWidget* parent, const QString& prompt, const QString& title,
                  bool defaultNo) override;
    void message(QWidget* parent, const QString& text, const QString& title, BoxIcon icon) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    QString openFile(QWidget* parent, const QString& title, const QString& directory,
                     const QStringList& filters) override;
};

class QtShell : public Shell {
  public:
    bool open(const QString& addressOrPath) override;
};

class QtDesktop : public Desktop {
    Q_OBJECT
  public:
    QtDesktop();
    QRect workArea(const QWidget* window) const override;
    QString systemName() const override;
};

class SystemClock : public Clock {
  public:
    QDateTime now() const override;
    QString shortDate(const QDate& date) const override;
    QString timeText(const QTime& time) const override;
    QChar decimalSeparator() const override;
};

class MersenneRandom : public Random {
  public:
    void seed(quint32 value) override { engine_.seed(value); }
    double next() override;

  private:
    std::mt19937 engine_{std::random_device{}()};
};

// Owns one of each and hands them out as a Platform.
class QtPlatform {
  public:
    Platform platform() { return {boxes, sound, shell, desktop, clock, random, mail}; }

    QtBoxes boxes;
    LazySound sound;
    QtShell shell;
    QtDesktop desktop;
    SystemClock clock;
    MersenneRandom random;
    LazyMail mail;
};

} // namespace platform
