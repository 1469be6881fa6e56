// How long the message display takes to show a page: working out the dots of a page, and
// painting the strip over the window. Pages alternate so that no call repeats the last one.
#include "rules/display/DotMatrixFont.h"
#include "ui/DotMatrixDisplay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

const QString Pages[] = {
    QStringLiteral("WELCOME TO TA"), QStringLiteral("RNWICK 2000! "), QStringLiteral("Total: 154"),
    QStringLiteral("88888888888{}"), // a dense page
};

template <class F> double microsecondsPerCall(int calls, F&& call) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i)
        call(i);
    return double(clock.nsecsElapsed()) / calls / 1000.0;
}

} // namespace

int main(int argc, char** argv) {
    // Paints into an image only, so a display is not needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int calls = 20000;

    std::size_t sink = 0;
    const double scroll = microsecondsPerCall(
        calls, [&](int i) { sink += dotmatrix::Bin2Scroll(Pages[i % std::size(Pages)]).count(); });
    std::printf("Bin2Scroll: %.2f us per page (%d pages, %zu dots lit)\n", scroll, calls, sink);

    QWidget window;
    window.resize(800, 600);
    auto* strip = new DotMatrixDisplay(&window);
    QImage image(strip->size(), QImage::Format_ARGB32_Premultiplied);

    for (const QString& page : Pages) {
        const dotmatrix::DotStates dots = dotmatrix::Bin2Scroll(page);
        const double paint = microsecondsPerCall(calls, [&](int) {
            strip->setDots(dots);
            QPainter painter(&image);
            strip->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        });
        std::printf("paint %-15s (%3zu dots lit): %.2f us per page\n",
                    qPrintable(QLatin1Char('"') + page + QLatin1Char('"')), dots.count(), paint);
    }

    const double full = microsecondsPerCall(calls, [&](int i) {
        strip->setDots(dotmatrix::Bin2Scroll(Pages[i % std::size(Pages)]));
        QPainter painter(&image);
        strip->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    });
    std::printf("Bin2Scroll and paint, pages in turn: %.2f us per page\n", full);
    return 0;
}
