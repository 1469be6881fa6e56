// The message display: its font, the pages of long messages, the timers that turn them, and
// the dots the widget paints.
#include "rules/display/DotMatrixFont.h"
#include "rules/display/MessagePaging.h"
#include "ui/DotMatrixDisplay.h"
#include "ui/MessageDisplay.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace dotmatrix;

namespace {

// The 35 digits a cell shows, read back from the dots.
QString cellDigits(const DotStates& dots, int cell) {
    QString s;
    for (int x = 0; x < Columns; ++x)
        for (int y = 0; y < Rows; ++y)
            s += dots.test(dotIndex(cell, x, y)) ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

QString glyphOf(char16_t c) {
    return QString::fromLatin1(glyph(QChar(c)));
}
const QString DarkCell(DotsPerCell, QLatin1Char('0'));

QString letters(int n) { // "ABC...": every character of a page is told apart
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'A' + i % 26);
    return s;
}

} // namespace

class DotMatrixTest : public QObject {
    Q_OBJECT
  private slots:
    // Each character once, upper case only; typed lower case shows as its capital.
    void fontCoversBothCases() {
        QSet<char16_t> seen;
        for (const Glyph& g : font()) {
            const QChar c(g.character);
            QVERIFY2(!seen.contains(g.character), qPrintable(c));
            seen.insert(g.character);
            QCOMPARE(c.toUpper(), c);
            QCOMPARE(glyph(c), g.pattern);
            if (c.toLower() != c) {
                QCOMPARE(Bin2Scroll(QString(c.toLower())), Bin2Scroll(QString(c)));
                QVERIFY(glyph(c.toLower()).empty()); // the lookup itself is exact
            }
        }
        QCOMPARE(glyphOf(u' '), DarkCell);
    }

    // Glyphs checked dot by dot against their look, in a cell other than the first, so that
    // the numbering of the dots across cells is checked too.
    void glyphLooks_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QList<QPoint>>("lit"); // (column, row)
        QList<QPoint> t{{0, 0}, {1, 0}, {3, 0}, {4, 0}};
        for (int y = 0; y < Rows; ++y)
            t << QPoint(2, y);
        QTest::newRow("T") << "T" << t;
        QTest::newRow("-") << "-" << QList<QPoint>{{1, 3}, {2, 3}, {3, 3}};
        // A dash across the cell.
        QTest::newRow("_") << "_" << QList<QPoint>{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}};
    }
    void glyphLooks() {
        QFETCH(QString, character);
        QFETCH(QList<QPoint>, lit);
        DotStates expected;
        for (const QPoint& p : lit)
            expected.set(dotIndex(7, p.x(), p.y()));
        QCOMPARE(Bin2Scroll(QString(7, QLatin1Char(' ')) + character), expected);
    }

    // "{}" is one heart over two cells, mirrored about the last column of the left half, with
    // its point at the bottom of that column.
    void heartSpansTwoCells() {
        const DotStates dots = Bin2Scroll(u"{}");
        for (int d = 1; d <= 4; ++d)
            for (int y = 0; y < Rows; ++y)
                QCOMPARE(dots.test(dotIndex(0, 4 - d, y)), dots.test(dotIndex(1, d - 1, y)));
        for (int x = 0; x < Columns - 1; ++x)
            QVERIFY(!dots.test(dotIndex(0, x, 6)));
        QVERIFY(dots.test(dotIndex(0, 4, 6)));
        QCOMPARE(cellDigits(dots, 1).right(Rows), QString(Rows, QLatin1Char('0')));
    }

    // A character without a glyph leaves its cell dark and the following cells in place.
    void charactersWithoutGlyphs_data() {
        QTest::addColumn<QString>("odd"); // the text between A and B
        QTest::addColumn<int>("cellOfB");
        QTest::newRow(",") << "," << 2;
        QTest::newRow("&%;") << "&%;" << 4;
        // Stays one cell, though its capital is two letters.
        QTest::newRow("ß") << QStringLiteral("ß") << 2;
        QTest::newRow("€") << QStringLiteral("€") << 2;
        QTest::newRow("tab, NUL") << QString(QChar(u'\t')) + QChar(0) << 3;
        QTest::newRow("a die: two code units") << QStringLiteral("\U0001F3B2") << 3;
    }
    void charactersWithoutGlyphs() {
        QFETCH(QString, odd);
        QFETCH(int, cellOfB);
        const DotStates dots = Bin2Scroll(QStringLiteral("A") + odd + QStringLiteral("B"));
        for (int c = 0; c < Cells; ++c)
            QCOMPARE(cellDigits(dots, c), c == 0         ? glyphOf(u'A')
                                          : c == cellOfB ? glyphOf(u'B')
                                                         : DarkCell);
    }

    // One page: text without glyphs is dark, and only the first 13 characters are drawn.
    void pageOfText() {
        for (const QString& dark : {QString(), QString(13, ' '), QStringLiteral(",;'()&%")})
            QVERIFY(Bin2Scroll(dark).none());
        const DotStates w = Bin2Scroll(QString(20, QLatin1Char('W'))); // only 13 cells drawn
        for (int c = 0; c < Cells; ++c)
            QCOMPARE(cellDigits(w, c), glyphOf(u'W'));
        // Patterns of any length are safe; digits other than "1" are dark.
        QCOMPARE(Abc2Bin("").count(), 0u);
        QCOMPARE(Abc2Bin("12x1").count(), 2u);
        QVERIFY(Abc2Bin("12x1").test(0) && Abc2Bin("12x1").test(3));
        QCOMPARE(Abc2Bin(std::string(1000, '1')).count(), std::size_t(DotCount));
    }

    // The pages of a message of n characters, as the page turns show them.
    void pages_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("pages");
        const QString second = letters(26).mid(13);
        QTest::newRow("empty") << 0 << QStringList{QString()};
        QTest::newRow("13: at once, never paged") << 13 << QStringList{letters(13)};
        QTest::newRow("14: the 14th alone") << 14 << QStringList{letters(13), "N"};
        QTest::newRow("26") << 26 << QStringList{letters(13), second};
        QTest::newRow("27: the 27th alone") << 27 << QStringList{letters(13), second, "A"};
    }
    void pages() {
        QFETCH(int, length);
        QFETCH(QStringList, pages);
        MessagePaging paging;
        QStringList shown{paging.say(letters(length))};
        QList<qsizetype> indexes{paging.pageIndex()};
        while (paging.paging() && shown.size() < 100) {
            shown << paging.nextPage();
            indexes << paging.pageIndex();
        }
        QCOMPARE(shown, pages);
        for (int k = 0; k + 1 < indexes.size(); ++k)
            QCOMPARE(indexes[k], 1 + 13 * k);
        QCOMPARE(indexes.last(), 1);               // back to 1 once the last page is on show
        QCOMPARE(paging.nextPage(), pages.last()); // the last page stays
        QCOMPARE(paging.pageText(), pages.last());
    }

    void controllerTimersAreNamedAndIdle() {
        QWidget window;
        MessageDisplay display(&window);
        QCOMPARE(window.findChild<QTimer*>("Timer1"), display.timer1());
        QCOMPARE(window.findChild<QTimer*>("SayTimer"), display.sayTimer());
        QCOMPARE(window.findChild<DotMatrixDisplay*>("Digit"), display.dots());
        const auto timer = [](QTimer* t) {
            return std::make_tuple(t->interval(), t->isSingleShot(), t->isActive());
        };
        QCOMPARE(timer(display.timer1()), std::make_tuple(2000, false, false));
        QCOMPARE(timer(display.sayTimer()), std::make_tuple(100, true, false));
        QVERIFY(display.dots()->dots().none());
    }

    // Also without a window to put the strip on.
    void longMessageTurnsPagesUntilTheLast() {
        MessageDisplay display(nullptr);
        display.Say(letters(27).toLower());
        QVERIFY(display.timer1()->isActive());
        QCOMPARE(display.dots()->dots(), Bin2Scroll(letters(13)));
        display.Timer1Tick();
        QVERIFY(display.timer1()->isActive());
        QCOMPARE(display.paging().pageIndex(), 14);
        display.Timer1Tick();
        QVERIFY(!display.timer1()->isActive());
        QCOMPARE(display.dots()->dots(), Bin2Scroll(u"A"));
        display.Timer1Tick(); // a late tick changes nothing
        QCOMPARE(display.dots()->dots(), Bin2Scroll(u"A"));

        // Timer1 turns the pages by itself.
        display.Say(letters(27).toLower());
        display.timer1()->setInterval(1);
        QTRY_VERIFY(!display.timer1()->isActive());
        QCOMPARE(display.dots()->dots(), Bin2Scroll(u"A"));
    }

    void newMessageReplacesThePagingOne_data() {
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("paging"); // whether the next message pages
        QTest::newRow("30 letters: its own paging, from its first page") << letters(30) << true;
        QTest::newRow("TOTAL: 154") << "TOTAL: 154" << false;
        QTest::newRow("13 letters") << letters(13) << false;
        QTest::newRow("empty: a dark display") << QString() << false;
    }
    void newMessageReplacesThePagingOne() {
        QFETCH(QString, next);
        QFETCH(bool, paging);
        QWidget window;
        MessageDisplay display(&window);
        display.Say(QString(40, QLatin1Char('X')));
        display.Timer1Tick();
        // Let the old page time run down by more than a coarse timer's 5% slack of 2 seconds,
        // so that a restarted Timer1 surely has more time left than the old one.
        if (paging) QTest::qWait(300);
        const int before = display.timer1()->remainingTime();
        display.Say(next);
        QCOMPARE(display.paging().pageIndex(), 1);
        QCOMPARE(display.paging().pageText(), next.left(13));
        QCOMPARE(display.dots()->dots(), Bin2Scroll(next));
        QCOMPARE(display.timer1()->isActive(), paging);
        if (paging) QVERIFY(display.timer1()->remainingTime() > before);
    }

    void stopEndsPagingAndKeepsThePage() {
        QWidget window;
        MessageDisplay display(&window);
        display.Say(letters(40));
        display.Timer1Tick();
        display.stop();
        QVERIFY(!display.timer1()->isActive());
        QCOMPARE(display.paging().pageIndex(), 1);
        QCOMPARE(display.dots()->dots(), Bin2Scroll(letters(26).mid(13)));
        display.Say(letters(14)); // and the next long message pages again from its start
        QVERIFY(display.timer1()->isActive());
    }

    void sayTimerAnnouncesOnce() {
        QWidget window;
        MessageDisplay display(&window);
        int asked = 0;
        display.setTotalAnnouncement([&] {
            ++asked;
            return QStringLiteral("Total: 154");
        });
        display.sayTimer()->start();
        QTRY_COMPARE(asked, 1);
        QVERIFY(!display.sayTimer()->isActive());
        QCOMPARE(display.paging().message(), QStringLiteral("Total: 154"));
        QCOMPARE(display.dots()->dots(), Bin2Scroll(u"TOTAL: 154"));
    }

    // The painted strip: lit dots white where the font puts them, everything else left to the
    // window beneath, which here is blue.
    void widgetPaintsLitDotsOnly() {
        QWidget window;
        window.resize(800, 600);
        window.setAutoFillBackground(true);
        QPalette p = window.palette();
        const QColor blue(0, 0, 128);
        p.setColor(QPalette::Window, blue);
        window.setPalette(p);
        MessageDisplay display(&window);
        display.Say(u"Welcome! {}¿ñ"_qs);
        QCOMPARE(display.dots()->geometry(), QRect(40, 540, 437, 41));

        const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint origin = display.dots()->pos();
        const DotStates lit = display.dots()->dots();
        QCOMPARE(lit, Bin2Scroll(u"WELCOME! {}¿Ñ"));
        QList<bool> insideLit(image.width() * image.height());
        for (int i = 0; i < DotCount; ++i) {
            const QRect r = DotMatrixDisplay::dotRect(i).translated(origin).toRect();
            QCOMPARE(image.pixelColor(r.center()) == Qt::white, lit.test(i));
            for (int y = r.top(); y <= r.bottom() && lit.test(i); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    insideLit[y * image.width() + x] = true;
        }
        int stray = 0; // pixels off the lit dots that are not the window's own colour
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                stray += !insideLit[y * image.width() + x] && image.pixelColor(x, y) != blue;
        QCOMPARE(stray, 0);
    }

    // On a screen of a higher pixel ratio the dots are drawn at the device's resolution: each
    // lit dot matches a round dot antialiased right there, with soft pixels only at its rim,
    // not a 1x dot enlarged. The window is rendered into an image of that ratio, as Qt paints
    // its backing store on such a screen.
    void litDotsAreSharpAtTheDeviceRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << qreal(1);
        QTest::newRow("1.5") << qreal(1.5);
        QTest::newRow("2") << qreal(2);
        QTest::newRow("3") << qreal(3);
    }
    void litDotsAreSharpAtTheDeviceRatio() {
        QFETCH(qreal, ratio);
        const QColor blue(0, 0, 128);
        QWidget window;
        window.resize(800, 600);
        MessageDisplay display(&window);
        display.Say(QStringLiteral("8O"));
        QImage image(window.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(blue);
        window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(image.size(), QSize(800, 600) * ratio);

        const QPointF origin = display.dots()->pos();
        const DotStates lit = display.dots()->dots();
        int litDots = 0;
        for (int i = 0; i < DotCount; ++i) {
            const QRectF dot = DotMatrixDisplay::dotRect(i).translated(origin);
            const QRect device = QRectF(dot.topLeft() * ratio, dot.size() * ratio)
                                     .toAlignedRect()
                                     .adjusted(-1, -1, 1, 1);
            // The same dot painted straight at the device's resolution.
            QImage ideal(device.size(), QImage::Format_RGB32);
            ideal.fill(blue);
            if (lit.test(i)) {
                ++litDots;
                QPainter p(&ideal);
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                p.drawEllipse(QRectF(dot.topLeft() * ratio - device.topLeft(), dot.size() * ratio));
            }
            int worst = 0, soft = 0;
            for (int y = 0; y < device.height(); ++y)
                for (int x = 0; x < device.width(); ++x) {
                    const QColor got = image.pixelColor(device.topLeft() + QPoint(x, y));
                    const QColor want = ideal.pixelColor(x, y);
                    worst = std::max({worst, std::abs(got.red() - want.red()),
                                      std::abs(got.blue() - want.blue())});
                    soft += got != Qt::white && got != blue;
                }
            QVERIFY2(worst <= 48, qPrintable(QStringLiteral("dot %1 off by %2").arg(i).arg(worst)));
            // Antialiased, and only along the rim: about the dot's circumference in pixels.
            const double rim = M_PI * dot.width() * ratio;
            if (lit.test(i))
                QVERIFY2(soft > 0 && soft < 1.5 * rim, qPrintable(QString::number(soft)));
        }
        QVERIFY(litDots > 20);
    }
};

QTEST_MAIN(DotMatrixTest)
#include "tst_dotmatrix.moc"
