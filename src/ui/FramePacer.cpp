// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FramePacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {
// What a screen that reports no rate of its own most likely refreshes at.
constexpr double kUsualRefreshRate = 60;
} // namespace

FramePacer::FramePacer(QWidget* window) : QObject(window), window_(window) {
    heldPaint_.setSingleShot(true);
    heldPaint_.setTimerType(Qt::PreciseTimer);
    connect(&heldPaint_, &QTimer::timeout, this, &FramePacer::paintNow);
    window->installEventFilter(this);
}

// Qt asks a window to paint what is dirty with one UpdateRequest, and asks
// again only after that one was handled; holding it back holds every paint.
bool FramePacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || event->type() != QEvent::UpdateRequest) return false;
    const qint64 left =
        sinceLastPaint_.isValid() ? frameMilliseconds() - sinceLastPaint_.elapsed() : 0;
    if (left <= 0) {
        sinceLastPaint_.start();
        return false;
    }
    if (!heldPaint_.isActive()) heldPaint_.start(int(left));
    return true;
}

int FramePacer::frameMilliseconds() const {
    const QScreen* screen = window_->screen();
    const double rate =
        screen && screen->refreshRate() >= 1 ? screen->refreshRate() : kUsualRefreshRate;
    return int(std::floor(1000 / rate));
}

void FramePacer::paintNow() {
    sinceLastPaint_.invalidate(); // the frame is over: let this request through
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window_, &request);
}
