#include "app/language.h"
#include "ui/daten.h"
#include "ui/picture_list.h"
#include "ui/wave.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bmp(int w, int h) {
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A program folder whose lists tell where they came from by their first picture's size:
// width = class, height 1 for German files, 2 for English ones.
class PictureFolder : public ::testing::Test {
protected:
    void SetUp() override {
        for (int cls : {640, 800, 1024}) {
            const QString folder = dir.filePath(QStringLiteral("DATA/%1").arg(cls));
            QDir().mkpath(folder);
            write(folder + "/haupt.bml", {bmp(cls, 1)});
            write(folder + "/scheme.bml", {bmp(cls, 1), bmp(3, 3)});
            write(folder + "/ehaupt.bml", {bmp(cls, 2)});
            write(folder + "/escheme.bml", {bmp(cls, 2), bmp(3, 3)});
        }
    }
    static void write(const QString& path, const QList<QByteArray>& pictures) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(WritePictureList(f, pictures));
    }
    QString program() const { return dir.path() + QDir::separator(); }
    QTemporaryDir dir;
};

TEST_F(PictureFolder, ClassFolderFollowsWidth) {
    const struct {
        int width, cls;
    } cases[] = {{750, 640}, {751, 800}, {820, 800}, {821, 1024}, {1024, 1024}, {0, 1024}};
    for (const auto& c : cases) {
        for (int language : {German, English}) {
            TDaten d;
            ASSERT_TRUE(d.LoadPictureLists(program(), c.width, language)) << c.width;
            EXPECT_EQ(d.haupt(0).size(), QSize(c.cls, language)) << c.width;
            EXPECT_EQ(d.scheme(0).size(), QSize(c.cls, language)) << c.width;
            EXPECT_EQ(d.schemeCount(), 2);
        }
    }
}

TEST_F(PictureFolder, MissingEnglishRunListGivesEnglishMessageAndStops) {
    QFile::remove(dir.filePath("DATA/1024/ehaupt.bml"));
    TDaten d;
    QString message;
    EXPECT_FALSE(d.LoadPictureLists(program(), 1024, English, &message));
    EXPECT_EQ(message, "Error reading graphic and/or sound files.");
    EXPECT_EQ(d.schemeCount(), 0); // the second file was not read
}

TEST_F(PictureFolder, DamagedFrameListKeepsTheRunList) {
    QFile f(dir.filePath("DATA/800/scheme.bml"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x08LMDIML30\x01\x00\x00\x00", 13);
    f.close();
    TDaten d;
    QString message;
    EXPECT_FALSE(d.LoadPictureLists(program(), 800, German, &message));
    EXPECT_EQ(message, "Fehler beim Einlesen der Grafiken bzw. Sounds.");
    EXPECT_EQ(d.hauptCount(), 1);
    EXPECT_TRUE(d.scheme(0).isNull());
}

TEST_F(PictureFolder, MissingIndexGivesNullPicture) {
    TDaten d;
    ASSERT_TRUE(d.LoadPictureLists(program(), 1024, German));
    EXPECT_TRUE(d.haupt(88).isNull());
    EXPECT_TRUE(d.scheme(-1).isNull());
}

TEST(ButtonFaces, NineBuiltInFacesWithTheirSizes) {
    TDaten d;
    ASSERT_EQ(d.ButtonList().size(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(d.button(i).size(), i < 3 ? QSize(76, 25) : QSize(138, 34)) << i;
}

TEST(WaveFalschTone, FormatAndShape) {
    const QByteArray pcm = WaveFalschPcm();
    ASSERT_EQ(pcm.size(), WaveFalschSamples * 2);
    const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
    int peak = 0;
    for (int i = 0; i < WaveFalschSamples; ++i)
        peak = std::max(peak, std::abs(int(s[i])));
    EXPECT_GT(peak, 8000); // audible
    EXPECT_LT(std::abs(int(s[0])), 200);
    EXPECT_LT(std::abs(int(s[WaveFalschSamples - 1])), 200); // ends in silence: no click
}

} // namespace
