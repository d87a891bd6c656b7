#include "phonelist/undokeys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace phonelist {

bool LeavesUndoKeyToWindow(const QLineEdit& edit, const QEvent& event)
{
    if (event.type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence key(static_cast<const QKeyEvent&>(event).keyCombination());
    if (key == UndoKey)
        return !edit.isUndoAvailable();
    if (key == RedoKeys[0] || key == RedoKeys[1])
        return !edit.isRedoAvailable();
    return false;
}

} // namespace phonelist
