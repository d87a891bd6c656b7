#pragma once
// The import report: what a CSV file would give the phone list, shown
// before anything changes. One table row per record of the file (good,
// changed from -> to, refused with the reason, or skipped), the numbers
// that would stand in more than one slot, and the warnings. "Import"
// (accepted) takes only the good and changed rows; "Cancel" takes nothing.

#include "csv/importreport.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace dialogs {

class ImportReportDialog : public QDialog {
    Q_OBJECT
public:
    // fileName is what the window calls the file in the title line.
    ImportReportDialog(const QString& fileName, const csv::ImportReport& report, QWidget* parent = nullptr);

    QLabel* Summary;
    QTableWidget* Rows;
    QPlainTextEdit* Notes; // duplicates and warnings
    QPushButton* ImportButton;
    QPushButton* CancelButton;

private:
    void FillRows(const csv::ImportReport& report);
    void FillNotes(const csv::ImportReport& report);
};

} // namespace dialogs
