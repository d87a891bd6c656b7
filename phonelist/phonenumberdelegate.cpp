#include "phonelist/phonenumberdelegate.h"

#include "phonelist/phonelisteditor.h"
#include "phonebook/phonenumber.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
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

PhoneNumberDelegate::PhoneNumberDelegate(PhoneListEditor& list) : QStyledItemDelegate(&list), list_(list) {}

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

bool PhoneNumberDelegate::eventFilter(QObject* object, QEvent* event)
{
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

} // namespace phonelist
