#include "base/JsonFile.h"
#include "tests/support/CaseName.h"
#include "tests/support/TempFolder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

Json::Value SampleProfile()
{
    Json::Value profile;
    profile["profilename"] = "Profil é 1";
    profile["profileUUID"] = "2024_03_05_14_07_09_042";
    profile["Device"][0]["DPI"] = Json::Value(Json::arrayValue);
    profile["Device"][0]["DPI"].append(800);
    profile["Device"][0]["DPI"].append(1600);
    profile["Device"][0]["ReportRate"] = 1000;
    profile["Device"][0]["Enabled"] = true;
    return profile;
}

struct ReadCase {
    const char* name;
    std::string text;
    bool parses;
};

class ReadJsonFileTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadJsonFileTest, ParsesOrYieldsNull)
{
    TempFolder temp;
    const std::string path = temp / "doc.json";
    WriteText(path, GetParam().text);

    Json::Value document = ReadJsonFile(path);

    if (GetParam().parses) {
        ASSERT_TRUE(document.isObject());
        EXPECT_EQ(document["a"].asInt(), 1);
    } else {
        EXPECT_TRUE(document.isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadJsonFileTest,
    ::testing::Values(
        ReadCase{"plain", R"({"a": 1})", true},
        ReadCase{"line_comment", "// saved by the program\n{\"a\": 1}\n", true},
        ReadCase{"block_comment", "{\"a\": /* one */ 1}", true},
        ReadCase{"crlf_line_ends", "{\r\n   \"a\" : 1\r\n}\r\n", true},
        ReadCase{"byte_order_mark", "\xEF\xBB\xBF{\"a\": 1}", true},
        ReadCase{"empty", "", false},
        ReadCase{"only_byte_order_mark", "\xEF\xBB\xBF", false},
        ReadCase{"truncated", "{\"a\": 1, \"b\": [1, 2", false},
        ReadCase{"not_json", "LANGUAGE=1\n", false},
        ReadCase{"binary", std::string("\0\x01\xff\xfe", 4), false},
        // Deeper than the parser's stack limit: it throws inside, we read null.
        ReadCase{"deeply_nested", std::string(100000, '['), false}),
    CaseName());

TEST(ReadJsonFile, MissingFileOrFolderYieldsNull)
{
    TempFolder temp;
    EXPECT_TRUE(ReadJsonFile(temp / "absent.json").isNull());
    EXPECT_TRUE(ReadJsonFile(temp.path()).isNull());
}

TEST(WriteJsonFile, WritesTheStyledFormWithOneLineEnd)
{
    TempFolder temp;
    const std::string path = temp / "profile.Json";

    ASSERT_TRUE(WriteJsonFile(SampleProfile(), path));

    EXPECT_EQ(ReadText(path),
              "{\n"
              "   \"Device\" : [\n"
              "      {\n"
              "         \"DPI\" : [ 800, 1600 ],\n"
              "         \"Enabled\" : true,\n"
              "         \"ReportRate\" : 1000\n"
              "      }\n"
              "   ],\n"
              "   \"profileUUID\" : \"2024_03_05_14_07_09_042\",\n"
              "   \"profilename\" : \"Profil \\u00e9 1\"\n"
              "}\n");
    EXPECT_EQ(ReadJsonFile(path), SampleProfile());
}

TEST(WriteJsonFile, ReplacesTheOldDocumentAndLeavesNoTemporaryFile)
{
    TempFolder temp;
    const std::string path = temp / "ProfileList.ini";
    WriteText(path, "{\"old\": true}");

    ASSERT_TRUE(WriteJsonFile(SampleProfile(), path));

    EXPECT_EQ(ReadJsonFile(path), SampleProfile());
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"ProfileList.ini"});
}

TEST(WriteJsonFile, FolderThatDoesNotExistWritesNothing)
{
    TempFolder temp;
    EXPECT_FALSE(WriteJsonFile(SampleProfile(), temp / "absent/profile.Json"));
    EXPECT_TRUE(FolderEntries(temp.path()).empty());
}

TEST(WriteJsonFile, FailedWriteKeepsTheOldDocumentIntact)
{
    TempFolder temp;
    const std::string path = temp / "profile.Json";
    const std::string old = "{\"profilename\": \"mine\"}\n";
    WriteText(path, old);

    Json::Value big = SampleProfile();
    big["padding"] = std::string(64 * 1024, 'x');

    // A file size limit makes the write fail part-way, as a full disk would,
    // and unlike folder permissions it also holds for root.
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteJsonFile(big, path);
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadText(path), old);
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"profile.Json"});
}

TEST(WriteJsonFile, ReadOnlyFolderKeepsTheOldDocumentIntact)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind root; the file size limit case covers it";
    TempFolder temp;
    const std::string path = temp / "profile.Json";
    WriteText(path, "{}");
    std::filesystem::permissions(temp.path(), std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::owner_exec);

    EXPECT_FALSE(WriteJsonFile(SampleProfile(), path));
    EXPECT_EQ(ReadText(path), "{}");
}

} // namespace
