#include "base/Trace.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Sends this process's stderr to a file until Finish() hands back what came.
class StderrCapture {
public:
    explicit StderrCapture(std::string path) : path_(std::move(path))
    {
        const int file = open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(file, STDERR_FILENO);
        close(file);
    }
    ~StderrCapture() { Restore(); }
    std::string Finish()
    {
        Restore();
        return ReadText(path_);
    }

private:
    void Restore()
    {
        if (saved_ < 0)
            return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    std::string path_;
    int saved_ = dup(STDERR_FILENO);
};

class TraceTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ScopedEnv file("VELTRANE_DEBUG_FILE", std::nullopt);
        ScopedEnv debug("VELTRANE_DEBUG", std::nullopt);
        ConfigureTrace();
    }
    TempFolder temp;
};

TEST_F(TraceTest, FileReceivesWholeLines)
{
    ScopedEnv file("VELTRANE_DEBUG_FILE", temp / "trace.log");
    ConfigureTrace();

    Trace("软件标示：%d", 49152);
    Trace("%s\n", "命令");
    Trace("%s", std::string(2000, 'x').c_str());

    EXPECT_EQ(ReadText(temp / "trace.log"),
              "软件标示：49152\n命令\n" + std::string(2000, 'x') + "\n");
}

TEST_F(TraceTest, DebugVariableWritesToStandardError)
{
    ScopedEnv debug("VELTRANE_DEBUG", "1");
    ConfigureTrace();
    StderrCapture capture(temp / "stderr");
    Trace("返回 %02x", 0xAA);
    EXPECT_EQ(capture.Finish(), "返回 aa\n");
}

TEST_F(TraceTest, SilentUnlessAsked)
{
    for (const char* value : {"0", "", "yes"}) {
        ScopedEnv debug("VELTRANE_DEBUG", value);
        ConfigureTrace();
        StderrCapture capture(temp / "stderr");
        Trace("nothing");
        EXPECT_EQ(capture.Finish(), "") << "VELTRANE_DEBUG=" << value;
    }
}

TEST_F(TraceTest, LinesFromManyThreadsAreNeverInterleaved)
{
    ScopedEnv file("VELTRANE_DEBUG_FILE", temp / "trace.log");
    ConfigureTrace();

    std::vector<std::thread> threads;
    for (char c : std::string("abcd"))
        threads.emplace_back([c] {
            const std::string line(300, c);
            for (int i = 0; i < 200; ++i)
                Trace("%s", line.c_str());
        });
    for (auto& thread : threads)
        thread.join();

    std::istringstream lines(ReadText(temp / "trace.log"));
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        ASSERT_EQ(line, std::string(300, line[0]));
    EXPECT_EQ(count, 800);
}

} // namespace
