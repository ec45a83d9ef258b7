#pragma once

#include "app/language.h"
#include "results/run_record.h"
#include "run/catalogue.h"
#include "run/run_interfaces.h"
#include "run/run_parameters.h"

#include <array>

// Phase timer tags.
enum : int { PhasePause = 1, PhaseResponse = 2, PhaseFeedback = 3 };

constexpr int PauseMs = 700;
constexpr int FeedbackMs = 1000;
// Escape before this round cancels the run instead of finishing it.
constexpr int MinRoundsForStatistics = 8;

// Plays one run. The run screen forwards its events: onTimer() for the phase timer,
// escape() for Escape, then handleDirection() for every key down (Escape included),
// releaseDirection() for every key up; the joystick gives directions and releases too. The run plays into its
// own record; only a finished run replaces the results record and marks it unsaved.
class RunEngine {
public:
    enum class Phase { Idle, Pause, Response, Feedback, Finished, Cancelled };

    RunEngine(RunParameters& parameters, int language, const TextTable& texts, ResultsState& results,
              Clock& clock, WallClock& wallClock, PhaseTimer& timer, Random& random, RunView& view);

    void start();
    void onTimer(int tag);
    void handleDirection(int key);
    void releaseDirection();
    void escape();

    Phase phase() const { return m_phase; }
    int result() const { return m_result; } // 0 while running, then 1 or 2
    const RunRecord& record() const { return m_record; }
    int sequencePicture(int round) const { return m_sequence[round]; }
    int rounds() const { return m_rounds; }
    const TargetSet& targetSet() const { return m_targets; }
    bool directionHeld() const { return m_directionHeld; }

private:
    void BuildSequence();
    void NextRound();
    void StartRound();
    void ShuffleTargets();
    void HideStimulusCells();
    void EvaluateRound();
    void FinishRun();
    void startTimer(int intervalMs, int tag);
    void stopTimer();
    void closeWith(int result);
    bool running() const;

    RunParameters& m_parameters;
    const int m_language;
    const TextTable& m_texts;
    ResultsState& m_results;
    Clock& m_clock;
    WallClock& m_wallClock;
    PhaseTimer& m_timer;
    Random& m_random;
    RunView& m_view;

    int m_family = 1;
    int m_version = 1;
    int m_rounds = 0;
    Phase m_phase = Phase::Idle;
    int m_result = 0;
    int m_armedTag = 0;

    AttributeTable m_attributes{};
    TargetSet m_targets{};
    std::array<int, MaxRounds + 1> m_sequence{};
    RunRecord m_record;

    int m_currentPicture = 0;
    int m_correctPosition = 0;
    int m_chosenPosition = 0;
    qint64 m_reactionMs = 0;
    qint64 m_clockStartNs = 0;
    bool m_inputClosed = true;
    bool m_directionHeld = false;
};
