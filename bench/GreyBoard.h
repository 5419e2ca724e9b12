// The main window's board as the benchmarks see it: a 600 x 536 board image
// with the seven highlights at their designed places and types, over a
// uniform grey picture instead of the photograph (the blend's cost does not
// depend on the pixels).
#pragma once

#include <QImage>
#include <cstddef>
#include <cstring>
#include <vector>

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"

namespace bench {

using namespace vcl;
using namespace setupctrls;

struct THighlightPlace {
    int Left, Top, Width, Height;
    THighlightType Type;
};

// Power (two), IP address, Ethernet, LEDs, Molex, data connector.
inline const std::vector<THighlightPlace>& SevenHighlights() {
    static const std::vector<THighlightPlace> places = {
        {36, 304, 74, 80, htOptions},  {0, 386, 107, 76, htOptions},  {213, 114, 102, 102, htSettings},
        {0, 186, 133, 101, htOptions}, {0, 93, 113, 50, htOptions},   {516, 49, 76, 49, htOptions},
        {446, 179, 152, 222, htOptions},
    };
    return places;
}

inline long long SevenHighlightPixels() {
    long long pixels = 0;
    for (const THighlightPlace& p : SevenHighlights()) pixels += static_cast<long long>(p.Width) * p.Height;
    return pixels;
}

constexpr int kBoardWidth = 600;
constexpr int kBoardHeight = 536;

inline QImage GreyImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(100, 100, 100));
    return image;
}

class TGreyBoard {
public:
    TGreyBoard() {
        Form = new TForm(&App);
        Form->SetBounds(0, 0, 873, 751);
        Board = new TBoardImage(Form);
        Board->SetParent(Form);
        Board->SetAutoSize(false);
        Board->SetBounds(142, 80, kBoardWidth, kBoardHeight);
        Board->SetStretch(true);
        TBitmap picture(kBoardWidth, kBoardHeight);
        picture.Image() = GreyImage(kBoardWidth, kBoardHeight);
        Board->Picture()->SetGraphic(&picture);
        for (const THighlightPlace& p : SevenHighlights()) {
            auto* h = new TBoardHighlight(Form);
            h->SetParent(Board);
            h->SetBounds(p.Left, p.Top, p.Width, p.Height);
            h->SetHighlightType(p.Type);
            h->SetCreatePopup(false);
            Highlights.push_back(h);
        }
    }

    TApplication App;
    TForm* Form;
    TBoardImage* Board;
    std::vector<TBoardHighlight*> Highlights;
};

// The plain copy the benchmarks compare with: each rectangle's rows from
// source into its own image, copies times over.
class TRectCopier {
public:
    explicit TRectCopier(int copies) {
        for (const THighlightPlace& p : SevenHighlights())
            for (int i = 0; i < copies; ++i) FTargets.push_back(QImage(p.Width, p.Height, QImage::Format_RGB32));
    }
    void Copy(const QImage& source) {
        const int copies = static_cast<int>(FTargets.size() / SevenHighlights().size());
        std::size_t t = 0;
        for (const THighlightPlace& p : SevenHighlights()) {
            for (int i = 0; i < copies; ++i, ++t) {
                QImage& target = FTargets[t];
                for (int y = 0; y < p.Height; ++y)
                    std::memcpy(target.scanLine(y), source.constScanLine(p.Top + y) + 4 * p.Left,
                                4 * static_cast<std::size_t>(p.Width));
            }
        }
    }

private:
    std::vector<QImage> FTargets;
};

}  // namespace bench
