#pragma once
// A .csv file dropped on the main window: one local file whose name ends in
// ".csv" (in any case) is taken while the phone list can be edited, and
// reported as dropped() from the event loop. Anything else is refused, so
// the operator's desktop shows the drop as not possible.
//
// Everything here runs on the window thread.

#include <QObject>

#include <functional>
#include <optional>
#include <string>

class QMimeData;

namespace app {

class CsvFileDrop : public QObject {
    Q_OBJECT
public:
    // Takes the window's drops while listEditable() holds.
    CsvFileDrop(QWidget& window, std::function<bool()> listEditable);

signals:
    // The file's path in the file system's encoding.
    void dropped(const std::string& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The local .csv file a drag carries, when the phone list takes one.
    std::optional<std::string> DroppableFile(const QMimeData& data) const;

    std::function<bool()> listEditable_;
};

} // namespace app
