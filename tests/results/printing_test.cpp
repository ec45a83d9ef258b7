#include "results/printing.h"

#include "app/global_state.h"
#include "results/einzelstatistik_dialog.h"
#include "results/filter_dialog.h"
#include "results/gesamtstatistik_dialog.h"
#include "results/print_table.h"
#include "results/results_file.h"
#include "results/statistics.h"
#include "tests/results/pdf_text.h"
#include "tests/ui/modal_script.h"
#include "ui/daten.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_button.h"
#include "users/current_user.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStackedBarSeries>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One message box as the print showed it.
struct Box {
    QString text, caption;
    int lineCount;
    bool centred, yesNo;
    bool hourglass; // the wait cursor was up meanwhile
};

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedGlobal = globalState();
        savedLanguage = languageState();
        savedResults = resultsState();
        savedUser = currentUser();
        UseLanguage(German);
        globalState().userDataFolder = dir.path() + "/";
        currentUser().CurrentUserFolder = dir.path() + "/";
        currentUser().CurrentUserFile = "Muster.dat";
        RunRecord& r = runRecord();
        r = RunRecord{};
        r.svdate = "05.06.2024";
        r.svtime = "14.07";
        r.prtkey = "Z-13";
        r.info1 = "Farbe/Wort";
        r.roundCount = 9;
        for (int i = 1; i <= 9; ++i)
            r.items[i] = {1 + i % 4, i % 3 ? 1 + i % 4 : 1 + (i + 1) % 4, 300 + 37 * i, 1 + (i + 1) % 4};
        ComputeStatistics(r);
    }
    void TearDown() override {
        globalState() = savedGlobal;
        languageState() = savedLanguage;
        resultsState() = savedResults;
        currentUser() = savedUser;
    }
    static void UseLanguage(int language) {
        languageState().language = language;
        SetLanguageTexts(language, languageState().textTable);
    }
    // No printer: the pages go into the folder. The questions get `answer`.
    PrintEnvironment env(int answer = 6) {
        PrintEnvironment e;
        e.userDataFolder = globalState().userDataFolder;
        e.message = [this, answer](const QString& text, const QString& caption, quint8 lines, bool centred,
                                   bool yesNo) {
            boxes.push_back(
                {text, caption, lines, centred, yesNo, QApplication::overrideCursor() != nullptr});
            return yesNo ? answer : 2;
        };
        return e;
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
    void expectBox(size_t i, const PrintMessage& m, int lines, bool yesNo) {
        ASSERT_LT(i, boxes.size());
        EXPECT_EQ(boxes[i].text, m.text) << i;
        EXPECT_EQ(boxes[i].caption, m.caption) << i;
        EXPECT_EQ(boxes[i].lineCount, lines) << i;
        EXPECT_TRUE(boxes[i].centred) << i;
        EXPECT_EQ(boxes[i].yesNo, yesNo) << i;
        EXPECT_FALSE(boxes[i].hourglass) << i;
    }
    QString pdf(const char* name) const { return dir.path() + "/" + name + ".pdf"; }
    static std::optional<QList<PdfPage>> pagesOf(const QString& file) {
        if (!HavePdfToText())
            return std::nullopt;
        return ReadPdfWords(file);
    }

    GlobalState savedGlobal;
    LanguageState savedLanguage;
    ResultsState savedResults;
    CurrentUserState savedUser;
    QTemporaryDir dir;
    std::vector<Box> boxes;
    TDaten daten;
    TEinzelstatistikDialog dialog;
};

// A chart view with two stacked bars, laid out as on screen.
struct SmallChart {
    SmallChart() {
        auto* mean = new QBarSet("Mittelwert");
        auto* deviation = new QBarSet("Abweichung");
        *mean << 420 << 510;
        *deviation << 60 << 80;
        auto* series = new QStackedBarSeries;
        series->append(mean);
        series->append(deviation);
        auto* chart = new QChart;
        chart->addSeries(series);
        chart->createDefaultAxes();
        view.setChart(chart);
        view.resize(590, 337);
        view.show();
        QCoreApplication::processEvents();
    }
    QChartView view;
};

TEST_F(PrintingTest, NoPrintsNothingAndConfirmsNothing) {
    SmallChart chart;
    dialog.ShowRecord(runRecord());
    struct Case {
        const char* name;
        std::function<bool(const PrintEnvironment&)> print;
        PrintMessage question;
    };
    const Case cases[] = {
        {"single run", [&](const PrintEnvironment& e) { return PrintEinzelStatistik(e, dialog); },
         StatisticsPrintQuestion(German)},
        {"list", [&](const PrintEnvironment& e) { return PrintGesamtStatistik(e, {"1;a;b;1;1;1;1;1;1"}); },
         StatisticsPrintQuestion(German)},
        {"chart", [&](const PrintEnvironment& e) { return PrintChart(e, chart.view); },
         ChartPrintQuestion(German)},
    };
    for (const Case& c : cases) {
        boxes.clear();
        EXPECT_FALSE(c.print(env(2))) << c.name;
        ASSERT_EQ(boxes.size(), 1u) << c.name;
        expectBox(0, c.question, 4, true);
        EXPECT_EQ(boxes[0].caption, "") << c.name;
        // Not even the print table is made.
        EXPECT_TRUE(files().isEmpty()) << c.name << ": " << files().join(", ").toStdString();
    }
}

class SingleRunPrint : public PrintingTest, public ::testing::WithParamInterface<int> {};

TEST_P(SingleRunPrint, QuestionThenTheFileThenTheConfirmation) {
    const int language = GetParam();
    UseLanguage(language);
    dialog.SetTexts();
    dialog.ShowRecord(runRecord());
    // The page copies what the dialog shows, not what it would compute.
    dialog.values[2][3]->setText("4711");

    ASSERT_TRUE(PrintEinzelStatistik(env(), dialog));
    ASSERT_EQ(boxes.size(), 3u);
    expectBox(0, StatisticsPrintQuestion(language), 4, true);
    const QString file = pdf("EinzelStatistikReport");
    expectBox(1, SavedAsPdfMessage(language, QDir::toNativeSeparators(file)), 6, false);
    expectBox(2, SingleRunPrintedMessage(language), 4, false);
    EXPECT_EQ(files(), QStringList{"EinzelStatistikReport.pdf"});

    const auto pages = pagesOf(file);
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the page's text is not checked";
    ASSERT_EQ(pages->size(), 1);
    const PdfPage& p = (*pages)[0];
    EXPECT_EQ(p.find("Muster.dat").size(), 1);
    EXPECT_EQ(p.find("05.06.2024 - 14.07").size(), 1);
    EXPECT_EQ(p.find(language == German ? "Farbe - Version 3" : "color - version 3").size(), 1);
    EXPECT_EQ(p.find("4711").size(), 1);
    for (int column = 0; column < StatColumnCount; ++column)
        EXPECT_EQ(p.find(dialog.Color[column]->text()).size(), 1) << column;
    EXPECT_EQ(p.find(language == German ? "Alle" : "All").size(), 1);
    EXPECT_EQ(p.find(language == German ? "Blau" : "blue").size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Languages, SingleRunPrint, ::testing::Values(German, English),
                         [](const auto& info) { return info.param == German ? "German" : "English"; });

TEST_F(PrintingTest, AnEmptyListAsksNothing) {
    EXPECT_FALSE(PrintGesamtStatistik(env(), {}));
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(PrintingTest, TheListIsPrintedFromTheTableLeftInTheFolder) {
    UseLanguage(English);
    QStringList entries;
    for (int i = 1; i <= 40; ++i)
        entries << QStringLiteral("%1;0%2.05.2024;Zahl/Anzahl - version 2;20;%3;500;50;2;1")
                       .arg(i)
                       .arg(i % 9 + 1)
                       .arg(i);
    ASSERT_TRUE(PrintGesamtStatistik(env(), entries));
    ASSERT_EQ(boxes.size(), 3u);
    expectBox(0, StatisticsPrintQuestion(English), 4, true);
    expectBox(1, SavedAsPdfMessage(English, QDir::toNativeSeparators(pdf("GesamtStatistikReport"))), 6,
              false);
    expectBox(2, ListPrintedMessage(English), 4, false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const auto table = ReadPrintTable(dir.path() + "/drucktmp.DBF");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->size(), 40);

    const auto pages = pagesOf(pdf("GesamtStatistikReport"));
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the pages' text is not checked";
    ASSERT_EQ(pages->size(), 2);
    for (const PdfPage& p : *pages) {
        EXPECT_EQ(p.find("Muster.dat").size(), 1);
        EXPECT_EQ(p.find("05.06.2024 - 14.07").size(), 1); // the run held in the record
        EXPECT_EQ(p.find("type of ex.").size(), 1);
    }
}

TEST_F(PrintingTest, ATableThatCannotBeBuiltIsReportedAndNothingIsPrinted) {
    globalState().userDataFolder = dir.path() + "/missing/";
    PrintEnvironment e = env();
    ASSERT_FALSE(PrintGesamtStatistik(e, {"1;a;b;1;1;1;1;1;1"}));
    ASSERT_EQ(boxes.size(), 2u);
    expectBox(0, StatisticsPrintQuestion(German), 4, true);
    expectBox(1, PrintTableFailedMessage(German), 4, false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/missing"));
}

TEST_F(PrintingTest, TheChartWithItsFooterAndTheGermanConfirmation) {
    UseLanguage(English);
    SmallChart chart;
    ASSERT_TRUE(PrintChart(env(), chart.view));
    ASSERT_EQ(boxes.size(), 3u);
    expectBox(0, ChartPrintQuestion(English), 4, true);
    expectBox(1, SavedAsPdfMessage(English, QDir::toNativeSeparators(pdf("Grafik"))), 6, false);
    expectBox(2, {"Die Grafik wurde gedruckt.", "Hinweis"}, 4, false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const auto pages = pagesOf(pdf("Grafik"));
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the page's text is not checked";
    ASSERT_EQ(pages->size(), 1);
    EXPECT_GT((*pages)[0].widthMm, (*pages)[0].heightMm);
    EXPECT_EQ((*pages)[0].find("Muster.dat (05.06.2024 - 14.07)").size(), 1);
}

TEST_F(PrintingTest, PagesThatGoNowhereAreReportedAndNotConfirmed) {
    dialog.ShowRecord(runRecord());
    // A PDF file in a folder that does not exist.
    PrintEnvironment missing = env();
    missing.userDataFolder = dir.path() + "/missing/";
    EXPECT_FALSE(PrintEinzelStatistik(missing, dialog));
    ASSERT_EQ(boxes.size(), 2u);
    expectBox(1,
              PrintFailedMessage(German,
                                 QDir::toNativeSeparators(dir.path() + "/missing/EinzelStatistikReport.pdf")),
              6, false);

    // A printer object without a printer behind it cannot be painted on.
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; a printer without one cannot be tried here";
    boxes.clear();
    QPrinter printer;
    PrintEnvironment broken = env();
    broken.printer = &printer;
    EXPECT_FALSE(PrintEinzelStatistik(broken, dialog));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].caption, "Fehler");
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(PrintingTest, TheProgramsDialogsAskThroughTheMessageBox) {
    // Three runs in the user's file for the list and the chart.
    {
        QFile file(dir.path() + "/Muster.dat");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int k = 1; k <= 3; ++k) {
            RunRecord r = runRecord();
            r.svdate = QStringLiteral("0%1.06.2024").arg(k);
            file.write(FormatRunBlock(r));
        }
    }
    // Made here, so the program's instances do not outlive the test unless they existed before.
    TMeldungDialog box;
    TGesamtstatistikDialog gesamt;
    TFilterDialog filter;
    TEinzelstatistikDialog& einzel = einzelstatistikDialog();
    TGesamtstatistikDialog& list = gesamtstatistikDialog();
    TFilterDialog& chart = filterDialog();
    ConnectPrinting();
    ConnectPrinting(); // a second call must not print twice
    // The program's dialogs may outlive this test: later tests get them unconnected again.
    struct Disconnect {
        QList<QObject*> dialogs;
        ~Disconnect() {
            for (QObject* d : dialogs) {
                QObject::disconnect(d, SIGNAL(printRequested()), nullptr, nullptr);
                d->setProperty("velmoraPrintConnected", false);
            }
        }
    } disconnect{{&einzel, &list, &chart}};

    const RunRecord held = runRecord();
    einzel.ShowRecord(held);
    list.ReadList(false);
    ASSERT_EQ(list.entries().size(), 3);
    resultsState().runsRead = 3;
    chart.show();
    chart.DrawChart();
    QCoreApplication::processEvents();
    runRecord() = held;

    QStringList texts;
    auto answer = [&](PictureButton* TMeldungDialog::*button) {
        return std::function<void(TMeldungDialog*)>([&texts, button](TMeldungDialog* b) {
            texts << b->Textfeld->text();
            QTest::mouseClick(b->*button, Qt::LeftButton);
        });
    };
    const auto requestAll = [&] {
        emit einzel.printRequested();
        emit list.printRequested();
        emit chart.printRequested();
    };
    {
        ModalScript script;
        for (int i = 0; i < 3; ++i)
            script.on<TMeldungDialog>(answer(&TMeldungDialog::neinbutton));
        requestAll();
        EXPECT_TRUE(script.finished());
        EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(", ").toStdString();
    }
    EXPECT_EQ(texts,
              (QStringList{"Soll die Statistik gedruckt werden?", "Soll die Statistik gedruckt werden?",
                           "Soll die Grafik gedruckt werden?"}));
    EXPECT_EQ(files(), QStringList{"Muster.dat"});

    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; the PDF fallback is not tried, to print nothing";
    texts.clear();
    {
        ModalScript script;
        for (int i = 0; i < 3; ++i)
            script.on<TMeldungDialog>(answer(&TMeldungDialog::jabutton))
                .on<TMeldungDialog>(answer(&TMeldungDialog::neinbutton))
                .on<TMeldungDialog>(answer(&TMeldungDialog::neinbutton));
        requestAll();
        EXPECT_TRUE(script.finished());
        EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(", ").toStdString();
    }
    ASSERT_EQ(texts.size(), 9);
    const char* names[] = {"EinzelStatistikReport", "GesamtStatistikReport", "Grafik"};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(texts[3 * i + 1].endsWith(QDir::toNativeSeparators(pdf(names[i]))))
            << texts[3 * i + 1].toStdString();
    EXPECT_EQ(texts[2], "Die Statistik wurde gedruckt.");
    EXPECT_EQ(texts[5], "Die Statistik wurde gedruckt.");
    EXPECT_EQ(texts[8], "Die Grafik wurde gedruckt.");
    EXPECT_EQ(files(), (QStringList{"drucktmp.DBF", "EinzelStatistikReport.pdf", "GesamtStatistikReport.pdf",
                                    "Grafik.pdf", "Muster.dat"}));
    const auto chartPages = pagesOf(pdf("Grafik"));
    if (!chartPages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the chart page's text is not checked";
    ASSERT_EQ(chartPages->size(), 1);
    // The dialog's own legend and the footer with the run held.
    EXPECT_EQ((*chartPages)[0].find("Mittelwert").size(), 1);
    EXPECT_EQ((*chartPages)[0].find("Muster.dat (05.06.2024 - 14.07)").size(), 1);
}

} // namespace
