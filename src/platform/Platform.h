#pragma once
// Our stand-ins for the desktop facilities the game relies on. The program wires the real
// implementations (QtPlatform.h); tests wire the scripted ones (ScriptedPlatform.h).
#include <QDateTime>
#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace platform {

enum class BoxIcon { None, Information, Warning, Critical, Question };

// Modal boxes. Prompts and titles come from the language texts.
class Boxes {
  public:
    virtual ~Boxes() = default;
    // Yes/No question; `defaultNo` makes No the button that Enter presses.
    virtual bool askYesNo(QWidget* parent, const QString& prompt, const QString& title,
                          bool defaultNo = true) = 0;
    virtual void message(QWidget* parent, const QString& text, const QString& title,
                         BoxIcon icon = BoxIcon::None) = 0;
    // Free text input; a cancelled box answers "".
    virtual QString input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& defaultText = {}) = 0;
};

// Wave sounds. `wait` blocks until the sound has ended, but never longer than its length nor
// than a few seconds. A file that is not a wave we can play answers false at once.
class Sound {
  public:
    virtual ~Sound() = default;
    virtual bool play(const QString& wavePath, bool wait) = 0;
};

// Opening a web address or one of the program's own files with the desktop's default program,
// never through a command line. See desktopUrl for what is opened at all.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual bool open(const QString& addressOrPath) = 0;
};

// The desktop: the work area (the screen less its panels) of the screen `window` is on, or of
// the primary screen without a window, and a notice when the work area or the screens change.
class Desktop : public QObject {
    Q_OBJECT
  public:
    virtual QRect workArea(const QWidget* window = nullptr) const = 0;
    virtual QString systemName() const = 0;
  signals:
    void displayChanged();
};

// Date, time of day and the user's formats for them.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual QString shortDate(const QDate& date) const = 0;
    virtual QString timeText(const QTime& time) const = 0;
    virtual QChar decimalSeparator() const = 0;
};

// Uniform numbers in [0, 1).
class Random {
  public:
    virtual ~Random() = default;
    virtual void seed(quint32 value) = 0;
    virtual double next() = 0;
};

// The set of facilities handed to the windows.
struct Platform {
    Boxes& boxes;
    Sound& sound;
    Shell& shell;
    Desktop& desktop;
    Clock& clock;
    Random& random;
};

} // namespace platform
