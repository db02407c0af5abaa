// SPDX-License-Identifier: MIT
#pragma once

// The little of the Windows registry that the About box needs: read one value
// of one key, read-only. The Windows implementation goes through advapi32; on
// other systems a stand-in answers (path_registry.h), and tests use the
// in-memory registry below.

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quantora::sysinfo {

// Root key handle values as Windows defines them.
inline constexpr std::uint32_t hkeyLocalMachine = 0x80000002;

// Value types the program reads.
inline constexpr unsigned regSz = 1;    // text
inline constexpr unsigned regDword = 4; // 32-bit number, little-endian

// The size of the buffer a value is read into; longer values are not read.
inline constexpr std::size_t valueBufferSize = 1024;

enum class QueryStatus {
    ok,
    keyNotOpened, // the key is missing or may not be read
    valueNotRead, // the value is missing or unreadable
    moreData,     // the value does not fit into the buffer
};

struct QueryResult {
    QueryStatus status = QueryStatus::valueNotRead;
    unsigned type = 0;
    // ok: bytes written into the buffer; moreData: bytes the value needs.
    std::size_t byteCount = 0;
};

class Registry {
public:
    virtual ~Registry() = default;

    // Opens keyName under root for reading only, copies the data of valueName
    // into buffer and closes the key again. Names and text values are UTF-8.
    virtual QueryResult queryValue(std::uint32_t root, std::string_view keyName, std::string_view valueName,
                                   std::span<unsigned char> buffer) const = 0;
};

// A registry held in memory. Names match exactly (no case folding).
class InMemoryRegistry : public Registry {
public:
    // Creates an empty key.
    void addKey(std::uint32_t root, std::string keyName);
    // Stores a value with raw data, creating its key.
    void setValue(std::uint32_t root, std::string keyName, std::string valueName, unsigned type,
                  std::vector<unsigned char> data);
    // Stores a text value with its terminating zero, as Windows stores them.
    void setText(std::uint32_t root, std::string keyName, std::string valueName, std::string_view text);

    QueryResult queryValue(std::uint32_t root, std::string_view keyName, std::string_view valueName,
                           std::span<unsigned char> buffer) const override;

private:
    struct Value {
        unsigned type;
        std::vector<unsigned char> data;
    };
    using KeyId = std::pair<std::uint32_t, std::string>;
    std::map<KeyId, std::map<std::string, Value, std::less<>>> m_keys;
};

} // namespace quantora::sysinfo
