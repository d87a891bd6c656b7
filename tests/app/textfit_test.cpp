// Every caption of every window whole, at the desktop font sizes people use:
// each label's, button's, check box's and group box's text measured with its
// font against the room its widget gives it. ctest runs the walk once more
// with the display scaled twice and once at a font dpi of 144.
#include "app/currentfilelabel.h"
#include "dialogs/errorwindow.h"
#include "dialogs/okbottomdlg.h"
#include "serial/comsetupfrm.h"

#include "tests/app/form1fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace {

QSize TextSize(const QWidget& widget, const QString& text)
{
    return widget.fontMetrics().size(Qt::TextShowMnemonic, text);
}

bool Fits(QSize text, const QRect& room)
{
    return text.width() <= room.width() && text.height() <= room.height();
}

// The room the style leaves a button's or check box's text.
QRect ButtonTextRoom(const QAbstractButton& button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(element, &option, &button);
}

void ExpectEveryTextWhole(QWidget& window)
{
    window.show();
    if (window.layout() != nullptr)
        window.layout()->activate();
    QApplication::processEvents();
    int measured = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || !widget->isVisibleTo(&window))
            continue;
        SCOPED_TRACE(widget->objectName().toStdString() + " " + widget->metaObject()->className());
        // Below its parent's edge a widget is cut whatever its own size.
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()));
        if (auto* path = qobject_cast<CurrentFileLabel*>(widget)) {
            // Elided by design: one whole line of it.
            EXPECT_GE(path->contentsRect().height(), path->fontMetrics().height());
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            if (label->wordWrap())
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
            else
                EXPECT_TRUE(Fits(TextSize(*label, label->text()), label->contentsRect())) << label->text().toStdString();
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            EXPECT_TRUE(Fits(TextSize(*box, box->text()), ButtonTextRoom(*box, QStyle::SE_CheckBoxContents)));
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_TRUE(Fits(TextSize(*button, button->text()), ButtonTextRoom(*button, QStyle::SE_PushButtonContents)))
                << button->text().toStdString();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
            // The style sizes the title to its text; a box too narrow cuts it.
            EXPECT_TRUE(group->rect().contains(title)) << group->title().toStdString();
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            // The widest value the field can show.
            const int room = edit->width() - (edit->sizeHint().width() - edit->fontMetrics().horizontalAdvance("65535"));
            EXPECT_GE(room, edit->fontMetrics().horizontalAdvance(edit->text()));
        } else {
            continue;
        }
        ++measured;
    }
    EXPECT_GE(measured, 2);
}

// The desktop font in points; 0 leaves the toolkit's own.
class TextFitTest : public Form1Test, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        if (GetParam() > 0) {
            QFont desktop = QApplication::font();
            desktop.setPointSize(GetParam());
            QApplication::setFont(desktop);
        }
    }
    void TearDown() override { QApplication::setFont(original_); }

private:
    QFont original_ = QApplication::font();
};

TEST_P(TextFitTest, mainWindowShowsEveryCaptionWhole)
{
    PrepareStart(DefaultBook());
    Start();
    // The widest value the time-out field can hold, and a path far longer
    // than the window, which must not widen it.
    form->EDT_ReleTimeout->setText(QStringLiteral("65535"));
    const QSize size = form->size();
    form->LBL_CurrentFile->SetPath(QString(200, u'x'));
    EXPECT_EQ(form->size(), size);
    ExpectEveryTextWhole(*form);
    // The classic size is the least the window takes.
    EXPECT_GE(form->width(), 269);
    EXPECT_GE(form->height(), 573);
}

TEST_P(TextFitTest, dialogsShowEveryCaptionWhole)
{
    TComSetupFrm setup;
    ExpectEveryTextWhole(setup);

    ModalWatch watch;
    watch.Then([](QWidget& window) {
        ExpectEveryTextWhole(window);
        window.close();
    });
    ShowErrorWindow("ERROR",
        L"Unable to start reading process! Please check connection to the device.\n/dev/ttyUSB0: Permission denied. "
        L"Join group \"dialout\": sudo adduser operator dialout, then log in again.",
        L"OK", L"", true, false);
    watch.Then([](QWidget& window) {
        ExpectEveryTextWhole(window);
        window.close();
    });
    ShowMessageWindow("Info",
        L"File containing saved phone numbers was not found (looking for: /home/operator/.local/share/qem/qem.kalc). "
        L"\r\n\r\nEmpty file was created.",
        L"OK");
    EXPECT_EQ(watch.Titles(), (QStringList{QStringLiteral("ERROR"), QStringLiteral("Info")}));
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, TextFitTest, ::testing::Values(0, 9, 10, 11, 12, 14),
    [](const auto& info) { return info.param == 0 ? std::string("toolkitFont") : std::to_string(info.param) + "pt"; });

} // namespace
