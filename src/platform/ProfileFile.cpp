#include "platform/ProfileFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

const QByteArray Bom("\xEF\xBB\xBF");
std::atomic<qint64> replaced{0};

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

QString unquote(QStringView v) {
    if (v.size() >= 2 && (v[0] == QLatin1Char('"') || v[0] == QLatin1Char('\'')) &&
        v.back() == v[0])
        v = v.mid(1, v.size() - 2);
    return v.left(MaxValueLength).toString();
}

QByteArray readAll(const QString& path, bool* exists) {
    // Plain system calls: every read goes to the file, so this is on every lookup's path.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    *exists = fd >= 0 || errno != ENOENT;
    if (fd < 0) return {};
    QByteArray bytes;
    struct stat st {};
    // Only a regular file is a profile file: a device or a directory reads as empty.
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        bytes.resize(qsizetype(st.st_size));
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t r = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) break;
            done += r;
        }
        bytes.truncate(done);
    }
    ::close(fd);
    return bytes;
}

// Writes `bytes` to a new file beside `path` and renames it over `path`, keeping the old
// file's permission bits. Any failure removes the new file and leaves the old one as it was.
bool replaceFile(const QString& path, const QByteArray& bytes) {
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink()) target = info.symLinkTarget();

    mode_t mode = 0644;
    struct stat st {};
    const QByteArray targetName = QFile::encodeName(target);
    if (::stat(targetName.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;
        // A read-only file stays read-only even for a user who could replace it.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    QByteArray tmpName = targetName + ".XXXXXX";
    const int fd = ::mkstemp(tmpName.data());
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, mode) == 0;
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t w = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (w < 0 && errno == EINTR) continue;
        ok = w > 0;
        done += w;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tmpName.constData(), targetName.constData()) == 0;
    if (!ok) ::unlink(tmpName.constData());
    if (ok) replaced.fetch_add(1, std::memory_order_relaxed);
    return ok;
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

QString readString(const QString& section, const QString& key, const QString& path) {
    bool exists = false;
    const QString content = decode(readAll(path, &exists));
    bool inSection = false, sectionSeen = false;
    QString value;
    forEachLine(content, [&](const Line& line) {
        const Parsed p = parse(line.text);
        if (p.kind == Kind::Section) {
            // Only the first section of a name is searched.
            if (inSection) return false;
            inSection = !sectionSeen && sameName(p.name, section);
            sectionSeen = sectionSeen || inSection;
        } else if (p.kind == Kind::Key && inSection && sameName(p.name, key)) {
            value = unquote(p.value);
            return false;
        }
        return true;
    });
    return value;
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

qint64 replacements() {
    return replaced.load(std::memory_order_relaxed);
}

bool writeString(const QString& section, const QString& key, const QString& value,
                 const QString& path) {
    return writeStrings({{section, key, value}}, path);
}

bool writeStrings(const QList<Write>& writes, const QString& path) {
    bool exists = false;
    const QByteArray bytes = readAll(path, &exists);
    if (exists && bytes.isEmpty() && !QFileInfo(path).isReadable()) return false;

    const bool hadBom = bytes.startsWith(Bom) && isUtf8(bytes);
    QString content = decode(bytes);
    for (const Write& w : writes)
        content = withValue(content, w.section, w.key, w.value);
    return replaceFile(path, (hadBom ? Bom : QByteArray()) + content.toUtf8());
}

} // namespace profile
