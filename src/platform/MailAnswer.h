#pragma once
// How a mail transfer that knows its result at once still answers as a real one does: later, on
// the receiver's thread, and not at all once the receiver is gone.
#include "platform/Platform.h"

namespace platform {
void answerLater(QObject* receiver, std::function<void(const MailResult&)> done,
                 const MailResult& result);
}
