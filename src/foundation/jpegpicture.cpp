#include "foundation/jpegpicture.h"

#include "foundation/jxerr.h"

#include <cstdio>  // jpeglib.h needs FILE declared first
#include <jpeglib.h>

#include <csetjmp>
#include <string>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg's own handler ends the process; this one returns to the decoder.
[[noreturn]] void JumpBack(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// A warning means damaged data (a truncated file among them): the picture is not shown.
void WarningsAreErrors(j_common_ptr info, int level)
{
    if (level < 0)
        JumpBack(info);
}

// Kept apart from DecodeJpeg: no object with a destructor may live in the frame that
// longjmp returns to, and image lives in the caller's.
bool Decode(std::string_view bytes, QImage& image, std::string& error)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.emit_message = WarningsAreErrors;
    jpeg_create_decompress(&info);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        error = errors.message;
        return false;
    }
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        error = "no memory for the picture";
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage DecodeJpeg(std::string_view bytes)
{
    QImage image;
    std::string error;
    if (Decode(bytes, image, error))
        return image;
    JXErr::Error("DecodeJpeg " + error);
    return QImage();
}
