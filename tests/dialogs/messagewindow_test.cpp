#include "dialogs/messagewindow.h"

#include "tests/support/modalwatch.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct MessageCase {
    const char* name;
    std::wstring title, message, button;
};

class MessageWindowTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageWindowTest, setsTitleMessageAndButtonAsGiven)
{
    const MessageCase& c = GetParam();
    ModalWatch watch;
    QString title, text, button;
    watch.Then([&](QWidget& window) {
        auto& dialog = dynamic_cast<dialogs::MessageWindow&>(window);
        title = dialog.windowTitle();
        text = dialog.Message->text();
        button = dialog.OkButton->text();
        dialog.OkButton->click();
    });

    dialogs::ShowMessageWindow(c.title, c.message, c.button);

    EXPECT_EQ(watch.Titles().size(), 1);
    EXPECT_EQ(title, QString::fromStdWString(c.title));
    EXPECT_EQ(text, QString::fromStdWString(c.message));
    EXPECT_EQ(button, QString::fromStdWString(c.button));
}

INSTANTIATE_TEST_SUITE_P(Calls, MessageWindowTest,
    ::testing::Values(MessageCase{"notice", L"Info", L"Empty file was created.", L"OK"},
        MessageCase{"emptyTextsStayEmpty", L"", L"", L""},
        MessageCase{"lineBreaksAndNonAscii", L"\u0418\u043d\u0444\u043e \u017e", L"a \r\n\r\nb \u0161", L"Gerai"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageWindow, layout)
{
    dialogs::MessageWindow dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Pranesimas"));
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(235, 232, 213));
    EXPECT_EQ(dialog.minimumSize(), QSize(342, 190));
    EXPECT_EQ(dialog.maximumSize(), QSize(342, 190));
    EXPECT_EQ(dialog.OkButton->geometry(), QRect(138, 147, 73, 24));
    EXPECT_EQ(dialog.Message->geometry(), QRect(63, 24, 253, 103));
    EXPECT_EQ(dialog.Picture->pixmap().size(), QSize(40, 40));
}

} // namespace
