// SPDX-License-Identifier: MIT
#include "get_key_value.h"
#include "path_registry.h"
#include "registry.h"
#include "start_sys_info.h"

#include "case_name.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quantora::sysinfo {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::uint32_t hklm = 0x80000002;
const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string unavailable = "System Information Is Unavailable At This Time";

Bytes textBytes(const std::string &text, bool terminatingZero)
{
    Bytes bytes(text.begin(), text.end());
    if (terminatingZero)
        bytes.push_back(0);
    return bytes;
}

// ---- GetKeyValue -----------------------------------------------------------

enum class Stored { value, keyOnly, nothing };

struct KeyValueCase {
    const char *what;
    Stored stored;
    unsigned type;
    Bytes data;
    const char *keyValOnEntry;
    bool found;
    std::string keyVal;
};

void PrintTo(const KeyValueCase &row, std::ostream *out)
{
    *out << row.what;
}

class KeyValueReading : public testing::TestWithParam<KeyValueCase> {};

TEST_P(KeyValueReading, GivesTheValueAsText)
{
    const KeyValueCase &row = GetParam();
    InMemoryRegistry registry;
    if (row.stored == Stored::value)
        registry.setValue(hklm, pathKey, "PATH", row.type, row.data);
    else if (row.stored == Stored::keyOnly)
        registry.addKey(hklm, pathKey);

    std::string keyVal = row.keyValOnEntry;
    EXPECT_EQ(GetKeyValue(registry, hklm, pathKey, "PATH", keyVal), row.found);
    EXPECT_EQ(keyVal, row.keyVal);
}

const std::string longText(1023, 'x');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, KeyValueReading, testing::Values(
    KeyValueCase{"text with terminating zero",     Stored::value,   1, textBytes("C:\\Tools\\msinfo32.exe", true),  "", true,  "C:\\Tools\\msinfo32.exe"},
    KeyValueCase{"text without terminating zero",  Stored::value,   1, textBytes("C:\\Tools\\msinfo32.exe", false), "", true,  "C:\\Tools\\msinfo32.exe"},
    KeyValueCase{"text replaces entry text",       Stored::value,   1, textBytes("new", true),   "old", true,  "new"},
    KeyValueCase{"only a terminating zero",        Stored::value,   1, Bytes{0},                 "",    true,  ""},
    KeyValueCase{"zero bytes is not found",        Stored::value,   1, Bytes{},                  "old", false, ""},
    KeyValueCase{"1024 bytes without zero",        Stored::value,   1, textBytes(longText + "y", false), "", true, longText + "y"},
    KeyValueCase{"1023 characters and zero",       Stored::value,   1, textBytes(longText, true), "",   true,  longText},
    KeyValueCase{"1025 bytes is not found",        Stored::value,   1, textBytes(longText + "yz", false), "old", false, ""},
    KeyValueCase{"missing key",                    Stored::nothing, 1, Bytes{},                  "old", false, ""},
    KeyValueCase{"missing value",                  Stored::keyOnly, 1, Bytes{},                  "old", false, ""},
    KeyValueCase{"number most significant first",  Stored::value,   4, Bytes{0x78, 0x56, 0x34, 0x12}, "", true, "&h12345678"},
    KeyValueCase{"number bytes below 0x10",        Stored::value,   4, Bytes{0x0D, 0x0C, 0x0B, 0x0A}, "", true, "&h0A0B0C0D"},
    KeyValueCase{"number with inner zero byte",    Stored::value,   4, Bytes{0x01, 0x00, 0xFF, 0x80}, "", true, "&h80FF0001"},
    KeyValueCase{"number with zero top byte",      Stored::value,   4, Bytes{0x03, 0x02, 0x01, 0x00}, "", true, "&h010203"},
    KeyValueCase{"number zero",                    Stored::value,   4, Bytes{0, 0, 0, 0},        "",    true,  "&h000000"},
    KeyValueCase{"number follows the entry text",  Stored::value,   4, Bytes{0x2A, 0, 0, 0x01},  "7",   true,  "&h70100002A"},
    KeyValueCase{"binary is not found",            Stored::value,   3, Bytes{1, 2, 3},           "keep", false, ""},
    KeyValueCase{"expandable text is not found",   Stored::value,   2, textBytes("%SystemRoot%", true), "keep", false, ""},
    KeyValueCase{"other type of zero bytes fails", Stored::value,   3, Bytes{},                  "keep", false, ""}
), byWhat);
// clang-format on

// A registry that claims more bytes than the buffer it was given.
class OverreportingRegistry : public Registry {
public:
    QueryResult queryValue(std::uint32_t, std::string_view, std::string_view,
                           std::span<unsigned char> buffer) const override
    {
        return {QueryStatus::ok, regSz, buffer.size() + 1};
    }
};

TEST(KeyValueReading, NeverReadsPastTheBuffer)
{
    OverreportingRegistry registry;
    std::string keyVal = "old";
    EXPECT_FALSE(GetKeyValue(registry, hklm, pathKey, "PATH", keyVal));
    EXPECT_EQ(keyVal, "");

    const unsigned char buffer[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(keyValueText(buffer, regSz, 5, ""), std::nullopt);
    EXPECT_EQ(keyValueText(buffer, regSz, 4, ""), "abcd");
    EXPECT_EQ(keyValueText(buffer, regSz, 2, ""), "ab");
}

// ---- StartSysInfo ----------------------------------------------------------

// Records what StartSysInfo asked the system to do.
struct Recorder {
    std::set<std::string> existingFiles;
    bool startSucceeds = true;
    bool fileTestThrows = false;
    bool startThrows = false;

    std::vector<std::string> filesTested;
    std::vector<std::string> started;
    std::vector<std::string> messages;

    SysInfoActions actions()
    {
        return {
            [this](const std::string &path) {
                filesTested.push_back(path);
                if (fileTestThrows)
                    throw std::runtime_error("file test failed");
                return existingFiles.count(path) > 0;
            },
            [this](const std::string &program) {
                started.push_back(program);
                if (startThrows)
                    throw std::runtime_error("start failed");
                return startSucceeds;
            },
            [this](std::string_view text) { messages.emplace_back(text); },
        };
    }
};

struct StartCase {
    const char *what;
    std::function<void(InMemoryRegistry &)> fill;
    std::function<void(Recorder &)> setUp;
    std::vector<std::string> filesTested;
    std::vector<std::string> started;
    bool messageShown;
};

void PrintTo(const StartCase &row, std::ostream *out)
{
    *out << row.what;
}

class SysInfoStart : public testing::TestWithParam<StartCase> {};

TEST_P(SysInfoStart, StartsTheProgramOrShowsTheMessage)
{
    const StartCase &row = GetParam();
    InMemoryRegistry registry;
    row.fill(registry);
    Recorder recorder;
    row.setUp(recorder);

    StartSysInfo(registry, recorder.actions());

    EXPECT_EQ(recorder.filesTested, row.filesTested);
    EXPECT_EQ(recorder.started, row.started);
    if (row.messageShown)
        EXPECT_EQ(recorder.messages, std::vector<std::string>{unavailable});
    else
        EXPECT_TRUE(recorder.messages.empty());
}

const auto noChange = [](Recorder &) {};
const auto withFile = [](Recorder &r) { r.existingFiles = {"C:\\Info\\MSINFO32.EXE"}; };
const auto firstValue = [](InMemoryRegistry &r) { r.setText(hklm, pathKey, "PATH", "D:\\Apps\\info.exe"); };
const auto secondValue = [](InMemoryRegistry &r) { r.setText(hklm, folderKey, "MSINFO", "C:\\Info"); };
const auto bothValues = [](InMemoryRegistry &r) {
    firstValue(r);
    secondValue(r);
};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, SysInfoStart, testing::Values(
    StartCase{"first value started unchanged without file test", firstValue, noChange, {}, {"D:\\Apps\\info.exe"}, false},
    StartCase{"first value wins over second", bothValues, withFile, {}, {"D:\\Apps\\info.exe"}, false},
    StartCase{"first value that cannot start shows message", bothValues,
              [](Recorder &r) { r.startSucceeds = false; }, {}, {"D:\\Apps\\info.exe"}, true},
    StartCase{"start that throws shows message", firstValue,
              [](Recorder &r) { r.startThrows = true; }, {}, {"D:\\Apps\\info.exe"}, true},
    StartCase{"second value with file present", secondValue, withFile,
              {"C:\\Info\\MSINFO32.EXE"}, {"C:\\Info\\MSINFO32.EXE"}, false},
    StartCase{"second value with file absent", secondValue, noChange, {"C:\\Info\\MSINFO32.EXE"}, {}, true},
    StartCase{"file test that throws shows message", secondValue,
              [](Recorder &r) { r.fileTestThrows = true; }, {"C:\\Info\\MSINFO32.EXE"}, {}, true},
    StartCase{"neither value", [](InMemoryRegistry &) {}, withFile, {}, {}, true},
    StartCase{"keys without values", [](InMemoryRegistry &r) { r.addKey(hklm, pathKey); r.addKey(hklm, folderKey); },
              withFile, {}, {}, true},
    StartCase{"first value of zero bytes falls back to second",
              [](InMemoryRegistry &r) { r.setValue(hklm, pathKey, "PATH", regSz, {}); secondValue(r); },
              withFile, {"C:\\Info\\MSINFO32.EXE"}, {"C:\\Info\\MSINFO32.EXE"}, false},
    StartCase{"zero-byte values only",
              [](InMemoryRegistry &r) { r.setValue(hklm, pathKey, "PATH", regSz, {}); r.setValue(hklm, folderKey, "MSINFO", regSz, {}); },
              withFile, {}, {}, true},
    StartCase{"first value of another type falls back to second",
              [](InMemoryRegistry &r) { r.setValue(hklm, pathKey, "PATH", 2, textBytes("%ProgramFiles%\\info.exe", true)); secondValue(r); },
              withFile, {"C:\\Info\\MSINFO32.EXE"}, {"C:\\Info\\MSINFO32.EXE"}, false},
    StartCase{"over-long first value falls back to second",
              [](InMemoryRegistry &r) { r.setText(hklm, pathKey, "PATH", std::string(1024, 'x')); secondValue(r); },
              withFile, {"C:\\Info\\MSINFO32.EXE"}, {"C:\\Info\\MSINFO32.EXE"}, false},
    StartCase{"zero inside first value is not started",
              [](InMemoryRegistry &r) { r.setValue(hklm, pathKey, "PATH", regSz, {'a', 0, 'b', 0}); },
              noChange, {}, {}, true},
    StartCase{"zero inside folder is not tested",
              [](InMemoryRegistry &r) { r.setValue(hklm, folderKey, "MSINFO", regSz, {'C', ':', 0, 'x', 0}); },
              noChange, {}, {}, true}
), byWhat);
// clang-format on

// ---- the PATH stand-in -----------------------------------------------------
// Linux and other systems without a registry; Windows reads its registry
// (windows/registry_test.cpp).
#ifndef _WIN32

struct PathCase {
    const char *what;
    const char *path;
    std::set<std::string> executables;
    std::string found;
};

void PrintTo(const PathCase &row, std::ostream *out)
{
    *out << row.what;
}

class PathLookup : public testing::TestWithParam<PathCase> {};

TEST_P(PathLookup, AnswersTheFirstLookupOnly)
{
    const PathCase &row = GetParam();
    const auto executables = row.executables;
    PathRegistry registry(row.path, [executables](const std::string &file) { return executables.count(file) > 0; });

    std::string keyVal;
    EXPECT_EQ(GetKeyValue(registry, hklm, pathKey, "PATH", keyVal), !row.found.empty());
    EXPECT_EQ(keyVal, row.found);
    EXPECT_FALSE(GetKeyValue(registry, hklm, folderKey, "MSINFO", keyVal));
    EXPECT_FALSE(GetKeyValue(registry, hklm, pathKey, "MSINFO", keyVal));
    EXPECT_FALSE(GetKeyValue(registry, 0x80000001, pathKey, "PATH", keyVal));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, PathLookup, testing::Values(
    PathCase{"hardinfo2 preferred",          "/usr/local/bin:/usr/bin", {"/usr/local/bin/hardinfo", "/usr/bin/hardinfo2"}, "/usr/bin/hardinfo2"},
    PathCase{"hardinfo before kinfocenter",  "/usr/local/bin:/usr/bin", {"/usr/local/bin/kinfocenter", "/usr/bin/hardinfo"}, "/usr/bin/hardinfo"},
    PathCase{"kinfocenter last",             "/usr/bin",                {"/usr/bin/kinfocenter"}, "/usr/bin/kinfocenter"},
    PathCase{"earlier folder wins",          "/opt/a:/opt/b",           {"/opt/a/hardinfo", "/opt/b/hardinfo"}, "/opt/a/hardinfo"},
    PathCase{"trailing slash in folder",     "/opt/a/",                 {"/opt/a/hardinfo"}, "/opt/a/hardinfo"},
    PathCase{"none installed",               "/usr/bin:/bin",           {"/usr/bin/htop"}, ""},
    PathCase{"relative and empty folders skipped", ":bin:.:/usr/bin",   {"hardinfo2", "bin/hardinfo2", "./hardinfo2", "/usr/bin/kinfocenter"}, "/usr/bin/kinfocenter"},
    PathCase{"empty PATH",                   "",                        {"/usr/bin/hardinfo2"}, ""}
), byWhat);
// clang-format on

TEST(PathLookup, StartSysInfoStartsTheProgramFound)
{
    PathRegistry registry("/usr/bin", [](const std::string &file) { return file == "/usr/bin/hardinfo"; });
    Recorder recorder;
    StartSysInfo(registry, recorder.actions());
    EXPECT_EQ(recorder.started, std::vector<std::string>{"/usr/bin/hardinfo"});
    EXPECT_TRUE(recorder.filesTested.empty());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(PathLookup, PathTooLongForTheBufferIsNotFound)
{
    const std::string folder = "/" + std::string(1020, 'd');
    PathRegistry registry(folder, [](const std::string &) { return true; });
    std::string keyVal;
    EXPECT_FALSE(GetKeyValue(registry, hklm, pathKey, "PATH", keyVal));
}

TEST(PathLookup, ExecutableFileTest)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("quantora_sysinfo_test_" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder");
    const fs::path program = dir / "program";
    const fs::path data = dir / "data";
    std::ofstream(program) << "#!/bin/sh\n";
    std::ofstream(data) << "text\n";
    fs::permissions(program, fs::perms::owner_all);
    fs::permissions(data, fs::perms::owner_read | fs::perms::owner_write);

    EXPECT_TRUE(isExecutableFile(program.string()));
    EXPECT_FALSE(isExecutableFile(data.string()));
    EXPECT_FALSE(isExecutableFile((dir / "folder").string()));
    EXPECT_FALSE(isExecutableFile((dir / "missing").string()));
    fs::remove_all(dir);
}

#endif // _WIN32

} // namespace
} // namespace quantora::sysinfo
