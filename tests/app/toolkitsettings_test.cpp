// In a test program of its own: where Qt keeps its settings is process-wide.
#include "app/toolkitsettings.h"

#include "tests/support/tempdir.h"

#include <QFileDialog>
#include <QSettings>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The dialog writes its state as it is destroyed.
void UseAFileDialog()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(QStringLiteral("/"));
}

TEST(PrivateToolkitSettings, fileDialogLeavesNothingInTheUsersSettingsFolder)
{
    TempDir user; // the user's settings folder
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(user.Path()));
    UseAFileDialog();
    ASSERT_TRUE(std::filesystem::exists(user / "QtProject.conf")) << "Qt's dialog writes there on its own";
    std::filesystem::remove(user / "QtProject.conf");

    {
        const app::PrivateToolkitSettings toolkitSettings;
        UseAFileDialog();
    }

    EXPECT_TRUE(std::filesystem::is_empty(user.Path()));
}

} // namespace
