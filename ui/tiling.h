#pragma once

#include <QList>

// One copy of a tiled piece: where it starts along the edge and how much of it shows.
struct Tile {
    int pos;
    int length;
    bool operator==(const Tile&) const = default;
};

// Copies of a piece of the given length from `from` up to `to`, the last one cut so
// that the edge ends exactly at `to`. No tiles for an empty piece or an empty edge.
QList<Tile> TileEdge(int from, int to, int pieceLength);
