#include <gtest/gtest.h>

#include <memory>

#include "tests/platform_reader/ReaderFixtures.h"

using namespace reader_fixtures;

namespace {

class FormReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterFixtureClasses();
        Log().clear();
    }

    template <class T = TFixItem>
    T* Find(TComponent& root, const char* name) {
        return dynamic_cast<T*>(root.FindComponent(name));
    }
};

TEST_F(FormReaderTest, CreatesNamesNestsThenAppliesInTextOrderAndCallsLoadedLast) {
    TFixForm form(nullptr);
    ReadForm(form,
             "object MainForm: TFixForm\n"
             "  Caption = 'Setup'\n"
             "  object Box1: TFixBox\n"
             "    Left = 1\n"
             "    object Inner: TFixItem\n"
             "      Left = 2\n"
             "    end\n"
             "  end\n"
             "  object Second: TFixItem\n"
             "    Left = 3\n"
             "  end\n"
             "end\n");

    // The name is set before the parent, the parent before any property.
    const std::vector<std::string> expected{
        "MainForm.Caption", "Box1.parent=MainForm",   "Box1.Left",      "Inner.parent=Box1",
        "Inner.Left",       "Second.parent=MainForm", "Second.Left",    "Box1.Loaded",
        "Inner.Loaded",     "Second.Loaded",          "MainForm.Loaded"};
    EXPECT_EQ(Log(), expected);

    ASSERT_EQ(form.ComponentCount(), 3);
    EXPECT_EQ(form.Components(0)->Name(), "Box1");
    EXPECT_EQ(form.Components(1)->Name(), "Inner");
    EXPECT_EQ(form.Components(2)->Name(), "Second");
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* item = dynamic_cast<TFixItem*>(form.Components(i));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Owner(), &form);
        EXPECT_TRUE(item->LoadingWhenSet) << item->Name();
        EXPECT_FALSE(item->IsLoading()) << item->Name();
    }
    EXPECT_STREQ(Find(form, "Box1")->ClassName(), "TFixBox");
    EXPECT_EQ(Find(form, "Inner")->Parent, Find(form, "Box1"));
    EXPECT_EQ(form.Name(), "MainForm");
    EXPECT_TRUE(form.LoadingWhenSet);
    EXPECT_FALSE(form.IsLoading());
}

TEST_F(FormReaderTest, OnlyWrittenPropertiesAreApplied) {
    TFixForm form(nullptr);
    ReadForm(form,
             "object F: TFixForm\n"
             "  object A: TFixItem\n"
             "    Visible = False\n"
             "  end\n"
             "end\n");
    TFixItem* a = Find(form, "A");
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->Visible);
    EXPECT_EQ(a->Left, 7);
    EXPECT_EQ(a->Caption, "default");
    EXPECT_EQ(a->Sides, fsLeft | fsTop);
    EXPECT_EQ(a->Color, clBtnFace);
    EXPECT_EQ(a->Ratio, 1.0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"A.parent=F", "A.Loaded", "F.Loaded"}));
}

TEST_F(FormReaderTest, AppliesEveryKindOfValue) {
    TFixForm form(nullptr);
    ReadForm(form,
             "object F: TFixForm\n"
             "  Tag = -3\n"
             "  object A: TFixItem\n"
             "    left = $10\n"  // property names ignore case
             "    Visible = false\n"
             "    Caption = 'it''s'\n"
             "    Align = FACLIENT\n"
             "    Sides = [fsRight, fsBottom]\n"
             "    Ratio = 2\n"
             "    Color = clWhite\n"
             "    Lines.Strings = (\n"
             "      'one'\n"
             "      'two')\n"
             "    Items = ('x')\n"
             "    Font.Name = 'MS Sans Serif'\n"
             "    Data = {0aFF\n"
             "      10}\n"
             "  end\n"
             "  object B: TFixItem\n"
             "    Sides = []\n"
             "    Ratio = 0.25\n"
             "    Color = $0000FF\n"
             "    Lines.Strings = ()\n"
             "  end\n"
             "end\n");
    EXPECT_EQ(form.Tag, -3);
    TFixItem* a = Find(form, "A");
    TFixItem* b = Find(form, "B");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->Left, 16);
    EXPECT_FALSE(a->Visible);
    EXPECT_EQ(a->Caption, "it's");
    EXPECT_EQ(a->Align, faClient);
    EXPECT_EQ(a->Sides, fsRight | fsBottom);
    EXPECT_EQ(a->Ratio, 2.0);
    EXPECT_EQ(a->Color, clWhite);
    EXPECT_EQ(a->Lines, (std::vector<String>{"one", "two"}));
    EXPECT_EQ(a->ItemList.items, (std::vector<String>{"x"}));
    EXPECT_EQ(a->FontName, "MS Sans Serif");
    EXPECT_EQ(a->Data, QByteArray("\x0a\xff\x10", 3));
    EXPECT_EQ(b->Sides, 0);
    EXPECT_EQ(b->Ratio, 0.25);
    EXPECT_EQ(b->Color, clRed);
    EXPECT_TRUE(b->Lines.empty());
}

TEST_F(FormReaderTest, ReferencesResolveAfterAllComponentsExist) {
    TFixForm form(nullptr);
    ReadForm(form,
             "object F: TFixForm\n"
             "  ActiveItem = Later\n"
             "  object First: TFixBox\n"
             "    Partner = later\n"  // names ignore case too
             "    Link = F\n"
             "  end\n"
             "  object Later: TFixItem\n"
             "    Partner = First\n"
             "    Link = Other\n"
             "  end\n"
             "  object Other: TFixOther\n"
             "  end\n"
             "end\n");
    TFixItem* first = Find(form, "First");
    TFixItem* later = Find(form, "Later");
    ASSERT_TRUE(first && later);
    EXPECT_EQ(form.ActiveItem, later);
    EXPECT_EQ(first->Partner, later);
    EXPECT_EQ(first->Link, &form);
    EXPECT_EQ(later->Partner, first);  // a TFixBox is a TFixItem
    EXPECT_EQ(later->Link, form.FindComponent("Other"));
}

TEST_F(FormReaderTest, BindsEventsByHandlerNameAndFieldsByComponentName) {
    TFixForm form(nullptr);
    TObject* clicked = nullptr;
    TFixItem* button = nullptr;
    TFixBox* box = nullptr;
    TFixOther* other = nullptr;
    TFormBindings bindings;
    bindings.Field("Button", button)
        .Field("box", box)
        .Field("Other", other)
        .Handler("ButtonClick", [&](TObject* sender) { clicked = sender; })
        .Handler("FormCreate", &form, &TFixForm::FormCreate);
    ReadForm(form,
             "object F: TFixForm\n"
             "  OnCreate = formcreate\n"
             "  object Button: TFixItem\n"
             "    OnClick = ButtonClick\n"
             "  end\n"
             "  object Box: TFixBox\n"
             "  end\n"
             "  object Other: TFixOther\n"
             "  end\n"
             "end\n",
             bindings);
    ASSERT_EQ(button, Find(form, "Button"));
    EXPECT_EQ(box, Find(form, "Box"));
    EXPECT_EQ(other, form.FindComponent("Other"));

    button->Click();
    EXPECT_EQ(clicked, button);
    EXPECT_FALSE(box->OnClick);  // not written, stays unassigned
    ASSERT_TRUE(form.OnCreate);
    form.OnCreate(&form);
    EXPECT_EQ(form.CreateSender, &form);
}

TEST_F(FormReaderTest, RootNameIsMadeUniqueAmongItsOwnersComponents) {
    TComponent application(nullptr);
    TFixOther first(&application);
    first.SetName("Form");
    TFixForm form(&application);
    ReadForm(form, "object Form: TFixForm\n  ActiveItem = A\n  object A: TFixItem\n  end\nend");
    EXPECT_EQ(form.Name(), "Form_1");
    EXPECT_EQ(form.ActiveItem, Find(form, "A"));
}

struct TFailureCase {
    const char* title;
    const char* text;
    int line;
    const char* fragment;
};

const TFailureCase FailureCases[] = {
    {"unknown class", "object F: TFixForm\n  object A: TNoSuch\n  end\nend", 2, "TNoSuch"},
    {"abstract class", "object F: TFixForm\n object A: TFixAbstract\n end\nend", 2, "TFixAbstract"},
    {"unknown property",
     "object F: TFixForm\n  object A: TFixItem\n    Left = 1\n    Width = 2\n"
     "  end\nend",
     4, "Width"},
    {"bad enum value",
     "object F: TFixForm\n  object A: TFixItem\n    Align = alClient\n  end\n"
     "end",
     3, "faNone, faTop, faClient"},
    {"bad set member",
     "object F: TFixForm\n  object A: TFixItem\n    Sides = [fsLeft, akTop]\n"
     "  end\nend",
     3, "akTop"},
    {"string for an integer",
     "object F: TFixForm\n  object A: TFixItem\n    Left = '1'\n  end\n"
     "end",
     3, "expected an integer, found a string"},
    {"integer for a boolean",
     "object F: TFixForm\n  object A: TFixItem\n    Visible = 1\n  end\n"
     "end",
     3, "expected an identifier"},
    {"identifier for a boolean",
     "object F: TFixForm\n  object A: TFixItem\n    Visible = Yes\n"
     "  end\nend",
     3, "True or False"},
    {"unknown colour",
     "object F: TFixForm\n  object A: TFixItem\n    Color = clPink\n  end\n"
     "end",
     3, "clPink"},
    {"integer out of range",
     "object F: TFixForm\n  object A: TFixItem\n    Left = 4294967296\n"
     "  end\nend",
     3, "out of range"},
    {"setter refuses", "object F: TFixForm\n  object A: TFixItem\n\n    Left = -9999\n  end\nend",
     4, "Left may not be -9999"},
    {"unknown reference",
     "object F: TFixForm\n  object A: TFixItem\n    Partner = Nobody\n"
     "  end\nend",
     3, "Nobody"},
    {"reference of the wrong type",
     "object F: TFixForm\n  object A: TFixItem\n"
     "    Partner = B\n  end\n  object B: TFixOther\n  end\nend",
     3, "B is a TFixOther, not a TFixItem"},
    {"unknown handler",
     "object F: TFixForm\n  object A: TFixItem\n    OnClick = AClick\n"
     "  end\nend",
     3, "AClick"},
    {"unterminated string",
     "object F: TFixForm\n  object A: TFixItem\n    Caption = 'abc\n"
     "  end\nend",
     3, "unterminated string"},
    {"missing end", "object F: TFixForm\n  object A: TFixItem\n    Left = 1\n  end\n", 4,
     "'end' of object F"},
    {"duplicate component name",
     "object F: TFixForm\n  object A: TFixItem\n  end\n"
     "  object a: TFixBox\n  end\nend",
     4, "already exists"},
    {"root class differs from the form", "object F: TFixItem\nend", 1, "TFixForm"},
    {"property after a nested object",
     "object F: TFixForm\n  object A: TFixItem\n  end\n"
     "  Tag = 1\nend",
     4, "'object' or 'end' expected but found 'Tag'"},
};

class FormReaderFailureTest : public FormReaderTest,
                              public ::testing::WithParamInterface<TFailureCase> {};

TEST_P(FormReaderFailureTest, RaisesErrorNamingTheLine) {
    const TFailureCase& c = GetParam();
    auto form = std::make_unique<TFixForm>(nullptr);
    try {
        ReadForm(*form, c.text);
        FAIL() << "no error for " << c.title;
    } catch (const EFormReadError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(c.fragment), std::string::npos) << message;
    }
    EXPECT_FALSE(form->IsLoading());
    for (int i = 0; i < form->ComponentCount(); ++i) {
        EXPECT_EQ(form->Components(i)->Owner(), form.get());
        EXPECT_FALSE(form->Components(i)->IsLoading());
    }
    form.reset();  // everything created so far goes with the form (checked by LeakSanitizer)
}

INSTANTIATE_TEST_SUITE_P(Cases, FormReaderFailureTest, ::testing::ValuesIn(FailureCases),
                         [](const ::testing::TestParamInfo<TFailureCase>& info) {
                             std::string name = info.param.title;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST_F(FormReaderTest, ErrorMidwayKeepsCreatedComponentsOwnedByTheRoot) {
    TFixForm form(nullptr);
    EXPECT_THROW(ReadForm(form,
                          "object F: TFixForm\n"
                          "  object A: TFixBox\n"
                          "    object B: TFixItem\n"
                          "      Left = 1\n"
                          "    end\n"
                          "  end\n"
                          "  object C: TFixItem\n"
                          "    Nonsense = 1\n"
                          "  end\n"
                          "end\n"),
                 EFormReadError);
    ASSERT_EQ(form.ComponentCount(), 3);
    EXPECT_EQ(Find(form, "B")->Left, 1);
    // Loaded never ran: an incomplete form is not announced as loaded.
    EXPECT_EQ(std::count(Log().begin(), Log().end(), "B.Loaded"), 0);
}

TEST_F(FormReaderTest, FieldErrorsNameTheLine) {
    struct TCase {
        const char* text;
        int line;
        const char* fragment;
    };
    const TCase cases[] = {
        {"object F: TFixForm\n  object Other: TFixItem\n  end\nend", 1, "Missing"},
        {"object F: TFixForm\n  object Missing: TFixItem\n  end\n  object Other: TFixItem\n"
         "  end\nend",
         4, "Other is a TFixItem, the form's field needs a TFixOther"},
    };
    for (const TCase& c : cases) {
        TFixForm form(nullptr);
        TFixItem* missing = nullptr;
        TFixOther* other = nullptr;
        TFormBindings bindings;
        bindings.Field("Missing", missing).Field("Other", other);
        try {
            ReadForm(form, c.text, bindings);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EFormReadError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << message;
            EXPECT_NE(message.find(c.fragment), std::string::npos) << message;
        }
        EXPECT_EQ(other, nullptr);
    }
}

TEST_F(FormReaderTest, RootClassMustBeRegistered) {
    class TUnlisted : public TComponent {
    public:
        using TComponent::TComponent;
        const char* ClassName() const override { return "TUnlisted"; }
    };
    TUnlisted root(nullptr);
    try {
        ReadForm(root, "object U: TUnlisted\nend");
        ADD_FAILURE() << "an unregistered root was read";
    } catch (const EFormReadError& error) {
        EXPECT_STREQ(error.what(), "line 1: class TUnlisted is not registered");
    }
    EXPECT_FALSE(root.IsLoading());
}

TEST_F(FormReaderTest, HandlerOfAnotherEventTypeIsRefused) {
    using TCountEvent = std::function<void(int)>;
    TFixForm form(nullptr);
    TFormBindings bindings;
    bindings.Handler<TCountEvent>("Counted", [](int) {});
    EXPECT_THROW(
        {
            try {
                ReadForm(form, "object F: TFixForm\n  OnCreate = Counted\nend", bindings);
            } catch (const EFormReadError& error) {
                EXPECT_STREQ(error.what(), "line 2: handler 'Counted' does not fit this event");
                throw;
            }
        },
        EFormReadError);
}

}  // namespace
