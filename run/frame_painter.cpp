#include "run/frame_painter.h"

#include "app/global_state.h"
#include "ui/daten.h"

#include <QPainter>

SchemePieceSizes SchemePieceSizesOf(const TDaten& daten) {
    SchemePieceSizes sizes;
    for (int piece = FrameTopLeft; piece <= FramePlate; ++piece)
        sizes[piece] = daten.schemeSize(piece);
    return sizes;
}

void PaintSchemeFrame(QPainter& painter, int width, int height, bool plate) {
    PaintSchemeFrame(painter, daten(), globalState().displayWidth, width, height, plate);
}

void PaintSchemeFrame(QPainter& painter, const TDaten& daten, int displayWidth, int width, int height,
                      bool plate) {
    const int offset = RunClassConstantsFor(ResolutionClassFor(displayWidth)).plateOffset;
    for (const FramePlacement& p :
         SchemeFramePlacements(width, height, SchemePieceSizesOf(daten), plate, offset)) {
        // A cut copy shows the piece's leading part, unscaled.
        painter.drawPixmap(p.target.topLeft(), daten.scheme(p.piece), QRect(QPoint(0, 0), p.target.size()));
    }
}
