#pragma once

#include <QPixmap>

#include <string_view>

// The start window's picture as the JPEG bytes embedded at build time, and decoded.
std::string_view StartPictureJpeg();
// Empty (with a log line) if the embedded bytes do not decode.
QPixmap StartPicture();
