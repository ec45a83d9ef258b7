// The run picture list: colour patches, digits, colour words, dot and digit groups and the
// background of the cross of cells.
#include "tools/artwork/artwork.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace art {
namespace {

// Cell size and the nine cell positions of a class, in the order top, left, right, bottom,
// centre, then the moved-stimulus cells towards top, left, right, bottom.
struct CrossGeometry {
    QSize cell;
    std::array<QPoint, 9> cells;
};

CrossGeometry GeometryFor(int resolutionClass) {
    switch (resolutionClass) {
    case 640:
        return {{78, 58},
                {{{170, 4},
                  {4, 128},
                  {336, 128},
                  {170, 253},
                  {170, 128},
                  {170, 68},
                  {89, 128},
                  {251, 128},
                  {170, 188}}}};
    case 800:
        return {{96, 72},
                {{{208, 5},
                  {4, 157},
                  {412, 157},
                  {208, 309},
                  {208, 157},
                  {208, 82},
                  {108, 157},
                  {308, 157},
                  {208, 231}}}};
    default:
        return {{120, 90},
                {{{262, 4},
                  {4, 195},
                  {520, 195},
                  {262, 384},
                  {262, 195},
                  {262, 102},
                  {135, 195},
                  {389, 195},
                  {262, 288}}}};
    }
}

// Colour of the cross track behind every cell; cell corners carry it so cells look rounded.
const QColor kTrack(30, 36, 47);
const QColor kCardTop(248, 248, 245);
const QColor kCardBottom(222, 225, 229);
const QColor kCardBorder(176, 182, 192);

// A dot or digit position as a fraction of the cell.
struct Spot {
    double x, y;
};
using Layout = std::array<Spot, 4>;

// Three drawings per count: dice pattern, row, scattered shape. Entry [v][n-1].
const std::array<std::array<Layout, 4>, 3> kSpots = {{
    {{{{{0.5, 0.5}}},
      {{{0.33, 0.3}, {0.67, 0.7}}},
      {{{0.27, 0.25}, {0.5, 0.5}, {0.73, 0.75}}},
      {{{0.33, 0.28}, {0.67, 0.28}, {0.33, 0.72}, {0.67, 0.72}}}}},
    {{{{{0.3, 0.34}}},
      {{{0.32, 0.5}, {0.68, 0.5}}},
      {{{0.22, 0.5}, {0.5, 0.5}, {0.78, 0.5}}},
      {{{0.17, 0.36}, {0.39, 0.64}, {0.61, 0.36}, {0.83, 0.64}}}}},
    {{{{{0.7, 0.66}}},
      {{{0.5, 0.25}, {0.5, 0.75}}},
      {{{0.5, 0.26}, {0.29, 0.72}, {0.71, 0.72}}},
      {{{0.5, 0.22}, {0.27, 0.5}, {0.73, 0.5}, {0.5, 0.78}}}}},
}};

// A lone digit is drawn large; its three drawings differ in place and size.
const std::array<Spot, 3> kLoneDigit = {{{0.5, 0.5}, {0.37, 0.42}, {0.63, 0.58}}};

class CellPainter {
public:
    explicit CellPainter(QSize cell) : m_cell(cell), m_scale(cell.height() / 90.0) {}

    double radius() const { return m_cell.height() * 0.1; }

    QImage card() const {
        QImage image = Canvas(m_cell, kTrack);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(QPointF(0, 0), QSizeF(m_cell)).adjusted(0.5, 0.5, -0.5, -0.5);
        FillVertical(p, Rounded(r, radius()), kCardTop, kCardBottom);
        p.setPen(QPen(kCardBorder, 1));
        p.drawPath(Rounded(r, radius()));
        return image;
    }

    QImage patch(int identity) const {
        QImage image = Canvas(m_cell, kTrack);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor base = colour::Identity[identity];
        const QRectF r = QRectF(QPointF(0, 0), QSizeF(m_cell)).adjusted(0.5, 0.5, -0.5, -0.5);
        FillVertical(p, Rounded(r, radius()), base.lighter(112), base.darker(112));
        // Soft sheen on the upper half.
        const QRectF sheen = r.adjusted(3 * m_scale, 3 * m_scale, -3 * m_scale, -r.height() * 0.52);
        QLinearGradient g(sheen.topLeft(), sheen.bottomLeft());
        g.setColorAt(0, QColor(255, 255, 255, 70));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(Rounded(sheen, radius() * 0.8), g);
        p.setPen(QPen(colour::IdentityEdge[identity], 1));
        p.drawPath(Rounded(r, radius()));
        return image;
    }

    // A word or digit glyph with a thin outline so light inks stay legible on the card. With a
    // line box (glyph top and bottom relative to the baseline) words share one baseline
    // whatever their descenders; without one the glyph's own bounds are centred.
    void text(QImage& image, const QString& text, const QFont& font, QPointF centre, const QColor& ink,
              const QColor& edge, const QRectF& lineBox = QRectF()) const {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath path = CentredText(text, font, centre);
        if (!lineBox.isNull()) {
            path = QPainterPath();
            path.addText(0, 0, font, text);
            const QRectF bounds = path.boundingRect();
            path.translate(centre.x() - bounds.center().x(), centre.y() - lineBox.center().y());
        }
        p.strokePath(path, QPen(edge, 3 * m_scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(path, ink);
    }

    void dots(QImage& image, const Layout& spots, int count) const {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double r = radius();
        for (int i = 0; i < count; ++i) {
            const QPointF c(spots[i].x * m_cell.width(), spots[i].y * m_cell.height());
            QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
            g.setColorAt(0, QColor(84, 98, 124));
            g.setColorAt(1, colour::Ink);
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }

    QPointF at(Spot s) const { return {s.x * m_cell.width(), s.y * m_cell.height()}; }
    double height() const { return m_cell.height(); }

private:
    QSize m_cell;
    double m_scale;
};

// Pixel size of Arial bold whose digits are `glyphHeight` tall.
QFont DigitFont(double glyphHeight) {
    QFont probe = BoldFont(100);
    QPainterPath path;
    path.addText(0, 0, probe, QStringLiteral("4"));
    return BoldFont(100 * glyphHeight / path.boundingRect().height());
}

QImage CrossBackground(const CrossGeometry& g) {
    int right = 0, bottom = 0, left = 1 << 20, top = 1 << 20;
    for (const QPoint& c : g.cells) {
        right = qMax(right, c.x() + g.cell.width());
        bottom = qMax(bottom, c.y() + g.cell.height());
        left = qMin(left, c.x());
        top = qMin(top, c.y());
    }
    // The same margin on all sides as at the top left.
    const QSize size(right + left, bottom + top);
    const double s = g.cell.height() / 90.0;
    QImage image = Canvas(size, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF all = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QRadialGradient glow(all.center(), all.width() * 0.62);
    glow.setColorAt(0, QColor(26, 31, 40));
    glow.setColorAt(1, QColor(10, 12, 16));
    p.fillPath(Rounded(all, 14 * s), glow);
    p.setPen(QPen(QColor(36, 58, 84), 1));
    p.drawPath(Rounded(all, 14 * s));

    // The cross track: one column and one row through the centre cell.
    const double pad = 3;
    const double cellRadius = g.cell.height() * 0.1;
    const QPoint top0 = g.cells[0], bottom0 = g.cells[3], left0 = g.cells[1], right0 = g.cells[2];
    const QRectF column(top0.x() - pad, top0.y() - pad, g.cell.width() + 2 * pad,
                        bottom0.y() + g.cell.height() - top0.y() + 2 * pad);
    const QRectF row(left0.x() - pad, left0.y() - pad, right0.x() + g.cell.width() - left0.x() + 2 * pad,
                     g.cell.height() + 2 * pad);
    const QPainterPath track = Rounded(column, cellRadius + pad).united(Rounded(row, cellRadius + pad));
    p.fillPath(track, kTrack);
    p.setPen(QPen(QColor(48, 62, 82), 1));
    p.drawPath(track);

    // Empty slots of the five main cells.
    for (int i = 0; i < 5; ++i) {
        const QRectF slot = QRectF(g.cells[i], g.cell).adjusted(0.5, 0.5, -0.5, -0.5);
        p.fillPath(Rounded(slot, cellRadius), QColor(34, 41, 54));
        p.setPen(QPen(QColor(56, 72, 96), 1));
        p.drawPath(Rounded(slot, cellRadius));
    }
    // Faint chevrons where a moved stimulus lands, pointing away from the centre.
    const QPointF directions[4] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
    p.setPen(QPen(QColor(54, 68, 90), 3 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < 4; ++i) {
        const QPointF c = QRectF(g.cells[5 + i], g.cell).center();
        const QPointF d = directions[i];
        const QPointF n(-d.y(), d.x());
        const double a = g.cell.height() * 0.13;
        for (double shift : {-0.6, 0.6}) {
            const QPointF tip = c + d * (a + shift * a);
            QPolygonF chevron;
            chevron << tip - d * a + n * a << tip << tip - d * a - n * a;
            p.drawPolyline(chevron);
        }
    }
    return image;
}

} // namespace

QList<QImage> RunPictures(int resolutionClass, Language language) {
    const CrossGeometry geometry = GeometryFor(resolutionClass);
    const CellPainter cell(geometry.cell);
    const QStringList words = language == German
                                  ? QStringList{QStringLiteral("Blau"), QStringLiteral("Gelb"),
                                                QStringLiteral("Grün"), QStringLiteral("Rot")}
                                  : QStringList{QStringLiteral("blue"), QStringLiteral("yellow"),
                                                QStringLiteral("green"), QStringLiteral("red")};
    const QPointF centre(geometry.cell.width() / 2.0, geometry.cell.height() / 2.0);
    const QFont wordFont = BoldFont(FitPixelSize(words, QStringLiteral("Arial"), geometry.cell.width() * 0.8,
                                                 geometry.cell.height() * 0.46));
    const QColor neutralEdge = colour::Ink.lighter(140);
    // From the tallest glyph down to the baseline plus a part of the deepest descender, so that
    // words with and without descenders both look centred.
    double ascent = 0, descent = 0;
    for (const QString& word : words) {
        QPainterPath path;
        path.addText(0, 0, wordFont, word);
        ascent = qMax(ascent, -path.boundingRect().top());
        descent = qMax(descent, path.boundingRect().bottom());
    }
    const QRectF lineBox(0, -ascent, 1, ascent + 0.35 * descent);

    QList<QImage> pictures;
    for (int c = 0; c < 4; ++c)
        pictures << cell.patch(c);
    for (int d = 1; d <= 4; ++d) {
        QImage image = cell.card();
        cell.text(image, QString::number(d), DigitFont(cell.height() * 0.66), centre, colour::Ink,
                  colour::Ink);
        pictures << image;
    }
    for (int w = 0; w < 4; ++w) {
        QImage image = cell.card();
        cell.text(image, words[w], wordFont, centre, colour::Ink, neutralEdge, lineBox);
        pictures << image;
    }
    for (int w = 0; w < 4; ++w) {
        for (int c = 0; c < 4; ++c) {
            QImage image = cell.card();
            cell.text(image, words[w], wordFont, centre, colour::Identity[c], colour::IdentityEdge[c],
                      lineBox);
            pictures << image;
        }
    }
    for (int n = 1; n <= 4; ++n) {
        for (int v = 0; v < 3; ++v) {
            QImage image = cell.card();
            cell.dots(image, kSpots[v][n - 1], n);
            pictures << image;
        }
    }
    const double groupHeight[4] = {0.5, 0.38, 0.34, 0.29};
    for (int d = 1; d <= 4; ++d) {
        for (int n = 1; n <= 4; ++n) {
            for (int v = 0; v < 3; ++v) {
                QImage image = cell.card();
                const QString digit = QString::number(d);
                if (n == 1) {
                    const double h = v == 0 ? 0.62 : groupHeight[0];
                    cell.text(image, digit, DigitFont(cell.height() * h), cell.at(kLoneDigit[v]), colour::Ink,
                              colour::Ink);
                } else {
                    const QFont font = DigitFont(cell.height() * groupHeight[n - 1]);
                    for (int i = 0; i < n; ++i)
                        cell.text(image, digit, font, cell.at(kSpots[v][n - 1][i]), colour::Ink, colour::Ink);
                }
                pictures << image;
            }
        }
    }
    pictures << CrossBackground(geometry);
    return pictures;
}

} // namespace art
