// Which drops the main window takes as a CSV file to import, and that the
// file is reported only once the drop has returned.
#include "app/csvfiledrop.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct DropRow {
    const char* name;
    QList<QUrl> urls;
    bool listEditable;
    bool taken;
};

class CsvFileDropTest : public ::testing::TestWithParam<DropRow> {};

TEST_P(CsvFileDropTest, takesOneLocalCsvFileWhileTheListCanBeEdited)
{
    const DropRow& row = GetParam();
    QWidget window;
    auto* drop = new app::CsvFileDrop(window, [&row] { return row.listEditable; });
    std::vector<std::string> reported;
    QObject::connect(drop, &app::CsvFileDrop::dropped, [&](const std::string& path) { reported.push_back(path); });
    QMimeData data;
    data.setUrls(row.urls);

    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &dropped);
    EXPECT_TRUE(window.acceptDrops());
    EXPECT_EQ(enter.isAccepted(), row.taken);
    EXPECT_EQ(dropped.isAccepted(), row.taken);
    // Not inside the drop: the import's report is modal.
    EXPECT_TRUE(reported.empty());
    QCoreApplication::processEvents();
    if (row.taken)
        EXPECT_EQ(reported, std::vector<std::string>{"/tmp/book.Csv"});
    else
        EXPECT_TRUE(reported.empty());
}

const QUrl Csv = QUrl::fromLocalFile(QStringLiteral("/tmp/book.Csv"));

INSTANTIATE_TEST_SUITE_P(Drops, CsvFileDropTest,
    ::testing::Values(DropRow{"csvFile", {Csv}, true, true}, DropRow{"listNotEditable", {Csv}, false, false},
        DropRow{"phoneBookFile", {QUrl::fromLocalFile(QStringLiteral("/tmp/book.kalc"))}, true, false},
        DropRow{"twoFiles", {Csv, QUrl::fromLocalFile(QStringLiteral("/tmp/other.csv"))}, true, false},
        DropRow{"remoteFile", {QUrl(QStringLiteral("https://example.org/book.csv"))}, true, false},
        DropRow{"noFile", {}, true, false}),
    [](const ::testing::TestParamInfo<DropRow>& info) { return std::string(info.param.name); });

} // namespace
