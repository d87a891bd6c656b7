// The window's device flows on Windows: the real window, worker and Windows
// serial backend under Wine, against virtual devices that
// scripts/test-windows runs on the Linux side of COM ports:
//   QEM_TEST_DEVICE_PORT   the device
//   QEM_TEST_GARBAGE_PORT  a device sending garbage before every answer
//   QEM_TEST_HANGUP_PORT   a device hanging up at the 10th frame
//   QEM_TEST_IMAGE_FOLDER  where each device keeps its image, as <port>.img
// Without them (ctest alone) the cases skip.

#include "tests/app/flowfixture.h"
#include "tests/support/phonelistoperator.h"

#include "device/deviceworker.h"
#include "phonebook/phonebookfile.h"

#include <QClipboard>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

const std::string Numbers = BookBytes({{0, "111"}, {7, "+37060000000"}, {250, "5"}, {499, "123456789012345"}}, 3000,
    true);
// Unlike anything the other rows store: a cancelled write of it that went
// through anyway shows.
const std::string OtherNumbers = BookBytes({{3, "999"}}, 777, false);

enum class Operation {
    Write,        // "Write To Device"
    WriteAndRead, // then "Clear All" and "Load From Device"
    CancelWrite,  // "Write To Device", "Cancel" once frames flow
    // A spreadsheet column with the Windows clipboard's CRLF lines pasted
    // into an open cell editor, undone and redone, then "Write To Device"
    PasteUndoRedoWrite,
};

struct WineRow {
    const char* name;
    const char* portVariable;
    Operation operation;
    std::optional<std::string> message;
    // The device's image afterwards: the window's phone book, or what it held.
    bool stored;
};

void PrintTo(const WineRow& row, std::ostream* os)
{
    *os << row.name;
}

class WineFlowTest : public MainWindowFlowTest, public ::testing::WithParamInterface<WineRow> {
protected:
    void TearDown() override { form.reset(); }

    // The device's image as it keeps it in its file; empty before it stored one.
    static std::string StoredImage(const std::string& port)
    {
        const char* folder = std::getenv("QEM_TEST_IMAGE_FOLDER");
        return folder == nullptr ? std::string() : ReadBytes(std::string(folder) + "\\" + port + ".img");
    }

    void ClickAndWaitUntilIdle(QPushButton* button)
    {
        button->click();
        ASSERT_TRUE(WaitUntilIdle(60s)) << button->objectName().toStdString();
        ASSERT_TRUE(WaitFor([&] { return form->Operations().Worker()->QueuedCount() == 0; }, 15s))
            << "requests left behind";
    }
};

TEST_P(WineFlowTest, endsIdleWithTheDeviceAsExpected)
{
    const WineRow& row = GetParam();
    const char* const portName = std::getenv(row.portVariable);
    if (portName == nullptr || *portName == '\0')
        GTEST_SKIP() << row.portVariable << " is not set: the devices run outside Wine (scripts/test-windows)";
    const std::string port = portName;
    const std::string before = StoredImage(port);
    PrepareSettings(port, row.operation == Operation::CancelWrite ? OtherNumbers : Numbers);
    Start();
    if (row.message)
        ExpectErrorWindow();

    switch (row.operation) {
    case Operation::Write:
        ClickAndWaitUntilIdle(WriteToDeviceButton(*form));
        break;
    case Operation::WriteAndRead:
        ClickAndWaitUntilIdle(WriteToDeviceButton(*form));
        // Nothing shown afterwards can be left from before.
        ClearAllButton(*form)->click();
        ClickAndWaitUntilIdle(LoadFromDeviceButton(*form));
        EXPECT_EQ(PhoneList(*form)->Values(), phonebook::DecodePhoneBook(Numbers).numbers);
        EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("3000"));
        EXPECT_TRUE(ExternalOffBox(*form)->isChecked());
        break;
    case Operation::PasteUndoRedoWrite: {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        phonelist::PhoneListEditor& list = *PhoneList(*form);
        ClickPhoneCell(list, 1); // the move compacts: a step of its own
        const std::vector<std::string> beforePaste = list.Values();
        QApplication::clipboard()->setText(QStringLiteral("8-600-00001\r\n(8) 600.00002\r\n"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        const std::vector<std::string> pasted = list.Values();
        for (const char* number : {"860000001", "860000002"})
            EXPECT_EQ(std::count(pasted.begin(), pasted.end(), number), 1) << number;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(list.Values(), beforePaste);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(list.Values(), pasted);
        ClickAndWaitUntilIdle(WriteToDeviceButton(*form));
        EXPECT_EQ(phonebook::DecodePhoneBook(ReadBytes(Book())).numbers, pasted);
        break;
    }
    case Operation::CancelWrite:
        WriteToDeviceButton(*form)->click();
        ASSERT_TRUE(WaitFor([&] { return Gauge(*form)->isVisible() && Gauge(*form)->value() > 0; }, 30s));
        WriteToDeviceButton(*form)->click(); // "Cancel"
        ASSERT_TRUE(WaitUntilIdle(30s));
        break;
    }

    if (row.stored)
        EXPECT_TRUE(WaitFor([&] { return StoredImage(port) == ReadBytes(Book()); }, 5s));
    else
        EXPECT_TRUE(SameBytes(StoredImage(port), before));
    EXPECT_EQ(errors, row.message ? std::vector<std::string>{*row.message} : std::vector<std::string>{});
    ExpectIdleAfterOperation();
}

INSTANTIATE_TEST_SUITE_P(Rows, WineFlowTest,
    ::testing::Values(WineRow{"write", "QEM_TEST_DEVICE_PORT", Operation::Write, std::nullopt, true},
        WineRow{"writeThenReadBack", "QEM_TEST_DEVICE_PORT", Operation::WriteAndRead, std::nullopt, true},
        WineRow{"pasteUndoRedoThenWrite", "QEM_TEST_DEVICE_PORT", Operation::PasteUndoRedoWrite, std::nullopt, true},
        WineRow{"cancelledWrite", "QEM_TEST_DEVICE_PORT", Operation::CancelWrite, std::nullopt, false},
        WineRow{"writeWithGarbage", "QEM_TEST_GARBAGE_PORT", Operation::Write, std::nullopt, true},
        WineRow{"writeToADeviceThatHangsUp", "QEM_TEST_HANGUP_PORT", Operation::Write,
            "There was error while writing to device!", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
