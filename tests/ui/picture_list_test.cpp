#include "ui/picture_list.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace {

void PutInt32(QByteArray& out, qint32 value) {
    const auto v = static_cast<quint32>(value);
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

qint32 GetInt32(const QByteArray& data, qsizetype at) {
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<quint32>(static_cast<quint8>(data[at + i])) << (8 * i);
    return static_cast<qint32>(v);
}

// A minimal 24-bit bitmap file; `seed` varies the pixels.
QByteArray MakeBmp(int width, int height, int seed = 0) {
    const int stride = (width * 3 + 3) & ~3;
    QByteArray out("BM");
    PutInt32(out, 54 + stride * height);
    PutInt32(out, 0);
    PutInt32(out, 54);
    PutInt32(out, 40);
    PutInt32(out, width);
    PutInt32(out, height);
    out.append(char(1)).append(char(0)).append(char(24)).append(char(0));
    PutInt32(out, 0);
    PutInt32(out, stride * height);
    for (int i = 0; i < 4; ++i)
        PutInt32(out, 0);
    for (int i = 0; i < stride * height; ++i)
        out.append(static_cast<char>((i + seed) & 0xFF));
    return out;
}

struct BmpInfo {
    int width = 0, height = 0, bitsPerPixel = 0;
};

BmpInfo ParseBmp(const QByteArray& bmp) {
    if (bmp.size() < 54 || !bmp.startsWith("BM"))
        return {};
    return {GetInt32(bmp, 18), qAbs(GetInt32(bmp, 22)),
            static_cast<quint8>(bmp[28]) | (static_cast<quint8>(bmp[29]) << 8)};
}

// Colour of pixel (x, y), counted from the top left, of an uncompressed 24-bit bitmap.
std::array<int, 3> PixelRgb(const QByteArray& bmp, int x, int y) {
    const BmpInfo info = ParseBmp(bmp);
    const int stride = (info.width * 3 + 3) & ~3;
    const int row = GetInt32(bmp, 22) > 0 ? info.height - 1 - y : y;
    const qsizetype at = GetInt32(bmp, 10) + qsizetype(row) * stride + x * 3;
    return {static_cast<quint8>(bmp[at + 2]), static_cast<quint8>(bmp[at + 1]), static_cast<quint8>(bmp[at])};
}

// One item of a hand-made list, for cases the writer never produces.
struct RawItem {
    quint8 flags = 0x08;
    QByteArray description;
    qint32 identifier = 0;
    QByteArray picture;
    std::optional<qint32> claimedSize; // byte count written instead of the real one
};

QByteArray RawList(const QList<RawItem>& items, std::optional<qint32> claimedCount = {},
                   const QByteArray& signature = QByteArray("\x08LMDBML30", 9)) {
    QByteArray out = signature;
    PutInt32(out, claimedCount.value_or(static_cast<qint32>(items.size())));
    for (qsizetype i = 0; i < items.size(); ++i)
        PutInt32(out, 0); // offsets are not read
    for (const RawItem& item : items) {
        out.append(static_cast<char>(item.flags));
        if (item.flags & 0x02) {
            out.append(static_cast<char>(item.description.size()));
            out.append(item.description);
        }
        if (item.flags & 0x04)
            PutInt32(out, item.identifier);
        if (item.flags & 0x08) {
            PutInt32(out, item.claimedSize.value_or(static_cast<qint32>(item.picture.size())));
            out.append(item.picture);
        }
    }
    return out;
}

bool ReadBytes(const QByteArray& bytes, QList<QByteArray>& bitmaps, QString* error = nullptr) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadPictureList(buffer, bitmaps, error);
}

QByteArray WriteBytes(const QList<QByteArray>& bitmaps) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WritePictureList(buffer, bitmaps));
    return buffer.data();
}

TEST(PictureList, WriterOutputReadsBackIdentically) {
    const QList<QByteArray> bitmaps = {MakeBmp(3, 2, 1), QByteArray(), MakeBmp(120, 90, 7), MakeBmp(1, 1, 9)};
    const QByteArray file = WriteBytes(bitmaps);
    ASSERT_TRUE(file.startsWith(QByteArray("\x08LMDBML30", 9)));
    EXPECT_EQ(GetInt32(file, 9), 4);

    QList<QByteArray> read;
    QString error;
    ASSERT_TRUE(ReadBytes(file, read, &error)) << error.toStdString();
    EXPECT_EQ(read, bitmaps);
}

TEST(PictureList, WriterOffsetTablePointsAtEachItem) {
    const QList<QByteArray> bitmaps = {MakeBmp(5, 3), QByteArray(), MakeBmp(2, 7)};
    const QByteArray file = WriteBytes(bitmaps);
    qsizetype expected = 13 + 4 * bitmaps.size();
    for (int i = 0; i < bitmaps.size(); ++i) {
        const qint32 offset = GetInt32(file, 13 + 4 * i);
        EXPECT_EQ(offset, expected) << "item " << i;
        ASSERT_LT(offset, file.size());
        EXPECT_EQ(static_cast<quint8>(file[offset]), bitmaps[i].isEmpty() ? 0x00 : 0x08) << "item " << i;
        expected += 1 + (bitmaps[i].isEmpty() ? 0 : 4 + bitmaps[i].size());
    }
    EXPECT_EQ(expected, file.size());
}

TEST(PictureList, EmptyListRoundTrips) {
    QList<QByteArray> read = {MakeBmp(1, 1)};
    ASSERT_TRUE(ReadBytes(WriteBytes({}), read));
    EXPECT_TRUE(read.isEmpty());
}

TEST(PictureList, ReaderSkipsDescriptionIdentifierAndDrawingMode) {
    const QByteArray a = MakeBmp(4, 4, 1), b = MakeBmp(2, 3, 2), c = MakeBmp(6, 1, 3), d = MakeBmp(1, 5, 4);
    const QList<RawItem> items = {
        {0x0A, "a description", 0, a, {}},
        {0x0C, {}, -17, b, {}},
        {0x0E, QByteArray(255, 'x'), 0x7FFFFFFF, c, {}},
        {0x06, "no picture", 3, {}, {}},
        {0x38, {}, 0, d, {}}, // drawing mode bits 4..6 set
    };
    QList<QByteArray> read;
    QString error;
    ASSERT_TRUE(ReadBytes(RawList(items), read, &error)) << error.toStdString();
    EXPECT_EQ(read, (QList<QByteArray>{a, b, c, QByteArray(), d}));
}

struct DamagedCase {
    const char* name;
    QByteArray file;
};

void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.name;
}

class DamagedPictureList : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedPictureList, IsRejectedAndLeavesTheListAlone) {
    const QList<QByteArray> before = {MakeBmp(2, 2, 5)};
    QList<QByteArray> bitmaps = before;
    QString error;
    EXPECT_FALSE(ReadBytes(GetParam().file, bitmaps, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(bitmaps, before);
}

QList<DamagedCase> DamagedCases() {
    const QByteArray bmp = MakeBmp(3, 3);
    const QByteArray good = RawList({{0x08, {}, 0, bmp, {}}, {0x08, {}, 0, bmp, {}}});
    return {
        {"EmptyFile", QByteArray()},
        {"ImageListSignature", RawList({{0x08, {}, 0, bmp, {}}}, {}, QByteArray("\x08LMDIML30", 9))},
        {"SignatureLengthByteWrong", RawList({{0x08, {}, 0, bmp, {}}}, {}, QByteArray("\x07LMDBML30", 9))},
        {"OnlySignature", good.left(9)},
        {"CutInItemCount", good.left(11)},
        {"CutInOffsetTable", good.left(13 + 5)},
        {"CutBeforeFirstItem", good.left(13 + 8)},
        {"CutInPictureSize", good.left(13 + 8 + 3)},
        {"CutInPictureData", good.left(13 + 8 + 5 + 20)},
        {"CutBeforeLastItem", good.left(good.size() - 5 - bmp.size())},
        {"LastByteMissing", good.left(good.size() - 1)},
        // Two items need at least ten bytes of offsets and flags; only five follow the count.
        {"CountTooLargeForRemainingBytes", RawList({{0x00, {}, 0, {}, {}}}, 2)},
        {"CountFarBeyondFile", RawList({{0x08, {}, 0, bmp, {}}}, 0x7FFFFFFF)},
        {"CountNegative", RawList({{0x08, {}, 0, bmp, {}}}, -1)},
        {"CompressedItem", RawList({{0x08, {}, 0, bmp, {}}, {0x09, {}, 0, bmp, {}}})},
        {"PictureSizeBeyondFile", RawList({{0x08, {}, 0, bmp, bmp.size() + 1}})},
        {"PictureSizeHuge", RawList({{0x08, {}, 0, bmp, 0x7FFFFFF0}})},
        {"PictureSizeNegative", RawList({{0x08, {}, 0, bmp, -4}})},
        {"PictureNotBitmap", RawList({{0x08, {}, 0, "PNG-like data, not a bitmap file", {}}})},
        {"PictureTooShortForHeader", RawList({{0x08, {}, 0, "BM", {}}})},
        {"DescriptionBeyondFile", RawList({{0x02, QByteArray(10, 'd'), 0, {}, {}}}).chopped(4)},
        {"IdentifierCut", RawList({{0x04, {}, 1, {}, {}}}).chopped(2)},
    };
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedPictureList, ::testing::ValuesIn(DamagedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureList, EveryShorterPrefixOfAValidFileIsRejected) {
    const QByteArray file = WriteBytes({MakeBmp(2, 2), QByteArray(), MakeBmp(3, 1)});
    QList<QByteArray> bitmaps;
    ASSERT_TRUE(ReadBytes(file, bitmaps));
    for (qsizetype length = 0; length < file.size(); ++length)
        EXPECT_FALSE(ReadBytes(file.left(length), bitmaps)) << "cut at " << length;
}

TEST(PictureList, FileReaderReportsAMissingFile) {
    QTemporaryDir dir;
    QList<QByteArray> bitmaps;
    QString error;
    EXPECT_FALSE(ReadPictureListFile(dir.filePath("haupt.bml"), bitmaps, &error));
    EXPECT_FALSE(error.isEmpty());

    QFile file(dir.filePath("scheme.bml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(WritePictureList(file, {MakeBmp(4, 2)}));
    file.close();
    ASSERT_TRUE(ReadPictureListFile(file.fileName(), bitmaps, &error));
    EXPECT_EQ(bitmaps.size(), 1);
}

// The generator's real output in the build tree.
const QString kData = QStringLiteral(VELMORA_BUILD_DATA);

QList<QByteArray> LoadGenerated(const QString& relative) {
    QList<QByteArray> bitmaps;
    QString error;
    EXPECT_TRUE(ReadPictureListFile(kData + QLatin1Char('/') + relative, bitmaps, &error))
        << relative.toStdString() << ": " << error.toStdString();
    return bitmaps;
}

QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

struct ClassCase {
    int resolutionClass;
    int cellWidth, cellHeight;
    int crossRight, crossBottom; // farthest cell edge of the cross
};

class GeneratedPictures : public ::testing::TestWithParam<ClassCase> {};

TEST_P(GeneratedPictures, RunListsHoldEquallySizedCellsAndAFittingBackground) {
    const ClassCase c = GetParam();
    for (const QString& prefix : {QString(), QStringLiteral("e")}) {
        SCOPED_TRACE(prefix.toStdString() + "haupt.bml");
        const QList<QByteArray> run =
            LoadGenerated(QStringLiteral("%1/%2haupt.bml").arg(c.resolutionClass).arg(prefix));
        ASSERT_EQ(run.size(), 89);
        for (int i = 0; i < 88; ++i) {
            const BmpInfo info = ParseBmp(run[i]);
            EXPECT_EQ(info.width, c.cellWidth) << "picture " << i;
            EXPECT_EQ(info.height, c.cellHeight) << "picture " << i;
            EXPECT_EQ(info.bitsPerPixel, 24) << "picture " << i;
        }
        const BmpInfo back = ParseBmp(run[88]);
        EXPECT_GT(back.width, c.crossRight);
        EXPECT_GT(back.height, c.crossBottom);
        EXPECT_EQ(back.bitsPerPixel, 24);
    }
}

TEST_P(GeneratedPictures, LanguagesDifferOnlyInPicturesThatShowWords) {
    const ClassCase c = GetParam();
    const QString folder = QString::number(c.resolutionClass);
    const QList<QByteArray> de = LoadGenerated(folder + "/haupt.bml"),
                            en = LoadGenerated(folder + "/ehaupt.bml");
    ASSERT_EQ(de.size(), 89);
    ASSERT_EQ(en.size(), 89);
    for (int i = 0; i < 89; ++i) {
        const bool word = i >= 8 && i <= 27;
        EXPECT_EQ(de[i] != en[i], word) << "run picture " << i;
    }
    const QList<QByteArray> sde = LoadGenerated(folder + "/scheme.bml"),
                            sen = LoadGenerated(folder + "/escheme.bml");
    ASSERT_EQ(sde.size(), 33);
    ASSERT_EQ(sen.size(), 33);
    for (int i = 0; i < 33; ++i) {
        const BmpInfo a = ParseBmp(sde[i]), b = ParseBmp(sen[i]);
        EXPECT_GT(a.width, 0) << "scheme picture " << i;
        EXPECT_EQ(a.width, b.width) << "scheme picture " << i;
        EXPECT_EQ(a.height, b.height) << "scheme picture " << i;
        EXPECT_EQ(a.bitsPerPixel, 24) << "scheme picture " << i;
        // Only the family faces carry a word.
        if (i < 16 || i > 23) {
            EXPECT_EQ(sde[i], sen[i]) << "scheme picture " << i;
        }
    }
    // The first family's faces show a colour word in the list's language.
    EXPECT_NE(sde[17], sen[17]);
}

TEST_P(GeneratedPictures, CounterPlateHoldsBothCountersOnTheBottomEdge) {
    const ClassCase c = GetParam();
    const QList<QByteArray> scheme = LoadGenerated(QString::number(c.resolutionClass) + "/scheme.bml");
    ASSERT_EQ(scheme.size(), 33);
    const BmpInfo plate = ParseBmp(scheme[32]), bottom = ParseBmp(scheme[30]);
    // Plate offset S, counter offset k and counter box height of the class, and the span of
    // both counters either side of the centre line.
    const int s = c.resolutionClass == 640 ? 6 : c.resolutionClass == 800 ? 7 : 10;
    const int k = c.resolutionClass == 640 ? 3 : c.resolutionClass == 800 ? 4 : 5;
    const int box = c.resolutionClass == 640 ? 13 : c.resolutionClass == 800 ? 16 : 20;
    const int left = c.resolutionClass == 640 ? 34 : c.resolutionClass == 800 ? 42 : 54;
    const int right = c.resolutionClass == 640 ? 32 : c.resolutionClass == 800 ? 42 : 49;
    EXPECT_GE(plate.height, k + box);
    EXPECT_LE(s + plate.height, bottom.height);
    EXPECT_GE(plate.width / 2, left);
    EXPECT_GE(plate.width - plate.width / 2, right);
}

INSTANTIATE_TEST_SUITE_P(Classes, GeneratedPictures,
                         ::testing::Values(ClassCase{640, 78, 58, 414, 311}, ClassCase{800, 96, 72, 508, 381},
                                           ClassCase{1024, 120, 90, 640, 474}),
                         [](const auto& info) { return std::to_string(info.param.resolutionClass); });

TEST(GeneratedFaces, FramePiecesAndButtonsHaveTheirSizesAndCornerColours) {
    const QString faces = kData + QStringLiteral("/../generated/faces/");
    const QByteArray qrc = ReadWhole(faces + "faces.qrc");
    EXPECT_TRUE(qrc.contains("prefix=\"/\""));

    const std::array<std::pair<int, int>, 8> frameSizes = {
        {{24, 47}, {23, 47}, {135, 47}, {135, 47}, {23, 24}, {159, 24}, {23, 24}, {23, 47}}};
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("frame%1.bmp").arg(i);
        EXPECT_TRUE(qrc.contains("<file>" + name.toLatin1() + "</file>")) << name.toStdString();
        const BmpInfo info = ParseBmp(ReadWhole(faces + name));
        EXPECT_EQ(info.width, frameSizes[i].first) << name.toStdString();
        EXPECT_EQ(info.height, frameSizes[i].second) << name.toStdString();
        EXPECT_EQ(info.bitsPerPixel, 24) << name.toStdString();
    }
    // The close mark: pale at the centre of its cross, inside the close box.
    const std::array<int, 3> mark = PixelRgb(ReadWhole(faces + "frame3.bmp"), 101, 25);
    EXPECT_GT(mark[0], 180);
    EXPECT_GT(mark[1], 220);

    struct Button {
        int width, height;
        std::array<int, 3> corner;
    };
    const Button small{76, 25, {88, 130, 173}}, blue{138, 34, {82, 191, 160}},
        green{138, 34, {215, 250, 240}};
    const Button buttons[9] = {small, small, small, blue, blue, blue, green, green, green};
    for (int i = 0; i < 9; ++i) {
        const QString name = QStringLiteral("button%1.bmp").arg(i);
        EXPECT_TRUE(qrc.contains("<file>" + name.toLatin1() + "</file>")) << name.toStdString();
        const QByteArray bmp = ReadWhole(faces + name);
        const BmpInfo info = ParseBmp(bmp);
        ASSERT_EQ(info.width, buttons[i].width) << name.toStdString();
        ASSERT_EQ(info.height, buttons[i].height) << name.toStdString();
        EXPECT_EQ(info.bitsPerPixel, 24) << name.toStdString();
        for (auto [x, y] :
             {std::pair{0, 0}, {info.width - 1, 0}, {0, info.height - 1}, {info.width - 1, info.height - 1}})
            EXPECT_EQ(PixelRgb(bmp, x, y), buttons[i].corner)
                << name.toStdString() << " at " << x << "," << y;
    }
    const BmpInfo splash = ParseBmp(ReadWhole(kData + "/splash.bmp"));
    EXPECT_EQ(splash.width, 515);
    EXPECT_EQ(splash.height, 302);
}

} // namespace
