// SPDX-License-Identifier: MIT
// Fuzzes the About box's handling of a registry value read into its fixed
// buffer. Input: one byte for the value's type, one for the length of the text
// keyVal holds on entry, two (little-endian) for a byte count claimed by the
// registry, then keyVal's entry text, then the value's data.
// Properties, checked against the documented contract:
//  - keyValueText reads only the bytes it is given (the data lies in a block of
//    exactly its size, so AddressSanitizer sees any read beyond), and a claimed
//    count of 0 or beyond the buffer means "not read";
//  - a text value is its bytes without one terminating zero; a number is "&h",
//    the entry text and two hexadecimal digits per byte, most significant byte
//    first; any other type is not read, so that the lookup goes on;
//  - GetKeyValue over an in-memory registry reads text and number values of 1
//    to 1024 bytes into that text and empties keyVal for every other value.
#include "fuzz_support.h"
#include "get_key_value.h"
#include "registry.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace quantora::sysinfo;
using quantora::fuzz::require;

namespace {

std::optional<std::string> expectedText(const std::vector<unsigned char> &data, std::size_t byteCount, unsigned type,
                                        const std::string &entry)
{
    std::size_t kept = byteCount;
    if (data[kept - 1] == 0)
        --kept;
    if (type == regSz)
        return std::string(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(kept));
    if (type != regDword)
        return std::nullopt;
    std::string text = "&h" + entry;
    for (std::size_t i = kept; i-- > 0;) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", data[i]);
        text += pair;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *input, std::size_t size)
{
    if (size < 4)
        return 0;
    const unsigned type = input[0];
    const std::size_t claimedCount = input[2] | static_cast<std::size_t>(input[3]) << 8;
    const std::size_t entryLength = std::min<std::size_t>(input[1], size - 4);
    const std::string entry(input + 4, input + 4 + entryLength);
    const std::vector<unsigned char> data(input + 4 + entryLength, input + size);

    // The value's bytes in a block of exactly their size.
    const std::vector<unsigned char> buffer = data;
    const auto text = keyValueText(buffer, type, claimedCount, entry);
    if (claimedCount == 0 || claimedCount > buffer.size())
        require(!text, "a count of 0 or beyond the buffer is not read");
    else
        require(text == expectedText(data, claimedCount, type, entry), "the value's text", text.value_or("(none)"));

    InMemoryRegistry registry;
    registry.setValue(hkeyLocalMachine, "SOFTWARE\\Fuzz", "Value", type, data);
    std::string keyVal = entry;
    const bool read = GetKeyValue(registry, hkeyLocalMachine, "SOFTWARE\\Fuzz", "Value", keyVal);
    const auto expected =
        data.empty() || data.size() > valueBufferSize ? std::nullopt : expectedText(data, data.size(), type, entry);
    if (!expected) {
        require(!read && keyVal.empty(), "an empty, oversized or unusable value is not read", keyVal);
    } else {
        require(read, "a text or number of 1 to 1024 bytes is read");
        require(keyVal == *expected, "GetKeyValue's text", keyVal);
    }
    return 0;
}
