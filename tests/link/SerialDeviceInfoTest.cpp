// What the port dialog says each serial device is, read from a fake sysfs tree laid out as
// the kernel lays out a USB adapter, a USB modem-class device and a built-in port.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/Settings.h"
#include "link/PortNames.h"
#include "link/SerialDeviceInfo.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
namespace fs = std::filesystem;

namespace {

struct FakeSys {
    test::TempDir dir;
    fs::path classTty() const { return dir.path() / "class" / "tty"; }
    fs::path dev() const { return dir.path() / "dev"; }

    // /sys/devices/<device> with attributes, linked from class/tty/<name>/device, and
    // dev/<name> present.
    fs::path addPort(const std::string& name, const std::string& device,
                     const std::string& driver) {
        const fs::path devicePath = dir.path() / "devices" / device;
        fs::create_directories(devicePath);
        fs::create_directories(classTty() / name);
        fs::create_symlink(devicePath, classTty() / name / "device");
        if (!driver.empty()) {
            const fs::path drv = dir.path() / "drivers" / driver;
            fs::create_directories(drv);
            fs::create_symlink(drv, devicePath / "driver");
        }
        fs::create_directories(dev());
        test::writeText(dev() / name, "");
        return devicePath;
    }
    void attribute(const fs::path& at, const std::string& name, const std::string& text) {
        test::writeText(at / name, text);
    }
};

} // namespace

TEST(SerialDeviceInfo, ReadsWhatSysfsSaysOfEachDevice) {
    FakeSys sys;
    // An FTDI adapter: the port sits two levels below the USB device.
    const fs::path ftdiPort = sys.addPort("ttyUSB0", "usb1/1-1/1-1:1.0/ttyUSB0", "ftdi_sio");
    const fs::path ftdi = ftdiPort.parent_path().parent_path();
    sys.attribute(ftdi, "idVendor", "0403\n");
    sys.attribute(ftdi, "idProduct", "6001\n");
    sys.attribute(ftdi, "manufacturer", "FTDI\n");
    sys.attribute(ftdi, "product", "FT232R USB UART\n");
    sys.attribute(ftdi, "serial", "A50285BI\n");
    // A modem-class device: the port's device is the interface, one level below.
    const fs::path acm = sys.addPort("ttyACM0", "usb2/2-3/2-3:1.0", "cdc_acm").parent_path();
    sys.attribute(acm, "idVendor", "2341");
    sys.attribute(acm, "idProduct", "0043");
    // A built-in port: a driver, no USB attributes.
    const fs::path builtin = sys.addPort("ttyS0", "platform/serial8250/tty/ttyS0", "serial8250");
    sys.attribute(builtin, "type", "4\n");

    const auto devices = SysfsDeviceCatalogue(sys.classTty(), sys.dev()).devices();
    ASSERT_EQ(devices.size(), 3u);
    const std::string dev = sys.dev().string();
    EXPECT_EQ(devices[0],
              (SerialDeviceInfo{dev + "/ttyACM0", true, "2341", "0043", "", "", "", "cdc_acm"}));
    EXPECT_EQ(devices[1], (SerialDeviceInfo{dev + "/ttyUSB0", true, "0403", "6001", "FTDI",
                                            "FT232R USB UART", "A50285BI", "ftdi_sio"}));
    EXPECT_EQ(devices[2],
              (SerialDeviceInfo{dev + "/ttyS0", false, "", "", "", "", "", "serial8250"}));
}

TEST(SerialDeviceInfo, AttributesFromTheDeviceAreCutAndCleaned) {
    FakeSys sys;
    const fs::path port = sys.addPort("ttyUSB3", "usb1/1-2/1-2:1.0/ttyUSB3", "");
    const fs::path usb = port.parent_path().parent_path();
    sys.attribute(usb, "idVendor", "1a86");
    sys.attribute(usb, "product", "Cable\x1b[2J\x07 " + std::string(200, 'x'));
    sys.attribute(usb, "serial", "  \n");
    const SerialDeviceInfo info =
        SysfsDeviceCatalogue(sys.classTty(), sys.dev()).describe("ttyUSB3");
    EXPECT_EQ(info.product.size(), kMaxAttributeLength);
    EXPECT_EQ(info.product.substr(0, 11), "Cable?[2J? ");
    EXPECT_EQ(info.serialNumber, "");
    EXPECT_EQ(info.driver, "");
    // A name sysfs does not know: the path alone.
    EXPECT_EQ(SysfsDeviceCatalogue(sys.classTty(), sys.dev()).describe("ttyNONE"),
              (SerialDeviceInfo{(sys.dev() / "ttyNONE").string()}));
}

TEST(SerialDeviceInfo, DescriptionSaysWhatIsKnown) {
    struct Case {
        SerialDeviceInfo device;
        const char* expected;
    };
    const Case cases[] = {
        {{"/dev/ttyUSB0", true, "0403", "6001", "FTDI", "FT232R USB UART", "A5", "ftdi_sio"},
         "FTDI FT232R USB UART (0403:6001)"},
        {{"/dev/ttyUSB0", true, "1a86", "7523", "", "USB Serial", "", "ch341"},
         "USB Serial (1a86:7523)"},
        {{"/dev/ttyACM0", true, "2341", "0043", "", "", "", "cdc_acm"}, "(2341:0043)"},
        {{"/dev/ttyUSB1", true, "", "", "", "", "", "pl2303"}, "pl2303"},
        {{"/dev/ttyS0", false, "", "", "", "", "", "serial8250"}, "serial8250"},
        {{"/dev/ttyS1", false, "", "", "", "", "", ""}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(deviceDescription(c.device), c.expected) << c.device.path;
}

TEST(PortMapping, WritingReplacesEverySpellingAndEmptyTakesTheMappingAway) {
    MemorySettingsStore store;
    store.writeString("Ports", "com2", "/dev/old");
    store.writeString("Ports", "COM3", "/dev/ttyS0");
    writePortMapping(store, 2, "/dev/ttyUSB1");
    EXPECT_EQ(readPortMapping(store), (PortMapping{{2, "/dev/ttyUSB1"}, {3, "/dev/ttyS0"}}));
    EXPECT_EQ(store.readString("Ports", "com2"), std::nullopt);
    writePortMapping(store, 3, "");
    EXPECT_EQ(readPortMapping(store), (PortMapping{{2, "/dev/ttyUSB1"}}));
}
