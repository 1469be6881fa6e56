// SetINI on arbitrary existing files. The input is "section\0key\0value\0" and then the file's
// bytes; a missing part is taken as empty. After the write the value must read back as a read
// returns it (profile::asRead), no other value may change, the file may grow only by what was
// written, and writing the same value again must leave the file alone.
// fuzz-dict: profile.dict
#include "FuzzCheck.h"
#include "core/Profile.h"
#include "platform/ProfileFile.h"

#include <QList>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

// The harness keeps a small model of the format of its own (blanks, names, sections) rather
// than calling the reader's helpers, so that a check never shares the reader's mistake.
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimBlanks(QString s) {
    while (!s.isEmpty() && isBlank(s.front()))
        s.remove(0, 1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

bool sameName(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x != y) return false;
    }
    return true;
}

// The game writes only names a read can find again: no line break, no ']' in a section, no '='
// in a key nor a key that would read as a section or a comment, no blanks around either. The
// input's names are made such by dropping what stands in the way.
QString asSectionName(QString name) {
    name.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QLatin1Char(']'));
    return trimBlanks(name);
}

QString asKeyName(QString name) {
    name.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QLatin1Char('='));
    for (;;) {
        name = trimBlanks(name);
        if (name.isEmpty() || (name[0] != QLatin1Char('[') && name[0] != QLatin1Char(';')))
            return name;
        name.remove(0, 1);
    }
}

// The next NUL-ended part of the input; the rest of it when there is no NUL.
QByteArray takePart(QByteArray& rest) {
    const qsizetype nul = rest.indexOf('\0');
    const QByteArray part = nul < 0 ? rest : rest.left(nul);
    rest = nul < 0 ? QByteArray() : rest.mid(nul + 1);
    return part;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray rest(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString section = asSectionName(QString::fromUtf8(takePart(rest)));
    const QString key = asKeyName(QString::fromUtf8(takePart(rest)));
    const QString value = QString::fromUtf8(takePart(rest));
    const QByteArray before = rest;

    // Values elsewhere in the file, which the write must leave as they read.
    const QString text = profile::decode(before);
    QList<std::pair<QString, QString>> others{
        {QStringLiteral("Options"), QStringLiteral("PlaySound")},
        {QStringLiteral("Highscore"), QStringLiteral("p1")},
        {QStringLiteral("Language"), QStringLiteral("l1p")},
        {section, QStringLiteral("k")}};
    QString current;
    for (const QStringView line : QStringView(text).tokenize(QLatin1Char('\n'))) {
        const QString t = trimBlanks(line.toString().remove(QLatin1Char('\r')));
        if (t.startsWith(QLatin1Char('[')))
            current = asSectionName(t.mid(1));
        else if (const qsizetype eq = t.indexOf(QLatin1Char('=')); eq > 0 && others.size() < 8)
            others.append({current, trimBlanks(t.left(eq))});
    }
    QStringList othersBefore;
    for (const auto& [s, k] : others)
        othersBefore << profile::readStringIn(text, s, k);

    static const QString path = fuzz::scratch().filePath(QStringLiteral("Tarn.ini"));
    fuzz::writeFile(path, before);
    const QString detail = section + '/' + key + '=' + value;
    fuzz::check(SetINI(section, key, value, path), "a write to a plain small file failed", detail);

    const QString read = GetINI(section, key, path);
    fuzz::check(read == profile::asRead(value), "the value does not read back as written",
                detail + QStringLiteral("\nread: ") + read);
    for (qsizetype i = 0; i < others.size(); ++i) {
        const auto& [s, k] = others[i];
        if (sameName(s, section) && sameName(k, key)) continue;
        const QString now = GetINI(s, k, path);
        fuzz::check(now == othersBefore[i], "the write changed another value",
                    detail + QStringLiteral("\nchanged: ") + s + '/' + k +
                        QStringLiteral(" from ") + fuzz::units(othersBefore[i]) +
                        QStringLiteral(" to ") + fuzz::units(now));
    }

    // Re-encoding may turn each byte into three (Windows-1252 to UTF-8); anything more is lost
    // text or a runaway write.
    const QByteArray after = fuzz::readFile(path);
    const qint64 written = (section.size() + key.size() + value.size()) * 3 + 16;
    fuzz::check(after.size() <= before.size() * 3 + written && after.size() <= profile::MaxFileSize,
                "the file grew past its bound", detail);

    // The same write once more changes no byte, so it replaces nothing.
    const qint64 replaced = profile::replacements();
    fuzz::check(SetINI(section, key, value, path), "a repeated write failed", detail);
    fuzz::check(profile::replacements() == replaced && fuzz::readFile(path) == after,
                "a repeated write changed the file", detail);
    return 0;
}
