#pragma once
// Drives modal windows in widget tests. Each modal window that opens gets
// the next queued action, run from inside its own event loop; with no
// action queued it is closed, so a test never hangs on an unexpected dialog.
// The titles of all modal windows seen are recorded in order.

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>

class ModalWatch : public QObject {
public:
    using Action = std::function<void(QWidget&)>;

    ModalWatch() { qApp->installEventFilter(this); }
    ~ModalWatch() override { qApp->removeEventFilter(this); }

    void Then(Action action) { actions_.push_back(std::move(action)); }
    const QStringList& Titles() const { return titles_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (!object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        if (!widget->isWindow())
            return false;
        if (event->type() == QEvent::Hide) {
            widget->setProperty(SeenProperty, false); // a reused dialog counts again
        } else if (event->type() == QEvent::Show && widget->isModal() && !widget->property(SeenProperty).toBool()) {
            widget->setProperty(SeenProperty, true);
            titles_.push_back(widget->windowTitle());
            Action action = [](QWidget& window) { window.close(); };
            if (!actions_.empty()) {
                action = std::move(actions_.front());
                actions_.pop_front();
            }
            QPointer<QWidget> target(widget);
            QTimer::singleShot(0, widget, [target, action] {
                if (target)
                    action(*target);
            });
        }
        return false;
    }

private:
    static constexpr const char* SeenProperty = "modalWatchSeen";
    std::deque<Action> actions_;
    QStringList titles_;
};
