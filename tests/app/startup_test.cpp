#include "app/global_state.h"
#include "app/language.h"
#include "app/main_layout.h"
#include "app/startup.h"
#include "ui/tiling.h"

#include <QDir>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(ResolutionClass, BoundariesOnWidthAlone) {
    const struct {
        int width, expected;
    } cases[] = {{1, 640},   {640, 640},  {750, 640},   {751, 800}, {800, 800},
                 {820, 800}, {821, 1024}, {1024, 1024}, {0, 1024},  {-5, 1024}};
    for (const auto& c : cases)
        EXPECT_EQ(ResolutionClassFor(c.width), c.expected) << c.width;
}

TEST(TrailingSeparatorOp, TrimsAndAppendsOnce) {
    const QString sep = QDir::separator();
    EXPECT_EQ(TrailingSeparator(""), "");
    EXPECT_EQ(TrailingSeparator("   "), "");
    EXPECT_EQ(TrailingSeparator(" /a/b "), "/a/b" + sep);
    EXPECT_EQ(TrailingSeparator("/a/b/"), "/a/b/");
}

TEST(CommandLineTest, WinDebugAndBadNumbers) {
    EXPECT_TRUE(ParseCommandLine({"win"}).win);
    EXPECT_FALSE(ParseCommandLine({"Win"}).win); // letter case counts
    const CommandLine d = ParseCommandLine({"debug", "800", "600"});
    EXPECT_TRUE(d.debug);
    EXPECT_TRUE(d.debugSizeValid);
    EXPECT_EQ(d.debugWidth, 800);
    EXPECT_EQ(d.debugHeight, 600);
    EXPECT_FALSE(ParseCommandLine({"debug", "8x0", "600"}).debugSizeValid);
    EXPECT_FALSE(ParseCommandLine({"debug", "800"}).debugSizeValid);
}

TEST(DisplayArea, ByCommandLineAndScreen) {
    const QSize small(800, 600), wide(1280, 720), large(1920, 1080), exact(1024, 768);
    const struct {
        QStringList args;
        QSize screen;
        bool fullScreen;
        QSize expected;
        bool clamped;
    } cases[] = {
        {{}, exact, false, {1024, 768}, false},
        {{"debug", "800", "600"}, exact, false, {800, 600}, false},
        {{"debug", "1280", "1024"}, exact, false, {1024, 768}, true},
        {{"debug", "1000", "900"}, exact, false, {1024, 768}, true}, // too high: both become the screen's
        {{"debug", "abc", "600"}, exact, false, {1024, 768}, false}, // not a number: stays, goes on
        {{"win"}, exact, false, {1024, 768}, false},
        // Full screen never switches the mode, so a smaller screen sets the area, silently.
        {{}, large, true, {1024, 768}, false},
        {{}, small, true, {800, 600}, false},
        {{}, wide, true, {1024, 720}, false},
        {{"debug", "abc", "600"}, small, true, {800, 600}, false},
        {{"debug", "640", "480"}, wide, true, {640, 480}, false},
        {{"win"}, small, false, {1024, 768}, false}, // a window may be larger than the screen
    };
    for (const auto& c : cases) {
        bool clamped = !c.clamped;
        const std::string what = c.args.join(' ').toStdString() + " on " + std::to_string(c.screen.width()) +
                                 "x" + std::to_string(c.screen.height());
        EXPECT_EQ(DisplayAreaFor(ParseCommandLine(c.args), c.screen, c.fullScreen, &clamped), c.expected)
            << what;
        EXPECT_EQ(clamped, c.clamped) << what;
    }
}

TEST(DisplayArea, FullScreenSwitch) {
    const CommandLine none, win = ParseCommandLine({"win"});
    EXPECT_FALSE(FullScreenSwitchFor(win, {1920, 1080}, 8));
    EXPECT_FALSE(FullScreenSwitchFor(none, {1024, 768}, 16));
    EXPECT_FALSE(FullScreenSwitchFor(none, {1024, 768}, 32));
    EXPECT_TRUE(FullScreenSwitchFor(none, {1024, 768}, 8));
    EXPECT_TRUE(FullScreenSwitchFor(none, {1280, 1024}, 32));
}

TEST(UserDataFolder, DocumentsOrBesideTheProgram) {
    const QString sep = QDir::separator();
    EXPECT_EQ(UserDataFolderFor("/home/u/Documents", "/opt/x/"),
              "/home/u/Documents" + sep + "Velmora" + sep + "Zavor" + sep + "Daten" + sep);
    EXPECT_EQ(UserDataFolderFor(" ", "/opt/Velmora/"), "/opt/Daten" + sep);
    EXPECT_EQ(UserDataFolderFor("", "/a/"), "/a/Daten" + sep); // too short: nothing removed
}

TEST(StartupTexts, ColourDepthWarningPieces) {
    EXPECT_TRUE(DisplayWarningText(15, German).isEmpty());
    const QString de = DisplayWarningText(8, German);
    EXPECT_TRUE(de.startsWith("WICHTIGER HINWEIS:\r\r"));
    EXPECT_TRUE(
        de.contains(QString::fromUtf8("von 256 Farben konfiguriert.\r\rBitte erhöhen Sie die Farbtiefe von "
                                      "Windows über \"Systemsteuerung/Anzeige\".\rDas Programm")));
    EXPECT_TRUE(DisplayWarningText(7, English).contains("supports 16 colors.\r\rPlease"));
    EXPECT_TRUE(DisplayWarningText(4, 3).isEmpty());
    EXPECT_TRUE(DisplayInterruptedMessage().startsWith("W I C H T I G E R   H I N W E I S !\r\r"));
}

TEST(MainScreenLayout, ArithmeticFromPictureSizes) {
    MainPictureSizes s;
    s.textButton = {150, 40};
    s.leftEdge = {20, 60};
    s.topEdge = {70, 24};
    s.logo = {300, 50};
    s.rightEdge = {22, 60};
    s.bottomEdge = {70, 26};
    s.familyButton = {260, 220};
    const MainLayout l = LayoutMainScreen(s, 1024, 768);
    EXPECT_EQ(l.window, QRect(0, 0, 1024, 768));
    EXPECT_EQ(l.backpanel, QRect(20, 24, 982, 718));
    const int w = 982, h = 718;
    EXPECT_EQ(l.logo, QRect((w - 300) / 2 + 1, h - 50, 300, 50));
    // Family pair centred: equal margins left and right within one pixel.
    const int r = w - 2 * 260, g = (r / 3) / 2;
    EXPECT_EQ(l.tor1.left(), (r - g) / 2);
    EXPECT_EQ(l.tor2.left(), l.tor1.left() + 260 + g);
    EXPECT_EQ(l.tor1.top(), (h - 220) / 2);
    EXPECT_LE(std::abs(l.tor1.left() - (w - (l.tor2.left() + 260))), 1);
    // Row of four: left margin (R - 3G) div 2 with R = W - 4 W0.
    const int r4 = w - 4 * 150, g4 = (r4 / 3) / 2;
    EXPECT_EQ(l.einstellungen.left(), (r4 - 3 * g4) / 2);
    EXPECT_EQ(l.hilfe.left(), l.einstellungen.left() + 3 * (150 + g4));
    EXPECT_EQ(l.benutzer, QRect((w - 150) / 2, l.tor1.top() / 2 - 40, 150, 40));
    EXPECT_EQ(l.einstellungen.top(), 60 + l.benutzer.top());
    EXPECT_EQ(l.gesamtstatistik.top(), l.einstellungen.top());
    EXPECT_EQ(l.exit.top(), (l.logo.top() - (220 + l.tor1.top() + 40)) / 2 + 220 + l.tor1.top());
    EXPECT_EQ(l.exit.left(), l.benutzer.left());
    EXPECT_EQ(LayoutMainScreen(s, 800, 600).fontPoints, 10);
    EXPECT_EQ(LayoutMainScreen(s, 640, 480).fontPoints, 8);
    EXPECT_EQ(l.fontPoints, 12);
}

TEST(FrameTiling, LastTileIsCutNeverStretched) {
    EXPECT_EQ(TileEdge(0, 250, 100), (QList<Tile>{{0, 100}, {100, 100}, {200, 50}}));
    EXPECT_EQ(TileEdge(0, 200, 100), (QList<Tile>{{0, 100}, {100, 100}}));
    EXPECT_EQ(TileEdge(0, 30, 100), (QList<Tile>{{0, 30}}));
    EXPECT_TRUE(TileEdge(0, 100, 0).isEmpty());
    EXPECT_TRUE(TileEdge(0, 0, 10).isEmpty());
}

} // namespace
