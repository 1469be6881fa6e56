// How long the built-in pictures take to load at each scale: the 1x ones lie bare and
// uncompressed for the first frame, the 2x ones are packed and unpacked on high-density
// screens only. Also prints how many bytes each takes in the program.
#include "ui/Resources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QResource>

#include <cstdio>

namespace {

template <class F> double microsecondsPerCall(int calls, F&& call) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i)
        call();
    return double(clock.nsecsElapsed()) / calls / 1000.0;
}

qint64 storedBytes(const QString& path) {
    const QResource r(path);
    return r.isValid() ? r.size() : -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    resources::background(); // registers the resources, outside the clock
    struct Case {
        const char* name;
        QString file;
        QPixmap (*load)(qreal);
    };
    const Case cases[] = {
        {"background", QStringLiteral("background.pixels"),
         [](qreal r) { return resources::background(r); }},
        {"splash", QStringLiteral("splash.pixels"), [](qreal r) { return resources::splash(r); }},
        {"die face 35", QStringLiteral("bitmap35.png"),
         [](qreal r) { return resources::bitmap(35, r); }},
        {"icon 67", QStringLiteral("icon67.pixels"),
         [](qreal r) { return resources::iconPixmap(67, r); }},
    };
    std::printf("%-12s %5s %12s %14s\n", "picture", "scale", "stored bytes", "us per load");
    for (const Case& c : cases)
        for (int scale : {1, 2}) {
            const QString path =
                (scale == 1 ? QStringLiteral(":/art/") : QStringLiteral(":/art/2x/")) + c.file;
            const int calls = c.file.startsWith(QLatin1String("icon")) ? 2000 : 40;
            c.load(scale); // the first load of a kind also loads its image plugin
            const double us = microsecondsPerCall(calls, [&] { c.load(scale).cacheKey(); });
            std::printf("%-12s %5d %12lld %14.1f\n", c.name, scale, qlonglong(storedBytes(path)),
                        us);
        }
    return 0;
}
