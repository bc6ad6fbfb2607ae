// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakePlatform.h"
#include "geometry/PolarGeometry.h"
#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>

// A window on a fake platform; once shown, driven by real events sent to it, so
// that the piece outlines decide which button gets a press. Points are pixels of
// the client area.
struct Board {
    FakePlatform platform;
    Form1 form{platform};

    bool load(bool shown) {
        return form.Form_Load() && (!shown || (form.show(), QTest::qWaitForWindowExposed(&form)));
    }
    // A piece's centre in twips, then its corners 1 to 4 in pixels.
    QList<QPointF> place(int p) const {
        QList<QPointF> at{{form.M.PieceCentre[p][1], form.M.PieceCentre[p][2]}};
        for (int v = 1; v <= 4; ++v)
            at << QPointF(form.M.PieceVertex[p][v][1], form.M.PieceVertex[p][v][2]);
        return at;
    }
    QList<QList<QPointF>> places() const {
        QList<QList<QPointF>> all;
        for (int p = 0; p <= 6; ++p)
            all << place(p);
        return all;
    }
    // Whether what was last flushed to the screen is what a full repaint draws now.
    bool screenIsFresh() {
        QTest::qWait(30);
        // The offscreen screen hands out the backing store's contents as flushed.
        const QImage flushed = form.windowHandle()->screen()->grabWindow(form.winId()).toImage();
        return flushed.convertToFormat(QImage::Format_RGB32) ==
               form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QPoint onPiece(int p) const { // the middle of its corners
        const QList<QPointF> at = place(p);
        return ((at[1] + at[2] + at[3] + at[4]) / 4).toPoint() + form.Command1[0]->pos();
    }
    QPoint onBoard(QPoint pixel) const { return form.Label1[0]->pos() + pixel; }
    QPoint inWindow(QPoint at) const { return form.centralWidget()->mapTo(&form, at); }
    void press(QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(form.windowHandle(), b, m, inWindow(at));
    }
    void move(QPoint at) { QTest::mouseMove(form.windowHandle(), inWindow(at)); }
    void release(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(form.windowHandle(), b, {}, inWindow(at));
    }
    // The client area as drawn now; `midway` is kept from the middle of the last drag.
    QImage look() const { return form.centralWidget()->grab().toImage(); }
    QImage midway;
    void drag(QPoint from, QPoint to) {
        press(from);
        move(to);
        midway = look();
        release(to);
    }
    // One step of play as a player makes it: a letter, then the piece it acts on.
    // d drags it by (20, -30), o by (-40, 0) over the left edge, B sends it behind the
    // others with Shift and a click, t turns it with a right click (t4s with Shift, t4c
    // with Ctrl, t4a with Alt), w with a quick double right click; x right-clicks it held
    // with the left button, then drags on by (20, -30), and m so mirrors the
    // parallelogram, let go at once; H and V drag it by (20, -30) with that key held; b
    // clicks its box, g draws a band round pieces 2 and 5, n clicks the first name, a
    // clicks "Todas"; the rest are menu commands:
    // h Descubrir Ficha, s Solución, f Silueta, r Reiniciar, z small pieces, e Editar,
    // P Guardar Posición, C Cargar Posición, A Figura Aleatoria.
    void act(const QString& step) {
        const int k = step.mid(1, 1).toInt();
        const QMap<QChar, QAction*> menu{
            {'h', form.MnuFicha}, {'s', form.MnuSolucion}, {'f', form.MnuSilueta},
            {'r', form.MnuReset}, {'z', form.MnuTam[2]},   {'e', form.MnuEdit},
            {'P', form.MnuPunto}, {'C', form.MnuCarPos},   {'A', form.MnuAleatoria}};
        // Qt's Shift, Ctrl and Alt are three bits in a row.
        const int i = QString("sca").indexOf(step.back());
        const auto m = i < 0 ? Qt::NoModifier : Qt::KeyboardModifier(Qt::ShiftModifier << i);
        const QPoint box = form.Check2[k]->mapTo(form.centralWidget(), QPoint(5, 5));
        const QPoint name = form.List1->viewport()->mapTo(form.centralWidget(), QPoint(5, 5));
        const QPoint at = onPiece(k), half(10, -15);
        const auto right = [&](auto p) {
            press(p, Qt::RightButton, m), release(p, Qt::RightButton);
        };
        switch (step[0].unicode()) {
        case 'd': return drag(at, at + 2 * half);
        case 'o': return drag(at, at + QPoint(-40, 0));
        case 'B': return press(at, Qt::LeftButton, Qt::ShiftModifier), release(at);
        case 't': return right(at);
        case 'w': return QTest::mouseDClick(form.windowHandle(), Qt::RightButton, {}, inWindow(at));
        case 'x':
        case 'm': return press(at), right(at), move(at + 2 * half), release(at + 2 * half);
        case 'H':
        case 'V': { // Ctrl and Shift pressed; Qt repeats the held key's release
            const int key = step[0] == 'H' ? Qt::Key_H : Qt::Key_V;
            QKeyEvent repeated(QEvent::KeyRelease, key, {}, {}, true);
            press(at, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyPress(QApplication::focusWidget(), Qt::Key(key));
            QApplication::sendEvent(QApplication::focusWidget(), &repeated);
            move(at + 2 * half), release(at + 2 * half);
            return QTest::keyRelease(QApplication::focusWidget(), Qt::Key(key));
        }
        case 'b': return drag(box, box);
        case 'g': return drag(onBoard({5, 200}), onBoard({65, 431}));
        case 'n': return drag(name, name);
        case 'a': return QTest::mouseClick(form.Command3, Qt::LeftButton);
        default: menu.value(step[0])->trigger();
        }
    }
    bool shownInColour(int p) const { // or in grey for the silhouette
        const BgrColour colour = form.MnuSilueta->isChecked() ? kGrey : kPieceColours[p];
        return form.Command1[p]->isVisible() && !form.Check2[p]->isChecked() &&
               form.Command1[p]->backColour() == colour;
    }
    bool away(int p) const { return form.Command1[p]->isHidden() && form.Check2[p]->isChecked(); }
    // What is wrong with the board as the player sees it; empty when play can reach it.
    QString inconsistency() const { return form.M.Dragging ? "dragging" : brokenRule(); }
    // The same, also in the middle of a drag: every piece shown in colour, put away, or a
    // hidden white member of the one group whose button alone shows it; every number
    // finite and every corner within reach of the board, and at rest on the board.
    QString brokenRule() const {
        const bool group = form.GroupSelected;
        const auto& list = form.ReshapeList;
        if (form.Command1[7]->isVisible() != group) return "group button";
        for (int p = 0; p <= 6; ++p) {
            for (int v = 1; v <= 4; ++v) // a turn brings any number of the tables here
                if (!std::isfinite(form.M.PieceAngle[p][v] + form.M.PieceRadius[p][v]))
                    return QStringLiteral("piece %1: a number not finite").arg(p);
            const bool member = group && std::count(list.begin() + 1, list.end(), p) > 0;
            if (form.Check2[p]->isEnabledTo(form.Frame4) == group ||
                (member ? form.Command1[p]->backColour() != kWhite || form.Command1[p]->isVisible()
                        : !shownInColour(p) && !away(p)))
                return QStringLiteral("piece %1").arg(p);
            const QRectF reach =
                QRectF(form.Command1[p]->rect()).adjusted(-2000, -2000, 2000, 2000);
            bool onButton = false;
            for (const QPointF& at : place(p).mid(1)) { // NaN lies nowhere
                if (!reach.contains(at)) return QStringLiteral("piece %1 out of reach").arg(p);
                onButton = onButton || QRectF(form.Command1[p]->rect()).contains(at);
            }
            if (!onButton && !form.M.Dragging && !member && shownInColour(p))
                return QStringLiteral("piece %1 shown off the board").arg(p);
        }
        return {};
    }
};

// A loaded board named `board` (shown if asked), and `form` its window.
#define BOARD(shown)                                                                               \
    Board board;                                                                                   \
    Form1& form = board.form;                                                                      \
    Q_UNUSED(form);                                                                                \
    QVERIFY(board.load(shown))
