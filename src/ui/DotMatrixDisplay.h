#pragma once
// The strip of 455 round dots below the dice. It paints the lit dots white and nothing else,
// so the background artwork shows through the dark ones.
#include "rules/display/DotMatrixFont.h"

#include <QPixmap>
#include <QRectF>
#include <QWidget>

#include <array>

class DotMatrixDisplay : public QWidget {
    Q_OBJECT
  public:
    // Where the dots lie in the main window, in twips.
    static constexpr int Left = 600, Top = 8100, Right = 7155, Bottom = 8715;
    static constexpr int CellStep = 510, ColumnStep = 90, RowStep = 90, DotSize = 75;

    // Places itself over the strip of the parent window.
    explicit DotMatrixDisplay(QWidget* parent);

    // Shows a page: every dot is switched off and the lit ones on again.
    void setDots(const dotmatrix::DotStates& lit);
    const dotmatrix::DotStates& dots() const { return lit_; }

    // The place of a dot in this widget, in pixels.
    static QRectF dotRect(int index);
    // The place of the whole strip in the parent window, in pixels.
    static QRect strip();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QPixmap& sprite(qreal devicePixelRatio);

    dotmatrix::DotStates lit_;
    QPixmap sprite_;
};
