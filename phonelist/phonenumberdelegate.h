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

#include <QStyledItemDelegate>

namespace phonelist {

class PhoneListEditor;

// Qt's form of the template "#999999999999999;0; ": '#' takes a digit, plus
// or minus, '0' an optional digit, and unfilled positions show a space.
inline constexpr char PhoneNumberInputMask[] = "#000000000000000; ";

class PhoneNumberDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit PhoneNumberDelegate(PhoneListEditor& list);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    PhoneListEditor& list_;
};

} // namespace phonelist
