// A small RTF reader for the subset programs write: groups, font and colour
// tables, bold/italic/underline, colour, size, paragraphs, code-page 1252
// hex escapes and a few named characters. Anything else is skipped; broken
// input yields whatever text was read before the damage, never a crash.
#pragma once

#include <QTextCursor>
#include <QTextDocument>

#include "platform/String.h"

namespace vcl {

// True when text starts like an RTF document ("{\rtf").
bool IsRtf(const String& text);

// Replaces the document's content with the formatted text of rtf. Returns
// false, leaving the document untouched, when rtf is not RTF at all; the
// caller may then load it as plain text.
bool LoadRtf(QTextDocument& doc, const String& rtf);

// Inserts the formatted text of rtf at the cursor. A paragraph break the
// input ends with is not inserted, so the text joins whatever follows.
void ReadRtf(const String& rtf, QTextCursor& cursor);

}  // namespace vcl
