#include "phonelist/phonebookhistory.h"

#include "phonelist/phonelisteditor.h"
#include "phonelist/undokeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QUndoCommand>

namespace phonelist {

// What one step changed: the slots that differ and both sides of the relay
// settings. The change is already in the window when the step is pushed.
class PhoneBookHistory::Step : public QUndoCommand {
public:
    Step(PhoneBookHistory& history, const PhoneBookState& before, const PhoneBookState& after)
        : history_(history)
        , timeoutBefore_(before.relayTimeout)
        , timeoutAfter_(after.relayTimeout)
        , externalOffBefore_(before.externalOff)
        , externalOffAfter_(after.externalOff)
    {
        for (std::size_t slot = 0; slot < after.numbers.size(); ++slot)
            if (before.numbers[slot] != after.numbers[slot])
                slots_.push_back({static_cast<int>(slot), before.numbers[slot], after.numbers[slot]});
    }

    void undo() override { Go(&SlotChange::before, timeoutBefore_, externalOffBefore_); }
    void redo() override
    {
        if (pushed_)
            Go(&SlotChange::after, timeoutAfter_, externalOffAfter_);
        pushed_ = true;
    }

private:
    struct SlotChange {
        int slot;
        std::string before;
        std::string after;
    };

    void Go(std::string SlotChange::*side, const QString& timeout, bool externalOff)
    {
        PhoneBookState state = history_.Current();
        for (const SlotChange& change : slots_)
            state.numbers[change.slot] = change.*side;
        state.relayTimeout = timeout;
        state.externalOff = externalOff;
        history_.Apply(state);
    }

    PhoneBookHistory& history_;
    std::vector<SlotChange> slots_;
    QString timeoutBefore_;
    QString timeoutAfter_;
    bool externalOffBefore_;
    bool externalOffAfter_;
    bool pushed_ = false;
};

PhoneBookHistory::PhoneBookHistory(PhoneListEditor& list, QLineEdit& relayTimeout, QAbstractButton& externalOff,
    QObject* parent)
    : QObject(parent)
    , list_(list)
    , relayTimeout_(relayTimeout)
    , externalOff_(externalOff)
{
    undo_ = new QAction(tr("&Undo"), this);
    undo_->setShortcuts({UndoKey});
    redo_ = new QAction(tr("&Redo"), this);
    redo_->setShortcuts({RedoKeys[0], RedoKeys[1]});
    connect(undo_, &QAction::triggered, this, &PhoneBookHistory::Undo);
    connect(redo_, &QAction::triggered, this, &PhoneBookHistory::Redo);

    connect(&list_, &PhoneListEditor::changesSettled, this, &PhoneBookHistory::Checkpoint);
    connect(&relayTimeout_, &QLineEdit::editingFinished, this, &PhoneBookHistory::Checkpoint);
    connect(&externalOff_, &QAbstractButton::toggled, this, &PhoneBookHistory::Checkpoint);
    // Typing makes the book differ before its step ends.
    connect(list_.model(), &QAbstractItemModel::dataChanged, this, &PhoneBookHistory::Update);
    connect(&relayTimeout_, &QLineEdit::textChanged, this, &PhoneBookHistory::Update);
    connect(&stack_, &QUndoStack::indexChanged, this, &PhoneBookHistory::Update);
    Reset();
}

PhoneBookState PhoneBookHistory::Current() const
{
    return {list_.Values(), relayTimeout_.text(), externalOff_.isChecked()};
}

void PhoneBookHistory::Checkpoint()
{
    if (recording_)
        return;
    PhoneBookState now = Current();
    if (now == settled_) {
        Update();
        return;
    }
    stack_.push(new Step(*this, settled_, now));
    settled_ = std::move(now);
    Update();
}

void PhoneBookHistory::Record(const std::function<void()>& change)
{
    Checkpoint();
    recording_ = true;
    change();
    recording_ = false;
    Checkpoint();
}

void PhoneBookHistory::Undo()
{
    Checkpoint();
    stack_.undo();
}

void PhoneBookHistory::Redo()
{
    Checkpoint();
    stack_.redo();
}

void PhoneBookHistory::MarkSaved()
{
    Checkpoint();
    stack_.setClean();
    Update();
}

void PhoneBookHistory::Reset()
{
    stack_.clear();
    settled_ = Current();
    Update();
}

void PhoneBookHistory::Apply(const PhoneBookState& state)
{
    recording_ = true;
    list_.SetValues(state.numbers);
    if (relayTimeout_.text() != state.relayTimeout)
        relayTimeout_.setText(state.relayTimeout);
    externalOff_.setChecked(state.externalOff);
    recording_ = false;
    settled_ = state;
    Update();
}

void PhoneBookHistory::Update()
{
    const bool unsettled = Current() != settled_;
    undo_->setEnabled(stack_.canUndo() || unsettled);
    redo_->setEnabled(stack_.canRedo() && !unsettled);
    const bool modified = !stack_.isClean() || unsettled;
    if (modified == modified_)
        return;
    modified_ = modified;
    emit modifiedChanged(modified_);
}

} // namespace phonelist
