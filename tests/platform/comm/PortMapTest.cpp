#include "platform/comm/PortMap.h"

#include "platform/comm/PortLock.h"

#include "tests/platform/comm/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
struct PortMapFixture : ::testing::Test
{
    TempFolder Root;
    PortFolders Folders{Root.Path() + "/user/ports", Root.Path() + "/run/ports"};

    void SetUp() override
    {
        ASSERT_TRUE(EnsurePrivateFolder(Folders.User).Ok());
        ASSERT_TRUE(EnsurePrivateFolder(Folders.Runtime).Ok());
    }
    std::vector<std::unique_ptr<PortLock>> Owners; // what a registering module holds

    // A link; in the runtime folder owned (locked) by this test as long as it runs.
    void Link(const std::string& Folder, int Number, const std::string& Target)
    {
        if (Folder == Folders.Runtime)
        {
            Owners.push_back(std::make_unique<PortLock>());
            ASSERT_TRUE(Owners.back()->Acquire(Folder, Number).Ok());
        }
        ASSERT_EQ(symlink(Target.c_str(), (Folder + "/" + LinkFileName(Number)).c_str()), 0);
    }
    bool Exists(const std::string& Path) const
    {
        struct stat Info
        {
        };
        return lstat(Path.c_str(), &Info) == 0;
    }
};

TEST(PortNaming, DefaultTableCoversThreeFamiliesOf32)
{
    const std::pair<int, const char*> Cases[] = {
        {1, "/dev/ttyS0"},
        {9, "/dev/ttyS8"},
        {10, "/dev/ttyS9"},
        {32, "/dev/ttyS31"},
        {33, "/dev/ttyUSB0"},
        {64, "/dev/ttyUSB31"},
        {65, "/dev/ttyACM0"},
        {96, "/dev/ttyACM31"},
        {0, ""},
        {97, ""},
        {-1, ""},
    };
    for (const auto& [Number, Path] : Cases)
        EXPECT_EQ(DefaultDevicePath(Number), Path) << Number;
}

TEST(PortNaming, ParsesComNamesAndPlainNumbers)
{
    const std::pair<const char*, std::optional<int>> Cases[] = {
        {"COM7", 7},
        {"com12", 12},
        {"Com200", 200},
        {"9", 9},
        {"COM", std::nullopt},
        {"COM0", std::nullopt},
        {"COM-1", std::nullopt},
        {"COM7x", std::nullopt},
        {"COM 7", std::nullopt},
        {"COM99999", std::nullopt},
        {"", std::nullopt},
        {"ttyS0", std::nullopt},
    };
    for (const auto& [Text, Number] : Cases)
        EXPECT_EQ(ParsePortName(Text), Number) << Text;
    EXPECT_EQ(PortName(10), "COM10");
}

TEST_F(PortMapFixture, UserLinkWinsOverRuntimeLinkWhichWinsOverTable)
{
    Link(Folders.Runtime, 5, "/dev/pts/90");
    Link(Folders.Runtime, 6, "/dev/pts/91");
    Link(Folders.User, 5, "/dev/serial/by-id/usb-adapter");
    const PortMap Map(Folders);

    const auto Five = Map.Find(5);
    ASSERT_TRUE(Five);
    EXPECT_EQ(Five->DevicePath, "/dev/serial/by-id/usb-adapter");
    EXPECT_EQ(Five->Source, PortSource::UserLink);
    EXPECT_EQ(Map.Find(6)->DevicePath, "/dev/pts/91");
    EXPECT_EQ(Map.Find(6)->Source, PortSource::RuntimeLink);
    EXPECT_EQ(Map.Find(7)->DevicePath, "/dev/ttyS6");
    EXPECT_EQ(Map.Find(7)->Source, PortSource::DefaultTable);
    EXPECT_FALSE(Map.Find(200));
    EXPECT_FALSE(Map.Find(0));
}

TEST_F(PortMapFixture, RelativeLinkIsResolvedAgainstItsFolderAndLinksBeyondTheTableCount)
{
    Link(Folders.Runtime, 250, "../dev-node");
    const PortMap Map(Folders);
    const auto Found = Map.Find(250);
    ASSERT_TRUE(Found);
    EXPECT_EQ(Found->DevicePath, Folders.Runtime + "/../dev-node");

    const auto All = Map.Candidates(true);
    ASSERT_EQ(All.size(), 97u);
    EXPECT_EQ(All.front().Number, 1);
    EXPECT_EQ(All.back().Number, 250);
}

TEST_F(PortMapFixture, LinksInAFolderOtherUsersCanWriteAreIgnored)
{
    Link(Folders.Runtime, 3, "/dev/pts/77");
    const PortMap Map(Folders);
    const struct
    {
        const char* Where;
        mode_t Mode;
        gid_t Group;
        bool Used;
    } Cases[] = {
        {"ports", 0700, getegid(), true},
        {"ports", 0770, getegid(), true}, // the user's own group
        {"ports", 0770, getegid() + 4242, false},
        {"ports", 0707, getegid(), false},
        {"parent", 0777, getegid(), false},
    };
    for (const auto& Case : Cases)
    {
        if (Case.Group != getegid() && geteuid() != 0)
            continue; // only root can hand a folder to another group
        const std::string Folder = std::string(Case.Where) == "ports"
                                       ? Folders.Runtime
                                       : Folders.Runtime.substr(0, Folders.Runtime.rfind('/'));
        ASSERT_EQ(chown(Folder.c_str(), geteuid(), Case.Group), 0);
        ASSERT_EQ(chmod(Folder.c_str(), Case.Mode), 0);
        EXPECT_EQ(Map.Find(3)->DevicePath, Case.Used ? "/dev/pts/77" : "/dev/ttyS2")
            << Case.Where << " " << Case.Mode;
        EXPECT_EQ(EnsurePrivateFolder(Folders.Runtime).Ok(), Case.Used);
        ASSERT_EQ(chown(Folder.c_str(), geteuid(), getegid()), 0);
        ASSERT_EQ(chmod(Folder.c_str(), 0700), 0);
    }
}

TEST_F(PortMapFixture, RuntimeLinkWhoseOwnerIsGoneIsIgnoredAndRemoved)
{
    // Owner gone: its lock released; and a link that never had an owner.
    Link(Folders.Runtime, 7, "/dev/pts/70");
    ASSERT_EQ(symlink("/dev/pts/71", (Folders.Runtime + "/com8").c_str()), 0);
    Owners.back()->Release();
    const PortMap Map(Folders);
    EXPECT_EQ(Map.Find(7)->Source, PortSource::DefaultTable);
    EXPECT_EQ(Map.Find(8)->DevicePath, "/dev/ttyS7");
    EXPECT_FALSE(Exists(Folders.Runtime + "/com7"));
    EXPECT_FALSE(Exists(Folders.Runtime + "/com8"));

    // The number can be taken again, and only by one owner at a time.
    PortLock Next, Rival;
    ASSERT_TRUE(Next.Acquire(Folders.Runtime, 7).Ok());
    EXPECT_EQ(Rival.Acquire(Folders.Runtime, 7).Status, CommStatus::Busy);
    EXPECT_TRUE(IsPortLockHeld(Folders.Runtime, 7));
    Next.Release();
    EXPECT_FALSE(IsPortLockHeld(Folders.Runtime, 7));
    EXPECT_FALSE(Exists(PortLockPath(Folders.Runtime, 7)));
}

TEST_F(PortMapFixture, OnlyExactLinkNamesCountInTheListAndInTheLookup)
{
    Link(Folders.User, 5, "/dev/pts/50");
    ASSERT_EQ(symlink("/dev/pts/60", (Folders.User + "/com06").c_str()), 0);
    ASSERT_EQ(symlink("/dev/pts/61", (Folders.User + "/com0200").c_str()), 0);
    const PortMap Map(Folders);
    std::vector<int> Linked;
    for (const PortLocation& Port : Map.Candidates())
        if (Port.Source != PortSource::DefaultTable) Linked.push_back(Port.Number);
    EXPECT_EQ(Linked, std::vector<int>{5});
    EXPECT_EQ(Map.Find(6)->DevicePath, "/dev/ttyS5");
    EXPECT_FALSE(Map.Find(200));
}

TEST_F(PortMapFixture, FoldersIgnoredForTheirPermissionsAreNamed)
{
    EXPECT_TRUE(PortMap(Folders).IgnoredFolders().empty());
    ASSERT_EQ(chmod(Folders.User.c_str(), 0707), 0);
    EXPECT_EQ(PortMap(Folders).IgnoredFolders(), std::vector<std::string>{Folders.User});
    ASSERT_EQ(chmod(Folders.User.c_str(), 0700), 0);
    // A folder that does not exist is not ignored, only absent.
    EXPECT_TRUE(PortMap({Root.Path() + "/none", Root.Path() + "/none2"}).IgnoredFolders().empty());
}

TEST_F(PortMapFixture, DanglingLinkIsReportedNotReplacedByTheTable)
{
    Link(Folders.User, 33, Root.Path() + "/unplugged");
    const auto Found = PortMap(Folders).Find(33);
    ASSERT_TRUE(Found);
    EXPECT_EQ(Found->DevicePath, Root.Path() + "/unplugged");
}

// Restores one environment variable on destruction.
struct SavedVariable
{
    std::string Name;
    std::optional<std::string> Value;
    explicit SavedVariable(std::string N) : Name(std::move(N))
    {
        if (const char* V = std::getenv(Name.c_str())) Value = V;
    }
    ~SavedVariable()
    {
        if (Value)
            setenv(Name.c_str(), Value->c_str(), 1);
        else
            unsetenv(Name.c_str());
    }
};

TEST(PortFolders, FollowTheEnvironment)
{
    const SavedVariable Saved[] = {SavedVariable("XDG_RUNTIME_DIR"),
                                   SavedVariable("XDG_CONFIG_HOME"), SavedVariable("HOME")};
    setenv("XDG_RUNTIME_DIR", "/run/user/4242", 1);
    setenv("XDG_CONFIG_HOME", "/home/someone/.cfg", 1);
    EXPECT_EQ(PortFoldersFromEnvironment().Runtime, "/run/user/4242/novla-tool/ports");
    EXPECT_EQ(PortFoldersFromEnvironment().User, "/home/someone/.cfg/novla-tool/ports");
    unsetenv("XDG_RUNTIME_DIR");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(PortFoldersFromEnvironment().Runtime,
              "/tmp/novla-tool-" + std::to_string(getuid()) + "/ports");
    EXPECT_EQ(PortFoldersFromEnvironment().User, "/home/someone/.config/novla-tool/ports");
}
} // namespace
