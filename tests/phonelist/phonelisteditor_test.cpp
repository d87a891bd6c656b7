#include "phonelist/phonelisteditor.h"

#include "tests/support/phonelistoperator.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using phonelist::PhoneListEditor;

class PhoneListEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_.resize(260, 360);
        list_ = new PhoneListEditor(&host_);
        list_->setGeometry(0, 0, 240, 300);
        list_->BuildRows();
        other_ = new QPushButton(QStringLiteral("other"), &host_);
        other_->setGeometry(0, 310, 100, 25);
        host_.show();
        host_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host_));
        list_->setFocus();
    }

    void Fill(std::initializer_list<std::pair<int, const char*>> values)
    {
        for (const auto& [slot, value] : values)
            list_->SetValue(slot, value);
    }

    QWidget host_;
    PhoneListEditor* list_ = nullptr;
    QPushButton* other_ = nullptr;
};

TEST_F(PhoneListEditorTest, rowsAreKeyedBySlotNumberAndEmpty)
{
    ASSERT_EQ(list_->rowCount(), 500);
    for (int slot : {0, 1, 250, 499}) {
        EXPECT_EQ(list_->item(slot, PhoneListEditor::NumberColumn)->text(), QString::number(slot));
        EXPECT_EQ(list_->Value(slot), "");
    }
    EXPECT_EQ(list_->horizontalHeaderItem(0)->text(), QStringLiteral("Nr."));
    EXPECT_EQ(list_->horizontalHeaderItem(1)->text(), QStringLiteral("Phone Number"));
}

struct TypingCase {
    const char* name;
    const char* keys;
    const char* value;
};

class TemplateTest : public PhoneListEditorTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TemplateTest, cellHoldsWhatTheTemplateLetThrough)
{
    ClickPhoneCell(*list_, 5);
    TypeKeys(QString::fromLatin1(GetParam().keys));
    // Written at once: no cell move has happened yet.
    EXPECT_EQ(list_->Value(5), GetParam().value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, TemplateTest,
    ::testing::Values(TypingCase{"digits", "123", "123"},
        TypingCase{"minusBecomesPlus", "-123", "+123"},
        TypingCase{"plusFirst", "+37060000001", "+37060000001"},
        TypingCase{"plusOnlyInFirstPosition", "1+2", "12"},
        TypingCase{"lettersRefused", "a1b2", "12"},
        TypingCase{"sixteenPositions", "+12345678901234567", "+123456789012345"},
        TypingCase{"innerBlankKept", "1 2", "1 2"},
        TypingCase{"trailingBlanksDropped", "12  ", "12"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// How text from other keyboard layouts and input methods reaches the cell
// editor: key by key, composed by an input method and committed at once, or
// pasted from the clipboard.
enum class Entry { Typed, Composed, Pasted };

struct ScriptCase {
    const char* name;
    Entry entry;
    const char* text; // UTF-8
    const char* value;
};

class OtherScriptsTest : public PhoneListEditorTest, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(OtherScriptsTest, cellHoldsAsciiPhoneNumberCharactersOnly)
{
    ClickPhoneCell(*list_, 5);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr);
    const QString text = QString::fromUtf8(GetParam().text);
    switch (GetParam().entry) {
    case Entry::Typed:
        for (QChar key : text)
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(key), Qt::NoModifier);
        break;
    case Entry::Composed: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(editor, &commit);
        break;
    }
    case Entry::Pasted:
        // The editor's own menu entry: Ctrl+V pastes into the rows instead.
        QApplication::clipboard()->setText(text);
        static_cast<QLineEdit*>(editor)->paste();
        break;
    }
    EXPECT_EQ(list_->Value(5), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Entries, OtherScriptsTest,
    ::testing::Values(ScriptCase{"typedFullWidth", Entry::Typed, "\uFF11\uFF12\uFF13", "123"},
        ScriptCase{"typedArabicIndic", Entry::Typed, "\u0664\u0665", "45"},
        ScriptCase{"typedSuperscriptRefused", Entry::Typed, "1\u00B2", "1"},
        ScriptCase{"composedFullWidthAndArabicIndic", Entry::Composed, "\uFF11\uFF12\uFF13\u0664", "1234"},
        ScriptCase{"composedDevanagariAfterMinus", Entry::Composed, "-\u096A\u0968", "+42"},
        ScriptCase{"pastedFullWidth", Entry::Pasted, "\uFF0B\uFF14\uFF14", "44"},
        ScriptCase{"pastedWithMinus", Entry::Pasted, "-370 612", "+370 612"},
        ScriptCase{"pastedPunctuationDropped", Entry::Pasted, "(8)5-5", "855"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PhoneListEditorTest, minusTypedOnTheListItselfBecomesPlus)
{
    // The editor is not open yet: the list sees the key first.
    QTest::keyClick(list_, '-');
    TypeKeys(QStringLiteral("5"));
    EXPECT_EQ(list_->Value(0), "+5");
}

TEST_F(PhoneListEditorTest, cellMoveCompactsAndEditorWritesNothingAfterwards)
{
    Fill({{0, "111"}, {1, "333"}});
    ClickPhoneCell(*list_, 2);
    TypeKeys(QStringLiteral("222"));
    ClickPhoneCell(*list_, 0);
    QApplication::processEvents();

    EXPECT_EQ(list_->Values()[0], "111");
    EXPECT_EQ(list_->Values()[1], "222");
    EXPECT_EQ(list_->Values()[2], "333");
    EXPECT_EQ(list_->Value(3), "");
    EXPECT_EQ(list_->LastSelectedRow, 1);
}

TEST_F(PhoneListEditorTest, editorOpensOnTheCompactedValue)
{
    Fill({{0, "111"}, {1, "333"}});
    ClickPhoneCell(*list_, 2);
    TypeKeys(QStringLiteral("222"));
    ClickPhoneCell(*list_, 1);

    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->displayText().trimmed(), QStringLiteral("222"));
    // The value is selected on arrival, so typing replaces it.
    TypeKeys(QStringLiteral("9"));
    EXPECT_EQ(list_->Value(1), "9");
}

TEST_F(PhoneListEditorTest, tabLeavesTheListAndCompacts)
{
    Fill({{0, "111"}});
    ClickPhoneCell(*list_, 5);
    TypeKeys(QStringLiteral("222"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    EXPECT_EQ(QApplication::focusWidget(), other_);
    EXPECT_EQ(list_->Value(1), "222");
    EXPECT_EQ(list_->Value(5), "");
    // Leaving the list is not a cell move.
    EXPECT_EQ(list_->LastSelectedRow, 6);
}

TEST_F(PhoneListEditorTest, sixteenCharactersCutAtTheNextMove)
{
    ClickPhoneCell(*list_, 3);
    TypeKeys(QStringLiteral("+123456789012345"));
    EXPECT_EQ(list_->Value(3), "+123456789012345");
    ClickPhoneCell(*list_, 7);
    EXPECT_EQ(list_->Value(0), "+12345678901234");
}

TEST_F(PhoneListEditorTest, numberCellsCannotBeSelected)
{
    ClickPhoneCell(*list_, 4);
    ClickPhoneCell(*list_, 8, PhoneListEditor::NumberColumn);
    EXPECT_EQ(list_->currentRow(), 4);
    EXPECT_EQ(list_->currentColumn(), PhoneListEditor::ValueColumn);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(list_, Qt::Key_Left);
    EXPECT_EQ(list_->currentColumn(), PhoneListEditor::ValueColumn);
}

TEST_F(PhoneListEditorTest, arrowKeyMoveCompacts)
{
    Fill({{0, "111"}});
    ClickPhoneCell(*list_, 3);
    TypeKeys(QStringLiteral("555"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(list_->Value(1), "555");
    EXPECT_EQ(list_->Value(3), "");
    EXPECT_EQ(list_->currentRow(), 4);
    EXPECT_EQ(list_->LastSelectedRow, 5);
}

} // namespace
