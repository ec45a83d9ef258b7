// Answers run rounds like a perfectly steady person: watches one pixel of the stimulus
// cell and presses a key a fixed time after the stimulus appears. Used by measure.sh.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

unsigned long Pixel(Display* d, Window root, int x, int y) {
    XImage* image = XGetImage(d, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return p;
}

long long Ns(std::chrono::steady_clock::time_point t) {
    return static_cast<long long>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: answer_bot X Y DELAY_MS ROUNDS\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const auto delay = std::chrono::milliseconds(std::atoi(argv[3]));
    const int rounds = std::atoi(argv[4]);
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "answer_bot: no display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(d);
    const KeyCode up = XKeysymToKeycode(d, XK_Up);
    const unsigned long hidden = Pixel(d, root, x, y); // the empty cell before the first round
    for (int r = 0; r < rounds; ++r) {
        while (Pixel(d, root, x, y) == hidden) {
        }
        const auto seen = std::chrono::steady_clock::now();
        // Sleep most of the delay and spin only the end, so the robot leaves the program and
        // the X server their processor until it answers.
        std::this_thread::sleep_until(seen + delay - std::chrono::milliseconds(3));
        while (std::chrono::steady_clock::now() - seen < delay) {
        }
        const auto sent = std::chrono::steady_clock::now();
        XTestFakeKeyEvent(d, up, True, CurrentTime);
        XFlush(d);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        XTestFakeKeyEvent(d, up, False, CurrentTime);
        XFlush(d);
        while (Pixel(d, root, x, y) != hidden) // the stimulus leaves the middle cell
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        std::printf("round %d seen %lld sent %lld\n", r + 1, Ns(seen), Ns(sent));
        std::fflush(stdout);
    }
    XCloseDisplay(d);
    return 0;
}
