#include "ui/ClickLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// A disabled label reads as unavailable whatever its colour.
const QColor DisabledText(128, 128, 128);
} // namespace

ClickLabel::ClickLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setForeground(Qt::white);
}

void ClickLabel::setForeground(const QColor& colour) {
    foreground_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    p.setColor(QPalette::Disabled, QPalette::WindowText, DisabledText);
    setPalette(p);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    event->accept();
}

// A click is a press and a release over the label, as with any button.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_ && inside && event->button() == Qt::LeftButton) emit clicked();
    pressed_ = false;
    event->accept();
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    p.setColor(QPalette::Disabled, QPalette::WindowText, DisabledText);
    label->setPalette(p);
}

FilledCircle::FilledCircle(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FilledCircle::setFillColor(const QColor& colour) {
    if (colour == fill_) return;
    fill_ = colour;
    update();
}

void FilledCircle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill_);
    p.drawEllipse(rect().adjusted(0, 0, -1, -1));
}
