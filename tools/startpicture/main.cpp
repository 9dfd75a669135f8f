// kovral-startpicture OUTPUT.cpp: draws the start picture, encodes it as a JPEG with
// libjpeg and writes a C++ source that holds its bytes, for the program to embed.

#include <cstdio>  // jpeglib.h needs FILE declared first
#include <jpeglib.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "startpicturedrawing.h"

namespace {

constexpr int Quality = 90;

std::vector<unsigned char> EncodeJpeg(const QImage& picture)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, Quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(picture.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

std::string Source(const std::vector<unsigned char>& jpeg)
{
    std::string bytes;
    char hex[8];
    for (size_t i = 0; i < jpeg.size(); ++i) {
        std::snprintf(hex, sizeof hex, "0x%02x,", jpeg[i]);
        bytes += (i % 16 == 0 ? "\n    " : "") + std::string(hex);
    }
    return "// Made by kovral-startpicture at build time.\n"
           "#include \"ui/startpicture.h\"\n\n"
           "std::string_view StartPictureJpeg()\n{\n"
           "    static const unsigned char bytes[] = {" + bytes + "\n    };\n"
           "    return std::string_view(reinterpret_cast<const char*>(bytes), sizeof bytes);\n}\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: kovral-startpicture OUTPUT.cpp\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << Source(EncodeJpeg(DrawStartPicture().convertToFormat(QImage::Format_RGB888)));
    if (!out) {
        std::cerr << "kovral-startpicture: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
