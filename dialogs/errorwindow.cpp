#include "dialogs/errorwindow.h"

#include "dialogs/dialogframe.h"
#include "dialogs/pictures.h"

#include <QLabel>
#include <QPushButton>

namespace dialogs {
namespace {

constexpr int ButtonTop = 105;
constexpr int LoneButtonLeft = 168;

// The buttons keep the window's font: one sans-serif face for every text.
QPushButton* MakeButton(const QString& name, const QString& caption, const QRect& geometry, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(Scaled(geometry));
    return button;
}

} // namespace

ErrorWindow::ErrorWindow(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Klaida"));
    setFont(DialogFont());
    // The main window's colour.
    SetUpFixedWindow(*this, QSize(381, 149), QColor(236, 233, 216));

    Picture = new QLabel(this);
    Picture->setObjectName(QStringLiteral("picture"));
    Picture->setGeometry(Scaled(QRect(7, 7, 40, 40)));
    Picture->setPixmap(ErrorPicture());

    Message = new QLabel(QStringLiteral("Klaida!"), this);
    Message->setObjectName(QStringLiteral("message"));
    Message->setGeometry(Scaled(QRect(63, 21, 302, 78)));
    Message->setWordWrap(true);
    Message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Message->setFont(FontOf("Arial", 13));

    OkButton = MakeButton(QStringLiteral("okButton"), QStringLiteral("Gerai"), QRect(190, ButtonTop, 78, 24), this);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, [this] { done(ResultOk); });
    AbortButton = MakeButton(QStringLiteral("abortButton"), QStringLiteral("At\u0161aukti"),
        QRect(278, ButtonTop, 78, 24), this);
    connect(AbortButton, &QPushButton::clicked, this, [this] { done(ResultAbort); });
}

void ErrorWindow::reject()
{
    done(ResultClosed);
}

int ShowErrorWindow(const std::wstring& title, const std::wstring& message, const std::wstring& firstCaption,
    const std::wstring& secondCaption, bool showFirst, bool showSecond)
{
    ErrorWindow window;
    window.setWindowTitle(QString::fromStdWString(title));
    if (!message.empty())
        window.Message->setText(QString::fromStdWString(message));
    if (!firstCaption.empty())
        window.OkButton->setText(QString::fromStdWString(firstCaption));
    if (!secondCaption.empty())
        window.AbortButton->setText(QString::fromStdWString(secondCaption));
    window.OkButton->setVisible(showFirst);
    if (showSecond) {
        window.AbortButton->setVisible(true);
    } else {
        window.AbortButton->setVisible(false);
        window.OkButton->move(Scaled(QPoint(LoneButtonLeft, ButtonTop)));
    }
    FitLabelHeight(window, *window.Message);
    CentreOnDesktop(window);
    return window.exec();
}

} // namespace dialogs
