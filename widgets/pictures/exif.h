// The orientation a camera wrote into a JPEG, read from the start of the file itself:
// GDI+ under Wine shows a JPEG's pixels but none of its EXIF properties.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// What is read of a file's start for it. The EXIF segment comes before the picture
// data and holds at most 64 KB; its first directory, with the orientation, comes first.
inline constexpr std::size_t kExifPrefixLimit = 64 * 1024;

// Tag 0x0112 of the first directory (IFD0) in a JPEG's EXIF segment (APP1 "Exif\0\0",
// then the TIFF header, "II" or "MM"), when `start` is the beginning of a JPEG that
// has one. Nothing for anything else: no JPEG, no EXIF, no tag, damaged offsets or
// counts. Reads only `start`, and at most kExifPrefixLimit bytes of it.
std::optional<std::uint16_t> JpegOrientation(std::span<const std::uint8_t> start);
