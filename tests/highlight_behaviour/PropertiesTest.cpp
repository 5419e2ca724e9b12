// A highlight's Title (popup caption, menu identifier) and its RadioPanel
// property with the conflict check and the design-time synchronisation.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/WinApi.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/RadioPanel.h"

using namespace vcl;
using namespace setupctrls;

TEST(HighlightTitle, CaptionAndIdentifier) {
    struct Row {
        String title;
        String caption;
        String ident;
    };
    const String latin =
        "\xC4nderung \xB5"
        "A";  // code page 1252 letters are no ASCII letters
    const Row rows[] = {
        {"Main/VBB &Power", "Main/VBB Power", "MainVBBPower"},
        {"&IP Address", "IP Address", "IPAddress"},
        {"&Ethernet Connector", "Ethernet Connector", "EthernetConnector"},
        {"Power/Activity &LED", "Power/Activity LED", "PowerActivityLED"},
        {"&First Digital Connector", "First Digital Connector", "FirstDigitalConnector"},
        {"&Main Digital Connector", "Main Digital Connector", "MainDigitalConnector"},
        {"Save && &Exit", "Save  Exit", "SaveExit"},
        {"&&", "", ""},
        {"", "", ""},
        {"Already_Valid9", "Already_Valid9", "Already_Valid9"},
        {"12 Volt &Input", "12 Volt Input", "VoltInput"},
        {"3_rd", "3_rd", "_rd"},
        {"_1 2", "_1 2", "_12"},
        {latin, latin, "nderungA"},
        {"\xE9\xE8", "\xE9\xE8", ""},
        {"1/2 - 3", "1/2 - 3", ""},
    };
    TBoardHighlight h(nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        EXPECT_EQ(TBoardHighlight::RemoveAmpersands(row.title), row.caption);
        EXPECT_EQ(TBoardHighlight::MakeIdentifier(row.title), row.ident);
        h.SetTitle(row.title);
        EXPECT_EQ(h.Title(), row.title);
        EXPECT_EQ(h.PopupCaption(), row.caption);
        EXPECT_EQ(h.TitleIdent(), row.ident);
    }
}

namespace {

struct TBox {
    String text;
    UINT type;
};

// Answers every message box with a fixed answer per call and records them.
struct TBoxes {
    std::vector<TBox> shown;
    std::vector<int> answers;
    TBoxes() {
        SetMessageBoxAnswerer([this](const String& text, const String&, UINT type) {
            shown.push_back({text, type});
            if (answers.empty()) return IDOK;
            const int a = answers.front();
            answers.erase(answers.begin());
            return a;
        });
    }
    ~TBoxes() { SetMessageBoxAnswerer({}); }
};

struct TPanelBoard {
    TApplication app;
    TForm* form = new TForm(&app);
    TWinControl* parent = nullptr;

    explicit TPanelBoard(bool boardImage) {
        if (boardImage)
            parent = new TBoardImage(form);
        else
            parent = new TPanel(form);
        parent->SetName("Parent1");
        parent->SetParent(form);
    }
    TBoardHighlight* Add(const char* name, const char* title, THighlightType type = htSettings) {
        auto* h = new TBoardHighlight(form);
        h->SetName(name);
        h->SetTitle(title);
        h->SetHighlightType(type);
        h->SetParent(parent);
        return h;
    }
    TRadioPanel* Panel(const char* name) {
        auto* p = new TRadioPanel(form);
        p->SetName(name);
        p->SetParent(form);
        return p;
    }
};

}  // namespace

// A panel shown by a highlight outside the link group is refused; only a
// parent being designed says so.
TEST(HighlightRadioPanel, ConflictIsRefusedAndReportedOnlyInDesignMode) {
    struct Row {
        bool boardImage;
        bool designing;
    };
    for (const Row row : {Row{true, false}, Row{false, false}, Row{true, true}, Row{false, true}}) {
        SCOPED_TRACE(testing::Message()
                     << "board image " << row.boardImage << ", designing " << row.designing);
        TPanelBoard b(row.boardImage);
        TBoxes boxes;
        TRadioPanel* power = b.Panel("PowerPanel");
        TRadioPanel* other = b.Panel("OtherPanel");
        TBoardHighlight* owner = b.Add("PowerHighlight0", "&Power");
        TBoardHighlight* linked = b.Add("PowerHighlight1", "&Power");
        TBoardHighlight* sameTitle = b.Add("OptionsPower", "&Power", htOptions);
        TBoardHighlight* stranger = b.Add("LedHighlight", "&LED");
        owner->SetRadioPanel(power);
        if (row.designing) b.parent->SetDesigning(true);

        linked->SetRadioPanel(power);  // a member of the group: no conflict
        EXPECT_EQ(linked->RadioPanel(), power);

        stranger->SetRadioPanel(power);
        EXPECT_EQ(stranger->RadioPanel(), nullptr);
        sameTitle->AssignRadioPanel(other);
        sameTitle->SetRadioPanel(power);
        EXPECT_EQ(sameTitle->RadioPanel(), other);

        if (row.designing) {
            ASSERT_EQ(boxes.shown.size(), 2u);
            EXPECT_EQ(boxes.shown[0].text,
                      "PowerPanel has already been assigned to PowerHighlight0.");
            EXPECT_EQ(boxes.shown[0].type & 0xF, MB_OK);
            EXPECT_EQ(boxes.shown[0].type & 0xF0, MB_ICONERROR);
        } else {
            EXPECT_TRUE(boxes.shown.empty());
        }

        stranger->SetRadioPanel(other);  // shown only by a non-member: refused too
        EXPECT_EQ(stranger->RadioPanel(), nullptr);
        owner->SetRadioPanel(nullptr);  // clearing is never checked
        EXPECT_EQ(owner->RadioPanel(), nullptr);
    }
}

TEST(HighlightRadioPanel, DesignTimeAssignmentOffersToSynchroniseTheLinkGroup) {
    TPanelBoard b(true);
    TRadioPanel* power = b.Panel("PowerPanel");
    TRadioPanel* spare = b.Panel("SparePanel");
    TBoardHighlight* h0 = b.Add("PowerHighlight0", "&Power");
    TBoardHighlight* h1 = b.Add("PowerHighlight1", "&Power");
    TBoardHighlight* h2 = b.Add("PowerHighlight2", "&Power");
    TBoardHighlight* h3 = b.Add("PowerHighlight3", "&Power");
    TBoardHighlight* unlinked = b.Add("OptionsPower", "&Power", htOptions);
    h2->AssignRadioPanel(spare);
    h3->AssignRadioPanel(power);  // already in step: not asked about
    b.form->SetDesigning(true);

    TBoxes boxes;
    boxes.answers = {IDYES, IDNO};
    h0->SetRadioPanel(power);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text,
              "PowerHighlight0's RadioPanel property changed. Synchronize linked component "
              "PowerHighlight1?");
    EXPECT_EQ(boxes.shown[1].text,
              "PowerHighlight0's RadioPanel property changed. Synchronize linked component "
              "PowerHighlight2?");
    EXPECT_EQ(boxes.shown[0].type & 0xF, MB_YESNO);
    EXPECT_EQ(h0->RadioPanel(), power);
    EXPECT_EQ(h1->RadioPanel(), power);  // Yes
    EXPECT_EQ(h2->RadioPanel(), spare);  // No
    EXPECT_EQ(unlinked->RadioPanel(), nullptr);

    // While loading from a description nobody is asked.
    boxes.shown.clear();
    h1->SetLoading(true);
    h1->SetRadioPanel(spare);
    h1->SetLoading(false);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(h1->RadioPanel(), spare);
    EXPECT_EQ(h0->RadioPanel(), power);
}
