#pragma once
// The window's undo keys, and the rule that shares them with line edits: a
// line edit with something of its own to undo (the cell being typed, the
// time-out field) keeps them as usual; one with nothing to undo lets them
// reach the window's history, so Ctrl+Z after "Clear All" works wherever
// the focus went.

#include <QKeySequence>

class QEvent;
class QLineEdit;

namespace phonelist {

inline const QKeySequence UndoKey(Qt::CTRL | Qt::Key_Z);
inline const QKeySequence RedoKeys[] = {
    QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

// For an event to a line edit: true when it is the shortcut check of an undo
// or redo key the line edit has nothing to do with. The caller then leaves
// the check unanswered, so the key goes to the window's action.
bool LeavesUndoKeyToWindow(const QLineEdit& edit, const QEvent& event);

} // namespace phonelist
