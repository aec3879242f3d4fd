#include <gtest/gtest.h>

#include <filesystem>

#include "link/PortNames.h"
#include "tests/support/TestSupport.h"

using namespace tsw;

TEST(PortNames, ComNames) {
    struct Case {
        const char* name;
        int n; // 0: not a COM name
    };
    const Case cases[] = {{"COM1", 1},   {"com3", 3},       {"COM10", 10}, {"COM255", 255},
                          {"COM256", 0}, {"COM0", 0},       {"COM01", 0},  {"COM", 0},
                          {"COMX", 0},   {"/dev/ttyS0", 0}, {"COM1 ", 0},  {"XCOM1", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(parseComName(c.name).value_or(0), c.n) << c.name;
    EXPECT_EQ(comName(10), "COM10");
}

TEST(PortNames, MappingWinsThenPresentDevicesInOrder) {
    const std::vector<std::string> devices{"/dev/ttyUSB0", "/dev/ttyS0"};
    const PortMapping mapping{{2, "/dev/pts/4"}, {3, ""}};
    EXPECT_EQ(resolvePortName("COM1", mapping, devices), "/dev/ttyUSB0");
    EXPECT_EQ(resolvePortName("COM2", mapping, devices), "/dev/pts/4");
    EXPECT_EQ(resolvePortName("COM3", mapping, devices), "");
    EXPECT_EQ(resolvePortName("/dev/ttyACM0", mapping, devices), "/dev/ttyACM0");
    EXPECT_EQ(resolvePortName("ttyS0", mapping, devices), "");
}

TEST(PortNames, ListsUsbAdaptersFirstAndSkipsPlaceholders) {
    namespace fs = std::filesystem;
    tsw::test::TempDir dir;
    const fs::path sys = dir.file("sys");
    const fs::path dev = dir.file("dev");
    const fs::path usbBus = dir.file("devices/pci0/usb1/1-1");
    const fs::path platform = dir.file("devices/platform/serial8250");
    fs::create_directories(usbBus);
    fs::create_directories(platform);
    fs::create_directories(dev);
    struct Tty {
        const char* name;
        const fs::path* device; // nullptr: no hardware behind it
        const char* type;       // nullptr: no type file
        bool node;              // present in /dev
    };
    const Tty ttys[] = {
        {"ttyS0", &platform, "4", true},      {"ttyS1", &platform, "0", true},
        {"ttyS10", &platform, "4", true},     {"ttyS2", &platform, "4", true},
        {"ttyUSB10", &usbBus, nullptr, true}, {"ttyUSB2", &usbBus, nullptr, true},
        {"ttyACM0", &usbBus, nullptr, false}, {"tty5", nullptr, nullptr, true},
        {"rfcomm0", &usbBus, nullptr, true},
    };
    for (const auto& t : ttys) {
        fs::create_directories(sys / t.name);
        if (t.device)
            fs::create_directory_symlink(*t.device, sys / t.name / "device");
        if (t.type)
            tsw::test::writeText(sys / t.name / "type", std::string(t.type) + "\n");
        if (t.node)
            tsw::test::writeText(dev / t.name, "");
    }
    const auto list = listSerialDevices(sys.string(), dev.string());
    const std::vector<std::string> expected{(dev / "rfcomm0").string(),  (dev / "ttyUSB2").string(),
                                            (dev / "ttyUSB10").string(), (dev / "ttyS0").string(),
                                            (dev / "ttyS2").string(),    (dev / "ttyS10").string()};
    EXPECT_EQ(list, expected);
    EXPECT_TRUE(listSerialDevices((dir.path() / "none").string(), dev.string()).empty());
}
