#include "phonelist/phonelisteditor.h"

#include "phonebook/compaction.h"
#include "phonebook/phonebookfile.h"
#include "phonelist/phonenumberdelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QFocusEvent>
#include <QKeyEvent>
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

} // namespace

PhoneListEditor::PhoneListEditor(QWidget* parent) : QTableWidget(0, 2, parent)
{
    CollectedNumbers.reserve(PhoneSlotCount);

    setHorizontalHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Phone Number")});
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
    setSelectionMode(QAbstractItemView::SingleSelection);
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
}

void PhoneListEditor::BuildRows()
{
    buildingRows_ = true;
    setRowCount(0);
    setRowCount(PhoneSlotCount);
    for (int slot = 0; slot < PhoneSlotCount; ++slot) {
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
    std::vector<std::string> values(PhoneSlotCount);
    for (int slot = 0; slot < PhoneSlotCount; ++slot)
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
    if (first >= 0)
        emit model()->dataChanged(model()->index(first, ValueColumn), model()->index(last, ValueColumn));
}

void PhoneListEditor::ClearValues()
{
    SetValues(std::vector<std::string>(PhoneSlotCount));
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
    const bool byKeyboard
        = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
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
