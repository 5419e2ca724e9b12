// Lists of text lines. TStrings holds the behaviour (bounds checks, text
// splitting, change notification) and leaves the storage of the lines to a
// subclass, so that a control can keep them in its widget; TStringList keeps
// them in memory.
#pragma once

#include <stdexcept>
#include <vector>

#include "platform/String.h"
#include "platform/Types.h"

namespace vcl {

class EStringListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

class TStrings : public TObject {
public:
    TStrings() = default;
    // Copy the lines with Assign; a list is an object, not a value.
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    int Count() const { return GetCount(); }
    // Raise EStringListError for an index outside 0..Count()-1.
    String Strings(int index) const;
    String operator[](int index) const { return Strings(index); }
    void Put(int index, const String& s);

    // Returns the index of the new line.
    int Add(const String& s);
    // index may be Count(), which appends.
    void Insert(int index, const String& s);
    void Delete(int index);
    void Clear();
    // Compared without regard to case, as the classic list does; -1 if absent.
    int IndexOf(const String& s) const;

    // Every line followed by CR LF.
    String Text() const;
    // Splits at CR LF, lone LF or lone CR; a final break adds no empty line.
    void SetText(const String& text);
    // Replaces the lines with a copy of source's; its OnChange is not copied.
    void Assign(const TStrings& source);

    // Changes between the outermost BeginUpdate and EndUpdate fire OnChange
    // once, at that EndUpdate, and only if something changed.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

    TNotifyEvent OnChange;

protected:
    // Storage hooks. Indices are already checked when these are called.
    virtual int GetCount() const = 0;
    virtual String Get(int index) const = 0;
    virtual void PutImpl(int index, const String& s) = 0;
    virtual void InsertImpl(int index, const String& s) = 0;
    virtual void DeleteImpl(int index) = 0;
    virtual void ClearImpl() = 0;
    // Told when the outermost update begins (true) and ends (false), so a
    // widget-backed list can hold back repaints.
    virtual void SetUpdateState(bool /*updating*/) {}

    // Fires OnChange now, or marks it due at the end of the update.
    void Changed();

private:
    void CheckIndex(int index, int count) const;
    void ReplaceLines(const std::vector<String>& lines);

    int FUpdateCount = 0;
    bool FChangedWhileUpdating = false;
};

class TStringList : public TStrings {
protected:
    int GetCount() const override { return static_cast<int>(FLines.size()); }
    String Get(int index) const override { return FLines[index]; }
    void PutImpl(int index, const String& s) override { FLines[index] = s; }
    void InsertImpl(int index, const String& s) override { FLines.insert(FLines.begin() + index, s); }
    void DeleteImpl(int index) override { FLines.erase(FLines.begin() + index); }
    void ClearImpl() override { FLines.clear(); }

private:
    std::vector<String> FLines;
};

}  // namespace vcl
