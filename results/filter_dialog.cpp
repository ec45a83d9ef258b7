#include "results/filter_dialog.h"

#include "app/language.h"
#include "results/gesamtstatistik.h"
#include "results/results_file.h"
#include "ui/picture_button.h"
#include "users/current_user.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

static TFilterDialog* g_instance = nullptr;

static const QColor Pale(215, 250, 240);
static const QColor LabelColour(64, 128, 128);
static const QColor MeanColour(140, 158, 242);
static const QColor DeviationColour(134, 242, 202);

namespace {

// The hourglass while the results file is read.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void SetColours(QWidget* w, const QColor& background, const QColor& text) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    w->setPalette(pal);
}

QLabel* PaleLabel(QWidget* parent, const QRect& geometry, const QFont& font, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setAutoFillBackground(true);
    label->setTextFormat(Qt::PlainText);
    SetColours(label, Pale, LabelColour);
    return label;
}

QBarSet* MakeSet(const QColor& colour, QObject* parent) {
    auto* set = new QBarSet(QString(), parent);
    set->setColor(colour);
    set->setBorderColor(colour.darker(135));
    return set;
}

} // namespace

DepthChartView::DepthChartView(QChart* chart, QStackedBarSeries* series, QBarCategoryAxis* axis,
                               QWidget* parent)
    : QChartView(chart, parent), m_series(series), m_axis(axis), m_labelColour(axis->labelsColor()) {}

int DepthChartView::stepFor(qreal categoryWidth) const {
    const QStringList labels = m_axis->categories();
    if (labels.isEmpty() || categoryWidth <= 0)
        return 1;
    const QFontMetricsF metrics(m_axis->labelsFont());
    qreal widest = 0;
    for (const QString& label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const qreal needed = widest + 6;
    if (needed <= categoryWidth)
        return 1;
    // Round steps (2, 5, 10, 20, 50 ...) read best.
    const qreal raw = needed / categoryWidth;
    for (int decade = 1;; decade *= 10)
        for (int factor : {1, 2, 5})
            if (factor * decade >= raw)
                return factor * decade;
}

int DepthChartView::labelStep() const {
    return m_labelStep;
}

void DepthChartView::updateLabels() {
    const int n = int(m_axis->count());
    QRectF plot = chart()->plotArea();
    // Before the first layout the plot area is not known yet: the view less the axis room.
    const qreal width = plot.width() > 0 ? plot.width() : qreal(this->width() - 80);
    m_labelStep = n > 0 ? stepFor(width / n) : 1;
    // The axis keeps its room for the labels but draws them invisibly; ours go in their place,
    // with the axis line and a tick for each label (its own ticks would be a solid comb).
    m_axis->setLabelsColor(m_labelStep > 1 ? QColor(Qt::transparent) : m_labelColour);
    m_axis->setLineVisible(m_labelStep == 1);
    viewport()->update();
}

qreal DepthChartView::depth() const {
    const int n = m_series->barSets().isEmpty() ? 0 : int(m_series->barSets().first()->count());
    if (n == 0)
        return 0;
    const qreal categoryWidth = chart()->plotArea().width() / n;
    const qreal barWidth = categoryWidth * m_series->barWidth();
    // Deep enough to read as a box, never into the next bar.
    const qreal d = std::min({barWidth * 0.45, (categoryWidth - barWidth) * 0.8, qreal(12)});
    return d < 1.5 ? 0 : d;
}

void DepthChartView::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    QChart* c = chart();
    if (m_labelStep > 1) {
        const QStringList labels = m_axis->categories();
        painter->save();
        painter->setFont(m_axis->labelsFont());
        const QFontMetricsF metrics(m_axis->labelsFont());
        const QRectF plot = c->plotArea();
        const qreal y = plot.bottom() + 3;
        painter->setPen(m_axis->linePenColor());
        painter->drawLine(plot.bottomLeft(), plot.bottomRight());
        for (int i = 0; i < labels.size(); i += m_labelStep) {
            const qreal x = c->mapToPosition(QPointF(i, 0), m_series).x();
            const qreal w = metrics.horizontalAdvance(labels[i]);
            painter->setPen(m_axis->linePenColor());
            painter->drawLine(QPointF(x, plot.bottom()), QPointF(x, y + 1));
            painter->setPen(m_labelColour);
            painter->drawText(QPointF(x - w / 2, y + metrics.ascent() + 2), labels[i]);
        }
        painter->restore();
    }
    const QList<QBarSet*> sets = m_series->barSets();
    const qreal d = depth();
    if (sets.size() != 2 || d <= 0 || !isVisible())
        return;
    painter->save();
    painter->setClipRect(c->plotArea());
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    const qreal half = m_series->barWidth() / 2;
    auto y = [&](int i, qreal value) { return c->mapToPosition(QPointF(i, value), m_series).y(); };
    for (int i = 0; i < sets[0]->count(); ++i) {
        const qreal mean = sets[0]->at(i);
        const qreal top = mean + sets[1]->at(i);
        const qreal left = c->mapToPosition(QPointF(i - half, 0), m_series).x();
        const qreal right = c->mapToPosition(QPointF(i + half, 0), m_series).x();
        const qreal yBase = y(i, 0), yMean = y(i, mean), yTop = y(i, top);
        auto side = [&](qreal from, qreal to, const QColor& colour) {
            if (from - to < 0.5)
                return;
            painter->setBrush(colour.darker(145));
            painter->drawPolygon(QPolygonF{QPointF(right, from), QPointF(right, to),
                                           QPointF(right + d, to - d), QPointF(right + d, from - d)});
        };
        side(yBase, yMean, sets[0]->color());
        side(yMean, yTop, sets[1]->color());
        // A run without correct answers still shows its flat top under its number.
        const QColor topColour = top > mean ? sets[1]->color() : sets[0]->color();
        painter->setBrush(topColour.lighter(112));
        painter->drawPolygon(QPolygonF{QPointF(left, yTop), QPointF(right, yTop),
                                       QPointF(right + d, yTop - d), QPointF(left + d, yTop - d)});
    }
    painter->restore();
}

TFilterDialog::TFilterDialog(QWidget* parent) : TOwnFenster(parent) {
    if (!g_instance)
        g_instance = this;
    setObjectName(QStringLiteral("TFilterDialog"));
    setPppSize(640, 460);

    // Lies behind the chart: seen only while the chart is hidden.
    FehlerLabel = PaleLabel(ppp, QRect(10, 8, 620, 405), ArialPixels(19, true), Qt::AlignCenter);
    FehlerLabel->setObjectName(QStringLiteral("FehlerLabel"));
    FehlerLabel->setWordWrap(true);
    NL1 = PaleLabel(ppp, QRect(30, 16, 203, 20), ArialPixels(15, true), Qt::AlignLeft | Qt::AlignBottom);
    NL2 = PaleLabel(ppp, QRect(260, 16, 205, 20), ArialPixels(15, true), Qt::AlignLeft | Qt::AlignBottom);

    TypCombo = new QComboBox(ppp);
    VersionCombo = new QComboBox(ppp);
    for (QComboBox* combo : {TypCombo, VersionCombo}) {
        combo->setEditable(false);
        combo->setFont(ArialPixels(13, true));
        combo->setMaxVisibleItems(5);
    }
    TypCombo->setGeometry(30, 37, 220, 26);
    VersionCombo->setGeometry(260, 37, 220, 26);
    connect(TypCombo, &QComboBox::currentIndexChanged, this, &TFilterDialog::TypComboChange);

    AnzeigenButton = AddButton(ppp, 487, 31, Faces::Green, QColor(196, 253, 228));
    AnzeigenButton->setFont(ArialPixels(15, true));
    connect(AnzeigenButton, &QAbstractButton::clicked, this, &TFilterDialog::AnzeigenButtonClick);

    m_chart = new QChart;
    m_chart->setBackgroundBrush(Pale);
    m_chart->setBackgroundPen(Qt::NoPen);
    m_chart->setBackgroundRoundness(0);
    m_chart->setPlotAreaBackgroundVisible(false); // the back wall shows the background through
    m_chart->setMargins(QMargins(2, 2, 6, 0));
    m_chart->setAnimationOptions(QChart::NoAnimation);
    Series = new QStackedBarSeries(m_chart);
    Series->setBarWidth(0.6);
    Series->setLabelsVisible(false);
    Series1 = MakeSet(MeanColour, Series);
    Series2 = MakeSet(DeviationColour, Series);
    Series->append(Series1);
    Series->append(Series2);
    m_chart->addSeries(Series);
    AxisX = new QBarCategoryAxis(m_chart);
    AxisY = new QValueAxis(m_chart);
    AxisY->setTitleText(QStringLiteral("ms"));
    AxisY->setLabelFormat(QStringLiteral("%d"));
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{AxisX, AxisY}) {
        axis->setLabelsFont(ArialPixels(11, false));
        axis->setLabelsColor(QColor(40, 80, 80));
        axis->setTitleFont(ArialPixels(12, true));
        axis->setTitleBrush(LabelColour);
        axis->setLinePenColor(QColor(88, 130, 173));
        axis->setGridLineColor(QColor(180, 215, 205));
    }
    AxisX->setGridLineVisible(false);
    m_chart->addAxis(AxisX, Qt::AlignBottom);
    m_chart->addAxis(AxisY, Qt::AlignLeft);
    Series->attachAxis(AxisX);
    Series->attachAxis(AxisY);
    QLegend* legend = m_chart->legend();
    legend->setAlignment(Qt::AlignTop);
    legend->setMarkerShape(QLegend::MarkerShapeRectangle);
    legend->setFont(ArialPixels(13, true)); // the marker takes the font's height: about 15 pixels
    legend->setLabelColor(LabelColour);

    Chart1 = new DepthChartView(m_chart, Series, AxisX, ppp);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(25, 68, 590, 337);
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setRubberBand(QChartView::NoRubberBand);
    Chart1->setFrameShape(QFrame::NoFrame);
    Chart1->setBackgroundBrush(Pale);

    const QColor buttonText(210, 220, 240);
    cancelbutton = AddButton(ppp, 176, 418, Faces::Blue, buttonText);
    druckbutton = AddButton(ppp, 325, 418, Faces::Blue, buttonText);
    connect(cancelbutton, &QAbstractButton::clicked, this, [this] { done(1); });
    connect(druckbutton, &QAbstractButton::clicked, this, &TFilterDialog::printRequested);

    SetTexts();
    CentreInDisplay();
}

TFilterDialog::~TFilterDialog() {
    if (g_instance == this)
        g_instance = nullptr;
}

void TFilterDialog::SetTexts() {
    const ChartTexts t = ChartCaptions(languageState().language);
    setWindowTitle(t.dialog);
    druckbutton->setText(t.print);
    cancelbutton->setText(t.close);
    NL1->setText(t.typeLabel);
    NL2->setText(t.graphLabel);
    AnzeigenButton->setText(t.show);
    Series1->setLabel(t.meanTitle);
    Series2->setLabel(t.deviationTitle);
    FehlerLabel->setText(t.noData);
}

void TFilterDialog::FillVersions(int typeIndex) {
    const LanguageState& lang = languageState();
    const QSignalBlocker block(VersionCombo);
    VersionCombo->clear();
    VersionCombo->addItems(ChartVersionEntries(typeIndex, lang.language, lang.textTable));
    VersionCombo->setCurrentIndex(0);
}

void TFilterDialog::TypComboChange(int index) {
    FillVersions(index);
}

void TFilterDialog::FormShow() {
    SetTexts();
    const LanguageState& lang = languageState();
    {
        const QSignalBlocker block(TypCombo);
        TypCombo->clear();
        TypCombo->addItems(ChartTypeEntries(lang.language, lang.textTable));
        TypCombo->setCurrentIndex(0);
    }
    FillVersions(0);
    DrawChart();
}

void TFilterDialog::AnzeigenButtonClick() {
    DrawChart();
}

ChartData TFilterDialog::ReadBars(int n, const ChartFilter& filter) {
    return ReadChartData(resultsState(), n, filter, CurrentResultsPath(currentUser()));
}

void TFilterDialog::DrawChart() {
    ChartFilter filter;
    filter.typeIndex = std::max(0, TypCombo->currentIndex());
    filter.versionIndex = std::max(0, VersionCombo->currentIndex());
    filter.todayOnly = overallStatsState().todayOnly;
    filter.today = QDate::currentDate();
    m_filterCode = ChartFilterCode(filter.typeIndex, filter.versionIndex);
    m_chartTitle = ChartCaptions(languageState().language).chartTitle;
    Series1->remove(0, Series1->count());
    Series2->remove(0, Series2->count());
    AxisX->clear();

    {
        WaitCursor wait;
        m_bars = ReadBars(resultsState().runsRead, filter).bars;
    }

    QList<qreal> means, deviations;
    QStringList labels;
    means.reserve(m_bars.size());
    deviations.reserve(m_bars.size());
    labels.reserve(m_bars.size());
    qreal highest = 0;
    for (const ChartBar& bar : std::as_const(m_bars)) {
        means.append(bar.meanCorrect);
        deviations.append(bar.sdCorrect);
        labels.append(QString::number(bar.run));
        highest = std::max(highest, qreal(bar.meanCorrect) + bar.sdCorrect);
    }
    AxisX->append(labels);
    Series1->append(means);
    Series2->append(deviations);
    // Room above the highest bar for its top face.
    AxisY->setRange(0, highest > 0 ? highest * 1.08 : 100);
    AxisY->applyNiceNumbers();
    // Bars of a pixel or two would be all border.
    const qreal barPixels =
        (Chart1->width() - 80) * Series->barWidth() / std::max<qsizetype>(1, m_bars.size());
    for (QBarSet* set : {Series1, Series2})
        set->setBorderColor(barPixels < 4 ? set->color() : set->color().darker(135));
    Chart1->updateLabels();
    Chart1->setVisible(!m_bars.isEmpty());
}

bool TFilterDialog::FormKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        done(1);
        return true;
    case Qt::Key_Escape:
        done(2);
        return true;
    default:
        return false;
    }
}

TFilterDialog& filterDialog() {
    if (!g_instance) {
        auto* dialog = new TFilterDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    return *g_instance;
}
