#pragma once
// The error window: a title, a message and up to two buttons, shown modally
// over the whole application; it tells which button closed it. Every
// failure the program words itself is shown here.

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace dialogs {

class ErrorWindow : public QDialog {
    Q_OBJECT
public:
    explicit ErrorWindow(QWidget* parent = nullptr);

    QLabel* Picture;
    QLabel* Message;
    // Closes with ResultOk; captioned "Gerai" until ShowErrorWindow sets it.
    QPushButton* OkButton;
    // Closes with ResultAbort; captioned "Atšaukti".
    QPushButton* AbortButton;

public slots:
    // Closing from the title bar (or Escape) ends with dialogs::ResultClosed.
    void reject() override;
};

// Shows an error window and returns how it was closed: dialogs::ResultOk by
// the first button, dialogs::ResultAbort by the second, dialogs::ResultClosed
// from the title bar. An empty message or caption keeps the window's own
// text; with the second button hidden the first one moves to the middle.
int ShowErrorWindow(const std::wstring& title, const std::wstring& message, const std::wstring& firstCaption,
    const std::wstring& secondCaption, bool showFirst, bool showSecond);

} // namespace dialogs
