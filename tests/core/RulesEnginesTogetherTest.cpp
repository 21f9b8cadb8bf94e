#include "rules/core/AttributeSet.h"
#include "rules/core/DiceGenerator.h"
#include "rules/core/RulesMath.h"
#include "rules/data/SampleRules.h"
#include "rules/engine/CRdzenKlasaSpoleczna.h"
#include "rules/engine/CRdzenOdpornosci.h"
#include "rules/engine/CRdzenStadium.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "support/EngineFixture.h"
#include "support/TreeDump.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tallar {
namespace {

// From the sample rules: an adult human (a stage players may choose), the magnates (wealth
// over a hundred, so part of it goes to the bank), the sickly disability (Żywotność times
// 4/5, so it lowers the base physical resistance) and the giant-growth ability (Siła
// fizyczna, weight and height).
constexpr const char* kHuman = "100000000000000000000101000001";
constexpr const char* kAdultHuman = "100000000000000000000102000103";
constexpr const char* kMagnates = "100000000000000000000201000005";
constexpr const char* kSickly = "100000000000000000000301000003";
constexpr const char* kGiantGrowth = "100000000000000000000301000016";

// A character made on the sample rules by the engines in the order of the creation
// wizard, every die thrown by one generator with the given seed.
struct SampleCharacter : test::EngineFixture {
    explicit SampleCharacter(std::uint32_t seed) : generator(seed) {
        EXPECT_TRUE(loadSampleRules(*rules.db).ok());
        int startingAge = 0;
        EXPECT_TRUE(rules.db
                        ->exec("SELECT od FROM stadia WHERE id=? AND idrasa=? AND gracze='T';",
                               {kAdultHuman, kHuman},
                               [&](const Row& row) { startingAge = std::stoi(row.text(0)); })
                        .ok());
        EXPECT_GT(startingAge, 0);

        // What the first pages write: race, stage, age, social class, the chosen
        // disability and ability.
        CPoz& extra = top(kLinkDodatkoweInformacje);
        CPoz& look = add(extra, "Rasa: Człowiek", kinds::info::kAppearance, 0, kHuman);
        add(look, "Stadium: Dorosły", kinds::stage::kStage, 0, kAdultHuman);
        add(extra, "WIEK", kinds::info::kAge, startingAge);
        const EngineContext rolled = context(false, &generator);
        CRdzenKlasaSpoleczna(rolled).Apply(kMagnates);
        add(top(kLinkUlomnosci), "Chorowity", kinds::ability::kDisability, 0, kSickly);
        add(top(kLinkZdolnosci), "Olbrzymi wzrost", kinds::ability::kAbility, 0, kGiantGrowth);

        // Race stage: random parts, then the age step. The shares of the abilities then
        // grow by what the stage folds.
        CRdzenStadium stage(rolled);
        stage.RollRandomParts();
        stage.AgeStep();
        GrowthProfile stageProfile;
        stage.FoldProfile(stageProfile);

        // Disabilities, then abilities: formulas first, then their shares.
        CRdzenUlomnosc disabilities(rolled, CRdzenUlomnosc::kDisabilities);
        CRdzenUlomnosc abilities(rolled, CRdzenUlomnosc::kAbilities);
        disabilities.ApplyFormulas();
        abilities.ApplyFormulas();
        disabilities.ApplyToAttributes(stageProfile);
        abilities.ApplyToAttributes(stageProfile);

        CRdzenOdpornosci(rolled).BaseResistances();

        EXPECT_TRUE(port.diePrompts().empty()); // every die came from the generator
        EXPECT_TRUE(port.errors().empty());
        EXPECT_EQ(rules.errors.str(), "");
        EXPECT_EQ(characters.errors.str(), "");
    }

    std::string tree() const { return test::dumpTree(*character); }

    DiceGenerator generator;
};

// The child of `parent` whose memo's second "|" field is `tag` ("ulom", "zdol").
const CPoz* taggedShare(const CPoz& parent, std::string_view tag) {
    for (const CPoz* child : parent.children()) {
        const std::size_t bar = child->memo.find('|');
        if (bar != std::string::npos && child->memo.substr(bar + 1) == tag)
            return child;
    }
    return nullptr;
}

int valueOf(const CPoz& parent, int kind) {
    const CPoz* child = parent.FindByKind(kind);
    EXPECT_NE(child, nullptr) << parent.info << " has no child of kind " << kind;
    return child ? child->wartosc : -1000;
}

TEST(RulesEnginesTogether, SameSeedGivesTheSameCharacter) {
    const std::string first = SampleCharacter(2026).tree();
    EXPECT_EQ(first, SampleCharacter(2026).tree());
    EXPECT_NE(first, SampleCharacter(31).tree());
}

TEST(RulesEnginesTogether, EnginesAgreeOnTheSampleCharacter) {
    bool shareMovesTheResistance = false;
    for (const std::uint32_t seed : {2026u, 31u}) {
        SCOPED_TRACE(seed);
        SampleCharacter c(seed);
        CPoz& vitality = c.top(kLinkZywotnosc);
        const CPoz& strength = c.top(kLinkSilaFizyczna);
        const CPoz& psychic = c.top(kLinkBazowaOdpornoscPsychiczna);
        const CPoz& physical = c.top(kLinkBazowaOdpornoscFizyczna);

        // The disability's share (Żywotność times 4/5) sits beside the racial part and
        // counts both in the attribute and in the base resistances.
        const CPoz* sickly = taggedShare(vitality, "ulom");
        ASSERT_NE(sickly, nullptr);
        EXPECT_EQ(sickly->info, "Chorowity");
        EXPECT_EQ(sickly->memo, "0|ulom");
        EXPECT_DOUBLE_EQ(sickly->modyfikator, 0.8);
        ASSERT_NE(vitality.FindByKind(kinds::perMember::kRacial[member::kVitality]),
                  nullptr); // "Rasowa" of the stage
        EXPECT_EQ(valueOf(physical, 18689), roundToInt(vitality.total / 10));
        EXPECT_EQ(valueOf(psychic, 18497), roundToInt(vitality.total / 20));
        auto withoutShare = CPoz::CopyTree(
            vitality, false, [&](const CPoz& part) { return part.memo != sickly->memo; });
        (void)withoutShare->Recalculate(0.0, 0.0, 0);
        EXPECT_LT(vitality.total, withoutShare->total);
        shareMovesTheResistance |=
            roundToInt(withoutShare->total / 10) != roundToInt(vitality.total / 10);

        // The ability's share refers to the effect under its formula's owner and counts in
        // Siła fizyczna and its base resistance; its weight and height shares in the rolled
        // weight and height.
        const CPoz* giant = taggedShare(strength, "zdol");
        ASSERT_NE(giant, nullptr);
        const CPoz& owner = *c.top(kLinkZdolnosci).front()->front();
        EXPECT_EQ(owner.typ, kinds::formula::kOwner);
        ASSERT_NE(giant->target(), nullptr);
        EXPECT_EQ(giant->target()->parent(), &owner);
        EXPECT_EQ(giant->wartosc, roundToInt(giant->target()->modyfikator));
        EXPECT_GE(giant->wartosc, 1); // K5
        EXPECT_LE(giant->wartosc, 5);
        EXPECT_EQ(valueOf(physical, 18577), roundToInt(strength.total / 10));
        const CPoz& look = *c.top(kLinkDodatkoweInformacje).FindByKind(kinds::info::kAppearance);
        for (const int kind : {kinds::stage::kWeight, kinds::stage::kHeight}) {
            const CPoz* measure = look.FindByKind(kind);
            ASSERT_NE(measure, nullptr);
            const CPoz* share = taggedShare(*measure, "zdol");
            ASSERT_NE(share, nullptr) << measure->info;
            EXPECT_GT(share->wartosc, 0);
            EXPECT_DOUBLE_EQ(measure->total, measure->wartosc + share->wartosc) << measure->info;
        }

        // The base resistances: the stage's random part and the attributes' parts, all
        // present and not negative, handed on to every resistance.
        for (const CPoz* base : {&psychic, &physical}) {
            EXPECT_EQ(base->size(), base == &psychic ? 4u : 3u) << base->info;
            for (const CPoz* part : base->children())
                EXPECT_GE(part->wartosc, 0) << part->info;
            EXPECT_GE(base->total, 1.0);
        }
        const int random = valueOf(physical, kinds::attribute::kPhysicalRandom);
        EXPECT_GE(random, 1); // K10
        EXPECT_LE(random, 10);
        for (int n = 0; n < 10; ++n) {
            const CPoz& resistance = c.top(kLinkOdpornosc1 + n);
            EXPECT_EQ(valueOf(resistance, n < 5 ? 12581 : 12597),
                      static_cast<int>(n < 5 ? psychic.total : physical.total))
                << resistance.info;
        }
        // "Odporność nr.6": the stage's part, the disability's share and the base.
        const CPoz& sixth = c.top(kLinkOdpornosc1 + 5);
        const CPoz* sixthShare = taggedShare(sixth, "ulom");
        ASSERT_NE(sixthShare, nullptr);
        EXPECT_GE(sixthShare->wartosc, -10); // minus K10
        EXPECT_LE(sixthShare->wartosc, -1);
        int sum = 0;
        for (const CPoz* part : sixth.children())
            sum += part->wartosc;
        EXPECT_DOUBLE_EQ(sixth.total, sum);

        // The social class: its entry, the wealth split between purse and bank and the
        // family estate, and its part of Charyzma.
        const CPoz* socialClass =
            c.top(kLinkDodatkoweInformacje).FindByKind(kinds::info::kSocialClass);
        ASSERT_NE(socialClass, nullptr);
        EXPECT_EQ(socialClass->specjal, kMagnates);
        EXPECT_EQ(socialClass->memo, "Możnowładcy");
        const CPoz& wealth = c.top(kLinkMajatek);
        ASSERT_EQ(wealth.FindByKind(kinds::money::kAtHand)->size(), 1u);
        ASSERT_EQ(wealth.FindByKind(kinds::money::kInBank)->size(), 1u);
        ASSERT_EQ(wealth.FindByKind(kinds::money::kEstate)->size(), 1u);
        const int atHand = wealth.FindByKind(kinds::money::kAtHand)->front()->wartosc;
        const int total = atHand + wealth.FindByKind(kinds::money::kInBank)->front()->wartosc;
        EXPECT_GE(total, 210); // 10K10+200
        EXPECT_LE(total, 300);
        EXPECT_EQ(atHand, roundToInt(total * 0.1));
        EXPECT_DOUBLE_EQ(wealth.FindByKind(kinds::money::kEstate)->front()->modyfikator,
                         10.0 * total);
        const CPoz& charisma = c.top(kLinkCharyzma);
        const int classCharisma = valueOf(charisma, 16993);
        EXPECT_GE(classCharisma, 6); // K10+5
        EXPECT_LE(classCharisma, 15);
        EXPECT_DOUBLE_EQ(charisma.total, valueOf(charisma, 16929) + classCharisma);
    }
    // At least one seed where leaving the disability's share out would show.
    EXPECT_TRUE(shareMovesTheResistance);
}

} // namespace
} // namespace tallar
