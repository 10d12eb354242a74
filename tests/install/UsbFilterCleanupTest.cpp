// The USB lower-filter cleanup against the real registry of the prefix, with a device
// set-up library that serves a scripted set of USB device interfaces.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "TestRegistry.h"
#include "entry/SetupState.h"
#include "install/UsbFilterCleanup.h"

namespace {

const char kClassKey[] =
    "System\\CurrentControlSet\\Control\\DeviceClasses\\{A5DCBF10-6530-11D2-901F-00C04FB951ED}";
const char kInterfaceSuffix[] = "#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

using ScriptProc = void(WINAPI*)(const char* const*, int, const int*, int);
using CallsProc = int(WINAPI*)(int);

// One scripted USB device: its interface path, its registry entries and what the
// cleanup must leave of its LowerFilters value.
struct Device {
    std::string label;
    std::string path;                      // as the device set-up library reports it
    std::vector<std::string> filters;      // LowerFilters of the hardware key; empty: no value
    bool expectDeleted;
};

class UsbFilterCleanupTest : public ::testing::Test {
protected:
    UsbFilterCleanupTest() : m_enum(HKEY_LOCAL_MACHINE, "Enum\\USB\\VID_SETUPTEST"), m_classes(HKEY_LOCAL_MACHINE, kClassKey)
    {
        m_libraryPath = ProgramFolder() + "\\doubles\\fakesetupapi.dll";
        m_library = LoadLibraryA(m_libraryPath.c_str());
        m_script = reinterpret_cast<ScriptProc>(reinterpret_cast<void*>(GetProcAddress(m_library, "FakeSetupApi_Script")));
        m_calls = reinterpret_cast<CallsProc>(reinterpret_cast<void*>(GetProcAddress(m_library, "FakeSetupApi_Calls")));
        SetFlags(false, true, false);
    }
    ~UsbFilterCleanupTest() override
    {
        SetFlags(false, false, false);
        if (m_library)
            FreeLibrary(m_library);
    }

    static void SetFlags(bool win95, bool win98, bool winMe)
    {
        g_setup.m_bWin95 = win95;
        g_setup.m_bWin98 = win98;
        g_setup.m_bWinMe = winMe;
        g_setup.m_bWinXP = g_setup.m_bWinNT5 = g_setup.m_bWinNTOther = FALSE;
    }

    static std::string Instance(size_t n) { return "USB\\VID_SETUPTEST\\" + std::to_string(n); }
    static std::string LocalPath(size_t n) { return "\\\\.\\USB#VID_SETUPTEST#" + std::to_string(n) + kInterfaceSuffix; }

    // The registry of the prefix as a Windows 98 system would hold it for the devices.
    static void Register(const std::vector<Device>& devices)
    {
        for (size_t n = 0; n < devices.size(); ++n) {
            const Device& device = devices[n];
            if (device.path.compare(0, 4, "\\\\.\\") != 0)
                continue;
            std::string subkey = "##.#" + device.path.substr(4);
            testreg::SetString(HKEY_LOCAL_MACHINE, std::string(kClassKey) + "\\" + subkey, "DeviceInstance", Instance(n));
            if (!device.filters.empty())
                testreg::SetBytes(HKEY_LOCAL_MACHINE, "Enum\\" + Instance(n), "LowerFilters", REG_MULTI_SZ,
                                  testreg::MultiString(device.filters));
        }
    }

    void Script(const std::vector<Device>& devices, const std::vector<int>& unreadable = {})
    {
        std::vector<const char*> paths;
        for (const Device& device : devices)
            paths.push_back(device.path.c_str());
        m_script(paths.data(), static_cast<int>(paths.size()), unreadable.data(), static_cast<int>(unreadable.size()));
    }

    static bool HasFilters(size_t n) { return testreg::ValueExists(HKEY_LOCAL_MACHINE, "Enum\\" + Instance(n), "LowerFilters"); }

    testreg::ScopedKey m_enum;
    testreg::ScopedKey m_classes;
    std::string m_libraryPath;
    HMODULE m_library = nullptr;
    ScriptProc m_script = nullptr;
    CallsProc m_calls = nullptr;
};

TEST_F(UsbFilterCleanupTest, RemovesTheValueOnlyWhereOurDriverIsTheFirstFilter)
{
    ASSERT_NE(m_script, nullptr);
    std::vector<Device> devices = {
        {"driver first, another after", LocalPath(0), {"PTRFILTR.SYS", "other.sys"}, true},
        {"another filter first", LocalPath(1), {"other.sys", "ptrfiltr.sys"}, false},
        {"the stem without its extension", LocalPath(2), {"ptrfiltr"}, false},
        {"the NT form of the path", "\\\\?\\USB#VID_SETUPTEST#3" + std::string(kInterfaceSuffix), {"ptrfiltr.sys"}, false},
        {"lower case, alone", LocalPath(4), {"ptrfiltr.sys"}, true},
        {"no LowerFilters value", LocalPath(5), {}, false},
        {"a longer name that starts like ours", LocalPath(6), {"ptrfiltr.sys2"}, false},
    };
    Register(devices);
    // The NT-form device has registry entries all the same, under its local-form name.
    testreg::SetString(HKEY_LOCAL_MACHINE, std::string(kClassKey) + "\\##.#USB#VID_SETUPTEST#3" + kInterfaceSuffix,
                       "DeviceInstance", Instance(3));
    testreg::SetBytes(HKEY_LOCAL_MACHINE, "Enum\\" + Instance(3), "LowerFilters", REG_MULTI_SZ,
                      testreg::MultiString({"ptrfiltr.sys"}));
    Script(devices);
    ClearUsbLowerFiltersWith(m_libraryPath.c_str());
    for (size_t n = 0; n < devices.size(); ++n) {
        if (devices[n].filters.empty())
            continue;
        EXPECT_EQ(HasFilters(n), !devices[n].expectDeleted) << devices[n].label;
    }
    EXPECT_EQ(testreg::ReadBytes(HKEY_LOCAL_MACHINE, "Enum\\" + Instance(1), "LowerFilters"),
              testreg::MultiString({"other.sys", "ptrfiltr.sys"}))
        << "a kept value is unchanged";
    EXPECT_EQ(m_calls(0), 1) << "one device set";
    EXPECT_EQ(m_calls(2), 1) << "the set is destroyed";
}

TEST_F(UsbFilterCleanupTest, RunsOnWindows95And98AndMeOnly)
{
    struct Case {
        const char* label;
        bool win95, win98, winMe;
        bool runs;
    };
    const Case cases[] = {
        {"Windows 95", true, false, false, true},
        {"Windows 98", false, true, false, true},
        {"Windows Me", false, false, true, true},
        {"no 9x flag", false, false, false, false},
    };
    std::vector<Device> devices = {{"ours", LocalPath(0), {"PTRFILTR.SYS"}, true}};
    for (const Case& c : cases) {
        Register(devices);
        Script(devices);
        SetFlags(c.win95, c.win98, c.winMe);
        if (!c.runs)
            g_setup.m_bWinXP = TRUE;
        ClearUsbLowerFiltersWith(m_libraryPath.c_str());
        EXPECT_EQ(m_calls(0), c.runs ? 1 : 0) << c.label;
        EXPECT_EQ(HasFilters(0), !c.runs) << c.label;
    }
}

TEST_F(UsbFilterCleanupTest, DevicePathsTooLongForTheDetailBufferAreSkipped)
{
    // The detail buffer of 256 bytes holds a path of 251 characters and its terminator.
    // (Wine's ANSI registry functions take key paths of at most 259 characters, so the
    // device-class keys of such long paths cannot be made here: the library's count of
    // details it could hand over shows where the boundary lies.)
    auto pathOfLength = [](size_t n, size_t length) {
        std::string head = "\\\\.\\USB#VID_SETUPTEST#" + std::to_string(n) + "#";
        return head + std::string(length - head.size(), 'x');
    };
    struct Case {
        size_t length;
        int served;
    };
    for (const Case& c : {Case{200, 1}, Case{251, 1}, Case{252, 0}, Case{400, 0}}) {
        std::vector<Device> devices = {{"long", pathOfLength(0, c.length), {}, false}};
        Script(devices);
        ClearUsbLowerFiltersWith(m_libraryPath.c_str());
        EXPECT_EQ(m_calls(4), c.served) << c.length << " characters";
        EXPECT_EQ(m_calls(2), 1) << "the walk goes on to its end";
    }
}

TEST_F(UsbFilterCleanupTest, AnInterfaceThatCannotBeReadDoesNotEndTheWalk)
{
    std::vector<Device> devices = {
        {"unreadable", LocalPath(0), {"ptrfiltr.sys"}, false},
        {"after it", LocalPath(1), {"ptrfiltr.sys"}, true},
    };
    Register(devices);
    Script(devices, {0});
    ClearUsbLowerFiltersWith(m_libraryPath.c_str());
    EXPECT_TRUE(HasFilters(0));
    EXPECT_FALSE(HasFilters(1));
}

TEST_F(UsbFilterCleanupTest, OnlyTheFirst128InterfacesAreExamined)
{
    std::vector<Device> devices;
    for (size_t n = 0; n < 130; ++n)
        devices.push_back({"device " + std::to_string(n), LocalPath(n), {"ptrfiltr.sys"}, n < 128});
    Register(devices);
    Script(devices);
    ClearUsbLowerFiltersWith(m_libraryPath.c_str());
    EXPECT_FALSE(HasFilters(0));
    EXPECT_FALSE(HasFilters(127));
    EXPECT_TRUE(HasFilters(128));
    EXPECT_TRUE(HasFilters(129));
    EXPECT_EQ(m_calls(1), 128) << "128 tries";
    EXPECT_EQ(m_calls(3), 127) << "the highest index asked";
}

TEST_F(UsbFilterCleanupTest, MissingKeysAndEmptyInstancesLeaveTheDeviceAlone)
{
    std::vector<Device> devices = {
        {"no device-class key", LocalPath(0), {}, false},
        {"empty device instance", LocalPath(1), {}, false},
        {"no hardware key", LocalPath(2), {}, false},
    };
    Script(devices);
    testreg::SetString(HKEY_LOCAL_MACHINE, std::string(kClassKey) + "\\##.#" + devices[1].path.substr(4),
                       "DeviceInstance", "");
    testreg::SetBytes(HKEY_LOCAL_MACHINE, "Enum\\" + Instance(1), "LowerFilters", REG_MULTI_SZ,
                      testreg::MultiString({"ptrfiltr.sys"}));
    // Without a hardware key the read falls back to the device-class key still selected.
    std::string classSubkey = std::string(kClassKey) + "\\##.#" + devices[2].path.substr(4);
    testreg::SetString(HKEY_LOCAL_MACHINE, classSubkey, "DeviceInstance", "USB\\VID_SETUPTEST\\NotThere");
    testreg::SetBytes(HKEY_LOCAL_MACHINE, classSubkey, "LowerFilters", REG_MULTI_SZ,
                      testreg::MultiString({"ptrfiltr.sys"}));
    ClearUsbLowerFiltersWith(m_libraryPath.c_str());
    EXPECT_TRUE(HasFilters(1)) << "an empty device instance is skipped";
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, classSubkey, "LowerFilters"))
        << "the value read from the device-class key is the one deleted";
}

TEST_F(UsbFilterCleanupTest, ALibraryThatIsMissingOrLacksAFunctionChangesNothing)
{
    std::vector<Device> devices = {{"ours", LocalPath(0), {"ptrfiltr.sys"}, false}};
    Register(devices);
    Script(devices);
    ClearUsbLowerFiltersWith((ProgramFolder() + "\\doubles\\no-such-library.dll").c_str());
    ClearUsbLowerFiltersWith((ProgramFolder() + "\\doubles\\SETUP32.DLL").c_str());
    EXPECT_TRUE(HasFilters(0));
    EXPECT_EQ(m_calls(0), 0);
}

TEST_F(UsbFilterCleanupTest, TheSystemLibraryIsLoadedFromTheSystemFolder)
{
    // A copy of the stand-in beside the program must not be picked up in its place, even
    // where the system would prefer a library of that name found on the search path.
    testreg::SetString(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "setupapi", "native,builtin");
    std::string besideProgram = ProgramFolder() + "\\SETUPAPI.DLL";
    ASSERT_TRUE(CopyFileA(m_libraryPath.c_str(), besideProgram.c_str(), FALSE));
    std::vector<Device> devices = {{"ours", LocalPath(0), {"ptrfiltr.sys"}, false}};
    Register(devices);
    Script(devices);
    DeleteFileA((besideProgram + ".loaded").c_str());
    ClearUsbLowerFilters();
    testreg::DeleteValue(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "setupapi");
    EXPECT_FALSE(PathExists(besideProgram + ".loaded")) << "the copy beside the program was loaded";
    DeleteFileA(besideProgram.c_str());
    DeleteFileA((besideProgram + ".loaded").c_str());
    EXPECT_TRUE(HasFilters(0)) << "the system's library knows none of the scripted devices";
}

}  // namespace
