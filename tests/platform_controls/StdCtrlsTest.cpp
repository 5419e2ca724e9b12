#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>

#include "platform/ComCtrls.h"
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
    auto* label = new TLabel(&owner);
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
