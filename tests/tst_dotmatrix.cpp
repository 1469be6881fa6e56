// The message display: its font, the pages of long messages, the timers that turn them, and
// the dots the widget paints.
#include "display/DotMatrixDisplay.h"
#include "display/DotMatrixFont.h"
#include "display/MessageDisplay.h"
#include "display/MessagePaging.h"

#include <QImage>
#include <QSet>
#include <QTest>
#include <QTimer>

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
    void fontHoldsUpperCaseCharactersOnce() {
        QCOMPARE(font().size(), std::size_t(65));
        QSet<char16_t> seen;
        for (const Glyph& g : font()) {
            QVERIFY2(!seen.contains(g.character), qPrintable(QChar(g.character)));
            seen.insert(g.character);
            QCOMPARE(QChar(g.character).toUpper(), QChar(g.character));
            QCOMPARE(glyph(QChar(g.character)), g.pattern);
        }
        QCOMPARE(glyphOf(u'0'), glyphOf(u'O'));
        QCOMPARE(glyphOf(u' '), DarkCell);
    }

    // Glyphs checked dot by dot against their look, in a cell other than the first, so that
    // the numbering of the dots across cells is checked too.
    void glyphDotByDot_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QList<QPoint>>("lit"); // (column, row)
        QList<QPoint> t{{0, 0}, {1, 0}, {3, 0}, {4, 0}};
        for (int y = 0; y < Rows; ++y)
            t << QPoint(2, y);
        QTest::newRow("T: top bar and middle column") << "T" << t;
        QList<QPoint> l{{1, 6}, {2, 6}, {3, 6}, {4, 6}};
        for (int y = 0; y < Rows; ++y)
            l << QPoint(0, y);
        QTest::newRow("L: left column and bottom bar") << "L" << l;
        QTest::newRow("!: stroke and point")
            << "!" << QList<QPoint>{{2, 0}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 6}};
        QTest::newRow("-: short dash") << "-" << QList<QPoint>{{1, 3}, {2, 3}, {3, 3}};
        QTest::newRow("_: dash across the cell")
            << "_" << QList<QPoint>{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}};
    }
    void glyphDotByDot() {
        QFETCH(QString, character);
        QFETCH(QList<QPoint>, lit);
        const int cell = 7;
        const DotStates dots = Bin2Scroll(QString(cell, QLatin1Char(' ')) + character);
        DotStates expected;
        for (const QPoint& p : lit)
            expected.set(dotIndex(cell, p.x(), p.y()));
        QCOMPARE(dots, expected);
    }

    // "{}" is one heart over two cells, mirrored about the last column of the left half.
    void heartSpansTwoCells() {
        const DotStates dots = Bin2Scroll(u"{}");
        QCOMPARE(cellDigits(dots, 0), glyphOf(u'{'));
        QCOMPARE(cellDigits(dots, 1), glyphOf(u'}'));
        for (int d = 1; d <= 4; ++d)
            for (int y = 0; y < Rows; ++y)
                QCOMPARE(dots.test(dotIndex(0, 4 - d, y)), dots.test(dotIndex(1, d - 1, y)));
        QVERIFY(dots.test(dotIndex(0, 4, 6))); // the point at the bottom
        for (int x = 0; x < Columns - 1; ++x)
            QVERIFY(!dots.test(dotIndex(0, x, 6)));
        QCOMPARE(cellDigits(dots, 1).right(Rows), QString(Rows, QLatin1Char('0')));
    }

    void lowerCaseShowsAsCapitals_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a") << u"a"_qs << u"A"_qs;
        QTest::newRow("z") << u"z"_qs << u"Z"_qs;
        QTest::newRow("e acute") << QStringLiteral("é") << QStringLiteral("É");
        QTest::newRow("a acute") << QStringLiteral("á") << QStringLiteral("Á");
        QTest::newRow("i acute") << QStringLiteral("í") << QStringLiteral("Í");
        QTest::newRow("u diaeresis") << QStringLiteral("ü") << QStringLiteral("Ü");
        QTest::newRow("a ring") << QStringLiteral("å") << QStringLiteral("Å");
        QTest::newRow("a diaeresis") << QStringLiteral("ä") << QStringLiteral("Ä");
        QTest::newRow("o diaeresis") << QStringLiteral("ö") << QStringLiteral("Ö");
        QTest::newRow("o stroke") << QStringLiteral("ø") << QStringLiteral("Ø");
        QTest::newRow("ae") << QStringLiteral("æ") << QStringLiteral("Æ");
        QTest::newRow("n tilde") << QStringLiteral("ñ") << QStringLiteral("Ñ");
    }
    void lowerCaseShowsAsCapitals() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QVERIFY(!glyph(shown.front()).empty());
        QCOMPARE(Bin2Scroll(typed), Bin2Scroll(shown));
        QVERIFY(glyph(typed.front()).empty()); // the lookup itself is exact
    }

    // A character without a glyph leaves its cell dark and the following cells in place,
    // whatever was drawn before it.
    void charactersOutsideTheFontKeepTheirCells_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cellOfB");
        const auto row = [](const char* name, const QString& odd, int cellOfB) {
            QTest::newRow(name) << QStringLiteral("A") + odd + QStringLiteral("B") << cellOfB;
        };
        row("comma", u","_qs, 2);
        row("apostrophe", u"'"_qs, 2);
        row("parentheses", u"()"_qs, 3);
        row("ampersand, percent, semicolon", u"&%;"_qs, 4);
        row("c cedilla", QStringLiteral("Ç"), 2);
        row("lower c cedilla", QStringLiteral("ç"), 2);
        row("sharp s stays one cell", QStringLiteral("ß"), 2);
        row("euro sign", QStringLiteral("€"), 2);
        row("tab and nul", QString(QChar(u'\t')) + QChar(0), 3);
        row("emoji: two code units", QStringLiteral("\U0001F3B2"), 3);
    }
    void charactersOutsideTheFontKeepTheirCells() {
        QFETCH(QString, text);
        QFETCH(int, cellOfB);
        const DotStates dots = Bin2Scroll(text);
        QCOMPARE(cellDigits(dots, 0), glyphOf(u'A'));
        for (int c = 1; c < cellOfB; ++c)
            QCOMPARE(cellDigits(dots, c), DarkCell);
        QCOMPARE(cellDigits(dots, cellOfB), glyphOf(u'B'));
        for (int c = cellOfB + 1; c < Cells; ++c)
            QCOMPARE(cellDigits(dots, c), DarkCell);
    }

    void darkPages_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << QString(13, QLatin1Char(' '));
        QTest::newRow("only characters outside the font") << u",;'()&%"_qs;
    }
    void darkPages() {
        QFETCH(QString, text);
        QVERIFY(Bin2Scroll(text).none());
    }

    void onlyThirteenCellsAreDrawn() {
        const DotStates dots = Bin2Scroll(QString(20, QLatin1Char('W')));
        for (int c = 0; c < Cells; ++c)
            QCOMPARE(cellDigits(dots, c), glyphOf(u'W'));
    }

    void patternsOfAnyShapeAreSafe_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("litCount");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("short") << "101" << 2;
        QTest::newRow("other digits are dark") << "12x1" << 2;
        QTest::newRow("too long") << QString(1000, QLatin1Char('1')) << DotCount;
    }
    void patternsOfAnyShapeAreSafe() {
        QFETCH(QString, pattern);
        QFETCH(int, litCount);
        const DotStates dots = Abc2Bin(pattern.toStdString());
        QCOMPARE(int(dots.count()), litCount);
        QCOMPARE(dots.test(0), !pattern.isEmpty());
    }

    // The pages of a message of n characters, as the page turns show them.
    void pages_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("empty") << 0 << QStringList{QString()};
        QTest::newRow("1") << 1 << QStringList{u"A"_qs};
        QTest::newRow("13: at once, never paged") << 13 << QStringList{letters(13)};
        QTest::newRow("14: the 14th alone") << 14 << QStringList{letters(13), u"N"_qs};
        QTest::newRow("26") << 26 << QStringList{letters(13), letters(26).mid(13)};
        QTest::newRow("27: three pages, the 27th alone")
            << 27 << QStringList{letters(13), letters(26).mid(13), u"A"_qs};
        QTest::newRow("40") << 40
                            << QStringList{letters(13), letters(26).mid(13), letters(39).mid(26),
                                           letters(40).mid(39)};
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
        QCOMPARE(window.findChild<QTimer*>(u"Timer1"_qs), display.timer1());
        QCOMPARE(window.findChild<QTimer*>(u"SayTimer"_qs), display.sayTimer());
        QCOMPARE(window.findChild<DotMatrixDisplay*>(u"Digit"_qs), display.dots());
        QCOMPARE(display.timer1()->interval(), 2000);
        QVERIFY(!display.timer1()->isSingleShot());
        QCOMPARE(display.sayTimer()->interval(), 100);
        QVERIFY(display.sayTimer()->isSingleShot());
        QVERIFY(!display.timer1()->isActive());
        QVERIFY(!display.sayTimer()->isActive());
        QVERIFY(display.dots()->dots().none());
    }

    void longMessageTurnsPagesUntilTheLast() {
        QWidget window;
        MessageDisplay display(&window);
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
    }

    void timer1TurnsThePagesByItself() {
        QWidget window;
        MessageDisplay display(&window);
        display.Say(letters(27));
        display.timer1()->setInterval(1);
        QTRY_VERIFY(!display.timer1()->isActive());
        QCOMPARE(display.dots()->dots(), Bin2Scroll(u"A"));
    }

    void worksWithoutAWindow() {
        MessageDisplay display(nullptr);
        display.Say(letters(14));
        display.Timer1Tick();
        QCOMPARE(display.dots()->dots(), Bin2Scroll(u"N"));
    }

    void newMessageReplacesThePagingOne_data() {
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("paging");
        QTest::newRow("long: its own paging from its first page") << letters(30) << true;
        QTest::newRow("short: the paging stops") << u"TOTAL: 154"_qs << false;
        QTest::newRow("exactly 13: the paging stops") << letters(13) << false;
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
            return u"Total: 154"_qs;
        });
        display.sayTimer()->start();
        QTRY_COMPARE(asked, 1);
        QVERIFY(!display.sayTimer()->isActive());
        QCOMPARE(display.paging().message(), u"Total: 154"_qs);
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
};

QTEST_MAIN(DotMatrixTest)
#include "tst_dotmatrix.moc"
