#include "run/joystick.h"

#include "run/run_interfaces.h"

#include <QtMath>

#include <cstdlib>

int VirtualKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Escape:
        return KeyEscape;
    case Qt::Key_Space:
        return KeySpace;
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Down:
        return KeyDown;
    default:
        return 0;
    }
}

bool JoystickInUse(bool joystickPresent, qint32 useJoystick) {
    return joystickPresent && useJoystick == 1;
}

int ScaleJoystickAxis(int raw, int centre, int minimum, int maximum, int scale) {
    const double span = raw >= centre ? double(maximum) - centre : double(centre) - minimum;
    const double divisor = qMax(1.0, span / scale);
    return qRound((double(raw) - centre) / divisor);
}

int JoystickThreshold(int maximumX) {
    return qRound(maximumX * 0.0002);
}

std::vector<int> JoystickDirections(int x, int y) {
    std::vector<int> keys;
    if (x < -JoystickDeadZone)
        keys.push_back(KeyLeft);
    if (x > JoystickDeadZone)
        keys.push_back(KeyRight);
    if (y < -JoystickDeadZone)
        keys.push_back(KeyUp);
    if (y > JoystickDeadZone)
        keys.push_back(KeyDown);
    return keys;
}

void ForwardJoystickMove(int x, int y, DirectionReceiver& receiver) {
    const std::vector<int> keys = JoystickDirections(x, y);
    for (int key : keys)
        receiver.handleDirection(key);
    if (keys.empty())
        receiver.releaseDirection();
}

JoystickPoller::JoystickPoller(JoystickSource& source)
    : m_source(source), m_range(source.range()), m_threshold(JoystickThreshold(m_range.xMax)) {}

bool JoystickPoller::captureCentre() {
    JoystickSample s;
    if (!m_source.read(s))
        return false;
    m_centre = s;
    m_last = s;
    return true;
}

void JoystickPoller::poll(JoystickEvents& events) {
    JoystickSample s;
    if (!m_source.read(s))
        return;
    // Moves within the threshold are noise; the last reported position stays the reference.
    if (std::abs(s.x - m_last.x) > m_threshold || std::abs(s.y - m_last.y) > m_threshold) {
        m_last.x = s.x;
        m_last.y = s.y;
        events.JoystickJoyMove(
            ScaleJoystickAxis(s.x, m_centre.x, m_range.xMin, m_range.xMax, JoystickScaleX),
            ScaleJoystickAxis(s.y, m_centre.y, m_range.yMin, m_range.yMax, JoystickScaleY));
    }
    if (s.button1 != m_last.button1) {
        m_last.button1 = s.button1;
        events.JoystickButton1_Change(s.button1);
    }
}
