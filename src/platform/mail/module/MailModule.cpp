#include "platform/mail/MailModule.h"

#include "platform/mail/CurlMail.h"

platform::Mail* tarnwick_make_mail() {
    return new platform::CurlMail;
}
