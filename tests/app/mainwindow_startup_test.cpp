#include "app/currentfilelabel.h"
#include "app/version.h"
#include "dialogs/messagewindow.h"
#include "settings/profilefile.h"

#include "tests/app/mainwindowfixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <filesystem>
#include <map>

namespace {

TEST_F(MainWindowTest, firstStartCreatesFilesAndGivesNotice)
{
    QString text;
    QString button;
    watch.Then([&](QWidget& window) {
        auto& notice = dynamic_cast<dialogs::MessageWindow&>(window);
        text = notice.Message->text();
        button = notice.OkButton->text();
        notice.OkButton->click();
    });

    Start();

    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("Info")});
    EXPECT_EQ(text.toStdString(),
        "File containing saved phone numbers was not found (looking for: " + DefaultBook()
            + "). \r\n\r\nEmpty file was created.");
    EXPECT_EQ(button, QStringLiteral("OK"));
    EXPECT_TRUE(std::filesystem::is_regular_file(DefaultBook()));
    EXPECT_EQ(ReadBytes(DefaultBook()), "");
    EXPECT_EQ(form->Files().CurrentFile(), DefaultBook());
    EXPECT_EQ(CurrentFileText(*form)->text().toStdString(), DefaultBook());
    EXPECT_EQ(PhoneList(*form)->rowCount(), 500);
    EXPECT_EQ(PhoneList(*form)->Values(), std::vector<std::string>(500));
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QString());
    EXPECT_FALSE(ExternalOffBox(*form)->isChecked());
}

TEST_F(MainWindowTest, titleCarriesTheBuildVersion)
{
    PrepareStart(DefaultBook());
    Start();
    const QString version = QString::fromStdString(app::FileVersionText());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(version).hasMatch())
        << version.toStdString();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("QEM  v. ") + version);
}

struct ControlCase {
    const char* name;
    const char* className;
    const char* text; // caption or title, as shown
    const char* hint;
};

TEST_F(MainWindowTest, everyControlOfTheLayoutIsInPlace)
{
    const ControlCase controls[] = {
        {"GrB_CurrentFile", "QGroupBox", "Current work file", ""},
        {"LBL_CurrentFile", "app::CurrentFileLabel", nullptr, nullptr}, // the path is its tip
        {"GrB_RelaySettings", "QGroupBox", "Relay Settings", ""},
        {"LBL_ReleTimeout", "QLabel", "Relay Timeout (ms)", ""},
        {"EDT_ReleTimeout", "QLineEdit", "", ""},
        {"CHBX_EnableExternalOff", "QCheckBox", "Enable External Disconnection ", ""},
        {"GrB_Phones", "QGroupBox", "Phones", ""},
        {"LBL_CurrentAction", "QLabel", "", ""},
        {"ProgressBar", "QProgressBar", nullptr, ""},
        {"BTN_LoadFromFile", "QPushButton", "Load From File...", ""},
        {"BTN_SaveToFile", "QPushButton", "Write To File...",
            "Writes all numbers and parameters into user selected file"},
        {"BTN_LoadFromDevice", "QPushButton", "Load From Device",
            "Reads all phone numbers and parameters from device without saving them into current parameters file"},
        {"BTN_WriteToDevice", "QPushButton", "Write To Device",
            "Writes all numbers and parameters into device and current phonebook file"},
        {"BTN_ClearAll", "QPushButton", "Clear All", "Clears all parameters (in program window only)"},
        {"BTN_PortSettings", "QPushButton", "Configure Port...", ""},
    };
    PrepareStart(DefaultBook());
    Start();

    for (const ControlCase& c : controls) {
        SCOPED_TRACE(c.name);
        auto* widget = form->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(c.className));
        EXPECT_EQ(widget->toolTip(), c.hint != nullptr ? QString::fromLatin1(c.hint) : widget->toolTip());
        if (c.text != nullptr) {
            const char* property = widget->inherits("QGroupBox") ? "title" : "text";
            // A mnemonic's ampersand is not shown.
            EXPECT_EQ(widget->property(property).toString().remove(u'&'), QString::fromLatin1(c.text));
        }
    }
    EXPECT_EQ(PhoneList(*form)->parentWidget(), PhonesBox(*form));
    EXPECT_EQ(PhoneList(*form)->objectName(), QStringLiteral("VLE_Telefonai"));
    EXPECT_EQ(CurrentFileText(*form)->cursor().shape(), Qt::PointingHandCursor);
    // The caption stands to the left of the box.
    EXPECT_EQ(ExternalOffBox(*form)->layoutDirection(), Qt::RightToLeft);
}

TEST_F(MainWindowTest, windowIsFixedWithItsColourHiddenGaugeAndIdleTimer)
{
    PrepareStart(DefaultBook());
    Start();

    // The classic size, as the default font allows it, and fixed.
    EXPECT_EQ(form->minimumSize(), QSize(269, 573));
    EXPECT_EQ(form->maximumSize(), form->minimumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(236, 233, 216));
    EXPECT_TRUE(Gauge(*form)->isHidden());
    EXPECT_EQ(Gauge(*form)->minimum(), 0);
    EXPECT_EQ(Gauge(*form)->maximum(), 100);
    EXPECT_EQ(GaugeTimer(*form)->interval(), 400);
    EXPECT_FALSE(GaugeTimer(*form)->isActive());
    EXPECT_EQ(SaveDialog(*form)->defaultSuffix(), QStringLiteral("kalc"));
    EXPECT_EQ(LoadDialog(*form)->nameFilters(),
        (QStringList{QStringLiteral("KAL Phone Book Files (*.kalc)"), QStringLiteral("All Files (*)")}));
    EXPECT_TRUE(SaveDialog(*form)->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(LoadDialog(*form)->fileMode(), QFileDialog::AnyFile);
}

TEST_F(MainWindowTest, startUpLoadsTheCurrentFileWithoutNotice)
{
    const std::string book = dir / "mine.kalc";
    PrepareStart(book, BookBytes({{0, "111"}, {4, "+555"}}, 500, true));

    Start();

    EXPECT_TRUE(watch.Titles().isEmpty());
    EXPECT_EQ(form->Files().CurrentFile(), book);
    EXPECT_EQ(PhoneList(*form)->Value(0), "111");
    EXPECT_EQ(PhoneList(*form)->Value(4), "+555");
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("500"));
    EXPECT_TRUE(ExternalOffBox(*form)->isChecked());
}

TEST_F(MainWindowTest, storedPortSettingsReachTheWindow)
{
    WriteBytes(SettingsPath(), "[PortSettings]\nport=COM3\nparity=Even\nstopBits=25\n");
    WriteBytes(DefaultBook(), "");

    Start();

    EXPECT_EQ(form->Operations().PortSettings().Port, "COM3");
    EXPECT_EQ(form->Operations().PortSettings().BaudRate, 2400u);
    EXPECT_EQ(form->Operations().PortSettings().Parity, serial::prEven);
    EXPECT_EQ(form->Operations().PortSettings().StopBits, serial::sbOne5StopBits);
    EXPECT_EQ(form->Files().CurrentFile(), DefaultBook());
}

TEST_F(MainWindowTest, emptyCurrentFileFallsBackToTheDefaultBook)
{
    WriteBytes(SettingsPath(), "[PortSettings]\ncurrent_file=\n");

    Start();

    EXPECT_TRUE(watch.Titles().isEmpty()); // created in passing, then loaded
    EXPECT_EQ(form->Files().CurrentFile(), DefaultBook());
    EXPECT_EQ(CurrentFileText(*form)->text().toStdString(), DefaultBook());
    EXPECT_EQ(ReadBytes(DefaultBook()), "");
}

TEST_F(MainWindowTest, unwritableSettingsFileStopsStartUpWithItsMessage)
{
    std::filesystem::create_directory(SettingsPath());
    try {
        Start();
        FAIL() << "start-up went on";
    } catch (const settings::WriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + SettingsPath());
    }
}

TEST_F(MainWindowTest, currentFileThatIsNoFileNeverBlocksStartUp)
{
    PrepareStart(dir / "pipe.kalc");
    std::filesystem::remove(dir / "pipe.kalc");
    ASSERT_EQ(mkfifo((dir / "pipe.kalc").c_str(), 0600), 0);

    Start(); // a pipe is not read: it would block until a writer comes

    EXPECT_TRUE(watch.Titles().isEmpty());
    EXPECT_EQ(PhoneList(*form)->Values(), std::vector<std::string>(500));
}

TEST_F(MainWindowTest, currentFileThatIsAFolderCountsAsMissing)
{
    PrepareStart(dir / "x.kalc");
    std::filesystem::remove(dir / "x.kalc");
    std::filesystem::create_directory(dir / "x.kalc");

    Start();

    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("Info")});
    EXPECT_TRUE(std::filesystem::is_directory(dir / "x.kalc"));
}

std::map<std::string, std::string> Snapshot(const TempDir& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        files[entry.path().filename().string()] = ReadBytes(entry.path().string());
    return files;
}

TEST_F(MainWindowTest, closingAfterEditingWritesNothing)
{
    PrepareStart(DefaultBook(), BookBytes({{0, "111"}}));
    StartShown();
    const auto before = Snapshot(dir);

    PhoneList(*form)->SetValue(1, "222");
    RelayTimeoutField(*form)->setText(QStringLiteral("77"));
    ExternalOffBox(*form)->setChecked(true);
    // Closing with changes asks; discarded, they are dropped.
    watch.Then([](QWidget& question) { dynamic_cast<QMessageBox&>(question).button(QMessageBox::Discard)->click(); });
    EXPECT_TRUE(form->close());
    form.reset();

    EXPECT_EQ(Snapshot(dir), before);
}

} // namespace
