#include "results/reports.h"

#include "results/print_table.h"
#include "results/results_file.h"
#include "results/statistics.h"
#include "tests/results/pdf_text.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QStackedBarSeries>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Qt's PDF output starts the printable area at the 15 mm margin rounded to whole points.
const qreal Margin = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                 QPageLayout::Millimeter)
                         .paintRectPoints()
                         .left() *
                     25.4 / 72;
constexpr qreal A4Width = 210.0, A4Height = 297.0;

// Where a label's text must sit: its left, right or centre edge, and its top, in mm from the
// top left of the printable area.
enum class Edge { Left, Right, Centre };
struct Expected {
    QString text;
    qreal x; // the edge's position
    qreal y;
    Edge edge;
};

// Checks that `text` stands on the page at the expected place, to a tenth of a millimetre.
void ExpectAt(const PdfPage& page, const Expected& e, const std::string& where = {}) {
    const QList<QRectF> boxes = page.find(e.text);
    ASSERT_FALSE(boxes.isEmpty()) << "missing \"" << e.text.toStdString() << "\" " << where;
    bool placed = false;
    QString seen;
    for (QRectF box : boxes) {
        box.translate(-Margin, -Margin);
        const qreal at = e.edge == Edge::Left    ? box.left()
                         : e.edge == Edge::Right ? box.right()
                                                 : box.center().x();
        if (std::abs(at - e.x) < 0.1 && std::abs(box.top() - e.y) < 0.1)
            placed = true;
        seen += QStringLiteral(" (%1, %2)").arg(at, 0, 'f', 2).arg(box.top(), 0, 'f', 2);
    }
    EXPECT_TRUE(placed) << "\"" << e.text.toStdString() << "\" expected at (" << e.x << ", " << e.y
                        << "), seen at" << seen.toStdString() << " " << where;
}

class ReportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HavePdfToText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the page texts cannot be checked";
    }
    // Paints into a fresh PDF and reads its words back.
    QList<PdfPage> render(const std::function<bool(QPagedPaintDevice&)>& paint,
                          const QString& name = "page") {
        const QString file = dir.path() + "/" + name + ".pdf";
        {
            QPdfWriter writer(file);
            EXPECT_TRUE(paint(writer));
        }
        const auto pages = ReadPdfWords(file);
        EXPECT_TRUE(pages);
        return pages.value_or(QList<PdfPage>{});
    }
    QTemporaryDir dir;
};

// A page whose 40 values are all different, so each can be found in its place.
EinzelStatistikPage SamplePage(int language) {
    TextTable table;
    SetLanguageTexts(language, table);
    EinzelStatistikPage page;
    page.Head = "Muster.dat";
    page.Typ = SingleRunTypeLine("Z-22", language, table);
    page.Zeit = "05.06.2024 - 14.07";
    page.color = StatColumnHeaders(2, language, table);
    page.rowLabels = SingleRunRowLabels(language);
    for (int row = 0; row < StatRowCount; ++row)
        for (int column = 0; column < StatColumnCount; ++column)
            page.values[row][column] = QString::number(100 + row * StatColumnCount + column);
    return page;
}

class SingleRunPage : public ReportsTest, public ::testing::WithParamInterface<int> {};

TEST_P(SingleRunPage, EveryLabelInItsPlace) {
    const int language = GetParam();
    const EinzelStatistikPage page = SamplePage(language);
    const QList<PdfPage> pages =
        render([&](QPagedPaintDevice& d) { return PaintEinzelStatistikReport(d, page); });
    ASSERT_EQ(pages.size(), 1);
    const PdfPage& p = pages[0];
    EXPECT_NEAR(p.widthMm, A4Width, 0.5);
    EXPECT_NEAR(p.heightMm, A4Height, 0.5);

    ExpectAt(p, {"Muster.dat", 32.1 + 115.8 / 2, 1.3, Edge::Centre});
    ExpectAt(p, {language == German ? "Zahl - Version 2" : "digit - version 2", 0, 14.6, Edge::Left});
    ExpectAt(p, {"05.06.2024 - 14.07", 127.0 + 52.9, 15.5, Edge::Right});

    const qreal columnX[] = {49.3, 76.1, 103.2, 130.0, 156.8};
    const qreal rowY[] = {48.3, 57.5, 67.1, 76.4, 86.0, 95.2, 104.8, 114.1};
    const QStringList headers = language == German ? QStringList{"Alle", "Eins", "Zwei", "Drei", "Vier"}
                                                   : QStringList{"All", "one", "two", "three", "four"};
    for (int column = 0; column < 5; ++column)
        ExpectAt(p, {headers[column], columnX[column], 38.4, Edge::Left});
    const QStringList rows =
        language == German ? QStringList{"Richtige",   "Mittelwert",   "Standardabw.", "Falsche",
                                         "Mittelwert", "Standardabw.", "Interferenz",  "Eliminierte"}
                           : QStringList{"correct",       "average value", "stand.dev.",   "incorrect",
                                         "average value", "stand.dev.",    "interference", "eliminated"};
    for (int row = 0; row < 8; ++row) {
        const qreal right = (row == 7 ? 6.6 : 6.9) + 32.7;
        ExpectAt(p, {rows[row], right, rowY[row], Edge::Right}, "row " + std::to_string(row));
        for (int column = 0; column < 5; ++column)
            ExpectAt(p, {QString::number(100 + row * 5 + column), columnX[column], rowY[row], Edge::Left});
    }

    // Font sizes: the head at 14 pt, titles and row labels at 12 pt, values at 11 pt.
    const qreal head = p.find("Muster.dat").value(0).height();
    const qreal title = p.find("05.06.2024").value(0).height();
    const qreal value = p.find("100").value(0).height();
    EXPECT_NEAR(head / title, 14.0 / 12.0, 0.02);
    EXPECT_NEAR(value / title, 11.0 / 12.0, 0.02);
}

INSTANTIATE_TEST_SUITE_P(Languages, SingleRunPage, ::testing::Values(German, English),
                         [](const auto& info) { return info.param == German ? "German" : "English"; });

// The list page's fixed places.
constexpr qreal FieldX[] = {0.7, 23.2, 75.1, 92.6, 110.5, 128.0, 145.9, 163.4};
constexpr qreal FieldRight[] = {
    0, 0, 75.1 + 16.2, 92.6 + 16.2, 110.5 + 16.2, 128.0 + 16.2, 145.9 + 16.2, 163.4 + 16.2};

Expected FieldAt(const QString& text, int field, qreal bandTop) {
    return field < 2 ? Expected{text, FieldX[field], bandTop + 2.0, Edge::Left}
                     : Expected{text, FieldRight[field], bandTop + 2.0, Edge::Right};
}

void ExpectListHeader(const PdfPage& p, int language, const std::string& where) {
    ExpectAt(p, {"Muster.dat", 0, 0.7, Edge::Left}, where);
    ExpectAt(p, {"05.06.2024 - 14.07", 127.0 + 52.9, 0.7, Edge::Right}, where);
    const qreal titleX[] = {1.0, 23.5, 75.1, 92.6, 110.5, 128.0, 146.2, 163.7};
    const qreal titleWidth[] = {0, 0, 16.2, 16.2, 16.2, 16.2, 16.2, 15.9};
    const PrintRow titles = ListReportTitles(language);
    for (int i = 0; i < 8; ++i)
        ExpectAt(p,
                 i < 2 ? Expected{titles[i], titleX[i], 14.2, Edge::Left}
                       : Expected{titles[i], titleX[i] + titleWidth[i], 14.2, Edge::Right},
                 where);
}

GesamtStatistikPage ListPage(int language, const QStringList& entries, const QString& folder) {
    GesamtStatistikPage page;
    page.Name = "Muster.dat";
    page.Zeit = "05.06.2024 - 14.07";
    page.titles = ListReportTitles(language);
    // Through the print table, as the print does it.
    const QString table = folder + "/" + PrintTableName;
    EXPECT_TRUE(BuildPrintTable(table, entries));
    page.records = ReadPrintTable(table).value_or(QList<PrintRow>{});
    return page;
}

class ListPageTest : public ReportsTest, public ::testing::WithParamInterface<int> {};

TEST_P(ListPageTest, FortyRunsOverSeveralPagesEachWithItsHeader) {
    const int language = GetParam();
    QStringList entries;
    for (int i = 0; i < 40; ++i)
        entries << QStringLiteral("%1;%2;Farbe/Wort - Version %3;%4;%5;%6;%7;%8;%9")
                       .arg(9001 + i)
                       .arg(QDate(2023, 1, 1).addDays(i).toString("dd.MM.yyyy"))
                       .arg(i % 4 + 1)
                       .arg(40 + i)
                       .arg(30 + i)
                       .arg(500 + i)
                       .arg(60 + i)
                       .arg(10 + i % 7)
                       .arg(i % 5);
    const GesamtStatistikPage page = ListPage(language, entries, dir.path());
    ASSERT_EQ(page.records.size(), 40);
    const QList<PdfPage> pages =
        render([&](QPagedPaintDevice& d) { return PaintGesamtStatistikReport(d, page); });
    const int perPage = int((267.0 - 19.8) / 6.9); // 35 bands below the header
    ASSERT_EQ(GesamtRecordsPerPage(), perPage);
    ASSERT_EQ(pages.size(), 2);
    for (int n = 0; n < pages.size(); ++n) {
        EXPECT_NEAR(pages[n].heightMm, A4Height, 0.5);
        ExpectListHeader(pages[n], language, "page " + std::to_string(n + 1));
    }
    int lines = 0;
    for (int i = 0; i < 40; ++i) {
        const PdfPage& p = pages[i / perPage];
        const qreal band = 19.8 + (i % perPage) * 6.9;
        const PrintRow& r = page.records[i];
        const std::string where = "record " + std::to_string(i + 1);
        for (int f = 0; f < 8; ++f)
            ExpectAt(p, FieldAt(r[f], f, band), where);
        // The line holds the eight fields and nothing else: no run number before the date.
        const QString line = p.lineAt(band + 2.0 + Margin);
        EXPECT_EQ(line, QStringList(r.begin(), r.end()).join(' ')) << where;
        lines += !line.isEmpty();
    }
    EXPECT_EQ(lines, 40);
    for (const PdfPage& p : pages)
        for (int i = 0; i < 40; ++i)
            EXPECT_TRUE(p.find(QString::number(9001 + i)).isEmpty()) << "run number " << 9001 + i;
}

INSTANTIATE_TEST_SUITE_P(Languages, ListPageTest, ::testing::Values(German, English),
                         [](const auto& info) { return info.param == German ? "German" : "English"; });

TEST_F(ReportsTest, PagesFollowTheRecordCount) {
    struct Case {
        int records;
        int pages;
    };
    for (const Case c : {Case{1, 1}, Case{35, 1}, Case{36, 2}, Case{70, 2}, Case{71, 3}}) {
        GesamtStatistikPage page;
        page.Name = "Muster.dat";
        page.titles = ListReportTitles(German);
        for (int i = 0; i < c.records; ++i)
            page.records << PrintRow{QString::number(i), "t", "1", "1", "1", "1", "1", "1"};
        const auto pages = render([&](QPagedPaintDevice& d) { return PaintGesamtStatistikReport(d, page); },
                                  QString::number(c.records));
        ASSERT_EQ(pages.size(), c.pages) << c.records;
        EXPECT_EQ(pages.last().find("Muster.dat").size(), 1) << c.records;
        EXPECT_EQ(pages.last().find(QString::number(c.records - 1)).size(), 1) << c.records;
    }
}

TEST_F(ReportsTest, TheEmptyFileEntryAndADataErrorEntry) {
    const GesamtStatistikPage page =
        ListPage(German, {"-;-;Unbekannt;0;0;0;0;0;0", "Datenfehler", "File error"}, dir.path());
    const QList<PdfPage> pages =
        render([&](QPagedPaintDevice& d) { return PaintGesamtStatistikReport(d, page); });
    ASSERT_EQ(pages.size(), 1);
    const PdfPage& p = pages[0];
    ExpectAt(p, FieldAt("-", 0, 19.8));
    ExpectAt(p, FieldAt("Unbekannt", 1, 19.8));
    for (int f = 2; f < 8; ++f)
        ExpectAt(p, FieldAt("0", f, 19.8), "field " + std::to_string(f + 1));
    EXPECT_EQ(p.lineAt(19.8 + 2.0 + Margin), "- Unbekannt 0 0 0 0 0 0");
    // The whole error text in the last column, right-aligned, nothing else on its line.
    ExpectAt(p, FieldAt("Datenfehler", 7, 19.8 + 6.9));
    EXPECT_EQ(p.lineAt(19.8 + 6.9 + 2.0 + Margin), "Datenfehler");
    ExpectAt(p, FieldAt("File error", 7, 19.8 + 2 * 6.9));
}

TEST_F(ReportsTest, TheDayListPrintsTodaysRunsWithoutTheirNumbers) {
    // Five runs, of which the 2nd and the 5th are from today.
    const QString file = dir.path() + "/Muster.dat";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int k = 1; k <= 5; ++k) {
            RunRecord r;
            const bool today = k == 2 || k == 5;
            r.svdate = QDate::currentDate().addDays(today ? 0 : -k).toString("dd.MM.yyyy");
            r.svtime = "10.30";
            r.prtkey = k % 2 ? "Z-13" : "Z-24";
            r.info1 = k % 2 ? "Farbe/Wort" : "Zahl/Anzahl";
            r.roundCount = 8 + k;
            for (int i = 1; i <= r.roundCount; ++i)
                r.items[i] = {1 + i % 4, 1 + i % 4, 400 + 10 * i + k, 1};
            f.write(FormatRunBlock(r));
        }
    }
    ResultsState state;
    TextTable table;
    SetLanguageTexts(German, table);
    const ReadResult read = ReadResults(state, 0, true, file, German, table);
    ASSERT_EQ(read.code, FileOk);
    ASSERT_EQ(read.entries.size(), 2);
    ASSERT_TRUE(read.entries[0].startsWith("2;"));
    ASSERT_TRUE(read.entries[1].startsWith("5;"));

    const GesamtStatistikPage page = ListPage(German, read.entries, dir.path());
    const QList<PdfPage> pages =
        render([&](QPagedPaintDevice& d) { return PaintGesamtStatistikReport(d, page); });
    ASSERT_EQ(pages.size(), 1);
    const QString today = QDate::currentDate().toString("dd.MM.yyyy");
    for (int i = 0; i < 2; ++i) {
        QString expected = read.entries[i];
        expected = expected.mid(expected.indexOf(';') + 1).replace(';', ' ');
        const QString line = pages[0].lineAt(19.8 + i * 6.9 + 2.0 + Margin);
        EXPECT_EQ(line, expected);
        EXPECT_TRUE(line.startsWith(today)) << line.toStdString();
    }
    EXPECT_TRUE(pages[0].lineAt(19.8 + 2 * 6.9 + 2.0 + Margin).isEmpty());
}

class ChartPageTest : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        if (IsSkipped())
            return;
        auto* mean = new QBarSet("Mittelwert");
        auto* deviation = new QBarSet("Abweichung");
        *mean << 420 << 510 << 0;
        *deviation << 60 << 80 << 0;
        auto* series = new QStackedBarSeries;
        series->append(mean);
        series->append(deviation);
        auto* chart = new QChart;
        chart->addSeries(series);
        auto* axis = new QBarCategoryAxis;
        axis->append({"1", "2", "3"});
        chart->addAxis(axis, Qt::AlignBottom);
        series->attachAxis(axis);
        view.setChart(chart);
        view.resize(590, 337);
        view.show();
        QCoreApplication::processEvents();
    }
    QChartView view;
};

TEST_F(ChartPageTest, LandscapeWithTheFooterAndTheOrientationPutBack) {
    const QString file = dir.path() + "/chart.pdf";
    QPageLayout before;
    QPageLayout after;
    {
        QPdfWriter writer(file);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(5, 6, 7, 8)));
        before = writer.pageLayout();
        ASSERT_TRUE(PaintChartReport(writer, view, "Muster.dat (05.06.2024 - 14.07)"));
        after = writer.pageLayout();
    }
    EXPECT_TRUE(after.isEquivalentTo(before));
    EXPECT_EQ(after.orientation(), QPageLayout::Portrait);

    const auto pages = ReadPdfWords(file);
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 1);
    const PdfPage& p = (*pages)[0];
    EXPECT_NEAR(p.widthMm, A4Height, 0.5);
    EXPECT_NEAR(p.heightMm, A4Width, 0.5);
    // The chart is there (its legend) and the footer stands centred below everything else.
    ASSERT_EQ(p.find("Mittelwert").size(), 1);
    const QList<QRectF> footer = p.find("Muster.dat (05.06.2024 - 14.07)");
    ASSERT_EQ(footer.size(), 1);
    EXPECT_NEAR(footer[0].center().x(), A4Height / 2, 1.0);
    for (const PdfWord& w : p.words)
        EXPECT_LE(w.box.top(), footer[0].top()) << w.text.toStdString();
    EXPECT_LT(footer[0].bottom(), A4Width - Margin);
    EXPECT_GT(footer[0].top(), p.find("Mittelwert")[0].bottom());
}

} // namespace
