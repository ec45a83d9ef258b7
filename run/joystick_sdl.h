#pragma once

#include "run/joystick.h"

#include <QObject>
#include <QTimer>

#include <memory>

struct _SDL_Joystick;

// An opened SDL joystick: axes 0 and 1, button 0; closed with the source.
class SdlJoystickSource final : public JoystickSource {
public:
    explicit SdlJoystickSource(_SDL_Joystick* joystick);
    ~SdlJoystickSource() override;
    SdlJoystickSource(const SdlJoystickSource&) = delete;
    SdlJoystickSource& operator=(const SdlJoystickSource&) = delete;

    bool read(JoystickSample& sample) override;
    JoystickRange range() const override { return JoystickRange{}; } // SDL's fixed axis range

private:
    _SDL_Joystick* m_joystick;
};

// The program's joystick: polled by a 1 ms timer while a run or instruction screen is shown;
// its events go to whichever of the two is the active window, and only while the joystick is
// in use (globalState().joystickPresent and optionsRecord().useJoystick == 1).
class JoystickInput final : public QObject, public JoystickEvents {
public:
    static JoystickInput& instance();
    ~JoystickInput() override;

    // Takes the device and reads its rest position; false (and nothing kept) when it cannot be read.
    bool capture(std::unique_ptr<JoystickSource> source);
    void release();
    bool captured() const { return m_poller != nullptr; }

    // The run and instruction screens call these from their show and hide events.
    void screenShown();
    void screenHidden();
    bool polling() const { return m_timer.isActive(); }

    // One timer tick: reads the device and sends what changed.
    void pollOnce();

    // Direction to the run screen, release inside the dead zone.
    void JoystickJoyMove(int x, int y) override;
    // Button 1 down is the space bar on the instruction screen.
    void JoystickButton1_Change(bool pressed) override;

private:
    JoystickInput();

    QTimer m_timer;
    int m_screens = 0;
    std::unique_ptr<JoystickSource> m_source;
    std::unique_ptr<JoystickPoller> m_poller;
};

// Captures the first SDL joystick once, reads its rest position and sets
// globalState().joystickPresent. The main screen calls it when it is first shown.
bool CaptureJoystick();
// Gives the device back (the next CaptureJoystick() looks again).
void ReleaseJoystick();
