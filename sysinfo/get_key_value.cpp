// SPDX-License-Identifier: MIT
#include "get_key_value.h"

#include <array>
#include <utility>

namespace quantora::sysinfo {

std::optional<std::string> keyValueText(std::span<const unsigned char> buffer, unsigned type, std::size_t byteCount,
                                        std::string_view keyValOnEntry)
{
    if (byteCount == 0 || byteCount > buffer.size())
        return std::nullopt;

    // Text values usually end in a zero; values stored without one keep every byte.
    std::span<const unsigned char> kept = buffer.first(byteCount);
    if (kept.back() == 0)
        kept = kept.first(byteCount - 1);

    switch (type) {
    case regSz:
        return std::string(kept.begin(), kept.end());
    case regDword: {
        // The bytes are stored least significant first. The zero rule above can
        // drop a zero top byte, which leaves the number's value unchanged.
        static constexpr std::string_view digits = "0123456789ABCDEF";
        std::string text(keyValOnEntry);
        for (auto byte = kept.rbegin(); byte != kept.rend(); ++byte) {
            text += digits[*byte >> 4];
            text += digits[*byte & 0x0F];
        }
        return "&h" + text;
    }
    default:
        // Other types (expandable text, binary data) cannot be used as a path:
        // not found, so that the lookup goes on to the next place.
        return std::nullopt;
    }
}

bool GetKeyValue(const Registry &registry, std::uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                 std::string &keyVal)
{
    std::array<unsigned char, valueBufferSize> buffer{};
    const QueryResult result = registry.queryValue(keyRoot, keyName, subKeyRef, buffer);
    std::optional<std::string> text;
    if (result.status == QueryStatus::ok)
        text = keyValueText(buffer, result.type, result.byteCount, keyVal);
    if (!text) {
        keyVal.clear();
        return false;
    }
    keyVal = std::move(*text);
    return true;
}

} // namespace quantora::sysinfo
