#include "device/SupportedDevices.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace {

// Every interface of the catalogue is covered by a line of the udev rule
// (its vendor id, and its product id where the line names one).
TEST(Packaging, UdevRuleCoversTheCatalogue)
{
    std::ifstream rules(VELTRANE_SOURCE_DIR "/packaging/70-veltrane.rules");
    ASSERT_TRUE(rules.good());
    struct Line {
        int vendor;
        int product; // -1: any
    };
    std::vector<Line> lines;
    const std::regex vendor(R"re(ATTRS\{idVendor\}=="([0-9a-f]{4})")re");
    const std::regex product(R"re(ATTRS\{idProduct\}=="([0-9a-f]{4})")re");
    for (std::string line; std::getline(rules, line);) {
        std::smatch match;
        if (line.starts_with('#') || !std::regex_search(line, match, vendor))
            continue;
        ASSERT_NE(line.find(R"(SUBSYSTEM=="hidraw")"), std::string::npos) << line;
        ASSERT_NE(line.find(R"(TAG+="uaccess")"), std::string::npos) << line;
        Line parsed{std::stoi(match[1], nullptr, 16), -1};
        if (std::regex_search(line, match, product))
            parsed.product = std::stoi(match[1], nullptr, 16);
        lines.push_back(parsed);
    }
    for (const SupportedDeviceEntry& entry : kSupportedDevices) {
        bool covered = false;
        for (const Line& line : lines)
            covered |= line.vendor == entry.vendorId && (line.product < 0 || line.product == entry.productId);
        char ids[16];
        std::snprintf(ids, sizeof(ids), "%04x:%04x", entry.vendorId, entry.productId);
        EXPECT_TRUE(covered) << ids;
    }
}

} // namespace
