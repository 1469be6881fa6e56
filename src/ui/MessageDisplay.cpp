#include "ui/MessageDisplay.h"

#include "rules/display/DotMatrixFont.h"
#include "ui/DotMatrixDisplay.h"

#include <QTimer>
#include <QWidget>

MessageDisplay::MessageDisplay(QWidget* window)
    : QObject(window), dots_(new DotMatrixDisplay(window)), timer1_(new QTimer(this)),
      sayTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("MessageDisplay"));
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(PageTurnMs);
    sayTimer_->setObjectName(QStringLiteral("SayTimer"));
    sayTimer_->setInterval(SayDelayMs);
    sayTimer_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &MessageDisplay::Timer1Tick);
    connect(sayTimer_, &QTimer::timeout, this, &MessageDisplay::SayTimerTick);
}

// Without a window the strip has no owner but us.
MessageDisplay::~MessageDisplay() {
    if (dots_ && !dots_->parent()) delete dots_.data();
}

void MessageDisplay::Say(const QString& text) {
    timer1_->stop();
    const QString& page = paging_.say(text);
    Bin2Scroll(page);
    // Starting afresh, so a new long message gets its full 2 seconds on the first page.
    if (paging_.paging()) timer1_->start();
    emit said(text);
}

void MessageDisplay::stop() {
    timer1_->stop();
    paging_.stop();
}

void MessageDisplay::Timer1Tick() {
    if (!paging_.paging()) {
        timer1_->stop();
        return;
    }
    Bin2Scroll(paging_.nextPage());
    if (!paging_.paging()) timer1_->stop();
}

void MessageDisplay::SayTimerTick() {
    sayTimer_->stop();
    if (totalText_) Say(totalText_());
}

void MessageDisplay::Bin2Scroll(const QString& pageText) {
    if (dots_) dots_->setDots(dotmatrix::Bin2Scroll(pageText));
    emit pageShown(pageText);
}
