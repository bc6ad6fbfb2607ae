// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

// Paints a window at most once per frame of its screen. A pointer that
// moves faster than the screen refreshes (a mouse at 125 or 1000 reports a
// second) would otherwise have every move repainted and flushed to the X
// server, though the screen shows only the last one of each frame. What a
// held-back paint would have shown is not lost: Qt keeps gathering the dirty
// regions, and the paint runs once the frame is over.
class FramePacer : public QObject {
    Q_OBJECT
  public:
    explicit FramePacer(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int frameMilliseconds() const;
    void paintNow();

    QWidget* window_;
    QElapsedTimer sinceLastPaint_;
    QTimer heldPaint_;
};
