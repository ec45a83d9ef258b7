#include "run/run_layout.h"

#include "app/global_state.h"
#include "ui/tiling.h"

namespace {

// Cell corners per class in RunCell order.
constexpr std::array<QPoint, RunCellCount> Cells640{
    {{170, 4}, {4, 128}, {336, 128}, {170, 253}, {170, 128}, {170, 68}, {89, 128}, {251, 128}, {170, 188}}};
constexpr std::array<QPoint, RunCellCount> Cells800{
    {{208, 5}, {4, 157}, {412, 157}, {208, 309}, {208, 157}, {208, 82}, {108, 157}, {308, 157}, {208, 231}}};
constexpr std::array<QPoint, RunCellCount> Cells1024{
    {{262, 4}, {4, 195}, {520, 195}, {262, 384}, {262, 195}, {262, 102}, {135, 195}, {389, 195}, {262, 288}}};

int NonNegative(int v) {
    return v < 0 ? 0 : v;
}

} // namespace

RunCell TargetCell(int position) {
    switch (position) {
    case 1:
        return RunCell::Oben;
    case 2:
        return RunCell::Links;
    case 3:
        return RunCell::Rechts;
    default:
        return RunCell::Unten;
    }
}

RunCell MovedCell(int position) {
    switch (position) {
    case 1:
        return RunCell::XOben;
    case 2:
        return RunCell::XLinks;
    case 3:
        return RunCell::XRechts;
    default:
        return RunCell::XUnten;
    }
}

QPoint CellOrigin(int resolutionClass, RunCell cell) {
    const auto index = static_cast<size_t>(cell);
    switch (resolutionClass) {
    case 640:
        return Cells640[index];
    case 800:
        return Cells800[index];
    default:
        return Cells1024[index];
    }
}

RunClassConstants RunClassConstantsFor(int resolutionClass) {
    switch (resolutionClass) {
    case 640:
        return {6, 9, 13, 3, -34, 32, 2, 30};
    case 800:
        return {7, 10, 16, 4, -42, 38, 4, 38};
    default:
        return {10, 12, 20, 5, -54, 50, 4, 45};
    }
}

int LargeTextPointSize(int displayWidth) {
    if (displayWidth <= 660)
        return 12;
    if (displayWidth <= 820)
        return 16;
    if (displayWidth <= 1060)
        return 22;
    return 26;
}

int PromptPointSize(int displayWidth) {
    const int size = LargeTextPointSize(displayWidth);
    return size - size / 4;
}

QList<FramePlacement> SchemeFramePlacements(int width, int height, const SchemePieceSizes& pieces, bool plate,
                                            int plateOffset) {
    QList<FramePlacement> out;
    const auto horizontal = [&](int piece, int y) {
        const QSize s = pieces[piece];
        for (const Tile& t : TileEdge(0, width, s.width()))
            out.append({piece, QRect(t.pos, y, t.length, s.height())});
    };
    const auto vertical = [&](int piece, int x) {
        const QSize s = pieces[piece];
        for (const Tile& t : TileEdge(0, height, s.height()))
            out.append({piece, QRect(x, t.pos, s.width(), t.length)});
    };
    const auto whole = [&](int piece, int x, int y) {
        out.append({piece, QRect(QPoint(x, y), pieces[piece])});
    };

    horizontal(FrameTopEdge, 0);
    horizontal(FrameBottomEdge, height - pieces[FrameBottomEdge].height());
    vertical(FrameLeftEdge, 0);
    vertical(FrameRightEdge, width - pieces[FrameRightEdge].width());
    whole(FrameTopLeft, 0, 0);
    whole(FrameTopRight, width - pieces[FrameTopRight].width(), 0);
    whole(FrameBottomLeft, 0, height - pieces[FrameBottomLeft].height());
    whole(FrameBottomRight, width - pieces[FrameBottomRight].width(),
          height - pieces[FrameBottomRight].height());
    if (plate)
        whole(FramePlate, (width - pieces[FramePlate].width()) / 2,
              height - pieces[FrameBottomEdge].height() + plateOffset);
    return out;
}

RunScreenLayout ComputeRunScreenLayout(int displayWidth, QSize client, QSize background, QSize cell,
                                       const SchemePieceSizes& pieces) {
    RunScreenLayout l;
    const int cw = client.width(), ch = client.height();
    l.resolutionClass = ResolutionClassFor(displayWidth);
    const RunClassConstants k = RunClassConstantsFor(l.resolutionClass);

    l.backPanel = QRect(QPoint((cw - background.width()) / 2, (ch - background.height()) / 2), background);
    for (int i = 0; i < RunCellCount; ++i)
        l.cells[static_cast<size_t>(i)] = QRect(CellOrigin(l.resolutionClass, static_cast<RunCell>(i)), cell);

    const int w28 = pieces[FrameLeftEdge].width(), w25 = pieces[FrameRightEdge].width();
    const int h31 = pieces[FrameTopEdge].height(), h30 = pieces[FrameBottomEdge].height();
    const int iw = cw - w28 - w25, ih = ch - h31 - h30;
    l.bars[0] = QRect(w28 + 6, h31 + 6, 8, NonNegative(ih - 12));
    l.bars[1] = QRect(cw - w25 - 14, h31 + 6, 8, NonNegative(ih - 12));
    l.bars[2] = QRect(w28 + 6, h31 + 6, NonNegative(iw - 12), 8);
    l.bars[3] = QRect(w28 + 6, ch - h30 - 14, NonNegative(iw - 12), 8);

    // Right of the cross, but the form's 217-pixel box would run past the screen edge
    // with our cross picture: its right edge stops short of the frame.
    const int left = l.backPanel.x() + l.backPanel.width();
    const int right = qMin(left + SpielartBox.width(), cw - w25 - SpielartRightMargin);
    l.spielartLabel = QRect(left, 2 * h31, NonNegative(right - left), SpielartBox.height());
    l.spielartPointSize = LargeTextPointSize(displayWidth);

    const int m = cw / 2;
    const int plateTop = ch - h30 + k.plateOffset;
    const int top = plateTop + k.counterTop;
    l.zeitLabel = QRect(m + k.zeitLeft, top, k.zeitWidth, k.counterHeight);
    l.countLabel = QRect(m + k.countLeft, top, k.countWidth, k.counterHeight);
    l.counterPointSize = k.counterPointSize;
    l.plate = QRect(QPoint((cw - pieces[FramePlate].width()) / 2, plateTop), pieces[FramePlate]);
    return l;
}

InstructionLayout ComputeInstructionLayout(int displayWidth, QSize client, const SchemePieceSizes& pieces) {
    InstructionLayout l;
    const int w28 = pieces[FrameLeftEdge].width(), w25 = pieces[FrameRightEdge].width();
    const int h31 = pieces[FrameTopEdge].height(), h30 = pieces[FrameBottomEdge].height();
    const int pw = NonNegative(client.width() - w28 - w25), ph = NonNegative(client.height() - h31 - h30);
    l.backPanel = QRect(w28, h31, pw, ph);
    l.label1 = QRect(70, 20, NonNegative(pw - 140), NonNegative(ph - 40));
    l.label2 = QRect(10, ph - 70, NonNegative(pw - 20), 40);
    l.textPointSize = LargeTextPointSize(displayWidth);
    l.promptPointSize = PromptPointSize(displayWidth);
    return l;
}

int FittingPointSize(int preferred, int minimum, int width, const std::function<int(int)>& textWidth) {
    for (int size = preferred; size > minimum; --size)
        if (textWidth(size) <= width)
            return size;
    return minimum;
}
