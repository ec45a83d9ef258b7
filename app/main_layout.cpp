#include "app/main_layout.h"

#include "app/global_state.h"

MainLayout LayoutMainScreen(const MainPictureSizes& s, int displayWidth, int displayHeight) {
    MainLayout l;
    l.window = QRect(0, 0, displayWidth, displayHeight);
    const int cw = displayWidth, ch = displayHeight;
    l.backpanel = QRect(s.leftEdge.width(), s.topEdge.height(), cw - s.leftEdge.width() - s.rightEdge.width(),
                        ch - s.topEdge.height() - s.bottomEdge.height());
    const int w = l.backpanel.width(), h = l.backpanel.height();

    const int w11 = s.logo.width(), h11 = s.logo.height();
    l.logo = QRect((w - w11) / 2 + 1, h - h11, w11, h11);

    const int w16 = s.familyButton.width(), h16 = s.familyButton.height();
    {
        const int r = w - 2 * w16;
        const int g = (r / 3) / 2;
        const int left1 = (r - g) / 2;
        const int top = (h - h16) / 2;
        l.tor1 = QRect(left1, top, w16, h16);
        l.tor2 = QRect(left1 + w16 + g, top, w16, h16);
    }

    const int w0 = s.textButton.width(), h0 = s.textButton.height();
    const int benutzerTop = (l.tor1.top() / 2) - h0;
    l.benutzer = QRect((w - w0) / 2, benutzerTop, w0, h0);
    const int exitTop = ((l.logo.top() - (h16 + l.tor1.top() + h0)) / 2) + h16 + l.tor1.top();
    l.exit = QRect(l.benutzer.left(), exitTop, w0, h0);

    const int r = w - 4 * w0;
    const int g = (r / 3) / 2;
    const int rowTop = ((3 * h0) / 2) + benutzerTop;
    const int left = (r - 3 * g) / 2;
    l.einstellungen = QRect(left, rowTop, w0, h0);
    l.einzelstatistik = QRect(left + w0 + g, rowTop, w0, h0);
    l.gesamtstatistik = QRect(left + 2 * (w0 + g), rowTop, w0, h0);
    l.hilfe = QRect(left + 3 * (w0 + g), rowTop, w0, h0);

    l.fontPoints = MainFontPoints(ResolutionClassFor(displayWidth));
    return l;
}

int MainFontPoints(int resolutionClass) {
    switch (resolutionClass) {
    case 640:
        return 8;
    case 800:
        return 10;
    default:
        return 12;
    }
}
