#include "app/ToolSettings.h"

#include "tests/platform/comm/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace
{
void WriteText(const std::string& Path, const std::string& Text)
{
    std::ofstream(Path, std::ios::binary) << Text;
}

std::string ReadText(const std::string& Path)
{
    std::ifstream In(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

TEST(SettingsFile, FollowsTheConfigFolder)
{
    setenv("XDG_CONFIG_HOME", "/home/someone/.cfg", 1);
    EXPECT_EQ(TSettingsFile::DefaultPath(), "/home/someone/.cfg/novla-tool/settings.ini");
    unsetenv("XDG_CONFIG_HOME");
}

TEST(SettingsFile, KeepsWhatItWasGivenInAFolderItMakes)
{
    TempFolder Root;
    const std::string Path = Root.Path() + "/config/novla-tool/settings.ini";
    TSettingsFile File(Path);
    TToolSettings Read;
    std::string Error;
    ASSERT_TRUE(File.Load(Read, Error)) << "a missing file is no error: " << Error;
    EXPECT_TRUE(Read.Line.Port.empty() && Read.PresetFolder.empty());

    const TToolSettings Kept{{"COM201", "115200", "EVEN"}, "/home/someone/presets"};
    ASSERT_TRUE(File.Save(Kept, Error)) << Error;
    ASSERT_TRUE(File.Load(Read, Error)) << Error;
    EXPECT_EQ(Read.Line.Port, "COM201");
    EXPECT_EQ(Read.Line.Baud, "115200");
    EXPECT_EQ(Read.Line.Parity, "EVEN");
    EXPECT_EQ(Read.PresetFolder, "/home/someone/presets");
    struct stat Info
    {
    };
    ASSERT_EQ(stat((Root.Path() + "/config/novla-tool").c_str(), &Info), 0);
    EXPECT_EQ(Info.st_mode & 0777, 0700u);

    // Empty fields are left out; nothing but the file is left in the folder.
    ASSERT_TRUE(File.Save({{"COM3", "", ""}, ""}, Error)) << Error;
    const std::string Text = ReadText(Path);
    EXPECT_NE(Text.find("port=COM3\n"), std::string::npos) << Text;
    EXPECT_EQ(Text.find("baud"), std::string::npos) << Text;
    EXPECT_EQ(Text.find("preset-folder"), std::string::npos) << Text;
    int Files = 0;
    for ([[maybe_unused]] const auto& Entry :
         std::filesystem::directory_iterator(Root.Path() + "/config/novla-tool"))
        ++Files;
    EXPECT_EQ(Files, 1);
}

TEST(SettingsFile, ReadsHandWrittenFilesAndRefusesDamagedOnes)
{
    const struct
    {
        std::string Text;
        bool Ok;
        std::string Port, Baud, Parity;
    } Cases[] = {
        {"[window]\n# comment\n; comment\n\n port = com7 \r\nparity=Odd\nbaud=2400", true, "COM7",
         "2400", "ODD"},
        {"colour=blue\nport=COM255\n", true, "COM255", "", ""},
        {"", true, "", "", ""},
        {"port COM7\n", false, "", "", ""},
        {"=COM7\n", false, "", "", ""},
        {"port=COM0\n", false, "", "", ""},
        {"port=COM256\n", false, "", "", ""},
        {"port=COM007\n", false, "", "", ""},
        {"port=/dev/ttyS0\n", false, "", "", ""},
        {"baud=9601\n", false, "", "", ""},
        {"baud=\n", false, "", "", ""},
        {"parity=mark\n", false, "", "", ""},
        {"port=COM7\n" + std::string("baud=96\0"
                                     "00\n",
                                     11),
         false, "", "", ""},
        {std::string(70000, '#'), false, "", "", ""},
    };
    TempFolder Root;
    const std::string Path = Root.Path() + "/settings.ini";
    for (const auto& C : Cases)
    {
        WriteText(Path, C.Text);
        TToolSettings Read{{"x", "x", "x"}, "x"};
        std::string Error;
        const bool Ok = TSettingsFile(Path).Load(Read, Error);
        const std::string What = C.Text.substr(0, 30);
        EXPECT_EQ(Ok, C.Ok) << What;
        EXPECT_EQ(Error.empty(), C.Ok) << What;
        if (!Ok)
        {
            EXPECT_NE(Error.find(Path), std::string::npos) << Error;
        }
        EXPECT_EQ(Read.Line.Port, C.Port) << What;
        EXPECT_EQ(Read.Line.Baud, C.Baud) << What;
        EXPECT_EQ(Read.Line.Parity, C.Parity) << What;
    }
}

TEST(SettingsFile, SaysWhyItCannotBeReadOrWritten)
{
    TempFolder Root;
    // A folder where the file should be, and a plain file where its folder
    // should be: both refuse even a user who may write anywhere.
    const std::string Folder = Root.Path() + "/settings.ini";
    ASSERT_EQ(mkdir(Folder.c_str(), 0700), 0);
    TToolSettings Read;
    std::string Error;
    EXPECT_FALSE(TSettingsFile(Folder).Load(Read, Error));
    EXPECT_NE(Error.find(Folder), std::string::npos) << Error;
    Error.clear();
    EXPECT_FALSE(TSettingsFile(Folder).Save({{"COM1", "", ""}, ""}, Error));
    EXPECT_NE(Error.find(Folder), std::string::npos) << Error;

    WriteText(Root.Path() + "/plain", "");
    Error.clear();
    EXPECT_FALSE(TSettingsFile(Root.Path() + "/plain/novla-tool/settings.ini")
                     .Save({{"COM1", "", ""}, ""}, Error));
    EXPECT_FALSE(Error.empty());
}
} // namespace
