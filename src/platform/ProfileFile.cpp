#include "platform/ProfileFile.h"

#include "platform/ProfileRead.h"
#include "platform/ProfileReplace.h"

namespace profile {
namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView trimBlanks(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

// Section and key names compare without regard to ASCII letter case only.
bool sameName(QStringView a, QStringView b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x != y) return false;
    }
    return true;
}

// One line of the file: its text and its own line end ("\r\n", "\n", "\r" or none).
struct Line {
    QStringView text;
    QStringView end;
};

// Calls `visit` with each line in turn until it returns false.
template <class Visit> void forEachLine(QStringView content, Visit visit) {
    qsizetype start = 0;
    const qsizetype n = content.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && content[i] != QLatin1Char('\r') && content[i] != QLatin1Char('\n'))
            ++i;
        qsizetype endLen = 0;
        if (i < n)
            endLen = (content[i] == QLatin1Char('\r') && i + 1 < n &&
                      content[i + 1] == QLatin1Char('\n'))
                         ? 2
                         : 1;
        if (!visit(Line{content.mid(start, i - start), content.mid(i, endLen)})) return;
        start = i + endLen;
    }
}

QList<Line> splitLines(QStringView content) {
    QList<Line> lines;
    forEachLine(content, [&](const Line& line) {
        lines.append(line);
        return true;
    });
    return lines;
}

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    QStringView name;  // section or key name, trimmed
    QStringView value; // raw value, trimmed (keys only)
};

Parsed parse(QStringView line) {
    const QStringView t = trimBlanks(line);
    if (t.isEmpty() || t[0] == QLatin1Char(';')) return {};
    if (t[0] == QLatin1Char('[')) {
        QStringView inner = t.mid(1);
        const qsizetype close = inner.indexOf(QLatin1Char(']'));
        if (close >= 0) inner = inner.left(close);
        return {Kind::Section, trimBlanks(inner), {}};
    }
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0) return {};
    return {Kind::Key, trimBlanks(t.left(eq)), trimBlanks(t.mid(eq + 1))};
}

// Whether only blanks stand before position `i` on its line.
bool startsLine(QStringView content, qsizetype i) {
    while (i > 0 && isBlank(content[i - 1]))
        --i;
    return i == 0 || content[i - 1] == QLatin1Char('\r') || content[i - 1] == QLatin1Char('\n');
}

// The text from position `i` to the end of its line.
QStringView restOfLine(QStringView content, qsizetype i) {
    qsizetype end = i;
    while (end < content.size() && content[end] != QLatin1Char('\r') &&
           content[end] != QLatin1Char('\n'))
        ++end;
    return content.sliced(i, end - i);
}

QString unquote(QStringView v) {
    if (v.size() >= 2 && (v[0] == QLatin1Char('"') || v[0] == QLatin1Char('\'')) &&
        v.back() == v[0])
        v = v.mid(1, v.size() - 2);
    return v.left(MaxValueLength).toString();
}

} // namespace

QString readString(const QString& section, const QString& key, const QString& path) {
    return detail::cachedLookup(path, section, key);
}

QString readStringIn(const QString& content, const QString& section, const QString& key) {
    const QStringView text(content);
    // The section's line is found by its bracket, which skips the lines of the sections before
    // it far faster than parsing them: a lookup in a missing section crosses the whole file.
    for (qsizetype at = 0;;) {
        const qsizetype bracket = text.indexOf(QLatin1Char('['), at);
        if (bracket < 0) return {};
        at = bracket + 1;
        if (!startsLine(text, bracket)) continue;
        const QStringView line = restOfLine(text, bracket);
        at = bracket + line.size();
        if (!sameName(parse(line).name, section)) continue;
        // Only the first section of a name is searched, up to the next section.
        QString value;
        forEachLine(text.sliced(at), [&](const Line& l) {
            const Parsed p = parse(l.text);
            const bool found = p.kind == Kind::Key && sameName(p.name, key);
            if (found) value = unquote(p.value);
            return !found && p.kind != Kind::Section;
        });
        return value;
    }
}

namespace {

// The content with one value written: the key's line replaced, or a new key line or section
// added, every other character kept.
QString withValue(const QString& content, const QString& section, const QString& key,
                  const QString& value) {
    const QList<Line> lines = splitLines(content);
    // A value cannot span lines: a line break would start a line of its own.
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QLatin1String crlf("\r\n");

    qsizetype sectionAt = -1, keyAt = -1, insertAfter = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed p = parse(lines[i].text);
        if (p.kind == Kind::Section) {
            if (sectionAt >= 0) break;
            if (sameName(p.name, section)) insertAfter = sectionAt = i;
        } else if (p.kind == Kind::Key && sectionAt >= 0) {
            insertAfter = i;
            if (sameName(p.name, key)) {
                keyAt = i;
                break;
            }
        }
    }

    QString out;
    out.reserve(content.size() + key.size() + flat.size() + section.size() + 8);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == keyAt) {
            out += parse(lines[i].text).name;
            out += QLatin1Char('=');
            out += flat;
            out += lines[i].end;
            continue;
        }
        out += lines[i].text;
        out += lines[i].end;
        if (keyAt < 0 && i == insertAfter) {
            if (lines[i].end.isEmpty()) out += crlf;
            out += key + QLatin1Char('=') + flat + crlf;
        }
    }
    if (sectionAt < 0) {
        if (!lines.isEmpty() && lines.back().end.isEmpty()) out += crlf;
        out += QLatin1Char('[') + section + QLatin1Char(']') + crlf;
        out += key + QLatin1Char('=') + flat + crlf;
    }
    return out;
}

} // namespace

QString asRead(const QString& value) {
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return unquote(trimBlanks(flat));
}

bool writeString(const QString& section, const QString& key, const QString& value,
                 const QString& path) {
    return writeStrings({{section, key, value}}, path);
}

bool writeStrings(const QList<Write>& writes, const QString& path) {
    const std::optional<QByteArray> target = detail::finalTarget(path);
    if (!target) return false;
    // Only a regular file, or none at all, is replaced: never a fifo or a device, and never a
    // file that could not be read whole.
    const platform::FileRead read = detail::readBounded(path);
    if (read.state != platform::FileState::Regular && read.state != platform::FileState::Missing)
        return false;

    // Whatever the file was in, it is written as UTF-8; a UTF-8 byte-order mark is kept.
    QString content = decode(read.bytes);
    for (const Write& w : writes)
        content = withValue(content, w.section, w.key, w.value);
    const QByteArray written =
        (hasUtf8Bom(read.bytes) ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + content.toUtf8();
    // A file that grew past the bound would no longer be read: keep the old one.
    if (written.size() > MaxFileSize) return false;
    // Already so: nothing to replace, and no wait for the disk (every start ticks its options).
    if (read.state == platform::FileState::Regular && written == read.bytes) return true;
    if (!detail::replaceFile(*target, written)) return false;
    detail::forget(path);
    return true;
}

} // namespace profile
