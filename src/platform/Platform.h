#pragma once
// Our stand-ins for the desktop facilities the game relies on. The program wires the real
// implementations (QtPlatform.h); tests wire the scripted ones (ScriptedPlatform.h).
#include <QDateTime>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

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
    // The desktop's dialog for choosing one existing file, starting in `directory`. Each filter
    // is "Description (*.a *.b)"; the first is selected. A cancelled dialog answers "".
    virtual QString openFile(QWidget* parent, const QString& title, const QString& directory,
                             const QStringList& filters) = 0;
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

// Where and as whom mail is sent: the Mail section of Tarn.ini with its defaults filled in.
struct MailAccount {
    QString server; // "smtp://host:port" (STARTTLS when offered) or "smtps://host:port"
    QString user;   // login only when not empty
    QString password;
    QString from;
    QString to;
};

// One message: a text part and one file attached under its own name.
struct MailMessage {
    QString subject;
    QString text;
    QString attachmentPath;
};

// What became of a message. `error` says what failed, for the player; empty when sent.
struct MailResult {
    bool sent = false;
    QString error;
};

// Sending mail. The transfer runs off the calling thread and takes at most about 30 s; `done`
// is called later on the thread of `receiver` (never from inside send), and not at all when
// `receiver` is gone by then.
class Mail {
  public:
    virtual ~Mail() = default;
    virtual void send(const MailAccount& account, const MailMessage& message, QObject* receiver,
                      std::function<void(const MailResult&)> done) = 0;
};

// The set of facilities handed to the windows.
struct Platform {
    Boxes& boxes;
    Sound& sound;
    Shell& shell;
    Desktop& desktop;
    Clock& clock;
    Random& random;
    Mail& mail;
};

} // namespace platform
