// The FTDI latency timer read from a "Device Parameters" key: keys of the
// test's own under HKEY_CURRENT_USER hold the fixture values.
#include "serial/latencytimer.h"
#include "serial/latencytimer_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

namespace {

constexpr const wchar_t* kFixtures = L"Software\\QEM tests\\latency timer";

class LatencyTimerRegistry : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kFixtures); }

    // A fresh "Device Parameters" key; with a LatencyTimer value of this
    // type and these bytes when type is not REG_NONE.
    HKEY Key(DWORD type, const void* data, DWORD bytes)
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kFixtures);
        HKEY key = nullptr;
        const std::wstring path = std::wstring(kFixtures) + L"\\Device Parameters";
        EXPECT_EQ(
            RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        if (type != REG_NONE) {
            EXPECT_EQ(RegSetValueExW(key, L"LatencyTimer", 0, type, static_cast<const BYTE*>(data), bytes),
                ERROR_SUCCESS);
        }
        return key;
    }
};

TEST_F(LatencyTimerRegistry, readsTheDwordOnly)
{
    const DWORD sixteen = 16, one = 1;
    const wchar_t text[] = L"16";
    const unsigned long long wide = 16;
    const struct {
        const char* what;
        DWORD type;
        const void* data;
        DWORD bytes;
        std::optional<unsigned> ms;
    } cases[] = {
        {"the driver's default", REG_DWORD, &sixteen, sizeof sixteen, 16u},
        {"lowered", REG_DWORD, &one, sizeof one, 1u},
        {"no such value: no FTDI driver", REG_NONE, nullptr, 0, std::nullopt},
        {"a text", REG_SZ, text, sizeof text, std::nullopt},
        {"a QWORD", REG_QWORD, &wide, sizeof wide, std::nullopt},
        {"two bytes of binary", REG_BINARY, &sixteen, 2, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const HKEY key = Key(c.type, c.data, c.bytes);
        EXPECT_EQ(serial::LatencyTimerOf(key), c.ms);
        RegCloseKey(key);
    }
}

TEST(LatencyTimerWindows, portWithoutPlugAndPlayDeviceHasNoTimerAndNoNotice)
{
    // Wine's COM ports are mapped lines, no devices of the Ports class.
    EXPECT_EQ(serial::AdapterLatencyTimerMs("COM5"), std::nullopt);
    serial::LatencyNotices notices;
    EXPECT_EQ(notices.For("COM5"), "");
}

} // namespace
