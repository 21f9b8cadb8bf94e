#pragma once

#include "base/Status.h"
#include "base/UserPort.h"
#include "rules/core/CRdzen.h"
#include "rules/core/Dice.h"
#include "store/db/Database.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CIstota;
class CPoz;
class UserPort;
struct AttributeDef;

// What every rules-engine step works with: the rules database it reads, the character it
// writes, the user port that shows errors and asks throws, the generator of automatic
// throws and whether throws are asked of the person. The caller (the wizard, the preview,
// a test) makes one and hands it to each step; steps that run other steps pass it on.
struct EngineContext {
    Database& rules;
    CIstota& character;
    UserPort& port;
    DiceGenerator* generator = nullptr; // the program's generator when null
    bool askRolls = false;

    // The same context with every throw made by the generator.
    EngineContext automatic() const {
        EngineContext copy = *this;
        copy.askRolls = false;
        return copy;
    }
};

// Adds a query row to a pick table: the column names (aliases) once, from the first row,
// and returns the row's texts for the caller to place.
std::vector<std::string> pickRowTexts(PickTable& table, const Row& row);

// The base of the rules-engine steps (CRdzen…): the context and the helpers each step
// needs, once. A step reads rules rows and writes entries of the character; it writes no
// row. A failed query does not stop a step: the failure is shown through the port in a
// message box captioned "Błąd!" and the step goes on with the rows read; status() keeps
// the first failure for a caller that wants to know.
//
//     if (queryRules("SELECT nazwa FROM tarcza WHERE id=?;", {id}, [&](const Row& row) {
//             carried->AddChild({.info = row.text(0), .specjal = id,
//                                .typ = kinds::shield::kShield});
//         }))
//         character().RecalculateCharacter();
class EngineStep : public CRdzen {
public:
    const EngineContext& context() const { return context_; }
    // Ok, or the first failure this step met (already shown to the person).
    const Status& status() const { return status_; }

protected:
    explicit EngineStep(const EngineContext& context) : context_(context) {}

    Database& rules() const { return context_.rules; }
    CIstota& character() const { return context_.character; }
    UserPort& port() const { return context_.port; }
    bool askRolls() const { return context_.askRolls; }

    // Runs a query on the rules database. A failure (written as "SQL error: …" by the
    // database) is reported (below); the rows read before it have reached onRow.
    Status queryRules(std::string_view sql, std::initializer_list<SqlParam> params,
                      const RowCallback& onRow);
    Status queryRules(std::string_view sql, std::span<const SqlParam> params,
                      const RowCallback& onRow);
    // Shows a failure in a message box captioned "Błąd!" and keeps it when it is the
    // step's first; an ok status changes nothing.
    void report(const Status& failure);
    void report(std::string message) { report(Status::error(std::move(message))); }
    // Keeps the first failure of a step this one ran (already shown) when it is this
    // step's first.
    void keepFailureOf(const EngineStep& inner);

    // Offers the rows of a rules query in a pick list captioned `caption`, as a list window
    // shows them: column 0 is the identifier, the others are shown under their aliases, and
    // the rows come in the reverse order of the result (a query sorted DESC reads
    // ascending). The identifiers picked; nothing when cancelled.
    std::optional<std::vector<std::string>> pickFromRules(std::string_view caption,
                                                          std::string_view sql,
                                                          std::span<const SqlParam> params,
                                                          bool multiSelect = false);

    // How this step throws: asked when the context says so, else by its generator.
    DiceRolls rolls() const {
        return DiceRolls{context_.askRolls, &context_.port, context_.generator};
    }
    // Evaluates a dice expression with the character's values; the throws are asked (with
    // `label` as the prompt) when the context says so.
    double roll(std::string_view expression, std::string_view label,
                DiceMode mode = DiceMode::Roll) const;
    // Evaluates a dice expression with the character's values, never asking. An
    // expression refused for its dice counts 0 without a message: the roll that read it
    // first has shown that.
    double evaluate(std::string_view expression, DiceMode mode) const;

    // The character's top-level entry of an attribute-set member (given by its place in
    // attributeSet(), or by its definition), or null.
    CPoz* attributeEntry(std::size_t member) const;
    CPoz* attributeEntry(const AttributeDef& member) const;

private:
    EngineContext context_;
    Status status_;
};

} // namespace tallar
