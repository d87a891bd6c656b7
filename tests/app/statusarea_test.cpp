// The status area on a window of its own: the gauge's bounds, and the room
// the area keeps while hidden.
#include "app/statusarea.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

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

} // namespace
