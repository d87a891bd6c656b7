#pragma once
// Undo and redo over the phone book in the window: the 500 rows, the relay
// time-out field and the external-disconnection switch, and whether they
// differ from the current file.
//
// A step ends at the points where an edit is complete: a cell move or the
// list losing the focus (the typed cell together with the compaction the
// move runs), the time-out field finishing its edit, a click on the switch,
// and before and after each change the window makes as a whole (Record: a
// paste, a delete, "Clear All", a book loaded from a file or the device).
// Each step keeps only what it changed: the slots that differ, and the
// relay settings' two sides. Memory stays small without a cap on the steps
// (a 500-line paste keeps 500 pairs of at most 15 bytes).
//
// Everything here runs on the window thread.

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QLineEdit;

namespace phonelist {

class PhoneListEditor;

struct PhoneBookState {
    std::vector<std::string> numbers;
    QString relayTimeout;
    bool externalOff = false;

    bool operator==(const PhoneBookState&) const = default;
};

class PhoneBookHistory : public QObject {
    Q_OBJECT
public:
    PhoneBookHistory(PhoneListEditor& list, QLineEdit& relayTimeout, QAbstractButton& externalOff, QObject* parent);
    // The stack's last notices come when the window's widgets may be gone.
    ~PhoneBookHistory() override { stack_.disconnect(this); }

    // Actions for the window and the list's menu: Ctrl+Z; Ctrl+Y and
    // Ctrl+Shift+Z. An editor with something of its own to undo keeps the
    // keys (KeepsUndoKeys).
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }

    // Ends the step of the edits made since the last one, if any.
    void Checkpoint();
    // What change() does becomes one step of its own.
    void Record(const std::function<void()>& change);
    void Undo();
    void Redo();

    // The book as it stands is the one on file.
    void MarkSaved();
    // Forgets every step; the book as it stands is the one on file.
    void Reset();
    bool IsModified() const { return modified_; }

    PhoneBookState Current() const;

signals:
    void modifiedChanged(bool modified);

private:
    class Step;

    void Apply(const PhoneBookState& state);
    // The actions' enabled states and the modified flag.
    void Update();

    PhoneListEditor& list_;
    QLineEdit& relayTimeout_;
    QAbstractButton& externalOff_;
    QUndoStack stack_;
    // The book at the end of the last step.
    PhoneBookState settled_;
    bool recording_ = false;
    bool modified_ = false;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace phonelist
