#include "phonelist/relaytimeoutfield.h"

#include "phonebook/unicodechar.h"
#include "phonelist/undokeys.h"

#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QValidator>

#include <algorithm>

namespace phonelist {
namespace {

class RelayTimeoutValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        QString digits;
        for (const char32_t c : input.toUcs4()) {
            const int value = phonebook::DecimalDigitValue(c);
            if (value < 0)
                return Invalid;
            digits += QChar(u'0' + value);
        }
        if (digits.size() > 5 || (!digits.isEmpty() && digits.toInt() > RelayTimeoutField::Maximum))
            return Invalid;
        // A digit outside the basic plane was two code units, now one.
        position = std::min(position, static_cast<int>(digits.size()));
        input = digits;
        return Acceptable;
    }
};

} // namespace

RelayTimeoutField::RelayTimeoutField(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new RelayTimeoutValidator(this));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QLineEdit::inputRejected, this, &RelayTimeoutField::ShowRange);
}

QSize RelayTimeoutField::sizeHint() const
{
    ensurePolished();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const QMargins margins = textMargins() + contentsMargins();
    // The line edit keeps 2 pixels beside its text; one more for the cursor
    // after the last digit. The height is the style's own.
    QSize hint = QLineEdit::sizeHint();
    hint.setWidth(fontMetrics().horizontalAdvance(QString::number(Maximum)) + 2 * 2 + 1 + margins.left()
        + margins.right() + 2 * frame);
    return hint;
}

QSize RelayTimeoutField::minimumSizeHint() const
{
    return sizeHint();
}

bool RelayTimeoutField::event(QEvent* event)
{
    if (LeavesUndoKeyToWindow(*this, *event))
        return true;
    return QLineEdit::event(event);
}

void RelayTimeoutField::ShowRange()
{
    QToolTip::showText(mapToGlobal(QPoint(0, height())), tr("0 to %1 ms").arg(Maximum), this);
}

} // namespace phonelist
