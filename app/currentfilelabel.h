#pragma once
// The current file's path in the main window, which is also the control
// that switches the current file: a click, or Space or Enter while it has
// the keyboard focus (it takes the focus by Tab), reports activated().
//
// text() is the whole path; a path wider than the label is drawn elided in
// the middle, so both its folder's start and the file name stay visible,
// and the tip shows it whole. The path is drawn like a link, so it looks as
// clickable as it is; a focus frame shows when the keyboard is on it.

#include <QLabel>

namespace app {

class CurrentFileLabel : public QLabel {
    Q_OBJECT
public:
    explicit CurrentFileLabel(QWidget* parent = nullptr);

    // Shows the path and makes it the tip.
    void SetPath(const QString& path);

    // One line of the font, whatever the path's length: the label never
    // widens its window.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace app
