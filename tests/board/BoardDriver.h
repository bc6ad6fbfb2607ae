#pragma once

#include "FakePlatform.h"
#include "geometry/PolarGeometry.h"
#include "ui/Form1.h"

#include <QFrame>
#include <QTest>
#include <QWindow>
#include <cmath>

// A shown window driven the way the player drives it: real events sent to
// the window, so that the piece outlines decide which button gets a press.
// Points are in pixels of the window's client area unless said otherwise.
struct Board {
    FakePlatform platform;
    Form1 form{platform};

    bool open() {
        if (!form.Form_Load()) return false;
        form.show();
        return QTest::qWaitForWindowExposed(&form);
    }

    // The middle of a piece's corners, where a press surely lands on it.
    QPoint onPiece(int p) const {
        double x = 0, y = 0;
        for (int v = 1; v <= 4; ++v) {
            x += form.M.PieceVertex[p][v][1];
            y += form.M.PieceVertex[p][v][2];
        }
        return QPoint(qRound(x / 4), qRound(y / 4)) + buttonOrigin();
    }
    QPoint buttonOrigin() const { return form.Command1[0]->pos(); }
    QPoint onBoard(QPoint boardPixel) const { return form.Label1[0]->pos() + boardPixel; }
    QPoint inWindow(QPoint client) const { return form.centralWidget()->mapTo(&form, client); }

    void press(QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(form.windowHandle(), b, m, inWindow(at));
    }
    void move(QPoint at) { QTest::mouseMove(form.windowHandle(), inWindow(at)); }
    void release(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(form.windowHandle(), b, {}, inWindow(at));
    }
    void click(QWidget* control) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          control->mapTo(&form, control->rect().center()));
    }
    // A band drawn on the board, between two of its pixels.
    void band(QPoint from, QPoint to) {
        press(onBoard(from));
        move(onBoard(to));
        release(onBoard(to));
    }

    // Position among the client area's children, bottom first.
    int layer(QWidget* control) const {
        return int(form.centralWidget()->children().indexOf(control));
    }
    bool inFrontUnderBars(int p) const {
        for (int q = 0; q <= 6; ++q)
            if (q != p && layer(form.Command1[q]) > layer(form.Command1[p])) return false;
        for (QFrame* bar : form.Frame1)
            if (layer(bar) < layer(form.Command1[p])) return false;
        return true;
    }

    bool shownInColour(int p) const {
        return form.Command1[p]->isVisible() && !form.Check2[p]->isChecked() &&
               form.Command1[p]->backColour() == kPieceColours[p];
    }
    bool putAway(int p) const {
        return form.Command1[p]->isHidden() && form.Check2[p]->isChecked();
    }
};

// Where a piece lies: its corners in pixels and its centre in twips.
struct PiecePlace {
    double vertex[5][3] = {};
    double centre[3] = {};

    PiecePlace() = default;
    PiecePlace(const Form1& form, int p) {
        std::copy(&form.M.PieceVertex[p][0][0], &form.M.PieceVertex[p][0][0] + 15, &vertex[0][0]);
        std::copy(&form.M.PieceCentre[p][0], &form.M.PieceCentre[p][0] + 3, &centre[0]);
    }
    // The largest distance between this place shifted by d pixels and `now`.
    double offBy(const PiecePlace& now, QPointF d) const {
        double worst = 0;
        for (int c = 1; c <= 2; ++c) {
            const double shift = c == 1 ? d.x() : d.y();
            worst = std::max(worst, std::abs(centre[c] + shift * 15 - now.centre[c]));
            for (int v = 1; v <= 4; ++v)
                worst = std::max(worst, std::abs(vertex[v][c] + shift - now.vertex[v][c]));
        }
        return worst;
    }
};

// A corner as the game places it: `angle` degrees counter-clockwise and
// `radius` twips from the centre, in pixels with y growing downwards.
inline QPointF cornerAt(double angle, double radius, const double centre[3]) {
    const double a = angle * kGamePi / 180;
    return {(centre[1] + std::cos(a) * radius) / 15, (centre[2] - std::sin(a) * radius) / 15};
}
