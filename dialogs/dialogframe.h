#pragma once
// What the program's windows share: fixed sizes in pixels, the program
// icon, a background colour, fonts named by the classic face names (where
// they are missing, faces of the same metrics), and placement in the middle
// of the desktop.
//
// The classic sizes were drawn for a dialog font 11 pixels high, which is
// what a desktop at its usual 9 pt and 96 dpi shows. A desktop with larger
// text (a larger size chosen, a higher font dpi) gets every face and every
// fixed size scaled by as much, so QEM's texts are never smaller than the
// desktop's and still fit.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

class QLabel;
class QWidget;

namespace dialogs {

// Closing results of the dialogs: the first button, the title bar, the
// second button of the error window.
inline constexpr int ResultOk = 1;
inline constexpr int ResultClosed = 2;
inline constexpr int ResultAbort = 3;

// How much larger than the classic 11-pixel dialog font the desktop's font
// is; never below 1.
double DesktopScale();

// A face of the given classic character height in pixels, scaled by
// DesktopScale.
QFont FontOf(const char* family, int pixelHeight);
// The one font of every window's controls: the classic dialog face.
QFont DialogFont();

// A classic size or place scaled by DesktopScale.
QSize Scaled(QSize classic);
QPoint Scaled(QPoint classic);
QRect Scaled(const QRect& classic);

// Fixed client size (scaled), program icon and background colour.
void SetUpFixedWindow(QWidget& window, QSize clientSize, QColor background);

// Makes a word-wrapped label of a fixed window tall enough for its text:
// the window, a frame around the label and everything below it grow by the
// height the text needs beyond the label's.
void FitLabelHeight(QWidget& window, QLabel& label);

// Places the window in the middle of the desktop's available area.
void CentreOnDesktop(QWidget& window);

} // namespace dialogs
