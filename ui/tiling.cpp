#include "ui/tiling.h"

QList<Tile> TileEdge(int from, int to, int pieceLength) {
    QList<Tile> tiles;
    if (pieceLength <= 0)
        return tiles;
    for (int pos = from; pos < to; pos += pieceLength)
        tiles.append({pos, qMin(pieceLength, to - pos)});
    return tiles;
}
