#include "app/exceptionbox.h"

#include "settings/profilefile.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace app {

void ShowExceptionMessage(QWidget* parent, const std::exception& error)
{
    // Messages carry file names, which are in the locale's encoding.
    QString message = QString::fromLocal8Bit(error.what());
    // The settings file's failure is the program's own text; the others
    // come from the serial component in English.
    if (const auto* writeError = dynamic_cast<const settings::WriteError*>(&error))
        message = QCoreApplication::translate("app::ExceptionBox", "Unable to write to %1")
                      .arg(QString::fromLocal8Bit(writeError->Path()));
    QMessageBox::critical(parent, QStringLiteral("QEM"), message);
}

} // namespace app
