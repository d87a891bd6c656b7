#include "app/currentfilelabel.h"
#include "phonebook/crc16.h"

#include "tests/app/form1fixture.h"

#include <QCheckBox>
#include <QLineEdit>

#include <filesystem>

namespace {

std::string SettingsWith(const std::string& currentFile)
{
    return "[PortSettings]\ncurrent_file=" + currentFile
        + "\nport=COM1\ndataBits=8\nstopBits=1\nparity=None\nflowControl=None\nbaudrate=2400\n";
}

class Form1FilesTest : public Form1Test {
protected:
    void SetUp() override
    {
        current = dir / "current.kalc";
        PrepareStart(current, BookBytes({{0, "100"}}));
        Start();
    }
    std::string current;
};

TEST_F(Form1FilesTest, saveThroughDialogWritesTheWholeFileAndMakesItCurrent)
{
    form->VLE_Telefonai->SetValue(0, "+37060000001");
    form->VLE_Telefonai->SetValue(3, "1 2 3");
    form->VLE_Telefonai->SetValue(499, "7"); // gaps are saved as they stand
    form->EDT_ReleTimeout->setText(QString());
    form->CHBX_EnableExternalOff->setChecked(true);
    NextFileDialogChooses(dir / "saved"); // typed without an extension

    form->BTN_SaveToFileClick();

    const std::string saved = dir / "saved.kalc";
    std::string expected(7500, '\0');
    expected.replace(0, 12, "+37060000001");
    expected.replace(45, 3, "123");
    expected.replace(7485, 1, "7");
    expected += std::string("\0\0\1", 3);
    const std::uint32_t check = Crc16Of(expected);
    for (int i = 0; i < 4; ++i)
        expected.push_back(static_cast<char>(check >> (8 * i)));
    EXPECT_TRUE(SameBytes(ReadBytes(saved), expected));
    EXPECT_EQ(form->EDT_ReleTimeout->text(), QStringLiteral("0"));
    EXPECT_EQ(form->CurrentFile, saved);
    EXPECT_EQ(form->LBL_CurrentFile->text().toStdString(), saved);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(saved));
}

TEST_F(Form1FilesTest, emptyPhoneBookSavesToTheKnownFile)
{
    form->VLE_Telefonai->ClearValues();
    NextFileDialogChooses(dir / "empty.kalc");
    form->BTN_SaveToFileClick();
    EXPECT_TRUE(SameBytes(ReadBytes(dir / "empty.kalc"), std::string(7503, '\0') + "\xAF\xDD\x4F\xA4"));
}

TEST_F(Form1FilesTest, saveToCurrentFileNeedsNoDialogAndLeavesSettings)
{
    form->VLE_Telefonai->SetValue(1, "222");
    form->EDT_ReleTimeout->setText(QStringLiteral("500"));
    form->SaveToCurrentFile = true;

    form->BTN_SaveToFileClick();

    EXPECT_TRUE(watch.Titles().isEmpty());
    EXPECT_TRUE(SameBytes(ReadBytes(current), BookBytes({{0, "100"}, {1, "222"}}, 500)));
    EXPECT_FALSE(form->SaveToCurrentFile);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(current));
}

TEST_F(Form1FilesTest, failedSaveStillMakesTheNameCurrentAndSaysNothing)
{
    const std::string unreachable = dir / "missing/book.kalc";
    NextFileDialogChooses(unreachable);

    form->BTN_SaveToFileClick();

    EXPECT_EQ(watch.Titles().size(), 1); // the file dialog, no message
    EXPECT_EQ(form->CurrentFile, unreachable);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(unreachable));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_TRUE(SameBytes(ReadBytes(current), BookBytes({{0, "100"}})));
}

TEST_F(Form1FilesTest, cancelledDialogsChangeNothing)
{
    NextFileDialogChooses("");
    NextFileDialogChooses("");
    NextFileDialogChooses("");
    form->VLE_Telefonai->SetValue(2, "333");

    form->BTN_SaveToFileClick();
    form->BTN_LoadFromFileClick();
    form->LBL_CurrentFileClick();

    EXPECT_EQ(watch.Titles().size(), 3);
    EXPECT_EQ(form->CurrentFile, current);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(current));
    EXPECT_TRUE(SameBytes(ReadBytes(current), BookBytes({{0, "100"}})));
    EXPECT_EQ(form->VLE_Telefonai->Value(2), "333");
}

TEST_F(Form1FilesTest, loadFromFileKeepsTheCurrentFileButRecordsTheChoice)
{
    const std::string other = dir / "other.kalc";
    WriteBytes(other, BookBytes({{0, "900"}, {5, "905"}}, 40000));
    NextFileDialogChooses(other);

    form->BTN_LoadFromFileClick();

    EXPECT_EQ(form->VLE_Telefonai->Value(0), "900");
    EXPECT_EQ(form->VLE_Telefonai->Value(5), "905");
    EXPECT_EQ(form->EDT_ReleTimeout->text(), QStringLiteral("40000"));
    EXPECT_EQ(form->CurrentFile, current);
    EXPECT_EQ(form->LBL_CurrentFile->text().toStdString(), current);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(other));

    // A save without a dialog still goes to the current file; the loaded
    // time-out goes back exactly as it came.
    form->SaveToCurrentFile = true;
    form->BTN_SaveToFileClick();
    EXPECT_TRUE(SameBytes(ReadBytes(current), BookBytes({{0, "900"}, {5, "905"}}, 40000)));
    EXPECT_TRUE(SameBytes(ReadBytes(other), BookBytes({{0, "900"}, {5, "905"}}, 40000)));
}

TEST_F(Form1FilesTest, openDialogTakesATypedNameWithoutExtensionAsItIs)
{
    WriteBytes(dir / "book", BookBytes({{0, "111"}}));
    WriteBytes(dir / "book.kalc", BookBytes({{0, "999"}}));
    NextFileDialogChooses(dir / "book");

    form->BTN_LoadFromFileClick();

    EXPECT_EQ(form->VLE_Telefonai->Value(0), "111");
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(dir / "book"));
}

// The current file is switched by a click, or from the keyboard (Tab
// reaches it): Space or Enter.
class Form1SwitchFileTest : public Form1FilesTest, public ::testing::WithParamInterface<int> {};

TEST_P(Form1SwitchFileTest, currentFileSwitchesToTheChosenFile)
{
    const std::string other = dir / "other.kalc";
    WriteBytes(other, BookBytes({{3, "333"}, {7, "777"}}));
    NextFileDialogChooses(other);

    EXPECT_TRUE(form->LBL_CurrentFile->focusPolicy() & Qt::TabFocus);
    if (GetParam() == 0)
        QTest::mouseClick(form->LBL_CurrentFile, Qt::LeftButton);
    else
        QTest::keyClick(form->LBL_CurrentFile, static_cast<Qt::Key>(GetParam()));

    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("Switch Current Work File")});
    EXPECT_EQ(form->LBL_CurrentFile->toolTip().toStdString(), other);
    EXPECT_EQ(form->CurrentFile, other);
    EXPECT_EQ(form->LBL_CurrentFile->text().toStdString(), other);
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsWith(other));
    // Rows are overwritten one by one: the gaps of the file come along.
    EXPECT_EQ(form->VLE_Telefonai->Value(0), "");
    EXPECT_EQ(form->VLE_Telefonai->Value(3), "333");
    EXPECT_EQ(form->VLE_Telefonai->Value(7), "777");
}

INSTANTIATE_TEST_SUITE_P(ClickSpaceEnter, Form1SwitchFileTest, ::testing::Values(0, Qt::Key_Space, Qt::Key_Return));

TEST_F(Form1FilesTest, shortFilesChangeOnlyTheRowsTheyHold)
{
    for (int slot = 0; slot < 500; ++slot)
        form->VLE_Telefonai->SetValue(slot, "5" + std::to_string(slot));
    form->EDT_ReleTimeout->setText(QStringLiteral("123"));
    form->CHBX_EnableExternalOff->setChecked(true);

    std::string file = BookBytes({{0, "11"}, {1, "22"}});
    WriteBytes(dir / "short.kalc", file.substr(0, 2 * 15 + 5));
    form->LoadPhoneBookFile(dir / "short.kalc");

    EXPECT_EQ(form->VLE_Telefonai->Value(0), "11");
    EXPECT_EQ(form->VLE_Telefonai->Value(1), "22");
    EXPECT_EQ(form->VLE_Telefonai->Value(2), "52");
    EXPECT_EQ(form->EDT_ReleTimeout->text(), QStringLiteral("123"));
    EXPECT_TRUE(form->CHBX_EnableExternalOff->isChecked());

    // Ending inside the time-out: every row, the time-out kept, the box cleared.
    WriteBytes(dir / "short.kalc", file.substr(0, 7501));
    form->LoadPhoneBookFile(dir / "short.kalc");

    EXPECT_EQ(form->VLE_Telefonai->Value(2), "");
    EXPECT_EQ(form->VLE_Telefonai->Value(499), "");
    EXPECT_EQ(form->EDT_ReleTimeout->text(), QStringLiteral("123"));
    EXPECT_FALSE(form->CHBX_EnableExternalOff->isChecked());
}

TEST_F(Form1FilesTest, unreadableOrEmptyFilesChangeNothing)
{
    form->EDT_ReleTimeout->setText(QStringLiteral("9"));
    WriteBytes(dir / "empty.kalc", "");
    std::filesystem::create_directory(dir / "folder.kalc");

    for (const std::string& path : {dir / "empty.kalc", dir / "folder.kalc", dir / "missing.kalc"}) {
        SCOPED_TRACE(path);
        form->LoadPhoneBookFile(path);
        EXPECT_EQ(form->VLE_Telefonai->Value(0), "100");
        EXPECT_EQ(form->EDT_ReleTimeout->text(), QStringLiteral("9"));
    }
    EXPECT_TRUE(watch.Titles().isEmpty());
}

TEST_F(Form1FilesTest, settingsThatCannotBeWrittenAreReportedAndTheLoadStands)
{
    const std::string other = dir / "other.kalc";
    WriteBytes(other, BookBytes({{0, "900"}}));
    std::filesystem::remove(SettingsPath());
    ASSERT_EQ(mkfifo(SettingsPath().c_str(), 0600), 0); // exists, cannot be read
    NextFileDialogChooses(other);

    form->BTN_LoadFromFileClick();

    ASSERT_EQ(watch.Titles().size(), 2);
    EXPECT_EQ(watch.Titles()[1], QStringLiteral("QEM")); // the message box
    EXPECT_EQ(form->VLE_Telefonai->Value(0), "900");
    EXPECT_TRUE(std::filesystem::is_fifo(SettingsPath()));
}

} // namespace
