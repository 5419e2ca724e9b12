// Fixture files made on the spot: JPEG through libjpeg's compressor, BMP
// through Qt's writer, and ASCII maps of small canvases.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace testimages {

// Smooth colour gradient, easy on a lossy codec.
QImage Gradient(int width, int height);

// Three components with 2x2 luma subsampling, or one grey component.
QByteArray EncodeJpeg(const QImage& image, bool progressive, bool grey = false);

QByteArray EncodeBmp(const QImage& image);

// Rows of a canvas image: '.' background, '#' pen, 'o' brush, '?' other.
constexpr vcl::TColor kBack = vcl::clWhite;
constexpr vcl::TColor kPen = vcl::clRed;
constexpr vcl::TColor kFill = vcl::clBlue;
std::vector<std::string> Map(const QImage& image);

}  // namespace testimages
