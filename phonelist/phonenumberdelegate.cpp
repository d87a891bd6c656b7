#include "phonelist/phonenumberdelegate.h"

#include "phonebook/phonenumber.h"
#include "phonelist/phonelisteditor.h"
#include "phonelist/undokeys.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QToolTip>
#include <QValidator>

namespace phonelist {
namespace {

// The cell value of the editor: what was typed, blanks between typed
// characters kept as spaces, trailing blanks dropped. (QLineEdit::text()
// would drop the inner blanks too.)
QString EditorValue(const QLineEdit& editor)
{
    QString value = editor.displayText();
    qsizetype end = value.size();
    while (end > 0 && value.at(end - 1) == QLatin1Char(' '))
        --end;
    value.truncate(end);
    return value;
}

// The template's digit positions take a decimal digit of any script (a
// full-width digit from an East Asian input method, an Arabic-Indic one from
// an Arabic layout), however it arrives: typed, composed by an input method,
// pasted or dropped. Every change then passes here, and each character
// becomes its phone number character, so the cell only ever holds ASCII
// digits, a leading plus sign and blanks.
class PhoneNumberValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int&) const override
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == QLatin1Char(' '))
                continue;
            const std::optional<char> kept = phonebook::PhoneNumberChar(text.at(i).unicode(), i == 0);
            if (!kept)
                return Invalid;
            text[i] = QLatin1Char(*kept);
        }
        return Acceptable;
    }
};

} // namespace

PhoneNumberDelegate::PhoneNumberDelegate(PhoneListEditor& list)
    : QStyledItemDelegate(&list)
    , list_(list)
{
}

QWidget* PhoneNumberDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setInputMask(QString::fromLatin1(PhoneNumberInputMask));
    editor->setValidator(new PhoneNumberValidator(editor));
    editor->setFrame(false);
    QAbstractItemModel* model = const_cast<QAbstractItemModel*>(index.model());
    const QPersistentModelIndex cell(index);
    connect(editor, &QLineEdit::textEdited, editor, [editor, model, cell] {
        if (cell.isValid())
            model->setData(cell, EditorValue(*editor));
    });
    return editor;
}

void PhoneNumberDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* line = static_cast<QLineEdit*>(editor);
    const QString value = index.data(Qt::EditRole).toString();
    // The view calls this again whenever the cell changes; the editor's own
    // writes must not reset its text and cursor.
    if (EditorValue(*line) != value)
        line->setText(value);
}

void PhoneNumberDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

bool PhoneNumberDelegate::LeavesKeyToList(const QLineEdit& editor, const QEvent& event) const
{
    if (event.type() != QEvent::ShortcutOverride)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (key.matches(QKeySequence::Paste) || key.matches(QKeySequence::SelectAll))
        return true;
    const bool severalSelected = list_.selectionModel()->selectedIndexes().size() > 1;
    if (severalSelected && (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Delete)))
        return true;
    return LeavesUndoKeyToWindow(editor, event);
}

bool PhoneNumberDelegate::eventFilter(QObject* object, QEvent* event)
{
    // Left unanswered, the shortcut check lets the list's or the window's
    // action take the key.
    if (auto* line = qobject_cast<QLineEdit*>(object); line != nullptr && LeavesKeyToList(*line, *event))
        return true;
    if (event->type() == QEvent::KeyPress) {
        auto* editor = static_cast<QWidget*>(object);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            // Tab leaves the list, as it does when no editor is open, instead
            // of moving the editor to the next cell.
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            QCoreApplication::sendEvent(&list_, key);
            return true;
        }
        if (list_.DeliverFilteredKey(*editor, *key))
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void PhoneNumberDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!list_.DuplicatesOf(index.row()).empty())
        option->backgroundBrush = list_.DuplicateBrush();
}

bool PhoneNumberDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
    const QModelIndex& index)
{
    if (event->type() == QEvent::ToolTip && !list_.DuplicatesOf(index.row()).empty()) {
        QToolTip::showText(event->globalPos(), list_.DuplicateNote(index.row()), view);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

} // namespace phonelist
