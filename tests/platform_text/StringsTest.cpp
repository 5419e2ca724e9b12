#include <gtest/gtest.h>

#include <vector>

#include "platform/Strings.h"

using vcl::String;
using vcl::TStringList;

namespace {

std::vector<String> Lines(const vcl::TStrings& list) {
    std::vector<String> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
    return lines;
}

}  // namespace

TEST(TStringList, SetTextSplitsAtLineBreaks) {
    struct Case {
        const char* Text;
        std::vector<String> Lines;
    };
    const Case cases[] = {
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"\r\n", {""}},
        {"", {}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR are two breaks
        {"a\r\r\n", {"a", ""}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.Add("old");
        list.SetText(c.Text);
        EXPECT_EQ(Lines(list), c.Lines) << '"' << c.Text << '"';
    }
}

TEST(TStringList, TextEndsEveryLineWithCrLfAndRoundTrips) {
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.Add("one");
    list.Add("");
    list.Add("thr\xE9""e");
    EXPECT_EQ(list.Text(), "one\r\n\r\nthr\xE9""e\r\n");

    TStringList copy;
    copy.SetText(list.Text());
    EXPECT_EQ(Lines(copy), Lines(list));
}

TEST(TStringList, EditsKeepOrder) {
    TStringList list;
    EXPECT_EQ(list.Add("a"), 0);
    EXPECT_EQ(list.Add("c"), 1);
    list.Insert(1, "b");
    list.Insert(3, "d");  // at Count appends
    list.Put(0, "A");
    EXPECT_EQ(Lines(list), (std::vector<String>{"A", "b", "c", "d"}));
    list.Delete(1);
    EXPECT_EQ(Lines(list), (std::vector<String>{"A", "c", "d"}));
    EXPECT_EQ(list.IndexOf("C"), 1);  // without regard to case
    EXPECT_EQ(list.IndexOf("x"), -1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(TStringList, BadIndicesRaise) {
    TStringList list;
    list.Add("a");
    EXPECT_THROW(list.Strings(1), vcl::EStringListError);
    EXPECT_THROW(list.Strings(-1), vcl::EStringListError);
    EXPECT_THROW(list.Put(1, "x"), vcl::EStringListError);
    EXPECT_THROW(list.Insert(2, "x"), vcl::EStringListError);
    EXPECT_THROW(list.Delete(1), vcl::EStringListError);
    EXPECT_EQ(Lines(list), std::vector<String>{"a"});
}

TEST(TStringList, AssignCopiesTheLinesNotTheList) {
    TStringList source;
    source.SetText("x\r\ny");
    TStringList copy;
    copy.Add("stale");
    copy.Assign(source);
    source.Put(0, "changed");
    source.Add("z");
    EXPECT_EQ(Lines(copy), (std::vector<String>{"x", "y"}));

    copy.Assign(copy);  // assigning to itself keeps the lines
    EXPECT_EQ(Lines(copy), (std::vector<String>{"x", "y"}));
}

TEST(TStringList, OnChangeFiresPerChangeAndOncePerUpdate) {
    TStringList list;
    int changes = 0;
    vcl::TObject* sender = nullptr;
    list.OnChange = [&](vcl::TObject* s) {
        ++changes;
        sender = s;
    };
    list.Add("a");
    list.Put(0, "b");
    list.Delete(0);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(sender, &list);

    changes = 0;
    list.Clear();  // already empty: nothing changed
    list.SetText("a\r\nb\r\nc");
    EXPECT_EQ(changes, 1);

    changes = 0;
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("d");
    list.SetText("e");
    list.EndUpdate();
    EXPECT_EQ(changes, 0);
    list.EndUpdate();
    EXPECT_EQ(changes, 1);
    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(changes, 1);
}

// A list whose storage lives elsewhere sees every change through the hooks.
class TRecordingStrings : public vcl::TStrings {
public:
    std::vector<String> Store;
    std::vector<bool> UpdateStates;

protected:
    int GetCount() const override { return static_cast<int>(Store.size()); }
    String Get(int i) const override { return Store[i]; }
    void PutImpl(int i, const String& s) override { Store[i] = "[" + s + "]"; }
    void InsertImpl(int i, const String& s) override { Store.insert(Store.begin() + i, "<" + s + ">"); }
    void DeleteImpl(int i) override { Store.erase(Store.begin() + i); }
    void ClearImpl() override { Store.clear(); }
    void SetUpdateState(bool updating) override { UpdateStates.push_back(updating); }
};

TEST(TStrings, SubclassStorageBacksEveryOperation) {
    TRecordingStrings strings;
    strings.SetText("a\r\nb");
    strings.Put(1, "c");
    EXPECT_EQ(strings.Store, (std::vector<String>{"<a>", "[c]"}));
    EXPECT_EQ(strings.Text(), "<a>\r\n[c]\r\n");
    EXPECT_EQ(strings.UpdateStates, (std::vector<bool>{true, false}));

    TStringList copy;
    copy.Assign(strings);
    EXPECT_EQ(Lines(copy), (std::vector<String>{"<a>", "[c]"}));
}

TEST(TStrings, ThrowingHandlerLeavesUpdateBalanced) {
    TStringList list;
    list.OnChange = [](vcl::TObject*) { throw std::runtime_error("handler"); };
    EXPECT_THROW(list.SetText("a"), std::runtime_error);
    EXPECT_FALSE(list.Updating());
    list.OnChange = nullptr;
    list.Add("b");
    EXPECT_EQ(Lines(list), (std::vector<String>{"a", "b"}));
}
