// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace quantora {

// A picture drawn by the build (tools/bake_pictures) at a device pixel ratio of
// 1: premultiplied ARGB pixels, one 32-bit word each, row after row.
struct BakedPicture {
    const char *name;
    int width;
    int height;
    const std::uint32_t *pixels;
};

// Every picture the windows show (picturesShown()), drawn in advance; the
// source that defines it is written by the build.
std::span<const BakedPicture> bakedPictures();

} // namespace quantora
