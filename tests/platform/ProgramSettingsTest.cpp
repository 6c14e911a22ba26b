#include "platform/ui/ProgramSettings.h"
#include "tests/support/HangLimit.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPoint>
#include <QSettings>
#include <QSize>
#include <QStringList>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>

namespace {
namespace fs = std::filesystem;

const QStringList Recent = {"/data/monday.bin", "/data/tuesday, wednesday.bin",
                            QString::fromUtf8(u8"/données/größe.kav")};

size_t Lines(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}
} // namespace

// The settings file keeps QSettings' own format: a file the program wrote
// before reads as it was, and what it writes now QSettings reads back, the
// whole of it, over 2 MB. A value another window of the program saved
// meanwhile stays.
TEST(ProgramSettings, TheFileKeepsItsFormatAndOtherWindowsValues)
{
    ScratchFolder dir;
    const QString path = QString::fromStdString(dir.File("KAV.conf"));
    const QString filler(1000, QLatin1Char('x'));
    constexpr int Fillers = 2100;
    {
        QSettings earlier(path, QSettings::IniFormat);
        for (int i = 0; i < Fillers; ++i)
            earlier.setValue(QStringLiteral("Large/Value%1").arg(i), filler);
        earlier.setValue("RecentFiles", Recent);
        earlier.setValue("Window/Size", QSize(1030, 710));
        earlier.setValue("Window/Maximized", true);
    }
    const std::unique_ptr<ProgramSettings> settings = ProgramSettings::InFile(path);
    EXPECT_EQ(settings->Value("RecentFiles").toStringList(), Recent);
    EXPECT_EQ(settings->Value("Window/Size").toSize(), QSize(1030, 710));

    {
        QSettings other(path, QSettings::IniFormat);
        other.setValue("Folders/Csv", "/elsewhere");
    }
    settings->SetValue("Window/Position", QPoint(-30, 40));
    settings->SetValue("Window/Tab", 4);
    const QSettings reread(path, QSettings::IniFormat);
    EXPECT_EQ(reread.value("RecentFiles").toStringList(), Recent);
    EXPECT_EQ(reread.value("Window/Position").toPoint(), QPoint(-30, 40));
    EXPECT_EQ(reread.value("Window/Tab").toInt(), 4);
    EXPECT_TRUE(reread.value("Window/Maximized").toBool());
    EXPECT_EQ(reread.value("Folders/Csv").toString(), "/elsewhere");
    EXPECT_EQ(reread.value(QStringLiteral("Large/Value%1").arg(Fillers - 1)).toString(), filler);
    EXPECT_EQ(reread.allKeys().size(), Fillers + 6);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"KAV.conf"});
}

// The user's settings are a file under $XDG_CONFIG_HOME, made with its
// folder on the first change.
TEST(ProgramSettings, TheUsersSettingsLiveInTheConfigurationFolder)
{
    ScratchFolder dir;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.Path()));
    ProgramSettings::OfUser("Local AppWizard-Generated Applications", "KAV")->SetValue("Window/Tab", 2);
    qputenv("XDG_CONFIG_HOME", saved);
    const QSettings written(
        QString::fromStdString(dir.File("Local AppWizard-Generated Applications/KAV.conf")),
        QSettings::IniFormat);
    EXPECT_EQ(written.value("Window/Tab").toInt(), 2);
}

// A pipe or a device under the settings' name, there at the start or put
// there later, is neither read (which would wait for a writer) nor replaced:
// the settings hold for the run, and the program says so once.
TEST(ProgramSettings, APipeOrADeviceIsLeftAloneAndSaidOnce)
{
    ScratchFolder dir;
    const std::string device = dir.File("null");
    const bool devices = mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    if (!devices)
        std::printf("not checked with a device: making one needs root (%s)\n", std::strerror(errno));
    int made = 0;
    const auto makePipe = [&] {
        const std::string pipe = dir.File("pipe" + std::to_string(++made) + ".conf");
        EXPECT_EQ(mkfifo(pipe.c_str(), 0600), 0) << std::strerror(errno);
        return pipe;
    };
    const auto makeDeviceLink = [&] {
        const std::string link = dir.File("KAV" + std::to_string(++made) + ".conf");
        fs::create_symlink("null", link);
        return link;
    };
    std::vector<std::function<std::string()>> makers = {makePipe};
    if (devices)
        makers.emplace_back(makeDeviceLink);
    for (const auto& make : makers) {
        for (const bool atStart : {true, false}) {
            testing::internal::CaptureStderr();
            std::string name;
            {
                const HangLimit limit(5);
                if (atStart)
                    name = make();
                const std::unique_ptr<ProgramSettings> settings =
                    ProgramSettings::InFile(QString::fromStdString(atStart ? name : dir.File("later.conf")));
                if (!atStart)
                    fs::rename(name = make(), dir.File("later.conf"));
                settings->SetValue("RecentFiles", Recent);
                settings->SetValue("Window/Tab", 1);
                EXPECT_EQ(settings->Value("RecentFiles").toStringList(), Recent);
            }
            const std::string said = testing::internal::GetCapturedStderr();
            EXPECT_EQ(Lines(said), 1u) << said;
            EXPECT_NE(said.find("not a regular file"), std::string::npos) << said;
            const std::string left = atStart ? name : dir.File("later.conf");
            EXPECT_TRUE(fs::is_fifo(left) || (fs::is_symlink(left) && fs::is_character_file(left))) << left;
            fs::remove(left);
        }
    }
    EXPECT_TRUE(!devices || fs::is_character_file(device));
}

// A file far larger than settings can be (sparse) is refused, said once,
// and never written over.
TEST(ProgramSettings, AFileTooLargeForSettingsIsLeftAsItIs)
{
    ScratchFolder dir;
    const std::string huge = dir.File("huge.conf");
    WriteBytes(huge, "[Window]\nTab=1\n");
    fs::resize_file(huge, 64u << 20);
    testing::internal::CaptureStderr();
    {
        const std::unique_ptr<ProgramSettings> settings =
            ProgramSettings::InFile(QString::fromStdString(huge));
        EXPECT_FALSE(settings->Value("Window/Tab").isValid());
        settings->SetValue("Window/Tab", 2);
        EXPECT_EQ(settings->Value("Window/Tab").toInt(), 2);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(said), 1u) << said;
    EXPECT_NE(said.find("larger than"), std::string::npos) << said;
    EXPECT_EQ(fs::file_size(huge), 64u << 20);
    EXPECT_EQ(ReadBytes(huge).substr(0, 15), "[Window]\nTab=1\n");
}

// Two windows of the program saving at the same moment keep every change
// of both.
TEST(ProgramSettings, TwoWindowsSavingAtOnceKeepEveryChange)
{
    ScratchFolder dir;
    const QString path = QString::fromStdString(dir.File("KAV.conf"));
    constexpr int Changes = 40;
    const auto window = [&path](const QString& name) {
        const std::unique_ptr<ProgramSettings> settings = ProgramSettings::InFile(path);
        for (int i = 0; i < Changes; ++i)
            settings->SetValue(QStringLiteral("%1/Change%2").arg(name).arg(i), i);
    };
    testing::internal::CaptureStderr();
    std::vector<pid_t> windows;
    for (const char* name : {"First", "Second"}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            window(name);
            _exit(0);
        }
        windows.push_back(child);
    }
    for (const pid_t child : windows) {
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    const QSettings saved(path, QSettings::IniFormat);
    for (const char* name : {"First", "Second"})
        for (int i = 0; i < Changes; ++i)
            EXPECT_EQ(saved.value(QStringLiteral("%1/Change%2").arg(name).arg(i), -1).toInt(), i)
                << qPrintable(name) << i;
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"KAV.conf"});
}
