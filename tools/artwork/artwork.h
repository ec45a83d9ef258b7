#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace art {

enum Language { German = 1, English = 2 };

// The product palette.
namespace colour {
inline const QColor Steel(42, 101, 154);
inline const QColor SteelDark(22, 56, 92);
inline const QColor SteelLight(96, 152, 204);
inline const QColor Teal(82, 190, 160);
inline const QColor Mint(196, 253, 228);
inline const QColor Pale(215, 250, 240);
inline const QColor Panel(39, 39, 39);
inline const QColor Ink(34, 42, 58);
// The four identities: blue, yellow, green, red.
inline const QColor Identity[4] = {QColor(30, 96, 222), QColor(255, 208, 0), QColor(22, 160, 70),
                                   QColor(222, 38, 44)};
inline const QColor IdentityEdge[4] = {QColor(14, 44, 116), QColor(128, 88, 0), QColor(8, 78, 32),
                                       QColor(112, 14, 18)};
} // namespace colour

// 24-bit Windows bitmap file of the image.
QByteArray EncodeBmp(const QImage& image);

// An opaque 24-bit canvas filled with one colour.
QImage Canvas(int width, int height, const QColor& fill);
inline QImage Canvas(QSize size, const QColor& fill) {
    return Canvas(size.width(), size.height(), fill);
}

QColor Mix(const QColor& a, const QColor& b, double t);

QFont BoldFont(double pixelSize, const QString& family = QStringLiteral("Arial"));

// Glyph outline of a text, with its tight bounds moved to centre on `centre`.
QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre);

// Largest pixel size at which every text fits the box (tight glyph bounds).
double FitPixelSize(const QStringList& texts, const QString& family, double maxWidth, double maxHeight);

// Fills a path with a vertical gradient between its top and bottom.
void FillVertical(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom);

QPainterPath Rounded(const QRectF& rect, double radius);

enum class FaceState { Pressed, Over, Normal };
struct FaceColours {
    QColor top, bottom;  // body gradient of the normal face
    QColor rim, overRim; // thin inner outline; the mouse-over face lights it
    QColor surround;     // colour of the surface the button sits on, shown in its corners
};
// An opaque rounded button face; the caption is drawn by the button itself. A backdrop of the
// face's size, when given, stands for the surface around the button instead of one colour.
QImage RoundedFace(QSize size, FaceState state, const FaceColours& colours, double radius,
                   const QImage& backdrop = QImage());

// Mini cross of five colour or digit cards, the emblem of the product.
void DrawEmblem(QPainter& p, const QRectF& box, bool digits);

// Pictures of one resolution class (640, 800, 1024).
QList<QImage> RunPictures(int resolutionClass, Language language);
QList<QImage> SchemePictures(int resolutionClass, Language language);

// Compiled-in pictures, the same for every class.
QList<QImage> DialogFramePieces();
QList<QImage> ButtonFaces();
QImage Splash();

} // namespace art
