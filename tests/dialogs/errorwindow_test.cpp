#include "dialogs/dialogframe.h"
#include "dialogs/errorwindow.h"

#include "tests/support/modalwatch.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Shown {
    QString title;
    QString text;
    QString first;
    QString second;
    bool firstVisible = false;
    bool secondVisible = false;
    QPoint firstAt;
    QPoint secondAt;
};

Shown Capture(TForm3& window)
{
    return {window.windowTitle(), window.LBL_Tekstas->text(), window.BTN_Gerai->text(), window.BTN_Atsaukti->text(),
        window.BTN_Gerai->isVisibleTo(&window), window.BTN_Atsaukti->isVisibleTo(&window), window.BTN_Gerai->pos(),
        window.BTN_Atsaukti->pos()};
}

struct ButtonCase {
    const char* name;
    std::wstring message, first, second;
    bool showFirst, showSecond;
    Shown expected;
};

class ErrorWindowButtonsTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ErrorWindowButtonsTest, showsWhatTheCallerAsksFor)
{
    const ButtonCase& c = GetParam();
    ModalWatch watch;
    Shown shown;
    watch.Then([&](QWidget& window) {
        shown = Capture(dynamic_cast<TForm3&>(window));
        window.close();
    });

    ShowErrorWindow("ERROR", c.message, c.first, c.second, c.showFirst, c.showSecond);

    EXPECT_EQ(shown.title, QStringLiteral("ERROR"));
    EXPECT_EQ(shown.text, c.expected.text);
    EXPECT_EQ(shown.first, c.expected.first);
    EXPECT_EQ(shown.second, c.expected.second);
    EXPECT_EQ(shown.firstVisible, c.expected.firstVisible);
    EXPECT_EQ(shown.secondVisible, c.expected.secondVisible);
    EXPECT_EQ(shown.firstAt, c.expected.firstAt);
    if (c.expected.secondVisible) {
        EXPECT_EQ(shown.secondAt, c.expected.secondAt);
    }
}

const QString Atsaukti = QStringLiteral("At\u0161aukti");

INSTANTIATE_TEST_SUITE_P(Calls, ErrorWindowButtonsTest,
    ::testing::Values(
        // The one shape every caller uses.
        ButtonCase{"oneOkButtonMovesToTheMiddle", L"Unable to connect to the device.", L"OK", L"", true, false,
            {{}, QStringLiteral("Unable to connect to the device."), QStringLiteral("OK"), Atsaukti, true, false,
                {168, 105}, {}}},
        ButtonCase{"bothButtonsAtTheirPlaces", L"Retry?", L"Yes", L"No", true, true,
            {{}, QStringLiteral("Retry?"), QStringLiteral("Yes"), QStringLiteral("No"), true, true, {190, 105},
                {278, 105}}},
        ButtonCase{"emptyTextsKeepTheWindowsOwn", L"", L"", L"", true, true,
            {{}, QStringLiteral("Klaida!"), QStringLiteral("Gerai"), Atsaukti, true, true, {190, 105}, {278, 105}}},
        ButtonCase{"firstHiddenSecondShown", L"x", L"OK", L"Cancel", false, true,
            {{}, QStringLiteral("x"), QStringLiteral("OK"), QStringLiteral("Cancel"), false, true, {190, 105},
                {278, 105}}},
        ButtonCase{"noButtons", L"x", L"", L"", false, false,
            {{}, QStringLiteral("x"), QStringLiteral("Gerai"), Atsaukti, false, false, {168, 105}, {}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CloseCase {
    const char* name;
    std::function<void(TForm3&)> close;
    int result;
};

class ErrorWindowResultTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ErrorWindowResultTest, tellsHowItWasClosed)
{
    ModalWatch watch;
    watch.Then([&](QWidget& window) { GetParam().close(dynamic_cast<TForm3&>(window)); });
    EXPECT_EQ(ShowErrorWindow("ERROR", L"m", L"OK", L"Abort", true, true), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Ways, ErrorWindowResultTest,
    ::testing::Values(CloseCase{"firstButton", [](TForm3& w) { w.BTN_Gerai->click(); }, 1},
        CloseCase{"secondButtonIsAbort", [](TForm3& w) { w.BTN_Atsaukti->click(); }, 3},
        CloseCase{"titleBar", [](TForm3& w) { w.close(); }, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorWindow, hasTheMainWindowColourAndFixedSize)
{
    TForm3 window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Klaida"));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(236, 233, 216));
    EXPECT_EQ(window.minimumSize(), QSize(381, 149));
    EXPECT_EQ(window.maximumSize(), QSize(381, 149));
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.LBL_Tekstas->font().pixelSize(), 13);
    EXPECT_TRUE(window.LBL_Tekstas->wordWrap());
    EXPECT_EQ(window.BTN_Gerai->geometry(), QRect(190, 105, 78, 24));
    EXPECT_EQ(window.BTN_Atsaukti->geometry(), QRect(278, 105, 78, 24));
    EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(48, 48)));
}

} // namespace
