// Pictures compiled into the program: the eight dialog frame pieces and the nine button faces.
#include "tools/artwork/artwork.h"

#include <QPainter>

namespace art {
namespace {

constexpr int kTitle = 47;  // title strip height
constexpr int kBorder = 23; // left and right border width
constexpr int kBottom = 24; // bottom border height

const QColor kOutline(14, 36, 60);
const QColor kInnerLine(178, 216, 238);

// Title strip colour of row y (0 at the window's top).
QColor TitleRow(int y) {
    if (y == 0)
        return kOutline;
    if (y == 1)
        return QColor(120, 172, 218);
    if (y == kTitle - 1)
        return kInnerLine;
    return Mix(QColor(70, 132, 188), QColor(32, 82, 128), double(y - 2) / (kTitle - 4));
}

// Border colour at depth d from the outer edge of a band `thickness` wide.
QColor BorderDepth(int d, int thickness) {
    if (d == 0)
        return kOutline;
    if (d == thickness - 1)
        return kInnerLine;
    if (d == 1)
        return QColor(96, 152, 204);
    return Mix(colour::Steel.lighter(112), colour::Steel.darker(118), double(d - 1) / (thickness - 2));
}

// Title background over the whole piece; `outerLeft`/`outerRight` close the window's sides.
QImage TitlePiece(int width, bool outerLeft, bool outerRight, int innerFrom, int innerTo) {
    QImage image = Canvas(width, kTitle, Qt::black);
    for (int y = 0; y < kTitle; ++y) {
        for (int x = 0; x < width; ++x) {
            QColor c = TitleRow(y);
            // Only the part above the content carries the inner line.
            if (y == kTitle - 1 && (x < innerFrom || x > innerTo))
                c = TitleRow(kTitle - 2);
            if ((outerLeft && x == 0) || (outerRight && x == width - 1))
                c = kOutline;
            else if (y > 0 && ((outerLeft && x == 1) || (outerRight && x == width - 2)))
                c = Mix(c, QColor(120, 172, 218), 0.6);
            image.setPixelColor(x, y, c);
        }
    }
    return image;
}

// The darker inset strip the caption and the close mark sit in, from x `from` to `to` of a piece.
void InsetStrip(QImage& image, double from, double to) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF strip(from, 14.5, to - from, 23);
    const QPainterPath shape = Rounded(strip, 9);
    p.fillPath(shape.translated(0, 1), QColor(120, 172, 218, 110));
    FillVertical(p, shape, QColor(20, 54, 88), QColor(30, 74, 114));
    p.setPen(QPen(QColor(14, 38, 62), 1));
    p.drawPath(shape);
}

QImage SideEdge(bool left) {
    QImage image = Canvas(kBorder, kTitle, Qt::black);
    for (int x = 0; x < kBorder; ++x) {
        const QColor c = BorderDepth(left ? x : kBorder - 1 - x, kBorder);
        for (int y = 0; y < kTitle; ++y)
            image.setPixelColor(x, y, c);
    }
    return image;
}

QImage BottomEdge() {
    QImage image = Canvas(159, kBottom, Qt::black);
    for (int y = 0; y < kBottom; ++y) {
        const QColor c = BorderDepth(kBottom - 1 - y, kBottom);
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, c);
    }
    return image;
}

// Bottom corner: the side band and the bottom band meet in a mitre.
QImage BottomCorner(bool left) {
    QImage image = Canvas(kBorder, kBottom, Qt::black);
    for (int y = 0; y < kBottom; ++y) {
        for (int x = 0; x < kBorder; ++x) {
            const int dx = left ? x : kBorder - 1 - x;
            const int dy = kBottom - 1 - y;
            image.setPixelColor(x, y, dx <= dy ? BorderDepth(dx, kBorder) : BorderDepth(dy, kBottom));
        }
    }
    return image;
}

QImage CloseCorner() {
    QImage image = TitlePiece(135, false, true, 0, 135 - kBorder);
    InsetStrip(image, -20, 117);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The close box lies at x 93..109, y 18..34; the mark inside it at 96..106, 20..30.
    const QRectF box(92.5, 17.5, 18, 18);
    FillVertical(p, Rounded(box, 4), QColor(44, 98, 148), QColor(28, 70, 110));
    p.setPen(QPen(QColor(110, 166, 214), 1));
    p.drawPath(Rounded(box, 4));
    p.setPen(QPen(colour::Pale, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(96.9, 20.9), QPointF(106.1, 30.1));
    p.drawLine(QPointF(106.1, 20.9), QPointF(96.9, 30.1));
    return image;
}

} // namespace

QList<QImage> DialogFramePieces() {
    QList<QImage> pieces(8);
    pieces[0] = TitlePiece(24, true, false, kBorder - 1, 24);
    InsetStrip(pieces[0], 12, 60);
    pieces[1] = SideEdge(false);
    pieces[2] = TitlePiece(135, false, false, 0, 135);
    InsetStrip(pieces[2], -20, 160);
    pieces[3] = CloseCorner();
    pieces[4] = BottomCorner(true);
    pieces[5] = BottomEdge();
    pieces[6] = BottomCorner(false);
    pieces[7] = SideEdge(true);
    return pieces;
}

QList<QImage> ButtonFaces() {
    const FaceColours small{QColor(58, 112, 168), QColor(30, 70, 114), QColor(120, 170, 214), colour::Pale,
                            QColor(88, 130, 173)};
    const FaceColours blue{QColor(48, 104, 160), QColor(24, 60, 100), QColor(110, 162, 210), colour::Pale,
                           QColor(82, 191, 160)};
    const FaceColours green{QColor(30, 122, 92), QColor(14, 76, 58), QColor(90, 180, 150), colour::Mint,
                            QColor(215, 250, 240)};
    QList<QImage> faces;
    for (const FaceColours* c : {&small, &blue, &green}) {
        const QSize size = c == &small ? QSize(76, 25) : QSize(138, 34);
        for (FaceState state : {FaceState::Pressed, FaceState::Over, FaceState::Normal})
            faces << RoundedFace(size, state, *c, c == &small ? 7 : 9);
    }
    return faces;
}

QImage Splash() {
    QImage image = Canvas(515, 302, QColor(0, 0, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient bg(QPointF(170, 120), 420);
    bg.setColorAt(0, QColor(40, 100, 160));
    bg.setColorAt(0.55, QColor(18, 50, 92));
    bg.setColorAt(1, QColor(6, 18, 40));
    p.fillRect(image.rect(), bg);

    // Faint grid of cells, as on the run screen.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int x = 0; x < 515; x += 24)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, 302));
    for (int y = 0; y < 302; y += 24)
        p.drawLine(QPointF(0, y + 0.5), QPointF(515, y + 0.5));

    const QRectF frame = QRectF(image.rect()).adjusted(6.5, 6.5, -6.5, -6.5);
    p.setPen(QPen(QColor(82, 190, 160, 200), 1.5));
    p.drawPath(Rounded(frame, 10));

    // Emblem on the right: the cross of cards, the stimulus a coloured word.
    DrawEmblem(p, QRectF(318, 62, 168, 168), false);
    const QPainterPath word = CentredText(QStringLiteral("ROT"), BoldFont(22), QPointF(402, 146));
    p.strokePath(word, QPen(colour::IdentityEdge[2], 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(word, colour::Identity[2]);

    QFont title = BoldFont(58);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    QPainterPath name;
    name.addText(34, 138, title, QStringLiteral("Velmora"));
    const QRectF nb = name.boundingRect();
    QLinearGradient g(nb.topLeft(), nb.bottomLeft());
    g.setColorAt(0, QColor(226, 255, 244));
    g.setColorAt(1, colour::Teal);
    p.fillPath(name.translated(0, 3), QColor(0, 0, 0, 120));
    p.fillPath(name, g);

    p.setPen(QPen(colour::Teal, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 160), QPointF(290, 160));
    p.setFont(BoldFont(14));
    p.setPen(colour::Mint);
    p.drawText(QPointF(36, 186), QStringLiteral("Aufmerksamkeits- und Interferenztraining"));
    p.setPen(QColor(210, 220, 240));
    p.drawText(QPointF(36, 206), QStringLiteral("Attention and interference training"));
    return image;
}

} // namespace art
