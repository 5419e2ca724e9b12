#include "platform/StdCtrls.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/RtfReader.h"

namespace vcl {

void AssignFont(TFont& target, const TFont& source) {
    target.Name = source.Name;
    target.Height = source.Height;
    target.Color = source.Color;
    target.Style = source.Style;
    target.Charset = source.Charset;
    target.PixelsPerInch = source.PixelsPerInch;
}

static QColor ToQColor(TColor c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

// ------------------------------------------------------------------ TLabel

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 65, 17);
    SetAutoSize(true);
}

void TLabel::SetCaption(const String& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    if (AutoSize()) SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TLabel::SetAlignment(TAlignment a) {
    if (a == FAlignment) return;
    FAlignment = a;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
    if (layout == FLayout) return;
    FLayout = layout;
    Invalidate();
}

void TLabel::SetTransparent(bool v) {
    if (v == FTransparent) return;
    FTransparent = v;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    if (v == FWordWrap) return;
    FWordWrap = v;
    Invalidate();
}

void TLabel::DoFontChanged() {
    if (AutoSize()) SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

bool TLabel::CanAutoSize(int& newWidth, int& newHeight) {
    // An aligned label keeps the size its alignment gives it on that axis.
    const QFontMetrics metrics(Font().ToQFont());
    const QString text = ToQString(FCaption.empty() ? String(" ") : FCaption);
    if (Align() != alTop && Align() != alBottom && Align() != alClient)
        newWidth = metrics.horizontalAdvance(text);
    if (Align() != alLeft && Align() != alRight && Align() != alClient)
        newHeight = metrics.height();
    return true;
}

void TLabel::Paint() {
    TCanvas* canvas = Canvas();
    const TRect r = ClientRect();
    if (!FTransparent) {
        canvas->Brush.Color = Color();
        canvas->Brush.Style = bsSolid;
        canvas->FillRect(r);
    }
    const QFont font = Font().ToQFont();
    const TColor textColor = Enabled() ? Font().Color : clGray;
    const QString text = ToQString(FCaption);
    int flags = FWordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    flags |= FAlignment == taRightJustify ? Qt::AlignRight
             : FAlignment == taCenter     ? Qt::AlignHCenter
                                          : Qt::AlignLeft;
    flags |= FLayout == tlCenter ? Qt::AlignVCenter : FLayout == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
    canvas->Paint([&](QPainter& painter) {
        painter.setFont(font);
        painter.setPen(ToQColor(textColor));
        painter.drawText(QRect(0, 0, r.Width(), r.Height()), flags, text);
    });
}

// ------------------------------------------------------------------- TEdit

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner, new QLineEdit) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    QObject::connect(Edit(), &QLineEdit::textChanged, Edit(), [this] {
        if (OnChange) OnChange(this);
    });
}

QLineEdit* TEdit::Edit() const { return static_cast<QLineEdit*>(Widget()); }
String TEdit::Text() const { return FromQString(Edit()->text()); }
void TEdit::SetText(const String& text) { Edit()->setText(ToQString(text)); }
bool TEdit::ReadOnly() const { return Edit()->isReadOnly(); }
void TEdit::SetReadOnly(bool v) { Edit()->setReadOnly(v); }

// ----------------------------------------------------------------- TButton

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner, new QPushButton) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
    // Keys reach the button's form, which presses the default or cancel button.
    Button()->setAutoDefault(false);
    QObject::connect(Button(), &QPushButton::clicked, Button(), [this] { Click(); });
}

QPushButton* TButton::Button() const { return static_cast<QPushButton*>(Widget()); }
String TButton::Caption() const { return FromQString(Button()->text()); }
void TButton::SetCaption(const String& caption) { Button()->setText(ToQString(caption)); }

void TButton::SetDefault(bool v) {
    FDefault = v;
    Button()->setDefault(v);
}

// ---------------------------------------------------------- TDocumentLines

// An empty document still has one block; it holds no line.
int TDocumentLines::GetCount() const {
    if (FDocument->isEmpty()) return 0;
    return FDocument->blockCount();
}

String TDocumentLines::Get(int index) const {
    return FromQString(FDocument->findBlockByNumber(index).text());
}

void TDocumentLines::PutImpl(int index, const String& s) {
    QTextCursor cursor(FDocument->findBlockByNumber(index));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(ToQString(s));
}

void TDocumentLines::InsertImpl(int index, const String& s) {
    const int count = GetCount();
    if (count == 0) {
        QTextCursor cursor(FDocument);
        cursor.insertText(ToQString(s));
        return;
    }
    if (index < count) {
        QTextCursor cursor(FDocument->findBlockByNumber(index));
        cursor.movePosition(QTextCursor::StartOfBlock);
        cursor.insertText(ToQString(s));
        cursor.insertBlock();
        return;
    }
    QTextCursor cursor(FDocument->lastBlock());
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertBlock();
    cursor.insertText(ToQString(s));
}

void TDocumentLines::DeleteImpl(int index) {
    const int count = GetCount();
    QTextBlock block = FDocument->findBlockByNumber(index);
    QTextCursor cursor(block);
    if (count == 1) {
        FDocument->clear();
        return;
    }
    if (index + 1 < count) {
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    } else {
        // The last line: take the break before it with it.
        cursor.movePosition(QTextCursor::PreviousBlock);
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

void TDocumentLines::ClearImpl() { FDocument->clear(); }

// ------------------------------------------------------------- TCustomMemo

TCustomMemo::TCustomMemo(TComponent* AOwner, QWidget* widget, QTextDocument* document)
    : TWinControl(AOwner, widget), FLines(document) {
    SetTabStop(true);
    SetBounds(0, 0, 185, 89);
}

void TCustomMemo::SetReadOnly(bool v) {
    FReadOnly = v;
    ApplyReadOnly();
}

void TCustomMemo::SetScrollBars(TScrollStyle s) {
    FScrollBars = s;
    QAbstractScrollArea* area = ScrollArea();
    const bool vertical = s == ssVertical || s == ssBoth;
    const bool horizontal = s == ssHorizontal || s == ssBoth;
    area->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    ApplyWrap();
}

void TCustomMemo::SetWordWrap(bool v) {
    FWordWrap = v;
    ApplyWrap();
}

void TCustomMemo::ColorChanged() {
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    Widget()->setPalette(palette);
}

// ------------------------------------------------------------------- TMemo

TMemo::TMemo(TComponent* AOwner) : TMemo(AOwner, new QPlainTextEdit) {}

TMemo::TMemo(TComponent* AOwner, QPlainTextEdit* editor)
    : TCustomMemo(AOwner, editor, editor->document()) {
    SetColor(clWindow);
}

QPlainTextEdit* TMemo::Editor() const { return static_cast<QPlainTextEdit*>(Widget()); }
QAbstractScrollArea* TMemo::ScrollArea() const { return Editor(); }
void TMemo::ApplyReadOnly() { Editor()->setReadOnly(FReadOnly); }

void TMemo::ApplyWrap() {
    const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    Editor()->setLineWrapMode(FWordWrap && !horizontal ? QPlainTextEdit::WidgetWidth
                                                      : QPlainTextEdit::NoWrap);
}

// --------------------------------------------------------------- TRichEdit

TRichEdit::TRichEdit(TComponent* AOwner) : TRichEdit(AOwner, new QTextEdit) {}

TRichEdit::TRichEdit(TComponent* AOwner, QTextEdit* editor)
    : TCustomMemo(AOwner, editor, editor->document()) {
    Editor()->setAcceptRichText(false);
    SetColor(clWindow);
}

QTextEdit* TRichEdit::Editor() const { return static_cast<QTextEdit*>(Widget()); }
QAbstractScrollArea* TRichEdit::ScrollArea() const { return Editor(); }
void TRichEdit::ApplyReadOnly() { Editor()->setReadOnly(FReadOnly); }

void TRichEdit::ApplyWrap() {
    const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    Editor()->setLineWrapMode(FWordWrap && !horizontal ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::LoadFromStream(const String& data) {
    QTextDocument* doc = Editor()->document();
    if (!LoadRtf(*doc, data)) FLines.SetText(data);
}

}  // namespace vcl
