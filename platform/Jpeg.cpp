#include "platform/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/Graphics.h"

namespace vcl {

namespace {

struct TErrorManager {
    jpeg_error_mgr Base;  // first member: libjpeg only knows this part
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

// libjpeg's default would print and call exit(); jump back instead.
[[noreturn]] void FailWith(j_common_ptr info) {
    auto* manager = reinterpret_cast<TErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Level -1 is a warning: corrupt entropy data, or premature end of data
// (libjpeg pads a truncated file with grey and carries on). Both are errors
// here. Higher levels are trace output, ignored.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0) FailWith(info);
}

// Adobe writes CMYK inverted; plain CMYK is not.
void CmykToPixels(const JSAMPLE* cmyk, std::uint8_t* pixels, unsigned width, bool inverted) {
    for (unsigned x = 0; x < width; ++x, cmyk += 4, pixels += 4) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        }
        pixels[0] = std::uint8_t(y * k / 255);
        pixels[1] = std::uint8_t(m * k / 255);
        pixels[2] = std::uint8_t(c * k / 255);
        pixels[3] = 0xFF;
    }
}

// Kept free of C++ objects with destructors, since an error longjmps back
// to the setjmp here across libjpeg's frames. The image is written through
// a pointer to an object that lives in the caller.
bool Decode(const QByteArray& data, QImage* image, bool* progressive, char* message) {
    jpeg_decompress_struct info;
    TErrorManager manager;
    info.err = jpeg_std_error(&manager.Base);
    manager.Base.error_exit = FailWith;
    manager.Base.emit_message = OnMessage;
    if (setjmp(manager.Jump)) {
        std::memcpy(message, manager.Message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    *progressive = jpeg_has_multiple_scans(&info);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    // Extended colour space: rows come out in the 32-bit layout directly.
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&info);

    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image->isNull()) {
        std::snprintf(message, JMSG_LENGTH_MAX, "Not enough memory for a %ux%u image",
                      info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    image->fill(0xFF000000u);
    JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                         info.output_width * 4, 1)
                              : nullptr;
    while (info.output_scanline < info.output_height) {
        std::uint8_t* pixels = image->scanLine(int(info.output_scanline));
        JSAMPROW row = cmyk ? cmykRow[0] : pixels;
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) CmykToPixels(cmykRow[0], pixels, info.output_width, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

TJpegDecoded DecodeJpeg(const QByteArray& data) {
    TJpegDecoded result;
    char message[JMSG_LENGTH_MAX] = {};
    if (!Decode(data, &result.Image, &result.Progressive, message)) throw EInvalidGraphic(message);
    return result;
}

}  // namespace vcl
