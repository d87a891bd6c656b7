#include "app/currentfilelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace app {

namespace {

// Room around the text for the focus frame.
constexpr int FocusMargin = 2;

} // namespace

CurrentFileLabel::CurrentFileLabel(QWidget* parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setContentsMargins(FocusMargin, FocusMargin, FocusMargin, FocusMargin);
    // Only the underline is this label's own; the face comes from the window.
    QFont underline;
    underline.setUnderline(true);
    setFont(underline);
}

void CurrentFileLabel::SetPath(const QString& path)
{
    setText(path);
    setToolTip(path);
}

QSize CurrentFileLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(), fontMetrics().height() + margins.top() + margins.bottom()};
}

QSize CurrentFileLabel::minimumSizeHint() const
{
    return sizeHint();
}

void CurrentFileLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Link));
    painter.drawText(area, static_cast<int>(alignment()),
        fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void CurrentFileLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
}

void CurrentFileLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit activated();
        break;
    default:
        QLabel::keyPressEvent(event);
        break;
    }
}

} // namespace app
