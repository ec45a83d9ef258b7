#pragma once

#include "run/run_interfaces.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <deque>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

class FakeClock final : public Clock {
public:
    qint64 nowNs() const override { return ns; }
    void advanceMs(qint64 ms) { ns += ms * 1'000'000; }
    qint64 ns = 5'000'000'000;
};

class FakeWallClock final : public WallClock {
public:
    QDateTime now() const override { return dateTime; }
    QDateTime dateTime{QDate(2024, 3, 5), QTime(9, 7, 42)};
};

class FakeTimer final : public PhaseTimer {
public:
    void start(int intervalMs, int tag) override {
        EXPECT_FALSE(active) << "timer started while running";
        active = true;
        interval = intervalMs;
        this->tag = tag;
        starts.emplace_back(intervalMs, tag);
    }
    void stop() override { active = false; }
    bool active = false;
    int interval = 0;
    int tag = 0;
    std::vector<std::pair<int, int>> starts;
};

// Seeded generator; values pushed into `forced` are returned first, in order.
class FakeRandom final : public Random {
public:
    explicit FakeRandom(quint32 seed = 1) : m_engine(seed) {}
    int uniform(int low, int high) override {
        calls.emplace_back(low, high);
        if (!forced.empty()) {
            const int v = forced.front();
            forced.pop_front();
            EXPECT_TRUE(v >= low && v <= high) << v << " forced outside " << low << ".." << high;
            return v;
        }
        return std::uniform_int_distribution<int>(low, high)(m_engine);
    }
    std::deque<int> forced;
    std::vector<std::pair<int, int>> calls;

private:
    std::mt19937 m_engine;
};

// Keeps what the screen would show right now, plus the one-off calls.
class RecordingView final : public RunView {
public:
    void setTargetPicture(int position, int picture) override { targets.at(position) = picture; }
    void setStimulusPicture(int picture) override { stimulus = picture; }
    void setMovedPicture(int position, int picture) override { moved.at(position) = picture; }
    void setCountLabel(const QString& text) override { countLabel = text; }
    void setTimeLabel(const QString& text) override { timeLabel = text; }
    void setRedBars(bool visible) override { redBars = visible; }
    void playWrongSound() override { ++sounds; }
    void showMessage(const QString& text, const QString& caption, int lines) override {
        messages.push_back({text, caption, lines});
    }
    void flush() override {
        ++flushes;
        if (onFlush)
            onFlush();
    }
    void close(int result) override { closeResults.push_back(result); }

    bool anyMoved() const {
        for (int k = 1; k <= 4; ++k)
            if (moved[k] != NoPicture)
                return true;
        return false;
    }

    struct Message {
        QString text, caption;
        int lines;
    };
    std::array<int, 5> targets{NoPicture, 7, 7, 7, 7}; // not yet set by the engine
    std::array<int, 5> moved{NoPicture, 7, 7, 7, 7};
    int stimulus = 7;
    QString countLabel = QStringLiteral("?");
    QString timeLabel = QStringLiteral("?");
    bool redBars = true;
    int sounds = 0;
    int flushes = 0;
    std::function<void()> onFlush;
    std::vector<Message> messages;
    std::vector<int> closeResults;
};
