// JPEG decoding through libjpeg's own API, kept apart because its error
// handling jumps with longjmp and must stay clear of C++ objects.
#pragma once

#include <QByteArray>
#include <QImage>

namespace vcl {

struct TJpegDecoded {
    QImage Image;  // Format_RGB32
    bool Progressive = false;
};

// Baseline or progressive, greyscale, colour or CMYK. Raises EInvalidGraphic
// with libjpeg's message for a truncated or corrupt file; warnings count as
// errors, so a file that ends early never yields a half-grey picture.
TJpegDecoded DecodeJpeg(const QByteArray& data);

}  // namespace vcl
