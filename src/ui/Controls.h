#pragma once
// Making a dialog's named controls at their places in twips.
#include "ui/Layout.h"

#include <QPushButton>
#include <QString>
#include <QWidget>

namespace controls {

template <class W> W* make(const char* name, QWidget* parent, const layout::Place& at) {
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(at.px());
    return w;
}

// A button that Enter does not press unless it is made the default.
inline QPushButton* button(const char* name, QWidget* parent, const layout::Place& at,
                           const QString& caption) {
    auto* b = make<QPushButton>(name, parent, at);
    b->setText(caption);
    b->setAutoDefault(false);
    return b;
}

} // namespace controls
