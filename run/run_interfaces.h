#pragma once

#include <QDateTime>
#include <QString>

#include <random>

// Virtual key codes the run screen passes on; the joystick uses the same direction codes.
constexpr int KeyEscape = 27;
constexpr int KeyLeft = 37;
constexpr int KeyUp = 38;
constexpr int KeyRight = 39;
constexpr int KeyDown = 40;

// Monotonic time for reaction times; never the wall clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 nowNs() const = 0;
};

class SteadyClock final : public Clock {
public:
    qint64 nowNs() const override;
};

// Date and time of day for the run's header.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual QDateTime now() const = 0;
};

class SystemWallClock final : public WallClock {
public:
    QDateTime now() const override;
};

// One single-shot timer used one phase at a time; expiry is reported back as the tag.
class PhaseTimer {
public:
    virtual ~PhaseTimer() = default;
    virtual void start(int intervalMs, int tag) = 0;
    virtual void stop() = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // Uniform in low..high, both included; low <= high.
    virtual int uniform(int low, int high) = 0;
};

class MersenneRandom final : public Random {
public:
    explicit MersenneRandom(quint32 seed) : m_engine(seed) {}
    int uniform(int low, int high) override;

private:
    std::mt19937 m_engine;
};

// The process-wide source, seeded from the clock on first use; call it once at start-up.
Random& randomSource();

// Picture index meaning "cell hidden".
constexpr int NoPicture = -1;

// What the run screen shows. Positions: 1 top, 2 left, 3 right, 4 bottom.
class RunView {
public:
    virtual ~RunView() = default;
    virtual void setTargetPicture(int position, int picture) = 0; // NoPicture hides the cell
    virtual void setStimulusPicture(int picture) = 0;             // the middle cell
    virtual void setMovedPicture(int position, int picture) = 0;  // cell between middle and target
    virtual void setCountLabel(const QString& text) = 0;
    virtual void setTimeLabel(const QString& text) = 0;
    virtual void setRedBars(bool visible) = 0;
    virtual void playWrongSound() = 0; // asynchronous; silent without a sound device
    // Modal message box with one OK button, text centred.
    virtual void showMessage(const QString& text, const QString& caption, int lines) = 0;
    // Paints pending changes before returning; the stopwatch starts right after.
    virtual void flush() = 0;
    // Ends the run screen with modal result 1 (finished) or 2 (cancelled).
    virtual void close(int result) = 0;
};
