// The application icon: every drawn size is found, and a folder without
// the files gives no icon rather than a broken one.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "platform/qt/AppIcon.h"

TEST(AppIcon, EverySizeOfTheResourceFolderIsLoaded)
{
    QIcon icon = LoadAppIcon(MORVIX_SOURCE_DIR "/res");
    ASSERT_FALSE(icon.isNull());
    QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    QImage small = icon.pixmap(QSize(16, 16)).toImage();
    EXPECT_EQ(small.size(), QSize(16, 16));
    EXPECT_GT(qAlpha(small.pixel(8, 8)), 0);  // drawn, not an empty square
}

TEST(AppIcon, AFolderWithoutIconsGivesNone)
{
    QTemporaryDir home;
    EXPECT_TRUE(LoadAppIcon(home.path().toStdString()).isNull());
}
