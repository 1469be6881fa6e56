#include "rules/display/MessagePaging.h"

const QString& MessagePaging::say(const QString& text) {
    message_ = text;
    pageIndex_ = 1;
    pageText_ = message_.left(PageLength);
    paging_ = message_.size() > PageLength;
    return pageText_;
}

const QString& MessagePaging::nextPage() {
    if (!paging_) return pageText_;
    pageIndex_ += PageLength;
    pageText_ = message_.mid(pageIndex_ - 1, PageLength);
    if (pageIndex_ + PageLength > message_.size()) stop();
    return pageText_;
}

void MessagePaging::stop() {
    paging_ = false;
    pageIndex_ = 1;
}
