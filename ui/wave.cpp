#include "ui/wave.h"

#include <QtEndian>

#include <cmath>
#include <numbers>

QByteArray WaveFalschPcm() {
    // A low two-tone buzz that falls slightly: plainly "wrong" without being harsh.
    QByteArray pcm(WaveFalschSamples * 2, '\0');
    auto* out = reinterpret_cast<uchar*>(pcm.data());
    const double twoPi = 2.0 * std::numbers::pi;
    double phaseA = 0.0, phaseB = 0.0;
    for (int i = 0; i < WaveFalschSamples; ++i) {
        const double t = double(i) / WaveFalschSamples;
        const double f = 330.0 - 90.0 * t;
        phaseA += twoPi * f / WaveFalschRate;
        phaseB += twoPi * (f * 1.5) / WaveFalschRate;
        // 8 ms attack, then an exponential decay; ends at silence so it never clicks.
        const double attack = std::min(1.0, i / (0.008 * WaveFalschRate));
        const double envelope = attack * std::exp(-3.0 * t) * (1.0 - t);
        const double v = envelope * (0.65 * std::sin(phaseA) + 0.35 * std::sin(phaseB));
        const auto sample = static_cast<qint16>(std::lround(v * 0.6 * 32767.0));
        qToLittleEndian<qint16>(sample, out + 2 * i);
    }
    return pcm;
}
