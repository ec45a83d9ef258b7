#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>

// The nine cells of the cross, in the order of the class table.
enum class RunCell : int { Oben, Links, Rechts, Unten, Mitte, XOben, XLinks, XRechts, XUnten };
constexpr int RunCellCount = 9;

// Target cell and moved-stimulus cell of screen position 1 top, 2 left, 3 right, 4 bottom.
RunCell TargetCell(int position);
RunCell MovedCell(int position);

// Top-left corner of a cell inside the back panel.
QPoint CellOrigin(int resolutionClass, RunCell cell);

struct RunClassConstants {
    int plateOffset;      // S: counter plate top below the top of the bottom edge
    int counterPointSize; // Zeitlabel and Countlabel
    int counterHeight;
    int counterTop; // counter top below the plate top
    int zeitLeft;   // from the centre line
    int zeitWidth;
    int countLeft; // from the centre line
    int countWidth;
};

RunClassConstants RunClassConstantsFor(int resolutionClass);

// Label word and instruction text: 12, 16, 22 or 26 points by display width.
int LargeTextPointSize(int displayWidth);
// Start prompt: the large size less a quarter of it.
int PromptPointSize(int displayWidth);

// Frame pieces of the run and instruction screens in the frame picture list.
enum SchemePiece : int {
    FrameTopLeft = 24,
    FrameRightEdge = 25,
    FrameBottomLeft = 26,
    FrameTopRight = 27,
    FrameLeftEdge = 28,
    FrameBottomRight = 29,
    FrameBottomEdge = 30,
    FrameTopEdge = 31,
    FramePlate = 32,
};

// Sizes of pieces 24..32.
struct SchemePieceSizes {
    std::array<QSize, 9> sizes{};
    QSize operator[](int piece) const { return piece >= 24 && piece <= 32 ? sizes[piece - 24] : QSize(); }
    QSize& operator[](int piece) { return sizes[qBound(24, piece, 32) - 24]; }
};

// One copy of a piece: where it goes and how much of it (from its top-left corner) shows.
struct FramePlacement {
    int piece;
    QRect target;
    bool operator==(const FramePlacement&) const = default;
};

// The frame of a width x height canvas in painting order (edges, corners over them, then
// the plate when asked for); tiled edges end with a cut copy, never a stretched one.
QList<FramePlacement> SchemeFramePlacements(int width, int height, const SchemePieceSizes& pieces, bool plate,
                                            int plateOffset);

// Box of the label word in the form; the font follows the display width.
constexpr QSize SpielartBox(217, 43);
// Room kept between the label word and the right edge piece (the right red bar lies in it).
constexpr int SpielartRightMargin = 20;

struct RunScreenLayout {
    int resolutionClass = 1024;
    QRect backPanel;                       // client coordinates
    std::array<QRect, RunCellCount> cells; // back panel coordinates
    std::array<QRect, 4> bars;             // oklabel1, OKLabel2, OKlabel3, oklabel4
    QRect spielartLabel;
    int spielartPointSize = 22;
    QRect zeitLabel, countLabel;
    int counterPointSize = 12;
    QRect plate;
};

// W decides class and font sizes; client is the window's inside (W x H without a border);
// background is picture 88, cell picture 1.
RunScreenLayout ComputeRunScreenLayout(int displayWidth, QSize client, QSize background, QSize cell,
                                       const SchemePieceSizes& pieces);

struct InstructionLayout {
    QRect backPanel; // client coordinates
    QRect label1;    // back panel coordinates
    QRect label2;
    int textPointSize = 22;
    int promptPointSize = 17;
};

InstructionLayout ComputeInstructionLayout(int displayWidth, QSize client, const SchemePieceSizes& pieces);

// The largest size from `preferred` down to `minimum` at which textWidth(size) fits `width`;
// `minimum` when none does.
int FittingPointSize(int preferred, int minimum, int width, const std::function<int(int)>& textWidth);
