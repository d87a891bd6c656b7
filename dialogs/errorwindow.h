#pragma once
// The error window: a title, a message and up to two buttons, shown modally
// over the whole application; it tells which button closed it. Every
// failure the program words itself is shown here.

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* LBL_Tekstas;
    QPushButton* BTN_Gerai;
    QPushButton* BTN_Atsaukti;

public slots:
    // Closing from the title bar (or Escape) ends with dialogs::ResultClosed.
    void reject() override;

private:
    // Gives the window the main window's colour each time one is created.
    void FormCreate();
};

// Shows an error window and returns how it was closed: dialogs::ResultOk by
// the first button, dialogs::ResultAbort by the second, dialogs::ResultClosed
// from the title bar. An empty message or caption keeps the window's own
// text; with the second button hidden the first one moves to the middle.
int ShowErrorWindow(const std::string& title, const std::wstring& message, const std::wstring& firstCaption,
    const std::wstring& secondCaption, bool showFirst, bool showSecond);
