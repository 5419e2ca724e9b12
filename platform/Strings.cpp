#include "platform/Strings.h"

#include "platform/Component.h"

namespace vcl {

namespace {

std::vector<String> SplitLines(const String& text) {
    std::vector<String> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

void TStrings::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count)
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

String TStrings::Strings(int index) const {
    CheckIndex(index, GetCount());
    return Get(index);
}

void TStrings::Put(int index, const String& s) {
    CheckIndex(index, GetCount());
    PutImpl(index, s);
    Changed();
}

int TStrings::Add(const String& s) {
    const int index = GetCount();
    Insert(index, s);
    return index;
}

void TStrings::Insert(int index, const String& s) {
    CheckIndex(index, GetCount() + 1);
    InsertImpl(index, s);
    Changed();
}

void TStrings::Delete(int index) {
    CheckIndex(index, GetCount());
    DeleteImpl(index);
    Changed();
}

void TStrings::Clear() {
    if (GetCount() == 0) return;
    ClearImpl();
    Changed();
}

int TStrings::IndexOf(const String& s) const {
    const int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (SameText(Get(i), s)) return i;
    return -1;
}

String TStrings::Text() const {
    String result;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        result += Get(i);
        result += sLineBreak;
    }
    return result;
}

void TStrings::SetText(const String& text) {
    ReplaceLines(SplitLines(text));
}

void TStrings::Assign(const TStrings& source) {
    if (&source == this) return;
    std::vector<String> lines;
    lines.reserve(static_cast<size_t>(source.Count()));
    for (int i = 0; i < source.Count(); ++i) lines.push_back(source.Get(i));
    ReplaceLines(lines);
}

void TStrings::ReplaceLines(const std::vector<String>& lines) {
    // Not a scope guard: EndUpdate runs OnChange, which may throw.
    BeginUpdate();
    try {
        Clear();
        for (const String& line : lines) Add(line);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0) {
        FChangedWhileUpdating = false;
        SetUpdateState(true);
    }
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0 || --FUpdateCount > 0) return;
    SetUpdateState(false);
    if (FChangedWhileUpdating) {
        FChangedWhileUpdating = false;
        Changed();
    }
}

void TStrings::Changed() {
    if (FUpdateCount > 0) {
        FChangedWhileUpdating = true;
        return;
    }
    if (OnChange) OnChange(this);
}

}  // namespace vcl
