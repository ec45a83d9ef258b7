#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

// Picture list container: a signature, an item count, an offset table and the items, each
// with flags, optional description and identifier, and optional picture data (a complete
// Windows bitmap file). Only uncompressed items are supported.

// Reads every item of the list in file order; an item without picture data gives an empty
// array. On failure returns false, sets `error` (when given) and leaves `bitmaps` unchanged.
bool ReadPictureList(QIODevice& in, QList<QByteArray>& bitmaps, QString* error = nullptr);
bool ReadPictureListFile(const QString& path, QList<QByteArray>& bitmaps, QString* error = nullptr);

// Writes one uncompressed item per bitmap with a real offset table; an empty array becomes an
// item without picture data. Returns false when the device refuses the data.
bool WritePictureList(QIODevice& out, const QList<QByteArray>& bitmaps);
