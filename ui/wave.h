#pragma once

#include <QByteArray>

// The wrong-answer tone: PCM, mono, 22 050 Hz, 16 bit little-endian, 10 686 samples.
constexpr int WaveFalschRate = 22050;
constexpr int WaveFalschSamples = 10686;

QByteArray WaveFalschPcm();
