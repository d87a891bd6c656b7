// The phone list and relay settings, driven as an operator would.

#include "tests/app/form1fixture.h"
#include "tests/support/phonelistoperator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class Form1EditingTest : public Form1Test {
protected:
    void SetUp() override
    {
        PrepareStart(DefaultBook());
        StartShown();
        list = form->VLE_Telefonai;
    }

    void TypeInto(int slot, const char* keys)
    {
        ClickPhoneCell(*list, slot);
        TypeKeys(QString::fromLatin1(keys));
    }

    phonebook::PhoneListEditor* list = nullptr;
};

TEST_F(Form1EditingTest, writeToFileRightAfterTypingSavesTheCompactedList)
{
    TypeInto(0, "111");
    TypeInto(1, "333");
    TypeInto(9, "222");
    NextFileDialogChooses(dir / "typed.kalc");

    QTest::mouseClick(form->BTN_SaveToFile, Qt::LeftButton);

    EXPECT_TRUE(SameBytes(ReadBytes(dir / "typed.kalc"), BookBytes({{0, "111"}, {1, "222"}, {2, "333"}})));
}

TEST_F(Form1EditingTest, clearAllEmptiesThePhoneBookInTheWindowOnly)
{
    WriteBytes(DefaultBook(), BookBytes({{0, "100"}}));
    TypeInto(0, "111");
    TypeInto(1, "222");
    form->EDT_ReleTimeout->setText(QStringLiteral("500"));
    form->CHBX_EnableExternalOff->setChecked(true);

    QTest::mouseClick(form->BTN_ClearAll, Qt::LeftButton);

    EXPECT_EQ(list->Values(), std::vector<std::string>(500));
    EXPECT_EQ(form->EDT_ReleTimeout->text(), QStringLiteral("0"));
    EXPECT_FALSE(form->CHBX_EnableExternalOff->isChecked());
    EXPECT_EQ(list->LastSelectedRow, 2);
    EXPECT_TRUE(SameBytes(ReadBytes(DefaultBook()), BookBytes({{0, "100"}})));
}

TEST_F(Form1EditingTest, relayTimeoutTakesUpToFiveDigits)
{
    QTest::mouseClick(form->EDT_ReleTimeout, Qt::LeftButton);
    QTest::keyClicks(form->EDT_ReleTimeout, QStringLiteral("12a-34567"));
    EXPECT_EQ(form->EDT_ReleTimeout->text(), QStringLiteral("12345"));
}

TEST_F(Form1EditingTest, loadedGapsAreCopiedUpByTheFirstMove)
{
    WriteBytes(dir / "gaps.kalc", BookBytes({{3, "333"}, {7, "777"}}));
    form->LoadPhoneBookFile(dir / "gaps.kalc");

    ClickPhoneCell(*list, 10);

    EXPECT_EQ(list->Value(0), "333");
    EXPECT_EQ(list->Value(1), "777");
    EXPECT_EQ(list->Value(3), "333");
    EXPECT_EQ(list->Value(7), "777");
}

} // namespace
