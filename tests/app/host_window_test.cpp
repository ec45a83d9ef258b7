#include "app/host_window.h"

#include <gtest/gtest.h>

namespace {

struct HostCase {
    const char* name;
    QStringList arguments; // without the program name
    qint64 expected;
};

class HostWindowFromTest : public ::testing::TestWithParam<HostCase> {};

TEST_P(HostWindowFromTest, ReadsParameterTwo) {
    EXPECT_EQ(HostWindowFrom(GetParam().arguments), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostWindowFromTest,
    ::testing::Values(
        HostCase{"Plain", {"win", "hwnd=4711"}, 4711}, HostCase{"Capitals", {"win", "HWND=4711"}, 4711},
        HostCase{"MixedCase", {"debug", "hWnD=4711", "600"}, 4711}, HostCase{"Zero", {"win", "hwnd=0"}, 0},
        HostCase{"SurroundingBlanks", {"win", "hwnd=  4711 \t"}, 4711},
        HostCase{"Signed", {"win", "hwnd=+12"}, 12}, HostCase{"Negative", {"win", "hwnd=-5"}, -5},
        HostCase{"Largest32Bit", {"win", "hwnd=2147483647"}, 2147483647},
        HostCase{"Beyond32Bit", {"win", "hwnd=2147483648"}, -1}, HostCase{"Letters", {"win", "hwnd=abc"}, -1},
        HostCase{"TrailingLetters", {"win", "hwnd=4711x"}, -1},
        HostCase{"BlankInside", {"win", "hwnd=47 11"}, -1}, HostCase{"Hexadecimal", {"win", "hwnd=0x10"}, -1},
        HostCase{"Empty", {"win", "hwnd="}, -1}, HostCase{"ContainedNotLeading", {"win", "xhwnd=77"}, 77},
        // The value starts after the first "=", not after "hwnd=".
        HostCase{"EarlierEquals", {"win", "a=1hwnd=5"}, -1}, HostCase{"NoHwnd", {"win", "hwnd:4711"}, -1},
        HostCase{"OnlyParameterOne", {"hwnd=4711"}, -1},
        HostCase{"ParameterThree", {"win", "x", "hwnd=4711"}, -1}, HostCase{"NoArguments", {}, -1}),
    [](const ::testing::TestParamInfo<HostCase>& info) { return std::string(info.param.name); });

} // namespace
