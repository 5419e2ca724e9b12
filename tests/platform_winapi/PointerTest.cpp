#include <gtest/gtest.h>

#include <QCursor>

#include "platform/WinApi.h"

using namespace vcl;

TEST(PtInRect, RightAndBottomEdgesLieOutside) {
    const TRect r = Rect(10, 20, 30, 40);
    struct TCase {
        TPoint point;
        bool inside;
    } cases[] = {
        {{10, 20}, true}, {{29, 39}, true},  {{29, 20}, true},
        {{10, 39}, true}, {{30, 25}, false}, {{15, 40}, false},
        {{9, 25}, false}, {{15, 19}, false}, {{30, 40}, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.point.X << "," << c.point.Y);
        EXPECT_EQ(PtInRect(r, c.point) != 0, c.inside);
    }
    // Empty and inverted rectangles hold nothing.
    EXPECT_FALSE(PtInRect(Rect(5, 5, 5, 9), TPoint{5, 6}));
    EXPECT_FALSE(PtInRect(Rect(9, 9, 5, 5), TPoint{6, 6}));
}

TEST(GetCursorPos, ReportsThePointerPosition) {
    QCursor::setPos(123, 45);
    TPoint p;
    EXPECT_TRUE(GetCursorPos(&p));
    EXPECT_EQ(p, (TPoint{123, 45}));
    EXPECT_FALSE(GetCursorPos(nullptr));
}
