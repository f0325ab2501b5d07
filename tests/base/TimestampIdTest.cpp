#include "base/TimestampId.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <thread>

namespace {

TEST(NewTimestampId, HasTheFileNameFormat)
{
    const std::regex format(R"(\d{4}_\d{2}_\d{2}_\d{2}_\d{2}_\d{2}_\d{3})");
    EXPECT_TRUE(std::regex_match(NewTimestampId(), format));
}

TEST(NewTimestampId, IdsMadeInATightLoopAndOnManyThreadsDiffer)
{
    std::vector<std::vector<std::string>> made(4);
    std::vector<std::thread> threads;
    for (auto& ids : made)
        threads.emplace_back([&ids] {
            for (int i = 0; i < 500; ++i)
                ids.push_back(NewTimestampId());
        });
    for (auto& thread : threads)
        thread.join();

    std::set<std::string> distinct;
    for (const auto& ids : made) {
        // Within one thread they also come out in order.
        EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
        distinct.insert(ids.begin(), ids.end());
    }
    EXPECT_EQ(distinct.size(), 2000u);
}

} // namespace
