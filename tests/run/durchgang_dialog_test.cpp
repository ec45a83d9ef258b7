#include "run/durchgang_dialog.h"

#include "run/catalogue.h"
#include "run/frame_painter.h"
#include "tests/run/fakes.h"
#include "tests/run/run_screen_fixture.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_list.h"
#include "ui/sound.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

Qt::Key KeyFor(int position) {
    switch (position) {
    case PositionTop:
        return Qt::Key_Up;
    case PositionLeft:
        return Qt::Key_Left;
    case PositionRight:
        return Qt::Key_Right;
    default:
        return Qt::Key_Down;
    }
}

// Calls back whenever the run reads the stopwatch.
class ProbeClock final : public Clock {
public:
    qint64 nowNs() const override {
        if (onRead)
            onRead();
        return ns;
    }
    void advanceMs(qint64 ms) { ns += ms * 1'000'000; }
    qint64 ns = 9'000'000'000;
    std::function<void()> onRead;
};

class CountingSound final : public Sound {
public:
    void playWrong() override { ++plays; }
    int plays = 0;
};

// Counts the paint events a widget gets.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

// Stands in as the program's message box (the first one alive is the program's, so no
// lasting one is made), closes it as soon as it shows and keeps what it said.
class MessageCatcher {
public:
    MessageCatcher() {
        EXPECT_EQ(&meldungDialog(), &m_box);
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<TMeldungDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            text = box->Textfeld->text();
            caption = box->windowTitle();
            ++shown;
            box->done(2);
        });
        m_timer.start();
    }
    QString text, caption;
    int shown = 0;

private:
    TMeldungDialog m_box;
    QTimer m_timer;
};

// The run screen over the generated pictures, driven by a fake timer and clock.
class RunScreen : public ::testing::Test {
protected:
    void open(int family, int version, int rounds, int position, int feedback, int width = 1024,
              int height = 768, int language = German) {
        env = std::make_unique<ScreenEnvironment>(width, height, language);
        ASSERT_TRUE(env->loaded);
        ASSERT_EQ(&daten(), env->daten.get());
        params = RunParameters{};
        params.family = family;
        params.version = version;
        params.rounds = rounds;
        params.position = position;
        params.feedback = feedback;
        params.timeLimit = 2000;
        attributes = AttributeTable{};
        FillAttributeTable(attributes, family, version);
        DurchgangSetup setup;
        setup.parameters = &params;
        setup.results = &results;
        setup.language = language;
        setup.texts = &languageState().textTable;
        setup.timer = &timer;
        setup.clock = &clock;
        setup.wallClock = &wall;
        setup.random = &random;
        dlg = std::make_unique<TDurchgangDialog>(setup);
        dlg->SpielartLabel->setText(LabelWord(languageState().textTable, family, version));
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    }
    void TearDown() override {
        dlg.reset();
        env.reset();
    }

    void fire(int tag) {
        ASSERT_TRUE(timer.active) << "no phase armed";
        ASSERT_EQ(timer.tag, tag);
        timer.active = false;
        clock.advanceMs(timer.interval);
        dlg->engine().onTimer(tag);
    }
    RunEngine::Phase phase() const { return dlg->engine().phase(); }

    // What a cell shows right now.
    int shown(RunCell which) const {
        RunCellWidget* c = dlg->cell(which);
        return c->isVisible() ? c->picture() : NoPicture;
    }
    int target(int position) const { return shown(TargetCell(position)); }
    int moved(int position) const { return shown(MovedCell(position)); }
    int anyMoved() const {
        for (int k = 1; k <= 4; ++k)
            if (moved(k) != NoPicture)
                return k;
        return 0;
    }
    int barsShown() const {
        int n = 0;
        for (QWidget* bar : {dlg->oklabel1, dlg->OKLabel2, dlg->OKlabel3, dlg->oklabel4})
            n += bar->isVisible() ? 1 : 0;
        return n;
    }
    int correctPosition() const {
        const int relevant = attributes[shown(RunCell::Mitte)].relevant;
        for (int k = 1; k <= 4; ++k)
            if (target(k) == TargetPicture(params.family, relevant))
                return k;
        ADD_FAILURE() << "no target matches the stimulus";
        return 1;
    }
    // Colour on screen at a point of a cell, and the colour the cell's picture has there.
    QRgb screenAt(RunCell which, QPoint inCell) const {
        const QPoint p = dlg->cell(which)->geometry().topLeft() + dlg->backpanel->pos() + inCell;
        return dlg->grab().toImage().pixel(p);
    }

    std::unique_ptr<ScreenEnvironment> env;
    RunParameters params;
    ResultsState results;
    ProbeClock clock;
    FakeWallClock wall;
    FakeTimer timer;
    FakeRandom random{3};
    AttributeTable attributes{};
    std::unique_ptr<TDurchgangDialog> dlg;
};

TEST_F(RunScreen, ShortRunByKeysShowsEachPhase) {
    open(1, 3, 4, FixedPositions, OpticalFeedback);
    const QCursor* cursor = QGuiApplication::overrideCursor();
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->shape(), Qt::BlankCursor);
    EXPECT_EQ(dlg->SpielartLabel->text(), "Farbe");

    // First pause: nothing but the count, even with fixed positions.
    ASSERT_EQ(phase(), RunEngine::Phase::Pause);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(target(k), NoPicture) << k;
    EXPECT_EQ(shown(RunCell::Mitte), NoPicture);
    EXPECT_EQ(anyMoved(), 0);
    EXPECT_EQ(barsShown(), 0);
    EXPECT_EQ(dlg->Zeitlabel->text(), "");
    EXPECT_EQ(dlg->Countlabel->text(), "4");
    const QPoint middle(60, 45);
    const QRgb background =
        daten().haupt(BackgroundPicture).toImage().pixel(dlg->Mitte->geometry().topLeft() + middle);
    EXPECT_EQ(screenAt(RunCell::Mitte, middle), background);

    // Round 1, response: targets in their fixed places and the stimulus on screen; answered right.
    fire(PhasePause);
    ASSERT_EQ(phase(), RunEngine::Phase::Response);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(target(k), TargetPicture(1, k)) << k;
    const int stimulus = dlg->engine().sequencePicture(1);
    EXPECT_EQ(shown(RunCell::Mitte), stimulus);
    EXPECT_EQ(screenAt(RunCell::Mitte, middle), daten().haupt(stimulus).toImage().pixel(middle));
    const int right = correctPosition();
    clock.advanceMs(420);
    QTest::keyClick(dlg.get(), KeyFor(right));
    ASSERT_EQ(phase(), RunEngine::Phase::Feedback);
    EXPECT_EQ(shown(RunCell::Mitte), NoPicture);
    EXPECT_EQ(anyMoved(), right);
    EXPECT_EQ(moved(right), stimulus);
    const int shownMs = dlg->Zeitlabel->text().toInt();
    EXPECT_GE(shownMs, 420);
    EXPECT_LE(shownMs, 424);
    EXPECT_EQ(barsShown(), 0);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(target(k), TargetPicture(1, k)) << k;

    // Round 2: the pause keeps the fixed targets and clears the rest; a wrong answer lights the bars.
    fire(PhaseFeedback);
    ASSERT_EQ(phase(), RunEngine::Phase::Pause);
    EXPECT_EQ(dlg->Countlabel->text(), "3");
    EXPECT_EQ(dlg->Zeitlabel->text(), "");
    EXPECT_EQ(anyMoved(), 0);
    EXPECT_EQ(target(1), TargetPicture(1, 1));
    fire(PhasePause);
    const int wrong = correctPosition() % 4 + 1;
    QTest::keyClick(dlg.get(), KeyFor(wrong));
    EXPECT_EQ(anyMoved(), wrong);
    EXPECT_EQ(barsShown(), 4);
    const QRect bar = dlg->oklabel4->geometry();
    EXPECT_EQ(QColor(dlg->grab().toImage().pixel(bar.center())), QColor(Qt::red));

    // Round 3: no answer in time: no moved stimulus, empty time, bars.
    fire(PhaseFeedback);
    EXPECT_EQ(barsShown(), 0);
    fire(PhasePause);
    fire(PhaseResponse);
    ASSERT_EQ(phase(), RunEngine::Phase::Feedback);
    EXPECT_EQ(anyMoved(), 0);
    EXPECT_EQ(shown(RunCell::Mitte), NoPicture);
    EXPECT_EQ(dlg->Zeitlabel->text(), "");
    EXPECT_EQ(barsShown(), 4);

    // Round 4: keys whose Qt codes are 37..40 are not arrows; then the right arrow answers.
    fire(PhaseFeedback);
    EXPECT_EQ(dlg->Countlabel->text(), "1");
    fire(PhasePause);
    for (Qt::Key key : {Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft})
        QTest::keyClick(dlg.get(), key);
    ASSERT_EQ(phase(), RunEngine::Phase::Response);
    const int last = correctPosition();
    QTest::keyClick(dlg.get(), KeyFor(last));
    fire(PhaseFeedback);

    EXPECT_EQ(dlg->engine().result(), 1);
    EXPECT_EQ(dlg->result(), 1);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    const RunRecord& r = results.runRecord;
    EXPECT_EQ(r.roundCount, 4);
    EXPECT_EQ(r.items[1].answer, r.items[1].target);
    EXPECT_EQ(r.items[1].time, shownMs);
    EXPECT_NE(r.items[2].answer, r.items[2].target);
    EXPECT_EQ(r.items[3].answer, 0);
    EXPECT_EQ(r.items[3].time, 2000);
    EXPECT_EQ(r.items[4].answer, r.items[4].target);
}

TEST_F(RunScreen, RandomPositionsHideTargetsInEveryPause) {
    open(2, 2, 8, RandomPositions, OpticalFeedback);
    for (int round = 1; round <= 3; ++round) {
        ASSERT_EQ(phase(), RunEngine::Phase::Pause);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(target(k), NoPicture) << round << " " << k;
        fire(PhasePause);
        const TargetSet& set = dlg->engine().targetSet();
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(target(k), set[static_cast<size_t>(k)].picture) << round << " " << k;
        QTest::keyClick(dlg.get(), KeyFor(correctPosition()));
        EXPECT_EQ(barsShown(), 0);
        fire(PhaseFeedback);
    }
}

TEST_F(RunScreen, StopwatchStartsAfterTheStimulusIsPainted) {
    open(1, 1, 4, RandomPositions, OpticalFeedback);
    PaintCounter counter;
    dlg->Mitte->installEventFilter(&counter);
    int paintsAtRead = -1;
    QRgb colourAtRead = 0;
    clock.onRead = [&] {
        paintsAtRead = counter.paints;
        colourAtRead = dlg->backpanel->grab(dlg->Mitte->geometry()).toImage().pixel(60, 45);
    };
    fire(PhasePause);
    clock.onRead = nullptr;
    ASSERT_EQ(phase(), RunEngine::Phase::Response);
    EXPECT_GE(paintsAtRead, 1) << "the stimulus was not painted before the stopwatch started";
    EXPECT_EQ(colourAtRead, daten().haupt(dlg->engine().sequencePicture(1)).toImage().pixel(60, 45));
}

TEST_F(RunScreen, HeldKeyDelaysTheNextRoundAndAutoRepeatIsNoRelease) {
    open(1, 1, 8, FixedPositions, OpticalFeedback);
    fire(PhasePause);
    const Qt::Key key = KeyFor(correctPosition());
    QTest::keyPress(dlg.get(), key);
    ASSERT_EQ(phase(), RunEngine::Phase::Feedback);
    const RoundItem first = dlg->engine().record().items[1];
    // The key stays down: the window system repeats release and press, flagged as auto-repeat.
    // A pause that ends between the two must still see the key held.
    const auto repeat = [&](QEvent::Type type) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(dlg.get(), &event);
    };
    repeat(QEvent::KeyRelease);
    repeat(QEvent::KeyPress);
    fire(PhaseFeedback);
    ASSERT_EQ(phase(), RunEngine::Phase::Pause);
    for (int i = 0; i < 3; ++i) {
        repeat(QEvent::KeyRelease);
        fire(PhasePause);
        EXPECT_EQ(phase(), RunEngine::Phase::Pause) << "the held key let the next round begin";
        EXPECT_EQ(timer.interval, PauseMs);
        repeat(QEvent::KeyPress);
    }
    // Releasing any key, here another one, ends the hold.
    QTest::keyRelease(dlg.get(), Qt::Key_Shift);
    fire(PhasePause);
    EXPECT_EQ(phase(), RunEngine::Phase::Response);
    EXPECT_EQ(dlg->engine().record().items[1], first);
    EXPECT_EQ(dlg->engine().record().items[2], RoundItem{});
}

TEST_F(RunScreen, EscapeBeforeRoundEightCancelsWithTheMessage) {
    results.runRecord.roundCount = 33;
    open(1, 1, 12, FixedPositions, OpticalFeedback, 1024, 768, English);
    fire(PhasePause);
    MessageCatcher catcher;
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_EQ(catcher.shown, 1);
    EXPECT_EQ(catcher.text, "You will have to pass at least 8 rounds for a statistic analysis.");
    EXPECT_EQ(catcher.caption, "info");
    EXPECT_EQ(dlg->result(), 2);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(timer.active);
    EXPECT_EQ(results.runRecord.roundCount, 33);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(RunScreen, EscapeInRoundNineHandsOnEightRounds) {
    open(2, 3, 12, FixedPositions, OpticalFeedback);
    for (int round = 1; round <= 8; ++round) {
        fire(PhasePause);
        fire(PhaseResponse);
        fire(PhaseFeedback);
    }
    MessageCatcher catcher;
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_EQ(catcher.shown, 0);
    EXPECT_EQ(dlg->result(), 1);
    EXPECT_EQ(results.runRecord.roundCount, 8);
    EXPECT_EQ(params.roundCounter, 8);
}

TEST_F(RunScreen, AcousticFeedbackPlaysTheWrongSoundInsteadOfBars) {
    open(1, 2, 4, FixedPositions, AcousticFeedback);
    CountingSound sound;
    daten().setSound(&sound);
    fire(PhasePause);
    QTest::keyClick(dlg.get(), KeyFor(correctPosition() % 4 + 1));
    EXPECT_EQ(sound.plays, 1);
    EXPECT_EQ(barsShown(), 0);
    fire(PhaseFeedback);
    fire(PhasePause);
    QTest::keyClick(dlg.get(), KeyFor(correctPosition()));
    EXPECT_EQ(sound.plays, 1);
    daten().setSound(nullptr);
}

// The screen at each class: window over the display area, back panel with picture 88, the
// cells where the class puts them, the label word whole inside its box.
struct ScreenCase {
    int width, height, language, family, version;
    QRect backPanel;
    QPoint oben, xRechts;
    QSize cell;
    int labelPt; // 0: smaller than the width's 22 points, to fit
};

class RunScreenLayoutAt : public RunScreen, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(RunScreenLayoutAt, WidgetsFollowTheClassLayout) {
    const ScreenCase& c = GetParam();
    open(c.family, c.version, 4, FixedPositions, OpticalFeedback, c.width, c.height, c.language);
    EXPECT_EQ(dlg->geometry(), QRect(0, 0, c.width, c.height));
    EXPECT_EQ(dlg->backpanel->geometry(), c.backPanel);
    EXPECT_EQ(dlg->Oben->geometry(), QRect(c.oben, c.cell));
    EXPECT_EQ(dlg->XRechts->geometry(), QRect(c.xRechts, c.cell));
    const RunScreenLayout& l = dlg->layout();
    for (int i = 0; i < RunCellCount; ++i)
        EXPECT_EQ(dlg->cell(static_cast<RunCell>(i))->geometry(), l.cells[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(dlg->oklabel1->geometry(), l.bars[0]);
    EXPECT_EQ(dlg->OKLabel2->geometry(), l.bars[1]);
    EXPECT_EQ(dlg->OKlabel3->geometry(), l.bars[2]);
    EXPECT_EQ(dlg->oklabel4->geometry(), l.bars[3]);
    EXPECT_EQ(dlg->Zeitlabel->geometry(), l.zeitLabel);
    EXPECT_EQ(dlg->Countlabel->geometry(), l.countLabel);
    EXPECT_EQ(dlg->Zeitlabel->font().pointSize(), l.counterPointSize);
    EXPECT_EQ(dlg->SpielartLabel->geometry(), l.spielartLabel);
    if (c.labelPt != 0) {
        EXPECT_EQ(dlg->SpielartLabel->font().pointSize(), c.labelPt);
    } else {
        EXPECT_LT(dlg->SpielartLabel->font().pointSize(), 22);
        EXPECT_GE(dlg->SpielartLabel->font().pointSize(), 8);
    }
    EXPECT_TRUE(dlg->SpielartLabel->font().bold());
    EXPECT_LE(QFontMetrics(dlg->SpielartLabel->font()).horizontalAdvance(dlg->SpielartLabel->text()),
              dlg->SpielartLabel->width());
    EXPECT_LE(dlg->SpielartLabel->geometry().right(), c.width - daten().schemeSize(FrameRightEdge).width());
}

INSTANTIATE_TEST_SUITE_P(
    Classes, RunScreenLayoutAt,
    ::testing::Values(
        ScreenCase{640, 480, German, 2, 2, {111, 82, 418, 315}, {170, 4}, {251, 128}, {78, 58}, 12},
        ScreenCase{800, 600, English, 2, 2, {144, 107, 512, 386}, {208, 5}, {308, 157}, {96, 72}, 16},
        ScreenCase{1024, 768, German, 2, 2, {190, 145, 644, 478}, {262, 4}, {389, 195}, {120, 90}, 22},
        // The box beside the cross is 41 pixels wide here: the word is made smaller.
        ScreenCase{821, 615, German, 2, 2, {88, 68, 644, 478}, {262, 4}, {389, 195}, {120, 90}, 0}),
    [](const auto& info) { return "W" + std::to_string(info.param.width); });

TEST_F(RunScreen, WindowSitsAtTheDisplayAreaOffset) {
    env = std::make_unique<ScreenEnvironment>(800, 600, German);
    ASSERT_TRUE(env->loaded);
    globalState().displayLeft = 112;
    globalState().displayTop = 84;
    DurchgangSetup setup;
    setup.parameters = &params;
    setup.results = &results;
    setup.timer = &timer;
    setup.clock = &clock;
    setup.random = &random;
    dlg = std::make_unique<TDurchgangDialog>(setup);
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    EXPECT_EQ(dlg->geometry(), QRect(112, 84, 800, 600));
}

// A program folder whose frame pieces are small and striped, so that every copy can be told
// apart: column x of an edge piece has red x * 5, row y green y * 5.
class StripedPieces : public ::testing::Test {
protected:
    static QByteArray Bmp(const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        return bytes;
    }
    static QImage Striped(int w, int h, int blue) {
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, qRgb(x * 5, y * 5, blue));
        return image;
    }
    static QImage Solid(int w, int h, QRgb colour) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    void SetUp() override {
        QList<QByteArray> scheme;
        for (int i = 0; i < 24; ++i)
            scheme.append(Bmp(Solid(2, 2, qRgb(1, 1, 1))));
        pieces = {{FrameTopLeft, Solid(4, 4, qRgb(255, 0, 0))},
                  {FrameRightEdge, Striped(6, 40, 25)},
                  {FrameBottomLeft, Solid(4, 5, qRgb(0, 255, 0))},
                  {FrameTopRight, Solid(4, 4, qRgb(0, 0, 255))},
                  {FrameLeftEdge, Striped(6, 40, 28)},
                  {FrameBottomRight, Solid(4, 5, qRgb(9, 9, 9))},
                  {FrameBottomEdge, Striped(50, 16, 30)},
                  {FrameTopEdge, Striped(50, 6, 31)},
                  {FramePlate, Solid(20, 6, qRgb(200, 200, 0))}};
        for (int i = 24; i <= 32; ++i)
            scheme.append(Bmp(pieces[i]));
        const QString folder = dir.filePath("DATA/1024");
        ASSERT_TRUE(QDir().mkpath(folder));
        for (const auto& [name, list] :
             {std::pair{QString("haupt.bml"), QList<QByteArray>{Bmp(Solid(2, 2, 0))}},
              std::pair{QString("scheme.bml"), scheme}}) {
            QFile f(folder + "/" + name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_TRUE(WritePictureList(f, list));
        }
        ASSERT_TRUE(d.LoadPictureLists(dir.path() + QDir::separator(), 1024, German));
    }
    QImage paint(int w, int h, bool plate) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        PaintSchemeFrame(p, d, 1024, w, h, plate);
        return image;
    }
    QTemporaryDir dir;
    std::map<int, QImage> pieces;
    TDaten d;
};

// Every edge repeats its piece 1:1 from the start and cuts the last copy; corners lie over the
// edges; the plate only on request.
TEST_F(StripedPieces, FrameTiledWithCutEndsCornersOnTopPlateOnRequest) {
    const int w = 1030, h = 700; // 20 top copies and 30 columns; 17 side copies and 20 rows
    for (bool plate : {false, true}) {
        SCOPED_TRACE(plate);
        const QImage frame = paint(w, h, plate);
        for (int x = 6; x < w - 6; ++x) { // the side edges lie over both ends
            ASSERT_EQ(frame.pixel(x, 2), pieces[FrameTopEdge].pixel(x % 50, 2)) << x;
            if (!plate) {
                ASSERT_EQ(frame.pixel(x, h - 16 + 12), pieces[FrameBottomEdge].pixel(x % 50, 12)) << x;
            }
        }
        for (int y = 6; y < h - 16; ++y) {
            ASSERT_EQ(frame.pixel(1, y), pieces[FrameLeftEdge].pixel(1, y % 40)) << y;
            ASSERT_EQ(frame.pixel(w - 6 + 3, y), pieces[FrameRightEdge].pixel(3, y % 40)) << y;
        }
        EXPECT_EQ(frame.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(frame.pixel(w - 1, 3), qRgb(0, 0, 255));
        EXPECT_EQ(frame.pixel(3, h - 1), qRgb(0, 255, 0));
        EXPECT_EQ(frame.pixel(w - 4, h - 5), qRgb(9, 9, 9));
        // The plate: centred, S = 10 below the top of the bottom edge.
        const QRect plateRect((w - 20) / 2, h - 16 + 10, 20, 6);
        EXPECT_EQ(frame.pixel(plateRect.topLeft()) == qRgb(200, 200, 0), plate);
        EXPECT_EQ(frame.pixel(plateRect.bottomRight()) == qRgb(200, 200, 0), plate);
        EXPECT_NE(frame.pixel(plateRect.left() - 1, plateRect.top()), qRgb(200, 200, 0));
        // Inside the frame nothing is painted.
        EXPECT_EQ(frame.pixel(w / 2, h / 2), qRgb(0, 0, 0));
    }
}

} // namespace
