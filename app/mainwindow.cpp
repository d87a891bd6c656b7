#include "app/mainwindow.h"

#include "app/csvfiledrop.h"
#include "app/currentfilelabel.h"
#include "app/deviceoperations.h"
#include "app/fileoperations.h"
#include "app/phonebookeditor.h"
#include "app/statusarea.h"
#include "app/version.h"
#include "app/windowparts.h"
#include "dialogs/dialogframe.h"
#include "dialogs/importreportdialog.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace app {
namespace {

const QColor WindowColour(236, 233, 216);
QString WriteCaption()
{
    return MainWindow::tr("Write To Device");
}

} // namespace

MainWindow::MainWindow(platform::WindowThread& window, const std::string& programPath, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
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
    editor_ = new PhoneBookEditor(*this);
    status_ = new StatusArea(*this);
    BuildButtons();
    ArrangeWindow(currentFile);
    BuildFileDialogs();
    ConnectEditor();
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
    connect(clearAllButton_, &QPushButton::clicked, editor_, &PhoneBookEditor::ClearAll);
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

void MainWindow::ArrangeWindow(QGroupBox* currentFile)
{
    // The classic sizes are the least each part takes; a larger font makes
    // the parts, and with them the window, as large as their texts need.
    QGroupBox* const relaySettings = editor_->RelaySettingsBox();
    QGroupBox* const phones = editor_->PhonesBox();
    currentFile->setMinimumSize(239, 64);
    relaySettings->setMinimumSize(239, 85);
    phones->setMinimumSize(239, 288);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 7, 16, 11);
    layout->setSpacing(0);
    const std::pair<QWidget*, int> boxes[] = {{currentFile, 6}, {relaySettings, 6}, {phones, 3}};
    for (const auto& [box, spacingBelow] : boxes) {
        layout->addWidget(box, box == phones ? 1 : 0);
        layout->addSpacing(spacingBelow);
    }
    status_->AddTo(*layout);
    layout->addSpacing(6);
    layout->addLayout(ArrangeButtons());
    // A fixed window, as large as its contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
}

void MainWindow::BuildFileDialogs()
{
    loadDialog_ = MakePhoneBookDialog(this, "DLG_LoadFrom", QFileDialog::AcceptOpen);
    saveDialog_ = MakePhoneBookDialog(this, "DLG_SaveTo", QFileDialog::AcceptSave);
}

void MainWindow::ConnectEditor()
{
    connect(editor_, &PhoneBookEditor::modifiedChanged, this, &MainWindow::ShowTitle);
    connect(editor_, &PhoneBookEditor::importCsvClicked, this, &MainWindow::importCsvClicked);
    connect(editor_, &PhoneBookEditor::exportCsvClicked, this, &MainWindow::exportCsvClicked);
    auto* drop = new CsvFileDrop(*this, [this] { return editor_->ListEditable(); });
    connect(drop, &CsvFileDrop::dropped, this, &MainWindow::csvFileDropped);
}

void MainWindow::ShowTitle(bool modified)
{
    setWindowTitle(modified ? QStringLiteral("*") + title_ : title_);
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

void MainWindow::SetControlsEnabled(bool enable, bool writeMode)
{
    loadFromFileButton_->setEnabled(enable);
    saveToFileButton_->setEnabled(enable);
    loadFromDeviceButton_->setEnabled(enable);
    editor_->SetListEditable(enable);
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
    if (!editor_->IsModified())
        return true;
    QMessageBox question(QMessageBox::Question, tr("Unsaved changes"),
        tr("The phone book has changes that are not in its file:\n%1\n\nSave them before closing?")
            .arg(QString::fromLocal8Bit(files_->CurrentFile())),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("SaveChangesQuestion"));
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save:
        return files_->SaveToCurrentFile();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

} // namespace app
