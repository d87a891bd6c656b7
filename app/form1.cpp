#include "app/form1.h"

#include "app/clickablelabel.h"
#include "device/mainthreat.h"
#include "app/programsettings.h"
#include "app/version.h"
#include "dialogs/dialogframe.h"
#include "phonebook/phonelisteditor.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor WindowColour(236, 233, 216);

// The relay time-out template "99999;0; ": up to five digits, empty
// allowed. A validator rather than an input mask, so that a loaded value
// outside the template (a negative time-out from a 16-bit field) is shown
// and saved back exactly as loaded.
constexpr char RelayTimeoutPattern[] = "[0-9]{0,5}";

template <typename Widget>
Widget* Placed(Widget* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
    const QString& hint = {})
{
    auto* button = Placed(new QPushButton(caption, parent), name, geometry);
    button->setToolTip(hint);
    return button;
}

// The filter "KAL Phone Book Files|*.kalc|All Files|*.*" in Qt's form;
// "*.*" means every file, with or without an extension. Only the save dialog
// adds ".kalc" to a name typed without an extension: the open dialog takes
// the name as typed, so an existing file without one opens.
void SetUpPhoneBookDialog(QFileDialog& dialog, QFileDialog::AcceptMode mode)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("KAL Phone Book Files (*.kalc)"), QStringLiteral("All Files (*)")});
    if (mode == QFileDialog::AcceptSave)
        dialog.setDefaultSuffix(QStringLiteral("kalc"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
}

} // namespace

TForm1::TForm1(platform::WindowThread& window, const std::string& programPath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
              | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      window_(window),
      files_(settings::LocateFiles(programPath))
{
    // 1. The window from its layout; 2. CollectedNumbers (in the list) has
    // its room reserved and CurrentFile is empty.
    BuildLayout();
    setWindowTitle(QStringLiteral("QEM"));

    // 3. The version in the title.
    setWindowTitle(windowTitle() + QStringLiteral("  v. ") + QString::fromStdString(GetFileVersionText()));

    // 4.-7. The settings file, created or completed, and the port settings.
    settings::StartupSettings startup = settings::ReadStartupSettings(files_);
    CurrentFile = std::move(startup.CurrentFile);
    ShowCurrentFile();
    PortSettings = startup.PortSettings;

    // 8. The phone list and the current phone book file.
    OpenCurrentFile();

    // 9. The device worker.
    StartWorker();
}

TForm1::~TForm1()
{
    // The worker goes first: its teardown may still serve calls that reach
    // the window's controls.
    Worker.reset();
}

void TForm1::BuildLayout()
{
    setFixedSize(269, 573);
    setFont(dialogs::FontOf("MS Sans Serif", 11));
    QPalette background = palette();
    background.setColor(QPalette::Window, WindowColour);
    setPalette(background);
    setAutoFillBackground(true);

    GrB_CurrentFile = Placed(new QGroupBox(QStringLiteral("Current work file"), this), "GrB_CurrentFile",
        QRect(14, 7, 239, 64));
    LBL_CurrentFile = Placed(new ClickableLabel(GrB_CurrentFile), "LBL_CurrentFile", QRect(7, 21, 225, 36));
    LBL_CurrentFile->setCursor(Qt::PointingHandCursor);
    LBL_CurrentFile->setWordWrap(true);
    LBL_CurrentFile->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(LBL_CurrentFile, &ClickableLabel::clicked, this, &TForm1::LBL_CurrentFileClick);

    GrB_RelaySettings = Placed(new QGroupBox(QStringLiteral("Relay Settings"), this), "GrB_RelaySettings",
        QRect(14, 77, 239, 85));
    LBL_ReleTimeout = Placed(new QLabel(QStringLiteral("Relay Timeout (ms)"), GrB_RelaySettings), "LBL_ReleTimeout",
        QRect(24, 21, 134, 22));
    LBL_ReleTimeout->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    EDT_ReleTimeout = Placed(new QLineEdit(GrB_RelaySettings), "EDT_ReleTimeout", QRect(161, 21, 39, 21));
    EDT_ReleTimeout->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString::fromLatin1(RelayTimeoutPattern)), EDT_ReleTimeout));
    CHBX_EnableExternalOff = Placed(new QCheckBox(QStringLiteral("Enable External Disconnection "), GrB_RelaySettings),
        "CHBX_EnableExternalOff", QRect(23, 56, 181, 15));
    // The caption stands to the left of the box.
    CHBX_EnableExternalOff->setLayoutDirection(Qt::RightToLeft);

    GrB_Phones = Placed(new QGroupBox(QStringLiteral("Phones"), this), "GrB_Phones", QRect(14, 168, 239, 288));
    VLE_Telefonai = new phonebook::PhoneListEditor(GrB_Phones);
    VLE_Telefonai->setObjectName(QStringLiteral("VLE_Telefonai"));
    auto* phonesLayout = new QVBoxLayout(GrB_Phones);
    phonesLayout->setContentsMargins(2, 2, 2, 2);
    phonesLayout->addWidget(VLE_Telefonai);

    LBL_CurrentAction = Placed(new QLabel(this), "LBL_CurrentAction", QRect(14, 459, 239, 14));
    ProgressBar = Placed(new QProgressBar(this), "ProgressBar", QRect(14, 475, 239, 15));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(true);
    ProgressBar->setFormat(QStringLiteral("%p%"));
    ProgressBar->hide();

    BTN_LoadFromFile = MakeButton(this, "BTN_LoadFromFile", QStringLiteral("Load From File..."), QRect(28, 496, 105, 22));
    BTN_SaveToFile = MakeButton(this, "BTN_SaveToFile", QStringLiteral("Write To File..."), QRect(133, 496, 105, 22),
        QStringLiteral("Writes all numbers and parameters into user selected file"));
    BTN_LoadFromDevice = MakeButton(this, "BTN_LoadFromDevice", QStringLiteral("Load From Device"),
        QRect(28, 517, 105, 22),
        QStringLiteral("Reads all phone numbers and parameters from device without saving them into current "
                       "parameters file"));
    BTN_WriteToDevice = MakeButton(this, "BTN_WriteToDevice", QStringLiteral("Write To Device"),
        QRect(133, 517, 105, 22),
        QStringLiteral("Writes all numbers and parameters into device and current phonebook file"));
    BTN_ClearAll = MakeButton(this, "BTN_ClearAll", QStringLiteral("Clear All"), QRect(28, 538, 105, 22),
        QStringLiteral("Clears all parameters (in program window only)"));
    BTN_PortSettings = MakeButton(this, "BTN_PortSettings", QStringLiteral("Configure Port..."),
        QRect(133, 538, 105, 22));
    connect(BTN_LoadFromFile, &QPushButton::clicked, this, &TForm1::BTN_LoadFromFileClick);
    connect(BTN_SaveToFile, &QPushButton::clicked, this, &TForm1::BTN_SaveToFileClick);
    connect(BTN_ClearAll, &QPushButton::clicked, this, &TForm1::BTN_ClearAllClick);
    connect(BTN_WriteToDevice, &QPushButton::clicked, this, &TForm1::BTN_WriteToDeviceClick);
    connect(BTN_LoadFromDevice, &QPushButton::clicked, this, &TForm1::BTN_LoadFromDeviceClick);
    connect(BTN_PortSettings, &QPushButton::clicked, this, &TForm1::BTN_PortSettingsClick);

    DLG_LoadFrom = new QFileDialog(this);
    DLG_LoadFrom->setObjectName(QStringLiteral("DLG_LoadFrom"));
    SetUpPhoneBookDialog(*DLG_LoadFrom, QFileDialog::AcceptOpen);
    DLG_SaveTo = new QFileDialog(this);
    DLG_SaveTo->setObjectName(QStringLiteral("DLG_SaveTo"));
    SetUpPhoneBookDialog(*DLG_SaveTo, QFileDialog::AcceptSave);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(400);
    connect(Timer, &QTimer::timeout, this, &TForm1::TimerTimer);
}

void TForm1::BTN_ClearAllClick()
{
    VLE_Telefonai->ClearValues();
    EDT_ReleTimeout->setText(QStringLiteral("0"));
    CHBX_EnableExternalOff->setChecked(false);
}
