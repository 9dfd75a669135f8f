#include "setup/flagbitmap.h"

#include <cstdint>

namespace {

constexpr int Width = 20;
constexpr int Height = 13;
constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
// Rows of a bitmap are padded to whole 4-byte words.
constexpr int RowSize = (Width * 3 + 3) / 4 * 4;

void AppendLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string NeutralFlagBitmap()
{
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize;
    const std::uint32_t pixelSize = RowSize * Height;
    std::string bytes = "BM";
    AppendLittleEndian(bytes, pixelOffset + pixelSize, 4);
    AppendLittleEndian(bytes, 0, 4);  // reserved
    AppendLittleEndian(bytes, pixelOffset, 4);

    AppendLittleEndian(bytes, InfoHeaderSize, 4);
    AppendLittleEndian(bytes, Width, 4);
    AppendLittleEndian(bytes, Height, 4);  // positive: rows run bottom-up
    AppendLittleEndian(bytes, 1, 2);       // planes
    AppendLittleEndian(bytes, 24, 2);      // bits per pixel
    AppendLittleEndian(bytes, 0, 4);       // no compression
    AppendLittleEndian(bytes, pixelSize, 4);
    AppendLittleEndian(bytes, 2835, 4);  // 72 dots per inch, horizontally
    AppendLittleEndian(bytes, 2835, 4);  // and vertically
    AppendLittleEndian(bytes, 0, 4);     // no palette
    AppendLittleEndian(bytes, 0, 4);

    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const bool edge = x == 0 || y == 0 || x == Width - 1 || y == Height - 1;
            const char grey = static_cast<char>(edge ? 0x80 : 0xC0);
            bytes.append(3, grey);  // blue, green, red
        }
        bytes.append(RowSize - Width * 3, '\0');
    }
    return bytes;
}
