#include "tests/results/overall_stats_fixture.h"
#include "ui/picture_button.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

using Gesamt = OverallStatsTest;

QStringList RowCells(const TGesamtstatistikDialog* d, int row) {
    QStringList cells;
    const QTreeWidgetItem* item = d->StatistikListBox->topLevelItem(row);
    for (int c = 0; item && c < item->columnCount(); ++c)
        cells << item->text(c);
    return cells;
}

QStringList RunNumbers(const TGesamtstatistikDialog* d) {
    QStringList numbers;
    for (int row = 0; row < d->StatistikListBox->topLevelItemCount(); ++row)
        numbers << d->StatistikListBox->topLevelItem(row)->text(0);
    return numbers;
}

QPoint RowCentre(const TGesamtstatistikDialog* d, int row) {
    return d->StatistikListBox->visualItemRect(d->StatistikListBox->topLevelItem(row)).center();
}

struct NoListCase {
    const char* name;
    int language;
    bool loggedIn;
    const char* text;
    const char* caption;
};

class NoList : public Gesamt, public ::testing::WithParamInterface<NoListCase> {};

TEST_P(NoList, TellsWhyAndShowsNoDialog) {
    const NoListCase& c = GetParam();
    UseLanguage(c.language);
    if (!c.loggedIn)
        currentUser() = {};
    overallStatsState().todayOnly = true;
    const RunRecord before = runRecord();
    QString text, caption;
    ModalScript script;
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        text = b->Textfeld->text();
        caption = b->windowTitle();
        EXPECT_FALSE(b->jabutton->isVisible()); // OK only
        b->done(2);
    });
    play(script, [] { GesamtstatistikbuttonClick(); });
    EXPECT_EQ(text, QString::fromUtf8(c.text));
    EXPECT_EQ(caption, QString::fromUtf8(c.caption));
    EXPECT_FALSE(overallStatsState().todayOnly);
    EXPECT_TRUE(runRecord() == before);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoList,
                         ::testing::Values(NoListCase{"NobodyGerman", German, false,
                                                      "Es ist noch kein Benutzer angemeldet.", "Hinweis"},
                                           NoListCase{"NobodyEnglish", English, false,
                                                      "There is no user registered yet.", "Info"},
                                           // logged in, but the file has gone: the same message
                                           NoListCase{"NoFileGerman", German, true,
                                                      "Es ist noch kein Benutzer angemeldet.", "Hinweis"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LanguageCase {
    int language;
    QStringList headers;
    QStringList captions; // dialog, Gesamt, Tag, Details, Graph, Schließen, Drucken
};

class ListShown : public Gesamt, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(ListShown, NineColumnsHeadersCaptionsAndTheNewestRunSelected) {
    const LanguageCase& c = GetParam();
    UseLanguage(c.language);
    writeRuns({{"Z-132", 3, Rounds({600, 700, 800})}, {"Z-241", 0, Rounds({500})}});
    ModalScript script;
    script.on<TGesamtstatistikDialog>([&](TGesamtstatistikDialog* d) {
        EXPECT_EQ(d->windowTitle(), c.captions[0]);
        const QList<PictureButton*> buttons = {d->GesamtButton, d->TagButton,    d->DetailButton,
                                               d->Graphbutton,  d->cancelbutton, d->druckbutton};
        for (int i = 0; i < buttons.size(); ++i)
            EXPECT_EQ(buttons[i]->text(), c.captions[i + 1]);
        QHeaderView* header = d->StatistikListBox->header();
        QStringList headers;
        for (int i = 0; i < header->count(); ++i) {
            headers << d->StatistikListBox->headerItem()->text(i);
            EXPECT_EQ(header->sectionSize(i), ListColumnWidths[size_t(i)]) << i;
        }
        EXPECT_EQ(headers, c.headers);
        EXPECT_EQ(header->height(), 17);
        EXPECT_EQ(d->NameLabel->text(), "Muster");
        const QString type = c.language == German ? "Farbe/Wort - Version 3" : "Farbe/Wort - version 3";
        const QString date = QDate::currentDate().addDays(-3).toString("dd.MM.yyyy");
        EXPECT_EQ(RowCells(d, 0), (QStringList{"1", date, type, "4", "3", "700", "100", "1", "1"}));
        EXPECT_EQ(RowCells(d, 1).first(), "2");
        EXPECT_EQ(d->selectedRow(), 1); // the newest run, although the opening chose the first
        EXPECT_EQ(d->StatistikListBox->geometry(), QRect(18, 38, 604, 320));
        EXPECT_EQ(d->pos(), QPoint((1024 - 686) / 2, (768 - 531) / 2));
        d->done(2);
    });
    play(script, [] { GesamtstatistikbuttonClick(); });
    EXPECT_EQ(overallStatsState().runsListed, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ListShown,
    ::testing::Values(
        LanguageCase{
            German,
            {"Nr.", "Datum", "Übungstyp", "Anzahl", "Richtig", "Mittelw.", "St.-Abw.", "Falsch", "Interf."},
            {"Statistik", "Gesamtstatisik", "Tagesstatistik", "Details", "Graph", "Schließen", "Drucken"}},
        LanguageCase{English,
                     {"#", "date", "type", "rounds", "correct", "aver.val.", "deviat.", "incor.", "interf."},
                     {"statistics", "Overall statistics", "Today's statistic", "Details", "Chart", "Close",
                      "Print"}}));

TEST_F(Gesamt, AnEmptyFileListsTheUnknownEntryWhichOpensNothing) {
    writeRuns({});
    ModalScript script; // a detail view would be unexpected
    script.on<TGesamtstatistikDialog>([&](TGesamtstatistikDialog* d) {
        EXPECT_EQ(d->entries(), QStringList{"-;-;Unbekannt;0;0;0;0;0;0"});
        EXPECT_EQ(RowCells(d, 0), (QStringList{"-", "-", "Unbekannt", "0", "0", "0", "0", "0", "0"}));
        EXPECT_EQ(d->selectedRow(), 0);
        QTest::mouseClick(d->DetailButton, Qt::LeftButton);
        QTest::mouseDClick(d->StatistikListBox->viewport(), Qt::LeftButton, {}, RowCentre(d, 0));
        EXPECT_EQ(QApplication::activeModalWidget(), d);
        d->done(2);
    });
    play(script, [] { GesamtstatistikbuttonClick(); });
    EXPECT_EQ(overallStatsState().runsListed, 0);
}

TEST_F(Gesamt, EntriesThatAreNoRunsOpenNothing) {
    // Run 1 is marked faulty, run 2 has a round field that is no number.
    writeRuns({{"\\", 0, Rounds({500})}, {"Z-111", 0, Rounds({500})}});
    QByteArray bytes;
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        bytes = f.readAll();
    }
    const qsizetype second = bytes.indexOf("$ prname", 1);
    const qsizetype round = bytes.indexOf("\r\n         1", second) + 2;
    bytes.replace(round + 28, 2, "x0");
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    ModalScript script; // a detail view would be unexpected
    script.on<TGesamtstatistikDialog>([&](TGesamtstatistikDialog* d) {
        ASSERT_EQ(d->entries().size(), 2);
        EXPECT_EQ(d->entries()[0], "-;-;Datenfehler;0;0;0;0;0;0");
        EXPECT_EQ(d->entries()[1], "Datenfehler");
        EXPECT_EQ(RowCells(d, 1), QStringList{"Datenfehler"});
        EXPECT_TRUE(d->StatistikListBox->isFirstColumnSpanned(1, QModelIndex()));
        for (int row : {0, 1}) {
            d->selectRow(row);
            QTest::mouseClick(d->DetailButton, Qt::LeftButton);
            EXPECT_EQ(QApplication::activeModalWidget(), d) << row;
        }
        QTest::mouseDClick(d->StatistikListBox->viewport(), Qt::LeftButton, {}, RowCentre(d, 1));
        EXPECT_EQ(QApplication::activeModalWidget(), d);
        d->done(2);
    });
    play(script, [] { GesamtstatistikbuttonClick(); });
}

TEST_F(Gesamt, DetailsShowRunKAndTheMainScreensRunComesBack) {
    writeRuns({{"Z-112", 1, Rounds({600, 700})},
               {"Z-231", 0, Rounds({500, 520, 540, 560})},
               {"Z-122", 0, Rounds({800})}});
    runRecord() = RecordOf({"Z-142", 0, Rounds({444})});
    const RunRecord mainScreen = runRecord();
    QStringList shown; // prtkey and "correct" of each detail view
    QList<ChartBar> chartBars;
    QSignalSpy finished(&gesamtstatistikDialog(), &QDialog::finished);
    ModalScript script;
    auto detail = [&](TEinzelstatistikDialog* e) {
        shown << runRecord().prtkey + ":" + e->values[0][0]->text();
        e->done(2);
    };
    script.on<TGesamtstatistikDialog>([&](TGesamtstatistikDialog* d) {
        d->selectRow(1);
        QTest::mouseClick(d->DetailButton, Qt::LeftButton);
        // A double click opens the entry under the mouse.
        QTest::mouseClick(d->StatistikListBox->viewport(), Qt::LeftButton, {}, RowCentre(d, 0));
        QTest::mouseDClick(d->StatistikListBox->viewport(), Qt::LeftButton, {}, RowCentre(d, 0));
        // After the details of run 1 the chart still covers every run.
        QTest::mouseClick(d->Graphbutton, Qt::LeftButton);
    });
    script.on<TEinzelstatistikDialog>(detail);
    script.on<TEinzelstatistikDialog>(detail);
    script.on<TFilterDialog>([&](TFilterDialog* f) {
        chartBars = f->bars();
        f->done(1);
    });
    script.on<TGesamtstatistikDialog>([](TGesamtstatistikDialog* d) {
        d->StatistikListBox->setFocus();
        QTest::keyClick(d->StatistikListBox, Qt::Key_Return);
    });
    play(script, [] { GesamtstatistikbuttonClick(); });
    EXPECT_EQ(shown, (QStringList{"Z-231:4", "Z-112:2"}));
    ASSERT_EQ(chartBars.size(), 3);
    EXPECT_EQ(chartBars[2], (ChartBar{3, 800, 0}));
    EXPECT_TRUE(runRecord() == mainScreen);
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0][0].toInt(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Gesamt, TheDayListKeepsTheFileNumbers) {
    writeRuns({{"Z-111", 2, Rounds({600})},
               {"Z-121", 0, Rounds({610, 620})},
               {"Z-211", 1, Rounds({630})},
               {"Z-221", 0, Rounds({640, 650, 660})}});
    QString detailKey;
    ModalScript script;
    script.on<TGesamtstatistikDialog>([&](TGesamtstatistikDialog* d) {
        QTest::mouseClick(d->TagButton, Qt::LeftButton);
        EXPECT_TRUE(overallStatsState().todayOnly);
        EXPECT_EQ(RunNumbers(d), (QStringList{"2", "4"}));
        EXPECT_EQ(d->selectedRow(), 0);
        d->selectRow(1);
        QTest::mouseClick(d->DetailButton, Qt::LeftButton);
    });
    script.on<TEinzelstatistikDialog>([&](TEinzelstatistikDialog* e) {
        detailKey = runRecord().prtkey;
        e->done(2);
    });
    script.on<TGesamtstatistikDialog>([&](TGesamtstatistikDialog* d) {
        QTest::mouseClick(d->GesamtButton, Qt::LeftButton);
        EXPECT_FALSE(overallStatsState().todayOnly);
        EXPECT_EQ(RunNumbers(d), (QStringList{"1", "2", "3", "4"}));
        EXPECT_EQ(d->selectedRow(), 0);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    play(script, [] { GesamtstatistikbuttonClick(); });
    EXPECT_EQ(detailKey, "Z-221");
    EXPECT_EQ(overallStatsState().runsListed, 4); // the day list does not change it
}

TEST_F(Gesamt, ADayWithoutRunsGivesAnEmptyListAndAnEmptyChart) {
    writeRuns({{"Z-111", 1, Rounds({600})}, {"Z-212", 5, Rounds({700})}});
    bool chartShown = true;
    QString noData;
    QSignalSpy print(&gesamtstatistikDialog(), &TGesamtstatistikDialog::printRequested);
    ModalScript script;
    script.on<TGesamtstatistikDialog>([&](TGesamtstatistikDialog* d) {
        QTest::mouseClick(d->TagButton, Qt::LeftButton);
        EXPECT_TRUE(d->entries().isEmpty());
        EXPECT_EQ(d->StatistikListBox->topLevelItemCount(), 0);
        EXPECT_EQ(d->selectedRow(), -1);
        QTest::mouseClick(d->DetailButton, Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), d);
        QTest::mouseClick(d->druckbutton, Qt::LeftButton);
        QTest::mouseClick(d->Graphbutton, Qt::LeftButton);
    });
    script.on<TFilterDialog>([&](TFilterDialog* f) {
        chartShown = f->Chart1->isVisible();
        noData = f->FehlerLabel->isVisible() ? f->FehlerLabel->text() : QString();
        QTest::keyClick(f, Qt::Key_Escape);
    });
    script.on<TGesamtstatistikDialog>([](TGesamtstatistikDialog* d) { d->cancelbutton->click(); });
    play(script, [] { GesamtstatistikbuttonClick(); });
    EXPECT_FALSE(chartShown);
    EXPECT_EQ(noData, "Für diese Auswahl liegen keine Daten vor.");
    EXPECT_EQ(print.size(), 1); // printing handles the empty list itself
    // todayOnly stays as the dialog left it; the next opening clears it.
    EXPECT_TRUE(overallStatsState().todayOnly);
}

TEST_F(Gesamt, ClosingKeysAndButtons) {
    writeRuns({{"Z-111", 0, Rounds({600})}});
    const struct {
        const char* name;
        std::function<void(TGesamtstatistikDialog*)> close;
        int result;
    } cases[] = {
        {"Enter", [](TGesamtstatistikDialog* d) { QTest::keyClick(d->StatistikListBox, Qt::Key_Enter); }, 1},
        {"Escape", [](TGesamtstatistikDialog* d) { QTest::keyClick(d->StatistikListBox, Qt::Key_Escape); },
         2},
        {"Schließen", [](TGesamtstatistikDialog* d) { QTest::mouseClick(d->cancelbutton, Qt::LeftButton); },
         2},
        {"CloseBox",
         [](TGesamtstatistikDialog* d) {
             QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(d->width() - 35, 25));
         },
         2},
    };
    for (const auto& c : cases) {
        QSignalSpy finished(&gesamtstatistikDialog(), &QDialog::finished);
        ModalScript script;
        script.on<TGesamtstatistikDialog>(c.close);
        play(script, [] { GesamtstatistikbuttonClick(); });
        ASSERT_EQ(finished.size(), 1) << c.name;
        EXPECT_EQ(finished[0][0].toInt(), c.result) << c.name;
    }
}

TEST_F(Gesamt, NameLabelFollowsTheUserFile) {
    const struct {
        const char* file;
        const char* shown;
    } cases[] = {{"Muster.DAT", "Muster"}, {"$$TEMP$$.DAT", ""}, {"Protokoll", ""}};
    for (const auto& c : cases) {
        currentUser().CurrentUserFile = c.file;
        writeRuns({{"Z-111", 0, Rounds({600})}});
        QString shown = "<not shown>";
        ModalScript script;
        script.on<TGesamtstatistikDialog>([&](TGesamtstatistikDialog* d) {
            shown = d->NameLabel->text();
            d->done(2);
        });
        play(script, [] { GesamtstatistikbuttonClick(); });
        EXPECT_EQ(shown, c.shown) << c.file;
    }
}

// The file changes behind the open dialog: a run that is gone shows no other run in its place,
// and a file that is gone leaves the list as it was.
TEST_F(Gesamt, AFileThatChangedWhileOpenShowsNoStaleRun) {
    writeRuns({{"Z-111", 0, Rounds({600})}, {"Z-211", 0, Rounds({700})}});
    QStringList listed;
    ModalScript script; // a detail view would be unexpected
    script.on<TGesamtstatistikDialog>([&](TGesamtstatistikDialog* d) {
        writeRuns({{"Z-111", 0, Rounds({600})}});
        d->selectRow(1);
        QTest::mouseClick(d->DetailButton, Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), d);
        QFile::remove(path());
        QTest::mouseClick(d->GesamtButton, Qt::LeftButton);
        listed = RunNumbers(d);
        d->selectRow(0);
        QTest::mouseClick(d->DetailButton, Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), d);
        d->done(2);
    });
    play(script, [] { GesamtstatistikbuttonClick(); });
    EXPECT_EQ(listed, (QStringList{"1", "2"}));
}

} // namespace
