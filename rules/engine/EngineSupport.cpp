#include "rules/engine/EngineSupport.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "rules/core/AttributeSet.h"

namespace tallar {

Status queryRules(Database& rules, UserPort* port, std::string_view sql,
                  std::initializer_list<SqlParam> params, const RowCallback& onRow) {
    Status status = rules.exec(sql, params, onRow);
    if (!status && port)
        port->showError(status.message(), kRulesErrorCaption);
    return status;
}

CPoz* attributeEntry(const CIstota& character, const AttributeDef& member) {
    return character.FindByKind(member.entryKind);
}

} // namespace tallar
