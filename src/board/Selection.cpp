// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "model/Numbers.h"
#include "ui/Twips.h"

// A band drawn on the empty board (or on the uncovered rim of the preview
// square, at the same offsets) gathers the pieces wholly inside it.
void Form1::Label1_MouseDown(int, int, int, float X, float Y) {
    if (ReshapeCount != 1) SettlePieces();
    Shape2->setGeometry(twipsRect(leftTwips(Label1[0]) + X, topTwips(Label1[0]) + Y, 0, 0));
    Selecting = true;
    SelAnchor[1] = roundHalfEven(X);
    SelAnchor[2] = roundHalfEven(Y);
    Shape2->show();
}

void Form1::Label1_MouseMove(int, int, int, float X, float Y) {
    if (!Selecting) return;
    const double left = X < SelAnchor[1] ? X : SelAnchor[1];
    const double top = Y < SelAnchor[2] ? Y : SelAnchor[2];
    Shape2->setGeometry(twipsRect(leftTwips(Label1[0]) + left, topTwips(Label1[0]) + top,
                                  std::abs(X - SelAnchor[1]), std::abs(Y - SelAnchor[2])));
}

void Form1::Label1_MouseUp(int, int, int, float X, float Y) {
    if (!Selecting) return;
    SelAnchor[1] = roundHalfEven(leftTwips(Label1[0]) + double(SelAnchor[1]));
    SelAnchor[2] = roundHalfEven(topTwips(Label1[0]) + double(SelAnchor[2]));
    ReleasePoint[1] = roundHalfEven(leftTwips(Label1[0]) + double(X));
    if (ReleasePoint[1] < SelAnchor[1]) std::swap(ReleasePoint[1], SelAnchor[1]);
    ReleasePoint[2] = roundHalfEven(topTwips(Label1[0]) + double(Y));
    if (ReleasePoint[2] < SelAnchor[2]) std::swap(ReleasePoint[2], SelAnchor[2]);
    Selecting = false;
    Shape2->hide();

    // The members are the pieces inside the band, not every white piece: the
    // members of a group being settled may still be white.
    std::vector<int16_t> enclosed;
    for (int16_t p = 0; p <= 6; ++p) {
        int inside = 0;
        for (int v = 1; v <= 4; ++v) {
            const double x = M.PieceVertex[p][v][1] * 15 + leftTwips(Command1[p]);
            const double y = M.PieceVertex[p][v][2] * 15 + topTwips(Command1[p]);
            inside += (SelAnchor[1] < x && x < ReleasePoint[1]) ? 1 : 0;
            inside += (SelAnchor[2] < y && y < ReleasePoint[2]) ? 1 : 0;
        }
        if (inside == 8) {
            Command1[p]->setBackColour(kWhite);
            enclosed.push_back(p);
        }
    }
    if (enclosed.size() < 2)
        SettlePieces();
    else
        makeGroup(enclosed);
}

// The pieces become one group: the group button is cut to all their polygons
// joined by out-and-back strokes to one anchor, which enclose no area under
// the even-odd rule.
void Form1::makeGroup(const std::vector<int16_t>& members) {
    ReshapeList.assign(1, 0);
    ReshapeList.insert(ReshapeList.end(), members.begin(), members.end());
    const int n = int(ReshapeList.size()) - 1;
    ReshapeCount = int16_t(n);
    M.RegionPoints.assign(7 * n, RegionPoint{});
    GroupPoints.assign(7 * n + 1, {0, 0, 0});

    const auto corner = [this](int p, int v) {
        return RegionPoint{floorToInt(M.PieceVertex[p][v][1]), floorToInt(M.PieceVertex[p][v][2])};
    };
    const RegionPoint anchor = corner(ReshapeList[1], 1);
    int m = 0;
    for (int k = 1; k <= n; ++k) {
        const int q = ReshapeList[k];
        for (const RegionPoint& point : {anchor, corner(q, 1), corner(q, 2), corner(q, 3),
                                         corner(q, 4), corner(q, 1), anchor}) {
            M.RegionPoints[m] = point;
            GroupPoints[m + 1] = {0, point.x, point.y};
            ++m;
        }
    }
    M.BuildPieceRegion(Command1[7]);
    for (int k = 1; k <= n; ++k)
        Command1[ReshapeList[k]]->hide();
    Command1[7]->show();
    GroupSelected = true;
    for (ColourButton* box : Check2)
        box->setEnabled(false);
}
