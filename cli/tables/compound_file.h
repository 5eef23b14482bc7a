// Whether a compound file, the container of Excel's old .xls workbooks, holds a
// workbook: a stream named "Workbook" (Excel 97 and later) or "Book" (Excel 5 and
// 95). The directory that names the streams may lie anywhere in the file: its first
// sector is where the header says, and the rest follow the sector chain of the
// file's allocation table.
//
// `readAt(offset, buffer, size)` reads up to `size` bytes at `offset` into `buffer`
// and returns how many it read. Damaged or cyclic files end the walk early; they
// simply hold no workbook.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace compound_file {

inline constexpr unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
inline constexpr std::uint32_t kLastSector = 0xFFFFFFFA;   // higher numbers end or mark chains
inline constexpr int kMostDirectorySectors = 4096;
inline constexpr std::size_t kEntryBytes = 128;

inline std::uint32_t Little32(const unsigned char* bytes)
{
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

// A directory entry's name, at most 31 UTF-16 units and a NUL, its byte count at 0x40.
inline bool NamesWorkbook(const unsigned char* entry)
{
    const unsigned nameBytes = unsigned{entry[0x40]} | unsigned{entry[0x41]} << 8;
    static constexpr char kWorkbook[] = "W\0o\0r\0k\0b\0o\0o\0k\0\0";
    static constexpr char kBook[] = "B\0o\0o\0k\0\0";
    return (nameBytes == sizeof kWorkbook && std::memcmp(entry, kWorkbook, sizeof kWorkbook) == 0) ||
           (nameBytes == sizeof kBook && std::memcmp(entry, kBook, sizeof kBook) == 0);
}

}   // namespace compound_file

template <typename ReadAt>
bool HoldsWorkbookStream(ReadAt readAt)
{
    using namespace compound_file;
    unsigned char header[512];
    if (readAt(0, header, sizeof header) != sizeof header) return false;
    if (std::memcmp(header, kSignature, sizeof kSignature) != 0) return false;
    const unsigned shift = unsigned{header[0x1E]} | unsigned{header[0x1F]} << 8;
    if (shift != 9 && shift != 12) return false;
    const std::size_t sectorBytes = std::size_t{1} << shift;
    const std::uint32_t sectorsPerFatSector = static_cast<std::uint32_t>(sectorBytes / 4);
    const auto offsetOf = [shift](std::uint32_t sector) { return (std::uint64_t{sector} + 1) << shift; };

    unsigned char sector[4096];
    unsigned char fatEntry[4];
    std::uint32_t current = Little32(header + 0x30);
    for (int walked = 0; current <= kLastSector && walked < kMostDirectorySectors; ++walked) {
        if (readAt(offsetOf(current), sector, sectorBytes) != sectorBytes) return false;
        for (std::size_t entry = 0; entry < sectorBytes; entry += kEntryBytes) {
            if (NamesWorkbook(sector + entry)) return true;
        }
        // The header lists the first 109 sectors of the allocation table: enough for a
        // directory within the first 7 MB (457 MB with 4096-byte sectors).
        const std::uint32_t fatIndex = current / sectorsPerFatSector;
        if (fatIndex >= 109) return false;
        const std::uint32_t fatSector = Little32(header + 0x4C + 4 * fatIndex);
        if (fatSector > kLastSector) return false;
        if (readAt(offsetOf(fatSector) + 4 * (current % sectorsPerFatSector), fatEntry, 4) != 4) return false;
        current = Little32(fatEntry);
    }
    return false;
}
