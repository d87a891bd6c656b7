#pragma once
// The main window's status area: a line of text and the gauge of the device
// operation that runs, and the timer that advances the gauge while a read
// runs. Its two widgets are the window's own and sit in the window's layout
// (AddTo), between the phones box and the buttons. Hidden at rest, they
// keep their room, so the window does not change size while an operation
// runs.
//
// Everything here runs on the window thread.

#include <QObject>

#include <string>

class QBoxLayout;
class QLabel;
class QProgressBar;
class QTimer;

namespace app {

class StatusArea : public QObject {
public:
    // Builds the text and the gauge (hidden) in the window.
    explicit StatusArea(QWidget& window);

    // Adds the text and, under it, the gauge to the window's layout.
    void AddTo(QBoxLayout& layout);

    void Hide();
    // Shows the area with the text, painted at once; the gauge shows
    // percent, or 0 when percent is over 100.
    void Show(const std::wstring& text, unsigned percent);
    // The gauge's value, kept within 0..100.
    void SetGauge(int percent);
    int Gauge() const;
    // While a read runs the gauge advances by one every 400 ms.
    void StartGaugeTicking();
    void StopGaugeTicking();

private:
    QLabel* text_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QTimer* ticker_ = nullptr;
    // Holds the gauge's paints back: its expiry paints the latest value.
    QTimer* gaugePaint_ = nullptr;
};

} // namespace app
