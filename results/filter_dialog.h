#pragma once

#include "results/chart_data.h"
#include "ui/own_fenster.h"

#include <QChartView>

class QBarCategoryAxis;
class QBarSet;
class QComboBox;
class QLabel;
class QStackedBarSeries;
class QValueAxis;

// A chart view that gives the bars depth: a darker side face and a lighter top face, as
// far back as the gap to the next bar allows. When the run numbers do not all fit under
// their bars it writes every so many of them itself instead of the axis's cut-off labels.
class DepthChartView : public QChartView {
    Q_OBJECT
public:
    DepthChartView(QChart* chart, QStackedBarSeries* series, QBarCategoryAxis* axis, QWidget* parent);
    // The depth in pixels the faces get at the current bar width.
    qreal depth() const;
    // Every how many bars a run number is written; 1 while the axis writes them all.
    int labelStep() const;
    // Adapts the labels to the number of bars; call after the bars changed.
    void updateLabels();

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    int stepFor(qreal categoryWidth) const;

    QStackedBarSeries* m_series;
    QBarCategoryAxis* m_axis;
    QColor m_labelColour;
    int m_labelStep = 1;
};

// The chart of the current user's runs: per run the mean reaction time of the correct
// answers with the deviation stacked on top, filtered by family, version and (as the
// overall statistics left it) by day. Enter and "Schließen" close with 1, Escape with 2.
class TFilterDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TFilterDialog(QWidget* parent = nullptr);
    ~TFilterDialog() override;

    // Reads the runs 1..runsRead of the current user's file and draws the ones that match.
    void DrawChart();

    QString filterCode() const { return m_filterCode; }
    // Kept for the printed chart; the title itself is not shown.
    QString chartTitle() const { return m_chartTitle; }
    const QList<ChartBar>& bars() const { return m_bars; }
    QChart* chart() const { return m_chart; }

    QLabel* FehlerLabel = nullptr;
    QLabel* NL1 = nullptr;
    QLabel* NL2 = nullptr;
    QComboBox* TypCombo = nullptr;
    QComboBox* VersionCombo = nullptr;
    PictureButton* AnzeigenButton = nullptr;
    DepthChartView* Chart1 = nullptr;
    QStackedBarSeries* Series = nullptr;
    QBarSet* Series1 = nullptr; // the mean
    QBarSet* Series2 = nullptr; // the deviation, stacked on the mean
    QBarCategoryAxis* AxisX = nullptr;
    QValueAxis* AxisY = nullptr;
    PictureButton* cancelbutton = nullptr;
    PictureButton* druckbutton = nullptr;

public slots:
    void AnzeigenButtonClick();
    void TypComboChange(int index);

signals:
    // "Drucken": nothing is connected until printing exists.
    void printRequested();

protected:
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
    // The read behind DrawChart; it runs under the hourglass cursor.
    virtual ChartData ReadBars(int n, const ChartFilter& filter);

private:
    void SetTexts();
    void FillVersions(int typeIndex);

    QChart* m_chart = nullptr;
    QString m_filterCode = QStringLiteral("-");
    QString m_chartTitle = QStringLiteral("-");
    QList<ChartBar> m_bars;
};

// The program's instance: the first one created, or one made on first use that lives until
// the event loop ends.
TFilterDialog& filterDialog();
