#pragma once
// The game's message display: shows each message on the dot strip, turns the pages of long
// ones with Timer1 and re-announces the total with SayTimer after a language change.
#include "rules/display/MessagePaging.h"
#include "ui/DotMatrixDisplay.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QTimer;
class QWidget;

class MessageDisplay : public QObject {
    Q_OBJECT
  public:
    static constexpr int PageTurnMs = 2000;
    static constexpr int SayDelayMs = 100;

    // Puts the dot strip on the window. This object, and with it the timers, is a child of the
    // window too, so the window's findChild reaches "Timer1", "SayTimer" and "Digit".
    explicit MessageDisplay(QWidget* window);
    ~MessageDisplay() override;

    // Shows a message from its first page, replacing the one on show; pages turn every
    // 2 seconds when it is longer than one page.
    void Say(const QString& text);

    // Stops the paging and returns the page index to 1, as a new game does. The page on show
    // stays until the next message.
    void stop();

    // The text SayTimer shows: the total in the current language.
    void setTotalAnnouncement(std::function<QString()> text) { totalText_ = std::move(text); }

    DotMatrixDisplay* dots() const { return dots_.data(); }
    QTimer* timer1() const { return timer1_; }
    QTimer* sayTimer() const { return sayTimer_; }
    const MessagePaging& paging() const { return paging_; }

  public slots:
    void Timer1Tick();   // the next page
    void SayTimerTick(); // the total, once

  signals:
    void said(const QString& text);
    void pageShown(const QString& pageText);

  private:
    void Bin2Scroll(const QString& pageText);

    MessagePaging paging_;
    QPointer<DotMatrixDisplay> dots_;
    QTimer* timer1_;
    QTimer* sayTimer_;
    std::function<QString()> totalText_;
};
