#pragma once
// The makers of the main window's widgets: sizes that fit their texts at
// any font, the buttons and their shortcuts, the phone book file dialogs.

#include <QFileDialog>
#include <QPushButton>

#include <optional>
#include <string>

namespace app {

// Gives the widget its object name, by which the window tests find it.
template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The classic size while the text fits in it, else as large as the text
// needs: the text and the room the style keeps around it, no more (the
// style's size hint pads generously and would widen the window at every
// font).
QSize FittedSize(const QWidget& widget, QSize classic, const QRect& contentsAtClassic, const QString& text);

// A button at least of the classic size and as large as its caption needs;
// the window's layout may widen it further.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});

// A key that clicks the button, as long as the button may be clicked: a
// shortcut of its own, which a change of the caption leaves in place.
void AddShortcut(QPushButton& button, const QKeySequence& keys);

// The filter "KAL Phone Book Files|*.kalc|All Files|*.*" in Qt's form;
// "*.*" means every file, with or without an extension. Only the save dialog
// adds ".kalc" to a name typed without an extension: the open dialog takes
// the name as typed, so an existing file without one opens.
QFileDialog* MakePhoneBookDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode);

// The dialog under the title; the chosen path, or none when cancelled.
std::optional<std::string> ChooseFile(QFileDialog& dialog, const QString& title);

} // namespace app
