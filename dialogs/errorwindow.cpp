#include "dialogs/errorwindow.h"

#include "dialogs/dialogframe.h"
#include "dialogs/pictures.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ButtonTop = 105;
constexpr int LoneButtonLeft = 168;

// The buttons keep the window's font: one sans-serif face for every text.
QPushButton* MakeButton(const QString& name, const QString& caption, const QRect& geometry, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(dialogs::Scaled(geometry));
    return button;
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
              | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Klaida"));
    setFont(dialogs::DialogFont());
    dialogs::SetUpFixedWindow(*this, QSize(381, 149), QColor(235, 232, 213));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(dialogs::Scaled(QRect(7, 7, 40, 40)));
    Image1->setPixmap(dialogs::ErrorPicture());

    LBL_Tekstas = new QLabel(QStringLiteral("Klaida!"), this);
    LBL_Tekstas->setObjectName(QStringLiteral("LBL_Tekstas"));
    LBL_Tekstas->setGeometry(dialogs::Scaled(QRect(63, 21, 302, 78)));
    LBL_Tekstas->setWordWrap(true);
    LBL_Tekstas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LBL_Tekstas->setFont(dialogs::FontOf("Arial", 13));

    BTN_Gerai = MakeButton(QStringLiteral("BTN_Gerai"), QStringLiteral("Gerai"), QRect(190, ButtonTop, 78, 24), this);
    BTN_Gerai->setDefault(true);
    connect(BTN_Gerai, &QPushButton::clicked, this, [this] { done(dialogs::ResultOk); });
    BTN_Atsaukti = MakeButton(QStringLiteral("BTN_Atsaukti"), QStringLiteral("At\u0161aukti"),
        QRect(278, ButtonTop, 78, 24), this);
    connect(BTN_Atsaukti, &QPushButton::clicked, this, [this] { done(dialogs::ResultAbort); });

    FormCreate();
}

void TForm3::FormCreate()
{
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(236, 233, 216));
    setPalette(background);
}

void TForm3::reject()
{
    done(dialogs::ResultClosed);
}

int ShowErrorWindow(const std::string& title, const std::wstring& message, const std::wstring& firstCaption,
    const std::wstring& secondCaption, bool showFirst, bool showSecond)
{
    TForm3 window;
    window.setWindowTitle(QString::fromLocal8Bit(title.data(), static_cast<qsizetype>(title.size())));
    if (!message.empty())
        window.LBL_Tekstas->setText(QString::fromStdWString(message));
    if (!firstCaption.empty())
        window.BTN_Gerai->setText(QString::fromStdWString(firstCaption));
    if (!secondCaption.empty())
        window.BTN_Atsaukti->setText(QString::fromStdWString(secondCaption));
    window.BTN_Gerai->setVisible(showFirst);
    if (showSecond) {
        window.BTN_Atsaukti->setVisible(true);
    } else {
        window.BTN_Atsaukti->setVisible(false);
        window.BTN_Gerai->move(dialogs::Scaled(QPoint(LoneButtonLeft, ButtonTop)));
    }
    dialogs::FitLabelHeight(window, *window.LBL_Tekstas);
    dialogs::CentreOnDesktop(window);
    return window.exec();
}
