#include "rules/engine/EngineStep.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "rules/core/AttributeSet.h"

namespace tallar {

Status EngineStep::queryRules(std::string_view sql, std::initializer_list<SqlParam> params,
                              const RowCallback& onRow) {
    return queryRules(sql, std::span<const SqlParam>(params.begin(), params.size()), onRow);
}

Status EngineStep::queryRules(std::string_view sql, std::span<const SqlParam> params,
                              const RowCallback& onRow) {
    Status status = context_.rules.exec(sql, params, onRow);
    report(status);
    return status;
}

std::vector<std::string> pickRowTexts(PickTable& table, const Row& row) {
    if (table.columns.empty())
        for (int c = 0; c < row.columnCount(); ++c)
            table.columns.push_back(row.name(c));
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(row.columnCount()));
    for (int c = 0; c < row.columnCount(); ++c)
        texts.push_back(row.text(c));
    return texts;
}

void EngineStep::report(const Status& failure) {
    if (failure.ok())
        return;
    context_.port.showError(failure.message(), kRulesErrorCaption);
    if (status_.ok())
        status_ = failure;
}

std::optional<std::vector<std::string>> EngineStep::pickFromRules(std::string_view caption,
                                                                  std::string_view sql,
                                                                  std::span<const SqlParam> params,
                                                                  bool multiSelect) {
    PickTable table;
    (void)queryRules(sql, params, [&](const Row& row) {
        table.rows.insert(table.rows.begin(), pickRowTexts(table, row));
    });
    return context_.port.pickRows(caption, table, multiSelect);
}

void EngineStep::keepFailureOf(const EngineStep& inner) {
    if (status_.ok())
        status_ = inner.status();
}

double EngineStep::roll(std::string_view expression, std::string_view label, DiceMode mode) const {
    return EvaluateDice(expression, rolls(), label, mode, &context_.character);
}

double EngineStep::evaluate(std::string_view expression, DiceMode mode) const {
    const DiceRolls automatic{.askRolls = false, .port = nullptr, .generator = context_.generator};
    return EvaluateDice(expression, automatic, "", mode, &context_.character);
}

CPoz* EngineStep::attributeEntry(std::size_t member) const {
    return attributeEntry(attributeSet()[member]);
}

CPoz* EngineStep::attributeEntry(const AttributeDef& member) const {
    return context_.character.FindByKind(member.entryKind);
}

} // namespace tallar
