#include "tools/artwork/artwork.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace art {

QByteArray EncodeBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

QImage Canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(fill);
    return image;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return qBound(0, qRound(x + (y - x) * t), 255); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

QFont BoldFont(double pixelSize, const QString& family) {
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    return path.translated(centre - bounds.center());
}

double FitPixelSize(const QStringList& texts, const QString& family, double maxWidth, double maxHeight) {
    double size = maxHeight * 2;
    while (size > 4) {
        bool fits = true;
        for (const QString& text : texts) {
            QPainterPath path;
            path.addText(0, 0, BoldFont(size, family), text);
            const QRectF bounds = path.boundingRect();
            if (bounds.width() > maxWidth || bounds.height() > maxHeight) {
                fits = false;
                break;
            }
        }
        if (fits)
            return size;
        size -= 0.5;
    }
    return size;
}

void FillVertical(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom) {
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(path, g);
}

QPainterPath Rounded(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QImage RoundedFace(QSize size, FaceState state, const FaceColours& colours, double radius,
                   const QImage& backdrop) {
    QImage image = backdrop.size() == size ? backdrop.convertToFormat(QImage::Format_RGB888)
                                           : Canvas(size, colours.surround);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top = colours.top, bottom = colours.bottom, rim = colours.rim;
    if (state == FaceState::Over) {
        top = top.lighter(122);
        bottom = bottom.lighter(122);
        rim = colours.overRim;
    } else if (state == FaceState::Pressed) {
        // Pushed in: the light falls on the lower half.
        top = colours.bottom.darker(125);
        bottom = colours.top.darker(115);
        rim = rim.darker(160);
    }
    p.fillPath(Rounded(outer, radius), QColor(8, 12, 16));
    const QRectF body = outer.adjusted(1, 1, -1, -1);
    FillVertical(p, Rounded(body, radius - 1), top, bottom);
    if (state != FaceState::Pressed) {
        const QRectF gloss = body.adjusted(radius * 0.4, 1, -radius * 0.4, -body.height() * 0.5);
        QLinearGradient g(gloss.topLeft(), gloss.bottomLeft());
        g.setColorAt(0, QColor(255, 255, 255, 64));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(Rounded(gloss, radius * 0.8), g);
    }
    p.setPen(QPen(rim, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Rounded(body, radius - 1));
    return image;
}

void DrawEmblem(QPainter& p, const QRectF& box, bool digits) {
    // Five cards in a cross: four targets around the stimulus.
    const double side = qMin(box.width(), box.height()) / 3.0;
    const double gap = side * 0.12;
    const double card = side - gap;
    const QPointF c = box.center();
    const QPointF offsets[5] = {{0, -side}, {-side, 0}, {side, 0}, {0, side}, {0, 0}};
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i) {
        const QRectF r(c + offsets[i] - QPointF(card / 2, card / 2), QSizeF(card, card));
        const QPainterPath shape = Rounded(r, card * 0.22);
        if (i == 4) {
            FillVertical(p, shape, QColor(250, 250, 246), QColor(214, 218, 222));
        } else if (digits) {
            FillVertical(p, shape, QColor(236, 240, 244), QColor(200, 208, 218));
            p.fillPath(CentredText(QString::number(i + 1), BoldFont(card * 0.72), r.center()), colour::Ink);
        } else {
            FillVertical(p, shape, colour::Identity[i].lighter(118), colour::Identity[i].darker(112));
        }
    }
    p.restore();
}

} // namespace art
