#pragma once
// Operator actions on the phone list for widget tests: a click on a
// "Phone Number" cell and typing into whatever has the keyboard focus (the
// list, or the cell editor it opened).

#include "phonelist/phonelisteditor.h"

#include <QApplication>
#include <QTest>

inline void ClickPhoneCell(phonelist::PhoneListEditor& list, int slot,
    int column = phonelist::PhoneListEditor::ValueColumn)
{
    QTableWidgetItem* cell = list.item(slot, column);
    list.scrollToItem(cell);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(cell).center());
}

inline void TypeKeys(const QString& keys)
{
    for (QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}
