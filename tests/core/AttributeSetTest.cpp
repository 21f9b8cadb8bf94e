#include "rules/core/AttributeSet.h"
#include "rules/core/ExpressionNames.h"
#include "store/db/Schema.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tallar {
namespace {

bool hasColumn(std::string_view table, const std::string& column) {
    const TableDef* def = findTable(table);
    return def && def->columnIndex(column) >= 0;
}

TEST(AttributeSet, MembersAndTheirOrder) {
    ASSERT_EQ(attributeSet().size(), 22u);
    EXPECT_EQ(attributes().size(), 11u);
    EXPECT_EQ(resistances().size(), 10u);
    EXPECT_EQ(attributes().front().code, "ŻYW");
    EXPECT_EQ(attributes().back().code, "ZW");
    EXPECT_EQ(resistances().front().entryLabel, "Odporność nr.1");
    EXPECT_EQ(resistances().back().entryKind, 12549);
    EXPECT_EQ(antimagic().code, "A.MAG");
    for (const AttributeDef& member : attributes())
        EXPECT_EQ(member.group, AttributeGroup::Attribute);
    for (const AttributeDef& member : resistances()) {
        EXPECT_EQ(member.group, AttributeGroup::Resistance);
        EXPECT_TRUE(member.code.empty());
        EXPECT_FALSE(member.sheetName.empty());
    }
    // The two places where formula entries and the character's entries differ.
    EXPECT_EQ(findAttributeByCode("PR")->formulaName, "Prezęcja");
    EXPECT_EQ(findAttributeByCode("PR")->entryLabel, "Prezencja");
    EXPECT_EQ(findAttributeByCode("UM")->entryLabel, "Umiejętności Magiczne");
}

TEST(AttributeSet, NamesAndKindsAreUnique) {
    std::set<int> kinds;
    std::set<std::string_view> prefixes, labels;
    for (const AttributeDef& member : attributeSet()) {
        EXPECT_TRUE(kinds.insert(member.entryKind).second) << member.entryLabel;
        EXPECT_TRUE(prefixes.insert(member.formulaPrefix).second) << member.entryLabel;
        EXPECT_TRUE(labels.insert(member.entryLabel).second) << member.entryLabel;
        // Entry kinds of attributes carry the real-number value kind 5 in their low bits.
        EXPECT_EQ(member.entryKind & 0xF, 5) << member.entryLabel;
        EXPECT_EQ(findAttributeByKind(member.entryKind), &member);
        EXPECT_EQ(findAttributeByFormulaPrefix(member.formulaPrefix), &member);
    }
    EXPECT_EQ(findAttributeByKind(1), nullptr);
    EXPECT_EQ(findAttributeByFormulaPrefix(""), nullptr);
}

TEST(AttributeSet, PrefixesAndColumnsExistInTheRulesTables) {
    for (const AttributeDef& member : attributeSet()) {
        const std::string formula(member.formulaPrefix);
        for (const char* suffix : {"znak", "kxx", "wsp", "limit"})
            EXPECT_TRUE(hasColumn("formuly", formula + suffix)) << formula << suffix;
        if (!member.stagePrefix.empty()) {
            for (const char* suffix : {"_znak", "_wartosc", "_proc", "_przyrost", "_limit"})
                EXPECT_TRUE(hasColumn("stadia", std::string(member.stagePrefix) + suffix))
                    << member.stagePrefix << suffix;
        }
        if (!member.professionColumn.empty()) {
            EXPECT_TRUE(hasColumn("profesje", std::string(member.professionColumn)))
                << member.professionColumn;
        }
    }
}

class FakeCharacter : public AttributeSource {
public:
    double attributeTotal(const AttributeDef& member) const override {
        return member.entryKind / 1000.0;
    }
    std::optional<int> weight() const override { return 72; }
    std::optional<int> height() const override { return std::nullopt; }
    std::optional<int> age() const override { return 19; }
};

TEST(ExpressionNames, ExactNamesReadTheCharacter) {
    const FakeCharacter character;
    EXPECT_DOUBLE_EQ(*lookUpExpressionName("CH", &character), 10.613);
    EXPECT_DOUBLE_EQ(*lookUpExpressionName("ŻYW", &character), 40.965);
    EXPECT_DOUBLE_EQ(*lookUpExpressionName("A.MAG", &character), 12.565);
    EXPECT_DOUBLE_EQ(*lookUpExpressionName("WAGA", &character), 72.0);
    EXPECT_DOUBLE_EQ(*lookUpExpressionName("WIEK", &character), 19.0);
    // A missing height entry reads as 0 but the name is still found.
    EXPECT_EQ(lookUpExpressionName("WZROST", &character), 0.0);

    for (const char* notAName : {"Ch", " CH", "CH ", "ch", "ZYW", "AMAG", "K10", "", "odp1"}) {
        EXPECT_EQ(lookUpExpressionName(notAName, &character), std::nullopt) << notAName;
        EXPECT_FALSE(isExpressionName(notAName)) << notAName;
    }
}

TEST(ExpressionNames, WithoutACharacterNothingIsFound) {
    EXPECT_EQ(lookUpExpressionName("CH", nullptr), std::nullopt);
    EXPECT_TRUE(isExpressionName("CH"));
    EXPECT_TRUE(isExpressionName("WZROST"));
    EXPECT_TRUE(isExpressionName("A.MAG"));
}

} // namespace
} // namespace tallar
