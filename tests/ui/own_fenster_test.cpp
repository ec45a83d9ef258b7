#include "app/global_state.h"
#include "ui/own_fenster.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

struct TilingCase {
    int width, height;
    QList<int> topXs, sideYs, bottomXs;
};

// The painting order spelled out: top tiles, the two top corners, side pairs, bottom
// tiles, the two bottom corners.
QList<FrameTile> Expected(const TilingCase& c) {
    QList<FrameTile> tiles;
    for (int x : c.topXs)
        tiles.append({2, x, 0});
    tiles.append({0, 0, 0});
    tiles.append({3, c.width - 135, 0});
    for (int y : c.sideYs) {
        tiles.append({7, 0, y});
        tiles.append({1, c.width - 23, y});
    }
    for (int x : c.bottomXs)
        tiles.append({5, x, c.height - 24});
    tiles.append({4, 0, c.height - 24});
    tiles.append({6, c.width - 23, c.height - 24});
    return tiles;
}

class FrameTiling : public ::testing::TestWithParam<TilingCase> {};

TEST_P(FrameTiling, PlacesEveryPieceInPaintingOrder) {
    const TilingCase& c = GetParam();
    EXPECT_EQ(FrameTiles(c.width, c.height), Expected(c));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameTiling,
    ::testing::Values(
        TilingCase{487, 220, {24, 159, 294}, {47, 94, 141, 188}, {23, 182, 341}},
        TilingCase{
            646, 473, {24, 159, 294, 429}, {47, 94, 141, 188, 235, 282, 329, 376, 423}, {23, 182, 341, 500}},
        // narrower than 159 + 135 and lower than the frame: still one tile each
        TilingCase{200, 100, {24}, {47}, {23}}, TilingCase{100, 60, {24}, {47}, {23}}));

TEST(CaptionFont, KeepsThePixelSizeAboveOneHundredDpi) {
    const std::pair<int, int> cases[] = {{72, 12}, {96, 12}, {100, 12}, {101, 11}, {120, 9}, {144, 8}};
    for (auto [dpi, points] : cases)
        EXPECT_EQ(CaptionPointSize(dpi), points) << dpi;
}

TEST(Centring, TruncatesTowardsZeroAndFollowsTheDisplayArea) {
    GlobalState g;
    g.displayWidth = 1024;
    g.displayHeight = 768;
    EXPECT_EQ(CentreInDisplayArea(g, {487, 220}), QPoint(268, 274));
    EXPECT_EQ(CentreInDisplayArea(g, {646, 473}), QPoint(189, 147));
    g.displayWidth = 400;
    g.displayHeight = 300;
    EXPECT_EQ(CentreInDisplayArea(g, {487, 221}), QPoint(-43, 39));
    // Full screen on a larger screen: the area itself sits in the middle of it.
    g.displayLeft = 128;
    g.displayTop = 64;
    EXPECT_EQ(CentreInDisplayArea(g, {487, 221}), QPoint(85, 103));
}

// A frame with a 441 x 149 panel, so the client area is 487 x 220.
class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        saved = globalState();
        frame.setPppSize(441, 149);
    }
    void TearDown() override { globalState() = saved; }
    GlobalState saved;
    TOwnFenster frame;
};

TEST_F(Frame, PatternSizesThePanelAndCentresInTheDisplayArea) {
    EXPECT_EQ(frame.size(), QSize(487, 220));
    EXPECT_EQ(frame.ppp->geometry(), QRect(23, 47, 441, 149));
    EXPECT_EQ(frame.ppp->palette().color(QPalette::Window), QColor(82, 190, 160));
    globalState().displayWidth = 800;
    globalState().displayHeight = 600;
    frame.show();
    EXPECT_EQ(frame.pos(), QPoint(156, 190));
    EXPECT_EQ(frame.windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
    frame.hide();
    globalState().displayLeft = 128;
    globalState().displayTop = 64;
    frame.show();
    EXPECT_EQ(frame.pos(), QPoint(284, 254));
}

struct ClickCase {
    QPoint fromTopRight; // x relative to the client width
    bool closes;
};

class CloseBox : public Frame, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(CloseBox, ClosesInsideAndDragsOneOutside) {
    frame.show();
    const QPoint at(frame.width() + GetParam().fromTopRight.x(), GetParam().fromTopRight.y());
    frame.setResult(0);
    QTest::mousePress(&frame, Qt::LeftButton, {}, at);
    if (GetParam().closes) {
        EXPECT_FALSE(frame.isVisible());
        EXPECT_EQ(frame.result(), 2);
        EXPECT_FALSE(frame.isDragging());
    } else {
        EXPECT_TRUE(frame.isVisible());
        EXPECT_TRUE(frame.isDragging());
    }
    QTest::mouseRelease(&frame, Qt::LeftButton, {}, at);
    EXPECT_FALSE(frame.isDragging());
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseBox,
                         ::testing::Values(ClickCase{{-42, 18}, true}, ClickCase{{-26, 34}, true},
                                           ClickCase{{-34, 26}, true}, ClickCase{{-25, 18}, false},
                                           ClickCase{{-42, 35}, false}, ClickCase{{-43, 18}, false},
                                           ClickCase{{-42, 17}, false}, ClickCase{{-300, 10}, false}));

TEST_F(Frame, DraggingTheFrameMovesTheWindowWithTheMouse) {
    frame.show();
    const QPoint start = frame.pos();
    const QPoint at(frame.width() - 25, 18);
    QTest::mousePress(&frame, Qt::LeftButton, {}, at);
    QTest::mouseMove(&frame, at + QPoint(30, 20));
    EXPECT_FALSE(frame.isDragging()); // the first move hands over to the move itself
    QTest::mouseMove(&frame, at + QPoint(40, 25) - (frame.pos() - start));
    EXPECT_EQ(frame.pos(), start + QPoint(40, 25));
    QTest::mouseRelease(&frame, Qt::LeftButton, {}, at);
    const QPoint end = frame.pos();
    QTest::mouseMove(&frame, at + QPoint(5, 5));
    EXPECT_EQ(frame.pos(), end); // released: the window stays
}

TEST_F(Frame, ClicksOnTheContentPanelNeverReachTheFrame) {
    frame.show();
    QTest::mousePress(frame.ppp, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(frame.isDragging());
    EXPECT_TRUE(frame.isVisible());
    QTest::mouseRelease(frame.ppp, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST_F(Frame, EscapeAndClosingEndWithTwo) {
    frame.show();
    QTest::keyClick(&frame, Qt::Key_Escape);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(frame.result(), 2);
    frame.show();
    frame.setResult(0);
    frame.close();
    EXPECT_EQ(frame.result(), 2);
}

TEST_F(Frame, WithoutAHostTheOwnerStaysUnset) {
    globalState().hostWindow = -1;
    frame.show();
    ASSERT_NE(frame.windowHandle(), nullptr);
    EXPECT_EQ(frame.windowHandle()->transientParent(), nullptr);
}

TEST_F(Frame, TheHostWindowBecomesTheOwner) {
    QWidget host;
    host.show();
    globalState().hostWindow = qint64(host.winId());
    frame.show();
    QWindow* owner = frame.windowHandle()->transientParent();
    if (!owner)
        GTEST_SKIP() << "this platform plugin offers no foreign windows";
    EXPECT_EQ(owner->winId(), host.winId());
}

// Pieces of one solid colour each, so a grab shows which piece is on top where.
QList<QPixmap> SolidPieces() {
    QList<QPixmap> pieces;
    for (int i = 0; i < 8; ++i) {
        QPixmap p(FramePieceSizes[i]);
        p.fill(QColor(20 * i + 10, 200 - 20 * i, 100));
        pieces.append(p);
    }
    return pieces;
}

class FramePainting : public ::testing::Test {
protected:
    void SetUp() override {
        saved = TOwnFenster::BMPListe();
        TOwnFenster::setBMPListe(SolidPieces());
    }
    void TearDown() override { TOwnFenster::setBMPListe(saved); }
    static QColor piece(int i) { return QColor(20 * i + 10, 200 - 20 * i, 100); }
    QList<QPixmap> saved;
};

TEST_F(FramePainting, CornersCoverTheTilesAndTheBottomCoversTheSides) {
    TOwnFenster frame;
    frame.setPppSize(200 - 46, 100 - 71);
    const QImage image = frame.grab().toImage();
    const struct {
        QPoint at;
        QColor colour;
    } probes[] = {{{10, 5}, piece(0)},   {{30, 5}, piece(2)},
                  {{100, 5}, piece(3)},  {{5, 60}, piece(7)},
                  {{195, 60}, piece(1)}, {{5, 90}, piece(4)},
                  {{100, 90}, piece(5)}, {{190, 90}, piece(6)},
                  {{5, 80}, piece(4)},   {{50, 60}, QColor(82, 190, 160)}};
    for (const auto& probe : probes)
        EXPECT_EQ(image.pixelColor(probe.at), probe.colour) << probe.at.x() << "," << probe.at.y();
}

TEST_F(FramePainting, CaptionIsPaintedOnlyWhenThereIsOne) {
    TOwnFenster frame;
    frame.setPppSize(441, 149);
    const QRect captionArea(27, 19, 100, 20);
    auto captionPixels = [&] {
        const QImage image = frame.grab().toImage();
        int count = 0;
        for (int y = captionArea.top(); y <= captionArea.bottom(); ++y)
            for (int x = captionArea.left(); x <= captionArea.right(); ++x)
                count += image.pixelColor(x, y) != piece(2);
        return count;
    };
    frame.setWindowTitle(QString());
    EXPECT_EQ(captionPixels(), 0);
    frame.setWindowTitle("Hinweis");
    EXPECT_GT(captionPixels(), 30);
    EXPECT_EQ(TOwnFenster::captionColour(), QColor(200, 250, 230));
}

// Keys reach the dialog before the focused control; what it leaves passes on.
class KeyFrame : public TOwnFenster {
public:
    KeyFrame() {
        setPppSize(300, 100);
        edit = new QLineEdit(ppp);
    }
    QLineEdit* edit;
    QList<int> seen;

protected:
    bool FormKeyDown(QKeyEvent* event) override {
        seen.append(event->key());
        return event->key() == Qt::Key_X;
    }
};

TEST(FrameKeys, TheDialogSeesKeysBeforeItsControls) {
    KeyFrame frame;
    frame.show();
    frame.edit->setFocus();
    QTest::keyClicks(frame.edit, "aXb");
    EXPECT_EQ(frame.edit->text(), "ab");
    ASSERT_FALSE(frame.seen.isEmpty());
    EXPECT_EQ(frame.seen.first(), Qt::Key_A);
    EXPECT_TRUE(frame.seen.contains(Qt::Key_X));
}

} // namespace
