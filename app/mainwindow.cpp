#include "app/mainwindow.h"

#include "app/currentfilelabel.h"
#include "app/deviceoperations.h"
#include "app/fileoperations.h"
#include "app/version.h"
#include "app/windowparts.h"
#include "dialogs/dialogframe.h"
#include "dialogs/importreportdialog.h"
#include "phonebook/phonebookfile.h"
#include "phonelist/findbar.h"
#include "phonelist/phonebookhistory.h"
#include "phonelist/phonelisteditor.h"
#include "phonelist/relaytimeoutfield.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace app {
namespace {

const QColor WindowColour(236, 233, 216);
QString WriteCaption()
{
    return MainWindow::tr("Write To Device");
}

QAction* Separator(QObject* parent)
{
    auto* separator = new QAction(parent);
    separator->setSeparator(true);
    return separator;
}

} // namespace

MainWindow::MainWindow(platform::WindowThread& window, const std::string& programPath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
              | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    const settings::FileLocations locations = settings::LocateFiles(programPath);
    BuildWindow();
    title_ = QStringLiteral("QEM  v. ") + QString::fromStdString(FileVersionText());
    ShowTitle(false);
    // The settings file is created or completed; it names the current file
    // and the port.
    settings::StartupSettings startup = settings::ReadStartupSettings(locations);
    files_ = std::make_unique<FileOperationsController>(*this, locations, std::move(startup.CurrentFile));
    files_->OpenCurrentFile();
    operations_ = std::make_unique<DeviceOperationsController>(*this, *files_, window, startup.PortSettings);
    operations_->StartWorker();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildWindow()
{
    setFont(dialogs::DialogFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, WindowColour);
    setPalette(background);
    setAutoFillBackground(true);
    // Created in the order the keyboard focus moves through them.
    QGroupBox* currentFile = BuildCurrentFileBox();
    QGroupBox* relaySettings = BuildRelaySettingsBox();
    QGroupBox* phones = BuildPhonesBox();
    BuildStatusArea();
    BuildButtons();
    ArrangeWindow(currentFile, relaySettings, phones);
    BuildFileDialogs();
    BuildEditActions();
}

QGroupBox* MainWindow::BuildCurrentFileBox()
{
    auto* box = Named(new QGroupBox(tr("Current work file"), this), "GrB_CurrentFile");
    currentFile_ = Named(new CurrentFileLabel(box), "LBL_CurrentFile");
    connect(currentFile_, &CurrentFileLabel::activated, this, &MainWindow::currentFileClicked);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(5, 0, 5, 0);
    layout->addWidget(currentFile_);
    return box;
}

QGroupBox* MainWindow::BuildRelaySettingsBox()
{
    auto* box = Named(new QGroupBox(tr("Relay Settings"), this), "GrB_RelaySettings");
    // A mnemonic in the caption, which stays "Relay Timeout (ms)" on screen.
    auto* label = Named(new QLabel(tr("Relay &Timeout (ms)"), box), "LBL_ReleTimeout");
    relayTimeout_ = Named(new phonelist::RelayTimeoutField(box), "EDT_ReleTimeout");
    label->setBuddy(relayTimeout_);
    externalOff_ = Named(new QCheckBox(tr("Enable E&xternal Disconnection "), box), "CHBX_EnableExternalOff");
    // The caption stands to the left of the box.
    externalOff_->setLayoutDirection(Qt::RightToLeft);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(17, 2, 17, 6);
    layout->setHorizontalSpacing(3);
    layout->setVerticalSpacing(10);
    layout->addWidget(label, 0, 0);
    layout->addWidget(relayTimeout_, 0, 1, Qt::AlignLeft);
    layout->setColumnStretch(2, 1);
    layout->addWidget(externalOff_, 1, 0, 1, 3, Qt::AlignLeft);
    return box;
}

QGroupBox* MainWindow::BuildPhonesBox()
{
    auto* box = Named(new QGroupBox(tr("Phones"), this), "GrB_Phones");
    phoneList_ = Named(new phonelist::PhoneListEditor(box), "VLE_Telefonai");
    // The list fills its box, however wide its columns were drawn.
    phoneList_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    findBar_ = new phonelist::FindBar(*phoneList_, box);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(phoneList_);
    layout->addWidget(findBar_);
    setAcceptDrops(true);
    return box;
}

void MainWindow::BuildStatusArea()
{
    statusText_ = Named(new QLabel(this), "LBL_CurrentAction");
    gauge_ = Named(new QProgressBar(this), "ProgressBar");
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setTextVisible(true);
    gauge_->setFormat(QStringLiteral("%p%"));
    gauge_->setFixedHeight(FittedSize(*gauge_, QSize(239, 15), QRect(0, 0, 239, 15), QStringLiteral("100%")).height());
    // The gauge takes the window's width: its own least width is the
    // style's, seven of its chunks and four digits, which some styles (the
    // Windows one) draw wider than the window.
    gauge_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // Hidden at rest, the status area keeps its place: the window does not
    // change size while an operation runs.
    for (QWidget* status : std::initializer_list<QWidget*>{statusText_, gauge_}) {
        QSizePolicy policy = status->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        status->setSizePolicy(policy);
    }
    gauge_->hide();
}

void MainWindow::BuildButtons()
{
    // Mnemonics for all but "Write To Device", whose caption also reads
    // "Cancel" while a write runs; it has its shortcut below instead.
    loadFromFileButton_ = MakeButton(this, "BTN_LoadFromFile", tr("&Load From File..."));
    saveToFileButton_ = MakeButton(this, "BTN_SaveToFile", tr("&Write To File..."),
        tr("Writes all numbers and parameters into user selected file"));
    loadFromDeviceButton_ = MakeButton(this, "BTN_LoadFromDevice", tr("Load From &Device"),
        tr("Reads all phone numbers and parameters from device without saving them into current parameters file"));
    writeToDeviceButton_ = MakeButton(this, "BTN_WriteToDevice", WriteCaption(),
        tr("Writes all numbers and parameters into device and current phonebook file"));
    clearAllButton_ = MakeButton(this, "BTN_ClearAll", tr("&Clear All"),
        tr("Clears all parameters (in program window only)"));
    configurePortButton_ = MakeButton(this, "BTN_PortSettings", tr("Configure &Port..."));
    AddShortcut(*loadFromFileButton_, QKeySequence::Open);
    AddShortcut(*saveToFileButton_, QKeySequence::Save);
    AddShortcut(*loadFromDeviceButton_, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    AddShortcut(*writeToDeviceButton_, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(loadFromFileButton_, &QPushButton::clicked, this, &MainWindow::loadFromFileClicked);
    connect(saveToFileButton_, &QPushButton::clicked, this, &MainWindow::saveToFileClicked);
    connect(clearAllButton_, &QPushButton::clicked, this, &MainWindow::ClearAll);
    connect(writeToDeviceButton_, &QPushButton::clicked, this, &MainWindow::writeToDeviceClicked);
    connect(loadFromDeviceButton_, &QPushButton::clicked, this, &MainWindow::loadFromDeviceClicked);
    connect(configurePortButton_, &QPushButton::clicked, this, &MainWindow::configurePortClicked);
}

QGridLayout* MainWindow::ArrangeButtons()
{
    // Three rows of two buttons of one size, at least the largest any caption
    // needs; as wide as the group boxes allow, less the classic inset (the
    // buttons' 210 pixels in the boxes' 239), so that a window grown for a
    // wider text widens the buttons with the boxes.
    QPushButton* const order[3][2] = {{loadFromFileButton_, saveToFileButton_},
        {loadFromDeviceButton_, writeToDeviceButton_}, {clearAllButton_, configurePortButton_}};
    QSize buttonSize;
    for (const auto& row : order)
        for (const QPushButton* button : row)
            buttonSize = buttonSize.expandedTo(button->minimumSize());
    auto* buttons = new QGridLayout;
    buttons->setSpacing(0);
    buttons->setContentsMargins(14, 0, 15, 0);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column) {
            order[row][column]->setMinimumSize(buttonSize);
            order[row][column]->setMaximumHeight(buttonSize.height());
            order[row][column]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            buttons->addWidget(order[row][column], row, column);
        }
    // The two columns share the room equally.
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(1, 1);
    return buttons;
}

void MainWindow::ArrangeWindow(QGroupBox* currentFile, QGroupBox* relaySettings, QGroupBox* phones)
{
    // The classic sizes are the least each part takes; a larger font makes
    // the parts, and with them the window, as large as their texts need.
    currentFile->setMinimumSize(239, 64);
    relaySettings->setMinimumSize(239, 85);
    phones->setMinimumSize(239, 288);
    statusText_->setMinimumHeight(14);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 7, 16, 11);
    layout->setSpacing(0);
    const std::pair<QWidget*, int> parts[] = {
        {currentFile, 6}, {relaySettings, 6}, {phones, 3}, {statusText_, 2}, {gauge_, 6}};
    for (const auto& [part, spacingBelow] : parts) {
        layout->addWidget(part, part == phones ? 1 : 0);
        layout->addSpacing(spacingBelow);
    }
    layout->addLayout(ArrangeButtons());
    // A fixed window, as large as its contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
}

void MainWindow::BuildFileDialogs()
{
    loadDialog_ = MakePhoneBookDialog(this, "DLG_LoadFrom", QFileDialog::AcceptOpen);
    saveDialog_ = MakePhoneBookDialog(this, "DLG_SaveTo", QFileDialog::AcceptSave);
    gaugeTimer_ = Named(new QTimer(this), "Timer");
    gaugeTimer_->setInterval(400);
    // The read gives itself up when the gauge is full.
    connect(gaugeTimer_, &QTimer::timeout, this, [this] { SetGauge(Gauge() + 1); });
}

void MainWindow::BuildEditActions()
{
    history_ = new phonelist::PhoneBookHistory(*phoneList_, *relayTimeout_, *externalOff_, this);
    connect(history_, &phonelist::PhoneBookHistory::modifiedChanged, this, &MainWindow::ShowTitle);
    auto* find = new QAction(tr("&Find..."), this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, findBar_, &phonelist::FindBar::Open);
    // The keys act anywhere in the window; the list's menu offers them too.
    addActions({history_->UndoAction(), history_->RedoAction(), find});
    QAction* const firstOfList = phoneList_->actions().value(0);
    phoneList_->insertActions(firstOfList, {history_->UndoAction(), history_->RedoAction(), Separator(this)});
    phoneList_->addActions({Separator(this), find});
    auto* importCsv = new QAction(tr("Import CSV..."), this);
    auto* exportCsv = new QAction(tr("Export CSV..."), this);
    connect(importCsv, &QAction::triggered, this, &MainWindow::importCsvClicked);
    connect(exportCsv, &QAction::triggered, this, &MainWindow::exportCsvClicked);
    phoneList_->addActions({Separator(this), importCsv, exportCsv});
}

void MainWindow::ShowTitle(bool modified)
{
    setWindowTitle(modified ? QStringLiteral("*") + title_ : title_);
}

void MainWindow::MarkSaved()
{
    history_->MarkSaved();
}

void MainWindow::ResetHistory()
{
    history_->Reset();
}

phonebook::PhoneBook MainWindow::EditedPhoneBook() const
{
    phonebook::PhoneBook book;
    book.numbers = phoneList_->Values();
    book.relayTimeout = phonebook::ParseRelayTimeout(relayTimeout_->text().toStdString()).stored;
    book.externalOff = externalOff_->isChecked();
    return book;
}

void MainWindow::ResetInvalidRelayTimeout()
{
    if (phonebook::ParseRelayTimeout(relayTimeout_->text().toStdString()).resetField)
        relayTimeout_->setText(QStringLiteral("0"));
}

void MainWindow::ShowPhoneBook(const std::vector<std::string>& numbers, std::optional<std::uint16_t> relayTimeout,
    std::optional<bool> externalOff)
{
    history_->Record([&] {
        std::vector<std::string> values = phoneList_->Values();
        std::copy_n(numbers.begin(), std::min(numbers.size(), values.size()), values.begin());
        phoneList_->SetValues(values);
        if (relayTimeout)
            relayTimeout_->setText(QString::number(*relayTimeout));
        if (externalOff)
            externalOff_->setChecked(*externalOff);
    });
}

void MainWindow::ClearAll()
{
    history_->Record([this] {
        phoneList_->ClearValues();
        relayTimeout_->setText(QStringLiteral("0"));
        externalOff_->setChecked(false);
    });
}

void MainWindow::BuildPhoneRows()
{
    phoneList_->BuildRows();
}

void MainWindow::ShowCurrentFile(const std::string& path)
{
    currentFile_->SetPath(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
}

std::optional<std::string> MainWindow::ChooseFileToLoad(const QString& title)
{
    return ChooseFile(*loadDialog_, title);
}

std::optional<std::string> MainWindow::ChooseFileToSave(const QString& title)
{
    return ChooseFile(*saveDialog_, title);
}

std::optional<std::string> MainWindow::ChooseCsvFile(QFileDialog::AcceptMode mode)
{
    const bool save = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(this);
    dialog.setObjectName(save ? QStringLiteral("DLG_ExportCsv") : QStringLiteral("DLG_ImportCsv"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("CSV Files (*.csv)"), tr("All Files (*)")});
    if (save)
        dialog.setDefaultSuffix(QStringLiteral("csv"));
    return ChooseFile(dialog, save ? tr("Export CSV") : tr("Import CSV"));
}

bool MainWindow::ConfirmImport(const std::string& path, const csv::ImportReport& report)
{
    dialogs::ImportReportDialog dialog(QFileInfo(QFile::decodeName(path.c_str())).fileName(), report, this);
    return dialog.exec() == QDialog::Accepted;
}

void MainWindow::ShowCsvProblem(const QString& text)
{
    QMessageBox::warning(this, QStringLiteral("QEM"), text);
}

void MainWindow::HideStatusArea()
{
    statusText_->hide();
    gauge_->hide();
}

void MainWindow::ShowStatus(const std::wstring& text, unsigned percent)
{
    statusText_->show();
    gauge_->show();
    statusText_->setText(QString::fromStdWString(text));
    SetGauge(percent <= 100 ? static_cast<int>(percent) : 0);
    // Painted now: the window may wait next (the pause before the frames,
    // a reopen), and the operator is meant to read it meanwhile.
    statusText_->repaint();
    gauge_->repaint();
}

void MainWindow::SetGauge(int percent)
{
    // QProgressBar ignores a value outside its range; the gauge takes the
    // nearest bound instead. It would repaint at once, inside the device
    // handler that moved it and so before the next frame goes out; the
    // repaint is left to the event loop, where it overlaps the line.
    const int value = std::clamp(percent, gauge_->minimum(), gauge_->maximum());
    if (value == gauge_->value())
        return;
    gauge_->setUpdatesEnabled(false);
    gauge_->setValue(value);
    gauge_->setUpdatesEnabled(true);
}

int MainWindow::Gauge() const
{
    return gauge_->value();
}

void MainWindow::StartGaugeTicking()
{
    gaugeTimer_->start();
}

void MainWindow::StopGaugeTicking()
{
    gaugeTimer_->stop();
}

void MainWindow::SetControlsEnabled(bool enable, bool writeMode)
{
    loadFromFileButton_->setEnabled(enable);
    saveToFileButton_->setEnabled(enable);
    loadFromDeviceButton_->setEnabled(enable);
    phoneList_->setEnabled(enable);
    if (!writeMode)
        writeToDeviceButton_->setEnabled(enable);
    else
        writeToDeviceButton_->setText(enable ? WriteCaption() : tr("Cancel"));
    clearAllButton_->setEnabled(enable);
    configurePortButton_->setEnabled(enable);
}

void MainWindow::ClickLater(DeviceButton button)
{
    QPushButton* const target = button == DeviceButton::LoadFromDevice ? loadFromDeviceButton_
        : button == DeviceButton::WriteToDevice                        ? writeToDeviceButton_
                                                                       : configurePortButton_;
    QTimer::singleShot(0, target, &QAbstractButton::click);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (operations_->PutOffClose() || !AskToSaveChanges()) {
        event->ignore();
        return;
    }
    operations_->Close();
    event->accept();
}

bool MainWindow::AskToSaveChanges()
{
    if (!history_->IsModified())
        return true;
    QMessageBox question(QMessageBox::Question, tr("Unsaved changes"),
        tr("The phone book has changes that are not in its file:\n%1\n\nSave them before closing?")
            .arg(QString::fromLocal8Bit(files_->CurrentFile())),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("SaveChangesQuestion"));
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save: return files_->SaveToCurrentFile();
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

std::optional<std::string> MainWindow::DroppableCsvFile(const QMimeData& data) const
{
    if (!phoneList_->isEnabled() || data.urls().size() != 1 || !data.urls().constFirst().isLocalFile())
        return std::nullopt;
    const QString path = data.urls().constFirst().toLocalFile();
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (DroppableCsvFile(*event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const std::optional<std::string> path = DroppableCsvFile(*event->mimeData());
    if (!path)
        return;
    event->acceptProposedAction();
    // The report is modal: shown from the event loop, not inside the drop,
    // so the program the file came from is not held in its drag meanwhile.
    QMetaObject::invokeMethod(this, [this, file = *path] { emit csvFileDropped(file); }, Qt::QueuedConnection);
}

} // namespace app
