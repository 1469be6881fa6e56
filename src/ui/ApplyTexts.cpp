#include "ui/ApplyTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace language {
namespace {

QObject* windowOf(Window w, const Windows& windows) {
    switch (w) {
    case Window::Main:
        return windows.main;
    case Window::Settings:
        return windows.settings;
    case Window::Menu:
        return windows.menu;
    }
    return nullptr;
}

bool setCaption(QObject* target, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* frame = qobject_cast<QGroupBox*>(target)) {
        frame->setTitle(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
        combo->setCurrentText(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else {
        return false;
    }
    return true;
}

bool setToolTip(QObject* target, const QString& text) {
    if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setToolTip(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->setToolTip(text);
    } else {
        return false;
    }
    return true;
}

} // namespace

int applyTexts(const QList<Assignment>& texts, const Windows& windows) {
    int applied = 0;
    for (const Assignment& a : texts) {
        QObject* window = windowOf(a.window, windows);
        if (!window) continue;
        QObject* target = a.control.isEmpty() ? window : window->findChild<QObject*>(a.control);
        if (!target) continue;
        bool done = false;
        if (a.property == Property::ToolTip) {
            done = setToolTip(target, a.text);
        } else if (auto* widget = qobject_cast<QWidget*>(target); widget && target == window) {
            widget->setWindowTitle(a.text);
            done = true;
        } else {
            done = setCaption(target, a.text);
        }
        applied += done ? 1 : 0;
    }
    return applied;
}

} // namespace language
