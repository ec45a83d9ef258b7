#include "app/global_state.h"
#include "app/haupt.h"
#include "app/language.h"
#include "app/optionen_dialog.h"
#include "app/options.h"
#include "tests/ui/modal_script.h"
#include "ui/daten.h"
#include "ui/picture_button.h"

#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class OptionsDialog : public ::testing::Test {
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
    TOptionenDialog dialog; // the program's instance while it lives
};

enum class Close { OkButton, CancelButton, EnterOnBox, Escape, CloseBox };

struct EditCase {
    const char* name;
    bool joystickPresent;
    qint32 stored;
    bool toggle; // Space on the check box first
    Close close;
    bool shownChecked;
    int result;
    qint32 expected;
};

class OptionsEdit : public OptionsDialog, public ::testing::WithParamInterface<EditCase> {};

TEST_P(OptionsEdit, TakesOverTheBoxOnlyOnOk) {
    const EditCase& c = GetParam();
    OptionsRecord options;
    options.useJoystick = c.stored;
    options.reserved = 77;
    bool shownChecked = !c.shownChecked, enabled = !c.joystickPresent, boxHadFocus = false;
    ModalScript script;
    script.on<TOptionenDialog>([&](TOptionenDialog* d) {
        shownChecked = d->Joycheck->isChecked();
        enabled = d->Joycheck->isEnabled();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d));
        boxHadFocus = d->Joycheck->hasFocus();
        if (c.toggle)
            QTest::keyClick(d->Joycheck, Qt::Key_Space);
        switch (c.close) {
        case Close::OkButton:
            QTest::mouseClick(d->cancelbutton, Qt::LeftButton);
            break;
        case Close::CancelButton:
            QTest::mouseClick(d->okbutton, Qt::LeftButton);
            break;
        case Close::EnterOnBox:
            QTest::keyClick(d->Joycheck, Qt::Key_Return);
            break;
        case Close::Escape:
            QTest::keyClick(d->Joycheck, Qt::Key_Escape);
            break;
        case Close::CloseBox:
            QTest::mouseClick(d, Qt::LeftButton, {}, CloseBoxRect(d->width()).center());
            break;
        }
    });
    EXPECT_EQ(dialog.EditOptions(options, c.joystickPresent), c.result);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.unexpected.isEmpty());
    EXPECT_EQ(shownChecked, c.shownChecked);
    EXPECT_EQ(enabled, c.joystickPresent);
    EXPECT_EQ(boxHadFocus, c.joystickPresent); // a disabled box cannot hold the focus
    EXPECT_EQ(options.useJoystick, c.expected);
    EXPECT_EQ(options.reserved, 77);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionsEdit,
    ::testing::Values(
        // Without a joystick the box shows the setting, cannot change, and OK keeps what it shows.
        EditCase{"NoJoystickStoredTwoBecomesZero", false, 2, true, Close::OkButton, false, 1, 0},
        EditCase{"NoJoystickStoredOneStays", false, 1, true, Close::OkButton, true, 1, 1},
        EditCase{"NoJoystickStoredZeroStays", false, 0, true, Close::EnterOnBox, false, 1, 0},
        EditCase{"ClearedAndOk", true, 1, true, Close::OkButton, true, 1, 0},
        EditCase{"CheckedAndEnterOnTheBox", true, 0, true, Close::EnterOnBox, false, 1, 1},
        EditCase{"UnchangedOkNormalisesTwo", true, 2, false, Close::OkButton, false, 1, 0},
        EditCase{"ChangedThenEscape", true, 1, true, Close::Escape, true, 2, 1},
        EditCase{"ChangedThenAbbrechen", true, 0, true, Close::CancelButton, false, 2, 0},
        EditCase{"ChangedThenCloseBox", true, 1, true, Close::CloseBox, true, 2, 1},
        EditCase{"EscapeKeepsAnOddValue", true, 2, true, Close::Escape, false, 2, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsDialog, OnceGreyedOutStaysSo) {
    OptionsRecord options;
    ModalScript script;
    script.on<TOptionenDialog>([](TOptionenDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    dialog.EditOptions(options, false);
    bool enabled = true;
    script.on<TOptionenDialog>([&](TOptionenDialog* d) {
        enabled = d->Joycheck->isEnabled();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    dialog.EditOptions(options, true);
    EXPECT_FALSE(enabled);
    EXPECT_TRUE(script.unexpected.isEmpty());
}

TEST_F(OptionsDialog, Geometry) {
    EXPECT_EQ(dialog.size(), QSize(438, 231));
    EXPECT_EQ(dialog.ppp->geometry(), QRect(23, 47, 392, 160));
    EXPECT_EQ(dialog.okbutton->geometry(), QRect(197, 113, 138, 34));
    EXPECT_EQ(dialog.cancelbutton->geometry(), QRect(57, 113, 138, 34));
    EXPECT_EQ(dialog.Label1->geometry(), QRect(22, 23, 348, 75));
    EXPECT_EQ(dialog.Joycheck->geometry(), QRect(106, 58, 192, 17));
    EXPECT_EQ(dialog.Joycheck->font().pixelSize(), 15);
    EXPECT_TRUE(dialog.Joycheck->font().bold());
    EXPECT_EQ(dialog.okbutton->font().pixelSize(), 13);
    EXPECT_EQ(dialog.okbutton->textColor(), QColor(210, 220, 240));
    // Pale box behind the check box on the green panel.
    const QImage panel = dialog.ppp->grab().toImage();
    EXPECT_EQ(panel.pixelColor(24, 25), QColor(215, 250, 240));
    EXPECT_EQ(panel.pixelColor(10, 10), QColor(82, 190, 160));
    // The check box sits on the same pale colour, usable or greyed out.
    for (bool enabled : {true, false}) {
        dialog.Joycheck->setEnabled(enabled);
        const QImage box = dialog.Joycheck->grab().toImage();
        EXPECT_EQ(box.pixelColor(box.width() - 2, 1), QColor(215, 250, 240)) << enabled;
    }
}

struct TextCase {
    int language;
    const char* box;
    const char* cancel;
    const char* caption;
};

class OptionsTexts : public OptionsDialog, public ::testing::WithParamInterface<TextCase> {};

TEST_P(OptionsTexts, FollowTheLanguageAndCentre) {
    const TextCase& c = GetParam();
    globalState().displayWidth = 800;
    globalState().displayHeight = 600;
    languageState().language = c.language;
    dialog.show();
    EXPECT_EQ(dialog.Joycheck->text(), QString::fromUtf8(c.box));
    EXPECT_EQ(dialog.okbutton->text(), QString::fromUtf8(c.cancel));
    EXPECT_EQ(dialog.cancelbutton->text(), "OK");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(dialog.pos(), QPoint((800 - 438) / 2, (600 - 231) / 2));
    dialog.hide();
}

INSTANTIATE_TEST_SUITE_P(Cases, OptionsTexts,
                         ::testing::Values(TextCase{English, "Use Joystick", "Cancel", "Options"},
                                           TextCase{German, "Joystick verwenden", "Abbrechen", "Optionen"}));

// Any other language leaves the texts as they are.
TEST_F(OptionsDialog, EnglishTextsStayForAnUnknownLanguage) {
    languageState().language = English;
    dialog.show();
    dialog.hide();
    languageState().language = 0;
    dialog.show();
    EXPECT_EQ(dialog.Joycheck->text(), "Use Joystick");
    EXPECT_EQ(dialog.windowTitle(), "Options");
    dialog.hide();
}

// The main screen's button opens the dialog on the process-wide options and presence.
TEST_F(OptionsDialog, SettingsButtonChangesTheProcessWideOption) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const OptionsRecord savedOptions = optionsRecord();
    {
        THaupt haupt(QStringList{"win"});
        optionsRecord().useJoystick = 1;
        globalState().joystickPresent = true;
        ModalScript script;
        script.on<TOptionenDialog>([](TOptionenDialog* d) {
            QTest::keyClick(d->Joycheck, Qt::Key_Space);
            QTest::mouseClick(d->cancelbutton, Qt::LeftButton);
        });
        haupt.Einstellungenbutton->click();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(optionsRecord().useJoystick, 0);
        script.on<TOptionenDialog>([](TOptionenDialog* d) {
            QTest::keyClick(d->Joycheck, Qt::Key_Space);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        haupt.Einstellungenbutton->click();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(optionsRecord().useJoystick, 0);
        EXPECT_TRUE(script.unexpected.isEmpty());
    }
    optionsRecord() = savedOptions;
    qputenv("HOME", savedHome);
}

} // namespace
