// QSettings-backed profiles: values survive a new store on the same file,
// and a section named by a file path stays one section.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "platform/qt/QtSettings.h"

TEST(QtSettings, PathSectionsAndValuesSurviveTheRoundTrip)
{
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("profile.ini"));
    const std::string unixPath = "/home/user/notes/My Song.txt";
    const std::string windowsPath = "C:\\Music\\50%\\tune.mve";
    {
        QtSettings settings(file);
        settings.WriteInt(unixPath, "FirstLine", 12);
        settings.WriteString(windowsPath, "FontName", "Morvix LineDraw Light");
        settings.WriteString("Settings", "WindowPos", "0,1,-1,-1,-1,-1,20,20,660,260");
        settings.Flush();
    }
    QtSettings settings(file);
    EXPECT_EQ(settings.GetInt(unixPath, "FirstLine", -1), 12);
    EXPECT_EQ(settings.GetString(windowsPath, "FontName", ""), "Morvix LineDraw Light");
    EXPECT_EQ(settings.GetString("Settings", "WindowPos", ""), "0,1,-1,-1,-1,-1,20,20,660,260");
    EXPECT_EQ(settings.GetInt("/home/user/notes", "FirstLine", -1), -1);
    EXPECT_EQ(settings.GetInt(unixPath, "Missing", 7), 7);

    QSettings raw(file, QSettings::IniFormat);
    EXPECT_EQ(raw.childGroups().size(), 3);  // no group per path component
}

TEST(QtSettings, NonNumbersReadAsTheDefault)
{
    QTemporaryDir dir;
    QtSettings settings(dir.filePath(QStringLiteral("profile.ini")));
    settings.WriteString("Model", "Type", "not a number");
    EXPECT_EQ(settings.GetInt("Model", "Type", -1), -1);
}
