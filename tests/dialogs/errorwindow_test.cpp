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

Shown Capture(dialogs::ErrorWindow& window)
{
    return {window.windowTitle(), window.Message->text(), window.OkButton->text(), window.AbortButton->text(),
        window.OkButton->isVisibleTo(&window), window.AbortButton->isVisibleTo(&window), window.OkButton->pos(),
        window.AbortButton->pos()};
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
        shown = Capture(dynamic_cast<dialogs::ErrorWindow&>(window));
        window.close();
    });

    dialogs::ShowErrorWindow(L"ERROR", c.message, c.first, c.second, c.showFirst, c.showSecond);

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
    std::function<void(dialogs::ErrorWindow&)> close;
    int result;
};

class ErrorWindowResultTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ErrorWindowResultTest, tellsHowItWasClosed)
{
    ModalWatch watch;
    watch.Then([&](QWidget& window) { GetParam().close(dynamic_cast<dialogs::ErrorWindow&>(window)); });
    EXPECT_EQ(dialogs::ShowErrorWindow(L"ERROR", L"m", L"OK", L"Abort", true, true), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Ways, ErrorWindowResultTest,
    ::testing::Values(CloseCase{"firstButton", [](dialogs::ErrorWindow& w) { w.OkButton->click(); }, 1},
        CloseCase{"secondButtonIsAbort", [](dialogs::ErrorWindow& w) { w.AbortButton->click(); }, 3},
        CloseCase{"titleBar", [](dialogs::ErrorWindow& w) { w.close(); }, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorWindow, hasTheMainWindowColourAndFixedSize)
{
    dialogs::ErrorWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Klaida"));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(236, 233, 216));
    EXPECT_EQ(window.minimumSize(), QSize(381, 149));
    EXPECT_EQ(window.maximumSize(), QSize(381, 149));
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.Message->font().pixelSize(), 13);
    EXPECT_TRUE(window.Message->wordWrap());
    EXPECT_EQ(window.OkButton->geometry(), QRect(190, 105, 78, 24));
    EXPECT_EQ(window.AbortButton->geometry(), QRect(278, 105, 78, 24));
    EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(48, 48)));
}

} // namespace
