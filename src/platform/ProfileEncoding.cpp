// The text of a profile file's bytes: ours and most others are UTF-8, old files Windows-1252.
#include "platform/ProfileFile.h"

#include <QStringDecoder>

namespace profile {
namespace {

const QByteArray Bom("\xEF\xBB\xBF");

// 0x80..0x9F of Windows-1252; the rest of the code page is Latin-1. Unassigned bytes keep
// their Latin-1 control code, so nothing is lost.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = (b >= 0x80 && b < 0xA0) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

} // namespace

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

QString decode(const QByteArray& bytes) {
    const QByteArrayView body =
        bytes.startsWith(Bom) ? QByteArrayView(bytes).sliced(Bom.size()) : QByteArrayView(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(body);
    return decoder.hasError() ? fromCp1252(bytes) : text;
}

} // namespace profile
