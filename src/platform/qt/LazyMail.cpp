#include "platform/qt/LazyMail.h"

#include "platform/MailAnswer.h"
#include "platform/mail/MailModule.h"
#include "platform/qt/Modules.h"

namespace platform {

QString LazyMail::programModulePath() {
    return modulePath(QStringLiteral(TARNWICK_MAIL_MODULE_NAME));
}

LazyMail::LazyMail(QString modulePath) : modulePath_(std::move(modulePath)) {}

// The transfer goes first, stopping what still runs; the module stays loaded, as its threads
// may be finishing.
LazyMail::~LazyMail() = default;

void LazyMail::send(const MailAccount& account, const MailMessage& message, QObject* receiver,
                    std::function<void(const MailResult&)> done) {
    if (!tried_) {
        tried_ = true;
        const QString path = modulePath_.isEmpty() ? programModulePath() : modulePath_;
        if (const auto make = reinterpret_cast<MailFactory>(loadModule(
                library_, path, MailFactoryName, QStringLiteral("mail module"), &problem_))) {
            transfer_.reset(make());
            if (!transfer_) problem_ = QStringLiteral("the mail module %1 made nothing").arg(path);
        }
    }
    if (transfer_) {
        transfer_->send(account, message, receiver, std::move(done));
        return;
    }
    // Told as a failed message, later as a real one would be.
    const MailResult result{false, QStringLiteral("This game cannot send mail: %1.").arg(problem_)};
    answerLater(receiver, std::move(done), result);
}

} // namespace platform
