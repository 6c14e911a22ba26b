#include "platform/hid/SimulatedInstrument.h"

#include <gtest/gtest.h>

namespace {
const std::vector<uint8_t> PollRequest = {0x00, 'K', 'A', 'V', '-', '1', '2', 0xA5};

struct Opened
{
    HidResult result;
    std::unique_ptr<HidDevice> device;
};

Opened Open(SimulatedInstrument& instrument, const std::string& path = SimulatedInstrument::InstrumentPath(0))
{
    Opened opened;
    opened.result = instrument.Open(path, opened.device);
    EXPECT_EQ(opened.device != nullptr, opened.result.Ok());
    return opened;
}

HidStatus ReadStatus(HidDevice& device)
{
    uint8_t buffer[65];
    size_t count = 0;
    return device.Read(buffer, sizeof buffer, 0, count).status;
}
} // namespace

// The link's tests rely on the simulated instrument failing as a real one
// does, with each status.
TEST(SimulatedInstrument, ProducesEveryStatusOfARealDevice)
{
    SimulatedInstrument instrument;
    EXPECT_EQ(Open(instrument, "sim:nothing").result.status, HidStatus::NoDevice);

    Opened opened = Open(instrument);
    ASSERT_TRUE(opened.device);
    EXPECT_EQ(ReadStatus(*opened.device), HidStatus::Timeout); // nothing asked yet
    EXPECT_TRUE(opened.device->Write(PollRequest.data(), PollRequest.size()).Ok());
    EXPECT_EQ(ReadStatus(*opened.device), HidStatus::Ok);
    instrument.FailNextRead();
    EXPECT_EQ(ReadStatus(*opened.device), HidStatus::Io);

    instrument.FailOpens(std::errc::permission_denied);
    const Opened denied = Open(instrument);
    EXPECT_EQ(denied.result.status, HidStatus::NoAccess);
    EXPECT_FALSE(denied.result.reason.empty());

    instrument.Unplug();
    EXPECT_EQ(ReadStatus(*opened.device), HidStatus::NoDevice);
    EXPECT_EQ(opened.device->Write(PollRequest.data(), PollRequest.size()).status, HidStatus::NoDevice);
    EXPECT_EQ(Open(instrument).result.status, HidStatus::NoDevice);
}
