#include "dialogs/dialogframe.h"

#include "dialogs/pictures.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace dialogs {

QFont FontOf(const char* family, int pixelHeight)
{
    // Font configurations alias Arial and Times New Roman to faces of the
    // same metrics, but not the old bitmap face MS Sans Serif; Arial is
    // closest to it in width.
    QString face = QString::fromLatin1(family);
    if (face == QLatin1String("MS Sans Serif") && !QFontDatabase::hasFamily(face))
        face = QStringLiteral("Arial");
    QFont font(face);
    font.setPixelSize(pixelHeight);
    return font;
}

void SetUpFixedWindow(QWidget& window, QSize clientSize, QColor background)
{
    window.setFixedSize(clientSize);
    window.setWindowIcon(ProgramIcon());
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, background);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void CentreOnDesktop(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

} // namespace dialogs
