// CSV files in the window: the import through its report (Import and
// Cancel), a dropped file, and files exported by the window or by qem-cli
// imported by the other.

#include "dialogs/importreportdialog.h"

#include "tests/app/mainwindowfixture.h"
#include "tests/support/childprocess.h"

#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>

namespace {

// A residents' list as a spreadsheet saves it: BOM, semicolons, a header,
// CRLF, a number kept as text by an apostrophe, one that lost its zero, one
// given twice.
const std::string Residents = "\xEF\xBB\xBF"
                              "Flat;Phone\r\n"
                              "1;+370 600 00001\r\n"
                              "2;'0612345678\r\n"
                              "3;12ab\r\n"
                              "4;0612345679\r\n"
                              "5;612345670\r\n"
                              "6;0612345671\r\n"
                              "7;+370 600-00001\r\n"
                              "8;0612345672\r\n";

class MainWindowCsvTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        PrepareStart(dir / "current.kalc", BookBytes({{0, "100"}, {5, "200"}}, 750, true));
        Start();
    }

    std::vector<std::string> Numbers() const
    {
        std::vector<std::string> values = PhoneList(*form)->Values();
        while (!values.empty() && values.back().empty())
            values.pop_back();
        return values;
    }

    // The next import report is read into `shown` (one line a row: the
    // cells joined by " | ") and closed with its Import or Cancel button.
    void NextReport(bool import, QStringList* shown = nullptr)
    {
        watch.Then([import, shown](QWidget& window) {
            auto& report = dynamic_cast<dialogs::ImportReportDialog&>(window);
            for (int row = 0; shown && row < report.Rows->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < report.Rows->columnCount(); ++column)
                    cells << report.Rows->item(row, column)->text();
                *shown << cells.join(QStringLiteral(" | "));
            }
            if (shown)
                *shown << report.Notes->toPlainText();
            // scripts/screenshot-import-report: the README's picture of the report.
            if (const QString picture = qEnvironmentVariable("QEM_IMPORT_REPORT_PNG"); shown && !picture.isEmpty())
                report.grab().save(picture);
            (import ? report.ImportButton : report.CancelButton)->click();
        });
    }

    QAction* ListAction(const QString& text) const
    {
        for (QAction* action : PhoneList(*form)->actions())
            if (action->text() == text)
                return action;
        throw std::logic_error("the phone list's menu has no " + text.toStdString());
    }
};

TEST_F(MainWindowCsvTest, theReportShowsEveryRowAndOnlyImportChangesTheList)
{
    const std::string csv = dir / "residents.csv";
    WriteBytes(csv, Residents);
    const std::vector<std::string> before = Numbers();

    QStringList shown;
    NextFileDialogChooses(csv);
    NextReport(false, &shown);
    ListAction(QStringLiteral("Import CSV..."))->trigger();
    EXPECT_EQ(shown,
        (QStringList{QStringLiteral("1 | Flat, Phone | header, skipped | "),
            QStringLiteral("2 | +370 600 00001 | changed | +370 600 00001 \u2192 +37060000001"),
            QStringLiteral("3 | '0612345678 | good | 0612345678"),
            QStringLiteral("4 | 12ab | refused | only digits and a leading + are allowed"),
            QStringLiteral("5 | 0612345679 | good | 0612345679"), QStringLiteral("6 | 612345670 | good | 612345670"),
            QStringLiteral("7 | 0612345671 | good | 0612345671"),
            QStringLiteral("8 | +370 600-00001 | changed | +370 600-00001 \u2192 +37060000001"),
            QStringLiteral("9 | 0612345672 | good | 0612345672"),
            QStringLiteral("+37060000001 would stand in 2 slots (lines 2, 8)\nLine 6: 612345670 may have lost a "
                           "leading \"0\" (most numbers have 10 characters "
                           "starting with \"0\"); imported as it stands")}));
    EXPECT_EQ(Numbers(), before); // Cancel

    NextFileDialogChooses(csv);
    NextReport(true);
    ListAction(QStringLiteral("Import CSV..."))->trigger();
    // Packed and ordered as a cell move leaves them; slot 5's old number is
    // gone, the relay settings stay.
    EXPECT_EQ(Numbers(),
        (std::vector<std::string>{
            "+37060000001", "+37060000001", "0612345671", "0612345672", "0612345678", "0612345679", "612345670"}));
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("750"));
    EXPECT_TRUE(ExternalOffBox(*form)->isChecked());
    // One undo step gives the list back as it was.
    ListAction(QStringLiteral("&Undo"))->trigger();
    EXPECT_EQ(Numbers(), before);
    EXPECT_EQ(watch.Titles(),
        (QStringList{QStringLiteral("Import CSV"), QStringLiteral("Import CSV"), QStringLiteral("Import CSV"),
            QStringLiteral("Import CSV")}));
}

TEST_F(MainWindowCsvTest, aDroppedCsvFileImportsThroughTheReportAndOtherFilesAreNotTaken)
{
    const std::string csv = dir / "dropped.CSV";
    WriteBytes(csv, "860000001\n8 600 00002\n860000001\n");
    const auto drop = [this](const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &dropped);
        return dropped.isAccepted();
    };
    EXPECT_FALSE(drop(DefaultBook()));

    QStringList shown;
    NextReport(true, &shown);
    ASSERT_TRUE(drop(csv));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Numbers().size() == 3; }));
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"860000001", "860000001", "860000002"}));
    EXPECT_EQ(shown.last(), QStringLiteral("860000001 would stand in 2 slots (lines 1, 3)"));
}

TEST_F(MainWindowCsvTest, filesExportedByTheWindowAndByQemCliImportIntoTheOther)
{
    // The window's export, imported by qem-cli with the window's relay
    // settings, is the file the window saves.
    PhoneList(*form)->SetValue(0, "999");
    PhoneList(*form)->SetValue(1, "+44 12");
    PhoneList(*form)->SetValue(2, "12");
    PhoneList(*form)->SetValue(5, "");
    RelayTimeoutField(*form)->setText(QStringLiteral("500"));
    const std::string exported = dir / "window.csv";
    NextFileDialogChooses(dir / "window"); // the dialog adds .csv
    ListAction(QStringLiteral("Export CSV..."))->trigger();
    form->Files().SaveToCurrentFile();
    ChildProcess import(QEM_CLI_PROGRAM,
        {"import", exported, "-o", dir / "cli.kalc", "--timeout", "500", "--external", "on"});
    ASSERT_EQ(import.WaitForExit(std::chrono::seconds(30)), 0) << import.ErrorOutput();
    EXPECT_TRUE(SameBytes(ReadBytes(dir / "cli.kalc"), ReadBytes(dir / "current.kalc")));

    // qem-cli's export of a book with gaps comes into the window packed.
    WriteBytes(dir / "book.kalc", BookBytes({{3, "+37061"}, {7, "862"}, {499, "0037"}}));
    ChildProcess exportBook(QEM_CLI_PROGRAM, {"export", dir / "book.kalc", "-o", dir / "cli.csv"});
    ASSERT_EQ(exportBook.WaitForExit(std::chrono::seconds(30)), 0) << exportBook.ErrorOutput();
    NextReport(true);
    form->Files().ImportCsvFile(dir / "cli.csv");
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"+37061", "0037", "862"}));
}

} // namespace
