// Every caption of every window whole, in every language, at the desktop font sizes people use,
// measured with its font against the room its widget gives it; ctest runs it again scaled twice, at
// 144 dpi and with an odd face only, and scripts/windows/window-flows with the faces Windows resolves
// under Wine.
#include "app/currentfilelabel.h"
#include "app/language.h"
#include "dialogs/dialogframe.h"
#include "dialogs/errorwindow.h"
#include "dialogs/portsetupdialog.h"

#include "tests/app/mainwindowfixture.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <cstdlib>

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
            // A line edit centres its text's bounding box, which in some faces reaches far beyond the line.
            EXPECT_LE(edit->fontMetrics().boundingRect(edit->text()).height(), room.height() + 1) << "drawn outside";
        } else if (label == nullptr || qobject_cast<app::CurrentFileLabel*>(widget) != nullptr)
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
    // The widest time-out in this face fits; a path far longer than the window does not widen it.
    QLineEdit* const timeout = RelayTimeoutField(*form);
    QString widest;
    for (int value = 0; value <= 65535; ++value) {
        const QString text = QString::number(value);
        if (timeout->fontMetrics().horizontalAdvance(text) > timeout->fontMetrics().horizontalAdvance(widest))
            widest = text;
    }
    timeout->setText(widest);
    const QSize size = form->size();
    CurrentFileText(*form)->SetPath(QString(200, u'x'));
    EXPECT_EQ(form->size(), size);
    ExpectEveryTextWhole(*form);
    // English at the toolkit font: the classic layout.
    const bool classicFont = std::get<1>(GetParam()) == 0 && std::string(std::get<0>(GetParam())) == "en";
    // The classic width at the classic font (9 pt at 96 dpi) in the classic face or one of its metrics; a window
    // grown for a larger font or a wider face widens its buttons with its group boxes, as far in from their edges.
    const QString face = QFontInfo(timeout->font()).family();
    if (classicFont && dialogs::DesktopScale() == 1.0
        && QStringList({"MS Sans Serif", "Arial", "Liberation Sans", "Arimo"}).contains(face)) {
        EXPECT_EQ(form->width(), 269) << face.toStdString();
    }
    const QRect boxes = PhonesBox(*form)->geometry();
    EXPECT_EQ(LoadFromFileButton(*form)->x(), boxes.left() + 14);
    EXPECT_EQ(ConfigurePortButton(*form)->geometry().right(), boxes.right() - 15);
    EXPECT_EQ(ConfigurePortButton(*form)->x(), LoadFromFileButton(*form)->geometry().right() + 1);
    // An odd width leaves one column a pixel wider.
    EXPECT_LE(std::abs(ConfigurePortButton(*form)->width() - LoadFromFileButton(*form)->width()), 1);
    // Where the flows under Wine keep a picture of the window.
    if (const char* picture = std::getenv("QEM_TEST_PICTURE"); picture != nullptr && classicFont) {
        EXPECT_TRUE(form->grab().save(QString::fromLocal8Bit(picture)));
    }
    // "Cancel" takes the place of "Write To Device" while a write runs.
    form->SetControlsEnabled(false, true);
    ExpectEveryTextWhole(*form);

    dialogs::PortSetupDialog setup;
    ExpectEveryTextWhole(setup);
    watch.Then([](QWidget& window) {
        ExpectEveryTextWhole(window);
        window.close();
    });
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
