#include "phonelist/phonelisteditor.h"

#include "phonebook/compaction.h"
#include "phonebook/phonebookfile.h"
#include "phonebook/phonenumber.h"
#include "phonelist/phonenumberdelegate.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSignalBlocker>

#include <algorithm>

namespace phonelist {
namespace {

QString CellText(const std::string& value)
{
    return QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
}

std::string CellValue(const QTableWidgetItem* item)
{
    return item == nullptr ? std::string() : item->text().toLatin1().toStdString();
}

// Listed in a paste's report; longer reports go on in its details.
constexpr std::size_t ReportedLines = 20;

// Qualified in full: lupdate resolves the bare class name in this unnamed
// namespace to a context the class's tr() never looks in.
QString RefusalReason(phonebook::NumberRefusal why)
{
    switch (why) {
    case phonebook::NumberRefusal::Empty:
        return phonelist::PhoneListEditor::tr("empty");
    case phonebook::NumberRefusal::TooShort:
        return phonelist::PhoneListEditor::tr("one character only");
    case phonebook::NumberRefusal::TooLong:
        return phonelist::PhoneListEditor::tr("longer than 15 characters");
    case phonebook::NumberRefusal::NotANumber:
        return phonelist::PhoneListEditor::tr("not a phone number");
    case phonebook::NumberRefusal::None:
        break;
    }
    return {};
}

// An entry of the list's menu. Its key acts in the list and in its cell
// editor; the editor keeps the keys it has a use of its own for
// (PhoneNumberDelegate).
template <typename Slot>
void AddAction(PhoneListEditor& list, const QString& text, const QKeySequence& key, Slot slot)
{
    auto* action = new QAction(text, &list);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    list.addAction(action);
    QObject::connect(action, &QAction::triggered, &list, slot);
}

} // namespace

PhoneListEditor::PhoneListEditor(QWidget* parent)
    : QTableWidget(0, 2, parent)
{
    CollectedNumbers.reserve(phonebook::PhoneSlotCount);

    setHorizontalHeaderLabels({tr("Nr."), tr("Phone Number")});
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The value column takes whatever width the scroll bar leaves, so the
    // list never scrolls sideways.
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    setColumnWidth(NumberColumn, 46);
    setColumnWidth(ValueColumn, 183);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows of the classic height, taller when the font needs it.
    verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 4));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab leaves the list for the next control rather than moving between cells.
    setTabKeyNavigation(false);
    // The editor opens as soon as a cell is selected, like an always-shown
    // editor, and on typing. (A click on the current cell would hold every
    // key back for a double-click interval, so it does not open the editor.)
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setItemDelegateForColumn(ValueColumn, new PhoneNumberDelegate(*this));

    connect(qApp, &QApplication::focusChanged, this, &PhoneListEditor::OnFocusChanged);

    AddAction(*this, tr("&Copy"), QKeySequence::Copy, &PhoneListEditor::CopySelection);
    AddAction(*this, tr("&Paste"), QKeySequence::Paste, &PhoneListEditor::PasteFromClipboard);
    AddAction(*this, tr("&Delete"), QKeySequence::Delete, &PhoneListEditor::DeleteSelection);
    AddAction(*this, tr("Select &All"), QKeySequence::SelectAll, &QAbstractItemView::selectAll);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(model(), &QAbstractItemModel::dataChanged, this, &PhoneListEditor::MarkDuplicates);
}

void PhoneListEditor::BuildRows()
{
    buildingRows_ = true;
    setRowCount(0);
    setRowCount(phonebook::PhoneSlotCount);
    for (int slot = 0; slot < phonebook::PhoneSlotCount; ++slot) {
        auto* number = new QTableWidgetItem(QString::number(slot));
        // Drawn like a title cell; without the enabled flag a click or an
        // arrow key can never make it current.
        number->setFlags(Qt::NoItemFlags);
        number->setForeground(palette().brush(QPalette::Active, QPalette::ButtonText));
        number->setBackground(palette().brush(QPalette::Active, QPalette::Button));
        setItem(slot, NumberColumn, number);
        auto* value = new QTableWidgetItem();
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        setItem(slot, ValueColumn, value);
    }
    setCurrentCell(0, ValueColumn);
    buildingRows_ = false;
    MarkDuplicates();
}

std::string PhoneListEditor::Value(int slot) const
{
    return CellValue(item(slot, ValueColumn));
}

void PhoneListEditor::SetValue(int slot, const std::string& value)
{
    if (QTableWidgetItem* cell = item(slot, ValueColumn))
        cell->setText(CellText(value));
}

std::vector<std::string> PhoneListEditor::Values() const
{
    std::vector<std::string> values(phonebook::PhoneSlotCount);
    for (int slot = 0; slot < phonebook::PhoneSlotCount; ++slot)
        values[slot] = Value(slot);
    return values;
}

void PhoneListEditor::SetValues(const std::vector<std::string>& values)
{
    WriteChangedRows(Values(), values);
}

void PhoneListEditor::WriteChangedRows(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    const int count = std::min({static_cast<int>(before.size()), static_cast<int>(after.size()), rowCount()});
    int first = -1;
    int last = -1;
    {
        // A cell's own change notice costs more than writing it; the views
        // hear of the whole span once below.
        const QSignalBlocker quiet(model());
        for (int slot = 0; slot < count; ++slot) {
            QTableWidgetItem* cell = item(slot, ValueColumn);
            if (cell == nullptr || before[slot] == after[slot])
                continue;
            cell->setText(CellText(after[slot]));
            first = first < 0 ? slot : first;
            last = slot;
        }
    }
    if (first >= 0) {
        emit model()->dataChanged(model()->index(first, ValueColumn), model()->index(last, ValueColumn));
        RefreshEditor();
    }
}

void PhoneListEditor::RefreshEditor()
{
    // The view passes a change on to an open editor only when one cell
    // changed alone.
    const QModelIndex current = currentIndex();
    if (QWidget* editor = indexWidget(current))
        itemDelegateForIndex(current)->setEditorData(editor, current);
}

void PhoneListEditor::ClearValues()
{
    SetValues(std::vector<std::string>(phonebook::PhoneSlotCount));
}

void PhoneListEditor::VLE_TelefonaiSelectCell(int, int row)
{
    Compact();
    LastSelectedRow = row;
}

void PhoneListEditor::VLE_TelefonaiExit()
{
    Compact();
}

void PhoneListEditor::VLE_TelefonaiKeyPress(QChar& key)
{
    if (key == QLatin1Char('-'))
        key = QLatin1Char('+');
}

bool PhoneListEditor::DeliverFilteredKey(QObject& target, const QKeyEvent& event)
{
    if (event.text().size() != 1)
        return false;
    QChar key = event.text().at(0);
    VLE_TelefonaiKeyPress(key);
    if (key == event.text().at(0))
        return false;
    // Qt's key codes of printable Latin-1 characters are their upper-case codes.
    QKeyEvent changed(event.type(), key.toUpper().unicode(), event.modifiers(), QString(key), event.isAutoRepeat(),
        event.count());
    QCoreApplication::sendEvent(&target, &changed);
    return true;
}

void PhoneListEditor::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The hook runs first, while the editor of the cell being left is still
    // open: its text is already in the cell, and closing it below writes
    // nothing back (see PhoneNumberDelegate).
    if (!buildingRows_ && current.isValid() && current != previous)
        VLE_TelefonaiSelectCell(current.column(), current.row() + 1);
    QTableWidget::currentChanged(current, previous);
}

void PhoneListEditor::keyPressEvent(QKeyEvent* event)
{
    if (!DeliverFilteredKey(*this, *event))
        QTableWidget::keyPressEvent(event);
}

void PhoneListEditor::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    const bool byKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
        || reason == Qt::ShortcutFocusReason;
    if (byKeyboard && currentIndex().isValid() && state() != EditingState)
        edit(currentIndex());
}

void PhoneListEditor::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // Rows scroll, columns never: showing the row's number cell keeps the
    // "Nr." column in view whichever cell is current.
    QTableWidget::scrollTo(index.siblingAtColumn(NumberColumn), hint);
}

void PhoneListEditor::Compact()
{
    const std::vector<std::string> before = Values();
    std::vector<std::string> numbers = before;
    phonebook::CompactPhoneList(numbers, LastSelectedRow, CollectedNumbers);
    WriteChangedRows(before, numbers);
}

bool PhoneListEditor::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (trigger == CurrentChanged && !editOnMove_)
        return false;
    return QTableWidget::edit(index, trigger, event);
}

PhoneListEditor::PasteReport PhoneListEditor::Paste(const QString& text)
{
    phonebook::PastedNumbers pasted = phonebook::ReadPastedNumbers(text.toStdString());
    const int start = std::max(currentRow(), 0);
    const int fit = std::min(static_cast<int>(pasted.numbers.size()), phonebook::PhoneSlotCount - start);
    emit changesSettled();
    std::vector<std::string> values = Values();
    std::move(pasted.numbers.begin(), pasted.numbers.begin() + fit, values.begin() + start);
    SetValues(values);
    Compact();
    emit changesSettled();
    return {std::move(pasted.refused), static_cast<int>(pasted.numbers.size()) - fit};
}

void PhoneListEditor::PasteFromClipboard()
{
    const PasteReport report = Paste(QGuiApplication::clipboard()->text());
    if (!report.refused.empty() || report.notFitting > 0)
        ShowPasteReport(report);
}

void PhoneListEditor::ShowPasteReport(const PasteReport& report)
{
    QStringList lines;
    if (!report.refused.empty())
        lines << tr("Lines not pasted: %1").arg(report.refused.size());
    QStringList details;
    for (const phonebook::RefusedLine& refused : report.refused)
        details << tr("Line %1: \"%2\": %3")
                       .arg(refused.line)
                       .arg(QString::fromStdString(refused.text), RefusalReason(refused.why));
    lines << details.mid(0, ReportedLines);
    if (details.size() > static_cast<qsizetype>(ReportedLines))
        lines << tr("... and %1 more (see the details)").arg(details.size() - static_cast<qsizetype>(ReportedLines));
    if (report.notFitting > 0)
        lines << tr("Numbers that did not fit past slot 499: %1").arg(report.notFitting);
    // Shown without a nested event loop: the pasted numbers are already in.
    auto* box = new QMessageBox(QMessageBox::Information, tr("Paste"), lines.join(QLatin1Char('\n')), QMessageBox::Ok,
        this);
    box->setObjectName(QStringLiteral("PasteReport"));
    if (details.size() > static_cast<qsizetype>(ReportedLines))
        box->setDetailedText(details.join(QLatin1Char('\n')));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

std::vector<int> PhoneListEditor::SelectedSlots() const
{
    std::vector<int> selected;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        if (index.column() == ValueColumn)
            selected.push_back(index.row());
    std::sort(selected.begin(), selected.end());
    return selected;
}

QString PhoneListEditor::SelectedNumbers() const
{
    QStringList numbers;
    for (const int slot : SelectedSlots())
        if (!phonebook::IsBlankNumber(Value(slot)))
            numbers << CellText(Value(slot));
    return numbers.join(QLatin1Char('\n'));
}

void PhoneListEditor::CopySelection() const
{
    QGuiApplication::clipboard()->setText(SelectedNumbers());
}

void PhoneListEditor::DeleteSelection()
{
    emit changesSettled();
    std::vector<std::string> values = Values();
    for (const int slot : SelectedSlots())
        values[slot].clear();
    SetValues(values);
    Compact();
    emit changesSettled();
}

void PhoneListEditor::GoToSlot(int slot)
{
    editOnMove_ = false;
    setCurrentCell(slot, ValueColumn);
    editOnMove_ = true;
}

int PhoneListEditor::FindNumber(const QString& digits, int from, bool backwards) const
{
    const std::string wanted = phonebook::PhoneNumberOf(digits.toStdString());
    if (wanted.empty())
        return -1;
    const int step = backwards ? phonebook::PhoneSlotCount - 1 : 1;
    for (int n = 1; n <= phonebook::PhoneSlotCount; ++n) {
        const int slot = (from + n * step) % phonebook::PhoneSlotCount;
        if (phonebook::PhoneNumberOf(Value(slot)).find(wanted) != std::string::npos)
            return slot;
    }
    return -1;
}

const std::vector<int>& PhoneListEditor::DuplicatesOf(int slot) const
{
    static const std::vector<int> none;
    return slot >= 0 && slot < static_cast<int>(duplicates_.otherSlots.size()) ? duplicates_.otherSlots[slot] : none;
}

QString PhoneListEditor::DuplicateNote(int slot) const
{
    QStringList others;
    for (const int other : DuplicatesOf(slot))
        others << QString::number(other);
    return others.isEmpty() ? QString() : tr("also in slot %1").arg(others.join(QStringLiteral(", ")));
}

QBrush PhoneListEditor::DuplicateBrush() const
{
    const QColor base = palette().color(QPalette::Base);
    const QColor mark = palette().color(QPalette::Highlight);
    constexpr double share = 0.35;
    return QColor::fromRgbF(base.redF() + (mark.redF() - base.redF()) * share,
        base.greenF() + (mark.greenF() - base.greenF()) * share, base.blueF() + (mark.blueF() - base.blueF()) * share);
}

QString PhoneListEditor::CountText() const
{
    return tr("Numbers: %1, duplicates: %2").arg(duplicates_.numbers).arg(duplicates_.duplicates);
}

void PhoneListEditor::MarkDuplicates()
{
    const int numbers = duplicates_.numbers;
    const int duplicates = duplicates_.duplicates;
    duplicates_ = phonebook::FindDuplicateNumbers(Values());
    viewport()->update();
    if (numbers == duplicates_.numbers && duplicates == duplicates_.duplicates)
        return;
    if (QTableWidgetItem* header = horizontalHeaderItem(ValueColumn))
        header->setToolTip(CountText());
    emit countsChanged();
}

void PhoneListEditor::OnFocusChanged(QWidget* old, QWidget* now)
{
    // Only a move to another control of the same window is leaving the list:
    // the focus returns unchanged from a dialog or another application.
    if (Holds(old) && now != nullptr && !Holds(now) && now->window() == window())
        VLE_TelefonaiExit();
}

bool PhoneListEditor::Holds(const QWidget* widget) const
{
    return widget != nullptr && (widget == this || isAncestorOf(widget));
}

} // namespace phonelist
