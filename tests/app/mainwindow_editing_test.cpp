// The phone list and relay settings, driven as an operator would.

#include "tests/app/mainwindowfixture.h"
#include "tests/support/phonelistoperator.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

namespace {

class MainWindowEditingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        PrepareStart(DefaultBook());
        StartShown();
        list = PhoneList(*form);
    }

    void TypeInto(int slot, const char* keys)
    {
        ClickPhoneCell(*list, slot);
        TypeKeys(QString::fromLatin1(keys));
    }

    phonelist::PhoneListEditor* list = nullptr;
};

TEST_F(MainWindowEditingTest, writeToFileRightAfterTypingSavesTheCompactedList)
{
    TypeInto(0, "111");
    TypeInto(1, "333");
    TypeInto(9, "222");
    NextFileDialogChooses(dir / "typed.kalc");

    QTest::mouseClick(SaveToFileButton(*form), Qt::LeftButton);

    EXPECT_TRUE(SameBytes(ReadBytes(dir / "typed.kalc"), BookBytes({{0, "111"}, {1, "222"}, {2, "333"}})));
}

TEST_F(MainWindowEditingTest, clearAllEmptiesThePhoneBookInTheWindowOnly)
{
    WriteBytes(DefaultBook(), BookBytes({{0, "100"}}));
    TypeInto(0, "111");
    TypeInto(1, "222");
    RelayTimeoutField(*form)->setText(QStringLiteral("500"));
    ExternalOffBox(*form)->setChecked(true);

    QTest::mouseClick(ClearAllButton(*form), Qt::LeftButton);

    EXPECT_EQ(list->Values(), std::vector<std::string>(500));
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("0"));
    EXPECT_FALSE(ExternalOffBox(*form)->isChecked());
    EXPECT_EQ(list->LastSelectedRow, 2);
    EXPECT_TRUE(SameBytes(ReadBytes(DefaultBook()), BookBytes({{0, "100"}})));
}

// Typed key by key, as a keyboard of any layout delivers its characters:
// what is shown, and whether a tip says what the field takes.
using TimeoutTyping = std::tuple<QString, QString, bool>;
class RelayTimeoutTest : public MainWindowEditingTest, public ::testing::WithParamInterface<TimeoutTyping> {};

// The field holds what the file's 16 bits hold, and what is saved reads back as typed.
TEST_P(RelayTimeoutTest, takesOnlyWhatSixteenBitsHold)
{
    const auto& [typed, shown, refused] = GetParam();
    QToolTip::hideText();
    RelayTimeoutField(*form)->clear();
    for (const QChar c : typed) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(RelayTimeoutField(*form), &key);
    }
    EXPECT_EQ(RelayTimeoutField(*form)->text(), shown);
    EXPECT_EQ(QToolTip::isVisible() && QToolTip::text() == QStringLiteral("0 to 65535 ms"), refused);
    form->Files().SaveToCurrentFile();
    RelayTimeoutField(*form)->clear();
    form->Files().LoadPhoneBookFile(form->Files().CurrentFile());
    EXPECT_EQ(RelayTimeoutField(*form)->text(), shown);
}

INSTANTIATE_TEST_SUITE_P(Typing, RelayTimeoutTest,
    ::testing::Values(TimeoutTyping{"65535", "65535", false}, TimeoutTyping{"40000", "40000", false},
        TimeoutTyping{"70000", "7000", true}, TimeoutTyping{"65536", "6553", true},
        TimeoutTyping{"12a-345", "12345", true},
        TimeoutTyping{QString::fromUtf8("\u0664\u0660\u0660\u0660\u0660"), "40000", false}));

// The file buttons by shortcut and by mnemonic open dialogs that say what they are for.
class MainWindowKeyTest : public MainWindowEditingTest,
                          public ::testing::WithParamInterface<std::tuple<QKeyCombination, const char*>> {};

TEST_P(MainWindowKeyTest, keyOpensItsFileDialog)
{
    NextFileDialogChooses("");
    QTest::keyClick(form.get(), std::get<0>(GetParam()).key(), std::get<0>(GetParam()).keyboardModifiers());
    // A mnemonic shows the button pressed for a moment before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !watch.Titles().isEmpty(); }));
    EXPECT_EQ(watch.Titles(), QStringList{QString::fromLatin1(std::get<1>(GetParam()))});
}

INSTANTIATE_TEST_SUITE_P(Keys, MainWindowKeyTest,
    ::testing::Values(std::make_tuple(Qt::CTRL | Qt::Key_O, "Load From File"),
        std::make_tuple(Qt::CTRL | Qt::Key_S, "Write To File"), std::make_tuple(Qt::ALT | Qt::Key_W, "Write To File")));

// Tab into the list opens the current cell, whose cursor shows where typing goes.
TEST_F(MainWindowEditingTest, tabIntoTheListOpensTheCurrentCell)
{
    ExternalOffBox(*form)->setFocus();
    QTest::keyClick(ExternalOffBox(*form), Qt::Key_Tab);
    EXPECT_TRUE(list->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(MainWindowEditingTest, loadedGapsAreCopiedUpByTheFirstMove)
{
    WriteBytes(dir / "gaps.kalc", BookBytes({{3, "333"}, {7, "777"}}));
    form->Files().LoadPhoneBookFile(dir / "gaps.kalc");

    ClickPhoneCell(*list, 10);

    EXPECT_EQ(list->Value(0), "333");
    EXPECT_EQ(list->Value(1), "777");
    EXPECT_EQ(list->Value(3), "333");
    EXPECT_EQ(list->Value(7), "777");
}

} // namespace
