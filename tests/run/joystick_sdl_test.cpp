#include "run/joystick_sdl.h"

#include "run/beschreibung_dialog.h"
#include "run/catalogue.h"
#include "run/durchgang_dialog.h"
#include "tests/run/fakes.h"
#include "tests/run/run_screen_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class RecordingEvents final : public JoystickEvents {
public:
    void JoystickJoyMove(int x, int y) override { moves.emplace_back(x, y); }
    void JoystickButton1_Change(bool pressed) override { buttons.push_back(pressed); }
    std::vector<std::pair<int, int>> moves;
    std::vector<bool> buttons;
};

// SDL's virtual joystick as the system's first joystick, captured the way the main screen does it.
class VirtualJoystick : public ::testing::Test {
protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        if (SDL_NumJoysticks() > 0)
            GTEST_SKIP() << "a real joystick is attached; the virtual one would not be the first";
        m_device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 2, 0);
        ASSERT_GE(m_device, 0) << SDL_GetError();
        stick = SDL_JoystickOpen(m_device); // our own reference, to move the stick
        ASSERT_NE(stick, nullptr) << SDL_GetError();
        savedPresent = globalState().joystickPresent;
        savedUse = optionsRecord().useJoystick;
        optionsRecord().useJoystick = 1;
        ASSERT_TRUE(CaptureJoystick());
        ASSERT_TRUE(globalState().joystickPresent);
    }
    void TearDown() override {
        run.reset();
        instruction.reset();
        env.reset();
        ReleaseJoystick();
        if (stick)
            SDL_JoystickClose(stick);
        if (m_device >= 0)
            SDL_JoystickDetachVirtual(m_device);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        globalState().joystickPresent = savedPresent;
        optionsRecord().useJoystick = savedUse;
    }

    // Raw positions as the device reports them; they apply at the next poll.
    void moveTo(int x, int y) {
        SDL_JoystickSetVirtualAxis(stick, 0, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(stick, 1, static_cast<Sint16>(y));
        JoystickInput::instance().pollOnce();
    }
    void button(bool down) {
        SDL_JoystickSetVirtualButton(stick, 0, down ? 1 : 0);
        JoystickInput::instance().pollOnce();
    }

    // A fresh environment; the joystick flags set again, as the environment saved them before.
    void prepare(int language, qint32 useJoystick = 1) {
        env.reset(); // one resource holder at a time: the first one alive is the program's
        env = std::make_unique<ScreenEnvironment>(1024, 768, language);
        ASSERT_TRUE(env->loaded);
        globalState().joystickPresent = true;
        optionsRecord().useJoystick = useJoystick;
    }
    void openInstruction(int language, qint32 useJoystick = 1) {
        prepare(language, useJoystick);
        instruction = std::make_unique<TBeschreibungDialog>();
        instruction->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(instruction.get()));
    }
    void openRun(int rounds = 8) {
        prepare(German);
        params.family = 1;
        params.version = 1;
        params.rounds = rounds;
        params.position = FixedPositions;
        params.timeLimit = 2000;
        FillAttributeTable(attributes, 1, 1);
        DurchgangSetup setup;
        setup.parameters = &params;
        setup.results = &results;
        setup.timer = &timer;
        setup.clock = &clock;
        setup.wallClock = &wall;
        setup.random = &random;
        run = std::make_unique<TDurchgangDialog>(setup);
        run->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(run.get()));
    }
    void fire(int tag) {
        ASSERT_TRUE(timer.active);
        ASSERT_EQ(timer.tag, tag);
        timer.active = false;
        clock.advanceMs(timer.interval);
        run->engine().onTimer(tag);
    }
    RunEngine::Phase phase() const { return run->engine().phase(); }
    // Identity of the target at a screen position (fixed positions: the same number).
    int answerOfRound(int round) const { return run->engine().record().items[round].answer; }

    SDL_Joystick* stick = nullptr;
    bool savedPresent = false;
    qint32 savedUse = 1;
    std::unique_ptr<ScreenEnvironment> env;
    RunParameters params;
    ResultsState results;
    FakeClock clock;
    FakeWallClock wall;
    FakeTimer timer;
    FakeRandom random{5};
    AttributeTable attributes{};
    std::unique_ptr<TDurchgangDialog> run;
    std::unique_ptr<TBeschreibungDialog> instruction;

private:
    int m_device = -1;
};

TEST_F(VirtualJoystick, SdlAxesAreScaledAroundTheRestPositionChangesOnly) {
    SdlJoystickSource source(SDL_JoystickOpen(0));
    JoystickPoller poller(source);
    ASSERT_TRUE(poller.captureCentre());
    EXPECT_EQ(poller.centreX(), 0);
    EXPECT_EQ(poller.centreY(), 0);
    RecordingEvents events;
    const struct {
        int x, y;
    } steps[] = {{32767, 0}, {32762, 0}, {-32768, 0}, {0, 16384}, {0, -32768}, {2458, 0}, {0, 0}};
    for (const auto& s : steps) {
        SDL_JoystickSetVirtualAxis(stick, 0, static_cast<Sint16>(s.x));
        SDL_JoystickSetVirtualAxis(stick, 1, static_cast<Sint16>(s.y));
        poller.poll(events);
    }
    // 32762 lies within the movement threshold of 32767: no event.
    const std::vector<std::pair<int, int>> expected{{400, 0},  {-400, 0}, {0, 150},
                                                    {0, -300}, {30, 0},   {0, 0}};
    EXPECT_EQ(events.moves, expected);
    SDL_JoystickSetVirtualButton(stick, 0, 1);
    poller.poll(events);
    SDL_JoystickSetVirtualButton(stick, 1, 1); // button 2 is not used
    SDL_JoystickSetVirtualButton(stick, 0, 0);
    poller.poll(events);
    EXPECT_EQ(events.buttons, (std::vector<bool>{true, false}));
}

TEST_F(VirtualJoystick, StickAnswersOnTheRunScreenBeyondTheDeadZoneUpLeftIsLeft) {
    openRun();
    fire(PhasePause);
    moveTo(2458, 0); // scaled 30: still inside
    moveTo(0, -2458);
    EXPECT_EQ(phase(), RunEngine::Phase::Response);
    moveTo(-32768, -32768); // up and left at once
    ASSERT_EQ(phase(), RunEngine::Phase::Feedback);
    EXPECT_EQ(answerOfRound(1), PositionLeft);
    EXPECT_TRUE(run->XLinks->isVisible());
    EXPECT_FALSE(run->XOben->isVisible());

    // Held deflected (with a little wobble): the next round waits.
    fire(PhaseFeedback);
    moveTo(-32000, -31000);
    fire(PhasePause);
    EXPECT_EQ(phase(), RunEngine::Phase::Pause);
    fire(PhasePause);
    EXPECT_EQ(phase(), RunEngine::Phase::Pause);
    moveTo(1000, -1000); // back inside the dead zone
    fire(PhasePause);
    ASSERT_EQ(phase(), RunEngine::Phase::Response);
    moveTo(2540, 0); // scaled 31
    ASSERT_EQ(phase(), RunEngine::Phase::Feedback);
    EXPECT_EQ(answerOfRound(2), PositionRight);
}

TEST_F(VirtualJoystick, PolledByItsOwnTimerOnlyWhileAScreenIsShown) {
    EXPECT_FALSE(JoystickInput::instance().polling());
    openRun();
    EXPECT_TRUE(JoystickInput::instance().polling());
    fire(PhasePause);
    SDL_JoystickSetVirtualAxis(stick, 1, 32767); // down, picked up by the 1 ms timer
    EXPECT_TRUE(QTest::qWaitFor([&] { return phase() == RunEngine::Phase::Feedback; }, 2000));
    EXPECT_EQ(answerOfRound(1), PositionBottom);
    run->hide();
    EXPECT_FALSE(JoystickInput::instance().polling());
    run.reset();

    openInstruction(German);
    EXPECT_TRUE(JoystickInput::instance().polling());
    SDL_JoystickSetVirtualButton(stick, 0, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !instruction->isVisible(); }, 2000));
    EXPECT_EQ(instruction->result(), 1);
    EXPECT_FALSE(JoystickInput::instance().polling());
}

TEST_F(VirtualJoystick, ButtonOneStartsOnlyFromTheInstructionScreen) {
    openInstruction(English);
    EXPECT_EQ(instruction->label2->text(), "Press the space bar or the joystick button to start");

    // Another window is active: the button is ignored.
    QDialog other;
    other.resize(200, 100);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    button(true);
    button(false);
    EXPECT_TRUE(instruction->isVisible());
    other.hide();
    instruction->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(instruction.get()));
    button(true);
    EXPECT_FALSE(instruction->isVisible());
    EXPECT_EQ(instruction->result(), 1);
    button(false);
    instruction.reset();

    // On the run screen the button does nothing.
    openRun();
    fire(PhasePause);
    button(true);
    button(false);
    EXPECT_EQ(phase(), RunEngine::Phase::Response);
    EXPECT_TRUE(run->isVisible());
}

TEST_F(VirtualJoystick, NothingReactsWhenTheOptionIsOff) {
    openRun();
    optionsRecord().useJoystick = 0;
    fire(PhasePause);
    moveTo(-32768, 0);
    EXPECT_EQ(phase(), RunEngine::Phase::Response);
    // Taking effect at once: switched on again, the next move answers.
    optionsRecord().useJoystick = 1;
    moveTo(32767, 0);
    EXPECT_EQ(phase(), RunEngine::Phase::Feedback);
    run.reset();

    openInstruction(German, 0);
    EXPECT_EQ(instruction->label2->text(), "Starten Sie über die Leertaste");
    button(true);
    EXPECT_TRUE(instruction->isVisible());
}

TEST_F(VirtualJoystick, RunScreenIgnoresTheStickWhileAnotherWindowIsActive) {
    openRun();
    fire(PhasePause);
    QDialog other;
    other.resize(200, 100);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    moveTo(-32768, 0);
    EXPECT_EQ(phase(), RunEngine::Phase::Response);
}

TEST(JoystickCapture, NoDeviceMeansNotPresent) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    const bool none = SDL_NumJoysticks() == 0;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    if (!none)
        GTEST_SKIP() << "a joystick is attached";
    const bool saved = globalState().joystickPresent;
    globalState().joystickPresent = true;
    EXPECT_FALSE(CaptureJoystick());
    EXPECT_FALSE(globalState().joystickPresent);
    EXPECT_FALSE(JoystickInput::instance().captured());
    globalState().joystickPresent = saved;
}

} // namespace
