// The phone list and relay settings, driven as an operator would.

#include "tests/app/form1fixture.h"
#include "tests/support/phonelistoperator.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QToolTip>
#include <QLineEdit>
#include <QPushButton>

namespace {

class Form1EditingTest : public Form1Test {
protected:
    void SetUp() override
    {
        PrepareStart(DefaultBook());
        StartShown();
        list = form->VLE_Telefonai;
    }

    void TypeInto(int slot, const char* keys)
    {
        ClickPhoneCell(*list, slot);
        TypeKeys(QString::fromLatin1(keys));
    }

    phonebook::PhoneListEditor* list = nullptr;
};

TEST_F(Form1EditingTest, writeToFileRightAfterTypingSavesTheCompactedList)
{
    TypeInto(0, "111");
    TypeInto(1, "333");
    TypeInto(9, "222");
    NextFileDialogChooses(dir / "typed.kalc");

    QTest::mouseClick(form->BTN_SaveToFile, Qt::LeftButton);

    EXPECT_TRUE(SameBytes(ReadBytes(dir / "typed.kalc"), BookBytes({{0, "111"}, {1, "222"}, {2, "333"}})));
}

TEST_F(Form1EditingTest, clearAllEmptiesThePhoneBookInTheWindowOnly)
{
    WriteBytes(DefaultBook(), BookBytes({{0, "100"}}));
    TypeInto(0, "111");
    TypeInto(1, "222");
    form->EDT_ReleTimeout->setText(QStringLiteral("500"));
    form->CHBX_EnableExternalOff->setChecked(true);

    QTest::mouseClick(form->BTN_ClearAll, Qt::LeftButton);

    EXPECT_EQ(list->Values(), std::vector<std::string>(500));
    EXPECT_EQ(form->EDT_ReleTimeout->text(), QStringLiteral("0"));
    EXPECT_FALSE(form->CHBX_EnableExternalOff->isChecked());
    EXPECT_EQ(list->LastSelectedRow, 2);
    EXPECT_TRUE(SameBytes(ReadBytes(DefaultBook()), BookBytes({{0, "100"}})));
}

struct TimeoutTyping {
    const char* name;
    QString typed;
    QString shown;
    bool refused; // the tip says what the field takes
};

class RelayTimeoutTest : public Form1EditingTest, public ::testing::WithParamInterface<TimeoutTyping> {};

// The field holds what the file's 16 bits hold, and nothing it would wrap.
TEST_P(RelayTimeoutTest, takesOnlyWhatSixteenBitsHold)
{
    QToolTip::hideText();
    form->EDT_ReleTimeout->clear();
    form->EDT_ReleTimeout->setFocus();
    // Key by key, as a keyboard of any layout delivers its characters.
    for (const QChar c : GetParam().typed) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(form->EDT_ReleTimeout, &key);
    }
    EXPECT_EQ(form->EDT_ReleTimeout->text(), GetParam().shown);
    EXPECT_EQ(QToolTip::isVisible(), GetParam().refused);
    if (GetParam().refused) {
        EXPECT_EQ(QToolTip::text(), QStringLiteral("0 to 65535 ms"));
    }

    // What is saved reads back as the number typed.
    form->SaveToCurrentFile = true;
    form->BTN_SaveToFileClick();
    form->EDT_ReleTimeout->clear();
    form->LoadPhoneBookFile(form->CurrentFile);
    EXPECT_EQ(form->EDT_ReleTimeout->text(), GetParam().shown);
    QToolTip::hideText();
}

INSTANTIATE_TEST_SUITE_P(Typing, RelayTimeoutTest,
    ::testing::Values(TimeoutTyping{"largest", "65535", "65535", false},
        TimeoutTyping{"aboveSignedRange", "40000", "40000", false},
        TimeoutTyping{"wouldWrap", "70000", "7000", true},
        TimeoutTyping{"oneAboveLargest", "65536", "6553", true},
        TimeoutTyping{"noSignsOrLetters", "12a-345", "12345", true},
        TimeoutTyping{"arabicIndicDigits", QString::fromUtf8("\u0664\u0660\u0660\u0660\u0660"), "40000", false},
        TimeoutTyping{"fullWidthDigits", QString::fromUtf8("\uff11\uff12"), "12", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifier modifier;
    const char* dialog; // the title of the file dialog it opens
};

class Form1KeyTest : public Form1EditingTest, public ::testing::WithParamInterface<KeyCase> {};

// The file buttons from the keyboard, by shortcut and by mnemonic; their
// dialogs say what they are for.
TEST_P(Form1KeyTest, keyOpensItsFileDialog)
{
    NextFileDialogChooses("");
    QTest::keyClick(form.get(), GetParam().key, GetParam().modifier);
    // A mnemonic shows the button pressed for a moment before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !watch.Titles().isEmpty(); }));
    EXPECT_EQ(watch.Titles(), QStringList{QString::fromLatin1(GetParam().dialog)});
}

INSTANTIATE_TEST_SUITE_P(Keys, Form1KeyTest,
    ::testing::Values(KeyCase{"ctrlO", Qt::Key_O, Qt::ControlModifier, "Load From File"},
        KeyCase{"ctrlS", Qt::Key_S, Qt::ControlModifier, "Write To File"},
        KeyCase{"altL", Qt::Key_L, Qt::AltModifier, "Load From File"},
        KeyCase{"altW", Qt::Key_W, Qt::AltModifier, "Write To File"}),
    [](const auto& info) { return std::string(info.param.name); });

// Tab into the list opens the current cell, so the cursor shows where
// typing goes.
TEST_F(Form1EditingTest, tabIntoTheListOpensTheCurrentCell)
{
    form->CHBX_EnableExternalOff->setFocus();
    QTest::keyClick(form->CHBX_EnableExternalOff, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(list->isAncestorOf(focus)) << "the cell's editor has the focus";
}

TEST_F(Form1EditingTest, loadedGapsAreCopiedUpByTheFirstMove)
{
    WriteBytes(dir / "gaps.kalc", BookBytes({{3, "333"}, {7, "777"}}));
    form->LoadPhoneBookFile(dir / "gaps.kalc");

    ClickPhoneCell(*list, 10);

    EXPECT_EQ(list->Value(0), "333");
    EXPECT_EQ(list->Value(1), "777");
    EXPECT_EQ(list->Value(3), "333");
    EXPECT_EQ(list->Value(7), "777");
}

} // namespace
