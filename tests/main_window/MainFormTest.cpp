// The real main window built from the product's board description: what the
// description creates and in which order, the window's own settings, the
// one-shot idle handler and File > Exit.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include "app/MainForm.h"
#include "assets/Assets.h"
#include "platform/FormReader.h"
#include "platform/Menus.h"
#include "platform/StandardClasses.h"
#include "setupctrls/PopupForm.h"

using namespace vcl;
using namespace setupctrls;
using app::TMainForm;

namespace {

std::vector<String> ComponentNames(const TComponent* owner) {
    std::vector<String> names;
    for (int i = 0; i < owner->ComponentCount(); ++i) names.push_back(owner->Components(i)->Name());
    return names;
}

std::vector<String> ChildNames(const TWinControl* parent) {
    std::vector<String> names;
    for (int i = 0; i < parent->ControlCount(); ++i) names.push_back(parent->Controls(i)->Name());
    return names;
}

std::vector<String> ItemCaptions(const TMenuItem* item) {
    std::vector<String> captions;
    for (int i = 0; i < item->Count(); ++i) captions.push_back(item->Items(i)->Caption());
    return captions;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        InitAssets();
        app.Initialize();
        app.CreateForm(form);
    }

    // What Run does before its loop, plus the first paint.
    void ShowAndPaint() {
        form->Show();
        QCoreApplication::processEvents();
    }

    TApplication app;
    TMainForm* form = nullptr;
};

TEST_F(MainWindow, ComponentsAreCreatedInDescriptionOrder) {
    // Each group: a component followed by its children.
    // clang-format off
    EXPECT_EQ(ComponentNames(form), (std::vector<String>{
        "BoardImage1", "PowerHighlight0", "PowerHighlight1", "IPHighlight", "ETHHighlight",
            "LedHighlight", "MolexHighlight", "DataHighlight",
        "PowerPanel", "Image1", "PowerScrewPaint", "OrLabel", "Label2", "Label3",
        "IDO0Panel", "ETHPanel", "IDO17Panel", "LEDPanel",
        "IPPanel", "Label1", "Label4", "Label5", "ConnectButton", "IPEdit", "SubnetEdit",
            "GatewayEdit", "ChangeNetButton",
        "MainMenu1", "File1", "Exit2", "Help1", "Howtousethisprogram1", "TechnicalSupport1",
        "SetSup"}));
    // clang-format on
    EXPECT_EQ(
        ChildNames(form->BoardImage1),
        (std::vector<String>{"PowerHighlight0", "PowerHighlight1", "IPHighlight", "ETHHighlight",
                             "LedHighlight", "MolexHighlight", "DataHighlight"}));
    EXPECT_EQ(ChildNames(form),
              (std::vector<String>{"BoardImage1", "PowerPanel", "IDO0Panel", "ETHPanel",
                                   "IDO17Panel", "LEDPanel", "IPPanel"}));
    EXPECT_EQ(ChildNames(form->PowerPanel),
              (std::vector<String>{"Image1", "PowerScrewPaint", "OrLabel", "Label2", "Label3"}));
    EXPECT_EQ(ChildNames(form->IPPanel),
              (std::vector<String>{"Label1", "Label4", "Label5", "ConnectButton", "IPEdit",
                                   "SubnetEdit", "GatewayEdit", "ChangeNetButton"}));
    EXPECT_EQ(form->Name(), "MainForm");
    EXPECT_EQ(app.MainForm(), form);
}

TEST_F(MainWindow, WindowSettingsAndMaximisedShow) {
    EXPECT_EQ(form->Caption(), "Setup");
    EXPECT_EQ(form->Color(), clWhite);
    const TFont& font = form->Font();
    EXPECT_EQ(font.Charset, 1);
    EXPECT_EQ(font.Color, clWindowText);
    EXPECT_EQ(font.Height, -11);
    EXPECT_EQ(font.Name, "MS Sans Serif");
    EXPECT_EQ(font.Style, 0u);
    EXPECT_EQ(form->Menu(), form->MainMenu1);
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(form->Align(), alClient);
    EXPECT_EQ(form->Position(), poDesigned);
    EXPECT_EQ(form->BoundsRect(), Bounds(305, 77, 873, 751));  // until shown
    EXPECT_EQ(form->PixelsPerInch(), 96);
    EXPECT_EQ(form->TextHeight(), 13);

    ShowAndPaint();
    EXPECT_TRUE(form->Window()->isMaximized());
    EXPECT_EQ(form->BoundsRect(), app.WorkArea());
    EXPECT_TRUE(form->Active());
    // The client area shows white wherever nothing covers it: the bottom-left
    // corner lies outside the centred board picture.
    const QImage shot = form->ClientWidget()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.pixelColor(2, shot.height() - 3), QColor(Qt::white));
}

// At the pixels-per-inch the description was made for nothing is scaled: the
// tables below hold the described values as they are.
TEST_F(MainWindow, DescribedMetricsNeedNoScaling) {
    ASSERT_EQ(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()), 96);
    EXPECT_EQ(form->BoardImage1->BoundsRect(), Bounds(142, 80, 600, 536));
    EXPECT_EQ(form->PowerPanel->BoundsRect(), Bounds(264, 416, 313, 161));
    EXPECT_EQ(form->ChangeNetButton->BoundsRect(), Bounds(264, 8, 73, 73));
}

TEST_F(MainWindow, BoardImageSettings) {
    TBoardImage* image = form->BoardImage1;
    EXPECT_EQ(image->Parent(), form);
    EXPECT_EQ(image->Picture()->Width(), 600);
    EXPECT_EQ(image->Picture()->Height(), 536);
    EXPECT_TRUE(image->Stretch());
    EXPECT_FALSE(image->AutoSize());
    EXPECT_EQ(image->First(), form->PowerHighlight0);
    EXPECT_EQ(image->Menu(), form->MainMenu1);
    EXPECT_TRUE(image->CenterOnForm());
    EXPECT_TRUE(image->Scale());
    EXPECT_FALSE(image->Center());
    EXPECT_FALSE(image->Transparent());
}

TEST_F(MainWindow, HighlightsAsDescribed) {
    struct Row {
        TBoardHighlight* highlight;
        const char* name;
        TRect bounds;
        THighlightType type;
        TRadioPanel* panel;
        const char* title;
    };
    const Row rows[] = {
        {form->PowerHighlight0, "PowerHighlight0", Bounds(36, 304, 74, 80), htOptions,
         form->PowerPanel, "Main/VBB &Power"},
        {form->PowerHighlight1, "PowerHighlight1", Bounds(0, 386, 107, 76), htOptions,
         form->PowerPanel, "Main/VBB &Power"},
        {form->IPHighlight, "IPHighlight", Bounds(213, 114, 102, 102), htSettings, form->IPPanel,
         "&IP Address"},
        {form->ETHHighlight, "ETHHighlight", Bounds(0, 186, 133, 101), htOptions, form->ETHPanel,
         "&Ethernet Connector"},
        {form->LedHighlight, "LedHighlight", Bounds(0, 93, 113, 50), htOptions, form->LEDPanel,
         "Power/Activity &LED"},
        {form->MolexHighlight, "MolexHighlight", Bounds(516, 49, 76, 49), htOptions,
         form->IDO0Panel, "&First Digital Connector"},
        {form->DataHighlight, "DataHighlight", Bounds(446, 179, 152, 222), htOptions,
         form->IDO17Panel, "&Main Digital Connector"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(row.highlight, nullptr);
        EXPECT_EQ(row.highlight->Name(), row.name);
        EXPECT_EQ(row.highlight->Parent(), form->BoardImage1);
        EXPECT_EQ(row.highlight->BoundsRect(), row.bounds);
        EXPECT_EQ(row.highlight->HighlightType(), row.type);
        EXPECT_EQ(row.highlight->RadioPanel(), row.panel);
        EXPECT_EQ(row.highlight->Title(), row.title);
        EXPECT_TRUE(row.highlight->CreatePopup());
    }
}

TEST_F(MainWindow, DescriptionPanelsAsDescribed) {
    struct Row {
        TRadioPanel* panel;
        const char* name;
        TRect bounds;
        int tabOrder;
        const char* text;  // null: filled in by the network code, not here
    };
    const Row rows[] = {
        {form->PowerPanel, "PowerPanel", Bounds(264, 416, 313, 161), 1,
         "12V power is provided via one or the other of these connectors. This is both main "
         "board power and VBB for the digital outputs."},
        {form->IDO0Panel, "IDO0Panel", Bounds(744, 96, 201, 9), 2,
         "This 2-pin Molex connector has the first isolated digital output, IDO 0."},
        {form->ETHPanel, "ETHPanel", Bounds(-72, 296, 201, 9), 3,
         "The ethernet connector on this board is a standard RJ-45 socket."},
        {form->IDO17Panel, "IDO17Panel", Bounds(744, 304, 201, 9), 4,
         "This 15-pin Molex connector has the last seven isolated digital outputs, IDO 1 "
         "through IDO 7."},
        {form->LEDPanel, "LEDPanel", Bounds(-72, 152, 201, 9), 5,
         "This LED is on to indicate power, and flickers to indicate activity."},
        {form->IPPanel, "IPPanel", Bounds(264, 8, 345, 89), 6, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(row.panel, nullptr);
        EXPECT_EQ(row.panel->Name(), row.name);
        EXPECT_EQ(row.panel->Parent(), form);
        EXPECT_EQ(row.panel->BoundsRect(), row.bounds);
        EXPECT_EQ(row.panel->TabOrder(), row.tabOrder);
        if (row.text) {
            ASSERT_EQ(row.panel->Lines()->Count(), 1);
            EXPECT_EQ(row.panel->Lines()->Strings(0), row.text);
        }
        EXPECT_FALSE(row.panel->Visible());
        EXPECT_EQ(row.panel->BevelOuter(), bvNone);
        EXPECT_EQ(row.panel->MemoHeight(), 58);
        EXPECT_EQ(row.panel->FinalAnchors(), akLeft | akTop);
        EXPECT_FALSE(row.panel->RadioEnabled());
        EXPECT_FALSE(row.panel->OnActivate);
        EXPECT_FALSE(row.panel->OnDeactivate);
        EXPECT_FALSE(row.panel->OnRadioChange);
    }
}

TEST_F(MainWindow, PanelContentsAsDescribed) {
    struct Child {
        TControl* control;
        const char* name;
        TWinControl* parent;
        TRect bounds;
    };
    const Child children[] = {
        {form->Image1, "Image1", form->PowerPanel, Bounds(100, 104, 112, 48)},
        {form->PowerScrewPaint, "PowerScrewPaint", form->PowerPanel, Bounds(128, 8, 57, 65)},
        {form->OrLabel, "OrLabel", form->PowerPanel, Bounds(136, 80, 41, 17)},
        {form->Label2, "Label2", form->PowerPanel, Bounds(24, 16, 97, 17)},
        {form->Label3, "Label3", form->PowerPanel, Bounds(24, 48, 97, 17)},
        {form->Label1, "Label1", form->IPPanel, Bounds(80, 8, 49, 21)},
        {form->Label4, "Label4", form->IPPanel, Bounds(80, 32, 49, 21)},
        {form->Label5, "Label5", form->IPPanel, Bounds(80, 56, 49, 21)},
        {form->ConnectButton, "ConnectButton", form->IPPanel, Bounds(8, 8, 73, 25)},
        {form->IPEdit, "IPEdit", form->IPPanel, Bounds(136, 8, 121, 21)},
        {form->SubnetEdit, "SubnetEdit", form->IPPanel, Bounds(136, 32, 121, 21)},
        {form->GatewayEdit, "GatewayEdit", form->IPPanel, Bounds(136, 56, 121, 21)},
        {form->ChangeNetButton, "ChangeNetButton", form->IPPanel, Bounds(264, 8, 73, 73)},
    };
    for (const Child& c : children) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.control, nullptr);
        EXPECT_EQ(c.control->Name(), c.name);
        EXPECT_EQ(c.control->Parent(), c.parent);
        EXPECT_EQ(c.control->BoundsRect(), c.bounds);
    }

    struct LabelRow {
        TLabel* label;
        TAlignment alignment;
        TTextLayout layout;
        const char* caption;
    };
    const LabelRow labels[] = {
        {form->OrLabel, taCenter, tlTop, "or"},
        {form->Label2, taRightJustify, tlTop, "V In / VBB"},
        {form->Label3, taRightJustify, tlTop, "Ground"},
        {form->Label1, taRightJustify, tlCenter, "IP"},
        {form->Label4, taRightJustify, tlCenter, "Subnet"},
        {form->Label5, taRightJustify, tlCenter, "Gateway"},
    };
    for (const LabelRow& l : labels) {
        SCOPED_TRACE(l.caption);
        EXPECT_EQ(l.label->Alignment(), l.alignment);
        EXPECT_EQ(l.label->Layout(), l.layout);
        EXPECT_EQ(l.label->Caption(), l.caption);
        EXPECT_FALSE(l.label->AutoSize());
    }

    struct EditRow {
        TEdit* edit;
        int tabOrder;
        const char* text;
    };
    const EditRow edits[] = {
        {form->IPEdit, 1, "192.168.1.174"},
        {form->SubnetEdit, 2, "255.255.0.0"},
        {form->GatewayEdit, 3, "192.168.1.1"},
    };
    for (const EditRow& e : edits) {
        SCOPED_TRACE(e.text);
        EXPECT_EQ(e.edit->TabOrder(), e.tabOrder);
        EXPECT_EQ(e.edit->Text(), e.text);
    }

    EXPECT_EQ(form->ConnectButton->Caption(), "Connect");
    EXPECT_EQ(form->ConnectButton->TabOrder(), 0);
    EXPECT_TRUE(form->ConnectButton->OnClick);
    EXPECT_EQ(form->ChangeNetButton->Caption(), "Change");
    EXPECT_EQ(form->ChangeNetButton->TabOrder(), 4);
    EXPECT_FALSE(form->ChangeNetButton->Enabled());
    EXPECT_TRUE(form->ChangeNetButton->OnClick);

    EXPECT_TRUE(form->Image1->AutoSize());
    EXPECT_EQ(form->Image1->Picture()->Width(), 112);
    EXPECT_EQ(form->Image1->Picture()->Height(), 48);
    EXPECT_TRUE(form->PowerScrewPaint->OnPaint);
}

TEST_F(MainWindow, MainMenuBeforeAnyHighlightAddsToIt) {
    TMainMenu* menu = form->MainMenu1;
    ASSERT_NE(menu, nullptr);
    TMenuItem* root = menu->Items();
    ASSERT_EQ(root->Count(), 2);
    EXPECT_EQ(root->Items(0), form->File1);
    EXPECT_EQ(root->Items(1), form->Help1);
    EXPECT_EQ(ItemCaptions(root), (std::vector<String>{"&File", "&Help"}));
    ASSERT_EQ(form->File1->Count(), 1);
    EXPECT_EQ(form->File1->Items(0), form->Exit2);
    ASSERT_EQ(form->Help1->Count(), 2);
    EXPECT_EQ(form->Help1->Items(0), form->Howtousethisprogram1);
    EXPECT_EQ(form->Help1->Items(1), form->TechnicalSupport1);
    EXPECT_EQ(form->Exit2->Caption(), "&Exit");
    EXPECT_EQ(form->Howtousethisprogram1->Caption(), "H&ow to use this program");
    EXPECT_EQ(form->TechnicalSupport1->Caption(), "&Technical Support");
    for (TMenuItem* command : {form->Exit2, form->Howtousethisprogram1, form->TechnicalSupport1}) {
        SCOPED_TRACE(command->Name());
        EXPECT_TRUE(command->OnClick);
        EXPECT_FALSE(command->Checked());
    }
    // The window's menu bar shows the same entries.
    QList<QAction*> bar = form->Window()->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[1]->text(), "&Help");
}

TEST_F(MainWindow, SetupSupporterSettings) {
    TSetupSupporter* sup = form->SetSup;
    ASSERT_NE(sup, nullptr);
    EXPECT_EQ(sup->CompanyName, "TALVEN");
    EXPECT_EQ(sup->CardNameA, "VEXA-K8");
    EXPECT_EQ(sup->CardNameB, "VEXAK8");
    EXPECT_EQ(sup->CallHow, "between 8 am and 5 pm Pacific Time at 1-800-555-0148");
    EXPECT_TRUE(sup->ChangeButtons);
    EXPECT_FALSE(sup->bSeries);
    EXPECT_FALSE(sup->UseCardNameB);
    EXPECT_FALSE(sup->MultiPort);
    EXPECT_EQ(sup->Channels, 8);
    EXPECT_EQ(sup->CardName(), "VEXA-K8");
    EXPECT_FALSE(sup->OnBeginCalib);
    EXPECT_FALSE(sup->OnGetCardString);
    EXPECT_FALSE(sup->OnGetCalibString);
    EXPECT_FALSE(sup->OnStopButtonClick);
    EXPECT_FALSE(sup->OnStartButtonClick);
}

TEST_F(MainWindow, FirstIdleIsArmedByCreationAndRunsOnce) {
    ASSERT_TRUE(app.OnIdle);  // armed by FormCreate
    ShowAndPaint();
    app.ProcessIdle();
    EXPECT_FALSE(app.OnIdle);
    // It does not come back: an idle handler installed afterwards keeps
    // running on every idle step.
    int idles = 0;
    app.OnIdle = [&](TObject*, bool&) { ++idles; };
    for (int i = 0; i < 5; ++i) app.ProcessIdle();
    EXPECT_EQ(idles, 5);

    // The done flag is left as it came.
    for (bool given : {false, true}) {
        bool done = given;
        form->FirstIdle(&app, done);
        EXPECT_EQ(done, given);
    }
}

// File > Exit ends the program in one step, even with a pinned popup open.
TEST_F(MainWindow, FileExitTerminatesTheApplication) {
    ShowAndPaint();
    form->IPHighlight->MenuItemClick(form->IPHighlight);  // opens and pins its popup
    ASSERT_NE(form->IPHighlight->PopupForm(), nullptr);
    ASSERT_TRUE(form->IPHighlight->PopupForm()->Visible());
    ASSERT_FALSE(app.Terminated());

    form->Exit2->QtAction()->trigger();  // as if chosen from the menu bar
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(form->Visible());
}

// The platform's form scaling: a description made for other text metrics is
// scaled by the ratio of the text height here to the designed one.
TEST(MainWindowScaling, DescriptionFollowsTheScreensTextHeight) {
    ASSERT_EQ(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()), 96);
    struct TScaledForm : TForm {
        TScaledForm(TComponent* owner, int ppi, int textHeight) : TForm(owner) {
            const String description =
                "object ScaledForm: TForm\n"
                "  PixelsPerInch = " +
                std::to_string(ppi) +
                "\n"
                "  TextHeight = " +
                std::to_string(textHeight) +
                "\n"
                "  object Panel1: TPanel\n"
                "    Left = 10\n    Top = 20\n    Width = 100\n    Height = 50\n"
                "  end\n"
                "end\n";
            TFormBindings bindings;
            bindings.Field("Panel1", panel);
            LoadDescription(description, bindings);
        }
        TPanel* panel = nullptr;
    };
    struct Case {
        int ppi;
        int textHeight;
        TRect expected;
    };
    const Case cases[] = {
        {96, 13, Bounds(10, 20, 100, 50)},  // the main window's own metrics
        {192, 26, Bounds(5, 10, 50, 25)},   // made at twice the resolution
    };
    RegisterStandardClasses();
    TApplication app;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ppi);
        auto* form = new TScaledForm(&app, c.ppi, c.textHeight);
        ASSERT_NE(form->panel, nullptr);
        EXPECT_EQ(form->panel->BoundsRect(), c.expected);
    }
}

}  // namespace
