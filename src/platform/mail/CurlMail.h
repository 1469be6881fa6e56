#pragma once
// Mail over SMTP with libcurl. Each message goes out on a thread of its own, so a slow or silent
// server never holds up the game; the thread works only on its own copies of the message.
#include "platform/Platform.h"

#include <atomic>
#include <memory>

namespace platform {

class CurlMail : public Mail {
  public:
    CurlMail();
    // Stops the transfers still running and waits a moment for them, so that none outlives
    // the program's libraries; their results are never delivered.
    ~CurlMail() override;
    CurlMail(const CurlMail&) = delete;
    CurlMail& operator=(const CurlMail&) = delete;

    // Call on `receiver`'s thread.
    void send(const MailAccount& account, const MailMessage& message, QObject* receiver,
              std::function<void(const MailResult&)> done) override;

  private:
    struct Workers;
    std::shared_ptr<Workers> workers_;
};

namespace curlmail {
inline constexpr long TransferSeconds = 30;
inline constexpr long ConnectSeconds = 15;
// A language file is a few KiB; anything near this is not one.
inline constexpr qint64 MaxAttachmentBytes = 16 * 1024 * 1024;

struct Limits {
    long connectSeconds = ConnectSeconds;   // up to the server's greeting and EHLO answer
    long transferSeconds = TransferSeconds; // the whole message
};

// The whole transfer, blocking the calling thread: what CurlMail runs on its worker. Setting
// `cancel` ends it within about a second. Checks the account and reads the attachment before
// it connects to anything.
MailResult sendNow(const MailAccount& account, const MailMessage& message,
                   const std::atomic<bool>& cancel, const Limits& limits = {});

// A header value as RFC 2047 encoded words when it needs them (non-ASCII, control characters
// or something that would read as an encoded word); ASCII text as it is. Encoded words are
// folded onto lines of their own.
QByteArray headerText(const QString& text);
} // namespace curlmail

} // namespace platform
