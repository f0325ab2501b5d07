#include "device/HidReportDescriptor.h"
#include "device/linux/HidrawConnection.h"
#include "sim/SimDescriptors.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

HidCollection Collection(const std::vector<uint8_t>& descriptor, size_t index)
{
    std::vector<HidCollection> collections;
    HidReportDescriptor::Parse(descriptor.data(), descriptor.size(), collections);
    return collections.at(index);
}

// A SOCK_SEQPACKET pair stands in for a hidraw node: it keeps report
// boundaries. The test holds the device's end.
class HidrawConnectionOnSocket : public ::testing::Test {
protected:
    void Open(const HidCollection& collection)
    {
        int ends[2];
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends), 0);
        device = ends[1];
        connection = HidrawConnection::Create(HidAttributes{0x320F, 0x7C1F, 0}, collection, ends[0], true, true);
        ASSERT_TRUE(connection);
    }
    void TearDown() override
    {
        if (device >= 0)
            close(device);
    }
    void Send(const std::vector<uint8_t>& report) { ASSERT_EQ(write(device, report.data(), report.size()),
                                                              static_cast<ssize_t>(report.size())); }

    int device = -1;
    std::shared_ptr<HidrawConnection> connection;
};

TEST_F(HidrawConnectionOnSocket, WritesWholeReportsAndReadsOnlyItsCollection)
{
    Open(Collection(SimDescriptors::CommandInterface(), 3));
    std::vector<uint8_t> request(64, 0);
    request[0] = 4;
    request[3] = 0x01;
    size_t count = 0;
    ASSERT_TRUE(connection->Write(request.data(), request.size(), count, 1000));
    EXPECT_EQ(count, 64u);
    uint8_t seen[128];
    ASSERT_EQ(read(device, seen, sizeof(seen)), 64);
    EXPECT_EQ(seen[3], 0x01);

    Send({3, 0x01, 0x04}); // a notification: another collection's report
    std::vector<uint8_t> reply(64, 0);
    reply[0] = 4;
    reply[3] = 0x01;
    Send(reply);
    uint8_t buffer[64] = {};
    ASSERT_TRUE(connection->Read(buffer, sizeof(buffer), count, 1000));
    EXPECT_EQ(count, 64u);
    EXPECT_EQ(buffer[0], 4);
    EXPECT_EQ(buffer[3], 0x01);
}

TEST_F(HidrawConnectionOnSocket, UnnumberedReportsReadWithIdZeroInFront)
{
    Open(Collection(SimDescriptors::MouseInterface(), 0));
    Send({0x01, 0x05, 0x00, 0x07, 0x00, 0x00});
    uint8_t buffer[16] = {};
    size_t count = 0;
    ASSERT_TRUE(connection->Read(buffer, sizeof(buffer), count, 1000));
    EXPECT_EQ(count, 7u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 0x01);
    EXPECT_EQ(buffer[4], 0x07);
}

TEST_F(HidrawConnectionOnSocket, TimedReadEndsAndTheNextOneWorks)
{
    Open(Collection(SimDescriptors::CommandInterface(), 3));
    uint8_t buffer[64];
    size_t count = 7;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(connection->Read(buffer, sizeof(buffer), count, 200));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(195));
    EXPECT_EQ(count, 0u);
    std::vector<uint8_t> reply(64, 0);
    reply[0] = 4;
    Send(reply);
    EXPECT_TRUE(connection->Read(buffer, sizeof(buffer), count, 200));
}

TEST_F(HidrawConnectionOnSocket, VanishedNodeFailsAtOnce)
{
    Open(Collection(SimDescriptors::CommandInterface(), 3));
    close(device);
    device = -1;
    uint8_t buffer[64] = {4};
    size_t count = 0;
    EXPECT_FALSE(connection->Read(buffer, sizeof(buffer), count, -1));
    EXPECT_FALSE(connection->Write(buffer, sizeof(buffer), count, -1));
}

TEST_F(HidrawConnectionOnSocket, CancelFailsLaterReadsAndWrites)
{
    Open(Collection(SimDescriptors::CommandInterface(), 3));
    connection->Cancel();
    std::vector<uint8_t> reply(64, 0);
    reply[0] = 4;
    Send(reply);
    uint8_t buffer[64] = {4};
    size_t count = 0;
    EXPECT_FALSE(connection->Read(buffer, sizeof(buffer), count, -1));
    EXPECT_FALSE(connection->Write(buffer, sizeof(buffer), count, -1));
}

} // namespace
