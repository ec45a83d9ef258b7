#include "results/report_texts.h"

#include <gtest/gtest.h>

namespace {

struct RowCase {
    const char* name;
    QString entry;
    PrintRow expected;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintTableRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(PrintTableRows, SplitAfterTheRunNumber) {
    EXPECT_EQ(PrintTableRow(GetParam().entry), GetParam().expected);
}

const QString LongType = QStringLiteral("Farbe/Wort mit langem Namen - Version 2"); // 39 characters

INSTANTIATE_TEST_SUITE_P(
    Entries, PrintTableRows,
    ::testing::Values(
        RowCase{"Run",
                "12;03.04.2024;Farbe/Wort - Version 2;40;35;612;88;5;2",
                {"03.04.2024", "Farbe/Wort - Version 2", "40", "35", "612", "88", "5", "2"}},
        RowCase{"EmptyFile", "-;-;Unbekannt;0;0;0;0;0;0", {"-", "Unbekannt", "0", "0", "0", "0", "0", "0"}},
        RowCase{"NoData",
                "-;-;Keine Daten vorhanden;0;0;0;0;0;0",
                {"-", "Keine Daten vorhanden", "0", "0", "0", "0", "0", "0"}},
        // No ";" at all: seven empty fields and the whole entry, uncut, in F8.
        RowCase{"Datenfehler", "Datenfehler", {"", "", "", "", "", "", "", "Datenfehler"}},
        RowCase{"FileError", "File error", {"", "", "", "", "", "", "", "File error"}},
        // Missing separators leave the fields empty and the text for F8.
        RowCase{"FewFields", "7;01.01.2024;rest", {"01.01.2024", "", "", "", "", "", "", "rest"}},
        // More separators than fields: F8 takes the rest with its ";".
        RowCase{"ExtraFields", "1;a;b;c;d;e;f;g;h;i", {"a", "b", "c", "d", "e", "f", "g", "h;i"}},
        RowCase{"LongType",
                "3;01.02.2024;" + LongType + ";20;18;450;60;2;1",
                {"01.02.2024", LongType.left(30), "20", "18", "450", "60", "2", "1"}},
        RowCase{"Empty", "", {"", "", "", "", "", "", "", ""}}));

TEST(PrintTableRowsWidth, EveryFieldIsCutToItsWidth) {
    const QString eleven = QStringLiteral("12345678901");
    const PrintRow row = PrintTableRow("1;" + eleven + ';' + QString(40, u'x') + ';' + eleven + ';' + eleven +
                                       ';' + eleven + ';' + eleven + ';' + eleven + ";123456789012");
    EXPECT_EQ(row[0], "1234567890");
    EXPECT_EQ(row[1].size(), 30);
    for (int f = 2; f < 7; ++f)
        EXPECT_EQ(row[f], "1234567890") << f;
    EXPECT_EQ(row[7], "12345678901");
}

struct TypeCase {
    QString prtkey;
    int language;
    QString expected;
};

TEST(SingleRunTypeLine, FamilyWordAndVersionName) {
    TextTable german, english;
    SetLanguageTexts(German, german);
    SetLanguageTexts(English, english);
    const TypeCase cases[] = {
        {"Z-12", German, "Farbe - Version 2"},
        {"Z-14", English, "color - version 4"},
        {"Z-23", German, "Zahl - Version 3"},
        {"Z-21", English, "digit - version 1"},
        {" Z-11 ", German, "Farbe - Version 1"},
        {"Z-1", German, "Unbekannt"},
        {"  Z-2  ", English, "Unknown"},
        {"", German, "Unbekannt"},
        {"Z-15", German, "Unbekannt"},
        {"Z-20", English, "Unknown"},
        {"Z-12", 3, ""},
    };
    for (const TypeCase& c : cases)
        EXPECT_EQ(SingleRunTypeLine(c.prtkey, c.language, c.language == English ? english : german),
                  c.expected)
            << c.prtkey.toStdString() << " " << c.language;
}

TEST(ReportLabels, BothLanguages) {
    const std::array<QString, 8> germanRows = {"Richtige",   "Mittelwert",   "Standardabw.", "Falsche",
                                               "Mittelwert", "Standardabw.", "Interferenz",  "Eliminierte"};
    const std::array<QString, 8> englishRows = {"correct",      "average value", "stand.dev.",
                                                "incorrect",    "average value", "stand.dev.",
                                                "interference", "eliminated"};
    EXPECT_EQ(SingleRunRowLabels(German), germanRows);
    EXPECT_EQ(SingleRunRowLabels(English), englishRows);

    const PrintRow germanTitles = {"Datum",    "Übungstyp", "Anzahl", "Richtig",
                                   "Mittelw.", "St.-Abw.",  "Falsch", "Interfer."};
    const PrintRow englishTitles = {"date",    "type of ex.", "rounds",    "correct",
                                    "average", "st.-dev.",    "incorrect", "Interfer."};
    EXPECT_EQ(ListReportTitles(German), germanTitles);
    EXPECT_EQ(ListReportTitles(English), englishTitles);
}

TEST(ReportLabels, TimeAndFooter) {
    RunRecord r;
    r.svdate = "05.06.2024";
    r.svtime = "14.07";
    EXPECT_EQ(ReportTimeText(r), "05.06.2024 - 14.07");
    EXPECT_EQ(ChartFooterText("Muster.dat", r), "Muster.dat (05.06.2024 - 14.07)");
}

struct MessageCase {
    const char* name;
    PrintMessage (*make)(int);
    PrintMessage german;
    PrintMessage english;
};

TEST(PrintMessages, TextsAndCaptions) {
    const MessageCase cases[] = {
        {"question",
         StatisticsPrintQuestion,
         {"Soll die Statistik gedruckt werden?", ""},
         {"Do you want to print the statistics?", ""}},
        {"chart question",
         ChartPrintQuestion,
         {"Soll die Grafik gedruckt werden?", ""},
         {"Do you want to print the chart?", ""}},
        {"single run printed",
         SingleRunPrintedMessage,
         {"Die Statistik wurde gedruckt.", "Hinweis"},
         {"The statistics have been printed.", "Info"}},
        {"list printed",
         ListPrintedMessage,
         {"Die Statistik wurde gedruckt.", "Hinweis"},
         {"The statistic has been printed.", "Info"}},
        {"chart printed",
         ChartPrintedMessage,
         {"Die Grafik wurde gedruckt.", "Hinweis"},
         {"Die Grafik wurde gedruckt.", "Hinweis"}},
        {"table failed",
         PrintTableFailedMessage,
         {"Die Druckdatenbank kann nicht generiert werden!", "Fehler"},
         {"The print file could not be created.", "Error"}},
    };
    for (const MessageCase& c : cases) {
        const PrintMessage g = c.make(German), e = c.make(English), other = c.make(0);
        EXPECT_EQ(g.text, c.german.text) << c.name;
        EXPECT_EQ(g.caption, c.german.caption) << c.name;
        EXPECT_EQ(e.text, c.english.text) << c.name;
        EXPECT_EQ(e.caption, c.english.caption) << c.name;
        EXPECT_TRUE(other.text.isEmpty()) << c.name;
    }
}

TEST(PrintMessages, TheFileMessagesNameTheFile) {
    const QString file = "/data/velmora/EinzelStatistikReport.pdf";
    for (int language : {German, English}) {
        const PrintMessage saved = SavedAsPdfMessage(language, file);
        const PrintMessage failed = PrintFailedMessage(language, file);
        EXPECT_TRUE(saved.text.endsWith(file)) << language;
        EXPECT_TRUE(failed.text.endsWith(file)) << language;
        EXPECT_EQ(saved.caption, language == German ? "Hinweis" : "Info");
        EXPECT_EQ(failed.caption, language == German ? "Fehler" : "Error");
    }
    EXPECT_TRUE(SavedAsPdfMessage(German, file).text.startsWith("Es ist kein Drucker"));
    EXPECT_TRUE(SavedAsPdfMessage(English, file).text.startsWith("There is no printer"));
}

} // namespace
