#include "run/run_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Sizes of the generated pictures: background 88, cell 1 and frame pieces 24..32.
struct ClassPictures {
    QSize background, cell;
    SchemePieceSizes pieces;
};

ClassPictures PicturesFor(int resolutionClass) {
    ClassPictures p;
    std::array<QSize, 9> pieces;
    switch (resolutionClass) {
    case 640:
        p.background = {418, 315};
        p.cell = {78, 58};
        pieces = {{{36, 36}, {18, 40}, {36, 48}, {36, 36}, {18, 40}, {36, 48}, {40, 30}, {40, 18}, {76, 19}}};
        break;
    case 800:
        p.background = {512, 386};
        p.cell = {96, 72};
        pieces = {{{44, 44}, {22, 50}, {44, 60}, {44, 44}, {22, 50}, {44, 60}, {50, 38}, {50, 22}, {96, 24}}};
        break;
    default:
        p.background = {644, 478};
        p.cell = {120, 90};
        pieces = {
            {{56, 56}, {28, 64}, {56, 76}, {56, 56}, {28, 64}, {56, 76}, {64, 48}, {64, 28}, {124, 30}}};
        break;
    }
    p.pieces.sizes = pieces;
    return p;
}

int ClassOf(int width) {
    return width <= 750 ? 640 : width <= 820 ? 800 : 1024;
}

RunScreenLayout LayoutAt(int width, int height) {
    const ClassPictures p = PicturesFor(ClassOf(width));
    return ComputeRunScreenLayout(width, QSize(width, height), p.background, p.cell, p.pieces);
}

struct GeometryCase {
    int width, height, resolutionClass;
    QRect backPanel;
    QPoint oben, links, rechts, unten, mitte, xOben, xLinks, xRechts, xUnten;
    QRect bars[4];
    QRect spielart;
    int spielartPt;
    QRect zeit, count;
    int counterPt;
    QRect plate;
};

// Worked out by hand from the class tables and the picture sizes above.
const GeometryCase GeometryCases[] = {
    {750,
     562,
     640,
     {166, 123, 418, 315},
     {170, 4},
     {4, 128},
     {336, 128},
     {170, 253},
     {170, 128},
     {170, 68},
     {89, 128},
     {251, 128},
     {170, 188},
     {{24, 24, 8, 502}, {718, 24, 8, 502}, {24, 24, 702, 8}, {24, 518, 702, 8}},
     {584, 36, 128, 43},
     16,
     {341, 541, 32, 13},
     {377, 541, 30, 13},
     9,
     {337, 538, 76, 19}},
    {751,
     563,
     800,
     {119, 88, 512, 386},
     {208, 5},
     {4, 157},
     {412, 157},
     {208, 309},
     {208, 157},
     {208, 82},
     {108, 157},
     {308, 157},
     {208, 231},
     {{28, 28, 8, 491}, {715, 28, 8, 491}, {28, 28, 695, 8}, {28, 511, 695, 8}},
     {631, 44, 78, 43},
     16,
     {333, 536, 38, 16},
     {379, 536, 38, 16},
     10,
     {327, 532, 96, 24}},
    {820,
     615,
     800,
     {154, 114, 512, 386},
     {208, 5},
     {4, 157},
     {412, 157},
     {208, 309},
     {208, 157},
     {208, 82},
     {108, 157},
     {308, 157},
     {208, 231},
     {{28, 28, 8, 543}, {784, 28, 8, 543}, {28, 28, 764, 8}, {28, 563, 764, 8}},
     {666, 44, 112, 43},
     16,
     {368, 588, 38, 16},
     {414, 588, 38, 16},
     10,
     {362, 584, 96, 24}},
    {821,
     615,
     1024,
     {88, 68, 644, 478},
     {262, 4},
     {4, 195},
     {520, 195},
     {262, 384},
     {262, 195},
     {262, 102},
     {135, 195},
     {389, 195},
     {262, 288},
     {{34, 34, 8, 527}, {779, 34, 8, 527}, {34, 34, 753, 8}, {34, 553, 753, 8}},
     {732, 56, 41, 43},
     22,
     {356, 582, 50, 20},
     {414, 582, 45, 20},
     12,
     {348, 577, 124, 30}},
    {1024,
     768,
     1024,
     {190, 145, 644, 478},
     {262, 4},
     {4, 195},
     {520, 195},
     {262, 384},
     {262, 195},
     {262, 102},
     {135, 195},
     {389, 195},
     {262, 288},
     {{34, 34, 8, 680}, {982, 34, 8, 680}, {34, 34, 956, 8}, {34, 706, 956, 8}},
     {834, 56, 142, 43},
     22,
     {458, 735, 50, 20},
     {516, 735, 45, 20},
     12,
     {450, 730, 124, 30}},
};

class RunGeometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(RunGeometry, ClassCellsBarsLabelAndCounters) {
    const GeometryCase& c = GetParam();
    const RunScreenLayout l = LayoutAt(c.width, c.height);
    const QSize cell = PicturesFor(c.resolutionClass).cell;
    EXPECT_EQ(l.resolutionClass, c.resolutionClass);
    EXPECT_EQ(l.backPanel, c.backPanel);
    const QPoint cells[RunCellCount] = {c.oben,  c.links,  c.rechts,  c.unten, c.mitte,
                                        c.xOben, c.xLinks, c.xRechts, c.xUnten};
    for (int i = 0; i < RunCellCount; ++i)
        EXPECT_EQ(l.cells[static_cast<size_t>(i)], QRect(cells[i], cell)) << "cell " << i;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(l.bars[static_cast<size_t>(i)], c.bars[i]) << "bar " << i;
    EXPECT_EQ(l.spielartLabel, c.spielart);
    EXPECT_EQ(l.spielartPointSize, c.spielartPt);
    EXPECT_EQ(l.zeitLabel, c.zeit);
    EXPECT_EQ(l.countLabel, c.count);
    EXPECT_EQ(l.counterPointSize, c.counterPt);
    EXPECT_EQ(l.plate, c.plate);
}

INSTANTIATE_TEST_SUITE_P(Widths, RunGeometry, ::testing::ValuesIn(GeometryCases),
                         [](const auto& info) { return "W" + std::to_string(info.param.width); });

// The form's 217-pixel box starts at the cross's right edge; with our cross it would cross the
// right frame edge and cut the right-aligned word. It must stay beside the cross, clear of the
// right red bar, at every width.
TEST(RunLayout, LabelWordBoxStaysRightOfTheCrossAndInsideTheFrame) {
    for (int width = 640; width <= 1600; width += 7) {
        const int height = width * 3 / 4;
        const RunScreenLayout l = LayoutAt(width, height);
        const QRect box = l.spielartLabel;
        const QRect rightBar = l.bars[1];
        SCOPED_TRACE(width);
        EXPECT_EQ(box.left(), l.backPanel.right() + 1);
        EXPECT_LE(box.left() + box.width(), rightBar.left());
        EXPECT_LE(box.width(), SpielartBox.width());
        EXPECT_EQ(box.height(), SpielartBox.height());
        if (width >= 1300) { // room enough: the form's own width
            EXPECT_EQ(box.width(), SpielartBox.width());
        }
    }
}

TEST(RunLayout, TextSizesChangeAtTheirOwnThresholds) {
    const struct {
        int width, large, prompt;
    } cases[] = {{640, 12, 9},   {660, 12, 9},   {661, 16, 12},  {750, 16, 12},
                 {751, 16, 12},  {800, 16, 12},  {820, 16, 12},  {821, 22, 17},
                 {1024, 22, 17}, {1060, 22, 17}, {1061, 26, 20}, {1600, 26, 20}};
    for (const auto& c : cases) {
        EXPECT_EQ(LargeTextPointSize(c.width), c.large) << c.width;
        EXPECT_EQ(PromptPointSize(c.width), c.prompt) << c.width;
        EXPECT_EQ(LayoutAt(c.width, c.width * 3 / 4).spielartPointSize, c.large) << c.width;
    }
}

TEST(RunLayout, PositionsMapToTheirCells) {
    EXPECT_EQ(TargetCell(1), RunCell::Oben);
    EXPECT_EQ(TargetCell(2), RunCell::Links);
    EXPECT_EQ(TargetCell(3), RunCell::Rechts);
    EXPECT_EQ(TargetCell(4), RunCell::Unten);
    EXPECT_EQ(MovedCell(1), RunCell::XOben);
    EXPECT_EQ(MovedCell(2), RunCell::XLinks);
    EXPECT_EQ(MovedCell(3), RunCell::XRechts);
    EXPECT_EQ(MovedCell(4), RunCell::XUnten);
}

// A tiled edge covers its side exactly; the last copy is cut, never stretched.
void ExpectEdgeCovers(const QList<FramePlacement>& all, int piece, bool horizontal, int length,
                      QSize pieceSize, int fixed) {
    int next = 0;
    for (const FramePlacement& p : all) {
        if (p.piece != piece)
            continue;
        const int pos = horizontal ? p.target.x() : p.target.y();
        const int len = horizontal ? p.target.width() : p.target.height();
        EXPECT_EQ(pos, next) << "piece " << piece;
        EXPECT_EQ(horizontal ? p.target.y() : p.target.x(), fixed) << "piece " << piece;
        EXPECT_EQ(horizontal ? p.target.height() : p.target.width(),
                  horizontal ? pieceSize.height() : pieceSize.width());
        EXPECT_LE(len, horizontal ? pieceSize.width() : pieceSize.height());
        next = pos + len;
    }
    EXPECT_EQ(next, length) << "piece " << piece;
}

TEST(FramePlacements, EdgesTiledWithCutEndCornersOnTopPlateOnlyWhenAsked) {
    const SchemePieceSizes pieces = PicturesFor(1024).pieces;
    const int w = 1000, h = 700; // neither a multiple of 64
    for (bool plate : {false, true}) {
        const QList<FramePlacement> all = SchemeFramePlacements(w, h, pieces, plate, 10);
        SCOPED_TRACE(plate);
        ExpectEdgeCovers(all, FrameTopEdge, true, w, pieces[FrameTopEdge], 0);
        ExpectEdgeCovers(all, FrameBottomEdge, true, w, pieces[FrameBottomEdge], h - 48);
        ExpectEdgeCovers(all, FrameLeftEdge, false, h, pieces[FrameLeftEdge], 0);
        ExpectEdgeCovers(all, FrameRightEdge, false, h, pieces[FrameRightEdge], w - 28);
        // The last top copy shows 1000 - 15 * 64 = 40 pixels of the piece.
        const auto lastTop = std::find_if(all.rbegin(), all.rend(),
                                          [](const FramePlacement& p) { return p.piece == FrameTopEdge; });
        ASSERT_NE(lastTop, all.rend());
        EXPECT_EQ(lastTop->target, QRect(960, 0, 40, 28));

        const auto indexOf = [&](int piece) {
            for (int i = all.size() - 1; i >= 0; --i)
                if (all[i].piece == piece)
                    return i;
            return -1;
        };
        int lastEdge = 0;
        for (int piece : {FrameTopEdge, FrameBottomEdge, FrameLeftEdge, FrameRightEdge})
            lastEdge = std::max(lastEdge, indexOf(piece));
        const std::pair<int, QRect> corners[] = {{FrameTopLeft, {0, 0, 56, 56}},
                                                 {FrameTopRight, {944, 0, 56, 56}},
                                                 {FrameBottomLeft, {0, 624, 56, 76}},
                                                 {FrameBottomRight, {944, 624, 56, 76}}};
        for (const auto& [piece, rect] : corners) {
            ASSERT_GE(indexOf(piece), 0);
            EXPECT_GT(indexOf(piece), lastEdge) << "corner " << piece << " under an edge";
            EXPECT_EQ(all[indexOf(piece)].target, rect) << piece;
        }
        if (plate) {
            ASSERT_EQ(indexOf(FramePlate), all.size() - 1);
            EXPECT_EQ(all.last().target, QRect(438, 700 - 48 + 10, 124, 30));
        } else {
            EXPECT_EQ(indexOf(FramePlate), -1);
        }
    }
}

TEST(InstructionLayout, PanelFillsTheFrameAndLabelsSitInside) {
    const struct {
        int width, height;
        QRect panel, label1, label2;
        int text, prompt;
    } cases[] = {
        {640, 480, {18, 18, 604, 432}, {70, 20, 464, 392}, {10, 362, 584, 40}, 12, 9},
        {800, 600, {22, 22, 756, 540}, {70, 20, 616, 500}, {10, 470, 736, 40}, 16, 12},
        {1024, 768, {28, 28, 968, 692}, {70, 20, 828, 652}, {10, 622, 948, 40}, 22, 17},
    };
    for (const auto& c : cases) {
        const InstructionLayout l =
            ComputeInstructionLayout(c.width, QSize(c.width, c.height), PicturesFor(ClassOf(c.width)).pieces);
        EXPECT_EQ(l.backPanel, c.panel) << c.width;
        EXPECT_EQ(l.label1, c.label1) << c.width;
        EXPECT_EQ(l.label2, c.label2) << c.width;
        EXPECT_EQ(l.textPointSize, c.text) << c.width;
        EXPECT_EQ(l.promptPointSize, c.prompt) << c.width;
    }
}

TEST(FittingPointSize, LargestSizeThatFitsDownToTheMinimum) {
    const auto tenPerPoint = [](int pt) { return pt * 10; };
    EXPECT_EQ(FittingPointSize(22, 8, 1000, tenPerPoint), 22);
    EXPECT_EQ(FittingPointSize(22, 8, 220, tenPerPoint), 22);
    EXPECT_EQ(FittingPointSize(22, 8, 219, tenPerPoint), 21);
    EXPECT_EQ(FittingPointSize(22, 8, 150, tenPerPoint), 15);
    EXPECT_EQ(FittingPointSize(22, 8, 5, tenPerPoint), 8);
}

} // namespace
