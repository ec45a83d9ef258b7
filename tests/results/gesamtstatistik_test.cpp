#include "results/gesamtstatistik.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* file;
    const char* shown;
};

class NameLabel : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameLabel, ShowsTheNameUpToTheFirstDat) {
    EXPECT_EQ(NameLabelText(QString::fromUtf8(GetParam().file)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Cases, NameLabel,
                         ::testing::Values(NameCase{"Muster.DAT", "Muster"}, NameCase{"Gruppe.dat", "Gruppe"},
                                           NameCase{"Jörg.Dat", "Jörg"},
                                           // the first ".dat", whatever follows it
                                           NameCase{"a.dat.dat", "a"}, NameCase{"Kurs.Daten.txt", "Kurs"},
                                           NameCase{"Muster", ""}, NameCase{"Muster.da", ""},
                                           NameCase{"", ""}, NameCase{".dat", ""},
                                           // only the exact reserved name is hidden
                                           NameCase{"$$TEMP$$.DAT", ""},
                                           NameCase{"$$temp$$.dat", "$$temp$$"}));

struct NumberCase {
    const char* entry;
    int run;
};

class DetailNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DetailNumber, IsTakenFromTheFirstField) {
    EXPECT_EQ(DetailRunNumber(QString::fromUtf8(GetParam().entry)), GetParam().run) << GetParam().entry;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DetailNumber,
    ::testing::Values(NumberCase{"3;05.11.2003;Farbe/Wort - Version 1;20;17;652;97;2;1", 3},
                      NumberCase{"117;06.11.2003;Zahl/Anzahl - Version 4;8;8;400;12;0;0", 117},
                      NumberCase{"7", 7},
                      // entries that are no run open nothing
                      NumberCase{"-;-;Unbekannt;0;0;0;0;0;0", 0},
                      NumberCase{"-;-;Datenfehler;0;0;0;0;0;0", 0}, NumberCase{"Datenfehler", 0},
                      NumberCase{"File error", 0}, NumberCase{"", 0}, NumberCase{";05.11.2003", 0},
                      NumberCase{"-3;x", 0}, NumberCase{"+3;x", 0}, NumberCase{" 3;x", 0},
                      NumberCase{"3a;x", 0},
                      // 0 would list instead of load; too large is no run of any file
                      NumberCase{"0;x", 0}, NumberCase{"99999999999;x", 0}));

TEST(ListEntryCells, SplitsRunsIntoNineColumnsAndKeepsOtherEntriesWhole) {
    EXPECT_EQ(ListEntryCells("3;05.11.2003;Farbe/Wort - Version 1;20;17;652;97;2;1"),
              (QStringList{"3", "05.11.2003", "Farbe/Wort - Version 1", "20", "17", "652", "97", "2", "1"}));
    EXPECT_EQ(ListEntryCells("-;-;Unbekannt;0;0;0;0;0;0").size(), 9);
    EXPECT_EQ(ListEntryCells("Datenfehler"), QStringList{"Datenfehler"});
    // A family label read from a file may hold the separator: it stays in the type column.
    EXPECT_EQ(ListEntryCells("4;05.11.2003;Far;be - Version 2;20;17;652;97;2;1"),
              (QStringList{"4", "05.11.2003", "Far;be - Version 2", "20", "17", "652", "97", "2", "1"}));
}

} // namespace
