#include "app/form1.h"

#include "app/currentfilelabel.h"
#include "device/mainthreat.h"
#include "settings/programsettings.h"
#include "app/version.h"
#include "dialogs/dialogframe.h"
#include "phonebook/phonelisteditor.h"
#include "phonebook/relaytimeoutfield.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor WindowColour(236, 233, 216);
const QSize ClassicButton(105, 22);

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
QSize FittedSize(const QWidget& widget, QSize classic, const QRect& contentsAtClassic, const QString& text)
{
    const QSize around = classic - contentsAtClassic.size();
    const QSize needed = widget.fontMetrics().size(Qt::TextShowMnemonic, text) + around + QSize(4, 2);
    return classic.expandedTo(needed);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {})
{
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setToolTip(hint);
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(), ClassicButton);
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    button->setFixedSize(FittedSize(*button, ClassicButton, contents, caption));
    return button;
}

// A key that clicks the button, as long as the button may be clicked: a
// shortcut of its own, which a change of the caption leaves in place.
void AddShortcut(QPushButton& button, const QKeySequence& keys)
{
    auto* shortcut = new QShortcut(keys, button.window());
    QObject::connect(shortcut, &QShortcut::activated, &button, [&button] {
        if (button.isEnabled())
            button.click();
    });
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
    setFont(dialogs::DialogFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, WindowColour);
    setPalette(background);
    setAutoFillBackground(true);

    GrB_CurrentFile = Named(new QGroupBox(QStringLiteral("Current work file"), this), "GrB_CurrentFile");
    LBL_CurrentFile = Named(new CurrentFileLabel(GrB_CurrentFile), "LBL_CurrentFile");
    connect(LBL_CurrentFile, &CurrentFileLabel::activated, this, &TForm1::LBL_CurrentFileClick);
    auto* fileLayout = new QVBoxLayout(GrB_CurrentFile);
    fileLayout->setContentsMargins(5, 0, 5, 0);
    fileLayout->addWidget(LBL_CurrentFile);

    GrB_RelaySettings = Named(new QGroupBox(QStringLiteral("Relay Settings"), this), "GrB_RelaySettings");
    // A mnemonic in the caption, which stays "Relay Timeout (ms)" on screen.
    LBL_ReleTimeout = Named(new QLabel(QStringLiteral("Relay &Timeout (ms)"), GrB_RelaySettings), "LBL_ReleTimeout");
    EDT_ReleTimeout = Named(new phonebook::RelayTimeoutField(GrB_RelaySettings), "EDT_ReleTimeout");
    LBL_ReleTimeout->setBuddy(EDT_ReleTimeout);
    CHBX_EnableExternalOff = Named(
        new QCheckBox(QStringLiteral("Enable E&xternal Disconnection "), GrB_RelaySettings), "CHBX_EnableExternalOff");
    // The caption stands to the left of the box.
    CHBX_EnableExternalOff->setLayoutDirection(Qt::RightToLeft);
    auto* relayLayout = new QGridLayout(GrB_RelaySettings);
    relayLayout->setContentsMargins(17, 2, 17, 6);
    relayLayout->setHorizontalSpacing(3);
    relayLayout->setVerticalSpacing(10);
    relayLayout->addWidget(LBL_ReleTimeout, 0, 0);
    relayLayout->addWidget(EDT_ReleTimeout, 0, 1, Qt::AlignLeft);
    relayLayout->setColumnStretch(2, 1);
    relayLayout->addWidget(CHBX_EnableExternalOff, 1, 0, 1, 3, Qt::AlignLeft);

    GrB_Phones = Named(new QGroupBox(QStringLiteral("Phones"), this), "GrB_Phones");
    VLE_Telefonai = Named(new phonebook::PhoneListEditor(GrB_Phones), "VLE_Telefonai");
    // The list fills its box, however wide its columns were drawn.
    VLE_Telefonai->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* phonesLayout = new QVBoxLayout(GrB_Phones);
    phonesLayout->setContentsMargins(2, 2, 2, 2);
    phonesLayout->addWidget(VLE_Telefonai);

    LBL_CurrentAction = Named(new QLabel(this), "LBL_CurrentAction");
    ProgressBar = Named(new QProgressBar(this), "ProgressBar");
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(true);
    ProgressBar->setFormat(QStringLiteral("%p%"));
    ProgressBar->setFixedHeight(
        FittedSize(*ProgressBar, QSize(239, 15), QRect(0, 0, 239, 15), QStringLiteral("100%")).height());
    // Hidden at rest, the status area keeps its place: the window does not
    // change size while an operation runs.
    for (QWidget* status : std::initializer_list<QWidget*>{LBL_CurrentAction, ProgressBar}) {
        QSizePolicy policy = status->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        status->setSizePolicy(policy);
    }
    ProgressBar->hide();

    // Mnemonics for all but "Write To Device", whose caption also reads
    // "Cancel" while a write runs; it has its shortcut below instead.
    BTN_LoadFromFile = MakeButton(this, "BTN_LoadFromFile", QStringLiteral("&Load From File..."));
    BTN_SaveToFile = MakeButton(this, "BTN_SaveToFile", QStringLiteral("&Write To File..."),
        QStringLiteral("Writes all numbers and parameters into user selected file"));
    BTN_LoadFromDevice = MakeButton(this, "BTN_LoadFromDevice", QStringLiteral("Load From &Device"),
        QStringLiteral("Reads all phone numbers and parameters from device without saving them into current "
                       "parameters file"));
    BTN_WriteToDevice = MakeButton(this, "BTN_WriteToDevice", QStringLiteral("Write To Device"),
        QStringLiteral("Writes all numbers and parameters into device and current phonebook file"));
    BTN_ClearAll = MakeButton(this, "BTN_ClearAll", QStringLiteral("&Clear All"),
        QStringLiteral("Clears all parameters (in program window only)"));
    BTN_PortSettings = MakeButton(this, "BTN_PortSettings", QStringLiteral("Configure &Port..."));
    AddShortcut(*BTN_LoadFromFile, QKeySequence::Open);
    AddShortcut(*BTN_SaveToFile, QKeySequence::Save);
    AddShortcut(*BTN_LoadFromDevice, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    AddShortcut(*BTN_WriteToDevice, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(BTN_LoadFromFile, &QPushButton::clicked, this, &TForm1::BTN_LoadFromFileClick);
    connect(BTN_SaveToFile, &QPushButton::clicked, this, &TForm1::BTN_SaveToFileClick);
    connect(BTN_ClearAll, &QPushButton::clicked, this, &TForm1::BTN_ClearAllClick);
    connect(BTN_WriteToDevice, &QPushButton::clicked, this, &TForm1::BTN_WriteToDeviceClick);
    connect(BTN_LoadFromDevice, &QPushButton::clicked, this, &TForm1::BTN_LoadFromDeviceClick);
    connect(BTN_PortSettings, &QPushButton::clicked, this, &TForm1::BTN_PortSettingsClick);
    // Three rows of two buttons of one size, the largest any caption needs.
    auto* buttons = new QGridLayout;
    buttons->setSpacing(0);
    QPushButton* const order[3][2] = {{BTN_LoadFromFile, BTN_SaveToFile},
        {BTN_LoadFromDevice, BTN_WriteToDevice}, {BTN_ClearAll, BTN_PortSettings}};
    QSize buttonSize;
    for (const auto& row : order)
        for (const QPushButton* button : row)
            buttonSize = buttonSize.expandedTo(button->minimumSize());
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column) {
            order[row][column]->setFixedSize(buttonSize);
            buttons->addWidget(order[row][column], row, column);
        }

    // The classic sizes are the least each part takes; a larger font makes
    // the parts, and with them the window, as large as their texts need.
    GrB_CurrentFile->setMinimumSize(239, 64);
    GrB_RelaySettings->setMinimumSize(239, 85);
    GrB_Phones->setMinimumSize(239, 288);
    LBL_CurrentAction->setMinimumHeight(14);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 7, 16, 11);
    layout->setSpacing(0);
    layout->addWidget(GrB_CurrentFile);
    layout->addSpacing(6);
    layout->addWidget(GrB_RelaySettings);
    layout->addSpacing(6);
    layout->addWidget(GrB_Phones, 1);
    layout->addSpacing(3);
    layout->addWidget(LBL_CurrentAction);
    layout->addSpacing(2);
    layout->addWidget(ProgressBar);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setAlignment(buttons, Qt::AlignHCenter);
    // A fixed window, as large as its contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();

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
