#pragma once
// A label that acts as a button: it reports left clicks while enabled, and shows a picture
// or text. Disabled labels take no clicks, so their enabled state is part of the game state.
#include <QColor>
#include <QLabel>

class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(const QString& name, QWidget* parent);

    // The text colour, kept as a value so that tests and the preview can read it back.
    void setForeground(const QColor& colour);
    QColor foreground() const { return foreground_; }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QColor foreground_{Qt::white};
    bool pressed_ = false;
};

// Sets the colour a plain label draws its text in.
void setTextColour(QLabel* label, const QColor& colour);

// A small filled circle whose fill colour can change.
class FilledCircle : public QWidget {
    Q_OBJECT
  public:
    FilledCircle(const QString& name, QWidget* parent);
    void setFillColor(const QColor& colour);
    QColor fillColor() const { return fill_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_{0x40, 0, 0};
};
