// Block files on disk: saved whole or not at all, loaded all or nothing.

#include "serial/BlockFile.h"

#include "protocol/BlockJson.h"
#include "protocol/DefaultParameters.h"
#include "tests/platform/comm/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace
{
namespace fs = std::filesystem;

std::vector<std::string> FolderNames(const std::string& Folder)
{
    std::vector<std::string> Names;
    for (const auto& Entry : fs::directory_iterator(Folder))
        Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
}

TEST(BlockFile, SavingReplacesTheFileWholeAndLeavesNothingElse)
{
    TempFolder Root;
    const std::string Path = Root.Path() + "/preset.json";
    std::ofstream(Path) << "old and longer than the new text, which must not keep its tail";
    ModuleParameters Block = DefaultParameters();
    Block.NetId = 42;
    std::string Error;
    ASSERT_TRUE(SaveBlockFile(Path, Block, Error)) << Error;
    std::stringstream Text;
    Text << std::ifstream(Path).rdbuf();
    EXPECT_EQ(Text.str(), BlockToJson(Block) + "\n");
    EXPECT_EQ(FolderNames(Root.Path()), std::vector<std::string>{"preset.json"});
    struct stat Info
    {
    };
    ASSERT_EQ(stat(Path.c_str(), &Info), 0);
    EXPECT_EQ(Info.st_mode & 0777, 0644u);

    ModuleParameters Loaded;
    ASSERT_TRUE(LoadBlockFile(Path, Loaded, Error)) << Error;
    EXPECT_EQ(Loaded, Block);
}

TEST(BlockFile, AFailedSaveOrLoadSaysWhyAndChangesNothing)
{
    TempFolder Root;
    fs::create_directory(Root.Path() + "/taken");
    const ModuleParameters Block = DefaultParameters();
    std::string Error;
    // A folder where the file would go: the rename fails after the write.
    EXPECT_FALSE(SaveBlockFile(Root.Path() + "/taken", Block, Error));
    EXPECT_NE(Error.find("cannot write " + Root.Path() + "/taken"), std::string::npos) << Error;
    EXPECT_FALSE(SaveBlockFile(Root.Path() + "/none/preset.json", Block, Error));
    EXPECT_EQ(FolderNames(Root.Path()), std::vector<std::string>{"taken"});
    EXPECT_TRUE(FolderNames(Root.Path() + "/taken").empty());

    ModuleParameters Loaded = Block;
    for (const std::string& Path : {Root.Path() + "/taken", Root.Path() + "/missing.json"})
    {
        EXPECT_FALSE(LoadBlockFile(Path, Loaded, Error)) << Path;
        EXPECT_NE(Error.find(Path), std::string::npos) << Error;
    }
    const std::string Bad = Root.Path() + "/bad.json";
    std::ofstream(Bad) << "{\"net_id\": 3,\n\"wake\": \"1ms\"}";
    EXPECT_FALSE(LoadBlockFile(Bad, Loaded, Error));
    EXPECT_EQ(Error.rfind(Bad + ": line 2: wake '1ms'", 0), 0u) << Error;
    EXPECT_EQ(Loaded, Block);
}
} // namespace
