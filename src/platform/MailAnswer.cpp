#include "platform/MailAnswer.h"

#include <QMetaObject>
#include <QPointer>

namespace platform {

void answerLater(QObject* receiver, std::function<void(const MailResult&)> done,
                 const MailResult& result) {
    QPointer<QObject> alive(receiver);
    QMetaObject::invokeMethod(
        receiver,
        [alive, result, done = std::move(done)] {
            if (alive) done(result);
        },
        Qt::QueuedConnection);
}

} // namespace platform
