#pragma once
// The phone list VLE_Telefonai: a grid of 500 data rows under one title row,
// "Nr." holding the slot number "0" to "499" (neither editable nor
// selectable) and "Phone Number" holding the slot's value, edited in place.
//
// Every move of the cell cursor and every departure of the keyboard focus
// for another control of the window compacts the list (see compaction.h):
// the move runs it before the cell editor is closed or reopened, the
// departure before the control that takes the focus acts, so a click on
// "Write To File..." saves the compacted list. Values are byte strings of
// phone number characters and blanks (the cell editor lets in nothing else,
// and loading keeps nothing else); a cell shows each byte as the character
// of the same code.
//
// Several "Phone Number" cells can be selected (Shift+click, Shift+arrows,
// Ctrl+A); Ctrl+C copies their numbers one per line, Delete empties them,
// and Ctrl+V pastes the lines of a spreadsheet column or a text from the
// current row on, the cell editor open or not. A paste or a delete is
// followed by one compaction, as the next cell move would run it, so the
// change and the moves it causes are one undo step. Numbers standing in
// more than one slot are marked (background and tooltip). The list's menu
// holds Copy, Paste, Delete and Select All (the window adds its own).

#include "phonebook/duplicatenumbers.h"
#include "phonebook/pastedtext.h"

#include <QTableWidget>

#include <string>
#include <vector>

class QKeyEvent;

namespace phonelist {

class PhoneListEditor : public QTableWidget {
    Q_OBJECT
public:
    explicit PhoneListEditor(QWidget* parent = nullptr);

    // Replaces the rows by the 500 rows keyed "0" to "499" with empty values.
    void BuildRows();

    // Slot values; slots outside the built rows read as empty and ignore writes.
    std::string Value(int slot) const;
    void SetValue(int slot, const std::string& value);
    std::vector<std::string> Values() const;
    // Writes only the slots whose value differs.
    void SetValues(const std::vector<std::string>& values);
    void ClearValues();

    // Runs before the cell cursor moves to the "Phone Number" cell of data
    // row `row` (1 to 500): compacts the list and records the row.
    void VLE_TelefonaiSelectCell(int column, int row);
    // Runs when the keyboard focus leaves the list for another control of
    // the window: compacts the list.
    void VLE_TelefonaiExit();
    // Sees every character typed into the list and its cell editor before
    // the template does: a minus sign becomes a plus sign.
    static void VLE_TelefonaiKeyPress(QChar& key);

    // Passes a typed key through VLE_TelefonaiKeyPress; when that changes it,
    // sends the changed key to target and returns true (the original key is
    // then to be dropped).
    bool DeliverFilteredKey(QObject& target, const QKeyEvent& event);

    struct PasteReport {
        std::vector<phonebook::RefusedLine> refused;
        int notFitting = 0; // numbers that would have gone past slot 499
    };
    // One number per line of text into the slots from the current row on,
    // overwriting them; the refused lines are reported, not pasted.
    PasteReport Paste(const QString& text);
    // The numbers of the selected cells, one per line, blank cells left out.
    QString SelectedNumbers() const;
    void DeleteSelection();
    // Makes the slot current without opening its editor or taking the focus
    // (the find bar keeps it); the move compacts as any other.
    void GoToSlot(int slot);
    // The next slot after `from` (or before it, backwards), wrapping
    // around, whose number holds the digits; `from` itself is tried last.
    // -1 when none does.
    int FindNumber(const QString& digits, int from, bool backwards) const;

    // The other slots holding the slot's number; empty when none does.
    const std::vector<int>& DuplicatesOf(int slot) const;
    // "also in slot 17, 203", or empty.
    QString DuplicateNote(int slot) const;
    // The background of a duplicate cell: the selection colour thinned over
    // the base colour, so the text colour of any theme still reads on it.
    QBrush DuplicateBrush() const;
    // "Numbers: 12, duplicates: 2"
    QString CountText() const;

    // The values gathered by the last compaction.
    std::vector<std::string> CollectedNumbers;
    // The data row (1 to 500) of the last cell selection; 0 before the first.
    int LastSelectedRow = 0;

    static constexpr int NumberColumn = 0;
    static constexpr int ValueColumn = 1;

signals:
    // The rows are at a point where an undo step ends: a cell move or the
    // list losing the focus compacted them, or a paste or a delete is about
    // to begin or has ended.
    void changesSettled();
    // The count of numbers or duplicates changed (CountText).
    void countsChanged();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Reached by the keyboard (Tab, Shift+Tab, a shortcut), the list opens
    // the current cell's editor, whose cursor shows where typing goes.
    void focusInEvent(QFocusEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    using QTableWidget::edit;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void Compact();
    // Writes the slots where after differs from before (the rows' current
    // values), telling the views once for all of them.
    void WriteChangedRows(const std::vector<std::string>& before, const std::vector<std::string>& after);
    void OnFocusChanged(QWidget* old, QWidget* now);
    bool Holds(const QWidget* widget) const;
    // Shows the current cell's value in its editor, when one is open.
    void RefreshEditor();
    void MarkDuplicates();
    void PasteFromClipboard();
    void CopySelection() const;
    std::vector<int> SelectedSlots() const;
    void ShowPasteReport(const PasteReport& report);

    bool buildingRows_ = false;
    bool editOnMove_ = true;
    phonebook::DuplicateNumbers duplicates_;
};

} // namespace phonelist
