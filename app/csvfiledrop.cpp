// A .csv file dropped on the main window.
#include "app/csvfiledrop.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QWidget>

namespace app {

CsvFileDrop::CsvFileDrop(QWidget& window, std::function<bool()> listEditable)
    : QObject(&window)
    , listEditable_(std::move(listEditable))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool CsvFileDrop::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<std::string> path = DroppableFile(*drop->mimeData());
    if (!path)
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        // The import's report is modal: shown from the event loop, not
        // inside the drop, so the program the file came from is not held in
        // its drag meanwhile.
        QMetaObject::invokeMethod(
            this, [this, file = *path] { emit dropped(file); }, Qt::QueuedConnection);
    }
    return true;
}

std::optional<std::string> CsvFileDrop::DroppableFile(const QMimeData& data) const
{
    if (!listEditable_() || data.urls().size() != 1 || !data.urls().constFirst().isLocalFile())
        return std::nullopt;
    const QString path = data.urls().constFirst().toLocalFile();
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

} // namespace app
