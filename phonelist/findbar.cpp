#include "phonelist/findbar.h"

#include "phonelist/phonelisteditor.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace phonelist {

FindBar::FindBar(PhoneListEditor& list, QWidget* parent)
    : QWidget(parent)
    , list_(list)
{
    setObjectName(QStringLiteral("FindBar"));
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("FindField"));
    field_->setPlaceholderText(tr("Find number"));
    field_->setClearButtonEnabled(true);
    field_->installEventFilter(this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("FindStatus"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->addWidget(field_, 1);
    layout->addWidget(status_);

    auto* next = new QAction(this);
    next->setShortcut(Qt::Key_F3);
    auto* previous = new QAction(this);
    previous->setShortcut(Qt::SHIFT | Qt::Key_F3);
    for (QAction* action : {next, previous}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(next, &QAction::triggered, this, &FindBar::FindNext);
    connect(previous, &QAction::triggered, this, &FindBar::FindPrevious);
    connect(field_, &QLineEdit::returnPressed, this, &FindBar::FindNext);
    // Typing looks from the current row on, so the row found stays while
    // more digits narrow the search.
    connect(field_, &QLineEdit::textEdited, this, [this] { Find(list_.currentRow() - 1, false); });
    connect(&list_, &PhoneListEditor::countsChanged, this, &FindBar::ShowCount);
    ShowCount();
    hide();
}

void FindBar::Open()
{
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

void FindBar::FindNext()
{
    Find(list_.currentRow(), false);
}

void FindBar::FindPrevious()
{
    Find(list_.currentRow(), true);
}

void FindBar::Find(int from, bool backwards)
{
    if (field_->text().isEmpty()) {
        ShowCount();
        return;
    }
    const int slot = list_.FindNumber(field_->text(), from, backwards);
    if (slot < 0) {
        status_->setText(tr("No match"));
        return;
    }
    list_.GoToSlot(slot);
    ShowCount();
}

void FindBar::ShowCount()
{
    status_->setText(list_.CountText());
}

bool FindBar::eventFilter(QObject* object, QEvent* event)
{
    if (object == field_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        list_.setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QWidget::eventFilter(object, event);
}

} // namespace phonelist
