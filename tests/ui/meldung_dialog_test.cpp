#include "app/global_state.h"
#include "app/language.h"
#include "tests/ui/modal_script.h"
#include "ui/daten.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_button.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MessageBox : public ::testing::Test {
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
    GlobalState savedGlobal;
    int savedLanguage = German;
    TDaten daten;
    TMeldungDialog box; // the program's instance while it lives
};

struct SizeCase {
    quint8 lines;
    int windowHeight;
    int textHeight;
};

class MessageBoxSize : public MessageBox, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(MessageBoxSize, FollowsTheLineCount) {
    const SizeCase& c = GetParam();
    box.Configure("Text", "Hinweis", c.lines, true, false);
    EXPECT_EQ(box.size(), QSize(487, c.windowHeight));
    EXPECT_EQ(box.ppp->geometry(), QRect(23, 47, 441, c.windowHeight - 71));
    EXPECT_EQ(box.Textfeld->geometry(), QRect(23, 19, 394, c.textHeight));
    EXPECT_EQ(box.L3->geometry(), QRect(13, 19, 415, c.textHeight));
    EXPECT_EQ(box.L2->geometry(), QRect(12, 18, 417, c.textHeight + 2));
    EXPECT_EQ(box.L1->geometry(), QRect(11, 17, 419, c.textHeight + 4));
    EXPECT_EQ(box.UPanel->geometry(), QRect(0, c.windowHeight - 71 - 43, 441, 43));
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageBoxSize,
                         ::testing::Values(SizeCase{4, 220, 84}, SizeCase{6, 264, 128},
                                           SizeCase{8, 308, 172}));

TEST_F(MessageBox, OutlineShowsSteelBlueInsidePale) {
    box.Configure("", "", 4, true, false);
    const QImage image = box.ppp->grab().toImage();
    const QColor pale(215, 250, 240), steel(88, 130, 173);
    EXPECT_EQ(image.pixelColor(11, 50), pale);
    EXPECT_EQ(image.pixelColor(12, 50), steel);
    EXPECT_EQ(image.pixelColor(13, 50), pale);
    EXPECT_EQ(image.pixelColor(200, 17), pale);
    EXPECT_EQ(image.pixelColor(200, 18), steel);
    EXPECT_EQ(image.pixelColor(200, 19 + 84), steel); // bottom line of L2
    EXPECT_EQ(image.pixelColor(10, 50), QColor(82, 190, 160));
}

struct ButtonCase {
    int language;
    bool yesNo;
    const char* yes; // nullptr: hidden
    const char* no;
    int noX;
};

class MessageBoxButtons : public MessageBox, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(MessageBoxButtons, CaptionsAndPlaces) {
    const ButtonCase& c = GetParam();
    languageState().language = c.language;
    box.Configure("Frage?", "", 6, true, c.yesNo);
    box.show();
    EXPECT_EQ(box.neinbutton->text(), QString::fromUtf8(c.no));
    EXPECT_EQ(box.neinbutton->geometry(), QRect(c.noX, 3, 138, 34));
    if (c.yes) {
        EXPECT_TRUE(box.jabutton->isVisible());
        EXPECT_TRUE(box.jabutton->isEnabled());
        EXPECT_EQ(box.jabutton->text(), QString::fromUtf8(c.yes));
        EXPECT_EQ(box.jabutton->geometry(), QRect(80, 3, 138, 34));
    } else {
        EXPECT_FALSE(box.jabutton->isVisible());
        EXPECT_FALSE(box.jabutton->isEnabled());
    }
    EXPECT_EQ(box.neinbutton->textColor(), QColor(210, 220, 240));
    EXPECT_EQ(box.neinbutton->font().pixelSize(), 13);
    box.hide();
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageBoxButtons,
                         ::testing::Values(ButtonCase{German, true, "Ja", "Nein", 225},
                                           ButtonCase{English, true, "Yes", "No", 225},
                                           ButtonCase{German, false, nullptr, "OK", 151},
                                           ButtonCase{English, false, nullptr, "OK", 151},
                                           // yes/no after a single-button box: back in place
                                           ButtonCase{German, true, "Ja", "Nein", 225}));

TEST_F(MessageBox, LaysOutTextAndCaption) {
    box.Configure("Zeile 1\nZeile 2", "Fehler", 4, true, false);
    EXPECT_EQ(box.windowTitle(), "Fehler");
    EXPECT_EQ(box.Textfeld->text(), "Zeile 1\nZeile 2");
    EXPECT_EQ(box.Textfeld->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(box.Textfeld->wordWrap());
    box.Configure("links", "", 4, false, false);
    EXPECT_EQ(box.Textfeld->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(box.windowTitle(), "");
}

TEST_F(MessageBox, CentresInTheDisplayAreaWhenShown) {
    ModalScript script;
    QPoint shownAt;
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        shownAt = b->pos();
        QTest::keyClick(b, Qt::Key_Escape);
    });
    Meldungsfenster("Text", "Hinweis", 6, true, false);
    EXPECT_EQ(shownAt, QPoint((1024 - 487) / 2, (768 - 264) / 2));
    globalState().displayWidth = 640;
    globalState().displayHeight = 480;
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        shownAt = b->pos();
        QTest::keyClick(b, Qt::Key_Escape);
    });
    Meldungsfenster("Text", "Hinweis", 8, true, true);
    EXPECT_EQ(shownAt, QPoint((640 - 487) / 2, (480 - 308) / 2));
    EXPECT_TRUE(script.unexpected.isEmpty());
}

enum class Answer { Key, Text, YesButton, NoButton, CloseBox };

struct AnswerCase {
    const char* name;
    Answer how;
    int key;
    const char* text; // for Answer::Text: the typed character
    bool yesNo;
    int expected;
};

class MessageBoxAnswer : public MessageBox, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(MessageBoxAnswer, Returns) {
    const AnswerCase& c = GetParam();
    languageState().language = English; // J answers yes in English too
    ModalScript script;
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        switch (c.how) {
        case Answer::Key:
            QTest::keyClick(b, Qt::Key(c.key));
            break;
        case Answer::Text:
            QTest::keyClick(b, c.text[0]);
            break;
        case Answer::YesButton:
            QTest::mouseClick(b->jabutton, Qt::LeftButton);
            break;
        case Answer::NoButton:
            QTest::mouseClick(b->neinbutton, Qt::LeftButton);
            break;
        case Answer::CloseBox:
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 40, 20));
            break;
        }
    });
    EXPECT_EQ(Meldungsfenster("Really?", "Info", 4, true, c.yesNo), c.expected);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.unexpected.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageBoxAnswer,
    ::testing::Values(AnswerCase{"Return", Answer::Key, Qt::Key_Return, "", true, 6},
                      AnswerCase{"Enter", Answer::Key, Qt::Key_Enter, "", true, 6},
                      AnswerCase{"UpperJ", Answer::Text, 0, "J", true, 6},
                      AnswerCase{"LowerJ", Answer::Text, 0, "j", true, 6},
                      AnswerCase{"UpperN", Answer::Text, 0, "N", true, 2},
                      AnswerCase{"LowerN", Answer::Text, 0, "n", true, 2},
                      AnswerCase{"Escape", Answer::Key, Qt::Key_Escape, "", true, 2},
                      AnswerCase{"YesButton", Answer::YesButton, 0, "", true, 6},
                      AnswerCase{"NoButton", Answer::NoButton, 0, "", true, 2},
                      AnswerCase{"CloseBox", Answer::CloseBox, 0, "", true, 2},
                      // a single-button box: Enter and J still say yes, OK says no
                      AnswerCase{"SingleEnter", Answer::Key, Qt::Key_Return, "", false, 6},
                      AnswerCase{"SingleJ", Answer::Text, 0, "j", false, 6},
                      AnswerCase{"SingleOk", Answer::NoButton, 0, "", false, 2},
                      AnswerCase{"SingleEscape", Answer::Key, Qt::Key_Escape, "", false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MessageBox, YDoesNothingEvenInEnglish) {
    languageState().language = English;
    ModalScript script;
    bool openAfterY = false;
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        QTest::keyClick(b, 'y');
        QTest::keyClick(b, 'Y');
        openAfterY = b->isVisible();
    });
    script.on<TMeldungDialog>([](TMeldungDialog* b) { QTest::keyClick(b, Qt::Key_Escape); });
    EXPECT_EQ(Meldungsfenster("Delete?", "", 6, true, true), 2);
    EXPECT_TRUE(openAfterY);
    EXPECT_EQ(box.jabutton->text(), "Yes");
    EXPECT_TRUE(script.unexpected.isEmpty());
}

TEST_F(MessageBox, TheFreeFunctionUsesTheProgramsInstance) {
    EXPECT_EQ(&meldungDialog(), &box);
    ModalScript script;
    QWidget* shown = nullptr;
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        shown = b;
        QTest::keyClick(b, Qt::Key_J);
    });
    EXPECT_EQ(Meldungsfenster("Text", "", 4, true, true), 6);
    EXPECT_EQ(shown, &box);
}

} // namespace
