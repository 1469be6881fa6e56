// Mail through CurlMail to a real SMTP server the test starts (SmtpServer), what the received
// message holds, how failures read, when `done` is called and when never, and the Mail section
// of Tarn.ini with its defaults.
#include "SmtpServer.h"
#include "TestProgram.h"
#include "core/MailSettings.h"
#include "platform/mail/CurlMail.h"
#include "platform/qt/LazyMail.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTcpSocket>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

using platform::MailAccount;
using platform::MailMessage;
using platform::MailResult;

namespace {

// Sends one message and waits for its result; nullopt when `done` was not called in time.
std::optional<MailResult> sendAndWait(platform::Mail& mail, const MailAccount& account,
                                      const MailMessage& message, int timeoutMs = 10000) {
    QObject receiver;
    std::optional<MailResult> result;
    int calls = 0;
    mail.send(account, message, &receiver, [&](const MailResult& r) {
        result = r;
        ++calls;
    });
    if (calls != 0) return MailResult{false, QStringLiteral("done was called inside send")};
    if (!QTest::qWaitFor([&] { return calls > 0; }, timeoutMs)) return std::nullopt;
    return result;
}

QString withPort(const QString& text, quint16 port) {
    return text.contains(QLatin1String("%1")) ? text.arg(port) : text;
}

QString normalised(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Bytes that a careless transfer would change: a lone dot line (the end of an SMTP message),
// a line starting with a dot, CRLF and bare LF and CR, NUL, Windows-1252 and UTF-8 letters,
// and no line end at the end.
const QByteArray Awkward =
    QByteArray(
        "[Language]\r\nname=Sv\xe4nska\r\n.\r\n..two dots\r\n.hidden=yes\nbare LF\rbare CR\r\n") +
    QByteArray("\0nul\r\n", 6) + "utf8=\xc3\xa5\xc3\xa4\xc3\xb6 \xe2\x82\xac\r\n" +
    QByteArray(100, 'x') + "\r\nlast line";

} // namespace

class MailTest : public QObject {
    Q_OBJECT

    SmtpServer server;
    QTemporaryDir dir;
    platform::CurlMail curl;
    QSet<QString> messageIds;

    MailAccount account() const {
        return {server.url(),
                {},
                {},
                QStringLiteral("player@tarnwick.test"),
                QStringLiteral("maintainer@tarnwick.test")};
    }
    QString file(const QString& name, const QByteArray& bytes) const {
        const QString path = dir.filePath(name);
        writeBytes(path, bytes);
        return path;
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(server.start({QStringLiteral("player"), QStringLiteral("secret"), {}, {}}),
                 qPrintable(server.error()));
    }
    void init() { server.clear(); }

    // The program sends through the module, loaded with the first message.
    void moduleSendsWhenLoaded() {
        QVERIFY(platform::LazyMail::programModulePath().endsWith("/libtarnwick_mail.so"));
        platform::LazyMail lazy(QStringLiteral(TARNWICK_MAIL_MODULE));
        const auto result =
            sendAndWait(lazy, account(), {"TW Translate: X", "n", file("X.lan", "x")});
        QVERIFY(result && result->sent);
        QVERIFY(server.waitForMessages(1));
        QCOMPARE(server.messages()[0].attachments.value(0).bytes, QByteArray("x"));
    }
    void missingModuleFailsEveryMessage_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("said");
        QTest::newRow("no file") << dir.filePath("none.so") << "no mail module at";
        QTest::newRow("relative") << "libtarnwick_mail.so"
                                  << "is not absolute";
        QTest::newRow("not a library") << file("fake.so", "ELF?") << "fake.so";
    }
    void missingModuleFailsEveryMessage() {
        QFETCH(QString, path);
        QFETCH(QString, said);
        platform::LazyMail lazy(path);
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto result = sendAndWait(lazy, account(), {"s", "t", file("Y.lan", "y")});
            QVERIFY(result && !result->sent);
            QVERIFY2(result->error.contains(said), qPrintable(result->error));
        }
        QVERIFY(server.messages().isEmpty());
    }

    void deliversTheMessage_data() {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");

        const QString from = QStringLiteral("player@tarnwick.test");
        const QString to = QStringLiteral("maintainer@tarnwick.test");
        QTest::newRow("ASCII subject") << "TW Translate: Svenska"
                                       << "Here is the Swedish file.\nThanks!"
                                       << "Svenska.lan" << Awkward << from << to;
        QTest::newRow("non-ASCII subject, several encoded words")
            << "TW Translate: Français – Ελληνικά – Русский – 日本語 ✓"
            << "Språket är klart.\n.\n.a dot line\n" + QString(200, QLatin1Char('y'))
            << "Svenska.lan" << Awkward << from << to;
        QTest::newRow("prefix alone") << "TW Translate: "
                                      << "x"
                                      << "New.lan" << Awkward << from << to;
        QTest::newRow("empty subject") << ""
                                       << "x"
                                       << "X.lan" << Awkward << from << to;
        QTest::newRow("empty text and file") << "TW Translate: Suomi"
                                             << ""
                                             << "Suomi.lan" << QByteArray() << from << to;
        QTest::newRow("non-ASCII file name") << "TW Translate: Français"
                                             << "Voilà."
                                             << "Français.lan" << Awkward << from << to;
        QTest::newRow("display names") << "TW Translate: Dansk"
                                       << "Hej"
                                       << "Dansk.lan" << Awkward << "Åsa Berg <asa@tarnwick.test>"
                                       << "Tarnwick Translations <translations@tarnwick.test>";
        QTest::newRow("display name with specials")
            << "TW Translate: Dansk"
            << "Hej"
            << "Dansk.lan" << Awkward << "Berg, Asa (home) <asa@tarnwick.test>" << to;
        QTest::newRow("line break in subject stays in the header")
            << "TW Translate: X\r\nBcc: someone@else.test"
            << "x"
            << "X.lan" << Awkward << from << to;
    }
    void deliversTheMessage() {
        QFETCH(QString, subject);
        QFETCH(QString, text);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, from);
        QFETCH(QString, to);

        MailAccount a = account();
        a.from = from;
        a.to = to;
        const auto result = sendAndWait(curl, a, {subject, text, file(fileName, bytes)});
        QVERIFY(result);
        QVERIFY2(result->sent, qPrintable(result->error));
        QCOMPARE(result->error, QString());

        const QList<SmtpMessage> got = server.messages();
        QCOMPARE(got.size(), 1);
        const SmtpMessage& m = got.first();
        const QRegularExpression address(QStringLiteral("[^<\\s]+@[^>\\s]+(?=>?$)"));
        QCOMPARE(m.mailFrom, address.match(from).captured());
        QCOMPARE(m.rcptTo, QStringList{address.match(to).captured()});
        QCOMPARE(m.login, QString());

        for (const char* name : {"From", "To", "Subject", "Date", "Message-ID"})
            QVERIFY2(m.headerCount(QLatin1String(name)) == 1, name);
        QCOMPARE(m.headerCount(QStringLiteral("Bcc")), 0);
        QCOMPARE(m.header(QStringLiteral("From")).remove(QLatin1Char('"')),
                 QString(from).remove(QLatin1Char('"')));
        QCOMPARE(m.header(QStringLiteral("To")), to);
        // A line break cannot pass into the header; it reads as a blank.
        const QString oneLine =
            QString(subject).replace(QLatin1String("\r\n"), QLatin1String("  "));
        QCOMPARE(m.header(QStringLiteral("Subject")), oneLine);
        const QString rawSubject = m.rawHeader(QStringLiteral("Subject"));
        for (const QChar c : rawSubject)
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(rawSubject));
        if (oneLine != rawSubject) {
            const QStringList words = rawSubject.split(QLatin1Char(' '));
            QVERIFY(words.size() > 0);
            for (const QString& word : words) {
                QVERIFY2(word.startsWith(QLatin1String("=?UTF-8?B?")), qPrintable(word));
                QVERIFY2(word.size() <= 75, qPrintable(word)); // RFC 2047's limit
            }
        }

        const QDateTime date =
            QDateTime::fromString(m.header(QStringLiteral("Date")), Qt::RFC2822Date);
        QVERIFY2(date.isValid(), qPrintable(m.header(QStringLiteral("Date"))));
        QVERIFY(qAbs(date.secsTo(QDateTime::currentDateTime())) < 300);
        const QString id = m.header(QStringLiteral("Message-ID"));
        QVERIFY2(QRegularExpression(QStringLiteral("^<[^<>@\\s]+@[A-Za-z0-9.-]+>$"))
                     .match(id)
                     .hasMatch(),
                 qPrintable(id));
        QVERIFY2(!messageIds.contains(id), qPrintable(id));
        messageIds.insert(id);

        QCOMPARE(normalised(m.text), normalised(text));
        QCOMPARE(m.attachments.size(), 1);
        QCOMPARE(m.attachments.first().name, fileName);
        QCOMPARE(m.attachments.first().bytes, bytes);
    }

    // The recipients of a comma-separated To, each in the envelope.
    void severalRecipients() {
        MailAccount a = account();
        a.to = QStringLiteral("one@tarnwick.test, Two <two@tarnwick.test>");
        const auto result = sendAndWait(curl, a, {QStringLiteral("s"), QStringLiteral("t"), {}});
        QVERIFY(result && result->sent);
        const SmtpMessage m = server.messages().value(0);
        QCOMPARE(m.rcptTo, (QStringList{"one@tarnwick.test", "two@tarnwick.test"}));
        QCOMPARE(m.header(QStringLiteral("To")), a.to);
        QCOMPARE(m.attachments.size(), 0);
    }

    void login_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("error"); // a part of it; "" when sent
        QTest::newRow("no login") << ""
                                  << "ignored"
                                  << "";
        QTest::newRow("right password") << "player"
                                        << "secret"
                                        << "";
        QTest::newRow("wrong password")
            << "player"
            << "guess"
            << "The mail server 127.0.0.1:%1 refused the login for player.";
        QTest::newRow("unknown user") << "nobody"
                                      << "secret"
                                      << "refused the login for nobody";
        QTest::newRow("non-ASCII password") << "player"
                                            << "sécret"
                                            << "refused the login";
    }
    void login() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, error);
        MailAccount a = account();
        a.user = user;
        a.password = password;
        const auto result = sendAndWait(curl, a, {QStringLiteral("s"), QStringLiteral("t"), {}});
        QVERIFY(result);
        QCOMPARE(result->sent, error.isEmpty());
        QVERIFY2(result->error.contains(withPort(error, server.port())), qPrintable(result->error));
        QCOMPARE(server.messages().size(), error.isEmpty() ? 1 : 0);
        if (error.isEmpty()) QCOMPARE(server.messages().first().login, user);
    }

    void refusedAddresses_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("error");
        QTest::newRow("sender") << "refused@tarnwick.test"
                                << "m@tarnwick.test"
                                << "refused the sender refused@tarnwick.test (reply 553)";
        QTest::newRow("recipient") << "p@tarnwick.test"
                                   << "refused@tarnwick.test"
                                   << "refused the recipient refused@tarnwick.test (reply 550)";
        QTest::newRow("one of two recipients") << "p@tarnwick.test"
                                               << "ok@tarnwick.test, refused@tarnwick.test"
                                               << "refused one of the recipients "
                                                  "ok@tarnwick.test, refused@tarnwick.test";
    }
    void refusedAddresses() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, error);
        MailAccount a = account();
        a.from = from;
        a.to = to;
        const auto result = sendAndWait(curl, a, {QStringLiteral("s"), QStringLiteral("t"), {}});
        QVERIFY(result);
        QVERIFY(!result->sent);
        QVERIFY2(result->error.contains(error), qPrintable(result->error));
        QCOMPARE(server.messages().size(), 0);
    }

    // What is wrong with the account or the file is found before anything connects: the
    // listener here would see the connection.
    void failsBeforeConnecting_data() {
        QTest::addColumn<QString>("server"); // %1: the listener's port
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("attachment"); // "missing", "folder", "too large", "fits"
        QTest::addColumn<QString>("error");
        const QString smtp = QStringLiteral("smtp://127.0.0.1:%1");
        const QString from = QStringLiteral("p@tarnwick.test");
        const QString to = QStringLiteral("m@tarnwick.test");
        const QString scheme = QStringLiteral("must start with smtp:// or smtps://");
        QTest::newRow("http") << "http://127.0.0.1:%1" << from << to << "fits" << scheme;
        QTest::newRow("no scheme") << "127.0.0.1:%1" << from << to << "fits" << scheme;
        QTest::newRow("file") << "file:///etc/passwd" << from << to << "fits" << scheme;
        QTest::newRow("no host") << "smtp://:%1" << from << to << "fits" << scheme;
        QTest::newRow("blank server") << "  " << from << to << "fits"
                                      << "No mail server is set.";
        QTest::newRow("missing file") << smtp << from << to << "missing"
                                      << "is missing";
        QTest::newRow("folder") << smtp << from << to << "folder"
                                << "is not a file that can be sent";
        QTest::newRow("16 MiB and a byte") << smtp << from << to << "too large"
                                           << "too large to send (more than 16 MiB)";
        QTest::newRow("bad sender") << smtp << "player" << to << "fits"
                                    << "The sender address \"player\" is not an e-mail address.";
        QTest::newRow("no recipient") << smtp << from << " , "
                                      << "fits"
                                      << "No recipient address is set.";
        QTest::newRow("header in the recipient")
            << smtp << from << "m@tarnwick.test\r\nBcc: x@y.test"
            << "fits"
            << "recipient address \"m@tarnwick.test  Bcc: x@y.test\" is not";
        QTest::newRow("two at signs") << smtp << from << "m@x@tarnwick.test"
                                      << "fits"
                                      << "recipient address";
    }
    void failsBeforeConnecting() {
        QFETCH(QString, server);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, attachment);
        QFETCH(QString, error);
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost));
        QString path = dir.filePath(QStringLiteral("absent.lan"));
        if (attachment == QLatin1String("folder")) path = dir.path();
        if (attachment == QLatin1String("fits")) path = file(QStringLiteral("fits.lan"), "x");
        if (attachment == QLatin1String("too large")) {
            path = dir.filePath(QStringLiteral("huge.lan"));
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(platform::curlmail::MaxAttachmentBytes + 1)); // sparse
        }
        const MailAccount a{withPort(server, listener.serverPort()), {}, {}, from, to};
        const auto result = sendAndWait(curl, a, {QStringLiteral("s"), QStringLiteral("t"), path});
        QVERIFY(result);
        QVERIFY(!result->sent);
        QVERIFY2(result->error.contains(error), qPrintable(result->error));
        QVERIFY(!listener.waitForNewConnection(50));
    }

    void serverNotListening() {
        MailAccount a = account();
        const quint16 port = SmtpServer::freePort();
        a.server = QStringLiteral("smtp://127.0.0.1:%1").arg(port);
        QElapsedTimer clock;
        clock.start();
        const auto result = sendAndWait(curl, a, {QStringLiteral("s"), QStringLiteral("t"), {}});
        QVERIFY(result);
        QVERIFY(!result->sent);
        QCOMPARE(result->error,
                 QStringLiteral("Could not connect to the mail server 127.0.0.1:%1.").arg(port));
        QVERIFY(clock.elapsed() < 5000);
    }

    // A server offering STARTTLS is taken up on it: with a certificate nobody vouches for, the
    // message is not sent in the clear but fails. smtps:// speaks TLS at once.
    void tls_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("offerStartTls");
        QTest::addColumn<QString>("error");
        QTest::newRow("STARTTLS, untrusted certificate")
            << "smtp" << true << "its TLS certificate is not trusted";
        QTest::newRow("smtps to a server without TLS")
            << "smtps" << false << "Could not set up a secure (TLS) connection";
    }
    void tls() {
        QFETCH(QString, scheme);
        QFETCH(bool, offerStartTls);
        QFETCH(QString, error);
        SmtpServer secure;
        SmtpServer::Options options;
        if (offerStartTls) {
            options.tlsCert = QStringLiteral(TARNWICK_TEST_DIR "/smtp_test_cert.pem");
            options.tlsKey = QStringLiteral(TARNWICK_TEST_DIR "/smtp_test_key.pem");
        }
        QVERIFY2(secure.start(options), qPrintable(secure.error()));
        MailAccount a = account();
        a.server = QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(secure.port());
        const auto result = sendAndWait(curl, a, {QStringLiteral("s"), QStringLiteral("t"), {}});
        QVERIFY(result);
        QVERIFY(!result->sent);
        QVERIFY2(result->error.contains(error), qPrintable(result->error));
        QCOMPARE(secure.messages().size(), 0);
    }

    // Which limit ran out, in the player's words: a server that never greets, and one that
    // takes the message but never confirms it. Short limits keep this quick.
    void timeouts_data() {
        QTest::addColumn<bool>("greets");
        QTest::addColumn<long>("connectSeconds");
        QTest::addColumn<long>("transferSeconds");
        QTest::addColumn<QString>("error");
        QTest::newRow("no greeting")
            << false << 1L << 30L
            << "Connecting to the mail server 127.0.0.1:%1 timed out after 1 s.";
        QTest::newRow("no answer to the message")
            << true << 30L << 1L << "Sending to the mail server 127.0.0.1:%1 timed out after 1 s.";
    }
    void timeouts() {
        QFETCH(bool, greets);
        QFETCH(long, connectSeconds);
        QFETCH(long, transferSeconds);
        QFETCH(QString, error);
        QTcpServer stalling;
        QVERIFY(stalling.listen(QHostAddress::LocalHost));
        connect(&stalling, &QTcpServer::newConnection, this, [&] {
            QTcpSocket* socket = stalling.nextPendingConnection();
            if (!greets) return;
            socket->write("220 stalling\r\n");
            auto inData = std::make_shared<bool>(false);
            connect(socket, &QTcpSocket::readyRead, socket, [socket, inData] {
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine();
                    if (*inData) continue; // and never a word after the final dot
                    *inData = line.startsWith("DATA");
                    socket->write(*inData ? "354 go on\r\n" : "250 ok\r\n");
                }
            });
        });
        MailAccount a = account();
        a.server = QStringLiteral("smtp://127.0.0.1:%1").arg(stalling.serverPort());
        std::atomic<bool> cancel{false};
        std::atomic<bool> finished{false};
        MailResult result;
        std::thread worker([&] {
            result = platform::curlmail::sendNow(a, {QStringLiteral("s"), QStringLiteral("t"), {}},
                                                 cancel, {connectSeconds, transferSeconds});
            finished = true;
        });
        const bool ended = QTest::qWaitFor([&] { return finished.load(); }, 10000);
        cancel = true;
        worker.join();
        QVERIFY(ended);
        QVERIFY(!result.sent);
        QCOMPARE(result.error, error.arg(stalling.serverPort()));
    }

    void doneOnceEvenWhenItDeletesTheReceiver() {
        auto* receiver = new QObject;
        int calls = 0;
        curl.send(account(), {QStringLiteral("s"), QStringLiteral("t"), {}}, receiver,
                  [&](const MailResult& r) {
                      QVERIFY(r.sent);
                      ++calls;
                      delete receiver;
                  });
        QCOMPARE(calls, 0);
        QVERIFY(QTest::qWaitFor([&] { return calls > 0; }, 10000));
        QTest::qWait(100);
        QCOMPARE(calls, 1);
    }

    void noDoneAfterTheReceiverIsGone_data() {
        QTest::addColumn<bool>("reachesServer");
        QTest::newRow("sent") << true;
        QTest::newRow("refused at once") << false;
    }
    void noDoneAfterTheReceiverIsGone() {
        QFETCH(bool, reachesServer);
        MailAccount a = account();
        if (!reachesServer) a.server = QStringLiteral("ftp://127.0.0.1/");
        int calls = 0;
        auto receiver = std::make_unique<QObject>();
        curl.send(a, {QStringLiteral("s"), QStringLiteral("t"), {}}, receiver.get(),
                  [&](const MailResult&) { ++calls; });
        receiver.reset();
        if (reachesServer) QVERIFY(server.waitForMessages(1));
        QTest::qWait(200);
        QCOMPARE(calls, 0);
    }

    // Closing the game in the middle of a transfer: the mail's owner goes, the transfer
    // stops within a moment, and nothing is delivered to anyone.
    void destroyedWhileSending() {
        QTcpServer silent; // accepts, then never says a word
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        auto owner = std::make_unique<platform::CurlMail>();
        QObject receiver;
        int calls = 0;
        MailAccount a = account();
        a.server = QStringLiteral("smtp://127.0.0.1:%1").arg(silent.serverPort());
        owner->send(a, {QStringLiteral("s"), QStringLiteral("t"), {}}, &receiver,
                    [&](const MailResult&) { ++calls; });
        QVERIFY(silent.waitForNewConnection(5000));
        QElapsedTimer clock;
        clock.start();
        owner.reset();
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(100);
        QCOMPARE(calls, 0);
    }

    // Each encoded word must decode on its own (RFC 2047 forbids splitting a character between
    // words), stay within 75 characters, and the words together give the text back.
    void encodedWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("words"); // 0: left as it is
        QTest::newRow("ASCII") << "TW Translate: Svenska" << 0;
        QTest::newRow("looks encoded") << "=?UTF-8?B?eA==?=" << 1;
        QTest::newRow("tab") << "a\tb" << 1;
        QTest::newRow("13 euro signs, 39 bytes") << QString(13, QChar(0x20ac)) << 1;
        QTest::newRow("a and 13 euro signs") << "a" + QString(13, QChar(0x20ac)) << 2;
        QTest::newRow("4-byte characters across the cut")
            << "ab" + QString::fromUtf8("\xf0\x9f\x8e\xb2").repeated(12) << 2;
        QTest::newRow("long Greek") << QString(200, QChar(0x3b1)) << 11;
    }
    void encodedWords() {
        QFETCH(QString, text);
        QFETCH(int, words);
        const QByteArray header = platform::curlmail::headerText(text);
        if (words == 0) {
            QCOMPARE(header, text.toLatin1());
            return;
        }
        const QList<QByteArray> parts = header.split('\n');
        QCOMPARE(parts.size(), words);
        QByteArray whole;
        for (int i = 0; i < parts.size(); ++i) {
            QByteArray word = parts[i];
            if (i > 0) QVERIFY(word.startsWith(' '));
            if (i + 1 < parts.size()) QVERIFY(word.endsWith('\r'));
            word = word.trimmed();
            QVERIFY2(word.size() <= 75, word.constData());
            QVERIFY(word.startsWith("=?UTF-8?B?") && word.endsWith("?="));
            const QByteArray bytes = QByteArray::fromBase64(word.mid(10, word.size() - 12));
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString decoded = utf8.decode(bytes);
            QVERIFY2(!utf8.hasError() && !decoded.isEmpty(), word.constData());
            whole += bytes;
        }
        QCOMPARE(QString::fromUtf8(whole), text);
    }

    void mailAccount_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QStringList>("expected"); // server, user, password, from, to
        const QString server = mail::DefaultServer;
        const QString to = mail::DefaultTo;
        const QString me = QStringLiteral("me@box");
        QTest::newRow("no section") << QByteArray() << QStringList{server, "", "", me, to};
        QTest::newRow("all set")
            << QByteArray("[Mail]\r\nServer=smtps://mail.example.org:465\r\nUser=anna\r\n"
                          "Password=p w=\r\nFrom=Anna <anna@example.org>\r\nTo=t@example.org\r\n")
            << QStringList{"smtps://mail.example.org:465", "anna",
                           "p w=", "Anna <anna@example.org>", "t@example.org"};
        QTest::newRow("blank values take defaults")
            << QByteArray("[Mail]\r\nServer=  \r\nUser= \r\nPassword=\r\nFrom=\r\nTo=\t\r\n")
            << QStringList{server, "", "", me, to};
        QTest::newRow("padding trimmed")
            << QByteArray(
                   "[Mail]\r\nServer= smtp://h:25 \r\nUser= bo \r\nFrom= a@b \r\nTo= c@d \r\n")
            << QStringList{"smtp://h:25", "bo", "", "a@b", "c@d"};
        QTest::newRow("other section's keys ignored")
            << QByteArray("[Options]\r\nServer=smtp://no:1\r\nTo=no@no\r\n")
            << QStringList{server, "", "", me, to};
    }
    void mailAccount() {
        QFETCH(QByteArray, section);
        QFETCH(QStringList, expected);
        const QString path = file(QStringLiteral("Tarn.ini"), section);
        const TarnIni ini(path);
        const MailAccount a = mail::mailAccount(ini, QStringLiteral("me@box"));
        QCOMPARE((QStringList{a.server, a.user, a.password, a.from, a.to}), expected);
    }

    void senderAddress_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("address");
        QTest::newRow("plain") << "anna"
                               << "tarnhost"
                               << "anna@tarnhost";
        QTest::newRow("no login") << ""
                                  << "tarnhost"
                                  << "tarnwick@tarnhost";
        QTest::newRow("no host") << "anna"
                                 << ""
                                 << "anna@localhost";
        QTest::newRow("neither") << ""
                                 << ""
                                 << "tarnwick@localhost";
        QTest::newRow("blanks and specials dropped") << "Anna Berg<x>"
                                                     << "my box.local"
                                                     << "AnnaBergx@mybox.local";
        QTest::newRow("dots at the ends") << ".anna."
                                          << ".box."
                                          << "anna@box";
        QTest::newRow("nothing usable") << "åäö"
                                        << "@@"
                                        << "tarnwick@localhost";
    }
    void senderAddress() {
        QFETCH(QString, login);
        QFETCH(QString, host);
        QFETCH(QString, address);
        QCOMPARE(mail::senderAddress(login, host), address);
    }

    void defaultSenderIsAnAddress() {
        const QString sender = mail::defaultSender();
        QCOMPARE(sender.count(QLatin1Char('@')), 1);
        QVERIFY(!sender.startsWith(QLatin1Char('@')) && !sender.endsWith(QLatin1Char('@')));
        QVERIFY(!sender.contains(QLatin1Char(' ')));
    }
};

QTEST_GUILESS_MAIN(MailTest)
#include "tst_mail.moc"
