#pragma once
// The real mail transfer is a module of its own, loaded with the first message: libcurl and the
// TLS, name-lookup and compression libraries beneath it would otherwise cost every start of the
// game, though hardly any game ever sends mail. The module exports one C function that makes it.
#include "platform/Platform.h"

namespace platform {
// Makes the transfer; the caller owns it.
using MailFactory = Mail* (*)();
inline constexpr char MailFactoryName[] = "tarnwick_make_mail";
} // namespace platform

extern "C" __attribute__((visibility("default"))) platform::Mail* tarnwick_make_mail();
