// The termios2 record built for each line setting. Pseudo-terminals force
// 8 data bits and no parity whatever they are given, so these two are
// checked here, on the record handed to the kernel.
#include "serial/linetermios_linux.h"

#include "serial/comerror.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using serial::LineSettings;

struct TermiosCase {
    const char* name;
    std::function<void(LineSettings&)> set;
    tcflag_t cflagMask;
    tcflag_t cflag;
    tcflag_t iflagMask;
    tcflag_t iflag;
};

constexpr tcflag_t kParity = PARENB | PARODD | CMSPAR;

class LineTermios : public ::testing::TestWithParam<TermiosCase> {};

TEST_P(LineTermios, buildsTheRecordForTheSetting)
{
    // A cooked line with every setting flag away from the default.
    termios2 t{};
    t.c_iflag = ICRNL | IXON | IXOFF | INPCK | ISTRIP;
    t.c_oflag = OPOST | ONLCR;
    t.c_lflag = ECHO | ICANON | ISIG | IEXTEN;
    t.c_cflag = B50 | CS5 | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | HUPCL;
    LineSettings settings;
    GetParam().set(settings);
    serial::BuildLineTermios(t, settings);

    EXPECT_EQ(t.c_cflag & GetParam().cflagMask, GetParam().cflag);
    EXPECT_EQ(t.c_iflag & GetParam().iflagMask, GetParam().iflag);
    EXPECT_EQ(t.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_iflag & (ICRNL | ISTRIP), 0u);
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(t.c_cflag & HUPCL, tcflag_t(HUPCL)) << "flags of no setting stay";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, LineTermios,
    ::testing::Values(
        TermiosCase{"defaults", [](LineSettings&) {}, CBAUD | CSIZE | kParity | CSTOPB | CRTSCTS, B9600 | CS8,
            IXON | IXOFF | INPCK, 0},
        TermiosCase{"fiveBits", [](LineSettings& s) { s.dataBits = serial::dbFive; }, CSIZE, CS5, 0, 0},
        TermiosCase{"sixBits", [](LineSettings& s) { s.dataBits = serial::dbSix; }, CSIZE, CS6, 0, 0},
        TermiosCase{"sevenBits", [](LineSettings& s) { s.dataBits = serial::dbSeven; }, CSIZE, CS7, 0, 0},
        TermiosCase{"oddParity", [](LineSettings& s) { s.parity = serial::prOdd; }, kParity, PARENB | PARODD, 0, 0},
        TermiosCase{"evenParity", [](LineSettings& s) { s.parity = serial::prEven; }, kParity, PARENB, 0, 0},
        TermiosCase{"markParity", [](LineSettings& s) { s.parity = serial::prMark; }, kParity, kParity, 0, 0},
        TermiosCase{"spaceParity", [](LineSettings& s) { s.parity = serial::prSpace; }, kParity, PARENB | CMSPAR, 0, 0},
        TermiosCase{"parityCheck",
            [](LineSettings& s) {
                s.parity = serial::prEven;
                s.parityCheck = true;
            },
            kParity, PARENB, INPCK, INPCK},
        TermiosCase{"twoStopBits", [](LineSettings& s) { s.stopBits = serial::sbTwoStopBits; }, CSTOPB, CSTOPB, 0, 0},
        TermiosCase{"oneAndAHalfStopBits", [](LineSettings& s) { s.stopBits = serial::sbOne5StopBits; }, CSTOPB, CSTOPB,
            0, 0},
        TermiosCase{"ctsFlow", [](LineSettings& s) { s.outCtsFlow = true; }, CRTSCTS, CRTSCTS, 0, 0},
        TermiosCase{"rtsHandshake", [](LineSettings& s) { s.rtsControl = serial::rtsHandshake; }, CRTSCTS, CRTSCTS, 0,
            0},
        TermiosCase{"xonXoffBothWays",
            [](LineSettings& s) {
                s.xonXoffIn = true;
                s.xonXoffOut = true;
            },
            CRTSCTS, 0, IXON | IXOFF, IXON | IXOFF},
        TermiosCase{"listedSpeedWithCode", [](LineSettings& s) { s.bitsPerSecond = 115200; }, CBAUD, B115200, 0,
            0},
        TermiosCase{"speedWithoutCode", [](LineSettings& s) { s.bitsPerSecond = 128000; }, CBAUD | (CBAUD << IBSHIFT),
            BOTHER, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(LineTermiosSpeed, carriesTheSpeedInBothFields)
{
    termios2 t{};
    LineSettings settings;
    settings.bitsPerSecond = 31250;
    serial::BuildLineTermios(t, settings);
    EXPECT_EQ(t.c_ospeed, 31250u);
    EXPECT_EQ(t.c_ispeed, 31250u);
}

TEST(LineTermiosSpeed, zeroIsRefusedRatherThanHangingUp)
{
    termios2 t{};
    LineSettings settings;
    settings.bitsPerSecond = 0;
    try {
        serial::BuildLineTermios(t, settings);
        FAIL() << "no error";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 7);
    }
}

} // namespace
