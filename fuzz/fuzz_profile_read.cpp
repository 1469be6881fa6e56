// The profile-file reader on arbitrary file bytes. Most lookups go to the decoded text in memory,
// which is fast; each input also goes once through a real file and GetINI, which must agree.
// fuzz-dict: profile.dict
#include "FuzzCheck.h"
#include "core/Profile.h"
#include "platform/ProfileFile.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Names compare without regard to ASCII letter case only; flips that case and nothing else.
QString flipAsciiCase(QString name) {
    for (QChar& c : name) {
        const char16_t u = c.unicode();
        if (u >= 'a' && u <= 'z')
            c = QChar(u - 32);
        else if (u >= 'A' && u <= 'Z')
            c = QChar(u + 32);
    }
    return name;
}

// The first few section and key names the text spells, so that lookups find values as well as
// miss them; spelled as written, blanks and all, some of them never match.
void namesIn(const QString& text, QStringList& sections, QStringList& keys) {
    for (const QStringView line : QStringView(text).tokenize(QLatin1Char('\n'))) {
        if (sections.size() >= 6 && keys.size() >= 6) break;
        qsizetype b = 0;
        while (b < line.size() && isBlank(line[b]))
            ++b;
        if (b < line.size() && line[b] == QLatin1Char('[')) {
            const qsizetype close = line.indexOf(QLatin1Char(']'), b);
            if (sections.size() < 6)
                sections << line.mid(b + 1, close < 0 ? -1 : close - b - 1).toString().trimmed();
        } else if (const qsizetype eq = line.indexOf(QLatin1Char('=')); eq >= 0) {
            if (keys.size() < 6) keys << line.left(eq).toString().trimmed();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = profile::decode(bytes);

    QStringList sections{QStringLiteral("Options"), QStringLiteral("Highscore"),
                         QStringLiteral("Language")};
    QStringList keys{QStringLiteral("PlaySound"), QStringLiteral("p1"), QStringLiteral("l1p")};
    namesIn(text, sections, keys);
    for (qsizetype s = 0; s < sections.size(); ++s) {
        for (qsizetype k = 0; k < keys.size(); ++k) {
            const QString value = profile::readStringIn(text, sections[s], keys[k]);
            fuzz::checkValue(value, profile::MaxValueLength);
            if (s < 3 || k < 3) continue; // the fixed names spell their case one way only
            fuzz::check(profile::readStringIn(text, flipAsciiCase(sections[s]),
                                              flipAsciiCase(keys[k])) == value,
                        "names should match without regard to ASCII case",
                        sections[s] + '/' + keys[k]);
        }
    }

    // The same file through the file API, whose kept copy must notice every new input: the file
    // is rewritten in place, often with the same size within one tick of the file clock.
    static const QString path = fuzz::scratch().filePath(QStringLiteral("Tarn.ini"));
    fuzz::writeFile(path, bytes);
    const QString section = sections.size() > 3 ? sections[3] : sections[0];
    const QString key = keys.size() > 3 ? keys[3] : keys[0];
    for (const auto& [s, k] : {std::pair(section, key), std::pair(sections[0], keys[0]),
                               std::pair(sections[1], keys[1]), std::pair(sections[2], keys[2])})
        fuzz::check(GetINI(s, k, path) == profile::readStringIn(text, s, k),
                    "GetINI disagrees with the text of the file", s + '/' + k);
    return 0;
}
