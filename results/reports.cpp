#include "results/reports.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr qreal MarginMm = 15.0;
constexpr qreal PortraitHeightMm = 297.0 - 2 * MarginMm;

// One fixed label: position and size in millimetres, alignment and font.
struct Label {
    qreal x, y, w, h;
    Qt::Alignment align;
    qreal points;
    bool bold;
};

// Paints labels on a device in millimetres.
class MmPainter {
public:
    MmPainter(QPainter& painter, const QPaintDevice& device)
        : m_painter(painter), m_device(device), m_xScale(device.logicalDpiX() / 25.4),
          m_yScale(device.logicalDpiY() / 25.4) {}

    QFont font(qreal points, bool bold) const {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    // Top-aligned like the report labels; a text wider than its label is shown whole.
    void draw(const Label& label, const QString& text, qreal yOffset = 0) {
        m_painter.setFont(font(label.points, label.bold));
        const QRectF rect(label.x * m_xScale, (label.y + yOffset) * m_yScale, label.w * m_xScale,
                          label.h * m_yScale);
        m_painter.drawText(rect, int(label.align | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine),
                           text);
    }

    // Width in millimetres of a text in a label's font, for labels sized to their text.
    qreal textWidthMm(const Label& label, const QString& text) const {
        return QFontMetricsF(font(label.points, label.bold), &m_device).horizontalAdvance(text) / m_xScale;
    }

private:
    QPainter& m_painter;
    const QPaintDevice& m_device;
    qreal m_xScale, m_yScale;
};

void SetA4(QPagedPaintDevice& device, QPageLayout::Orientation orientation) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                     QPageLayout::Millimeter));
}

bool Begin(QPainter& painter, QPagedPaintDevice& device) {
    if (!painter.begin(&device))
        return false;
    painter.setPen(Qt::black);
    return true;
}

// Single-run page.
constexpr Label HeadLabel{32.1, 1.3, 115.8, 6.3, Qt::AlignHCenter, 14, true};
constexpr Label TypLabel{0, 14.6, 52.9, 5.3, Qt::AlignLeft, 12, true};
constexpr Label EinzelZeitLabel{127.0, 15.5, 52.9, 5.3, Qt::AlignRight, 12, true};
constexpr std::array<qreal, StatColumnCount> ColumnX = {49.3, 76.1, 103.2, 130.0, 156.8};
constexpr qreal HeaderY = 38.4;
constexpr std::array<qreal, StatRowCount> RowY = {48.3, 57.5, 67.1, 76.4, 86.0, 95.2, 104.8, 114.1};

// List page.
constexpr qreal PageHeaderMm = 19.8;
constexpr qreal DetailBandMm = 6.9;
constexpr Label NameLabel{0, 0.7, 52.9, 5.3, Qt::AlignLeft, 12, true};
constexpr Label GesamtZeitLabel{127.0, 0.7, 52.9, 5.3, Qt::AlignRight, 12, true};
constexpr std::array<Label, PrintFieldCount> TitleLabels = {{
    {1.0, 14.2, 0, 4.3, Qt::AlignLeft, 10, false},
    {23.5, 14.2, 0, 4.3, Qt::AlignLeft, 10, false},
    {75.1, 14.2, 16.2, 4.3, Qt::AlignRight, 10, false},
    {92.6, 14.2, 16.2, 4.3, Qt::AlignRight, 10, false},
    {110.5, 14.2, 16.2, 4.3, Qt::AlignRight, 10, false},
    {128.0, 14.2, 16.2, 4.3, Qt::AlignRight, 10, false},
    {146.2, 14.2, 16.2, 4.3, Qt::AlignRight, 10, false},
    {163.7, 14.2, 15.9, 5.0, Qt::AlignRight, 10, false},
}};
constexpr std::array<Label, PrintFieldCount> FieldLabels = {{
    {0.7, 2.0, 20.8, 4.3, Qt::AlignLeft, 10, false},
    {23.2, 2.0, 51.3, 4.3, Qt::AlignLeft, 10, false},
    {75.1, 2.0, 16.2, 4.3, Qt::AlignRight, 10, false},
    {92.6, 2.0, 16.2, 4.3, Qt::AlignRight, 10, false},
    {110.5, 2.0, 16.2, 4.3, Qt::AlignRight, 10, false},
    {128.0, 2.0, 16.2, 4.3, Qt::AlignRight, 10, false},
    {145.9, 2.0, 16.2, 4.3, Qt::AlignRight, 10, false},
    {163.4, 2.0, 16.2, 4.3, Qt::AlignRight, 10, false},
}};

void PaintGesamtHeader(MmPainter& mm, const GesamtStatistikPage& page) {
    mm.draw(NameLabel, page.Name);
    mm.draw(GesamtZeitLabel, page.Zeit);
    for (int i = 0; i < PrintFieldCount; ++i) {
        Label title = TitleLabels[i];
        if (title.w == 0) // sized to its text
            title.w = mm.textWidthMm(title, page.titles[i]);
        mm.draw(title, page.titles[i]);
    }
}

} // namespace

int GesamtRecordsPerPage() {
    return int((PortraitHeightMm - PageHeaderMm) / DetailBandMm);
}

bool PaintEinzelStatistikReport(QPagedPaintDevice& device, const EinzelStatistikPage& page) {
    SetA4(device, QPageLayout::Portrait);
    QPainter painter;
    if (!Begin(painter, device))
        return false;
    MmPainter mm(painter, device);
    mm.draw(HeadLabel, page.Head);
    mm.draw(TypLabel, page.Typ);
    mm.draw(EinzelZeitLabel, page.Zeit);
    for (int column = 0; column < StatColumnCount; ++column)
        mm.draw({ColumnX[column], HeaderY, 19.8, 5.3, Qt::AlignLeft, 12, true}, page.color[column]);
    for (int row = 0; row < StatRowCount; ++row) {
        // LNr5 stands a little further left than the other row labels.
        const qreal labelX = row == StatRowCount - 1 ? 6.6 : 6.9;
        mm.draw({labelX, RowY[row], 32.7, 5.3, Qt::AlignRight, 12, true}, page.rowLabels[row]);
        for (int column = 0; column < StatColumnCount; ++column)
            mm.draw({ColumnX[column], RowY[row], 19.8, 5.0, Qt::AlignLeft, 11, false},
                    page.values[row][column]);
    }
    return painter.end();
}

bool PaintGesamtStatistikReport(QPagedPaintDevice& device, const GesamtStatistikPage& page) {
    SetA4(device, QPageLayout::Portrait);
    QPainter painter;
    if (!Begin(painter, device))
        return false;
    MmPainter mm(painter, device);
    const int perPage = GesamtRecordsPerPage();
    PaintGesamtHeader(mm, page);
    for (int record = 0; record < page.records.size(); ++record) {
        const int band = record % perPage;
        if (record > 0 && band == 0) {
            if (!device.newPage())
                return false;
            PaintGesamtHeader(mm, page);
        }
        const qreal top = PageHeaderMm + band * DetailBandMm;
        for (int field = 0; field < PrintFieldCount; ++field)
            mm.draw(FieldLabels[field], page.records[record][field], top);
    }
    return painter.end();
}

bool PaintChartReport(QPagedPaintDevice& device, QChartView& view, const QString& footer) {
    const QPageLayout previous = device.pageLayout();
    SetA4(device, QPageLayout::Landscape);
    QPainter painter;
    bool ok = !view.size().isEmpty() && Begin(painter, device);
    if (ok) {
        // Laid out in the view's pixels and scaled to the page as a whole, so the footer keeps
        // its size against the chart.
        QRect source = view.viewport()->rect();
        if (source.isEmpty())
            source = QRect(QPoint(0, 0), view.size());
        const qreal footerHeight = 30;
        const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
        const qreal scale =
            std::min(page.width() / source.width(), page.height() / (source.height() + footerHeight));
        painter.translate((page.width() - scale * source.width()) / 2, 0);
        painter.scale(scale, scale);
        view.render(&painter, QRectF(0, 0, source.width(), source.height()), source, Qt::IgnoreAspectRatio);
        // The footer belongs to the chart: on the chart's background.
        const QRectF footerBand(0, source.height(), source.width(), footerHeight);
        if (view.chart())
            painter.fillRect(footerBand, view.chart()->backgroundBrush());
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(15);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(footerBand, Qt::AlignCenter, footer);
        ok = painter.end();
    }
    device.setPageLayout(previous);
    return ok;
}
