// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"
#include "PreviewChecks.h"
#include <QTest>

#include <QDir>
#include <QListWidget>
#include <set>

// The catalogue that ships, read where the game finds it beside itself once
// installed, and shown by the game.
class FiguresTest : public QObject {
    Q_OBJECT
    Board board;

  private slots:
    void figure_data() {
        QTest::addColumn<int>("row");
        board.platform.folder = QDir::cleanPath(__FILE__ "/../../../data");
        QVERIFY(board.load(false));
        for (int row = 0; row < board.form.List1->count(); ++row)
            QTest::newRow(qPrintable(board.form.List1->item(row)->text())) << row;
        // A player finds at least 200 figures in the list, each its own record:
        // of two records under one name the list shows the last only.
        const std::set<int> records(board.form.RowRecord.begin(), board.form.RowRecord.end());
        QVERIFY(records.size() >= 200 && records.size() * 57 == size_t(board.form.List2.size()));
    }

    // Chosen from the list, a figure covers as much of the box as the game's seven
    // pieces at the preview's scale (275 over 700), and is one solid black shape as the
    // game draws it: no hole, no green line where two pieces meet. (The figure tool
    // checks each piece's shape and that none overlap; figures_made_by_tool holds the
    // shipped file to what it makes.)
    void figure() {
        QFETCH(int, row);
        board.form.selectFigure(row);
        QRegion drawn;
        for (const ColourButton* piece : board.form.Command10)
            drawn |= piece->mask();
        const double side = QLineF(board.place(4)[1], board.place(4)[2]).length() * 275 / 700;
        double covered = 0; // in eighths of the seven pieces, which is the square's share
        for (const QRect& r : drawn)
            covered += r.width() * r.height() / (8 * side * side);
        // Edges cut to whole pixels cover 96 to 99 % in the shipped figures, and
        // can round a hair over the whole where many edges round outwards; a
        // piece of another size would be 6 % or more off.
        QVERIFY2(covered > 0.94 && covered <= 1.01, qPrintable(QString::number(covered)));
        QCOMPARE(previewFault(drawn), QString());
    }
};

QTEST_MAIN(FiguresTest)
#include "FiguresTest.moc"
