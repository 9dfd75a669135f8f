#pragma once

#include <QImage>

#include <string_view>

// Decodes the bytes of a JPEG file into an RGB picture. A damaged or truncated file
// gives an empty picture and one error line in the log; the program goes on.
QImage DecodeJpeg(std::string_view bytes);
