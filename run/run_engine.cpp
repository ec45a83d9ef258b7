#include "run/run_engine.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int HeaderLength = 20;

QString Cut(const QString& text) {
    return text.left(HeaderLength);
}

bool IsDirectionKey(int key) {
    return key >= KeyLeft && key <= KeyDown;
}

int PositionForKey(int key) {
    switch (key) {
    case KeyUp:
        return PositionTop;
    case KeyLeft:
        return PositionLeft;
    case KeyRight:
        return PositionRight;
    default:
        return PositionBottom;
    }
}

} // namespace

RunEngine::RunEngine(RunParameters& parameters, int language, const TextTable& texts, ResultsState& results,
                     Clock& clock, WallClock& wallClock, PhaseTimer& timer, Random& random, RunView& view)
    : m_parameters(parameters), m_language(language), m_texts(texts), m_results(results), m_clock(clock),
      m_wallClock(wallClock), m_timer(timer), m_random(random), m_view(view) {}

bool RunEngine::running() const {
    return m_phase == Phase::Pause || m_phase == Phase::Response || m_phase == Phase::Feedback;
}

void RunEngine::start() {
    if (m_phase != Phase::Idle)
        return;
    // Out-of-range parameters must not reach the fixed-size tables.
    m_family = m_parameters.family == 2 ? 2 : 1;
    m_version = std::clamp(m_parameters.version, 1, 4);
    m_rounds = std::clamp(m_parameters.rounds, 4, MaxRounds);
    m_rounds -= m_rounds % 4;

    for (int k = 1; k <= 4; ++k)
        m_view.setTargetPicture(k, NoPicture);
    m_directionHeld = false;
    m_inputClosed = true;
    stopTimer();
    HideStimulusCells();
    m_view.setTimeLabel(QString());
    m_view.setCountLabel(QString());
    FillAttributeTable(m_attributes, m_family, m_version);

    m_record = RunRecord{};
    m_parameters.roundCounter = 0;
    BuildSequence();
    NextRound();
}

void RunEngine::BuildSequence() {
    int c = 0;
    for (int k = 1; k <= m_rounds; ++k) {
        m_sequence[k] = DrawStimulus(m_family, m_version, c, m_random);
        c = (c + 1) % 4;
    }
    for (int i = 1; i <= m_rounds; ++i)
        std::swap(m_sequence[i], m_sequence[m_random.uniform(1, m_rounds)]);
}

void RunEngine::NextRound() {
    m_view.setTimeLabel(QString());
    m_view.setRedBars(false);
    ++m_parameters.roundCounter;
    m_view.setCountLabel(QString::number(m_rounds + 1 - m_parameters.roundCounter));
    if (m_parameters.roundCounter > m_rounds) {
        FinishRun();
        closeWith(1);
        return;
    }
    HideStimulusCells();
    m_phase = Phase::Pause;
    startTimer(PauseMs, PhasePause);
}

void RunEngine::HideStimulusCells() {
    m_view.setStimulusPicture(NoPicture);
    for (int k = 1; k <= 4; ++k)
        m_view.setMovedPicture(k, NoPicture);
    if (m_parameters.position == RandomPositions)
        for (int k = 1; k <= 4; ++k)
            m_view.setTargetPicture(k, NoPicture);
}

void RunEngine::StartRound() {
    ResetTargetSet(m_targets, m_family);
    if (m_parameters.position == RandomPositions)
        ShuffleTargets();
    for (int k = 1; k <= 4; ++k)
        m_view.setTargetPicture(k, m_targets[k].picture);
    m_currentPicture = m_sequence[m_parameters.roundCounter];
    for (int k = 1; k <= 4; ++k)
        if (m_attributes[m_currentPicture].relevant == m_targets[k].identity)
            m_correctPosition = k;
    m_view.setStimulusPicture(m_currentPicture);
    // The stopwatch starts with what the user sees, not with the request to paint it.
    m_view.flush();
    m_clockStartNs = m_clock.nowNs();
    m_inputClosed = false;
    m_phase = Phase::Response;
    startTimer(m_parameters.timeLimit, PhaseResponse);
}

void RunEngine::ShuffleTargets() {
    for (int n = 0; n < 4; ++n)
        std::swap(m_targets[1], m_targets[m_random.uniform(1, 4)]);
}

void RunEngine::onTimer(int tag) {
    // A tag that is not armed is a stale expiry; acting on it would start a phase twice.
    if (!running() || tag != m_armedTag)
        return;
    stopTimer();
    switch (tag) {
    case PhasePause:
        if (m_directionHeld)
            startTimer(PauseMs, PhasePause);
        else
            StartRound();
        break;
    case PhaseResponse:
        if (m_inputClosed)
            break;
        m_reactionMs = m_parameters.timeLimit;
        EvaluateRound();
        break;
    case PhaseFeedback:
        NextRound();
        break;
    default:
        break;
    }
}

void RunEngine::handleDirection(int key) {
    if (!running())
        return;
    const bool direction = IsDirectionKey(key);
    if (m_inputClosed && direction)
        m_directionHeld = true;
    if (m_directionHeld || !direction)
        return;
    m_directionHeld = true;
    m_inputClosed = true;
    stopTimer();
    const qint64 elapsedNs = m_clock.nowNs() - m_clockStartNs;
    m_reactionMs = elapsedNs / 1'000'000 + m_random.uniform(0, 4);
    m_chosenPosition = PositionForKey(key);
    EvaluateRound();
}

void RunEngine::releaseDirection() {
    m_directionHeld = false;
}

void RunEngine::EvaluateRound() {
    m_inputClosed = true;
    const int limit = m_parameters.timeLimit;
    const bool inTime = m_reactionMs < limit;
    if (!inTime) {
        m_reactionMs = limit;
        m_chosenPosition = 0;
    } else {
        m_view.setTimeLabel(QString::number(m_reactionMs));
    }
    const bool correct = m_chosenPosition == m_correctPosition;
    m_view.setStimulusPicture(NoPicture);
    if (inTime)
        m_view.setMovedPicture(m_chosenPosition, m_currentPicture);

    RoundItem& item = m_record.items[m_parameters.roundCounter];
    item.target = m_targets[m_correctPosition].identity;
    item.answer = inTime ? m_targets[m_chosenPosition].identity : 0;
    item.time = static_cast<qint32>(m_reactionMs);
    item.other = m_attributes[m_currentPicture].other;

    if (!correct) {
        if (m_parameters.feedback == OpticalFeedback)
            m_view.setRedBars(true);
        else if (m_parameters.feedback == AcousticFeedback)
            m_view.playWrongSound();
    }
    m_phase = Phase::Feedback;
    startTimer(FeedbackMs, PhaseFeedback);
}

void RunEngine::escape() {
    if (!running())
        return;
    stopTimer();
    if (m_parameters.roundCounter < MinRoundsForStatistics) {
        m_view.showMessage(
            ByLanguage(m_language,
                       QStringLiteral("Eine statistische Auswertung erfolgt erst, wenn mindestens 8 "
                                      "Durchgänge durchlaufen wurden."),
                       QStringLiteral("You will have to pass at least 8 rounds for a statistic analysis.")),
            ByLanguage(m_language, QStringLiteral("Hinweis"), QStringLiteral("info")), 4);
        closeWith(2);
        return;
    }
    FinishRun();
    closeWith(1);
}

void RunEngine::FinishRun() {
    --m_parameters.roundCounter;
    const int handedOn = m_parameters.roundCounter;
    RunRecord& target = m_results.runRecord;
    const QDateTime now = m_wallClock.now();

    m_record.prname = Cut(QStringLiteral("Z a v o r"));
    m_record.svdate = Cut(now.toString(QStringLiteral("dd.MM.yyyy")));
    m_record.svtime = Cut(now.toString(QStringLiteral("hh.mm")));
    m_record.prtkey = Cut(TypeKey(m_family, m_version, m_parameters.position));
    m_record.info1 = Cut(FamilyLabel(m_texts, m_family));
    if (m_language == German || m_language == English) {
        m_record.info2 = Cut(VersionLabel(m_language, m_version));
        m_record.info3 = Cut(PositionLabel(m_language, m_parameters.position));
    } else {
        m_record.info2 = target.info2;
        m_record.info3 = target.info3;
    }
    m_record.info4.clear();
    m_record.info5.clear();
    m_record.roundCount = handedOn;

    // Statistics stay for the after-run computation; entries past the handed-on rounds are
    // cleared so nothing of an earlier run or of the broken-off round remains.
    target.prname = m_record.prname;
    target.svdate = m_record.svdate;
    target.svtime = m_record.svtime;
    target.prtkey = m_record.prtkey;
    target.info1 = m_record.info1;
    target.info2 = m_record.info2;
    target.info3 = m_record.info3;
    target.info4 = m_record.info4;
    target.info5 = m_record.info5;
    target.roundCount = handedOn;
    for (int k = 1; k <= MaxRounds; ++k)
        target.items[k] = k <= handedOn ? m_record.items[k] : RoundItem{};
    m_results.unsavedRun = true;
}

void RunEngine::startTimer(int intervalMs, int tag) {
    m_armedTag = tag;
    m_timer.start(intervalMs, tag);
}

void RunEngine::stopTimer() {
    m_armedTag = 0;
    m_timer.stop();
}

void RunEngine::closeWith(int result) {
    m_phase = result == 1 ? Phase::Finished : Phase::Cancelled;
    m_result = result;
    m_view.close(result);
}
