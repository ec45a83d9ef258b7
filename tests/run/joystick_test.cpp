#include "run/joystick.h"

#include "run/run_interfaces.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

TEST(Joystick, ScalingEachSideOfTheCentre) {
    const struct {
        int raw, centre, minimum, maximum, scale, scaled;
    } cases[] = {
        {32767, 0, -32768, 32767, 400, 400},
        {-32768, 0, -32768, 32767, 400, -400},
        {0, 0, -32768, 32767, 400, 0},
        {2458, 0, -32768, 32767, 400, 30},
        {2540, 0, -32768, 32767, 400, 31},
        {-2540, 0, -32768, 32767, 400, -31},
        {32767, 0, -32768, 32767, 300, 300},
        {-16384, 0, -32768, 32767, 300, -150},
        // A stick resting off centre: each side is scaled over its own span.
        {32767, 12767, -32768, 32767, 400, 400},
        {-32768, 12767, -32768, 32767, 400, -400},
        {22767, 12767, -32768, 32767, 400, 200},
        {12767, 12767, -32768, 32767, 400, 0},
        // Windows-style unsigned range with the centre in its middle.
        {65535, 32767, 0, 65535, 400, 400},
        {0, 32767, 0, 65535, 400, -400},
        // A divisor below 1 is taken as 1: a short range is not magnified.
        {150, 100, 0, 200, 400, 50},
        {20, 100, 0, 200, 300, -80},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaleJoystickAxis(c.raw, c.centre, c.minimum, c.maximum, c.scale), c.scaled)
            << c.raw << " around " << c.centre << " in " << c.minimum << ".." << c.maximum << " /" << c.scale;
}

TEST(Joystick, ThresholdIsTwoHundredthsOfAPercentOfMaximumX) {
    EXPECT_EQ(JoystickThreshold(32767), 7);
    EXPECT_EQ(JoystickThreshold(65535), 13);
    EXPECT_EQ(JoystickThreshold(1000), 0);
}

TEST(Joystick, DirectionsBeyondTheDeadZoneHorizontalFirst) {
    const struct {
        int x, y;
        std::vector<int> keys;
    } cases[] = {
        {0, 0, {}},
        {-30, 30, {}}, // the dead zone includes 30
        {30, -30, {}},
        {-31, 0, {KeyLeft}},
        {31, 0, {KeyRight}},
        {0, -31, {KeyUp}},
        {0, 31, {KeyDown}},
        {-400, -300, {KeyLeft, KeyUp}}, // up-left: left comes first and answers
        {400, -300, {KeyRight, KeyUp}},
        {-400, 300, {KeyLeft, KeyDown}},
        {400, 300, {KeyRight, KeyDown}},
        {-200, 10, {KeyLeft}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoystickDirections(c.x, c.y), c.keys) << c.x << "," << c.y;
}

class RecordingReceiver final : public DirectionReceiver {
public:
    void handleDirection(int key) override { calls.push_back(std::to_string(key)); }
    void releaseDirection() override { calls.push_back("release"); }
    std::vector<std::string> calls;
};

TEST(Joystick, MoveForwardsDirectionsOrReleasesInsideTheDeadZone) {
    RecordingReceiver r;
    ForwardJoystickMove(-100, -100, r);
    ForwardJoystickMove(10, -30, r);
    ForwardJoystickMove(0, 200, r);
    EXPECT_EQ(r.calls, (std::vector<std::string>{"37", "38", "release", "40"}));
}

TEST(Joystick, KeyCodesOfTheScreens) {
    const struct {
        int qtKey, code;
    } cases[] = {{Qt::Key_Left, 37},   {Qt::Key_Up, 38},       {Qt::Key_Right, 39},     {Qt::Key_Down, 40},
                 {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},    {Qt::Key_Return, 0},     {Qt::Key_Enter, 0},
                 {Qt::Key_Percent, 0}, {Qt::Key_ParenLeft, 0}, {Qt::Key_Apostrophe, 0}, {Qt::Key_A, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyCode(c.qtKey), c.code) << std::hex << c.qtKey;
}

TEST(Joystick, InUseOnlyWhenPresentAndOptionIsOne) {
    EXPECT_TRUE(JoystickInUse(true, 1));
    EXPECT_FALSE(JoystickInUse(false, 1));
    EXPECT_FALSE(JoystickInUse(true, 0));
    EXPECT_FALSE(JoystickInUse(true, 2));
}

class ScriptedSource final : public JoystickSource {
public:
    bool read(JoystickSample& sample) override {
        ++reads;
        if (!readable)
            return false;
        sample = current;
        return true;
    }
    JoystickRange range() const override { return JoystickRange{}; }
    JoystickSample current;
    bool readable = true;
    int reads = 0;
};

class RecordingEvents final : public JoystickEvents {
public:
    void JoystickJoyMove(int x, int y) override {
        events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void JoystickButton1_Change(bool pressed) override { events.push_back(pressed ? "down" : "up"); }
    std::vector<std::string> events;
};

class Poller : public ::testing::Test {
protected:
    void step(int x, int y, bool button = false) {
        source.current = {x, y, button};
        poller.poll(events);
    }
    ScriptedSource source;
    JoystickPoller poller{source};
    RecordingEvents events;
};

TEST_F(Poller, ReportsChangesBeyondTheThresholdScaledAroundTheRestPosition) {
    source.current = {1000, -500, false}; // rest position read at capture
    ASSERT_TRUE(poller.captureCentre());
    EXPECT_EQ(poller.centreX(), 1000);
    EXPECT_EQ(poller.centreY(), -500);
    step(1000, -500); // unchanged: nothing
    step(1007, -493); // exactly the threshold: nothing
    step(1008, -500); // beyond it
    step(1008 + 7, -500);
    step(1008 + 8, -500);
    step(32767, 32767);
    step(-32768, -32768);
    step(1000, -500);
    EXPECT_EQ(events.events, (std::vector<std::string>{"move 0,0", "move 0,0", "move 400,300",
                                                       "move -400,-300", "move 0,0"}));
}

TEST_F(Poller, ButtonOneReportsEachChangeOnce) {
    ASSERT_TRUE(poller.captureCentre());
    step(0, 0, true);
    step(0, 0, true); // held: no repeat
    step(0, 0, false);
    step(30000, 0, true); // move and press in one poll
    EXPECT_EQ(events.events, (std::vector<std::string>{"down", "up", "move 366,0", "down"}));
}

TEST_F(Poller, UnreadableDeviceSendsNothing) {
    source.readable = false;
    EXPECT_FALSE(poller.captureCentre());
    source.readable = true;
    ASSERT_TRUE(poller.captureCentre());
    source.readable = false;
    step(30000, 30000, true);
    EXPECT_TRUE(events.events.empty());
    EXPECT_EQ(source.reads, 3);
}

} // namespace
