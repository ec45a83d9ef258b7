#pragma once

#include <QRect>
#include <QSize>

// Sizes of the frame pictures that drive the main screen's layout.
struct MainPictureSizes {
    QSize textButton;   // scheme 0
    QSize leftEdge;     // scheme 6
    QSize topEdge;      // scheme 8
    QSize logo;         // scheme 11
    QSize rightEdge;    // scheme 12
    QSize bottomEdge;   // scheme 13
    QSize familyButton; // scheme 16
};

struct MainLayout {
    QRect window;
    QRect backpanel; // in window coordinates; everything below is in panel coordinates
    QRect logo;
    QRect tor1, tor2;
    QRect benutzer, einstellungen, einzelstatistik, gesamtstatistik, hilfe, exit;
    int fontPoints = 12;
};

// Positions of every main-screen control for the display area (integer division).
MainLayout LayoutMainScreen(const MainPictureSizes& sizes, int displayWidth, int displayHeight);

// Point size of the panel and button font for a resolution class.
int MainFontPoints(int resolutionClass);
