#include "model/Kinds.h"
#include "model/Entry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tallar {
namespace {

using kinds::perMember::Table;

struct MemberTable {
    std::string name;
    const Table& kinds;
    int valueKind;  // what every kind of the table carries (its low four bits)
    bool antimagic; // whether antimagic has one
};

// Every kind of a per-member table carries the value kind its entries need: a typo in one
// of the 260 numbers almost always changes its low four bits.
TEST(KindCatalogue, PerMemberTablesCarryTheirValueKinds) {
    const MemberTable tables[] = {
        {"racial", kinds::perMember::kRacial, kInteger, true},
        {"profession", kinds::perMember::kProfession, kInteger, false},
        {"experience levels", kinds::perMember::kExperienceLevels, kInteger, false},
        {"profession bonus", kinds::perMember::kProfessionBonus, kInteger, false},
        {"growth multiplier", kinds::perMember::kGrowthMultiplier, kPercent, true},
        {"formula effect", kinds::perMember::kFormulaEffect, kGroup, true},
        {"formula limit", kinds::perMember::kFormulaLimit, kInteger, true},
        {"formula share", kinds::perMember::kFormulaShare, kMixed, true},
        {"passage amount", kinds::perMember::kPassageAmount, kMixed, true},
        {"passage multiplier", kinds::perMember::kPassageMultiplier, kPercent, false},
        {"passage limit", kinds::perMember::kPassageLimit, kInteger, false},
    };
    std::set<int> seen;
    for (const MemberTable& table : tables) {
        for (std::size_t m = 0; m < table.kinds.size(); ++m) {
            const int kind = table.kinds[m];
            if (m == member::kAntimagic && !table.antimagic) {
                EXPECT_EQ(kind, 0) << table.name;
                continue;
            }
            EXPECT_EQ(valueKindOf(kind), table.valueKind) << table.name << " member " << m;
            EXPECT_TRUE(seen.insert(kind).second) << table.name << " repeats " << kind;
            EXPECT_EQ(findAttributeByKind(kind), nullptr) << kind << " is an attribute's own";
        }
    }
}

// The parts that a step adds to an entry of the skeleton read as numbers (value kind 1) or,
// for shares and references, in the form their labels need.
TEST(KindCatalogue, NamedPartsCarryTheirValueKinds) {
    for (const int kind :
         {kinds::attribute::kOverweightVitality, kinds::attribute::kOverweightDexterity,
          kinds::attribute::kSocialClassCharisma, kinds::attribute::kPsychicRandom,
          kinds::attribute::kPhysicalLevels, kinds::stage::kRacialProficiency,
          kinds::proficiency::kSpent, kinds::stage::kHeight, kinds::stage::kWeight,
          kinds::equipment::kWeight})
        EXPECT_EQ(valueKindOf(kind), kInteger) << kind;
    EXPECT_EQ(valueKindOf(kinds::attribute::kDexterityReference), kRefInteger);
    EXPECT_EQ(valueKindOf(kinds::body::kDexterityDefence), kRefOutside);
    EXPECT_EQ(valueKindOf(kinds::attribute::kDexterityLimit), kPercent);
    EXPECT_EQ(valueKindOf(kinds::money::kMoney), kMoney);
    EXPECT_EQ(valueKindOf(kinds::profession::kExperience), kExperience);
    EXPECT_EQ(valueKindOf(kinds::weapon::kType), kText);
    EXPECT_EQ(valueKindOf(kinds::top::kLoad), kTotal);
}

} // namespace
} // namespace tallar
