#pragma once
// The find bar under the phone list (Ctrl+F): typing digits makes the next
// slot whose number holds them current, from the current row on; Enter and
// F3 go on to the next, Shift+F3 back to the previous; Escape closes the
// bar. Beside the field, "No match" or the list's count of numbers and
// duplicates. The list keeps its place: the bar takes its height from the
// list's own box.

#include <QWidget>

class QLabel;
class QLineEdit;

namespace phonelist {

class PhoneListEditor;

class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(PhoneListEditor& list, QWidget* parent);

    // Shows the bar with the keyboard focus in its field.
    void Open();
    void FindNext();
    void FindPrevious();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // From the slot after `from` (or before it), see PhoneListEditor::FindNumber.
    void Find(int from, bool backwards);
    void ShowCount();

    PhoneListEditor& list_;
    QLineEdit* field_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace phonelist
