// Draws every picture of the program at build time:
//   velmora_artwork <DATA folder> <faces folder>
#include "tools/artwork/artwork.h"
#include "ui/picture_list.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "velmora_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WriteList(const QString& path, const QList<QImage>& pictures, int expected) {
    if (pictures.size() != expected) {
        std::fprintf(stderr, "velmora_artwork: %s has %d pictures, not %d\n", qPrintable(path),
                     int(pictures.size()), expected);
        return false;
    }
    QList<QByteArray> bitmaps;
    for (const QImage& picture : pictures)
        bitmaps << art::EncodeBmp(picture);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !WritePictureList(file, bitmaps)) {
        std::fprintf(stderr, "velmora_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The dialog frame needs these exact piece sizes; a drawing that drifts must stop the build.
bool FramePiecesFit(const QList<QImage>& pieces) {
    const QSize sizes[8] = {{24, 47}, {23, 47},  {135, 47}, {135, 47},
                            {23, 24}, {159, 24}, {23, 24},  {23, 47}};
    for (int i = 0; i < 8; ++i) {
        if (pieces.value(i).size() != sizes[i]) {
            std::fprintf(stderr, "velmora_artwork: frame piece %d has the wrong size\n", i);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Qt warns on every build step without a private runtime folder.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: velmora_artwork <data folder> <faces folder>\n");
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    const QString faces = QString::fromLocal8Bit(argv[2]);

    for (int resolutionClass : {640, 800, 1024}) {
        const QString folder = data + QLatin1Char('/') + QString::number(resolutionClass);
        if (!QDir().mkpath(folder))
            return 1;
        for (art::Language language : {art::German, art::English}) {
            const QString prefix = language == art::German ? QString() : QStringLiteral("e");
            if (!WriteList(folder + QStringLiteral("/%1haupt.bml").arg(prefix),
                           art::RunPictures(resolutionClass, language), 89) ||
                !WriteList(folder + QStringLiteral("/%1scheme.bml").arg(prefix),
                           art::SchemePictures(resolutionClass, language), 33))
                return 1;
        }
    }
    if (!WriteFile(data + QStringLiteral("/splash.bmp"), art::EncodeBmp(art::Splash())))
        return 1;

    if (!QDir().mkpath(faces))
        return 1;
    const QList<QImage> pieces = art::DialogFramePieces();
    const QList<QImage> buttons = art::ButtonFaces();
    if (!FramePiecesFit(pieces) || buttons.size() != 9)
        return 1;
    QByteArray qrc = "<RCC>\n  <qresource prefix=\"/\">\n";
    auto add = [&](const QString& name, const QImage& image) {
        qrc += "    <file>" + name.toUtf8() + "</file>\n";
        return WriteFile(faces + QLatin1Char('/') + name, art::EncodeBmp(image));
    };
    for (int i = 0; i < pieces.size(); ++i)
        if (!add(QStringLiteral("frame%1.bmp").arg(i), pieces[i]))
            return 1;
    for (int i = 0; i < buttons.size(); ++i)
        if (!add(QStringLiteral("button%1.bmp").arg(i), buttons[i]))
            return 1;
    qrc += "  </qresource>\n</RCC>\n";
    return WriteFile(faces + QStringLiteral("/faces.qrc"), qrc) ? 0 : 1;
}
