#pragma once
// Qt's own widgets keep state between runs in a settings file of the user's
// (the file dialog its history, last folder and view, in QtProject.conf).
// The program keeps all its settings in its one settings file, so for as
// long as this object lives that state goes to a private folder instead,
// which is removed with everything in it when the object ends: within a run
// the dialogs remember, nothing is left behind.
//
// Create it before the first widget and keep it until the last one is gone
// (the file dialog writes its state when it is destroyed).

#include <QTemporaryDir>

namespace app {

class PrivateToolkitSettings {
public:
    // Without a temporary folder to use, the toolkit's own location stays.
    PrivateToolkitSettings();

private:
    QTemporaryDir folder_;
};

} // namespace app
