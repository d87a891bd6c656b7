// Every caption of every window whole at the desktop font sizes people use, measured with its font
// against the room its widget gives it; ctest runs it again scaled twice, at 144 dpi and with an odd face only,
// and scripts/windows/window-flows with the faces Windows resolves under Wine.
#include "app/currentfilelabel.h"
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
        }
        else if (label == nullptr || qobject_cast<app::CurrentFileLabel*>(widget) != nullptr)
            continue; // no caption, or the current file, elided by design
        const QString text = widget->property("text").toString();
        const QSize size = widget->fontMetrics().size(Qt::TextShowMnemonic, text);
        EXPECT_LE(size.width(), room.width()) << text.toStdString();
        EXPECT_LE(size.height(), room.height()) << text.toStdString();
    }
}

// The desktop font in points; 0 leaves the toolkit's own.
class TextFitTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
    const QFont original_ = QApplication::font();
    void TearDown() override { QApplication::setFont(original_); }
};

TEST_P(TextFitTest, everyWindowShowsEveryCaptionWhole)
{
    QFont desktop = QApplication::font();
    desktop.setPointSize(GetParam() > 0 ? GetParam() : desktop.pointSize());
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
    // The classic width at the classic font (9 pt at 96 dpi) in the classic face or one of its metrics; a window
    // grown for a larger font or a wider face widens its buttons with its group boxes, as far in from their edges.
    const QString face = QFontInfo(timeout->font()).family();
    if (GetParam() == 0 && dialogs::DesktopScale() == 1.0
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
    if (const char* picture = std::getenv("QEM_TEST_PICTURE"); picture != nullptr && GetParam() == 0) {
        EXPECT_TRUE(form->grab().save(QString::fromLocal8Bit(picture)));
    }

    dialogs::PortSetupDialog setup;
    ExpectEveryTextWhole(setup);
    watch.Then([](QWidget& window) { ExpectEveryTextWhole(window); window.close(); });
    dialogs::ShowErrorWindow("ERROR",
        L"Unable to start reading process! Please check connection to the device.\n/dev/ttyUSB0: Permission denied. "
        L"Join group \"dialout\": sudo adduser operator dialout, then log in again.",
        L"OK", L"", true, false);
    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("ERROR")});
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, TextFitTest, ::testing::Values(0, 9, 10, 11, 12, 14),
    [](const auto& info) { return info.param == 0 ? std::string("toolkitFont") : std::to_string(info.param) + "pt"; });

} // namespace
