#include "SmtpServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

// Debian's interpreter, which has python3-aiosmtpd; a python3 earlier on PATH may not.
const QString Python = QStringLiteral("/usr/bin/python3");

QByteArray fromBase64(const QJsonValue& value) {
    return QByteArray::fromBase64(value.toString().toLatin1());
}

SmtpMessage parse(const QJsonObject& o) {
    SmtpMessage m;
    m.mailFrom = o.value(QLatin1String("mailFrom")).toString();
    for (const QJsonValue& to : o.value(QLatin1String("rcptTo")).toArray())
        m.rcptTo.append(to.toString());
    m.login = o.value(QLatin1String("login")).toString();
    m.raw = fromBase64(o.value(QLatin1String("raw")));
    for (const QJsonValue& h : o.value(QLatin1String("headers")).toArray()) {
        const QJsonArray fields = h.toArray();
        QString raw = fields.at(1).toString();
        raw.replace(QLatin1String("\r\n"), QLatin1String("")).replace(QLatin1Char('\n'), QString());
        m.headers.append({fields.at(0).toString(), raw, fields.at(2).toString()});
    }
    m.text = o.value(QLatin1String("text")).toString();
    for (const QJsonValue& a : o.value(QLatin1String("attachments")).toArray()) {
        const QJsonObject at = a.toObject();
        m.attachments.append({at.value(QLatin1String("name")).toString(),
                              at.value(QLatin1String("contentType")).toString(),
                              fromBase64(at.value(QLatin1String("data")))});
    }
    return m;
}

} // namespace

QString SmtpMessage::header(const QString& name) const {
    for (const Header& h : headers) {
        if (h.name.compare(name, Qt::CaseInsensitive) == 0) return h.decoded;
    }
    return {};
}

QString SmtpMessage::rawHeader(const QString& name) const {
    for (const Header& h : headers) {
        if (h.name.compare(name, Qt::CaseInsensitive) == 0) return h.raw;
    }
    return {};
}

int SmtpMessage::headerCount(const QString& name) const {
    int n = 0;
    for (const Header& h : headers)
        n += h.name.compare(name, Qt::CaseInsensitive) == 0 ? 1 : 0;
    return n;
}

SmtpServer::~SmtpServer() {
    stop();
}

quint16 SmtpServer::freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

bool SmtpServer::start(const Options& options) {
    stop();
    clear();
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder for the messages");
        return false;
    }
    port_ = freePort();
    if (port_ == 0) {
        error_ = QStringLiteral("no free port on 127.0.0.1");
        return false;
    }
    QStringList arguments{QStringLiteral(TARNWICK_SMTP_SINK), QString::number(port_), dir_.path()};
    if (!options.login.isEmpty())
        arguments << QStringLiteral("--login")
                  << options.login + QLatin1Char(':') + options.password;
    if (!options.tlsCert.isEmpty())
        arguments << QStringLiteral("--tls-cert") << options.tlsCert << QStringLiteral("--tls-key")
                  << options.tlsKey;
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(Python, arguments);
    if (!process_.waitForStarted(5000)) {
        error_ = QStringLiteral("%1 did not start: %2").arg(Python, process_.errorString());
        return false;
    }
    // Up once the port takes connections; the interpreter and aiosmtpd load in well under a
    // second here.
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (process_.state() != QProcess::Running) {
            error_ = QStringLiteral("the SMTP server stopped at once (is python3-aiosmtpd "
                                    "installed?): exit code %1")
                         .arg(process_.exitCode());
            return false;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port_);
        if (probe.waitForConnected(200)) {
            probe.abort();
            return true;
        }
        QThread::msleep(50);
    }
    error_ = QStringLiteral("the SMTP server did not listen on port %1 within 10 s").arg(port_);
    stop();
    return false;
}

void SmtpServer::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

QString SmtpServer::url() const {
    return QStringLiteral("smtp://127.0.0.1:%1").arg(port_);
}

QList<SmtpMessage> SmtpServer::messages() const {
    QList<SmtpMessage> list;
    const QDir dir(dir_.path());
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        list.append(parse(QJsonDocument::fromJson(file.readAll()).object()));
    }
    return list;
}

bool SmtpServer::waitForMessages(int count, int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    while (messages().size() < count) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
    return true;
}

void SmtpServer::clear() {
    const QDir dir(dir_.path());
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files))
        QFile::remove(dir.filePath(name));
}
