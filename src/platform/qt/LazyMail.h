#pragma once
// The mail transfer the game holds: it loads the real one from the mail module with the first
// message, so the program starts without libcurl (see mail/MailModule.h).
#include "platform/Platform.h"

#include <QLibrary>

#include <memory>

namespace platform {

class LazyMail : public Mail {
  public:
    // An empty modulePath stands for the program's own module.
    explicit LazyMail(QString modulePath = QString());
    ~LazyMail() override;
    LazyMail(const LazyMail&) = delete;
    LazyMail& operator=(const LazyMail&) = delete;

    // A module that cannot be loaded fails this message and every later one, saying why.
    void send(const MailAccount& account, const MailMessage& message, QObject* receiver,
              std::function<void(const MailResult&)> done) override;

    static QString programModulePath();

  private:
    QString modulePath_;
    bool tried_ = false;
    QString problem_;
    QLibrary library_;
    std::unique_ptr<Mail> transfer_;
};

} // namespace platform
