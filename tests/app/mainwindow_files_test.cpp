#include "app/currentfilelabel.h"
#include "phonebook/crc16.h"

#include "tests/app/mainwindowfixture.h"

#include <QCheckBox>
#include <QLineEdit>

#include <filesystem>

namespace {

std::string SettingsWith(const std::string& currentFile)
{
    return "[PortSettings]\ncurrent_file=" + currentFile
        + "\nport=COM1\ndataBits=8\nstopBits=1\nparity=None\nflowControl=None\nbaudrate=2400\n";
}

class MainWindowFilesTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        current = dir / "current.kalc";
        PrepareStart(current, BookBytes({{0, "100"}}));
        Start();
    }
    std::string current;
};

TEST_F(MainWindowFilesTest, saveThroughDialogWritesTheWholeFileAndMakesItCurrent)
{
    PhoneList(*form)->SetValue(0, "+37060000001");
    PhoneList(*form)->SetValue(3, "1 2 3");
    PhoneList(*form)->SetValue(499, "7"); // gaps are saved as they stand
    RelayTimeoutField(*form)->setText(QString());
    ExternalOffBox(*form)->setChecked(true);
    NextFileDialogChooses(dir / "saved"); // typed without an extension

    form->Files().SaveToFile();

    const std::string saved = dir / "saved.kalc";
    std::string expected(7500, '\0');
    expected.replace(0, 12, "+37060000001");
    expected.replace(45, 3, "123");
    expected.replace(7485, 1, "7");
    expected += std::string("\0\0\1", 3);
    const std::uint32_t check = phonebook::Crc16Of(expected);
    for (int i = 0; i < 4; ++i)
        expected.push_back(static_cast<char>(check >> (8 * i)));
    EXPECT_TRUE(SameBytes(ReadBytes(saved), expected));
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("0"));
    EXPECT_EQ(form->Files().CurrentFile(), saved);
    EXPECT_EQ(CurrentFileText(*form)->text().toStdString(), saved);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(saved));
}

TEST_F(MainWindowFilesTest, emptyPhoneBookSavesToTheKnownFile)
{
    PhoneList(*form)->ClearValues();
    NextFileDialogChooses(dir / "empty.kalc");
    form->Files().SaveToFile();
    EXPECT_TRUE(SameBytes(ReadBytes(dir / "empty.kalc"), std::string(7503, '\0') + "\xAF\xDD\x4F\xA4"));
}

TEST_F(MainWindowFilesTest, saveToCurrentFileNeedsNoDialogAndLeavesSettings)
{
    PhoneList(*form)->SetValue(1, "222");
    RelayTimeoutField(*form)->setText(QStringLiteral("500"));
    form->Files().SaveToCurrentFile();

    EXPECT_TRUE(watch.Titles().isEmpty());
    EXPECT_TRUE(SameBytes(ReadBytes(current), BookBytes({{0, "100"}, {1, "222"}}, 500)));
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(current));
}

TEST_F(MainWindowFilesTest, failedSaveStillMakesTheNameCurrentAndSaysNothing)
{
    const std::string unreachable = dir / "missing/book.kalc";
    NextFileDialogChooses(unreachable);

    form->Files().SaveToFile();

    EXPECT_EQ(watch.Titles().size(), 1); // the file dialog, no message
    EXPECT_EQ(form->Files().CurrentFile(), unreachable);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(unreachable));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_TRUE(SameBytes(ReadBytes(current), BookBytes({{0, "100"}})));
}

TEST_F(MainWindowFilesTest, cancelledDialogsChangeNothing)
{
    NextFileDialogChooses("");
    NextFileDialogChooses("");
    NextFileDialogChooses("");
    PhoneList(*form)->SetValue(2, "333");

    form->Files().SaveToFile();
    form->Files().LoadFromFile();
    form->Files().SwitchCurrentFile();

    EXPECT_EQ(watch.Titles().size(), 3);
    EXPECT_EQ(form->Files().CurrentFile(), current);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(current));
    EXPECT_TRUE(SameBytes(ReadBytes(current), BookBytes({{0, "100"}})));
    EXPECT_EQ(PhoneList(*form)->Value(2), "333");
}

TEST_F(MainWindowFilesTest, loadFromFileKeepsTheCurrentFileButRecordsTheChoice)
{
    const std::string other = dir / "other.kalc";
    WriteBytes(other, BookBytes({{0, "900"}, {5, "905"}}, 40000));
    NextFileDialogChooses(other);

    form->Files().LoadFromFile();

    EXPECT_EQ(PhoneList(*form)->Value(0), "900");
    EXPECT_EQ(PhoneList(*form)->Value(5), "905");
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("40000"));
    EXPECT_EQ(form->Files().CurrentFile(), current);
    EXPECT_EQ(CurrentFileText(*form)->text().toStdString(), current);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(other));

    // A save without a dialog still goes to the current file; the loaded
    // time-out goes back exactly as it came.
    form->Files().SaveToCurrentFile();
    EXPECT_TRUE(SameBytes(ReadBytes(current), BookBytes({{0, "900"}, {5, "905"}}, 40000)));
    EXPECT_TRUE(SameBytes(ReadBytes(other), BookBytes({{0, "900"}, {5, "905"}}, 40000)));
}

TEST_F(MainWindowFilesTest, openDialogTakesATypedNameWithoutExtensionAsItIs)
{
    WriteBytes(dir / "book", BookBytes({{0, "111"}}));
    WriteBytes(dir / "book.kalc", BookBytes({{0, "999"}}));
    NextFileDialogChooses(dir / "book");

    form->Files().LoadFromFile();

    EXPECT_EQ(PhoneList(*form)->Value(0), "111");
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(dir / "book"));
}

// The current file is switched by a click, or from the keyboard (Tab
// reaches it): Space or Enter.
class MainWindowSwitchFileTest : public MainWindowFilesTest, public ::testing::WithParamInterface<int> {};

TEST_P(MainWindowSwitchFileTest, currentFileSwitchesToTheChosenFile)
{
    const std::string other = dir / "other.kalc";
    WriteBytes(other, BookBytes({{3, "333"}, {7, "777"}}));
    NextFileDialogChooses(other);

    EXPECT_TRUE(CurrentFileText(*form)->focusPolicy() & Qt::TabFocus);
    if (GetParam() == 0)
        QTest::mouseClick(CurrentFileText(*form), Qt::LeftButton);
    else
        QTest::keyClick(CurrentFileText(*form), static_cast<Qt::Key>(GetParam()));

    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("Switch Current Work File")});
    EXPECT_EQ(CurrentFileText(*form)->toolTip().toStdString(), other);
    EXPECT_EQ(form->Files().CurrentFile(), other);
    EXPECT_EQ(CurrentFileText(*form)->text().toStdString(), other);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(other));
    // Rows are overwritten one by one: the gaps of the file come along.
    EXPECT_EQ(PhoneList(*form)->Value(0), "");
    EXPECT_EQ(PhoneList(*form)->Value(3), "333");
    EXPECT_EQ(PhoneList(*form)->Value(7), "777");
}

INSTANTIATE_TEST_SUITE_P(ClickSpaceEnter, MainWindowSwitchFileTest,
    ::testing::Values(0, Qt::Key_Space, Qt::Key_Return));

TEST_F(MainWindowFilesTest, shortFilesChangeOnlyTheRowsTheyHold)
{
    for (int slot = 0; slot < 500; ++slot)
        PhoneList(*form)->SetValue(slot, "5" + std::to_string(slot));
    RelayTimeoutField(*form)->setText(QStringLiteral("123"));
    ExternalOffBox(*form)->setChecked(true);

    std::string file = BookBytes({{0, "11"}, {1, "22"}});
    WriteBytes(dir / "short.kalc", file.substr(0, 2 * 15 + 5));
    form->Files().LoadPhoneBookFile(dir / "short.kalc");

    EXPECT_EQ(PhoneList(*form)->Value(0), "11");
    EXPECT_EQ(PhoneList(*form)->Value(1), "22");
    EXPECT_EQ(PhoneList(*form)->Value(2), "52");
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("123"));
    EXPECT_TRUE(ExternalOffBox(*form)->isChecked());

    // Ending inside the time-out: every row, the time-out kept, the box cleared.
    WriteBytes(dir / "short.kalc", file.substr(0, 7501));
    form->Files().LoadPhoneBookFile(dir / "short.kalc");

    EXPECT_EQ(PhoneList(*form)->Value(2), "");
    EXPECT_EQ(PhoneList(*form)->Value(499), "");
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("123"));
    EXPECT_FALSE(ExternalOffBox(*form)->isChecked());
}

TEST_F(MainWindowFilesTest, unreadableOrEmptyFilesChangeNothing)
{
    RelayTimeoutField(*form)->setText(QStringLiteral("9"));
    WriteBytes(dir / "empty.kalc", "");
    std::filesystem::create_directory(dir / "folder.kalc");

    for (const std::string& path : {dir / "empty.kalc", dir / "folder.kalc", dir / "missing.kalc"}) {
        SCOPED_TRACE(path);
        form->Files().LoadPhoneBookFile(path);
        EXPECT_EQ(PhoneList(*form)->Value(0), "100");
        EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("9"));
    }
    EXPECT_TRUE(watch.Titles().isEmpty());
}

TEST_F(MainWindowFilesTest, settingsThatCannotBeWrittenAreReportedAndTheLoadStands)
{
    const std::string other = dir / "other.kalc";
    WriteBytes(other, BookBytes({{0, "900"}}));
    std::filesystem::remove(SettingsPath());
    ASSERT_EQ(mkfifo(SettingsPath().c_str(), 0600), 0); // exists, cannot be read
    NextFileDialogChooses(other);

    form->Files().LoadFromFile();

    ASSERT_EQ(watch.Titles().size(), 2);
    EXPECT_EQ(watch.Titles()[1], QStringLiteral("QEM")); // the message box
    EXPECT_EQ(PhoneList(*form)->Value(0), "900");
    EXPECT_TRUE(std::filesystem::is_fifo(SettingsPath()));
}

} // namespace
