// The frame picture list: main-screen frame, panel background, logo and button faces
// (0..23), then the run-screen frame and its counter plate (24..32).
#include "tools/artwork/artwork.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

struct SchemeMetrics {
    double s;              // scale against class 1024
    QSize textButton;      // faces 0..5
    int side, top, bottom; // main frame thickness
    int corner;            // main corner pieces are square
    int tile;              // length of a tiled edge piece
    QSize logo;
    QSize family; // faces 16..23
    int runSide, runTop, runBottom;
    QSize plate;
    int plateOffset; // S: plate top below the top of the bottom edge
    int boxTop;      // counter top below the plate top
    int boxHeight;
    // Counter boxes in pixels from the screen's centre line.
    int timeFrom, timeTo, countFrom, countTo;
};

SchemeMetrics MetricsFor(int resolutionClass) {
    switch (resolutionClass) {
    case 640:
        return {.s = 0.625,
                .textButton = {124, 26},
                .side = 12,
                .top = 18,
                .bottom = 12,
                .corner = 35,
                .tile = 40,
                .logo = {188, 40},
                .family = {188, 138},
                .runSide = 18,
                .runTop = 18,
                .runBottom = 30,
                .plate = {76, 19},
                .plateOffset = 6,
                .boxTop = 3,
                .boxHeight = 13,
                .timeFrom = -34,
                .timeTo = -2,
                .countFrom = 2,
                .countTo = 32};
    case 800:
        return {.s = 0.78125,
                .textButton = {154, 32},
                .side = 16,
                .top = 22,
                .bottom = 16,
                .corner = 44,
                .tile = 50,
                .logo = {234, 50},
                .family = {234, 172},
                .runSide = 22,
                .runTop = 22,
                .runBottom = 38,
                .plate = {96, 24},
                .plateOffset = 7,
                .boxTop = 4,
                .boxHeight = 16,
                .timeFrom = -42,
                .timeTo = -4,
                .countFrom = 4,
                .countTo = 42};
    default:
        return {.s = 1.0,
                .textButton = {196, 40},
                .side = 20,
                .top = 28,
                .bottom = 20,
                .corner = 56,
                .tile = 64,
                .logo = {300, 64},
                .family = {300, 220},
                .runSide = 28,
                .runTop = 28,
                .runBottom = 48,
                .plate = {124, 30},
                .plateOffset = 10,
                .boxTop = 5,
                .boxHeight = 20,
                .timeFrom = -54,
                .timeTo = -4,
                .countFrom = 4,
                .countTo = 49};
    }
}

// Where the main-screen controls land at the class's own display size, so that faces can
// carry the panel background around their rounded corners.
struct MainNominal {
    QSize panel;
    QRect tor1, tor2, benutzer, row, exit, logo;
};

MainNominal NominalLayout(const SchemeMetrics& m, int resolutionClass) {
    MainNominal n;
    const int displayHeight = resolutionClass * 3 / 4;
    n.panel = QSize(resolutionClass - 2 * m.side, displayHeight - m.top - m.bottom);
    const int w = n.panel.width(), h = n.panel.height();
    const QSize b = m.textButton, f = m.family;
    n.logo = QRect(QPoint((w - m.logo.width()) / 2 + 1, h - m.logo.height()), m.logo);
    int r = w - 2 * f.width();
    int g = (r / 3) / 2;
    n.tor1 = QRect(QPoint((r - g) / 2, (h - f.height()) / 2), f);
    n.tor2 = n.tor1.translated(f.width() + g, 0);
    r = w - 4 * b.width();
    g = (r / 3) / 2;
    n.benutzer = QRect(QPoint((w - b.width()) / 2, n.tor1.top() / 2 - b.height()), b);
    n.row = QRect(QPoint((r - 3 * g) / 2, (3 * b.height()) / 2 + n.benutzer.top()), b);
    const int exitTop =
        (n.logo.top() - (f.height() + n.tor1.top() + b.height())) / 2 + f.height() + n.tor1.top();
    n.exit = QRect(QPoint(n.benutzer.left(), exitTop), b);
    return n;
}

// Panel background: flat, with a soft glow behind the pair of family buttons that has died
// away before the text buttons above and below them.
QImage PanelBackground(const MainNominal& n, double s) {
    QImage image = Canvas(n.panel, colour::Panel);
    const QPointF centre = QRectF(n.tor1.united(n.tor2)).center();
    const double rx = n.tor1.united(n.tor2).width() / 2.0 + 90 * s;
    const double ry = n.tor1.height() / 2.0 + 46 * s;
    const QColor glow(50, 58, 68);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x + 0.5 - centre.x()) / rx, dy = (y + 0.5 - centre.y()) / ry;
            const double t = qMax(0.0, 1 - dx * dx - dy * dy);
            if (t > 0)
                image.setPixelColor(x, y, Mix(colour::Panel, glow, t * t * (3 - 2 * t)));
        }
    }
    return image;
}

// Colour of a frame band at depth u (0 at the outer edge) of a band t pixels thick.
QColor BandColour(int u, int t) {
    const int inner = t - 1 - u;
    if (u == 0)
        return QColor(10, 26, 44);
    if (inner == 0)
        return QColor(8, 12, 18);
    if (inner == 1)
        return colour::Teal;
    if (inner == 2)
        return QColor(16, 42, 68);
    if (u == 1)
        return QColor(118, 170, 216);
    const double f = double(u - 2) / qMax(1, t - 5);
    // Lit near the outer edge, falling off into steel blue towards the inner groove.
    const double curve = std::pow(f, 0.7);
    return Mix(QColor(72, 134, 190), QColor(30, 78, 124), curve);
}

enum class Side { Top, Bottom, Left, Right };

QImage Edge(Side side, int thickness, int length) {
    const bool horizontal = side == Side::Top || side == Side::Bottom;
    QImage image = horizontal ? Canvas(length, thickness, Qt::black) : Canvas(thickness, length, Qt::black);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int u = 0;
            switch (side) {
            case Side::Top:
                u = y;
                break;
            case Side::Bottom:
                u = thickness - 1 - y;
                break;
            case Side::Left:
                u = x;
                break;
            case Side::Right:
                u = thickness - 1 - x;
                break;
            }
            image.setPixelColor(x, y, BandColour(u, thickness));
        }
    }
    return image;
}

// A corner where a horizontal band (thickness th) meets a vertical one (tv), mitred, with a
// rounded outer corner and a short teal bracket along both bands.
QImage Corner(bool top, bool left, int tv, int th, QSize size, const QColor& inside, double s) {
    QImage image = Canvas(size, inside);
    const int w = size.width(), h = size.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int dx = left ? x : w - 1 - x; // distance from the outer vertical side
            const int dy = top ? y : h - 1 - y;  // distance from the outer horizontal side
            const bool inV = dx < tv, inH = dy < th;
            if (!inV && !inH)
                continue;
            // Mitre: the band whose outer side is proportionally nearer wins.
            const bool useH = inH && (!inV || dy * tv < dx * th);
            image.setPixelColor(x, y, useH ? BandColour(dy, th) : BandColour(dx, tv));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Outer corner rounded against the black screen.
    const double r = 10 * s;
    QPainterPath piece;
    piece.addRect(0, 0, w, h);
    const QPainterPath rounded = Rounded(QRectF(left ? 0 : -w, top ? 0 : -h, 2 * w, 2 * h), r);
    p.fillPath(piece.subtracted(rounded), Qt::black);

    // Teal bracket in the middle of each band, running away from the corner.
    const double bracket = qMin(w, h) - qMax(tv, th) * 0.5;
    const double lineWidth = qMax(2.0, 3 * s);
    p.setPen(QPen(colour::Teal, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double cx = tv * 0.42, cy = th * 0.42;
    QPolygonF l;
    const auto place = [&](double dx, double dy) { return QPointF(left ? dx : w - dx, top ? dy : h - dy); };
    l << place(cx, bracket) << place(cx, cy) << place(bracket, cy);
    p.drawPolyline(l);
    QRadialGradient g(place(cx, cy), lineWidth * 1.6);
    g.setColorAt(0, colour::Mint);
    g.setColorAt(1, colour::Teal);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(place(cx, cy), lineWidth * 1.3, lineWidth * 1.3);
    return image;
}

QImage TextFace(QSize size, FaceState state, bool teal, const QImage& backdrop) {
    const FaceColours steel{QColor(48, 104, 160), QColor(24, 60, 100), colour::SteelLight, colour::Teal,
                            colour::Panel};
    const FaceColours green{QColor(30, 104, 92), QColor(14, 60, 56), QColor(60, 150, 130), colour::Mint,
                            colour::Panel};
    return RoundedFace(size, state, teal ? green : steel, size.height() * 0.3, backdrop);
}

// Family button faces: the cross of cards shows what the family trains.
enum class FamilyLook { Normal, Pressed, Lit, Dimmed };

QImage FamilyFace(const QImage& backdrop, int family, FamilyLook look, Language language, double s) {
    QImage image = backdrop;
    const QSize size = image.size();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = 18 * s;
    const bool pressed = look == FamilyLook::Pressed;
    p.fillPath(Rounded(outer, radius), QColor(8, 12, 16));
    const QRectF body = outer.adjusted(1.5, 1.5, -1.5, -1.5);
    QColor top(50, 66, 88), bottom(24, 32, 44);
    if (pressed) {
        top = QColor(20, 28, 38);
        bottom = QColor(34, 46, 62);
    } else if (look == FamilyLook::Lit) {
        top = top.lighter(125);
        bottom = bottom.lighter(125);
    }
    FillVertical(p, Rounded(body, radius - 1), top, bottom);
    // A soft glow behind the cross.
    QRadialGradient glow(body.center(), body.height() * 0.55);
    glow.setColorAt(0, family == 1 ? QColor(82, 190, 160, pressed ? 26 : 48)
                                   : QColor(96, 152, 204, pressed ? 26 : 48));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillPath(Rounded(body, radius - 1), glow);
    if (!pressed) {
        const QRectF gloss = body.adjusted(4 * s, 2, -4 * s, -body.height() * 0.62);
        QLinearGradient g(gloss.topLeft(), gloss.bottomLeft());
        g.setColorAt(0, QColor(255, 255, 255, 40));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(Rounded(gloss, radius * 0.8), g);
    }
    const QColor rim =
        look == FamilyLook::Lit ? colour::Mint : (family == 1 ? colour::Teal : colour::SteelLight);
    p.setPen(QPen(pressed ? rim.darker(150) : rim, 1.5 * qMax(1.0, s * 1.3)));
    p.drawPath(Rounded(body, radius - 1));

    // The cross: four target cards around the stimulus card.
    const QSizeF card(72 * s, 54 * s);
    const double gap = 7 * s;
    const QPointF centre = body.center() + (pressed ? QPointF(2 * s, 2 * s) : QPointF(0, 0));
    const QPointF offsets[4] = {{0, -(card.height() + gap)},
                                {-(card.width() + gap), 0},
                                {card.width() + gap, 0},
                                {0, card.height() + gap}};
    const double cr = card.height() * 0.16;
    auto cardRect = [&](QPointF c) { return QRectF(c - QPointF(card.width() / 2, card.height() / 2), card); };
    for (int i = 0; i < 4; ++i) {
        const QRectF r = cardRect(centre + offsets[i]);
        p.fillPath(Rounded(r.translated(0, 2 * s), cr), QColor(0, 0, 0, 90));
        if (family == 1) {
            FillVertical(p, Rounded(r, cr), colour::Identity[i].lighter(115),
                         colour::Identity[i].darker(112));
        } else {
            FillVertical(p, Rounded(r, cr), QColor(244, 245, 242), QColor(212, 216, 222));
            p.fillPath(CentredText(QString::number(i + 1), BoldFont(card.height() * 0.78), r.center()),
                       colour::Ink);
        }
    }
    const QRectF middle = cardRect(centre);
    p.fillPath(Rounded(middle.translated(0, 2 * s), cr), QColor(0, 0, 0, 110));
    FillVertical(p, Rounded(middle, cr), QColor(252, 252, 249), QColor(222, 226, 230));
    p.setPen(QPen(colour::Mint, 1.5 * qMax(1.0, s * 1.3)));
    p.drawPath(Rounded(middle.adjusted(-2 * s, -2 * s, 2 * s, 2 * s), cr + 2 * s));
    if (family == 1) {
        // A colour word in another ink: the conflict this family trains.
        const QString word = language == German ? QStringLiteral("Rot") : QStringLiteral("red");
        const QPainterPath text = CentredText(word, BoldFont(card.height() * 0.62), middle.center());
        p.strokePath(text, QPen(colour::IdentityEdge[0], 2 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(text, colour::Identity[0]);
    } else {
        // Three twos: how many against which digit.
        const QFont font = BoldFont(card.height() * 0.5);
        const QPointF spots[3] = {{-0.27, 0}, {0, 0}, {0.27, 0}};
        for (const QPointF& d : spots)
            p.fillPath(CentredText(QStringLiteral("2"), font,
                                   middle.center() + QPointF(d.x() * card.width(), d.y() * card.height())),
                       colour::Ink);
    }
    if (look == FamilyLook::Dimmed) {
        p.setPen(Qt::NoPen);
        p.fillPath(Rounded(body, radius - 1), QColor(39, 39, 39, 150));
    }
    return image;
}

QImage Logo(const QImage& backdrop, double s) {
    QImage image = backdrop;
    const QSize size = image.size();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = size.height();
    const QFont font = BoldFont(h * 0.62);
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 2 * s);
    QPainterPath word;
    word.addText(0, 0, spaced, QStringLiteral("Velmora"));
    const QRectF wb = word.boundingRect();
    const double emblem = h * 0.74;
    const double gap = h * 0.22;
    const double total = emblem + gap + wb.width();
    const double left = (size.width() - total) / 2;
    DrawEmblem(p, QRectF(left, (h - emblem) / 2, emblem, emblem), false);
    const QPainterPath placed =
        word.translated(left + emblem + gap - wb.left(), (h - wb.height()) / 2 - wb.top());
    const QRectF pb = placed.boundingRect();
    QLinearGradient g(pb.topLeft(), pb.bottomLeft());
    g.setColorAt(0, colour::Mint);
    g.setColorAt(1, colour::Teal);
    p.fillPath(placed.translated(0, 1.5 * s), QColor(0, 0, 0, 140));
    p.fillPath(placed, g);
    return image;
}

// The counter plate on the bottom edge: two black windows for time and count.
QImage CounterPlate(const SchemeMetrics& m) {
    QImage image = Canvas(m.plate, Qt::black);
    // Reproduce the band behind the plate so its rounded corners blend in.
    for (int y = 0; y < m.plate.height(); ++y) {
        const QColor c = BandColour(m.runBottom - 1 - (m.plateOffset + y), m.runBottom);
        for (int x = 0; x < m.plate.width(); ++x)
            image.setPixelColor(x, y, c);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(QPointF(0, 0), QSizeF(m.plate)).adjusted(0.5, 0.5, -0.5, -0.5);
    const double r = m.plate.height() * 0.3;
    p.fillPath(Rounded(all, r), QColor(6, 14, 22));
    FillVertical(p, Rounded(all.adjusted(1, 1, -1, -1), r - 1), QColor(28, 52, 76), QColor(14, 28, 42));
    p.setPen(QPen(colour::Teal, 1));
    p.drawPath(Rounded(all.adjusted(1, 1, -1, -1), r - 1));
    const double half = m.plate.width() / 2.0;
    const double margin = qMax(1.0, 2 * m.s);
    for (auto [from, to] : {std::pair{m.timeFrom, m.timeTo}, std::pair{m.countFrom, m.countTo}}) {
        const QRectF box(half + from - margin, m.boxTop - margin, to - from + 2 * margin,
                         m.boxHeight + 2 * margin);
        p.fillPath(Rounded(box, 3 * m.s), Qt::black);
        p.setPen(QPen(QColor(60, 90, 120), 1));
        p.drawPath(Rounded(box.adjusted(-0.5, -0.5, 0.5, 0.5), 3 * m.s));
    }
    return image;
}

} // namespace

QList<QImage> SchemePictures(int resolutionClass, Language language) {
    const SchemeMetrics m = MetricsFor(resolutionClass);
    const MainNominal n = NominalLayout(m, resolutionClass);
    const QImage panel = PanelBackground(n, m.s);
    QList<QImage> pictures(33);
    pictures[0] = TextFace(m.textButton, FaceState::Pressed, true, panel.copy(n.benutzer));
    pictures[1] = TextFace(m.textButton, FaceState::Over, true, panel.copy(n.benutzer));
    pictures[2] = TextFace(m.textButton, FaceState::Normal, true, panel.copy(n.benutzer));
    pictures[3] = TextFace(m.textButton, FaceState::Pressed, false, panel.copy(n.row));
    pictures[4] = TextFace(m.textButton, FaceState::Over, false, panel.copy(n.row));
    pictures[5] = TextFace(m.textButton, FaceState::Normal, false, panel.copy(n.row));

    const QSize corner(m.corner, m.corner);
    pictures[6] = Edge(Side::Left, m.side, m.tile);
    pictures[7] = Corner(false, false, m.side, m.bottom, corner, colour::Panel, m.s);
    pictures[8] = Edge(Side::Top, m.top, m.tile);
    pictures[9] = Corner(true, true, m.side, m.top, corner, colour::Panel, m.s);
    pictures[10] = Corner(true, false, m.side, m.top, corner, colour::Panel, m.s);
    pictures[11] = Logo(panel.copy(n.logo), m.s);
    pictures[12] = Edge(Side::Right, m.side, m.tile);
    pictures[13] = Edge(Side::Bottom, m.bottom, m.tile);
    pictures[14] = Corner(false, true, m.side, m.bottom, corner, colour::Panel, m.s);
    pictures[15] = panel;

    pictures[16] = FamilyFace(panel.copy(n.tor1), 1, FamilyLook::Pressed, language, m.s);
    pictures[17] = FamilyFace(panel.copy(n.tor1), 1, FamilyLook::Normal, language, m.s);
    // Spare faces, not used by the screens: lit and dimmed looks of both families.
    pictures[18] = FamilyFace(panel.copy(n.tor1), 1, FamilyLook::Lit, language, m.s);
    pictures[19] = FamilyFace(panel.copy(n.tor2), 2, FamilyLook::Lit, language, m.s);
    pictures[20] = FamilyFace(panel.copy(n.tor1), 1, FamilyLook::Dimmed, language, m.s);
    pictures[21] = FamilyFace(panel.copy(n.tor2), 2, FamilyLook::Dimmed, language, m.s);
    pictures[22] = FamilyFace(panel.copy(n.tor2), 2, FamilyLook::Pressed, language, m.s);
    pictures[23] = FamilyFace(panel.copy(n.tor2), 2, FamilyLook::Normal, language, m.s);

    // Run and instruction screens: corners reach a bracket's length along each edge.
    const int bracket = qRound(28 * m.s);
    pictures[24] =
        Corner(true, true, m.runSide, m.runTop, {m.runSide + bracket, m.runTop + bracket}, Qt::black, m.s);
    pictures[25] = Edge(Side::Right, m.runSide, m.tile);
    pictures[26] = Corner(false, true, m.runSide, m.runBottom, {m.runSide + bracket, m.runBottom + bracket},
                          Qt::black, m.s);
    pictures[27] =
        Corner(true, false, m.runSide, m.runTop, {m.runSide + bracket, m.runTop + bracket}, Qt::black, m.s);
    pictures[28] = Edge(Side::Left, m.runSide, m.tile);
    pictures[29] = Corner(false, false, m.runSide, m.runBottom, {m.runSide + bracket, m.runBottom + bracket},
                          Qt::black, m.s);
    pictures[30] = Edge(Side::Bottom, m.runBottom, m.tile);
    pictures[31] = Edge(Side::Top, m.runTop, m.tile);
    pictures[32] = CounterPlate(m);
    return pictures;
}

} // namespace art
