#pragma once

#include <QtGlobal>

enum : qint32 { OpticalFeedback = 1, AcousticFeedback = 2 };
enum : qint32 { RandomPositions = 1, FixedPositions = 2 };

// Parameters of the run under way, filled from the parameter dialog before each run.
struct RunParameters {
    qint32 family = 1;
    qint32 version = 1;
    qint32 timeLimit = 3000; // ms, 500..5000
    qint32 rounds = 20;      // 4..200, a multiple of 4
    qint32 roundCounter = 0; // round under way; after the run, the rounds handed on
    qint32 feedback = OpticalFeedback;
    qint32 position = FixedPositions;
    bool operator==(const RunParameters&) const = default;
};

RunParameters& runParameters();
