#pragma once
// Which part of a message the display shows. A message of up to 13 characters is one page;
// a longer one is shown 13 characters a page, turned by the caller's timer, and its last page
// stays until the next message. No timers here, so the rules can be driven step by step.
#include <QString>

class MessagePaging {
  public:
    static constexpr qsizetype PageLength = 13;

    // Replaces whatever is on show and starts the message at its first page. Returns the
    // page text to draw; paging() then says whether more pages follow.
    const QString& say(const QString& text);

    // Turns to the next page and returns its text. After the last page, paging ends and the
    // page index returns to 1 while that page stays on show. Does nothing when not paging.
    const QString& nextPage();

    // Ends paging and returns the page index to 1; the page on show stays.
    void stop();

    bool paging() const { return paging_; }
    qsizetype pageIndex() const { return pageIndex_; } // first character of the page, from 1
    const QString& message() const { return message_; }
    const QString& pageText() const { return pageText_; }

  private:
    QString message_;
    QString pageText_;
    qsizetype pageIndex_ = 1;
    bool paging_ = false;
};
