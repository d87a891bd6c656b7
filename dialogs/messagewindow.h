#pragma once
// The message window: a title, a message and one button, shown modally over
// the whole application. Used for the start-up notice that an empty phone
// book file was created.

#include <QDialog>

#include <string>

class QFrame;
class QLabel;
class QPushButton;

namespace dialogs {

class MessageWindow : public QDialog {
    Q_OBJECT
public:
    explicit MessageWindow(QWidget* parent = nullptr);

    QFrame* Frame;
    QLabel* Picture;
    QLabel* Message;
    QPushButton* OkButton;

public slots:
    // Closing from the title bar (or Escape) ends with dialogs::ResultClosed.
    void reject() override;
};

// Shows a message window with the title, the message and the button
// caption, each set as given (empty ones included), and waits until it is
// closed.
void ShowMessageWindow(const std::wstring& title, const std::wstring& message, const std::wstring& buttonCaption);

} // namespace dialogs
