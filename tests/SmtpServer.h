#pragma once
// A real SMTP server for tests, started by the test itself: aiosmtpd (Debian's python3-aiosmtpd)
// on a free port of 127.0.0.1, running tests/smtp_sink.py. Every message it accepts can be read
// back parsed: envelope, headers, text part and attachment.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct SmtpMessage {
    QString mailFrom; // the envelope
    QStringList rcptTo;
    QString login;  // the user that logged in, or empty
    QByteArray raw; // as received, after the SMTP dot-unstuffing
    struct Header {
        QString name;
        QString raw;     // as written, folding removed
        QString decoded; // RFC 2047 words decoded
    };
    QList<Header> headers;
    QString text; // the text/plain part, decoded, line ends as sent
    struct Attachment {
        QString name; // decoded
        QString contentType;
        QByteArray bytes;
    };
    QList<Attachment> attachments;

    // The first header of that name (any case): decoded, or as written; empty when absent.
    QString header(const QString& name) const;
    QString rawHeader(const QString& name) const;
    int headerCount(const QString& name) const;
};

class SmtpServer {
  public:
    SmtpServer() = default;
    ~SmtpServer();
    SmtpServer(const SmtpServer&) = delete;
    SmtpServer& operator=(const SmtpServer&) = delete;

    struct Options {
        QString login; // with a password: AUTH is offered and only this pair accepted
        QString password;
        QString tlsCert; // with tlsKey: STARTTLS is offered with this certificate
        QString tlsKey;
    };
    // Starts the server and waits (a few seconds at most) until it accepts connections.
    // False, with error() saying why, when it could not.
    bool start(const Options& options);
    bool start() { return start(Options{}); }
    void stop();

    QString error() const { return error_; }
    quint16 port() const { return port_; }
    QString url() const; // "smtp://127.0.0.1:PORT"

    // The messages accepted so far, oldest first.
    QList<SmtpMessage> messages() const;
    // Waits until at least `count` messages have arrived; false on the deadline.
    bool waitForMessages(int count, int timeoutMs = 5000) const;
    // Forgets the messages received so far.
    void clear();

    // A port on 127.0.0.1 that nothing listened on a moment ago.
    static quint16 freePort();

  private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
    QString error_;
};
