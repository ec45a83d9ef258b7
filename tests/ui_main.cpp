#include "tests/test_env.h"

#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
    PrepareTestEnvironment();
    // Widget tests never need a display: offscreen with a 1024x768 screen.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VELMORA_SCREEN_CONFIG);
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
