#include "platform/mail/CurlMail.h"

#include "platform/RegularFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMetaObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QUrl>

#include <curl/curl.h>
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

namespace platform {
namespace curlmail {
namespace {

void initCurl() {
    // Once for the process; a static's initialisation is safe from any thread.
    [[maybe_unused]] static const CURLcode once = curl_global_init(CURL_GLOBAL_DEFAULT);
}

struct EasyFree {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MimeFree {
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
};
struct ListFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using List = std::unique_ptr<curl_slist, ListFree>;

bool append(List& list, const QByteArray& line) {
    curl_slist* grown = curl_slist_append(list.get(), line.constData());
    if (!grown) return false;
    list.release();
    list.reset(grown);
    return true;
}

bool isPlainAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    }
    return true;
}

QByteArray encodedWord(const QByteArray& utf8) {
    return "=?UTF-8?B?" + utf8.toBase64() + "?=";
}

// Line breaks and other control characters would end a header early: a value from Tarn.ini
// must not add headers of its own.
QString oneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) c = QLatin1Char(' ');
    }
    return line;
}

// A mailbox as written: "Name <address>" or a bare address.
struct Mailbox {
    QString name;
    QString address; // empty when the text holds no usable address
};

Mailbox parseMailbox(const QString& text) {
    Mailbox box;
    QString address = text.trimmed();
    const qsizetype open = address.lastIndexOf(QLatin1Char('<'));
    if (open >= 0) {
        const qsizetype close = address.indexOf(QLatin1Char('>'), open);
        if (close < 0 || !address.mid(close + 1).trimmed().isEmpty()) return box;
        box.name = address.left(open).trimmed();
        if (box.name.size() >= 2 && box.name.startsWith(QLatin1Char('"')) &&
            box.name.endsWith(QLatin1Char('"')))
            box.name = box.name.mid(1, box.name.size() - 2);
        address = address.mid(open + 1, close - open - 1).trimmed();
    }
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || at != address.lastIndexOf(QLatin1Char('@')) || at == address.size() - 1)
        return box;
    for (const QChar c : address) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f ||
            QStringLiteral("<>,;\"\\()[]").contains(c))
            return box;
    }
    box.address = address;
    return box;
}

QByteArray mailboxHeader(const Mailbox& box) {
    const QByteArray address = box.address.toUtf8();
    if (box.name.isEmpty()) return address;
    const QString name = oneLine(box.name);
    QByteArray phrase;
    if (!isPlainAscii(name) || name.contains(QLatin1String("=?"))) {
        phrase = headerText(name);
    } else {
        phrase = name.toLatin1();
        // A display name with specials in it goes in quotes.
        const bool special = std::any_of(phrase.begin(), phrase.end(), [](char c) {
            return std::strchr("()<>[]:;@\\,.\"", c) != nullptr;
        });
        if (special) phrase = '"' + phrase.replace("\\", "\\\\").replace("\"", "\\\"") + '"';
    }
    return phrase + " <" + address + '>';
}

// Letters, digits, dots and dashes only: the right side of a Message-ID.
QString domainPart(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            kept += c;
        else if (c == QLatin1Char('.') || c == QLatin1Char('-'))
            kept += c;
    }
    while (kept.startsWith(QLatin1Char('.')))
        kept.remove(0, 1);
    while (kept.endsWith(QLatin1Char('.')))
        kept.chop(1);
    return kept;
}

QByteArray messageId(const QString& fromAddress) {
    QString domain = domainPart(fromAddress.section(QLatin1Char('@'), -1));
    if (domain.isEmpty()) domain = domainPart(QSysInfo::machineHostName());
    if (domain.isEmpty()) domain = QStringLiteral("localhost");
    QRandomGenerator* random = QRandomGenerator::system();
    return '<' + QByteArray::number(random->generate64(), 16) +
           QByteArray::number(random->generate64(), 16) + '.' +
           QByteArray::number(QDateTime::currentMSecsSinceEpoch(), 36) + '@' + domain.toLatin1() +
           '>';
}

// host:port as the player wrote it, without any login that the address may carry.
QString serverName(const QUrl& url) {
    QString host = url.host();
    if (host.contains(QLatin1Char(':'))) host = QLatin1Char('[') + host + QLatin1Char(']'); // IPv6
    return url.port() < 0 ? host : host + QLatin1Char(':') + QString::number(url.port());
}

int cancelled(void* flag, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

MailResult failed(const QString& error) {
    return {false, error};
}

struct Failure {
    CURLcode code;
    QByteArray detail; // curl's own words
    long reply;        // the server's last reply code
    bool connected;    // past the greeting and EHLO
    Limits limits;
};

QString describe(const Failure& f, const QString& server, const QString& from, const QString& to,
                 const QString& user) {
    const QString reply = f.reply > 0 ? QStringLiteral(" (reply %1)").arg(f.reply) : QString();
    switch (f.code) {
    case CURLE_ABORTED_BY_CALLBACK:
        return QStringLiteral("Sending stopped: the game is closing.");
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QStringLiteral("This system cannot send mail to %1.").arg(server);
    case CURLE_URL_MALFORMAT:
        return QStringLiteral("The mail server address %1 is not valid.").arg(server);
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("Could not find the mail server %1.").arg(server);
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Could not connect to the mail server %1.").arg(server);
    case CURLE_OPERATION_TIMEDOUT:
        if (f.connected)
            return QStringLiteral("Sending to the mail server %1 timed out after %2 s.")
                .arg(server)
                .arg(f.limits.transferSeconds);
        return QStringLiteral("Connecting to the mail server %1 timed out after %2 s.")
            .arg(server)
            .arg(f.limits.connectSeconds);
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("The mail server %1 refused the login for %2.").arg(server, user);
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("Could not set up a secure (TLS) connection to the mail server %1.")
            .arg(server);
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_ISSUER_ERROR:
        return QStringLiteral("The mail server %1 could not prove who it is: its TLS certificate "
                              "is not trusted.")
            .arg(server);
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
        if (f.detail.startsWith("MAIL failed"))
            return QStringLiteral("The mail server %1 refused the sender %2%3.")
                .arg(server, from, reply);
        if (f.detail.startsWith("RCPT failed"))
            return (to.contains(QLatin1Char(','))
                        ? QStringLiteral("The mail server %1 refused one of the recipients %2%3.")
                        : QStringLiteral("The mail server %1 refused the recipient %2%3."))
                .arg(server, to, reply);
        if (f.reply >= 400)
            return QStringLiteral("The mail server %1 did not accept the message%2.")
                .arg(server, reply);
        return QStringLiteral("The connection to the mail server %1 broke off.").arg(server);
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_GOT_NOTHING:
        return QStringLiteral("%1 does not answer like a mail server.").arg(server);
    case CURLE_OUT_OF_MEMORY:
        return QStringLiteral("Not enough memory to send the mail.");
    default:
        break;
    }
    const QString detail = f.detail.isEmpty() ? QString::fromUtf8(curl_easy_strerror(f.code))
                                              : QString::fromUtf8(f.detail);
    return QStringLiteral("Sending mail through %1 failed: %2").arg(server, detail);
}

} // namespace

QByteArray headerText(const QString& text) {
    if (isPlainAscii(text) && !text.contains(QLatin1String("=?"))) return text.toLatin1();
    // Words of at most 39 bytes of UTF-8 (52 of base64) keep each line under 78 characters;
    // a word never splits a character.
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    qsizetype at = 0;
    while (at < utf8.size()) {
        qsizetype end = std::min<qsizetype>(at + 39, utf8.size());
        while (end < utf8.size() && end > at + 1 && (uchar(utf8[end]) & 0xC0) == 0x80)
            --end;
        if (!out.isEmpty()) out += "\r\n ";
        out += encodedWord(utf8.mid(at, end - at));
        at = end;
    }
    return out;
}

MailResult sendNow(const MailAccount& account, const MailMessage& message,
                   const std::atomic<bool>& cancel, const Limits& limits) {
    // Everything is checked before any connection is made.
    const QString address = account.server.trimmed();
    if (address.isEmpty()) return failed(QStringLiteral("No mail server is set."));
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("smtp") && scheme != QLatin1String("smtps")) ||
        url.host().isEmpty())
        return failed(QStringLiteral("The mail server address \"%1\" cannot be used: it must "
                                     "start with smtp:// or smtps://.")
                          .arg(oneLine(address)));
    const QString server = serverName(url);

    const Mailbox from = parseMailbox(account.from);
    if (from.address.isEmpty())
        return failed(QStringLiteral("The sender address \"%1\" is not an e-mail address.")
                          .arg(oneLine(account.from)));
    QList<Mailbox> recipients;
    for (const QString& part : account.to.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (part.trimmed().isEmpty()) continue;
        const Mailbox to = parseMailbox(part);
        if (to.address.isEmpty())
            return failed(QStringLiteral("The recipient address \"%1\" is not an e-mail address.")
                              .arg(oneLine(part.trimmed())));
        recipients.append(to);
    }
    if (recipients.isEmpty()) return failed(QStringLiteral("No recipient address is set."));

    QByteArray attachment;
    const QString fileName = QFileInfo(message.attachmentPath).fileName();
    if (!message.attachmentPath.isEmpty()) {
        const FileRead file = readRegularFile(message.attachmentPath, MaxAttachmentBytes);
        switch (file.state) {
        case FileState::Regular:
            attachment = file.bytes;
            break;
        case FileState::Missing:
            return failed(
                QStringLiteral("The file to send, %1, is missing.").arg(message.attachmentPath));
        case FileState::NotRegular:
            return failed(
                QStringLiteral("%1 is not a file that can be sent.").arg(message.attachmentPath));
        case FileState::TooLarge:
            return failed(QStringLiteral("The file %1 is too large to send (more than %2 MiB).")
                              .arg(message.attachmentPath)
                              .arg(MaxAttachmentBytes / (1024 * 1024)));
        case FileState::Unreadable:
            return failed(QStringLiteral("The file to send, %1, could not be read.")
                              .arg(message.attachmentPath));
        }
    }

    initCurl();
    const QString noMemory = QStringLiteral("Not enough memory to send the mail.");
    // Declared before the handle, so they outlive it.
    List rcpt;
    List headers;
    std::unique_ptr<curl_mime, MimeFree> mime;
    std::unique_ptr<CURL, EasyFree> easy(curl_easy_init());
    if (!easy) return failed(QStringLiteral("Mail cannot be sent: libcurl did not start."));
    CURL* e = easy.get();

    for (const Mailbox& to : recipients) {
        if (!append(rcpt, '<' + to.address.toUtf8() + '>')) return failed(noMemory);
    }
    QByteArray toHeader;
    for (const Mailbox& to : recipients)
        toHeader += (toHeader.isEmpty() ? "" : ", ") + mailboxHeader(to);
    const QByteArray date = QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1();
    for (const QByteArray& line : {"From: " + mailboxHeader(from), "To: " + toHeader,
                                   "Subject: " + headerText(oneLine(message.subject)),
                                   "Date: " + date, "Message-ID: " + messageId(from.address)}) {
        if (!append(headers, line)) return failed(noMemory);
    }

    mime.reset(curl_mime_init(e));
    if (!mime) return failed(noMemory);
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QByteArray body = text.toUtf8();
    curl_mimepart* part = curl_mime_addpart(mime.get());
    if (!part || curl_mime_data(part, body.constData(), size_t(body.size())) != CURLE_OK ||
        curl_mime_type(part, "text/plain; charset=UTF-8") != CURLE_OK ||
        curl_mime_encoder(part, "quoted-printable") != CURLE_OK)
        return failed(noMemory);
    if (!message.attachmentPath.isEmpty()) {
        const QByteArray name =
            isPlainAscii(fileName) ? fileName.toLatin1() : encodedWord(fileName.toUtf8());
        part = curl_mime_addpart(mime.get());
        if (!part ||
            curl_mime_data(part, attachment.constData(), size_t(attachment.size())) != CURLE_OK ||
            curl_mime_filename(part, name.constData()) != CURLE_OK ||
            curl_mime_type(part, "application/octet-stream") != CURLE_OK ||
            curl_mime_encoder(part, "base64") != CURLE_OK)
            return failed(noMemory);
    }

    char errorText[CURL_ERROR_SIZE] = {};
    const QByteArray urlBytes = address.toUtf8();
    const QByteArray mailFrom = '<' + from.address.toUtf8() + '>';
    const QByteArray user = account.user.toUtf8();
    const QByteArray password = account.password.toUtf8();
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(e, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    // STARTTLS whenever the server offers it; smtps:// speaks TLS from the start.
    curl_easy_setopt(e, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    if (!account.user.isEmpty()) {
        curl_easy_setopt(e, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(e, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(e, CURLOPT_MAIL_FROM, mailFrom.constData());
    curl_easy_setopt(e, CURLOPT_MAIL_RCPT, rcpt.get());
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(e, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, limits.connectSeconds);
    curl_easy_setopt(e, CURLOPT_TIMEOUT, limits.transferSeconds);
    // No SIGALRM for the resolver's timeout: signals belong to the program, not to a thread.
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, &cancelled);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(&cancel));

    const CURLcode code = curl_easy_perform(e);
    // Cleaning up says QUIT and waits for the answer, up to two minutes from a server that has
    // stopped answering; the outcome is known by now, so the connection is cut instead.
    curl_socket_t socket = CURL_SOCKET_BAD;
    if (curl_easy_getinfo(e, CURLINFO_ACTIVESOCKET, &socket) == CURLE_OK &&
        socket != CURL_SOCKET_BAD)
        ::shutdown(socket, SHUT_RDWR);
    if (code == CURLE_OK) return {true, {}};
    Failure failure{code, QByteArray(errorText), 0, false, limits};
    curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &failure.reply);
    // The transfer proper begins once the server has greeted and answered EHLO.
    curl_off_t pretransfer = 0;
    curl_easy_getinfo(e, CURLINFO_PRETRANSFER_TIME_T, &pretransfer);
    failure.connected = pretransfer > 0;
    QStringList to;
    for (const Mailbox& r : recipients)
        to.append(r.address);
    return failed(
        describe(failure, server, from.address, to.join(QStringLiteral(", ")), account.user));
}

} // namespace curlmail

namespace {

class Delivery;

// Between a worker and the object that hands its result over: the worker posts only while the
// delivery exists, under the lock that the delivery's destructor takes too.
struct Channel {
    std::mutex mutex;
    Delivery* delivery = nullptr;
};

// Lives on the receiver's thread as its child, so it dies with the receiver, and with it the
// result posted to it and not yet delivered.
class Delivery : public QObject {
  public:
    Delivery(QObject* receiver, std::shared_ptr<Channel> channel,
             std::function<void(const MailResult&)> done)
        : receiver_(receiver), channel_(std::move(channel)), done_(std::move(done)) {
        setParent(receiver);
        std::lock_guard lock(channel_->mutex);
        channel_->delivery = this;
    }
    ~Delivery() override {
        std::lock_guard lock(channel_->mutex);
        channel_->delivery = nullptr;
    }
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

    void deliver(const MailResult& result) {
        auto done = std::move(done_);
        // Out of the receiver's hands first: `done` may well delete the receiver.
        setParent(nullptr);
        deleteLater();
        if (receiver_ && done) done(result);
    }

    static void post(Channel& channel, const MailResult& result) {
        std::lock_guard lock(channel.mutex);
        if (Delivery* d = channel.delivery)
            QMetaObject::invokeMethod(
                d, [d, result] { d->deliver(result); }, Qt::QueuedConnection);
    }

  private:
    QPointer<QObject> receiver_;
    std::shared_ptr<Channel> channel_;
    std::function<void(const MailResult&)> done_;
};

} // namespace

struct CurlMail::Workers {
    std::mutex mutex;
    std::condition_variable idle;
    int running = 0;
    std::atomic<bool> cancel{false};
};

// libcurl starts with the first message, on its worker: a game that never mails never pays
// for it (curl_global_init is safe on any thread since curl 7.84).
CurlMail::CurlMail() : workers_(std::make_shared<Workers>()) {}

CurlMail::~CurlMail() {
    workers_->cancel = true;
    // A cancelled transfer ends within about a second; the wait is bounded all the same.
    std::unique_lock lock(workers_->mutex);
    workers_->idle.wait_for(lock, std::chrono::seconds(3),
                            [this] { return workers_->running == 0; });
}

void CurlMail::send(const MailAccount& account, const MailMessage& message, QObject* receiver,
                    std::function<void(const MailResult&)> done) {
    auto channel = std::make_shared<Channel>();
    if (receiver) new Delivery(receiver, channel, std::move(done));
    {
        std::lock_guard lock(workers_->mutex);
        ++workers_->running;
    }
    try {
        std::thread([workers = workers_, channel, account, message] {
            const MailResult result = curlmail::sendNow(account, message, workers->cancel);
            if (!workers->cancel) Delivery::post(*channel, result);
            std::lock_guard lock(workers->mutex);
            --workers->running;
            workers->idle.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        {
            std::lock_guard lock(workers_->mutex);
            --workers_->running;
        }
        Delivery::post(*channel, {false, QStringLiteral("Could not start sending the mail.")});
    }
}

} // namespace platform
