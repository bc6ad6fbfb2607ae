// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/InputForwarder.h"

#include "model/Numbers.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {
constexpr Qt::MouseButtons kGameButtons = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}
} // namespace

InputForwarder::InputForwarder(QWidget* watched) : QObject(watched) {
    watched->installEventFilter(this);
}

bool InputForwarder::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // a quick second click is a press too: two quick turns
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int shift = shiftState(mouse->modifiers());
        const float x = float(mouse->position().x() * kTwipsPerPixel);
        const float y = float(mouse->position().y() * kTwipsPerPixel);
        if (event->type() == QEvent::MouseMove)
            emit mouseMove(int(mouse->buttons() & kGameButtons), shift, x, y);
        else if (event->type() == QEvent::MouseButtonRelease)
            emit mouseUp(int(mouse->button() & kGameButtons), shift, x, y);
        else
            emit mouseDown(int(mouse->button() & kGameButtons), shift, x, y);
        return true;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        emit keyDown(key->key(), shiftState(key->modifiers()));
        return false;
    }
    case QEvent::KeyRelease: {
        // Qt repeats releases while a key is held; only the real one counts.
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) emit keyUp(key->key(), shiftState(key->modifiers()));
        return false;
    }
    default: return false;
    }
}
