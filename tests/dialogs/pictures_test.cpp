#include "dialogs/pictures.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

bool IsReddish(QColor c)
{
    return c.red() > 150 && c.green() < 120 && c.blue() < 120;
}
bool IsBluish(QColor c)
{
    return c.blue() > 150 && c.red() < 100;
}

TEST(Pictures, errorSignIsAWhiteCrossOnARedDiscWithTransparentCorners)
{
    const QImage image = dialogs::ErrorPicture().toImage();
    ASSERT_EQ(image.size(), QSize(40, 40));
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::white)); // where the strokes cross
    EXPECT_TRUE(IsReddish(image.pixelColor(20, 6)));
}

TEST(Pictures, informationSignIsABlueLetterInAWhiteBubble)
{
    const QImage image = dialogs::InformationPicture().toImage();
    ASSERT_EQ(image.size(), QSize(40, 40));
    EXPECT_EQ(image.pixelColor(8, 10), QColor(Qt::white));
    EXPECT_TRUE(IsBluish(image.pixelColor(20, 20))); // the stem of the i
}

TEST(Pictures, programIconIs48Pixels)
{
    EXPECT_TRUE(dialogs::ProgramIcon().availableSizes().contains(QSize(48, 48)));
}

} // namespace
