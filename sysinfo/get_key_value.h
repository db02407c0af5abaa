// SPDX-License-Identifier: MIT
#pragma once

#include "registry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quantora::sysinfo {

// Reads the value subKeyRef of the key keyName under keyRoot into keyVal.
// Returns true when the value was read; false, with keyVal emptied, when the
// key cannot be opened, the value cannot be read, it is longer than
// valueBufferSize bytes, it is empty or of a type other than text and number.
// A text value (regSz) becomes its bytes (UTF-8) without the terminating zero;
// a number (regDword) becomes "&h" followed by keyVal's text on entry and the
// number in hexadecimal, two digits per byte, most significant first.
bool GetKeyValue(const Registry &registry, std::uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                 std::string &keyVal);

// The text GetKeyValue makes of a value read into buffer: byteCount bytes of
// the given type, keyValOnEntry being keyVal's text before the read. Empty when
// the value counts as not read (0 bytes, more bytes than the buffer holds, or
// a type other than regSz and regDword).
// Reads nothing beyond buffer.
std::optional<std::string> keyValueText(std::span<const unsigned char> buffer, unsigned type, std::size_t byteCount,
                                        std::string_view keyValOnEntry);

} // namespace quantora::sysinfo
