#include "app/global_state.h"
#include "app/language.h"
#include "run/parameter_dialog.h"
#include "tests/ui/modal_script.h"
#include "ui/daten.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_button.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

class ParameterDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedGlobal = globalState();
        savedLanguage = languageState().language;
        languageState().language = German;
    }
    void TearDown() override {
        globalState() = savedGlobal;
        languageState().language = savedLanguage;
    }

    // Replaces an edit's text by typing, as the user does.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    // Enter on the dialog's focus control (offscreen windows are not always active).
    void PressEnter() {
        QWidget* focus = dialog.focusWidget();
        QTest::keyClick(focus ? focus : &dialog, Qt::Key_Return);
    }
    static void ClickSpin(SpinButton* spin, bool up) {
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, up ? 3 : spin->height() - 3));
    }

    // Opens the dialog modally, runs `action` on it and returns the result.
    int Open(const std::function<void(TParameterDialog*)>& action) {
        script.on<TParameterDialog>(action);
        return dialog.exec();
    }

    GlobalState savedGlobal;
    int savedLanguage = German;
    TDaten daten;
    TMeldungDialog box;
    TParameterDialog dialog;
    ModalScript script;
};

TEST_F(ParameterDialogTest, StartsWithTheDefaults) {
    EXPECT_TRUE(dialog.VersionRadio1->isChecked());
    EXPECT_TRUE(dialog.PosRadio1->isChecked());
    EXPECT_TRUE(dialog.AntRadio1->isChecked());
    EXPECT_EQ(dialog.ZeitSpin->text(), "3000");
    EXPECT_EQ(dialog.Durchspin->text(), "20");
    EXPECT_EQ(dialog.ZeitSpinbutton->value(), 3000);
    EXPECT_EQ(dialog.DurchSpinButton->value(), 20);
    RunParameters p;
    p.version = 4;
    p.position = RandomPositions;
    p.feedback = AcousticFeedback;
    dialog.FillRunParameters(p, 2);
    EXPECT_EQ(p.family, 2);
    EXPECT_EQ(p.version, 1);
    EXPECT_EQ(p.position, FixedPositions);
    EXPECT_EQ(p.feedback, OpticalFeedback);
    EXPECT_EQ(p.timeLimit, 3000);
    EXPECT_EQ(p.rounds, 20);
}

TEST_F(ParameterDialogTest, EditsAndSpinButtonsHaveTheirLimits) {
    EXPECT_EQ(dialog.ZeitSpin->maxLength(), 4);
    EXPECT_EQ(dialog.Durchspin->maxLength(), 3);
    EXPECT_EQ(dialog.ZeitSpin->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(dialog.Durchspin->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(dialog.ZeitSpinbutton->minimum(), 500);
    EXPECT_EQ(dialog.ZeitSpinbutton->maximum(), 5000);
    EXPECT_EQ(dialog.ZeitSpinbutton->singleStep(), 100);
    EXPECT_EQ(dialog.DurchSpinButton->minimum(), 4);
    EXPECT_EQ(dialog.DurchSpinButton->maximum(), 200);
    EXPECT_EQ(dialog.DurchSpinButton->singleStep(), 4);
}

struct SpinCase {
    const char* name;
    bool rounds;       // the rounds pair, else the time pair
    const char* typed; // typed into the edit first; nullptr: as shown
    bool up;
    int clicks;
    const char* shown;
};

void PrintTo(const SpinCase& c, std::ostream* os) {
    *os << c.name;
}

class ParameterSpin : public ParameterDialogTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(ParameterSpin, WritesItsValueIntoTheEdit) {
    const SpinCase& c = GetParam();
    QLineEdit* edit = c.rounds ? dialog.Durchspin : dialog.ZeitSpin;
    SpinButton* spin = c.rounds ? dialog.DurchSpinButton : dialog.ZeitSpinbutton;
    dialog.show();
    if (c.typed)
        Type(edit, QString::fromUtf8(c.typed));
    for (int i = 0; i < c.clicks; ++i)
        ClickSpin(spin, c.up);
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(spin->value(), edit->text().toInt());
    dialog.hide();
}

INSTANTIATE_TEST_SUITE_P(Cases, ParameterSpin,
                         ::testing::Values(SpinCase{"TimeUp", false, nullptr, true, 2, "3200"},
                                           SpinCase{"TimeDown", false, nullptr, false, 1, "2900"},
                                           SpinCase{"TimeStopsAtMaximum", false, "4950", true, 3, "5000"},
                                           SpinCase{"TimeStopsAtMinimum", false, "600", false, 5, "500"},
                                           SpinCase{"RoundsUp", true, nullptr, true, 1, "24"},
                                           SpinCase{"RoundsStopAtMinimum", true, "8", false, 4, "4"},
                                           SpinCase{"RoundsStopAtMaximum", true, "196", true, 2, "200"},
                                           // the arrows step from what was typed, not from the last showing
                                           SpinCase{"FromTypedTime", false, "1000", true, 1, "1100"},
                                           SpinCase{"FromTypedRounds", true, "40", false, 1, "36"},
                                           SpinCase{"FromEmptyTime", false, "", true, 1, "600"}),
                         [](const auto& info) { return std::string(info.param.name); });

// One start of the dialog: what is typed, what the first start shows, what the run gets.
struct StartCase {
    const char* name;
    const char* time;        // typed into ZeitSpin; nullptr leaves "3000"
    const char* rounds;      // typed into Durchspin
    const char* correctedTo; // nullptr: starts at once; else the message and this text
    int timeLimit;           // what the run gets
    int runRounds;
    const char* timeShown; // the edits after closing
    const char* roundsShown;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class ParameterStart : public ParameterDialogTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(ParameterStart, ChecksCorrectsAndRepairs) {
    const StartCase& c = GetParam();
    QString message, caption, shownWithMessage;
    int messageHeight = 0;
    bool openDuringMessage = false, centred = false, single = false;
    script.on<TParameterDialog>([&](TParameterDialog* d) {
        if (c.time)
            Type(d->ZeitSpin, QString::fromUtf8(c.time));
        Type(d->Durchspin, QString::fromUtf8(c.rounds));
        d->HBut1->setFocus();
        PressEnter();
    });
    if (c.correctedTo) {
        script.on<TMeldungDialog>([&](TMeldungDialog* b) {
            message = b->Textfeld->text();
            caption = b->windowTitle();
            messageHeight = b->height();
            centred = b->Textfeld->alignment() == Qt::AlignCenter;
            single = !b->jabutton->isVisible();
            shownWithMessage = dialog.Durchspin->text();
            openDuringMessage = dialog.isVisible();
            QTest::keyClick(b, Qt::Key_Return);
        });
        // Back in the dialog: it is still open and starts on the next press.
        script.on<TParameterDialog>([&](TParameterDialog*) { PressEnter(); });
    }
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(",").toStdString();
    if (c.correctedTo) {
        EXPECT_TRUE(openDuringMessage);
        EXPECT_EQ(shownWithMessage, QString::fromUtf8(c.correctedTo));
        EXPECT_EQ(message, "Die Anzahl der Durchgänge wurde auf einen durch 4 teilbaren Wert korrigiert.");
        EXPECT_EQ(caption, "Hinweis");
        EXPECT_EQ(messageHeight, 264); // 6 lines
        EXPECT_TRUE(centred);
        EXPECT_TRUE(single);
    }
    RunParameters p;
    dialog.FillRunParameters(p, 1);
    EXPECT_EQ(p.timeLimit, c.timeLimit);
    EXPECT_EQ(p.rounds, c.runRounds);
    EXPECT_EQ(dialog.ZeitSpin->text(), QString::fromUtf8(c.timeShown));
    EXPECT_EQ(dialog.Durchspin->text(), QString::fromUtf8(c.roundsShown));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterStart,
    ::testing::Values(StartCase{"TwentyAtOnce", nullptr, "20", nullptr, 3000, 20, "3000", "20"},
                      StartCase{"TwentyTwoCorrected", nullptr, "22", "20", 3000, 20, "3000", "20"},
                      StartCase{"TwentyThreeCorrected", nullptr, "23", "20", 3000, 20, "3000", "20"},
                      StartCase{"TwoRaised", nullptr, "2", nullptr, 3000, 4, "3000", "4"},
                      StartCase{"TwoFiftyWrittenAndClamped", nullptr, "250", "200", 3000, 200, "3000", "200"},
                      StartCase{"ThreeHundredCutOnClose", nullptr, "300", nullptr, 3000, 200, "3000", "200"},
                      StartCase{"EmptyRounds", nullptr, "", nullptr, 3000, 20, "3000", "20"},
                      StartCase{"EmptyTime", "", "20", nullptr, 3000, 20, "3000", "20"},
                      StartCase{"LettersRounds", nullptr, "abc", nullptr, 3000, 4, "3000", "4"},
                      StartCase{"LettersTime", "abcd", "20", nullptr, 500, 20, "500", "20"},
                      StartCase{"TimeRaised", "100", "20", nullptr, 500, 20, "500", "20"},
                      StartCase{"TimeCut", "9000", "20", nullptr, 5000, 20, "5000", "20"},
                      StartCase{"TimeNotRounded", "3050", "40", nullptr, 3050, 40, "3050", "40"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParameterDialogTest, TheCorrectionIsInEnglishToo) {
    languageState().language = English;
    QString message, caption;
    script.on<TParameterDialog>([&](TParameterDialog* d) {
        Type(d->Durchspin, "21");
        QTest::mouseClick(d->okbutton, Qt::LeftButton);
    });
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        message = b->Textfeld->text();
        caption = b->windowTitle();
        QTest::keyClick(b, Qt::Key_Escape);
    });
    script.on<TParameterDialog>(
        [&](TParameterDialog* d) { QTest::mouseClick(d->cancelbutton, Qt::LeftButton); });
    EXPECT_EQ(dialog.exec(), 2);
    EXPECT_TRUE(script.unexpected.isEmpty());
    EXPECT_EQ(message, "The number of rounds was corrected to a value that can be devided by 4.");
    EXPECT_EQ(caption, "Info");
    EXPECT_EQ(dialog.Durchspin->text(), "20");
}

enum class Way { Escape, CancelButton, CloseBox, StartButton, HiddenButton };

struct CloseCase {
    const char* name;
    Way way;
    int result;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParameterClose : public ParameterDialogTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ParameterClose, EveryWayOutRepairs) {
    const CloseCase& c = GetParam();
    const int result = Open([&](TParameterDialog* d) {
        Type(d->ZeitSpin, "");
        Type(d->Durchspin, "");
        switch (c.way) {
        case Way::Escape:
            QTest::keyClick(d->ZeitSpin, Qt::Key_Escape);
            break;
        case Way::CancelButton:
            QTest::mouseClick(d->cancelbutton, Qt::LeftButton);
            break;
        case Way::CloseBox:
            QTest::mouseClick(d, Qt::LeftButton, {}, CloseBoxRect(d->width()).center());
            break;
        case Way::StartButton:
            QTest::mouseClick(d->okbutton, Qt::LeftButton);
            break;
        case Way::HiddenButton:
            d->HBut1->click();
            break;
        }
    });
    EXPECT_EQ(result, c.result);
    EXPECT_TRUE(script.unexpected.isEmpty());
    EXPECT_EQ(dialog.ZeitSpin->text(), "3000");
    EXPECT_EQ(dialog.Durchspin->text(), "20");
    EXPECT_EQ(dialog.ZeitSpinbutton->value(), 3000);
    EXPECT_EQ(dialog.DurchSpinButton->value(), 20);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParameterClose,
                         ::testing::Values(CloseCase{"Escape", Way::Escape, 2},
                                           CloseCase{"CancelButton", Way::CancelButton, 2},
                                           CloseCase{"CloseBox", Way::CloseBox, 2},
                                           CloseCase{"StartButton", Way::StartButton, 1},
                                           CloseCase{"HiddenButton", Way::HiddenButton, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParameterDialogTest, KeepsTheValuesForTheNextRunOfEitherFamily) {
    ASSERT_EQ(Open([&](TParameterDialog* d) {
                  QTest::mouseClick(d->VersionRadio3, Qt::LeftButton);
                  QTest::mouseClick(d->PosRadio2, Qt::LeftButton);
                  QTest::mouseClick(d->AntRadio2, Qt::LeftButton);
                  Type(d->ZeitSpin, "2000");
                  Type(d->Durchspin, "40");
                  PressEnter();
              }),
              1);
    RunParameters first;
    dialog.FillRunParameters(first, 1);
    EXPECT_EQ(first.version, 3);
    EXPECT_EQ(first.position, RandomPositions);
    EXPECT_EQ(first.feedback, AcousticFeedback);
    EXPECT_EQ(first.timeLimit, 2000);
    EXPECT_EQ(first.rounds, 40);

    // Reopened, for the other family: the same values, and the focus back on HBut1.
    bool checked[4] = {};
    QString time, rounds;
    int timeSpin = 0, roundsSpin = 0;
    QWidget* focus = nullptr;
    ASSERT_EQ(Open([&](TParameterDialog* d) {
                  checked[0] = d->VersionRadio3->isChecked();
                  checked[1] = d->PosRadio2->isChecked();
                  checked[2] = d->AntRadio2->isChecked();
                  checked[3] = !d->VersionRadio1->isChecked() && !d->PosRadio1->isChecked();
                  time = d->ZeitSpin->text();
                  rounds = d->Durchspin->text();
                  timeSpin = d->ZeitSpinbutton->value();
                  roundsSpin = d->DurchSpinButton->value();
                  focus = d->focusWidget();
                  PressEnter();
              }),
              1);
    EXPECT_TRUE(checked[0] && checked[1] && checked[2] && checked[3]);
    EXPECT_EQ(time, "2000");
    EXPECT_EQ(rounds, "40");
    EXPECT_EQ(timeSpin, 2000);
    EXPECT_EQ(roundsSpin, 40);
    EXPECT_EQ(focus, dialog.HBut1);
    RunParameters second;
    dialog.FillRunParameters(second, 2);
    first.family = 2;
    EXPECT_EQ(second, first);
}

TEST_F(ParameterDialogTest, EachVersionRadioGivesItsVersion) {
    const QRadioButton* radios[] = {dialog.VersionRadio1, dialog.VersionRadio2, dialog.VersionRadio3,
                                    dialog.VersionRadio4};
    dialog.show();
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(const_cast<QRadioButton*>(radios[i]), Qt::LeftButton);
        RunParameters p;
        dialog.FillRunParameters(p, 1);
        EXPECT_EQ(p.version, i + 1);
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(radios[j]->isChecked(), i == j);
    }
    // The groups are separate: a position choice leaves the version alone.
    QTest::mouseClick(dialog.PosRadio2, Qt::LeftButton);
    EXPECT_TRUE(dialog.VersionRadio4->isChecked());
    EXPECT_TRUE(dialog.AntRadio1->isChecked());
    dialog.hide();
}

TEST_F(ParameterDialogTest, FocusOnTheHiddenStartButtonSoEnterStarts) {
    QWidget* focus = nullptr;
    QRect hidden;
    const int result = Open([&](TParameterDialog* d) {
        focus = d->focusWidget();
        hidden = d->HBut1->geometry();
        QTest::keyClick(focus, Qt::Key_Enter); // the keypad's Enter too
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(focus, dialog.HBut1);
    EXPECT_EQ(hidden.left(), -50);
    EXPECT_LT(hidden.right(), 0); // wholly out of sight
}

struct TextCase {
    int language;
    std::array<const char*, 17> texts; // caption, buttons, labels, radios
};

class ParameterTexts : public ParameterDialogTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(ParameterTexts, FollowTheLanguage) {
    const TextCase& c = GetParam();
    languageState().language = c.language;
    dialog.show();
    const QString shown[] = {
        dialog.windowTitle(),         dialog.okbutton->text(),      dialog.cancelbutton->text(),
        dialog.VersionLabel->text(),  dialog.PosLabel->text(),      dialog.AntLabel->text(),
        dialog.ZeitLabel->text(),     dialog.DurchLabel->text(),    dialog.VersionRadio1->text(),
        dialog.VersionRadio2->text(), dialog.VersionRadio3->text(), dialog.VersionRadio4->text(),
        dialog.PosRadio1->text(),     dialog.PosRadio2->text(),     dialog.AntRadio1->text(),
        dialog.AntRadio2->text(),     dialog.MsLabel->text()};
    for (size_t i = 0; i < c.texts.size(); ++i)
        EXPECT_EQ(shown[i], QString::fromUtf8(c.texts[i])) << i;
    dialog.hide();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterTexts,
    ::testing::Values(TextCase{German,
                               {"Parameter", "Starten", "Abbrechen", "Version:", "Position:", "Antwort:",
                                "Zeitvorgabe:", "Anzahl Durchgänge:", "Version 1", "Version 2", "Version 3",
                                "Version 4", "Fest", "Zufall", "optisch", "akustisch", "ms"}},
                      TextCase{English,
                               {"Parameter", "Start", "Cancel", "Version:", "Position:", "Answer:",
                                "Interval:", "Rounds:", "version 1", "version 2", "version 3", "version 4",
                                "steady", "random", "optical", "acoustic", "ms"}}));

TEST_F(ParameterDialogTest, LooksAsDesignedAndCentres) {
    globalState().displayWidth = 800;
    globalState().displayHeight = 600;
    dialog.move(0, 0);
    dialog.show();
    EXPECT_EQ(dialog.ppp->geometry(), QRect(23, 47, 408, 353));
    EXPECT_EQ(dialog.size(), QSize(454, 424));
    EXPECT_EQ(dialog.pos(), QPoint((800 - 454) / 2, (600 - 424) / 2));
    // Start left of cancel, both 138 x 34 with their caption font and colour.
    EXPECT_EQ(dialog.okbutton->size(), QSize(138, 34));
    EXPECT_EQ(dialog.cancelbutton->size(), QSize(138, 34));
    EXPECT_LT(dialog.okbutton->x() + 138, dialog.cancelbutton->x());
    EXPECT_EQ(dialog.okbutton->y(), dialog.cancelbutton->y());
    EXPECT_LE(dialog.okbutton->y() + 34, 353);
    for (PictureButton* b : {dialog.okbutton, dialog.cancelbutton}) {
        EXPECT_EQ(b->font().pixelSize(), 13);
        EXPECT_TRUE(b->font().bold());
        EXPECT_EQ(b->textColor(), QColor(210, 220, 240));
    }
    for (QLabel* l :
         {dialog.VersionLabel, dialog.PosLabel, dialog.AntLabel, dialog.ZeitLabel, dialog.DurchLabel}) {
        EXPECT_EQ(l->font().pixelSize(), 16);
        EXPECT_TRUE(l->font().bold());
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(64, 128, 128));
        EXPECT_EQ(l->parentWidget()->palette().color(QPalette::Window), QColor(215, 250, 240));
        // Every label fits its text.
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << l->text().toStdString();
    }
    for (QRadioButton* r : {dialog.VersionRadio1, dialog.PosRadio2, dialog.AntRadio2}) {
        EXPECT_EQ(r->font().pixelSize(), 16);
        EXPECT_EQ(r->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_GE(r->width(), r->sizeHint().width()) << r->text().toStdString();
    }
    const QImage image = dialog.ppp->grab().toImage();
    EXPECT_EQ(image.pixelColor(4, 4), QColor(82, 190, 160));
    EXPECT_EQ(image.pixelColor(dialog.VersionLabel->parentWidget()->x() + 2,
                               dialog.VersionLabel->parentWidget()->y() + 2),
              QColor(215, 250, 240));
    dialog.hide();
}

TEST_F(ParameterDialogTest, ProgramInstanceIsTheFirstCreated) {
    EXPECT_EQ(&parameterDialog(), &dialog);
}

} // namespace
