#include "dialogs/importreportdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iterator>

namespace dialogs {
namespace {

enum Column { LineColumn, TextColumn, ResultColumn, OutcomeColumn, ColumnCount };

QString Utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ResultText(csv::RowResult result)
{
    static constexpr const char* texts[] = {QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "header, skipped"),
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "empty, skipped"),
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "good"),
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "changed"),
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "refused")};
    static_assert(std::size(texts) == static_cast<std::size_t>(csv::RowResult::Refused) + 1);
    return ImportReportDialog::tr(texts[static_cast<std::size_t>(result)]);
}

QString ReasonText(csv::Refusal refusal)
{
    static constexpr const char* texts[] = {"",
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "only digits and a leading + are allowed"),
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "longer than 15 characters"),
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "too short (at least 2 characters)"),
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "the slot is not between 0 and 499"),
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "expected \"slot,number\""),
        QT_TRANSLATE_NOOP("dialogs::ImportReportDialog", "more than 500 numbers")};
    static_assert(std::size(texts) == static_cast<std::size_t>(csv::Refusal::TooMany) + 1);
    return ImportReportDialog::tr(texts[static_cast<std::size_t>(refusal)]);
}

// What the row gives the list: the number, from -> to, or why nothing.
QString OutcomeText(const csv::ReportRow& row)
{
    switch (row.result) {
    case csv::RowResult::Good:
        return Utf8(row.number);
    case csv::RowResult::Changed:
        return Utf8(row.text) + QStringLiteral(" \u2192 ") + Utf8(row.number);
    case csv::RowResult::Refused:
        return ReasonText(row.refusal);
    case csv::RowResult::Header:
    case csv::RowResult::Empty:
        break;
    }
    return {};
}

QString WarningText(const csv::Warning& warning)
{
    if (warning.kind == csv::Warning::Kind::RepeatedSlot)
        return ImportReportDialog::tr("Line %1: slot %2 also on line %3; both numbers kept")
            .arg(warning.line)
            .arg(warning.slot)
            .arg(warning.firstLine);
    return ImportReportDialog::tr("Line %1: %2 may have lost a leading \"%3\" (most numbers have %4 characters "
                                  "starting with \"%3\"); imported as it stands")
        .arg(warning.line)
        .arg(Utf8(warning.number))
        .arg(QChar::fromLatin1(warning.typicalFirst))
        .arg(warning.typicalLength);
}

QString LinesText(const std::vector<int>& lines)
{
    QStringList texts;
    for (const int line : lines)
        texts << QString::number(line);
    return texts.join(QStringLiteral(", "));
}

} // namespace

ImportReportDialog::ImportReportDialog(const QString& fileName, const csv::ImportReport& report, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ImportReportDialog"));
    setWindowTitle(tr("Import CSV"));
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("ImportSummary"));
    Summary->setWordWrap(true);
    Summary->setText(tr("%1: %2 good, %3 changed, %4 refused.\nImport replaces the phone list with the %5 good and "
                        "changed numbers; the relay time-out and the switch stay.")
                         .arg(fileName)
                         .arg(report.Count(csv::RowResult::Good))
                         .arg(report.Count(csv::RowResult::Changed))
                         .arg(report.Count(csv::RowResult::Refused))
                         .arg(report.numbers.size()));

    Rows = new QTableWidget(this);
    Rows->setObjectName(QStringLiteral("ImportRows"));
    FillRows(report);
    Notes = new QPlainTextEdit(this);
    Notes->setObjectName(QStringLiteral("ImportNotes"));
    Notes->setReadOnly(true);
    FillNotes(report);

    auto* buttons = new QDialogButtonBox(this);
    ImportButton = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    CancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    ImportButton->setEnabled(!report.numbers.empty());
    CancelButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addWidget(Rows, 3);
    layout->addWidget(new QLabel(tr("Duplicates and warnings:"), this));
    layout->addWidget(Notes, 1);
    layout->addWidget(buttons);
    resize(720, 520);
}

void ImportReportDialog::FillRows(const csv::ImportReport& report)
{
    Rows->setColumnCount(ColumnCount);
    Rows->setHorizontalHeaderLabels({tr("Line"), tr("In the file"), tr("Result"), tr("Imported as / why not")});
    Rows->setRowCount(static_cast<int>(report.rows.size()));
    Rows->verticalHeader()->hide();
    Rows->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int i = 0; i < Rows->rowCount(); ++i) {
        const csv::ReportRow& row = report.rows[static_cast<std::size_t>(i)];
        Rows->setItem(i, LineColumn, new QTableWidgetItem(QString::number(row.line)));
        Rows->setItem(i, TextColumn, new QTableWidgetItem(Utf8(row.text)));
        Rows->setItem(i, ResultColumn, new QTableWidgetItem(ResultText(row.result)));
        auto* outcome = new QTableWidgetItem(OutcomeText(row));
        outcome->setToolTip(outcome->text());
        Rows->setItem(i, OutcomeColumn, outcome);
    }
    Rows->resizeColumnsToContents();
    Rows->horizontalHeader()->setStretchLastSection(true);
}

void ImportReportDialog::FillNotes(const csv::ImportReport& report)
{
    QStringList notes;
    for (const csv::Duplicate& duplicate : report.duplicates)
        notes << tr("%1 would stand in %2 slots (lines %3)")
                     .arg(Utf8(duplicate.number))
                     .arg(duplicate.lines.size())
                     .arg(LinesText(duplicate.lines));
    for (const csv::Warning& warning : report.warnings)
        notes << WarningText(warning);
    if (notes.isEmpty())
        notes << tr("None.");
    Notes->setPlainText(notes.join(QLatin1Char('\n')));
}

} // namespace dialogs
