#include "phonelist/relaytimeoutfield.h"

#include "phonebook/unicodechar.h"
#include "phonelist/undokeys.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace phonelist {
namespace {

// Digits of the largest value, Maximum.
constexpr int MaximumDigits = 5;

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
        if (digits.size() > MaximumDigits || (!digits.isEmpty() && digits.toInt() > RelayTimeoutField::Maximum))
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
    // Room for five of the face's widest digit, whatever the value: not every
    // face draws its digits equally wide.
    const QFontMetricsF metrics(font(), this);
    const QString digits = QStringLiteral("0123456789");
    qreal widestDigit = 0;
    for (const QChar digit : digits)
        widestDigit = std::max(widestDigit, metrics.horizontalAdvance(digit));
    // QLineEdit centres the digits' bounding box, not the face's line, in its
    // height; a face whose glyph boxes reach far above its line (a
    // mathematical face standing in for a missing one) would be drawn above
    // the field, so the field is as much taller. The line edit keeps 2 pixels
    // beside its text; one more for the cursor after the last digit.
    QSize hint = QLineEdit::sizeHint();
    hint.setWidth(static_cast<int>(std::ceil(MaximumDigits * widestDigit)) + 2 * 2 + 1 + margins.left()
        + margins.right() + 2 * frame);
    const QFontMetrics lineMetrics = fontMetrics();
    hint.rheight() += std::max(0, lineMetrics.boundingRect(digits).height() - lineMetrics.height());
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
