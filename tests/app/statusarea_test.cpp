// The status area on a window of its own: the gauge's bounds, and the room
// the area keeps while hidden.
#include "app/statusarea.h"
#include "tests/support/qtwait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the gauge's value at each of its paints.
class PaintWatch : public QObject {
public:
    PaintWatch(QProgressBar& bar, std::vector<int>& painted)
        : bar_(bar)
        , painted_(painted)
    {
        bar.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted_.push_back(bar_.value());
        return false;
    }

private:
    QProgressBar& bar_;
    std::vector<int>& painted_;
};

class StatusAreaTest : public ::testing::Test {
protected:
    StatusAreaTest()
    {
        auto* layout = new QVBoxLayout(&window_);
        status_ = new app::StatusArea(window_);
        status_->AddTo(*layout);
    }

    QLabel& Text() const { return *window_.findChild<QLabel*>(QStringLiteral("LBL_CurrentAction")); }
    QProgressBar& Bar() const { return *window_.findChild<QProgressBar*>(QStringLiteral("ProgressBar")); }
    QTimer& Ticker() const { return *window_.findChild<QTimer*>(QStringLiteral("Timer")); }

    QWidget window_;
    app::StatusArea* status_ = nullptr;
};

TEST_F(StatusAreaTest, gaugeTakesTheNearestBoundAndShowTakesNoMoreThanAFullGauge)
{
    struct Row {
        int set;
        int shown;
    };
    for (const Row row : {Row{37, 37}, Row{-5, 0}, Row{101, 100}, Row{100, 100}, Row{0, 0}}) {
        SCOPED_TRACE(row.set);
        status_->SetGauge(row.set);
        EXPECT_EQ(status_->Gauge(), row.shown);
        EXPECT_EQ(Bar().value(), row.shown);
    }
    status_->SetGauge(60);
    status_->Show(L"Reading...", 101);
    EXPECT_EQ(status_->Gauge(), 0);
    EXPECT_EQ(Text().text(), QStringLiteral("Reading..."));
    status_->Show(L"Reading...", 100);
    EXPECT_EQ(status_->Gauge(), 100);
}

TEST_F(StatusAreaTest, hiddenAreaKeepsItsRoomAndTheTickerIsIdleUntilStarted)
{
    EXPECT_TRUE(Bar().isHidden());
    status_->Show(L"Connecting to device...", 0);
    EXPECT_FALSE(Text().isHidden());
    EXPECT_FALSE(Bar().isHidden());
    const QSize shown = window_.sizeHint();
    status_->Hide();
    EXPECT_TRUE(Text().isHidden());
    EXPECT_TRUE(Bar().isHidden());
    EXPECT_EQ(window_.sizeHint(), shown);

    EXPECT_FALSE(Ticker().isActive());
    status_->StartGaugeTicking();
    EXPECT_TRUE(Ticker().isActive());
    EXPECT_EQ(Ticker().interval(), 400);
    status_->StopGaugeTicking();
    EXPECT_FALSE(Ticker().isActive());
}

TEST_F(StatusAreaTest, gaugeMovedAtEveryPassOfTheEventLoopPaintsOnlyNowAndThenEndingWithItsLatestValue)
{
    status_->Show(L"Writing data to device...", 0);
    window_.show();
    QCoreApplication::processEvents();
    std::vector<int> painted;
    PaintWatch watch(Bar(), painted);
    // One step per pass of the event loop, as the frames of a write come.
    for (int percent = 1; percent <= 50; ++percent) {
        status_->SetGauge(percent);
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(qtwait::WaitFor([&] { return !painted.empty() && painted.back() == 50; }, std::chrono::seconds(5)));
    QCoreApplication::processEvents();
    EXPECT_LT(painted.size(), 10U);
    // Show paints at once, whatever is held back.
    status_->SetGauge(60);
    status_->Show(L"Writing data to device...", 70);
    ASSERT_GT(painted.size(), 1U);
    EXPECT_EQ(painted.back(), 70);
}

} // namespace
