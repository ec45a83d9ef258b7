#include "run/beschreibung_dialog.h"

#include "run/instruction_texts.h"
#include "tests/run/run_screen_fixture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class InstructionScreen : public ::testing::Test {
protected:
    void open(int width = 1024, int height = 768, int language = German, int family = 1, int version = 1) {
        env = std::make_unique<ScreenEnvironment>(width, height, language);
        ASSERT_TRUE(env->loaded);
        runParameters().family = family;
        runParameters().version = version;
        dlg = std::make_unique<TBeschreibungDialog>();
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    }
    void TearDown() override {
        dlg.reset();
        env.reset();
    }
    std::unique_ptr<ScreenEnvironment> env;
    std::unique_ptr<TBeschreibungDialog> dlg;
};

TEST_F(InstructionScreen, SpaceStartsEscapeReturnsOtherKeysDoNothing) {
    const struct {
        Qt::Key key;
        int result; // 0: still open
    } cases[] = {{Qt::Key_Space, 1}, {Qt::Key_Escape, 2}, {Qt::Key_Return, 0},   {Qt::Key_Enter, 0},
                 {Qt::Key_Left, 0},  {Qt::Key_Up, 0},     {Qt::Key_Right, 0},    {Qt::Key_Down, 0},
                 {Qt::Key_A, 0},     {Qt::Key_Tab, 0},    {Qt::Key_ParenLeft, 0}};
    for (const auto& c : cases) {
        open();
        const QCursor* cursor = QGuiApplication::overrideCursor();
        ASSERT_NE(cursor, nullptr);
        EXPECT_EQ(cursor->shape(), Qt::BlankCursor);
        QTest::keyClick(dlg.get(), c.key);
        EXPECT_EQ(dlg->result(), c.result) << c.key;
        EXPECT_EQ(dlg->isVisible(), c.result == 0) << c.key;
        if (c.result != 0) {
            EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "pointer still hidden after " << c.key;
        }
        TearDown();
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(InstructionScreen, StartKeyFromTheJoystickButtonStarts) {
    open();
    dlg->StartKey(13);
    EXPECT_TRUE(dlg->isVisible());
    dlg->StartKey(32);
    EXPECT_EQ(dlg->result(), 1);
}

TEST_F(InstructionScreen, TextsByTypeAndLanguagePromptByJoystickUse) {
    const struct {
        int language, family, version;
        bool present;
        int useJoystick;
        const char* prompt;
    } cases[] = {
        {German, 1, 3, true, 1, "Starten Sie über die Leertaste oder den Joystickknopf"},
        {German, 2, 4, false, 1, "Starten Sie über die Leertaste"},
        {German, 1, 1, true, 0, "Starten Sie über die Leertaste"},
        {English, 2, 2, true, 1, "Press the space bar or the joystick button to start"},
        {English, 1, 4, true, 0, "Press the space bar to start"},
        {English, 2, 1, false, 0, "Press the space bar to start"},
    };
    for (const auto& c : cases) {
        env = std::make_unique<ScreenEnvironment>(1024, 768, c.language);
        ASSERT_TRUE(env->loaded);
        globalState().joystickPresent = c.present;
        optionsRecord().useJoystick = c.useJoystick;
        runParameters().family = c.family;
        runParameters().version = c.version;
        dlg = std::make_unique<TBeschreibungDialog>();
        dlg->show();
        const QString text = dlg->label1->text();
        EXPECT_EQ(text, WithLineBreaks(InstructionText(c.language, c.family, c.version)));
        EXPECT_FALSE(text.contains('\r'));
        EXPECT_EQ(text.count('\n'), c.version >= 3 ? 4 : 3);
        EXPECT_EQ(dlg->label2->text(), QString::fromUtf8(c.prompt));
        TearDown();
    }
}

struct SizeCase {
    int width, height, text, prompt;
};

class InstructionScreenAt : public InstructionScreen, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(InstructionScreenAt, FontSizesAndLayoutByWidth) {
    const SizeCase& c = GetParam();
    open(c.width, c.height, English, 2, 2);
    EXPECT_EQ(dlg->geometry(), QRect(0, 0, c.width, c.height));
    EXPECT_EQ(dlg->label1->font().pointSize(), c.text);
    EXPECT_EQ(dlg->label2->font().pointSize(), c.prompt);
    EXPECT_TRUE(dlg->label1->font().bold());
    EXPECT_EQ(dlg->label1->font().family(), "Arial");
    const InstructionLayout& l = dlg->layout();
    EXPECT_EQ(dlg->backpanel->geometry(), l.backPanel);
    EXPECT_EQ(dlg->label1->geometry(), l.label1);
    EXPECT_EQ(dlg->label2->geometry(), l.label2);
    EXPECT_EQ(l.backPanel.topLeft(),
              QPoint(daten().schemeSize(FrameLeftEdge).width(), daten().schemeSize(FrameTopEdge).height()));
    EXPECT_EQ(dlg->label1->palette().color(QPalette::WindowText), QColor(196, 253, 228));
    // The frame has no counter plate: the bottom edge runs through the middle.
    const QImage shot = dlg->grab().toImage();
    const QImage edge = daten().scheme(FrameBottomEdge).toImage();
    const int edgeTop = c.height - edge.height();
    const int x = c.width / 2;
    for (int y = 0; y < edge.height(); ++y)
        EXPECT_EQ(shot.pixel(x, edgeTop + y), edge.pixel(x % edge.width(), y)) << y;
}

INSTANTIATE_TEST_SUITE_P(Widths, InstructionScreenAt,
                         ::testing::Values(SizeCase{640, 480, 12, 9}, SizeCase{800, 600, 16, 12},
                                           SizeCase{1024, 768, 22, 17}),
                         [](const auto& info) { return "W" + std::to_string(info.param.width); });

} // namespace
