// The main window's status area.
#include "app/statusarea.h"

#include "app/windowparts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace app {
namespace {

// A display shows a few dozen pictures a second; the gauge of a write on a
// fast line moves hundreds of times a second, and each paint costs the
// window thread the time of several frames.
constexpr int GaugePaintIntervalMs = 40;

} // namespace

StatusArea::StatusArea(QWidget& window)
    : QObject(&window)
{
    text_ = Named(new QLabel(&window), "LBL_CurrentAction");
    text_->setMinimumHeight(14);
    gauge_ = Named(new QProgressBar(&window), "ProgressBar");
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setTextVisible(true);
    gauge_->setFormat(QStringLiteral("%p%"));
    gauge_->setFixedHeight(FittedSize(*gauge_, QSize(239, 15), QRect(0, 0, 239, 15), QStringLiteral("100%")).height());
    // The gauge takes the window's width: its own least width is the
    // style's, seven of its chunks and four digits, which some styles (the
    // Windows one) draw wider than the window.
    gauge_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    for (QWidget* part : std::initializer_list<QWidget*>{text_, gauge_}) {
        QSizePolicy policy = part->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        part->setSizePolicy(policy);
    }
    gauge_->hide();
    ticker_ = Named(new QTimer(this), "Timer");
    ticker_->setInterval(400);
    // The read gives itself up when the gauge is full.
    connect(ticker_, &QTimer::timeout, this, [this] { SetGauge(Gauge() + 1); });
    gaugePaint_ = new QTimer(this);
    gaugePaint_->setSingleShot(true);
    gaugePaint_->setInterval(GaugePaintIntervalMs);
    connect(gaugePaint_, &QTimer::timeout, this, [this] { gauge_->setUpdatesEnabled(true); });
}

void StatusArea::AddTo(QBoxLayout& layout)
{
    layout.addWidget(text_);
    layout.addSpacing(2);
    layout.addWidget(gauge_);
}

void StatusArea::Hide()
{
    text_->hide();
    gauge_->hide();
}

void StatusArea::Show(const std::wstring& text, unsigned percent)
{
    text_->show();
    gauge_->show();
    text_->setText(QString::fromStdWString(text));
    SetGauge(percent <= 100 ? static_cast<int>(percent) : 0);
    gaugePaint_->stop();
    gauge_->setUpdatesEnabled(true);
    // Painted now: the window may wait next (the pause before the frames,
    // a reopen), and the operator is meant to read it meanwhile.
    text_->repaint();
    gauge_->repaint();
}

void StatusArea::SetGauge(int percent)
{
    // QProgressBar ignores a value outside its range; the gauge takes the
    // nearest bound instead. It would repaint at once, inside the device
    // handler that moved it and so before the next frame goes out; the
    // repaint is left to the event loop, where it overlaps the line, and
    // paints the latest value once per paint interval.
    const int value = std::clamp(percent, gauge_->minimum(), gauge_->maximum());
    if (value == gauge_->value())
        return;
    gauge_->setUpdatesEnabled(false);
    gauge_->setValue(value);
    if (!gaugePaint_->isActive())
        gaugePaint_->start();
}

int StatusArea::Gauge() const
{
    return gauge_->value();
}

void StatusArea::StartGaugeTicking()
{
    ticker_->start();
}

void StatusArea::StopGaugeTicking()
{
    ticker_->stop();
}

} // namespace app
