#include "dialogs/dialogframe.h"

#include "dialogs/pictures.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace dialogs {
namespace {

// The desktop font's height in pixels at which the classic sizes hold:
// 9 pt at 96 dpi.
constexpr double ClassicDesktopPixels = 12.0;

int ScaledLength(int classic)
{
    return static_cast<int>(std::lround(classic * DesktopScale()));
}

} // namespace

double DesktopScale()
{
    // QFontInfo resolves a size in points through the screen's font dpi.
    const int desktopPixels = QFontInfo(QGuiApplication::font()).pixelSize();
    return std::max(1.0, desktopPixels / ClassicDesktopPixels);
}

QFont FontOf(const char* family, int pixelHeight)
{
    // The classic face, then faces of its metrics where it is missing, so the
    // texts take the room they were drawn for. MS Sans Serif is a bitmap face
    // that font configurations do not alias; Arial is closest to it in width.
    // Debian's Liberation Sans (and Arimo, the same design) is drawn to
    // Arial's metrics. Without any of them the toolkit's choice for a family
    // it does not know is no sans-serif face at all on some systems (Wine
    // without Windows' faces takes a mathematical face).
    const QString classic = QString::fromLatin1(family);
    QStringList faces{classic};
    if (classic == QLatin1String("MS Sans Serif"))
        faces.append(QStringLiteral("Arial"));
    if (faces.contains(QLatin1String("Arial")))
        faces.append({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont font;
    font.setFamilies(faces);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(ScaledLength(pixelHeight));
    return font;
}

QFont DialogFont()
{
    return FontOf("MS Sans Serif", 11);
}

QSize Scaled(QSize classic)
{
    return {ScaledLength(classic.width()), ScaledLength(classic.height())};
}

QPoint Scaled(QPoint classic)
{
    return {ScaledLength(classic.x()), ScaledLength(classic.y())};
}

QRect Scaled(const QRect& classic)
{
    return {Scaled(classic.topLeft()), Scaled(classic.size())};
}

void SetUpFixedWindow(QWidget& window, QSize clientSize, QColor background)
{
    window.setFixedSize(Scaled(clientSize));
    window.setWindowIcon(ProgramIcon());
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, background);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void FitLabelHeight(QWidget& window, QLabel& label)
{
    const int extra = label.heightForWidth(label.width()) - label.height();
    if (extra <= 0)
        return;
    const QRect before = label.geometry();
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == &label)
            continue;
        if (child->y() >= before.bottom())
            child->move(child->x(), child->y() + extra);
        else if (child->geometry().contains(before))
            child->resize(child->width(), child->height() + extra);
    }
    label.resize(label.width(), label.height() + extra);
    window.setFixedSize(window.width(), window.height() + extra);
}

void CentreOnDesktop(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

} // namespace dialogs
