#include "tests/link/LinkFixture.h"

#include <cmath>

#include "link/LineSettings.h"

using namespace tsw;
using namespace tsw::test;

using CommPortTest = LinkFixture;

TEST(LineSettingsText, ParsesTheModeStringAndRefusesMalformedOnes) {
    struct Case {
        const char* text;
        bool ok;
        std::uint32_t baud = 0;
        Parity parity = Parity::None;
        int data = 0;
        StopBits stop = StopBits::One;
    };
    const Case cases[] = {
        {"9600,N,8,2", true, 9600, Parity::None, 8, StopBits::Two},
        {"1200,e,7,1", true, 1200, Parity::Even, 7, StopBits::One},
        {"300,O,6,2", true, 300, Parity::Odd, 6, StopBits::Two},
        {"110,M,5,1.5", true, 110, Parity::Mark, 5, StopBits::OneAndHalf},
        {"19200,S,8,1", true, 19200, Parity::Space, 8, StopBits::One},
        {"9600,N,8", false},
        {"9600,N,8,2,1", false},
        {"9600,X,8,2", false},
        {"9600,N,9,2", false},
        {"9600,N,4,2", false},
        {"9600,N,8,3", false},
        {"96OO,N,8,2", false},
        {",N,8,2", false},
        {"0,N,8,2", false},
        {"9600,N,8,1.5", false},
        {"9600,N,5,2", false},
        {"9600 ,N,8,2", false},
        {"", false},
        {"9600,NN,8,2", false},
        {"9600,N,88,2", false},
    };
    for (const auto& c : cases) {
        const auto s = parseLineSettings(c.text);
        ASSERT_EQ(s.has_value(), c.ok) << c.text;
        if (!c.ok)
            continue;
        EXPECT_EQ(s->baud, c.baud);
        EXPECT_EQ(s->parity, c.parity);
        EXPECT_EQ(s->dataBits, c.data);
        EXPECT_EQ(s->stopBits, c.stop);
    }
    const LineSettings n82;
    EXPECT_EQ(n82.bitsPerCharacter(), 11.0);
    EXPECT_NEAR(LineSettings{1200}.wireTimeMs(68), 623.33, 0.01);
    EXPECT_NEAR(LineSettings{2400}.wireTimeMs(68), 311.67, 0.01);
}

TEST_F(CommPortTest, PortNumberAndDevicePath) {
    EXPECT_EQ(link.portName(), "COM1");
    EXPECT_TRUE(link.setPortNumber(12)); // closed: just stored
    EXPECT_EQ(link.portName(), "COM12");
    EXPECT_EQ(link.devicePath(), "/dev/fake12");
    ASSERT_TRUE(link.open());
    EXPECT_EQ(device.openedPath, "/dev/fake12");
    // 0 keeps the number but still closes and reopens an open port.
    EXPECT_TRUE(link.setPortNumber(0));
    EXPECT_EQ(link.portNumber(), 12);
    EXPECT_EQ(device.openCount, 2);
    link.setDevicePath("/dev/pts/7");
    EXPECT_EQ(link.portName(), "/dev/pts/7");
    EXPECT_TRUE(link.setPortNumber(3));
    EXPECT_EQ(device.openedPath, "/dev/fake3");
    EXPECT_TRUE(link.setOpen(true)); // already open: nothing happens
    EXPECT_EQ(device.openCount, 3);
    EXPECT_TRUE(link.setOpen(false));
    EXPECT_FALSE(device.isOpen());
}

TEST_F(CommPortTest, LineSettingsLoseTheirSpacesAndApplyAtOnce) {
    ASSERT_TRUE(link.open());
    EXPECT_TRUE(link.setLineSettings(" 4800, E ,7,1 "));
    EXPECT_EQ(link.lineSettings(), "4800,E,7,1");
    EXPECT_EQ(device.settings, (LineSettings{4800, Parity::Even, 7, StopBits::One}));
    EXPECT_FALSE(link.setLineSettings("4800,E,7"));
}

TEST_F(CommPortTest, AFailedOpenCountsAsOpenUntilClosed) {
    link.setLineSettings("fast");
    EXPECT_FALSE(link.open());
    EXPECT_TRUE(link.isOpen());
    EXPECT_TRUE(link.setOpen(false));
    EXPECT_FALSE(device.isOpen());
    device.failOpen = true;
    EXPECT_FALSE(link.open());
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(link.bytesWaiting(), std::nullopt);
}

TEST_F(CommPortTest, ReceiveWaitsForTheWholeCountWithinTheTotalTimeout) {
    ASSERT_TRUE(link.open());
    std::array<std::uint8_t, 8> buf{};
    device.deliver(Bytes(7, 0x41), 10);
    auto start = clock.now();
    EXPECT_FALSE(link.receiveBytes(buf.data(), 8));
    EXPECT_EQ(clock.now() - start, 1000u);
    EXPECT_EQ(buf[6], 0x41); // what came stays in the buffer
    // The GUI got its chances to repaint while the receive waited.
    EXPECT_GE(std::count(clock.sleeps.begin(), clock.sleeps.end(), 0u), 10);

    link.setReadTimeout(300);
    device.deliver(Bytes(8, 0x42), 120);
    start = clock.now();
    EXPECT_TRUE(link.receiveBytes(buf.data(), 8));
    EXPECT_EQ(clock.now() - start, 120u);
}

TEST_F(CommPortTest, EverySendDiscardsUnreadInputFirst) {
    ASSERT_TRUE(link.open());
    device.deliver({0x99});
    EXPECT_EQ(link.bytesWaiting(), 1u);
    EXPECT_TRUE(link.sendByte(0x45));
    EXPECT_EQ(link.bytesWaiting(), 0u);
    const auto& e = device.events;
    ASSERT_GE(e.size(), 2u);
    EXPECT_EQ(e[e.size() - 2].kind, WireEvent::Kind::Purge);
    EXPECT_EQ(e.back().kind, WireEvent::Kind::Write);
    EXPECT_TRUE(link.sendString("NRK"));
    EXPECT_EQ(device.writes().back(), bytesOf("NRK"));
    device.failWrite = true;
    EXPECT_FALSE(link.sendByte(0x45));
}

TEST_F(CommPortTest, SerialDeviceCheckWaitsAroundTheQuery) {
    ASSERT_TRUE(link.open());
    EXPECT_TRUE(link.isSerialDevice());
    device.serialDevice = false;
    EXPECT_FALSE(link.isSerialDevice());
    EXPECT_EQ(clock.now(), 40u);
}
