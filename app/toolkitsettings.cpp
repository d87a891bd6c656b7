#include "app/toolkitsettings.h"

#include <QSettings>

namespace app {

PrivateToolkitSettings::PrivateToolkitSettings()
{
    if (!folder_.isValid())
        return;
    // Qt's widgets use the native format, which on Linux is an INI file.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder_.path());
}

} // namespace app
