#include "base/AppFolders.h"
#include "tests/support/CaseName.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsFolder(const std::string& path)
{
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

mode_t Mode(const std::string& path)
{
    struct stat info{};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

struct XdgCase {
    const char* name;
    std::optional<std::string> xdgValue; // "<temp>" stands for the temporary folder
    std::string expectedBelowTemp;
};

class FolderTest : public ::testing::TestWithParam<XdgCase> {
protected:
    TempFolder temp;
    ScopedEnv home{"HOME", temp / "home"};

    std::optional<std::string> XdgValue() const
    {
        auto value = GetParam().xdgValue;
        if (value && value->starts_with("<temp>"))
            *value = temp.path() + value->substr(6);
        return value;
    }
};

class AppDataFolderTest : public FolderTest {};

TEST_P(AppDataFolderTest, ResolvesCreatesAndRepeats)
{
    ScopedEnv xdg("XDG_DATA_HOME", XdgValue());
    const std::string expected = temp / GetParam().expectedBelowTemp;

    EXPECT_EQ(AppDataFolder(), expected);
    EXPECT_TRUE(IsFolder(expected));
    EXPECT_EQ(AppDataFolder(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Xdg, AppDataFolderTest,
    ::testing::Values(XdgCase{"set", "<temp>data", "data/Veltrane Software/"},
                      XdgCase{"set_with_slash", "<temp>data/", "data/Veltrane Software/"},
                      XdgCase{"unset", std::nullopt, "home/.local/share/Veltrane Software/"},
                      XdgCase{"empty", "", "home/.local/share/Veltrane Software/"},
                      XdgCase{"relative", "data", "home/.local/share/Veltrane Software/"}),
    CaseName());

class UpdateDataFolderTest : public FolderTest {};

TEST_P(UpdateDataFolderTest, IsPrivateToTheUser)
{
    ScopedEnv xdg("XDG_CACHE_HOME", XdgValue());
    const std::string expected = temp / GetParam().expectedBelowTemp;

    EXPECT_EQ(UpdateDataFolder(), expected);
    ASSERT_TRUE(IsFolder(expected));
    EXPECT_EQ(Mode(expected), 0700u);
    EXPECT_EQ(UpdateDataFolder(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Xdg, UpdateDataFolderTest,
    ::testing::Values(XdgCase{"set", "<temp>cache", "cache/Veltrane Software/UpdateData/"},
                      XdgCase{"unset", std::nullopt, "home/.cache/Veltrane Software/UpdateData/"},
                      XdgCase{"relative", "cache", "home/.cache/Veltrane Software/UpdateData/"}),
    CaseName());

class ConfigFolderTest : public FolderTest {};

TEST_P(ConfigFolderTest, IsPrivateToTheUser)
{
    ScopedEnv xdg("XDG_CONFIG_HOME", XdgValue());
    const std::string expected = temp / GetParam().expectedBelowTemp;

    EXPECT_EQ(ConfigFolder(), expected);
    ASSERT_TRUE(IsFolder(expected));
    EXPECT_EQ(Mode(expected), 0700u);
}

INSTANTIATE_TEST_SUITE_P(
    Xdg, ConfigFolderTest,
    ::testing::Values(XdgCase{"set", "<temp>config", "config/Veltrane Software/"},
                      XdgCase{"unset", std::nullopt, "home/.config/Veltrane Software/"}),
    CaseName());

TEST(AppFolders, DeviceDataFolderIsCreatedBelowAppData)
{
    TempFolder temp;
    ScopedEnv xdg("XDG_DATA_HOME", temp.path());

    EXPECT_EQ(DeviceDataFolder("MousePad"), temp / "Veltrane Software/MousePad/");
    EXPECT_TRUE(IsFolder(temp / "Veltrane Software/MousePad"));
}

TEST(AppFolders, PathIsReturnedWhenItCannotBeCreated)
{
    TempFolder temp;
    // A plain file where a folder level should be: mkdir fails even for root.
    ASSERT_EQ(close(creat((temp / "blocker").c_str(), 0600)), 0);
    ScopedEnv xdg("XDG_DATA_HOME", temp / "blocker/data");

    EXPECT_EQ(AppDataFolder(), temp / "blocker/data/Veltrane Software/");
    EXPECT_FALSE(IsFolder(temp / "blocker/data"));
}

TEST(AppFolders, ShippedFoldersAreBesideTheExecutable)
{
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof(self) - 1), 0);
    std::string folder(self);
    folder.erase(folder.rfind('/') + 1);

    EXPECT_EQ(ProgramFolder(), folder);
    EXPECT_EQ(DefaultDataFolder(), folder + "DefaultData/");
    EXPECT_EQ(SkinFolder(), folder + "skin/");
    // The build places the shipped folders beside every executable it makes.
    EXPECT_TRUE(IsFolder(DefaultDataFolder()));
    EXPECT_TRUE(IsFolder(SkinFolder()));
}

} // namespace
