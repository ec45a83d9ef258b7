#include "run/run_interfaces.h"

#include <chrono>

qint64 SteadyClock::nowNs() const {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QDateTime SystemWallClock::now() const {
    return QDateTime::currentDateTime();
}

int MersenneRandom::uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(m_engine);
}

Random& randomSource() {
    static MersenneRandom source(
        static_cast<quint32>(std::chrono::system_clock::now().time_since_epoch().count()));
    return source;
}
