#include "TestImages.h"

#include <QBuffer>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace testimages {

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(40 + 160 * x / width, 60 + 120 * y / height, 200 - 100 * x / width));
    return image;
}

QByteArray EncodeJpeg(const QImage& source, bool progressive, bool grey) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (grey) {
        jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    } else {
        info.comp_info[0].h_samp_factor = 2;
        info.comp_info[0].v_samp_factor = 2;
        for (int c = 1; c < 3; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    }
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray data(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return data;
}

QByteArray EncodeBmp(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return data;
}

std::vector<std::string> Map(const QImage& image) {
    auto pixelOf = [](vcl::TColor c) {
        return qRgb(vcl::GetRValue(c), vcl::GetGValue(c), vcl::GetBValue(c));
    };
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            QRgb p = image.pixel(x, y) | 0xFF000000u;
            row += p == pixelOf(kBack) ? '.' : p == pixelOf(kPen) ? '#' : p == pixelOf(kFill) ? 'o' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace testimages
