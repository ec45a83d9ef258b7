#include "run/run_engine.h"

#include "tests/run/fakes.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

int KeyFor(int position) {
    switch (position) {
    case PositionTop:
        return KeyUp;
    case PositionLeft:
        return KeyLeft;
    case PositionRight:
        return KeyRight;
    default:
        return KeyDown;
    }
}

// Drives runs with fake timer, clock and random source; results survive from run to run.
struct Harness {
    ResultsState results;
    TextTable texts;
    int language = German;
    RunParameters params;
    FakeClock clock;
    FakeWallClock wall;
    FakeTimer timer;
    FakeRandom random;
    RecordingView view;
    AttributeTable attributes{};
    std::unique_ptr<RunEngine> engine;

    void newRun(int family, int version, int rounds, int position = FixedPositions,
                int feedback = OpticalFeedback, quint32 seed = 1) {
        params = RunParameters{};
        params.family = family;
        params.version = version;
        params.rounds = rounds;
        params.position = position;
        params.feedback = feedback;
        timer = FakeTimer{};
        random = FakeRandom(seed);
        view = RecordingView{};
        attributes = AttributeTable{};
        FillAttributeTable(attributes, family, version);
        if (texts[0].isEmpty())
            SetLanguageTexts(German, texts);
        engine =
            std::make_unique<RunEngine>(params, language, texts, results, clock, wall, timer, random, view);
        engine->start();
    }

    void fire(int expectedTag) {
        ASSERT_TRUE(timer.active);
        ASSERT_EQ(timer.tag, expectedTag);
        timer.active = false; // single shot
        clock.advanceMs(timer.interval);
        engine->onTimer(expectedTag);
    }
    void endPause() {
        fire(PhasePause);
        ASSERT_EQ(engine->phase(), RunEngine::Phase::Response);
    }
    void timeout() { fire(PhaseResponse); }
    void endFeedback() { fire(PhaseFeedback); }

    // Position of the target that matches the stimulus on screen.
    int correctPosition() const {
        const int relevant = attributes[view.stimulus].relevant;
        for (int k = 1; k <= 4; ++k)
            if (view.targets[k] == TargetPicture(params.family, relevant))
                return k;
        ADD_FAILURE() << "no target matches stimulus " << view.stimulus;
        return 1;
    }
    int identityAt(int position) const {
        return view.targets[position] - TargetPicture(params.family, 1) + 1;
    }

    void press(int position, int afterMs, int extraMs) {
        clock.advanceMs(afterMs);
        random.forced.push_back(extraMs);
        engine->handleDirection(KeyFor(position));
    }
    void answer(int position, int afterMs, int extraMs = 0) {
        press(position, afterMs, extraMs);
        engine->releaseDirection();
    }
    // Plays rounds correctly until `rounds` are complete and the next pause has begun.
    void playCorrectRounds(int rounds) {
        for (int k = 0; k < rounds; ++k) {
            endPause();
            answer(correctPosition(), 400);
            endFeedback();
        }
    }
};

bool AllHidden(const std::array<int, 5>& cells) {
    for (int k = 1; k <= 4; ++k)
        if (cells[k] != NoPicture)
            return false;
    return true;
}

std::array<int, 5> FixedArrangement(int family) {
    return {NoPicture, TargetPicture(family, 1), TargetPicture(family, 2), TargetPicture(family, 3),
            TargetPicture(family, 4)};
}

// ---- whole runs ----

class WholeRunTest : public ::testing::TestWithParam<std::tuple<ExerciseType, int>> {};

TEST_P(WholeRunTest, EveryRoundIsWrittenAndTheRunIsHandedOn) {
    const auto [type, position] = GetParam();
    const int rounds = 12;
    Harness h;
    h.newRun(type.family, type.version, rounds, position);

    // Before the first round nothing but the count is shown, in both modes.
    EXPECT_EQ(h.view.countLabel, QStringLiteral("12"));
    EXPECT_TRUE(AllHidden(h.view.targets));
    EXPECT_TRUE(AllHidden(h.view.moved));
    EXPECT_EQ(h.view.stimulus, NoPicture);
    EXPECT_EQ(h.view.timeLabel, QString());
    EXPECT_FALSE(h.view.redBars);
    EXPECT_EQ(h.timer.interval, PauseMs);

    std::vector<RoundItem> expected(rounds + 1);
    for (int k = 1; k <= rounds; ++k) {
        SCOPED_TRACE(k);
        if (k == rounds) {
            EXPECT_EQ(h.view.countLabel, QStringLiteral("1"));
        }
        h.endPause();
        EXPECT_NE(h.view.stimulus, NoPicture);
        EXPECT_FALSE(IsExcludedPicture(h.view.stimulus));
        std::set<int> shown(h.view.targets.begin() + 1, h.view.targets.end());
        EXPECT_EQ(shown.size(), 4u);
        if (position == FixedPositions) {
            EXPECT_EQ(h.view.targets, FixedArrangement(type.family));
        }
        EXPECT_EQ(h.timer.interval, h.params.timeLimit);

        const int stimulus = h.view.stimulus;
        const int correct = h.correctPosition();
        RoundItem& item = expected[k];
        item.target = h.attributes[stimulus].relevant;
        item.other = h.attributes[stimulus].other;
        int chosen = 0;
        if (k % 3 == 0) {
            h.timeout();
            item.answer = 0;
            item.time = h.params.timeLimit;
        } else {
            chosen = k % 3 == 1 ? correct : correct % 4 + 1;
            h.answer(chosen, 300 + k, k % 5);
            item.answer = h.identityAt(chosen);
            item.time = 300 + k + k % 5;
        }
        // Feedback: the stimulus has moved towards the choice, wrong answers light the bars.
        EXPECT_EQ(h.view.stimulus, NoPicture);
        for (int p = 1; p <= 4; ++p)
            EXPECT_EQ(h.view.moved[p], p == chosen ? stimulus : NoPicture);
        EXPECT_EQ(h.view.timeLabel, chosen ? QString::number(item.time) : QString());
        EXPECT_EQ(h.view.redBars, chosen != correct);
        EXPECT_EQ(h.engine->record().items[k], item);
        EXPECT_EQ(h.timer.interval, FeedbackMs);
        h.endFeedback();

        if (k < rounds) {
            EXPECT_EQ(h.view.stimulus, NoPicture);
            EXPECT_TRUE(AllHidden(h.view.moved));
            EXPECT_FALSE(h.view.redBars);
            EXPECT_EQ(h.view.timeLabel, QString());
            if (position == FixedPositions) {
                EXPECT_EQ(h.view.targets, FixedArrangement(type.family));
            } else {
                EXPECT_TRUE(AllHidden(h.view.targets));
            }
        }
    }

    EXPECT_EQ(h.view.closeResults, std::vector<int>{1});
    EXPECT_EQ(h.engine->phase(), RunEngine::Phase::Finished);
    EXPECT_FALSE(h.timer.active);
    EXPECT_EQ(h.params.roundCounter, rounds);
    EXPECT_TRUE(h.results.unsavedRun);
    const RunRecord& record = h.results.runRecord;
    EXPECT_EQ(record.roundCount, rounds);
    for (int k = 1; k <= rounds; ++k)
        EXPECT_EQ(record.items[k], expected[k]) << "round " << k;
    EXPECT_EQ(record.prtkey, TypeKey(type.family, type.version, position));
    EXPECT_TRUE(h.view.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(AllTypes, WholeRunTest,
                         ::testing::Combine(::testing::ValuesIn(ExerciseTypes),
                                            ::testing::Values(FixedPositions, RandomPositions)),
                         [](const auto& info) {
                             const ExerciseType t = std::get<0>(info.param);
                             return "F" + std::to_string(t.family) + "V" + std::to_string(t.version) +
                                    (std::get<1>(info.param) == FixedPositions ? "Fixed" : "Random");
                         });

class SequenceTest : public ::testing::TestWithParam<ExerciseType> {};

TEST_P(SequenceTest, EachIdentityIsCorrectInAQuarterOfTheRoundsInShuffledOrder) {
    const ExerciseType type = GetParam();
    const int rounds = 40;
    std::set<std::vector<int>> orders;
    for (quint32 seed = 1; seed <= 60; ++seed) {
        Harness h;
        h.newRun(type.family, type.version, rounds, FixedPositions, OpticalFeedback, seed);
        std::array<int, 5> perIdentity{};
        std::vector<int> order;
        for (int k = 1; k <= rounds; ++k) {
            const int picture = h.engine->sequencePicture(k);
            ASSERT_GE(picture, 0);
            ASSERT_LT(picture, StimulusPictureCount);
            EXPECT_FALSE(IsExcludedPicture(picture));
            ++perIdentity[h.attributes[picture].relevant];
            order.push_back(h.attributes[picture].relevant);
        }
        EXPECT_EQ(perIdentity, (std::array<int, 5>{0, 10, 10, 10, 10})) << "seed " << seed;
        orders.insert(order);
    }
    EXPECT_GE(orders.size(), 55u) << "the order hardly depends on the seed";
}

INSTANTIATE_TEST_SUITE_P(AllTypes, SequenceTest, ::testing::ValuesIn(ExerciseTypes));

TEST(RandomPositions, ArrangementIsShuffledEveryRoundAndDecidesTheCorrectKey) {
    Harness h;
    h.newRun(1, 1, 40, RandomPositions);
    std::set<std::array<int, 5>> arrangements;
    for (int k = 1; k <= 40; ++k) {
        const size_t before = h.random.calls.size();
        h.endPause();
        // Four swaps with record 1 in every round.
        const std::vector<std::pair<int, int>> shuffleCalls(h.random.calls.begin() + before,
                                                            h.random.calls.end());
        EXPECT_EQ(shuffleCalls, (std::vector<std::pair<int, int>>(4, {1, 4})));
        arrangements.insert(h.view.targets);
        h.answer(h.correctPosition(), 500);
        EXPECT_FALSE(h.view.redBars);
        EXPECT_EQ(h.engine->record().items[k].answer, h.engine->record().items[k].target);
        h.endFeedback();
        if (k < 40) {
            EXPECT_TRUE(AllHidden(h.view.targets));
        }
    }
    EXPECT_GE(arrangements.size(), 10u);
}

TEST(RandomPositions, ItemsHoldIdentitiesNotPositions) {
    Harness h;
    h.newRun(2, 1, 8, RandomPositions);
    // Swaps 1<->4, 1<->2, 1<->3, 1<->1 give top 3, left 4, right 2, bottom 1.
    h.random.forced = {4, 2, 3, 1};
    h.endPause();
    EXPECT_EQ(h.view.targets, (std::array<int, 5>{NoPicture, 6, 7, 5, 4}));
    const int stimulus = h.view.stimulus;
    const int relevant = h.attributes[stimulus].relevant;
    h.answer(PositionBottom, 500);
    EXPECT_EQ(h.engine->record().items[1], (RoundItem{relevant, 1, 500, relevant}));
    EXPECT_EQ(h.view.redBars, relevant != 1);
    EXPECT_EQ(h.view.moved[PositionBottom], stimulus);
}

// ---- timing ----

TEST(Timing, ClockStartsAfterTheStimulusIsPainted) {
    Harness h;
    h.newRun(1, 2, 8);
    int flushedStimulus = NoPicture;
    h.view.onFlush = [&] {
        flushedStimulus = h.view.stimulus;
        h.clock.advanceMs(40); // painting takes time
    };
    h.endPause();
    EXPECT_NE(flushedStimulus, NoPicture);
    EXPECT_EQ(flushedStimulus, h.view.stimulus);
    h.clock.ns += 250'000'000 + 999'999; // sub-millisecond part is cut
    h.random.forced.push_back(3);
    h.engine->handleDirection(KeyUp);
    EXPECT_EQ(h.random.calls.back(), (std::pair<int, int>{0, 4}));
    EXPECT_EQ(h.engine->record().items[1].time, 253);
}

struct LimitCase {
    qint64 elapsedNs;
    int extraMs;
    bool timeout;
    int time;
};

class ReactionLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ReactionLimitTest, AnswerReachingTheLimitIsATimeOut) {
    const LimitCase& c = GetParam();
    Harness h;
    h.newRun(1, 1, 8);
    h.params.timeLimit = 1000;
    h.endPause();
    const int correct = h.correctPosition();
    const int stimulus = h.view.stimulus;
    h.clock.ns += c.elapsedNs;
    h.random.forced.push_back(c.extraMs);
    h.engine->handleDirection(KeyFor(correct));
    const RoundItem& item = h.engine->record().items[1];
    EXPECT_EQ(item.time, c.time);
    EXPECT_EQ(item.answer, c.timeout ? 0 : item.target);
    EXPECT_EQ(h.view.moved[correct], c.timeout ? NoPicture : stimulus);
    EXPECT_EQ(h.view.timeLabel, c.timeout ? QString() : QString::number(c.time));
    EXPECT_EQ(h.view.redBars, c.timeout);
    EXPECT_EQ(h.timer.tag, PhaseFeedback);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReactionLimitTest,
    ::testing::Values(LimitCase{999'999'999, 0, false, 999}, LimitCase{995'000'000, 4, false, 999},
                      LimitCase{996'000'000, 4, true, 1000}, LimitCase{1'000'000'000, 0, true, 1000},
                      LimitCase{1'250'000'000, 2, true, 1000}, LimitCase{81'000'000, 0, false, 81}));

class TimeOutTest : public ::testing::TestWithParam<int> {};

TEST_P(TimeOutTest, NoAnswerWithinTheLimit) {
    const int feedback = GetParam();
    Harness h;
    h.newRun(2, 4, 8, FixedPositions, feedback);
    h.params.timeLimit = 2500;
    h.endPause();
    const int stimulus = h.view.stimulus;
    h.timeout();
    EXPECT_EQ(h.engine->record().items[1],
              (RoundItem{h.attributes[stimulus].relevant, 0, 2500, h.attributes[stimulus].other}));
    EXPECT_EQ(h.view.stimulus, NoPicture);
    EXPECT_FALSE(h.view.anyMoved());
    EXPECT_EQ(h.view.timeLabel, QString());
    EXPECT_EQ(h.view.redBars, feedback == OpticalFeedback);
    EXPECT_EQ(h.view.sounds, feedback == AcousticFeedback ? 1 : 0);
    // A key after the time-out does not answer the round.
    h.answer(PositionTop, 10);
    EXPECT_EQ(h.engine->record().items[1].answer, 0);
    h.endFeedback();
    EXPECT_FALSE(h.view.redBars);
}

INSTANTIATE_TEST_SUITE_P(Feedback, TimeOutTest, ::testing::Values(OpticalFeedback, AcousticFeedback));

TEST(Feedback, AcousticWrongAnswerPlaysTheSoundOnceAndShowsNoBars) {
    Harness h;
    h.newRun(1, 3, 8, FixedPositions, AcousticFeedback);
    h.endPause();
    h.answer(h.correctPosition() % 4 + 1, 600);
    EXPECT_EQ(h.view.sounds, 1);
    EXPECT_FALSE(h.view.redBars);
    h.endFeedback();
    h.endPause();
    h.answer(h.correctPosition(), 600);
    EXPECT_EQ(h.view.sounds, 1);
}

TEST(Timing, ExpiryOfAPhaseThatIsNotRunningIsIgnored) {
    Harness h;
    h.newRun(1, 4, 8, RandomPositions);
    h.endPause();
    const std::array<int, 5> targets = h.view.targets;
    const size_t randomCalls = h.random.calls.size();
    h.clock.advanceMs(200);
    h.engine->onTimer(PhasePause);
    h.engine->onTimer(PhaseFeedback);
    EXPECT_EQ(h.engine->phase(), RunEngine::Phase::Response);
    EXPECT_EQ(h.params.roundCounter, 1);
    EXPECT_EQ(h.view.targets, targets);
    EXPECT_EQ(h.random.calls.size(), randomCalls);
    EXPECT_TRUE(h.timer.active);
    h.answer(h.correctPosition(), 100);
    EXPECT_EQ(h.engine->record().items[1].time, 300); // still timed from the stimulus
    h.engine->onTimer(PhaseResponse);
    EXPECT_EQ(h.engine->record().items[1].time, 300);
    EXPECT_EQ(h.timer.tag, PhaseFeedback);
}

// ---- held and repeated directions ----

TEST(HeldDirection, PauseIsExtendedUntilAnyKeyIsReleased) {
    Harness h;
    h.newRun(1, 1, 8);
    h.endPause();
    h.press(h.correctPosition(), 400, 0); // and keep it down
    h.endFeedback();
    for (int step = 0; step < 3; ++step) {
        h.fire(PhasePause);
        EXPECT_EQ(h.engine->phase(), RunEngine::Phase::Pause);
        EXPECT_EQ(h.timer.starts.back(), (std::pair<int, int>{PauseMs, PhasePause}));
        EXPECT_EQ(h.view.stimulus, NoPicture);
        h.engine->handleDirection(KeyLeft); // auto-repeat
    }
    EXPECT_EQ(h.params.roundCounter, 2);
    h.engine->releaseDirection();
    h.endPause();
    EXPECT_NE(h.view.stimulus, NoPicture);
    EXPECT_EQ(h.engine->record().items[2], RoundItem{});
    h.answer(h.correctPosition(), 300);
    EXPECT_EQ(h.engine->record().items[2].time, 300);
}

class TwoKeysTest : public ::testing::TestWithParam<bool> {};

TEST_P(TwoKeysTest, OnlyTheFirstDirectionOfARoundCounts) {
    const bool releasedBetween = GetParam();
    Harness h;
    h.newRun(2, 2, 8);
    h.endPause();
    const int stimulus = h.view.stimulus;
    const int correct = h.correctPosition();
    const int other = correct % 4 + 1;
    h.press(correct, 350, 1);
    const RoundItem first = h.engine->record().items[1];
    if (releasedBetween)
        h.engine->releaseDirection();
    h.press(other, 20, 0);
    EXPECT_EQ(h.engine->record().items[1], first);
    EXPECT_EQ(first.time, 351);
    EXPECT_EQ(first.answer, first.target);
    EXPECT_EQ(h.view.moved[other], NoPicture);
    EXPECT_EQ(h.view.moved[correct], stimulus);
    EXPECT_FALSE(h.view.redBars);
    EXPECT_EQ(h.view.timeLabel, QStringLiteral("351"));
    int feedbackStarts = 0;
    for (const auto& s : h.timer.starts)
        feedbackStarts += s.second == PhaseFeedback;
    EXPECT_EQ(feedbackStarts, 1);
    // The second key is still down: the next round waits for its release.
    h.endFeedback();
    h.fire(PhasePause);
    EXPECT_EQ(h.engine->phase(), RunEngine::Phase::Pause);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwoKeysTest, ::testing::Bool());

TEST(Directions, KeysOtherThanArrowsNeitherAnswerNorHold) {
    Harness h;
    h.newRun(1, 1, 8);
    h.engine->handleDirection(32); // in the pause
    h.endPause();
    h.engine->handleDirection(KeyEscape);
    h.engine->handleDirection(41);
    h.engine->handleDirection(36);
    EXPECT_EQ(h.engine->phase(), RunEngine::Phase::Response);
    EXPECT_FALSE(h.engine->directionHeld());
}

TEST(Directions, KeyCodesMapToPositions) {
    const std::pair<int, int> keys[] = {
        {KeyUp, PositionTop}, {KeyLeft, PositionLeft}, {KeyRight, PositionRight}, {KeyDown, PositionBottom}};
    for (const auto& [key, position] : keys) {
        Harness h;
        h.newRun(1, 1, 8);
        h.endPause();
        const int stimulus = h.view.stimulus;
        h.random.forced.push_back(0);
        h.engine->handleDirection(key);
        EXPECT_EQ(h.view.moved[position], stimulus) << key;
        EXPECT_EQ(h.engine->record().items[1].answer, h.identityAt(position)) << key;
    }
}

// ---- escape ----

enum class At { Pause, Response, Feedback };

struct EscapeCase {
    int round;
    At at;
    int language;
};

class EscapeTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeTest, CancelsBeforeRoundEightOtherwiseHandsOnTheRoundsBefore) {
    const EscapeCase& c = GetParam();
    Harness h;
    h.language = c.language;
    h.results.runRecord.prname = QStringLiteral("earlier");
    h.results.runRecord.roundCount = 3;
    h.results.runRecord.items[1] = {4, 4, 700, 4};
    const ResultsState before = h.results;
    h.newRun(1, 4, 20);
    h.playCorrectRounds(c.round - 1);
    ASSERT_EQ(h.params.roundCounter, c.round);
    if (c.at != At::Pause)
        h.endPause();
    if (c.at == At::Feedback)
        h.answer(h.correctPosition(), 450);
    h.engine->escape();
    h.engine->handleDirection(KeyEscape);

    EXPECT_FALSE(h.timer.active);
    if (c.round < 8) {
        ASSERT_EQ(h.view.messages.size(), 1u);
        const auto& m = h.view.messages[0];
        if (c.language == German) {
            EXPECT_EQ(m.text,
                      QString::fromUtf8("Eine statistische Auswertung erfolgt erst, wenn mindestens 8 "
                                        "Durchgänge durchlaufen wurden."));
            EXPECT_EQ(m.caption, QStringLiteral("Hinweis"));
        } else {
            EXPECT_EQ(m.text,
                      QStringLiteral("You will have to pass at least 8 rounds for a statistic analysis."));
            EXPECT_EQ(m.caption, QStringLiteral("info"));
        }
        EXPECT_EQ(m.lines, 4);
        EXPECT_EQ(h.view.closeResults, std::vector<int>{2});
        EXPECT_EQ(h.engine->phase(), RunEngine::Phase::Cancelled);
        EXPECT_EQ(h.results.runRecord, before.runRecord);
        EXPECT_EQ(h.results.unsavedRun, before.unsavedRun);
    } else {
        const int handedOn = c.round - 1;
        EXPECT_TRUE(h.view.messages.empty());
        EXPECT_EQ(h.view.closeResults, std::vector<int>{1});
        EXPECT_EQ(h.params.roundCounter, handedOn);
        EXPECT_EQ(h.results.runRecord.roundCount, handedOn);
        EXPECT_TRUE(h.results.unsavedRun);
        for (int k = 1; k <= handedOn; ++k) {
            EXPECT_EQ(h.results.runRecord.items[k], h.engine->record().items[k]);
            EXPECT_EQ(h.results.runRecord.items[k].time, 400);
        }
        // The round under way is not handed on, even when it was already answered.
        EXPECT_EQ(h.results.runRecord.items[c.round], RoundItem{});
        EXPECT_EQ(h.results.runRecord.prname, QStringLiteral("Z a v o r"));
    }
    // Nothing happens after the run has ended.
    const RunRecord after = h.results.runRecord;
    h.engine->onTimer(PhasePause);
    h.engine->onTimer(PhaseFeedback);
    h.engine->escape();
    EXPECT_EQ(h.view.closeResults.size(), 1u);
    EXPECT_EQ(h.results.runRecord, after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EscapeTest,
    ::testing::Values(EscapeCase{1, At::Pause, German}, EscapeCase{5, At::Pause, German},
                      EscapeCase{5, At::Response, English}, EscapeCase{5, At::Feedback, German},
                      EscapeCase{7, At::Feedback, English}, EscapeCase{8, At::Pause, German},
                      EscapeCase{8, At::Response, English}, EscapeCase{8, At::Feedback, German},
                      EscapeCase{12, At::Response, German}, EscapeCase{12, At::Feedback, English}));

// ---- what a run leaves in the results record ----

class CancelledRunTest : public ::testing::TestWithParam<bool> {};

TEST_P(CancelledRunTest, LeavesTheFinishedRunBeforeItUntouched) {
    const bool stillUnsaved = GetParam();
    Harness h;
    h.newRun(1, 3, 8);
    h.playCorrectRounds(8);
    ASSERT_EQ(h.view.closeResults, std::vector<int>{1});
    h.results.runRecord.stats[0].correct = 8; // as the after-run computation leaves it
    h.results.unsavedRun = stillUnsaved;      // false: it has been stored meanwhile
    const ResultsState before = h.results;

    h.newRun(2, 4, 20, RandomPositions);
    for (int k = 1; k <= 4; ++k) {
        h.endPause();
        h.answer(h.correctPosition() % 4 + 1, 900);
        h.endFeedback();
    }
    h.endPause();
    h.engine->escape();

    EXPECT_EQ(h.view.closeResults, std::vector<int>{2});
    EXPECT_EQ(h.results.runRecord, before.runRecord);
    EXPECT_EQ(h.results.unsavedRun, stillUnsaved);
    // The cancelled run did play its rounds, into its own record.
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(h.engine->record().items[k].time, 900);
}

INSTANTIATE_TEST_SUITE_P(UnsavedBefore, CancelledRunTest, ::testing::Bool());

TEST(FinishedRun, ReplacesHeaderEntriesAndCountButNotTheStatistics) {
    Harness h;
    h.newRun(1, 1, 20);
    h.playCorrectRounds(20);
    h.results.runRecord.stats[2].wrong = 3;
    h.results.unsavedRun = false;
    const RunStats stats2 = h.results.runRecord.stats[2];

    h.newRun(2, 2, 8, RandomPositions);
    for (int k = 1; k <= 8; ++k) {
        h.endPause();
        h.answer(h.correctPosition(), 610);
        h.endFeedback();
    }
    const RunRecord& r = h.results.runRecord;
    EXPECT_EQ(r.roundCount, 8);
    EXPECT_EQ(r.prtkey, QStringLiteral("Z-221"));
    EXPECT_TRUE(h.results.unsavedRun);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(r.items[k].time, 610);
    for (int k = 9; k <= 20; ++k)
        EXPECT_EQ(r.items[k], RoundItem{}) << "entry of the earlier run left at " << k;
    EXPECT_EQ(r.stats[2], stats2);
}

struct HeaderCase {
    int language;
    int position;
    QTime time;
    const char *svtime, *info1, *info2, *info3, *prtkey;
};

class HeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderTest, FinishedRunHeaderByLanguage) {
    const HeaderCase& c = GetParam();
    Harness h;
    h.language = c.language;
    h.wall.dateTime = QDateTime(QDate(2024, 3, 5), c.time);
    RunRecord& r = h.results.runRecord;
    r.info2 = QStringLiteral("alt2");
    r.info3 = QStringLiteral("alt3");
    r.info4 = QStringLiteral("alt4");
    r.info5 = QStringLiteral("alt5");
    if (c.language == English)
        SetLanguageTexts(English, h.texts);
    h.newRun(1, 3, 4, c.position);
    h.playCorrectRounds(4);
    EXPECT_EQ(r.prname, QStringLiteral("Z a v o r"));
    EXPECT_EQ(r.svdate, QStringLiteral("05.03.2024"));
    EXPECT_EQ(r.svtime, QString::fromUtf8(c.svtime));
    EXPECT_EQ(r.prtkey, QString::fromUtf8(c.prtkey));
    EXPECT_EQ(r.info1, QString::fromUtf8(c.info1));
    EXPECT_EQ(r.info2, QString::fromUtf8(c.info2));
    EXPECT_EQ(r.info3, QString::fromUtf8(c.info3));
    EXPECT_EQ(r.info4, QString());
    EXPECT_EQ(r.info5, QString());
    EXPECT_EQ(r.roundCount, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderTest,
    ::testing::Values(HeaderCase{German, FixedPositions, QTime(9, 7, 42), "09.07", "Farbe/Wort", "Version 3",
                                 "Fester Rahmen", "Z-132"},
                      HeaderCase{German, RandomPositions, QTime(21, 5), "21.05", "Farbe/Wort", "Version 3",
                                 "Variabler Rahmen", "Z-131"},
                      HeaderCase{English, FixedPositions, QTime(0, 0), "00.00", "color/word", "version 3",
                                 "steady frame", "Z-132"},
                      HeaderCase{English, RandomPositions, QTime(23, 59, 59), "23.59", "color/word",
                                 "version 3", "variable frame", "Z-131"},
                      // No text for an unknown language: the two fields keep what they held.
                      HeaderCase{3, RandomPositions, QTime(12, 30), "12.30", "Farbe/Wort", "alt2", "alt3",
                                 "Z-131"}));

TEST(HeaderTest, FieldsAreCutToTwentyCharacters) {
    Harness h;
    SetLanguageTexts(German, h.texts);
    h.texts[0] = QStringLiteral("Farbenlehrefarben");
    h.texts[1] = QStringLiteral("Wortschatz");
    h.newRun(1, 1, 4);
    h.playCorrectRounds(4);
    EXPECT_EQ(h.results.runRecord.info1, QStringLiteral("Farbenlehrefarben/Wo"));
}

struct RoundsCase {
    int requested, used;
};

class RoundsGuardTest : public ::testing::TestWithParam<RoundsCase> {};

TEST_P(RoundsGuardTest, RoundsOutsideTheDialogsRangeCannotOverrunTheRecord) {
    const RoundsCase& c = GetParam();
    Harness h;
    h.newRun(1, 1, c.requested);
    EXPECT_EQ(h.engine->rounds(), c.used);
    EXPECT_EQ(h.view.countLabel, QString::number(c.used));
    for (int k = 1; k <= c.used; ++k) {
        h.endPause();
        h.timeout();
        h.endFeedback();
    }
    EXPECT_EQ(h.view.closeResults, std::vector<int>{1});
    EXPECT_EQ(h.results.runRecord.roundCount, c.used);
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundsGuardTest,
                         ::testing::Values(RoundsCase{200, 200}, RoundsCase{201, 200}, RoundsCase{1000, 200},
                                           RoundsCase{0, 4}, RoundsCase{-8, 4}, RoundsCase{22, 20}));

} // namespace
