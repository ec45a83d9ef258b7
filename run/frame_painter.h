#pragma once

#include "run/run_layout.h"

class QPainter;
class TDaten;

// Sizes of the frame pieces 24..32 as the resource holder has them.
SchemePieceSizes SchemePieceSizesOf(const TDaten& daten);

// Paints the frame of the run and instruction screens over a width x height canvas from the
// resource holder's pieces, each copied 1:1; with `plate` the counter plate too, at the
// offset of the display width's class.
void PaintSchemeFrame(QPainter& painter, int width, int height, bool plate);
void PaintSchemeFrame(QPainter& painter, const TDaten& daten, int displayWidth, int width, int height,
                      bool plate);
