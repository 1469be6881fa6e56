#include "core/MailSettings.h"

#include "platform/LocalAccount.h"

namespace mail {
namespace {

// Keeps the characters RFC 5322 allows in an unquoted local part or a host name.
QString addressPart(const QString& text, const QString& allowedPunctuation) {
    QString kept;
    for (const QChar c : text) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || allowedPunctuation.contains(c))
            kept += c;
    }
    return kept;
}

QString orDefault(const QString& value, const QString& fallback) {
    const QString trimmed = value.trimmed();
    return trimmed.isEmpty() ? fallback : trimmed;
}

} // namespace

QString senderAddress(const QString& login, const QString& host) {
    QString local = addressPart(login, QStringLiteral("!#$%&'*+-/=?^_`{|}~."));
    // A dot may neither start nor end the local part.
    while (local.startsWith(QLatin1Char('.')))
        local.remove(0, 1);
    while (local.endsWith(QLatin1Char('.')))
        local.chop(1);
    QString domain = addressPart(host, QStringLiteral("-."));
    while (domain.startsWith(QLatin1Char('.')))
        domain.remove(0, 1);
    while (domain.endsWith(QLatin1Char('.')))
        domain.chop(1);
    if (local.isEmpty()) local = QStringLiteral("tarnwick");
    if (domain.isEmpty()) domain = QStringLiteral("localhost");
    return local + QLatin1Char('@') + domain;
}

QString defaultSender() {
    return senderAddress(platform::loginName(), platform::hostName());
}

platform::MailAccount mailAccount(const TarnIni& ini, const QString& defaultFrom) {
    platform::MailAccount account;
    account.server = orDefault(ini.get(ini::mail::Server), DefaultServer);
    account.user = ini.get(ini::mail::User).trimmed();
    account.password = ini.get(ini::mail::Password);
    account.from = orDefault(ini.get(ini::mail::From), defaultFrom);
    account.to = orDefault(ini.get(ini::mail::To), DefaultTo);
    return account;
}

} // namespace mail
