#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>

#include <QCoreApplication>

#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

using namespace vcl;

TEST(StdCtrls, MemoLinesLiveInTheWidget) {
    TComponent owner(nullptr);
    auto* memo = new TMemo(&owner);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    memo->Lines()->SetText("one\r\ntwo\r\n");
    EXPECT_EQ(memo->Editor()->toPlainText(), "one\ntwo");
    memo->Lines()->Put(1, "TWO");
    memo->Lines()->Add("three");
    memo->Lines()->Insert(0, "zero");
    EXPECT_EQ(memo->Editor()->toPlainText(), "zero\none\nTWO\nthree");
    memo->Lines()->Delete(3);
    memo->Lines()->Delete(0);
    EXPECT_EQ(memo->Text(), "one\r\nTWO\r\n");
    EXPECT_TRUE(memo->Editor()->isReadOnly());
    EXPECT_EQ(memo->Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->Editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    memo->Lines()->Clear();
    EXPECT_EQ(memo->Lines()->Count(), 0);
}

TEST(StdCtrls, RichEditLoadsRtfAndKeepsItsFormattingWhenLinesAreAdded) {
    TComponent owner(nullptr);
    auto* rich = new TRichEdit(&owner);
    rich->LoadFromStream("{\\rtf1\\ansi{\\fonttbl{\\f0 Verdana;}}\\f0\\fs32{\\b Title}\\par}");
    rich->Lines()->Add("");
    rich->Lines()->Add("");
    rich->Lines()->Add("not found");
    ASSERT_EQ(rich->Lines()->Count(), 4);
    EXPECT_EQ(rich->Lines()->Strings(0), "Title");
    EXPECT_EQ(rich->Lines()->Strings(3), "not found");
    const QTextBlock first = rich->Editor()->document()->firstBlock();
    EXPECT_EQ(first.begin().fragment().charFormat().fontWeight(), QFont::Bold);
}

TEST(StdCtrls, LabelAutoSizeFollowsTheCaptionOnlyWhenOn) {
    TComponent owner(nullptr);
    auto* parent = new TPanel(&owner);
    auto* label = new TLabel(&owner);
    label->SetParent(parent);
    label->SetAutoSize(false);
    label->SetBounds(24, 16, 97, 17);
    label->SetCaption("a much longer caption than fits");
    EXPECT_EQ(label->Width(), 97);
    label->SetAutoSize(true);
    EXPECT_GT(label->Width(), 97);
}

TEST(StdCtrls, StatusBarPanels) {
    TComponent owner(nullptr);
    auto* bar = new TStatusBar(&owner);
    TStatusPanel& panel = bar->AddPanel();
    panel.Bevel = pbNone;
    EXPECT_EQ(bar->PanelCount(), 1);
    EXPECT_EQ(bar->Panels(0).Bevel, pbNone);
    EXPECT_EQ(bar->Align(), alBottom);
}

namespace {

// Columns and rows of the label's area that hold text-coloured pixels.
struct TInk {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};

TInk InkOf(const QImage& shot, const TRect& r) {
    TInk ink;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (qGray(shot.pixel(x, y)) < 128) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

}  // namespace

TEST(StdCtrls, LabelAlignsAndCentresItsText) {
    TApplication app;
    auto* form = new TForm(&app);
    form->SetColor(clWhite);
    form->SetBounds(0, 0, 300, 200);
    auto make = [&](TAlignment a, TTextLayout layout, int top) {
        auto* label = new TLabel(form);
        label->SetAutoSize(false);
        label->SetParent(form);
        label->SetColor(clWhite);
        label->SetBounds(20, top, 120, 40);
        label->SetAlignment(a);
        label->SetLayout(layout);
        label->SetCaption("Gateway");
        return label;
    };
    TLabel* right = make(taRightJustify, tlCenter, 10);
    TLabel* left = make(taLeftJustify, tlTop, 60);
    TLabel* centre = make(taCenter, tlBottom, 110);
    form->Show();
    QCoreApplication::processEvents();
    const QImage shot = form->ClientWidget()->grab().toImage();
    const TInk r = InkOf(shot, right->BoundsRect());
    const TInk l = InkOf(shot, left->BoundsRect());
    const TInk c = InkOf(shot, centre->BoundsRect());
    ASSERT_GE(r.right, 0);
    EXPECT_GE(r.right, 140 - 3);  // flush right
    EXPECT_LE(l.left, 20 + 2);    // flush left
    EXPECT_NEAR((c.left + c.right) / 2.0, 80, 3);
    EXPECT_NEAR((r.top + r.bottom) / 2.0, 10 + 20, 4);  // vertically centred
    EXPECT_LE(l.top, 60 + 5);
    EXPECT_GE(c.bottom, 110 + 40 - 6);
}

TEST(StdCtrls, PictureControlAutoSizesToItsPicture) {
    TComponent owner(nullptr);
    auto* image = new TImage(&owner);
    image->SetParent(new TPanel(&owner));
    image->SetAutoSize(true);
    TBitmap bitmap(112, 48);
    image->Picture()->SetGraphic(&bitmap);
    EXPECT_EQ(image->Width(), 112);
    EXPECT_EQ(image->Height(), 48);
    image->SetBounds(0, 0, 10, 10);
    EXPECT_EQ(image->Width(), 112);
}
