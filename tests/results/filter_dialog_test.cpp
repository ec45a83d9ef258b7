#include "tests/results/overall_stats_fixture.h"
#include "ui/picture_button.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QTest>

#include <cstdlib>
#include <vector>

namespace {

// Runs 1..6: both families, several versions, today and earlier; run 5 has no correct answer.
const std::vector<StoredRun> SixRuns = {
    {"Z-112", 2, Rounds({600, 700, 800})},           {"Z-122", 0, Rounds({500, 540})},
    {"Z-231", 0, Rounds({820, 760, 900})},           {"Z-121", 1, Rounds({650})},
    {"Z-212", 0, {{1, 2, 700, 2}, {3, 0, 3000, 1}}}, {"Z-242", 3, Rounds({450, 480, 520})}};

// The chart the overall statistics' Graph button opens: runsRead set to the runs listed.
class FilterTest : public OverallStatsTest {
protected:
    void SetUp() override {
        OverallStatsTest::SetUp();
        writeRuns(SixRuns);
        resultsState().runsRead = 6;
    }
    static std::vector<int> Runs(const TFilterDialog& f) {
        std::vector<int> runs;
        for (const QString& label : f.AxisX->categories())
            runs.push_back(label.toInt());
        return runs;
    }
    static QStringList Items(const QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
};

struct TextCase {
    int language;
    QStringList texts; // dialog, NL1, NL2, Anzeigen, Schließen, Drucken, legend 1, legend 2
    QStringList types;
    QStringList firstVersions;
};

class FilterTexts : public FilterTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(FilterTexts, ShowingFillsTheListsAndDrawsEveryRun) {
    const TextCase& c = GetParam();
    UseLanguage(c.language);
    filter.show();
    EXPECT_EQ((QStringList{filter.windowTitle(), filter.NL1->text(), filter.NL2->text(),
                           filter.AnzeigenButton->text(), filter.cancelbutton->text(),
                           filter.druckbutton->text(), filter.Series1->label(), filter.Series2->label()}),
              c.texts);
    EXPECT_EQ(Items(filter.TypCombo), c.types);
    EXPECT_EQ(filter.TypCombo->currentIndex(), 0);
    EXPECT_EQ(Items(filter.VersionCombo), QStringList{c.types[0]});
    filter.TypCombo->setCurrentIndex(1);
    EXPECT_EQ(Items(filter.VersionCombo), c.firstVersions);
    EXPECT_EQ(filter.chartTitle(), c.language == German ? "Statistik" : "Statistics");
    EXPECT_EQ(filter.chart()->title(), ""); // the title stays hidden
}

INSTANTIATE_TEST_SUITE_P(
    Languages, FilterTexts,
    ::testing::Values(TextCase{German,
                               {"Graph", "1. Übungstyp:", "2. Grafik:", "Anzeigen", "Schließen", "Drucken",
                                "Mittelwert", "Abweichung"},
                               {"alle", "Farbe/Wort", "Zahl/Anzahl"},
                               {"alle", "Version 1", "Version 2", "Version 3", "Version 4"}},
                      TextCase{English,
                               {"Chart", "1. Type of exercise:", "2. Graphics:", "Show", "Close", "Print",
                                "Average value", "Deviation"},
                               {"all", "color/word", "digit/number"},
                               {"all", "version 1", "version 2", "version 3", "version 4"}}));

TEST_F(FilterTest, EveryRunIsOneStackedBarUnderItsNumber) {
    runRecord() = {};
    filter.show();
    EXPECT_EQ(Runs(filter), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(filter.Series1->count(), 6);
    ASSERT_EQ(filter.Series2->count(), 6);
    EXPECT_EQ(filter.Series1->at(0), 700); // mean of 600, 700, 800
    EXPECT_EQ(filter.Series2->at(0), 100); // their deviation, stacked on top
    // A run without correct answers is a bar of height 0.
    EXPECT_EQ(filter.Series1->at(4), 0);
    EXPECT_EQ(filter.Series2->at(4), 0);
    EXPECT_EQ(filter.Series->barSets(), (QList<QBarSet*>{filter.Series1, filter.Series2}));
    EXPECT_FALSE(filter.Series->isLabelsVisible());
    EXPECT_EQ(filter.Series1->color(), QColor(140, 158, 242));
    EXPECT_EQ(filter.Series2->color(), QColor(134, 242, 202));
    EXPECT_TRUE(filter.Chart1->isVisible());
    EXPECT_EQ(filter.Chart1->geometry(), QRect(25, 68, 590, 337));
    EXPECT_EQ(filter.chart()->legend()->alignment(), Qt::AlignTop);
    // After drawing the record holds the last run read, with its statistics.
    EXPECT_EQ(runRecord().prtkey, "Z-242");
    EXPECT_EQ(runRecord().stats[0].meanCorrect, 483);
    EXPECT_EQ(resultsState().runsRead, 6);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FilterTest, TheListsFilterByFamilyAndVersionOnlyWhenShown) {
    filter.show();
    filter.TypCombo->setCurrentIndex(1);
    // Choosing a family refills the versions but leaves the chart as it was.
    EXPECT_EQ(filter.VersionCombo->currentIndex(), 0);
    EXPECT_EQ(Runs(filter), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    QTest::mouseClick(filter.AnzeigenButton, Qt::LeftButton);
    EXPECT_EQ(filter.filterCode(), "Z-1");
    EXPECT_EQ(Runs(filter), (std::vector<int>{1, 2, 4}));
    filter.VersionCombo->setCurrentIndex(2);
    QTest::mouseClick(filter.AnzeigenButton, Qt::LeftButton);
    EXPECT_EQ(filter.filterCode(), "Z-12");
    EXPECT_EQ(Runs(filter), (std::vector<int>{2, 4}));
    filter.TypCombo->setCurrentIndex(2);
    EXPECT_EQ(filter.VersionCombo->count(), 5);
    EXPECT_EQ(filter.VersionCombo->currentIndex(), 0);
    EXPECT_EQ(Runs(filter), (std::vector<int>{2, 4}));
    QTest::mouseClick(filter.AnzeigenButton, Qt::LeftButton);
    EXPECT_EQ(Runs(filter), (std::vector<int>{3, 5, 6}));
    filter.VersionCombo->setCurrentIndex(3);
    QTest::mouseClick(filter.AnzeigenButton, Qt::LeftButton);
    EXPECT_EQ(filter.filterCode(), "Z-23");
    EXPECT_EQ(Runs(filter), (std::vector<int>{3}));
    // A new showing starts again from "alle".
    filter.hide();
    filter.show();
    EXPECT_EQ(filter.TypCombo->currentIndex(), 0);
    EXPECT_EQ(filter.VersionCombo->count(), 1);
    EXPECT_EQ(Runs(filter).size(), 6u);
}

TEST_F(FilterTest, TheDayListDrawsTodaysRunsOrTheNoDataText) {
    overallStatsState().todayOnly = true;
    filter.show();
    EXPECT_EQ(Runs(filter), (std::vector<int>{2, 3, 5}));
    filter.TypCombo->setCurrentIndex(1);
    filter.VersionCombo->setCurrentIndex(1);
    QTest::mouseClick(filter.AnzeigenButton, Qt::LeftButton);
    EXPECT_TRUE(filter.bars().isEmpty());
    EXPECT_FALSE(filter.Chart1->isVisible());
    EXPECT_TRUE(filter.FehlerLabel->isVisible());
    EXPECT_EQ(filter.FehlerLabel->text(), "Für diese Auswahl liegen keine Daten vor.");
    // A choice with data brings the chart back.
    filter.VersionCombo->setCurrentIndex(2);
    QTest::mouseClick(filter.AnzeigenButton, Qt::LeftButton);
    EXPECT_EQ(Runs(filter), (std::vector<int>{2}));
    EXPECT_TRUE(filter.Chart1->isVisible());
}

TEST_F(FilterTest, KeysAndButtonsClose) {
    const struct {
        const char* name;
        std::function<void(TFilterDialog*)> close;
        int result;
    } cases[] = {
        {"EnterInTheList", [](TFilterDialog* f) { QTest::keyClick(f->TypCombo, Qt::Key_Return); }, 1},
        {"Escape", [](TFilterDialog* f) { QTest::keyClick(f->VersionCombo, Qt::Key_Escape); }, 2},
        {"Schließen", [](TFilterDialog* f) { QTest::mouseClick(f->cancelbutton, Qt::LeftButton); }, 1},
    };
    for (const auto& c : cases) {
        int result = -1;
        ModalScript script;
        script.on<TFilterDialog>(c.close);
        play(script, [&] { result = filter.exec(); });
        EXPECT_EQ(result, c.result) << c.name;
    }
    QSignalSpy print(&filter, &TFilterDialog::printRequested);
    filter.show();
    QTest::mouseClick(filter.druckbutton, Qt::LeftButton);
    EXPECT_EQ(print.size(), 1);
}

TEST_F(FilterTest, TheFileIsReadOnceUnderTheHourglass) {
    // Records each read and the cursor shown meanwhile.
    struct Probe : TFilterDialog {
        QList<int> reads;
        QList<Qt::CursorShape> cursors;
        ChartData ReadBars(int n, const ChartFilter& f) override {
            reads << n;
            const QCursor* cursor = QApplication::overrideCursor();
            cursors << (cursor ? cursor->shape() : Qt::ArrowCursor);
            return TFilterDialog::ReadBars(n, f);
        }
    };
    Probe probe;
    probe.show();
    QTest::mouseClick(probe.AnzeigenButton, Qt::LeftButton);
    EXPECT_EQ(probe.reads, (QList<int>{6, 6}));
    EXPECT_EQ(probe.cursors, (QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(probe.bars().size(), 6);
}

// Equal up to the rounding of 8-bit channels.
bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
           std::abs(a.blue() - b.blue()) <= 2;
}

// The bars have depth: a darker side face right of each bar and a lighter top.
TEST_F(FilterTest, BarsShowADarkerSide) {
    filter.show();
    const QImage image = filter.Chart1->grab().toImage();
    QChart* chart = filter.chart();
    const qreal d = filter.Chart1->depth();
    ASSERT_GT(d, 3);
    const qreal half = filter.Series->barWidth() / 2;
    const QPointF right = chart->mapToPosition(QPointF(0 + half, 350), filter.Series); // inside the mean
    const QColor side = image.pixelColor(int(right.x() + d / 2), int(right.y() - d / 2));
    EXPECT_TRUE(Near(side, QColor(140, 158, 242).darker(145))) << side.name().toStdString();
    const QPointF front = chart->mapToPosition(QPointF(0, 350), filter.Series);
    EXPECT_TRUE(Near(image.pixelColor(front.toPoint()), QColor(140, 158, 242)));
    const QPointF top = chart->mapToPosition(QPointF(0, 800), filter.Series);
    const QColor lid = image.pixelColor(int(top.x() + d / 2), int(top.y() - d / 2));
    EXPECT_TRUE(Near(lid, QColor(134, 242, 202).lighter(112))) << lid.name().toStdString();
}

// Too many runs for every number: each bar keeps its number, every so many are written.
TEST_F(FilterTest, ManyRunsWriteEverySoManyNumbers) {
    filter.show();
    EXPECT_EQ(filter.Chart1->labelStep(), 1);
    EXPECT_TRUE(filter.AxisX->isLineVisible());
    std::vector<StoredRun> many;
    for (int i = 0; i < 300; ++i)
        many.push_back({"Z-111", 0, Rounds({500 + i})});
    writeRuns(many);
    resultsState().runsRead = 300;
    QTest::mouseClick(filter.AnzeigenButton, Qt::LeftButton);
    EXPECT_EQ(filter.AxisX->count(), 300);
    EXPECT_EQ(filter.AxisX->categories().last(), "300");
    const int step = filter.Chart1->labelStep();
    EXPECT_GT(step, 1);
    EXPECT_LT(step, 300);
    EXPECT_EQ(filter.AxisX->labelsColor().alpha(), 0); // the cut-off labels of the axis stay unseen
    // Back to a few runs: the axis writes them again.
    writeRuns(SixRuns);
    resultsState().runsRead = 6;
    QTest::mouseClick(filter.AnzeigenButton, Qt::LeftButton);
    EXPECT_EQ(filter.Chart1->labelStep(), 1);
    EXPECT_EQ(filter.AxisX->labelsColor().alpha(), 255);
    EXPECT_TRUE(filter.AxisX->isLineVisible());
}

} // namespace
