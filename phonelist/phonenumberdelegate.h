#pragma once
// The in-place editor of the phone list's "Phone Number" cells.
//
// The editor is a line edit under the entry template: sixteen positions, the
// first a digit, blank, plus or minus, the other fifteen digits or blanks;
// a digit of another script becomes its ASCII digit and a leading minus a
// plus sign (phonenumber.h), however the text arrives.
// Every change is written into the cell at once, so the cell always holds
// what the editor shows; closing the editor writes nothing, because by then
// a compaction may already have rearranged the rows.
//
// Inside an open editor Ctrl+V and Ctrl+A are the list's (a pasted column
// goes into the rows, not into one cell); Ctrl+C and Delete are the list's
// while several cells are selected; the undo keys are the window's while
// the editor has nothing of its own to undo. The delegate also paints the
// duplicate marks and shows their tooltip.

#include <QStyledItemDelegate>

class QLineEdit;

namespace phonelist {

class PhoneListEditor;

// Qt's form of the template "#999999999999999;0; ": '#' takes a digit, plus
// or minus, '0' an optional digit, and unfilled positions show a space.
inline constexpr char PhoneNumberInputMask[] = "#000000000000000; ";

class PhoneNumberDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit PhoneNumberDelegate(PhoneListEditor& list);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    // The shortcut check of a key the list or the window acts on instead.
    bool LeavesKeyToList(const QLineEdit& editor, const QEvent& event) const;

    PhoneListEditor& list_;
};

} // namespace phonelist
