#pragma once

#include <QtGlobal>

#include <vector>

// Scaled stick positions: X -400 (far left) .. 400, Y -300 (far up) .. 300.
constexpr int JoystickScaleX = 400;
constexpr int JoystickScaleY = 300;
// A direction counts only beyond this on either side.
constexpr int JoystickDeadZone = 30;
// Code the instruction screen's StartKey gets for button 1.
constexpr int KeySpace = 32;

// Qt key to the key code the run and instruction screens act on: Escape 27, space 32, the
// arrows 37..40; 0 for every other key (Qt's own codes for '%' .. '(' are 37..40 too).
int VirtualKeyCode(int qtKey);

// Joystick events are acted on only when a joystick was captured and the option is on (1).
bool JoystickInUse(bool joystickPresent, qint32 useJoystick);

// Raw axis value to the scaled range, each side of the centre scaled on its own; the divisor
// is never below 1.
int ScaleJoystickAxis(int raw, int centre, int minimum, int maximum, int scale);

// Movement smaller than this (0.02 percent of the largest raw X) sends no event.
int JoystickThreshold(int maximumX);

// Directions a scaled position passes on, in order: left, right, up, down. None inside the
// dead zone.
std::vector<int> JoystickDirections(int x, int y);

// Who takes the stick's directions: the run screen.
class DirectionReceiver {
public:
    virtual ~DirectionReceiver() = default;
    virtual void handleDirection(int key) = 0;
    virtual void releaseDirection() = 0;
};

// Passes the directions of a scaled position on, or a release inside the dead zone.
void ForwardJoystickMove(int x, int y, DirectionReceiver& receiver);

struct JoystickSample {
    int x = 0;
    int y = 0;
    bool button1 = false;
};

struct JoystickRange {
    int xMin = -32768, xMax = 32767;
    int yMin = -32768, yMax = 32767;
};

// A device that can be read at any time (raw positions).
class JoystickSource {
public:
    virtual ~JoystickSource() = default;
    // False when the device cannot be read (for instance unplugged).
    virtual bool read(JoystickSample& sample) = 0;
    virtual JoystickRange range() const = 0;
};

// The joystick handlers: scaled positions and button 1 changes.
class JoystickEvents {
public:
    virtual ~JoystickEvents() = default;
    virtual void JoystickJoyMove(int x, int y) = 0;
    virtual void JoystickButton1_Change(bool pressed) = 0;
};

// Turns polled samples into events on change only, like a captured joystick's messages.
class JoystickPoller {
public:
    explicit JoystickPoller(JoystickSource& source);

    // Reads the rest position that scaling is centred on; false when the device cannot be read.
    bool captureCentre();
    void poll(JoystickEvents& events);

    int centreX() const { return m_centre.x; }
    int centreY() const { return m_centre.y; }

private:
    JoystickSource& m_source;
    JoystickRange m_range;
    JoystickSample m_centre;
    JoystickSample m_last;
    int m_threshold = 0;
};
