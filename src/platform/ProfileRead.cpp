#include "platform/ProfileRead.h"

#include "platform/ProfileFile.h"

#include <QSet>

#include <utility>

namespace profile {
namespace {

OversizeReporter& oversizeReporter() {
    static OversizeReporter reporter;
    return reporter;
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
                 qPrintable(path), MaxFileSize / (1024 * 1024));
}

} // namespace

void setOversizeReporter(OversizeReporter reporter) {
    oversizeReporter() = std::move(reporter);
}

namespace detail {

platform::FileRead readBounded(const QString& path) {
    platform::FileRead read = platform::readRegularFile(path, MaxFileSize);
    if (read.state == platform::FileState::TooLarge) reportOversize(path);
    return read;
}

} // namespace detail
} // namespace profile
