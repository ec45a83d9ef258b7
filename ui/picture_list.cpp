#include "ui/picture_list.h"

#include <QFile>

namespace {

constexpr char kSignature[] = "\x08LMDBML30";
constexpr qsizetype kSignatureSize = 9;
constexpr quint8 kCompressed = 0x01;
constexpr quint8 kDescription = 0x02;
constexpr quint8 kIdentifier = 0x04;
constexpr quint8 kPictureData = 0x08;
// Bitmap file header: "BM", file size, two reserved words, pixel offset.
constexpr qint64 kBitmapFileHeaderSize = 14;

// Bounds-checked little-endian reader over bytes already in memory.
class Cursor {
public:
    explicit Cursor(const QByteArray& data) : m_data(data) {}

    qint64 remaining() const { return m_data.size() - m_pos; }

    bool skip(qint64 count) {
        if (count < 0 || count > remaining())
            return false;
        m_pos += count;
        return true;
    }
    bool byte(quint8& value) {
        if (remaining() < 1)
            return false;
        value = static_cast<quint8>(m_data[m_pos++]);
        return true;
    }
    bool int32(qint32& value) {
        if (remaining() < 4)
            return false;
        quint32 v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<quint32>(static_cast<quint8>(m_data[m_pos + i])) << (8 * i);
        m_pos += 4;
        value = static_cast<qint32>(v);
        return true;
    }
    bool bytes(qint64 count, QByteArray& out) {
        if (count < 0 || count > remaining())
            return false;
        out = m_data.mid(m_pos, count);
        m_pos += count;
        return true;
    }

private:
    const QByteArray& m_data;
    qint64 m_pos = 0;
};

bool Fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

void AppendInt32(QByteArray& out, qint32 value) {
    const auto v = static_cast<quint32>(value);
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

bool ReadPictureList(QIODevice& in, QList<QByteArray>& bitmaps, QString* error) {
    const QByteArray data = in.readAll();
    Cursor cursor(data);

    QByteArray signature;
    if (!cursor.bytes(kSignatureSize, signature) || signature != QByteArray(kSignature, kSignatureSize))
        return Fail(error, QStringLiteral("not a picture list (wrong signature)"));

    qint32 count = 0;
    if (!cursor.int32(count))
        return Fail(error, QStringLiteral("picture list truncated in the item count"));
    // Every item needs four bytes of offset table and at least its flags byte.
    if (count < 0 || 5 * static_cast<qint64>(count) > cursor.remaining())
        return Fail(error, QStringLiteral("item count %1 does not fit the file").arg(count));
    cursor.skip(4 * static_cast<qint64>(count));

    QList<QByteArray> items;
    items.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        quint8 flags = 0;
        if (!cursor.byte(flags))
            return Fail(error, QStringLiteral("picture list truncated at item %1").arg(i));
        if (flags & kCompressed)
            return Fail(error, QStringLiteral("item %1 is compressed, which is not supported").arg(i));
        if (flags & kDescription) {
            quint8 length = 0;
            if (!cursor.byte(length) || !cursor.skip(length))
                return Fail(error,
                            QStringLiteral("picture list truncated in the description of item %1").arg(i));
        }
        if (flags & kIdentifier) {
            qint32 identifier = 0;
            if (!cursor.int32(identifier))
                return Fail(error,
                            QStringLiteral("picture list truncated in the identifier of item %1").arg(i));
        }
        QByteArray bitmap;
        if (flags & kPictureData) {
            qint32 size = 0;
            if (!cursor.int32(size))
                return Fail(error, QStringLiteral("picture list truncated at the size of item %1").arg(i));
            if (!cursor.bytes(size, bitmap))
                return Fail(error,
                            QStringLiteral("picture %1 claims %2 bytes beyond the file").arg(i).arg(size));
            if (bitmap.size() < kBitmapFileHeaderSize || !bitmap.startsWith("BM"))
                return Fail(error, QStringLiteral("picture %1 is not a bitmap file").arg(i));
        }
        items.append(bitmap);
    }
    bitmaps = items;
    return true;
}

bool ReadPictureListFile(const QString& path, QList<QByteArray>& bitmaps, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    return ReadPictureList(file, bitmaps, error);
}

bool WritePictureList(QIODevice& out, const QList<QByteArray>& bitmaps) {
    QByteArray data(kSignature, kSignatureSize);
    AppendInt32(data, static_cast<qint32>(bitmaps.size()));

    qint64 position = data.size() + 4 * static_cast<qint64>(bitmaps.size());
    for (const QByteArray& bitmap : bitmaps) {
        AppendInt32(data, static_cast<qint32>(position));
        position += 1 + (bitmap.isEmpty() ? 0 : 4 + bitmap.size());
    }
    for (const QByteArray& bitmap : bitmaps) {
        if (bitmap.isEmpty()) {
            data.append(char(0));
            continue;
        }
        data.append(static_cast<char>(kPictureData));
        AppendInt32(data, static_cast<qint32>(bitmap.size()));
        data.append(bitmap);
    }
    return out.write(data) == data.size();
}
