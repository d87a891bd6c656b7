#include "dialogs/messagewindow.h"

#include "dialogs/dialogframe.h"
#include "dialogs/pictures.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace dialogs {

MessageWindow::MessageWindow(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Pranesimas"));
    setFont(DialogFont());
    SetUpFixedWindow(*this, QSize(342, 190), QColor(235, 232, 213));

    Frame = new QFrame(this);
    Frame->setObjectName(QStringLiteral("frame"));
    Frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame->setGeometry(Scaled(QRect(8, 8, 322, 133)));

    Picture = new QLabel(this);
    Picture->setObjectName(QStringLiteral("picture"));
    Picture->setGeometry(Scaled(QRect(14, 14, 40, 40)));
    Picture->setPixmap(InformationPicture());

    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("message"));
    Message->setGeometry(Scaled(QRect(63, 24, 253, 103)));
    Message->setWordWrap(true);
    Message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Message->setFont(FontOf("Arial", 13));

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("okButton"));
    OkButton->setGeometry(Scaled(QRect(138, 147, 73, 24)));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, [this] { done(ResultOk); });
}

void MessageWindow::reject()
{
    done(ResultClosed);
}

void ShowMessageWindow(const std::wstring& title, const std::wstring& message, const std::wstring& buttonCaption)
{
    MessageWindow dialog;
    dialog.Message->setText(QString::fromStdWString(message));
    dialog.setWindowTitle(QString::fromStdWString(title));
    dialog.OkButton->setText(QString::fromStdWString(buttonCaption));
    FitLabelHeight(dialog, *dialog.Message);
    CentreOnDesktop(dialog);
    dialog.exec();
}

} // namespace dialogs
