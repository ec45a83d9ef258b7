#include "app/global_state.h"
#include "app/language.h"
#include "results/einzelstatistik_dialog.h"
#include "results/statistics.h"
#include "tests/ui/modal_script.h"
#include "ui/daten.h"
#include "ui/picture_button.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

class EinzelstatistikTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedGlobal = globalState();
        savedLanguage = languageState();
        savedRecord = runRecord();
        UseLanguage(German);
    }
    void TearDown() override {
        globalState() = savedGlobal;
        languageState() = savedLanguage;
        runRecord() = savedRecord;
    }
    static void UseLanguage(int language) {
        languageState().language = language;
        SetLanguageTexts(language, languageState().textTable);
    }
    QLabel* cell(const char* name) const { return dialog.findChild<QLabel*>(QString::fromLatin1(name)); }

    GlobalState savedGlobal;
    LanguageState savedLanguage;
    RunRecord savedRecord;
    TDaten daten;
    TEinzelstatistikDialog dialog;
};

// A run of the given type whose target 3 never comes up.
RunRecord RunWithoutTargetThree(const QString& prtkey) {
    RunRecord r;
    r.prtkey = prtkey;
    const std::vector<RoundItem> rounds = {{1, 1, 500, 1}, {1, 1, 700, 1},  {1, 2, 900, 2},
                                           {2, 2, 600, 2}, {2, 0, 3000, 2}, {4, 4, 50, 4},
                                           {4, 1, 800, 1}, {4, 4, 400, 4},  {2, 3, 1000, 2}};
    r.roundCount = int(rounds.size());
    for (size_t i = 0; i < rounds.size(); ++i)
        r.items[i + 1] = rounds[i];
    ComputeStatistics(r);
    return r;
}

TEST_F(EinzelstatistikTest, EveryValueLandsInItsCell) {
    runRecord() = RunWithoutTargetThree("Z-132");
    dialog.show();
    const RunRecord& r = runRecord();
    const char* rows[] = {"ri", "mr", "sr", "fa", "mf", "sf", "in", "el"};
    for (int column = 0; column < 5; ++column) {
        const RunStats& s = r.stats[column];
        const int expected[] = {s.correct,   s.meanCorrect, s.sdCorrect,    s.wrong,
                                s.meanWrong, s.sdWrong,     s.interference, s.eliminated};
        for (int row = 0; row < 8; ++row) {
            const std::string name = rows[row] + std::to_string(column);
            QLabel* label = cell(name.c_str());
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text(), QString::number(expected[row])) << name;
            EXPECT_EQ(label->geometry().size(), QSize(62, 26)) << name;
            EXPECT_TRUE(label->alignment() & Qt::AlignRight) << name;
        }
    }
    // Spot checks against hand-computed values, so a swapped field cannot hide.
    EXPECT_EQ(cell("ri0")->text(), "4");
    EXPECT_EQ(cell("fa0")->text(), "4");
    EXPECT_EQ(cell("el0")->text(), "1");
    EXPECT_EQ(cell("el4")->text(), "1");
    EXPECT_EQ(cell("mr1")->text(), "600");
    EXPECT_EQ(cell("sr1")->text(), "141");
    EXPECT_EQ(cell("mf2")->text(), "2000");
    EXPECT_EQ(cell("in1")->text(), "1");
    EXPECT_EQ(cell("in4")->text(), "1");
    EXPECT_EQ(cell("mr4")->text(), "400");
    // Target 3 never came up: eight zeros.
    for (const char* row : rows)
        EXPECT_EQ(cell((std::string(row) + "3").c_str())->text(), "0") << row;
    dialog.hide();
}

TEST_F(EinzelstatistikTest, RefillsOnEveryShowing) {
    runRecord() = RunWithoutTargetThree("Z-112");
    dialog.show();
    dialog.hide();
    runRecord() = RunRecord{};
    runRecord().prtkey = "Z-222";
    runRecord().stats[3].meanWrong = 1234;
    dialog.show();
    EXPECT_EQ(cell("mf3")->text(), "1234");
    EXPECT_EQ(cell("ri0")->text(), "0");
    EXPECT_EQ(cell("mr1")->text(), "0");
    dialog.hide();
}

struct HeaderCase {
    const char* name;
    int language;
    const char* prtkey;
    std::array<const char*, 5> headers;
    QRgb textColour;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << c.name;
}

class EinzelstatistikHeaders : public EinzelstatistikTest,
                               public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(EinzelstatistikHeaders, FollowTheFamily) {
    const HeaderCase& c = GetParam();
    UseLanguage(c.language);
    // Shown after a run of the other family first: nothing of that showing may stay.
    runRecord().prtkey = QString::fromLatin1(c.prtkey).at(2) == '1' ? "Z-211" : "Z-111";
    dialog.show();
    dialog.hide();
    runRecord().prtkey = QString::fromLatin1(c.prtkey);
    dialog.show();
    for (int i = 0; i < 5; ++i) {
        QLabel* header = dialog.findChild<QLabel*>(QStringLiteral("Color%1").arg(i));
        ASSERT_EQ(header, dialog.Color[i]);
        EXPECT_EQ(header->text(), QString::fromUtf8(c.headers[i])) << i;
        EXPECT_EQ(header->palette().color(QPalette::WindowText), QColor(c.textColour)) << i;
        EXPECT_EQ(header->palette().color(QPalette::Window), QColor(215, 250, 240)) << i;
        EXPECT_EQ(header->geometry().size(), QSize(62, 19));
        EXPECT_EQ(header->y(), 30);
    }
    // The colour is really painted: some header pixel has the text colour.
    const QImage image = dialog.Color[1]->grab().toImage().convertToFormat(QImage::Format_RGB32);
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y)
        for (int x = 0; x < image.width() && !found; ++x)
            found = image.pixelColor(x, y) == QColor(c.textColour);
    EXPECT_TRUE(found);
    dialog.hide();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EinzelstatistikHeaders,
    ::testing::Values(
        HeaderCase{
            "SecondFamily", German, "Z-241", {"Alle", "Eins", "Zwei", "Drei", "Vier"}, qRgb(64, 128, 128)},
        HeaderCase{"FirstFamily", German, "Z-132", {"Alle", "Blau", "Gelb", "Grün", "Rot"}, qRgb(0, 0, 0)},
        HeaderCase{"SecondFamilyEnglish",
                   English,
                   "Z-212",
                   {"All", "one", "two", "three", "four"},
                   qRgb(64, 128, 128)},
        HeaderCase{"FirstFamilyEnglish",
                   English,
                   "Z-111",
                   {"All", "blue", "yellow", "green", "red"},
                   qRgb(0, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
    int language;
    const char* caption;
    const char* print;
    const char* close;
    std::array<const char*, 8> rows;
};

class EinzelstatistikTexts : public EinzelstatistikTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(EinzelstatistikTexts, FollowTheLanguage) {
    const TextCase& c = GetParam();
    UseLanguage(c.language);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(dialog.okbutton->text(), QString::fromUtf8(c.print));
    EXPECT_EQ(dialog.cancelbutton->text(), QString::fromUtf8(c.close));
    EXPECT_EQ(dialog.ErklButton->text(), "Erklärung");
    for (int row = 0; row < 8; ++row) {
        QLabel* label = dialog.findChild<QLabel*>(QStringLiteral("z%1").arg(row + 1));
        ASSERT_EQ(label, dialog.z[row]);
        EXPECT_EQ(label->text(), QString::fromUtf8(c.rows[row]));
        EXPECT_EQ(label->geometry().right() + 1, 135); // ends at x = 135
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << c.rows[row];
        const QColor colour = row == 0 || row == 3 ? QColor(Qt::black) : QColor(64, 128, 128);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), colour) << row;
    }
    dialog.hide();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EinzelstatistikTexts,
    ::testing::Values(TextCase{German,
                               "Statistik",
                               "Drucken",
                               "Schließen",
                               {"Richtige", "Mittelwert", "Standardabw.", "Falsche", "Mittelwert",
                                "Standardabw.", "Interferenz", "Eliminierte"}},
                      TextCase{English,
                               "Statistics",
                               "Print",
                               "Close",
                               {"Correct", "Average value", "Stand.dev.", "Incorrect", "Average value",
                                "Stand.dev.", "Interference", "Eliminated"}}));

enum class Act { Escape, CloseButton, Enter, PrintButton, ExplainButton };

struct ActionCase {
    const char* name;
    Act act;
    bool closes;
    int prints;
    int explanations;
};

void PrintTo(const ActionCase& c, std::ostream* os) {
    *os << c.name;
}

class EinzelstatistikActions : public EinzelstatistikTest,
                               public ::testing::WithParamInterface<ActionCase> {};

TEST_P(EinzelstatistikActions, KeysAndButtons) {
    const ActionCase& c = GetParam();
    QSignalSpy prints(&dialog, &TEinzelstatistikDialog::printRequested);
    QSignalSpy explanations(&dialog, &TEinzelstatistikDialog::explanationRequested);
    ModalScript script;
    bool stillOpen = false;
    script.on<TEinzelstatistikDialog>([&](TEinzelstatistikDialog* d) {
        switch (c.act) {
        case Act::Escape:
            QTest::keyClick(d, Qt::Key_Escape);
            break;
        case Act::CloseButton:
            QTest::mouseClick(d->cancelbutton, Qt::LeftButton);
            break;
        case Act::Enter:
            QTest::keyClick(d, Qt::Key_Return);
            break;
        case Act::PrintButton:
            QTest::mouseClick(d->okbutton, Qt::LeftButton);
            break;
        case Act::ExplainButton:
            QTest::mouseClick(d->ErklButton, Qt::LeftButton);
            break;
        }
        stillOpen = d->isVisible();
        if (stillOpen)
            d->done(7); // not a result the dialog gives itself
    });
    const int result = dialog.exec();
    EXPECT_TRUE(script.unexpected.isEmpty());
    EXPECT_EQ(stillOpen, !c.closes);
    EXPECT_EQ(result, c.closes ? 2 : 7);
    EXPECT_EQ(prints.count(), c.prints);
    EXPECT_EQ(explanations.count(), c.explanations);
}

INSTANTIATE_TEST_SUITE_P(Cases, EinzelstatistikActions,
                         ::testing::Values(ActionCase{"Escape", Act::Escape, true, 0, 0},
                                           ActionCase{"CloseButton", Act::CloseButton, true, 0, 0},
                                           ActionCase{"Enter", Act::Enter, false, 1, 0},
                                           ActionCase{"PrintButton", Act::PrintButton, false, 1, 0},
                                           ActionCase{"ExplainButton", Act::ExplainButton, false, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EinzelstatistikTest, KeepsItsPositionFromCreation) {
    EXPECT_EQ(dialog.size(), QSize(638 + 46, 430 + 71));
    EXPECT_EQ(dialog.ppp->geometry(), QRect(23, 47, 638, 430));
    EXPECT_EQ(dialog.pos(), QPoint((1024 - 684) / 2, (768 - 501) / 2));
    dialog.move(40, 30); // where the user dragged it
    globalState().displayWidth = 800;
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(40, 30));
    dialog.hide();
}

TEST_F(EinzelstatistikTest, GridLayout) {
    EXPECT_EQ(dialog.Hintergrund->geometry(), QRect(11, 15, 612, 362));
    const int xs[] = {155, 250, 340, 436, 524};
    const int ys[] = {60, 98, 135, 173, 210, 248, 285, 323};
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 8; ++r)
            EXPECT_EQ(dialog.values[r][c]->geometry(), QRect(xs[c], ys[r], 62, 26));
    EXPECT_EQ(dialog.ErklButton->geometry(), QRect(14, 386, 138, 34));
    EXPECT_EQ(dialog.okbutton->geometry(), QRect(160, 386, 138, 34));
    EXPECT_EQ(dialog.cancelbutton->geometry(), QRect(488, 386, 138, 34));
    dialog.show();
    const QImage image = dialog.ppp->grab().toImage();
    const QColor line(88, 130, 173), pale(215, 250, 240);
    for (int x : {138, 139, 230, 598, 599})
        EXPECT_EQ(image.pixelColor(x, 200 + 20), line) << x;
    for (int y : {50, 51, 351, 352})
        EXPECT_EQ(image.pixelColor(100, y), line) << y;
    EXPECT_EQ(image.pixelColor(137, 220), pale);
    EXPECT_EQ(image.pixelColor(100, 49), pale);
    EXPECT_EQ(image.pixelColor(29, 51), pale);  // horizontal lines start at x = 30
    EXPECT_EQ(image.pixelColor(139, 32), pale); // vertical lines start at y = 33
    EXPECT_EQ(image.pixelColor(5, 5), QColor(82, 190, 160));
    dialog.hide();
}

TEST_F(EinzelstatistikTest, ProgramInstanceIsTheFirstCreated) {
    EXPECT_EQ(&einzelstatistikDialog(), &dialog);
}

} // namespace
