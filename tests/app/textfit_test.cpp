// Every caption of every window whole, in every language, at the desktop font sizes people use,
// measured with its font against the room its widget gives it; ctest runs it again scaled twice and
// at 144 dpi.
#include "app/currentfilelabel.h"
#include "app/language.h"
#include "dialogs/errorwindow.h"
#include "dialogs/portsetupdialog.h"

#include "tests/app/mainwindowfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace {

void ExpectEveryTextWhole(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || !widget->isVisibleTo(&window))
            continue;
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()));
        auto* label = qobject_cast<QLabel*>(widget);
        if (label != nullptr && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
            continue;
        }
        QRect room = widget->contentsRect();
        QStyleOptionButton option;
        option.initFrom(widget);
        if (qobject_cast<QCheckBox*>(widget) != nullptr)
            room = widget->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, widget);
        else if (qobject_cast<QPushButton*>(widget) != nullptr)
            room = widget->style()->subElementRect(QStyle::SE_PushButtonContents, &option, widget);
        else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            QStyleOptionFrame frame;
            frame.initFrom(edit);
            frame.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit);
            room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit).adjusted(2, 0, -2, 0);
        }
        else if (label == nullptr || qobject_cast<app::CurrentFileLabel*>(widget) != nullptr)
            continue; // no caption, or the current file, elided by design
        const QString text = widget->property("text").toString();
        const QSize size = widget->fontMetrics().size(Qt::TextShowMnemonic, text);
        EXPECT_LE(size.width(), room.width()) << text.toStdString();
        EXPECT_LE(size.height(), room.height()) << text.toStdString();
    }
}

// The window's language, and the desktop font in points (0 leaves the toolkit's own).
class TextFitTest : public MainWindowTest, public ::testing::WithParamInterface<std::tuple<const char*, int>> {
    const QFont original_ = QApplication::font();
    void TearDown() override { QApplication::setFont(original_); }

protected:
    const app::WindowLanguage language_{QString::fromLatin1(std::get<0>(GetParam()))};
};

// The program's text in the language of the test.
std::wstring Text(const char* source)
{
    return QCoreApplication::translate("DeviceOperationsController", source).toStdWString();
}

TEST_P(TextFitTest, everyWindowShowsEveryCaptionWhole)
{
    const int points = std::get<1>(GetParam());
    QFont desktop = QApplication::font();
    desktop.setPointSize(points > 0 ? points : desktop.pointSize());
    QApplication::setFont(desktop);
    PrepareStart(DefaultBook());
    Start();
    // The widest time-out fits; a path far longer than the window does not widen it.
    RelayTimeoutField(*form)->setText(QStringLiteral("65535"));
    const QSize size = form->size();
    CurrentFileText(*form)->SetPath(QString(200, u'x'));
    EXPECT_EQ(form->size(), size);
    ExpectEveryTextWhole(*form);
    // "Cancel" takes the place of "Write To Device" while a write runs.
    form->SetControlsEnabled(false, true);
    ExpectEveryTextWhole(*form);

    dialogs::PortSetupDialog setup;
    ExpectEveryTextWhole(setup);
    watch.Then([](QWidget& window) { ExpectEveryTextWhole(window); window.close(); });
    // The longest message, with the second line a refused user gets.
    dialogs::ShowErrorWindow(Text("ERROR"),
        Text("Unable to start reading process! Please check connection to the device.")
            + L"\n/dev/ttyUSB0: Permission denied. Join group \"dialout\": sudo adduser operator dialout, then log in "
              L"again.",
        Text("OK"), L"", true, false);
    EXPECT_EQ(watch.Titles(), QStringList{QString::fromStdWString(Text("ERROR"))});
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndDesktopFonts, TextFitTest,
    ::testing::Combine(::testing::Values("en", "de", "lt", "lv", "pl", "ru"), ::testing::Values(0, 9, 10, 11, 12, 14)),
    [](const auto& info) {
        const int points = std::get<1>(info.param);
        return std::string(std::get<0>(info.param)) + "_"
            + (points == 0 ? std::string("toolkitFont") : std::to_string(points) + "pt");
    });

} // namespace
