// Long lists in the window: spreadsheet paste, undo and redo over every kind
// of change, duplicate marks, find, and the question on close.

#include "tests/app/mainwindowfixture.h"
#include "tests/support/phonelistoperator.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

#include <map>

namespace {

using Slots = std::map<int, std::string>;

std::vector<std::string> ListOf(const Slots& values)
{
    std::vector<std::string> list(500);
    for (const auto& [slot, value] : values)
        list[slot] = value;
    return list;
}

class LongListTest : public MainWindowTest {
protected:
    void StartWith(const std::string& bookBytes)
    {
        PrepareStart(DefaultBook(), bookBytes);
        StartShown();
        list = PhoneList(*form);
    }

    void Keys(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    // The title's mark of a book that differs from its file.
    bool Unsaved() const { return form->windowTitle().startsWith(QLatin1Char('*')); }

    phonelist::PhoneListEditor* list = nullptr;
};

// ---- Paste ----

struct PasteCase {
    const char* name;
    int startSlot;
    bool editorOpen;
    const char* text;
    Slots after;
    std::vector<const char*> reported; // parts of the report, none when no report
};

class PasteTest : public LongListTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(PasteTest, pastesNormalisedNumbersFromTheCurrentRowAndReportsTheRest)
{
    StartWith(BookBytes({}));
    ClickPhoneCell(*list, GetParam().startSlot);
    // A click on the cell that is already current leaves its editor closed.
    const bool editorOpen = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
    if (editorOpen != GetParam().editorOpen)
        Keys(editorOpen ? Qt::Key_Escape : Qt::Key_F2, Qt::NoModifier);
    ASSERT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr, GetParam().editorOpen);
    QApplication::clipboard()->setText(QString::fromUtf8(GetParam().text));

    Keys(Qt::Key_V);

    EXPECT_EQ(list->Values(), ListOf(GetParam().after));
    auto* report = list->findChild<QMessageBox*>(QStringLiteral("PasteReport"));
    ASSERT_EQ(report != nullptr, !GetParam().reported.empty());
    for (const char* part : GetParam().reported)
        EXPECT_TRUE(report->text().contains(QString::fromUtf8(part))) << report->text().toStdString();
}

// The paste is followed by one compaction: the first number stays first,
// the others are sorted.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, PasteTest,
    ::testing::Values(
        PasteCase{"spreadsheetColumnWithCrlfIntoAnOpenEditor", 0, true,
            "+370 600 00001\r\n8-600-00003\r\n(8) 600.00002\r\n",
            {{0, "+37060000001"}, {1, "860000002"}, {2, "860000003"}}, {}},
        PasteCase{"firstNumberFieldOfTabSemicolonAndCommaRows", 0, false,
            "Jonas\t8 600 00011\tflat 2\nPetras;+370 600 00012\nflat 7,860000013",
            {{0, "860000011"}, {1, "+37060000012"}, {2, "860000013"}}, {}},
        PasteCase{"refusedLinesAreListedAndLeftOut", 0, true,
            "860000021\nphone\n\n5\n+1234567890123456\n860000022\n",
            {{0, "860000021"}, {1, "860000022"}},
            {"Lines not pasted: 4", "Line 2: \"phone\": not a phone number", "Line 3: \"\": empty", "Line 4: \"5\": one character only",
                "Line 5: \"+1234567890123456\": longer than 15 characters"}},
        PasteCase{"nothingGoesPastSlot499", 498, false, "111\n222\n333\n444\n",
            // Compacted from row 498: the two numbers packed at the top, the
            // second still standing in 499 below the packed range.
            {{0, "111"}, {1, "222"}, {499, "222"}}, {"Numbers that did not fit past slot 499: 2"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(LongListTest, copyGivesTheSelectedNumbersOnePerLineAndDeleteEmptiesThem)
{
    StartWith(BookBytes({{0, "111"}, {1, "222"}, {2, "333"}, {3, "444"}}));
    ClickPhoneCell(*list, 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
        list->visualItemRect(list->item(2, phonelist::PhoneListEditor::ValueColumn)).center());

    Keys(Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("222\n333"));

    Keys(Qt::Key_Delete, Qt::NoModifier);
    // The compaction from row 2 packs 111 and 444 and empties the row after
    // them; the 444 below the gap stays, as a list with gaps keeps it.
    EXPECT_EQ(list->Values(), ListOf({{0, "111"}, {1, "444"}, {3, "444"}}));
}

// ---- Undo and redo ----

struct BookState {
    std::vector<std::string> numbers;
    QString relayTimeout;
    bool externalOff;

    bool operator==(const BookState&) const = default;
};

void PrintTo(const BookState& state, std::ostream* out)
{
    *out << state.relayTimeout.toStdString() << (state.externalOff ? " on" : " off");
    for (std::size_t slot = 0; slot < state.numbers.size(); ++slot)
        if (!state.numbers[slot].empty())
            *out << ' ' << slot << '=' << state.numbers[slot];
}

TEST_F(LongListTest, undoAndRedoWalkBackAndForthOverEveryKindOfChange)
{
    WriteBytes(dir / "other.kalc", BookBytes({{5, "555"}}, 42, true));
    StartWith(BookBytes({{0, "111"}}, 500));
    const auto state = [&] {
        return BookState{list->Values(), RelayTimeoutField(*form)->text(), ExternalOffBox(*form)->isChecked()};
    };
    std::vector<BookState> states{state()};
    const auto changed = [&] {
        EXPECT_TRUE(Unsaved()) << states.size();
        EXPECT_NE(state(), states.back());
        states.push_back(state());
    };

    ClickPhoneCell(*list, 1); // a typed cell and the compaction of the move that ends it
    TypeKeys(QStringLiteral("999"));
    ClickPhoneCell(*list, 0);
    changed();
    ClickPhoneCell(*list, 2); // a paste
    QApplication::clipboard()->setText(QStringLiteral("333\r\n444\r\n"));
    Keys(Qt::Key_V);
    changed();
    ClickPhoneCell(*list, 1); // a delete
    Keys(Qt::Key_Escape, Qt::NoModifier);
    Keys(Qt::Key_Delete, Qt::NoModifier);
    changed();
    QTest::mouseClick(RelayTimeoutField(*form), Qt::LeftButton); // the time-out field
    RelayTimeoutField(*form)->selectAll();
    TypeKeys(QStringLiteral("900"));
    Keys(Qt::Key_Tab, Qt::NoModifier);
    changed();
    QTest::mouseClick(ExternalOffBox(*form), Qt::LeftButton); // the switch
    changed();
    QTest::mouseClick(ClearAllButton(*form), Qt::LeftButton);
    changed();
    NextFileDialogChooses(dir / "other.kalc"); // the whole book replaced
    QTest::mouseClick(LoadFromFileButton(*form), Qt::LeftButton);
    EXPECT_EQ(state().numbers, ListOf({{5, "555"}}));
    states.push_back(state());
    // Back in the window (the offscreen platform leaves the hidden dialog
    // active).
    QApplication::setActiveWindow(form.get());
    list->setFocus(Qt::MouseFocusReason);

    for (auto expected = states.rbegin() + 1; expected != states.rend(); ++expected) {
        Keys(Qt::Key_Z);
        EXPECT_EQ(state(), *expected);
    }
    // The loaded file is the saved state now, not the start.
    EXPECT_TRUE(Unsaved());
    for (std::size_t step = 1; step < states.size(); ++step) {
        step % 2 == 0 ? Keys(Qt::Key_Y) : Keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(state(), states[step]);
    }
    EXPECT_FALSE(Unsaved());
}

TEST_F(LongListTest, undoKeysInAnEditorWithTextOfItsOwnActOnThatTextAndAnUndoneBookClosesAtOnce)
{
    StartWith(BookBytes({{0, "111"}}));
    QTest::mouseClick(ClearAllButton(*form), Qt::LeftButton);
    ClickPhoneCell(*list, 3);
    TypeKeys(QStringLiteral("12"));
    ASSERT_EQ(list->Value(3), "12");

    Keys(Qt::Key_Z);
    EXPECT_EQ(list->Value(3), "");
    EXPECT_EQ(list->Value(0), "") << "the book's history took the key";

    // With nothing left to undo in the editor, the book's history goes on,
    // back to the file: no mark, and no question on close.
    Keys(Qt::Key_Z);
    EXPECT_EQ(list->Value(0), "111");
    EXPECT_FALSE(Unsaved());
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(watch.Titles().isEmpty());
}

// ---- Duplicates and find ----

TEST_F(LongListTest, duplicatesAreMarkedAfterLoadsAndEdits)
{
    StartWith(BookBytes({{0, "860000002"}, {1, "111"}, {2, "222"}, {3, "860000002"}}));
    EXPECT_EQ(list->DuplicateNote(0), QStringLiteral("also in slot 3"));
    EXPECT_EQ(list->DuplicateNote(3), QStringLiteral("also in slot 0"));
    EXPECT_EQ(list->DuplicateNote(1), QString());
    EXPECT_EQ(list->horizontalHeaderItem(1)->toolTip(), QStringLiteral("Numbers: 4, duplicates: 1"));

    // A cell may hold blanks between digits; compared normalised.
    list->SetValue(5, "8 600 00002");
    EXPECT_EQ(list->DuplicateNote(0), QStringLiteral("also in slot 3, 5"));

    // The move compacts: 860000002, 111, 222, 8 600 00002, 860000002.
    ClickPhoneCell(*list, 6);
    TypeKeys(QStringLiteral("111"));
    EXPECT_EQ(list->DuplicateNote(1), QStringLiteral("also in slot 6"));
    EXPECT_EQ(list->DuplicateNote(3), QStringLiteral("also in slot 0, 4"));

    // The mark is painted: the duplicate's background, not the plain one's.
    const QImage shown = list->viewport()->grab().toImage();
    const auto colourAt = [&](int slot) {
        const QRect cell = list->visualItemRect(list->item(slot, 1));
        return shown.pixelColor(cell.right() - 4, cell.center().y());
    };
    EXPECT_EQ(colourAt(3).rgb(), list->DuplicateBrush().color().rgb());
    EXPECT_NE(colourAt(2).rgb(), list->DuplicateBrush().color().rgb());
}

TEST_F(LongListTest, findBarSelectsMatchingRowsForwardAndBack)
{
    StartWith(BookBytes({{0, "860000001"}, {1, "860000002"}, {2, "860000012"}, {3, "870000002"}}));
    Keys(Qt::Key_F);
    auto* field = form->findChild<QLineEdit*>(QStringLiteral("FindField"));
    auto* status = form->findChild<QLabel*>(QStringLiteral("FindStatus"));
    ASSERT_EQ(QApplication::focusWidget(), field);

    TypeKeys(QStringLiteral("0002"));
    EXPECT_EQ(list->currentRow(), 1);
    Keys(Qt::Key_F3, Qt::NoModifier);
    EXPECT_EQ(list->currentRow(), 3);
    Keys(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(list->currentRow(), 1);
    Keys(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_EQ(QApplication::focusWidget(), field) << "finding keeps the focus in the field";

    TypeKeys(QStringLiteral("9"));
    EXPECT_EQ(status->text(), QStringLiteral("No match"));
    Keys(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(field->isVisible());
}

// ---- Close ----

struct CloseCase {
    const char* name;
    QMessageBox::StandardButton answer;
    bool closes;
    bool saved;
};

class CloseTest : public LongListTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, closingWithChangesAsksAndDoesWhatIsAnswered)
{
    const std::string original = BookBytes({{0, "111"}});
    StartWith(original);
    ClickPhoneCell(*list, 1);
    TypeKeys(QStringLiteral("222"));
    watch.Then([this](QWidget& window) {
        auto& question = dynamic_cast<QMessageBox&>(window);
        question.button(GetParam().answer)->click();
    });

    EXPECT_EQ(form->close(), GetParam().closes);

    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("Unsaved changes")});
    EXPECT_TRUE(SameBytes(ReadBytes(DefaultBook()), GetParam().saved ? BookBytes({{0, "111"}, {1, "222"}}) : original));
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseTest,
    ::testing::Values(CloseCase{"save", QMessageBox::Save, true, true},
        CloseCase{"discard", QMessageBox::Discard, true, false},
        CloseCase{"cancel", QMessageBox::Cancel, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
