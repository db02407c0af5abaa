// SPDX-License-Identifier: MIT
// The About box's lookup against a real registry: Wine's, in this test's own
// prefix. Values are written with the registry API under HKEY_LOCAL_MACHINE and
// read back through WindowsRegistry, and the program found is really started: a
// stand-in (stand_in.cpp) that records that it ran.
#include "get_key_value.h"
#include "start_sys_info.h"
#include "windows_registry.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "../case_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace quantora::sysinfo {
namespace {

namespace fs = std::filesystem;

const std::wstring pathKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::wstring folderKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";

std::wstring wide(std::string_view utf8)
{
    std::wstring text(utf8.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                             text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string utf8(const fs::path &path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// Nothing registered: both keys removed.
void clearRegistry()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, pathKey.c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, folderKey.c_str());
}

HKEY createKey(const std::wstring &key)
{
    HKEY handle = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    return handle;
}

void setValue(const std::wstring &key, const wchar_t *name, DWORD type, const void *data, std::size_t size)
{
    const HKEY handle = createKey(key);
    EXPECT_EQ(RegSetValueExW(handle, name, 0, type, static_cast<const BYTE *>(data), static_cast<DWORD>(size)),
              ERROR_SUCCESS);
    RegCloseKey(handle);
}

// Text as Windows stores it: UTF-16 with a terminating zero.
void setText(const std::wstring &key, const wchar_t *name, std::string_view text, DWORD type = REG_SZ)
{
    const std::wstring value = wide(text);
    setValue(key, name, type, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
}

// ---- GetKeyValue -----------------------------------------------------------

struct KeyValueCase {
    const char *what;
    std::function<void()> store;
    bool found;
    std::string keyVal;
};

void PrintTo(const KeyValueCase &row, std::ostream *out)
{
    *out << row.what;
}

class RegistryReading : public testing::TestWithParam<KeyValueCase> {};

TEST_P(RegistryReading, GivesTheValueAsText)
{
    const KeyValueCase &row = GetParam();
    clearRegistry();
    row.store();
    std::string keyVal = "old";
    EXPECT_EQ(GetKeyValue(WindowsRegistry(), hkeyLocalMachine, programPathKey, programPathValue, keyVal), row.found);
    EXPECT_EQ(keyVal, row.keyVal);
}

std::string repeated(std::string_view text, std::size_t times)
{
    std::string result;
    for (std::size_t i = 0; i < times; ++i)
        result += text;
    return result;
}

const std::string outsideAnsi = "C:\\Ωmega\\Сведения\\msinfo32.exe";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RegistryReading, testing::Values(
    KeyValueCase{"text", [] { setText(pathKey, L"PATH", "C:\\Program Files\\Common Files\\MSINFO32.EXE"); },
                 true, "C:\\Program Files\\Common Files\\MSINFO32.EXE"},
    KeyValueCase{"text outside the ANSI code page", [] { setText(pathKey, L"PATH", outsideAnsi); }, true, outsideAnsi},
    KeyValueCase{"32-bit number", [] { const DWORD n = 0x12345678; setValue(pathKey, L"PATH", REG_DWORD, &n, 4); },
                 true, "&hold12345678"}, // after the text on entry, as the lookup has it
    KeyValueCase{"expandable text is not found",
                 [] { setText(pathKey, L"PATH", "%ProgramFiles%\\msinfo32.exe", REG_EXPAND_SZ); }, false, ""},
    KeyValueCase{"binary is not found",
                 [] { const unsigned char b[] = {'C', ':', 0}; setValue(pathKey, L"PATH", REG_BINARY, b, 3); }, false, ""},
    KeyValueCase{"nothing registered", [] {}, false, ""},
    KeyValueCase{"key without the value", [] { RegCloseKey(createKey(pathKey)); }, false, ""},
    KeyValueCase{"1023 bytes and zero", [] { setText(pathKey, L"PATH", std::string(1023, 'x')); }, true, std::string(1023, 'x')},
    KeyValueCase{"1024 bytes and zero is too long", [] { setText(pathKey, L"PATH", std::string(1024, 'x')); }, false, ""},
    // Ω is one UTF-16 unit but two bytes in UTF-8, which the buffer's size counts.
    KeyValueCase{"511 omegas and zero", [] { setText(pathKey, L"PATH", repeated("Ω", 511)); }, true, repeated("Ω", 511)},
    KeyValueCase{"512 omegas and zero is too long", [] { setText(pathKey, L"PATH", repeated("Ω", 512)); }, false, ""}
), byWhat);
// clang-format on

// ---- StartSysInfo ----------------------------------------------------------

// A folder outside the ANSI code page that holds the stand-in twice: as a
// registered full path and as the folder's MSINFO32.EXE; and a folder without it.
struct Programs {
    fs::path folder;
    fs::path named;
    fs::path inFolder;
    fs::path emptyFolder;
};

const Programs &programs()
{
    static const Programs made = [] {
        std::wstring self(32768, L'\0');
        self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
        const fs::path standIn = fs::path(self).parent_path() / "sysinfo_stand_in.exe";
        const fs::path root = fs::temp_directory_path() / L"quantora registry test Ω";
        fs::remove_all(root);
        Programs p{root / L"Сведения", root / L"Сведения" / L"info Ω.exe", root / L"Сведения" / L"MSINFO32.EXE",
                   root / L"empty"};
        fs::create_directories(p.folder);
        fs::create_directories(p.emptyFolder);
        fs::copy_file(standIn, p.named);
        fs::copy_file(standIn, p.inFolder);
        return p;
    }();
    return made;
}

fs::path ranRecord(const fs::path &program)
{
    return fs::path(program.native() + L".ran");
}

// What the About box asks the system to do, done by Windows.
struct Actions {
    std::vector<std::string> messages;

    SysInfoActions actions()
    {
        return {
            [](const std::string &path) {
                const DWORD attributes = GetFileAttributesW(wide(path).c_str());
                return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
            },
            [](const std::string &program) {
                STARTUPINFOW startup{};
                startup.cb = sizeof startup;
                PROCESS_INFORMATION process{};
                std::wstring commandLine = L"\"" + wide(program) + L"\"";
                if (!CreateProcessW(wide(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    nullptr, &startup, &process))
                    return false;
                // Waits, so that the record is there when the test looks.
                WaitForSingleObject(process.hProcess, 60000);
                CloseHandle(process.hThread);
                CloseHandle(process.hProcess);
                return true;
            },
            [this](std::string_view text) { messages.emplace_back(text); },
        };
    }
};

struct StartCase {
    const char *what;
    std::function<void()> store;
    fs::path Programs::*ran; // the program that ran, or nullptr
};

void PrintTo(const StartCase &row, std::ostream *out)
{
    *out << row.what;
}

class ProgramStart : public testing::TestWithParam<StartCase> {};

TEST_P(ProgramStart, StartsTheRegisteredProgramOrShowsTheMessage)
{
    const StartCase &row = GetParam();
    const Programs &p = programs();
    for (const fs::path &program : {p.named, p.inFolder})
        fs::remove(ranRecord(program));
    clearRegistry();
    row.store();

    Actions actions;
    StartSysInfo(WindowsRegistry(), actions.actions());

    for (const fs::path Programs::*program : {&Programs::named, &Programs::inFolder})
        EXPECT_EQ(fs::exists(ranRecord(p.*program)), program == row.ran) << utf8(p.*program);
    if (row.ran)
        EXPECT_TRUE(actions.messages.empty());
    else
        EXPECT_EQ(actions.messages, std::vector<std::string>{std::string(unavailableMessage)});
}

void registerPath(const fs::path &program, DWORD type = REG_SZ)
{
    setText(pathKey, L"PATH", utf8(program), type);
}

void registerFolder(const fs::path &folder)
{
    setText(folderKey, L"MSINFO", utf8(folder));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ProgramStart, testing::Values(
    StartCase{"registered path started unchanged", [] { registerPath(programs().named); }, &Programs::named},
    StartCase{"registered path wins over the folder",
              [] { registerPath(programs().named); registerFolder(programs().folder); }, &Programs::named},
    StartCase{"registered path that names no program",
              [] { registerPath(programs().folder / "missing.exe"); registerFolder(programs().folder); }, nullptr},
    StartCase{"folder with MSINFO32.EXE", [] { registerFolder(programs().folder); }, &Programs::inFolder},
    StartCase{"folder without MSINFO32.EXE", [] { registerFolder(programs().emptyFolder); }, nullptr},
    StartCase{"nothing registered", [] {}, nullptr},
    StartCase{"expandable path falls back to the folder",
              [] { registerPath(programs().named, REG_EXPAND_SZ); registerFolder(programs().folder); },
              &Programs::inFolder}
), byWhat);
// clang-format on

} // namespace
} // namespace quantora::sysinfo
