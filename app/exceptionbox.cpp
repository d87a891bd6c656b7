#include "app/exceptionbox.h"

#include <QMessageBox>

namespace app {

void ShowExceptionMessage(QWidget* parent, const std::exception& error)
{
    // Messages carry file names, which are in the locale's encoding.
    QMessageBox::critical(parent, QStringLiteral("QEM"), QString::fromLocal8Bit(error.what()));
}

} // namespace app
