#include "platform/ProfileRead.h"

#include "platform/ProfileFile.h"

#include <QHash>
#include <QSet>

#include <ctime>
#include <utility>

namespace profile {
namespace {

// A change time is only as fine as the file system's clock tick (two seconds on FAT), so a later
// change within the same tick may leave the stamp as it was. Until its file's last change is
// this old, a copy is checked against the file's bytes at each lookup.
constexpr qint64 SettleNs = 2'000'000'000;

// Tarn.ini and the language files in use; more paths than this start the copies afresh.
constexpr qsizetype MaxFiles = 8;
// Lookups remembered per file; the program asks for a few hundred different keys.
constexpr qsizetype MaxAnswers = 4096;

struct Copy {
    platform::FileStamp stamp;
    bool settled = false; // the stamp alone tells whether the file changed
    size_t bytesHash = 0;
    QString text;
    // Lookups already answered from text, by section and key as asked.
    QHash<std::pair<QString, QString>, QString> answers;
};

QHash<QString, Copy>& copies() {
    static QHash<QString, Copy> kept;
    return kept;
}

qint64 decodedReads = 0;

OversizeReporter& oversizeReporter() {
    static OversizeReporter reporter;
    return reporter;
}

qint64 nowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void reportOversize(const QString& path) {
    static QSet<QString> reported;
    if (reported.contains(path)) return;
    reported.insert(path);
    if (const OversizeReporter& report = oversizeReporter())
        report(path);
    else
        qWarning("%s is over %lld MiB, too large to be a profile file: the game neither reads "
                 "nor changes it.",
                 qPrintable(path), MaxFileSize >> 20);
}

} // namespace

void setOversizeReporter(OversizeReporter reporter) {
    oversizeReporter() = std::move(reporter);
}

qint64 fileReads() {
    return decodedReads;
}

namespace detail {

platform::FileRead readBounded(const QString& path) {
    platform::FileRead read = platform::readRegularFile(path, MaxFileSize);
    if (read.state == platform::FileState::TooLarge) reportOversize(path);
    return read;
}

QString cachedLookup(const QString& path, const QString& section, const QString& key) {
    QHash<QString, Copy>& kept = copies();
    auto copy = kept.find(path);
    // Each copy that goes, goes before a new text is decoded, so that at most one is held.
    if (copy != kept.end() && platform::regularFileStamp(path) != std::optional(copy->stamp)) {
        kept.erase(copy);
        copy = kept.end();
    }
    if (copy == kept.end() || !copy->settled) {
        const qint64 started = nowNs();
        const platform::FileRead read = readBounded(path);
        const bool regular = read.state == platform::FileState::Regular;
        const size_t hash = qHash(read.bytes, QHashSeed::globalSeed());
        if (copy != kept.end() &&
            (!regular || read.stamp != copy->stamp || hash != copy->bytesHash)) {
            kept.erase(copy);
            copy = kept.end();
        }
        if (!regular) return {};
        if (copy == kept.end()) {
            ++decodedReads;
            if (kept.size() >= MaxFiles) kept.clear();
            copy = kept.insert(path, {read.stamp, false, hash, decode(read.bytes), {}});
        }
        copy->settled = started - read.stamp.modifiedNs > SettleNs;
    }
    const std::pair<QString, QString> asked(section, key);
    if (const auto answer = copy->answers.constFind(asked); answer != copy->answers.cend())
        return *answer;
    QString value = readStringIn(copy->text, section, key);
    if (copy->answers.size() >= MaxAnswers) copy->answers.clear();
    copy->answers.insert(asked, value);
    return value;
}

void forget(const QString& path) {
    copies().remove(path);
}

} // namespace detail
} // namespace profile
