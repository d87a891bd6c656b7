#include "dialogs/okbottomdlg.h"

#include "dialogs/dialogframe.h"
#include "dialogs/pictures.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TOKBottomDlg::TOKBottomDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
              | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Pranesimas"));
    setFont(dialogs::DialogFont());
    dialogs::SetUpFixedWindow(*this, QSize(342, 190), QColor(235, 232, 213));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(dialogs::Scaled(QRect(8, 8, 322, 133)));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(dialogs::Scaled(QRect(14, 14, 40, 40)));
    Image1->setPixmap(dialogs::InformationPicture());

    LBL_Text = new QLabel(this);
    LBL_Text->setObjectName(QStringLiteral("LBL_Text"));
    LBL_Text->setGeometry(dialogs::Scaled(QRect(63, 24, 253, 103)));
    LBL_Text->setWordWrap(true);
    LBL_Text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LBL_Text->setFont(dialogs::FontOf("Arial", 13));

    BTN_OK = new QPushButton(QStringLiteral("OK"), this);
    BTN_OK->setObjectName(QStringLiteral("BTN_OK"));
    BTN_OK->setGeometry(dialogs::Scaled(QRect(138, 147, 73, 24)));
    BTN_OK->setDefault(true);
    connect(BTN_OK, &QPushButton::clicked, this, [this] { done(dialogs::ResultOk); });
}

void TOKBottomDlg::reject()
{
    done(dialogs::ResultClosed);
}

void ShowMessageWindow(const std::string& title, const std::wstring& message, const std::wstring& buttonCaption)
{
    TOKBottomDlg dialog;
    dialog.LBL_Text->setText(QString::fromStdWString(message));
    dialog.setWindowTitle(QString::fromLocal8Bit(title.data(), static_cast<qsizetype>(title.size())));
    dialog.BTN_OK->setText(QString::fromStdWString(buttonCaption));
    dialogs::FitLabelHeight(dialog, *dialog.LBL_Text);
    dialogs::CentreOnDesktop(dialog);
    dialog.exec();
}
