// The text of a profile file's bytes: Windows editors save UTF-16 with a byte-order mark, ours
// and most others UTF-8, and old files Windows-1252.
#include "platform/ProfileFile.h"

#include "platform/Cp1252.h"

#include <QStringDecoder>

namespace profile {
namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");
const QByteArray Utf16LeBom("\xFF\xFE");
const QByteArray Utf16BeBom("\xFE\xFF");

QString fromCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(cp1252::toUnicode(static_cast<unsigned char>(bytes[i])));
    return text;
}

QString decodeWith(QStringDecoder::Encoding encoding, QByteArrayView body, bool* valid) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder(body);
    *valid = !decoder.hasError();
    return text;
}

// Qt's UTF-16 decoder passes an unpaired surrogate through as it is, and the next write would
// store it as '?': it becomes the replacement character here, as every other damage does.
QString withoutLoneSurrogates(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

bool hasUtf8Bom(const QByteArray& bytes) {
    return bytes.startsWith(Utf8Bom) && isUtf8(bytes);
}

bool isUtf8(const QByteArray& bytes) {
    bool valid = false;
    decodeWith(QStringDecoder::Utf8, bytes, &valid);
    return valid;
}

QString decode(const QByteArray& bytes) {
    // A UTF-16 byte-order mark decides even when the rest is damaged (an odd byte left over, a
    // lone surrogate), which then keeps what it can with replacement characters: read as
    // Windows-1252 the file would begin with "ÿþ" or "þÿ", which no profile file does.
    bool valid = false;
    if (bytes.startsWith(Utf16LeBom))
        return withoutLoneSurrogates(
            decodeWith(QStringDecoder::Utf16LE, QByteArrayView(bytes).sliced(2), &valid));
    if (bytes.startsWith(Utf16BeBom))
        return withoutLoneSurrogates(
            decodeWith(QStringDecoder::Utf16BE, QByteArrayView(bytes).sliced(2), &valid));
    const QByteArrayView body = bytes.startsWith(Utf8Bom)
                                    ? QByteArrayView(bytes).sliced(Utf8Bom.size())
                                    : QByteArrayView(bytes);
    QString text = decodeWith(QStringDecoder::Utf8, body, &valid);
    return valid ? text : fromCp1252(bytes);
}

} // namespace profile
