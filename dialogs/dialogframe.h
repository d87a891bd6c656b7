#pragma once
// What the program's windows share: fixed sizes in pixels, the program
// icon, a background colour, fonts named by the classic face names (the
// font configuration substitutes metric-compatible faces), and placement in
// the middle of the desktop.

#include <QColor>
#include <QFont>
#include <QSize>

class QWidget;

namespace dialogs {

// Closing results of the dialogs: the first button, the title bar, the
// second button of the error window.
inline constexpr int ResultOk = 1;
inline constexpr int ResultClosed = 2;
inline constexpr int ResultAbort = 3;

// A face of the given character height in pixels.
QFont FontOf(const char* family, int pixelHeight);

// Fixed client size, program icon and background colour.
void SetUpFixedWindow(QWidget& window, QSize clientSize, QColor background);

// Places the window in the middle of the desktop's available area.
void CentreOnDesktop(QWidget& window);

} // namespace dialogs
