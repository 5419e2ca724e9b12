#include <gtest/gtest.h>

#include "tests/platform_reader/ReaderFixtures.h"

using namespace reader_fixtures;

namespace {

class TRegA : public TComponent {
public:
    using TComponent::TComponent;
    int Value = 0;
};
class TRegB : public TRegA {
public:
    using TRegA::TRegA;
};

TEST(ClassRegistryTest, FindsClassesAndInheritedPropertiesWithoutRegardToCase) {
    RegisterFixtureClasses();
    const TClassInfo* box = Classes().Find("tfixbox");
    const TClassInfo* item = Classes().Find(typeid(TFixItem));
    ASSERT_TRUE(box && item);
    EXPECT_EQ(box->Parent(), item);
    EXPECT_TRUE(box->InheritsFrom(*Classes().Find("TComponent")));
    EXPECT_NE(box->FindProperty("LINES.strings"), nullptr);
    EXPECT_EQ(item->FindProperty("Tag"), nullptr);  // the form's, not the item's
    EXPECT_TRUE(Classes().Find("TFixAbstract")->IsAbstract());

    TComponent owner(nullptr);
    TComponent* made = box->Create(&owner);
    EXPECT_STREQ(made->ClassName(), "TFixBox");
    EXPECT_EQ(made->Owner(), &owner);
}

TEST(ClassRegistryTest, RegisteringAgainReplacesInsteadOfDuplicating) {
    RegisterClass<TRegA>("TRegA").Int("Value", &TRegA::Value);
    TClassInfo& again = RegisterClass<TRegA>("TRegA").Int("value", &TRegA::Value).Info();
    EXPECT_EQ(&again, Classes().Find("TRegA"));
    EXPECT_NE(again.FindProperty("VALUE"), nullptr);

    EXPECT_THROW(RegisterClass<TRegB>("TRegA"), std::logic_error);  // name taken
    EXPECT_THROW(RegisterClass<TRegB>("TRegB", "TNoParent"), std::logic_error);
    RegisterClass<TRegB>("TRegB", "TRegA");
    EXPECT_THROW(RegisterClass<TRegA>("TRegA", "TRegB"), std::logic_error);  // a loop
    EXPECT_EQ(Classes().Find("TRegA")->Parent(), Classes().Find("TComponent"));
}

}  // namespace
