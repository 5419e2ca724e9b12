// Standard controls: label, edit, button, memo and rich-text box.
#pragma once

#include <QTextDocument>

#include "platform/Controls.h"
#include "platform/Strings.h"

class QLineEdit;
class QPushButton;
class QPlainTextEdit;
class QTextEdit;
class QAbstractScrollArea;

namespace vcl {

enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };
enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// Copies a font's settings, not its change handler.
void AssignFont(TFont& target, const TFont& source);

// A label is a graphic control: its parent paints it.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);
    const char* ClassName() const override { return "TLabel"; }

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout layout);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);

protected:
    void Paint() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    void DoFontChanged() override;

private:
    String FCaption;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FTransparent = false;
    bool FWordWrap = false;
};

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* AOwner);
    const char* ClassName() const override { return "TEdit"; }

    String Text() const;
    void SetText(const String& text);
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    TNotifyEvent OnChange;

private:
    QLineEdit* Edit() const;
};

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);
    const char* ClassName() const override { return "TButton"; }

    String Caption() const;
    void SetCaption(const String& caption);
    // Enter presses the default button, Esc the cancel button.
    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }

private:
    QPushButton* Button() const;
    bool FDefault = false;
    bool FCancel = false;
};

// Lines kept in a text document, so that a memo or rich-text box shows them
// as they are changed and keeps any formatting already there.
class TDocumentLines : public TStrings {
public:
    explicit TDocumentLines(QTextDocument* document) : FDocument(document) {}

protected:
    int GetCount() const override;
    String Get(int index) const override;
    void PutImpl(int index, const String& s) override;
    void InsertImpl(int index, const String& s) override;
    void DeleteImpl(int index) override;
    void ClearImpl() override;

private:
    QTextDocument* FDocument;
};

// Common ground of the memo and the rich-text box.
class TCustomMemo : public TWinControl {
public:
    TCustomMemo(TComponent* AOwner, QWidget* widget, QTextDocument* document);
    TStrings* Lines() { return &FLines; }
    void SetLines(const TStrings& lines) { FLines.Assign(lines); }
    String Text() const { return FLines.Text(); }
    void SetText(const String& text) { FLines.SetText(text); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle s);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);

protected:
    virtual QAbstractScrollArea* ScrollArea() const = 0;
    virtual void ApplyReadOnly() = 0;
    virtual void ApplyWrap() = 0;
    void ColorChanged() override;

    TDocumentLines FLines;
    bool FReadOnly = false;
    bool FWordWrap = true;
    TScrollStyle FScrollBars = ssNone;
};

class TMemo : public TCustomMemo {
public:
    explicit TMemo(TComponent* AOwner);
    const char* ClassName() const override { return "TMemo"; }
    QPlainTextEdit* Editor() const;

protected:
    QAbstractScrollArea* ScrollArea() const override;
    void ApplyReadOnly() override;
    void ApplyWrap() override;

private:
    TMemo(TComponent* AOwner, QPlainTextEdit* editor);
};

class TRichEdit : public TCustomMemo {
public:
    explicit TRichEdit(TComponent* AOwner);
    const char* ClassName() const override { return "TRichEdit"; }
    QTextEdit* Editor() const;
    // Reads RTF (or plain text when it is none) and replaces the content.
    void LoadFromStream(const String& data);

protected:
    QAbstractScrollArea* ScrollArea() const override;
    void ApplyReadOnly() override;
    void ApplyWrap() override;

private:
    TRichEdit(TComponent* AOwner, QTextEdit* editor);
};

}  // namespace vcl
