#include "wizard/CWizard7.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "rules/engine/CRdzenZbroja.h"
#include "rules/engine/EquipmentEntries.h"
#include "wizard/CWizard1.h"

namespace tallar {

namespace {

// An element's properties as the armour list shows them.
// (An empty column shows as empty; a limit or coefficient below 1, or empty, as 1/1.)
constexpr const char* kElementProperties =
    "'Warstwa:'||IFNULL(C.warstwa,'')"
    "||'|Zwiększenie ogr.szybkości:+'||IFNULL(CAST(C.zwogrsz AS INT),0)"
    "||'|Zwiększenie ogr.zręczności:+'||IFNULL(CAST(C.zwogrzr AS INT),0)"
    "||'|Wsp.wyparowań i obrony:1/'||IFNULL(CASE WHEN CAST(C.wspwypiob AS INT)<1 THEN 1 ELSE "
    "CAST(C.wspwypiob AS INT) END,1)"
    "||'|Ograniczenia szybkości:1/'||IFNULL(CASE WHEN CAST(C.ogrsz AS INT)<1 THEN 1 ELSE "
    "CAST(C.ogrsz AS INT) END,1)"
    "||'|Ograniczenia zręczności:1/'||IFNULL(CASE WHEN CAST(C.ogrzr AS INT)<1 THEN 1 ELSE "
    "CAST(C.ogrzr AS INT) END,1)"
    "||'|Wyparowania obuchowe:'||IFNULL(C.wypob,'')"
    "||'|Wyparowania tnące:'||IFNULL(C.wyptn,'')"
    "||'|Wyparowania kłute:'||IFNULL(C.wypkl,'')"
    "||'|Obrona:'||IFNULL(C.obrona,'')"
    "||'|Wsp.obr.zionięć i wybuchów:1/'||IFNULL(C.wspzioniec,'')"
    "||'|Waga [SF]:'||IFNULL(C.waga,'')"
    "||'|Wytrzymałość:'||IFNULL(C.wytrzymalosc,'')"
    "||'|Bonus do odporności 7,8,10:'||IFNULL(C.bonus,'')"
    "||'|Element metalowy:'||IFNULL(C.metal,'')";

// A limit or coefficient of 1/N: N, at least 1.
int atLeastOne(const std::string& text) {
    return std::max(textToInt(text), 1);
}

} // namespace

std::vector<PropertyRow> propertyRows(std::string_view text) {
    std::vector<PropertyRow> rows;
    for (const std::string& piece : splitText(text, '|')) {
        const auto colon = piece.find(':');
        if (colon != std::string::npos)
            rows.emplace_back(piece.substr(0, colon), piece.substr(colon + 1));
    }
    return rows;
}

CWizard7::CWizard7(const EngineContext& context) : context_(context) {}

Status CWizard7::query(std::string_view sql, std::initializer_list<SqlParam> params,
                       const RowCallback& onRow) {
    Status status = context_.rules.exec(sql, params, onRow);
    if (!status)
        context_.port.showError(status.message(), kWizardErrorCaption);
    return status;
}

std::string CWizard7::stageId() const {
    const CPoz* information = context_.character.link(kLinkDodatkoweInformacje);
    const CPoz* look = information ? information->FindByKind(kinds::info::kAppearance) : nullptr;
    const CPoz* stageEntry = look ? look->FindByKind(kinds::stage::kStage) : nullptr;
    return stageEntry ? stageEntry->specjal : std::string();
}

void CWizard7::open() {
    armours_.clear();
    const std::string sql =
        std::string("SELECT A.id,A.nazwa,C.id,C.nazwa,C.warstwa,") + kElementProperties +
        " FROM zbroja A "
        " INNER JOIN zbrojaelem B ON B.idzbroi=A.id "
        " INNER JOIN elementzbroi C ON C.id=B.idelemzbr "
        " AND A.id NOT IN "
        " (SELECT AA.id "
        " FROM zbroja AA "
        " INNER JOIN zbrojaelem BB ON BB.idzbroi=AA.id "
        " LEFT OUTER JOIN elemzrbrasy CC ON CC.idelemzbr=BB.idelemzbr AND CC.idstadium=? "
        "WHERE CC.idstadium IS NULL) "
        "\tORDER BY A.nazwa,A.id,C.nazwa,C.id; ";
    (void)query(sql, {stageId()}, [this](const Row& row) {
        if (armours_.empty() || armours_.back().id != row.text(0))
            armours_.push_back({.id = row.text(0), .name = row.text(1)});
        armours_.back().elements.push_back(
            {.id = row.text(2), .name = row.text(3), .properties = row.text(5)});
    });
}

const ArmourChoice* CWizard7::entry(Item item) const {
    if (item.armour >= armours_.size())
        return nullptr;
    const ArmourChoice& armour = armours_[item.armour];
    if (!item.element)
        return &armour;
    return *item.element < armour.elements.size() ? &armour.elements[*item.element] : nullptr;
}

std::vector<PropertyRow> CWizard7::properties(Item item) const {
    const ArmourChoice* chosen = entry(item);
    return chosen ? propertyRows(chosen->properties) : std::vector<PropertyRow>();
}

void CWizard7::select(Item item) {
    if (item.armour >= armours_.size())
        return;
    ArmourChoice& armour = armours_[item.armour];
    if (item.element) {
        if (*item.element >= armour.elements.size())
            return;
        ArmourChoice& element = armour.elements[*item.element];
        if (!element.protection)
            element.protection = elementProtection(armour, element);
    } else if (!armour.protection) {
        armour.protection = armourProtection(armour);
    }
}

// The element's own protection on each part of the stage it covers, with the strongest
// coefficient and increases among the armour's elements of its layer on that part.
std::vector<ProtectionRow> CWizard7::elementProtection(const ArmourChoice& armour,
                                                       const ArmourChoice& element) {
    const auto sameLayer = [](const char* column) {
        return std::string("(SELECT MAX(") + column +
               ") FROM zbrojaelem YB INNER JOIN elementzbroi YC ON YC.id=YB.idelemzbr"
               " INNER JOIN elemzrcialo YD ON YD.idelemzbr=YC.id"
               " WHERE YB.idzbroi=? AND YC.warstwa=XC.warstwa AND YD.idcialo=XE.id)";
    };
    const std::string sql =
        "SELECT XE.id, XE.nazwa, CAST(XC.obrona AS INT), CAST(XC.wypkl AS INT), "
        "CAST(XC.wyptn AS INT), CAST(XC.wypob AS INT), "
        "CASE WHEN CAST(XC.ogrzr AS INT)<1 THEN 1 ELSE CAST(XC.ogrzr AS INT) END, "
        "CASE WHEN CAST(XC.ogrsz AS INT)<1 THEN 1 ELSE CAST(XC.ogrsz AS INT) END, " +
        sameLayer("CASE WHEN CAST(YC.wspwypiob AS INT)<1 THEN 1 ELSE CAST(YC.wspwypiob AS INT) "
                  "END") +
        ", " + sameLayer("CAST(YC.zwogrzr AS INT)") + ", " + sameLayer("CAST(YC.zwogrsz AS INT)") +
        " FROM elementzbroi XC"
        " INNER JOIN elemzrcialo XD ON XD.idelemzbr=XC.id"
        " INNER JOIN czescicialadef XE ON XE.id=XD.idcialo"
        " WHERE XC.id=? AND XE.id IN (SELECT S.id_nad FROM stadiumczesci S WHERE S.idstadium=?)"
        " ORDER by XE.nazwa DESC, XE.id DESC, XC.warstwa DESC;";
    std::vector<ProtectionRow> rows;
    (void)query(sql, {armour.id, armour.id, armour.id, element.id, stageId()},
                [&rows](const Row& row) {
                    rows.push_back({.part = row.text(1),
                                    .piercing = static_cast<int>(row.integer(3)),
                                    .cutting = static_cast<int>(row.integer(4)),
                                    .blunt = static_cast<int>(row.integer(5)),
                                    .defence = static_cast<int>(row.integer(2))});
                });
    return rows;
}

// The armour's elements layered on each part of the stage, and the armour's totals.
std::vector<ProtectionRow> CWizard7::armourProtection(ArmourChoice& armour) {
    const std::string stage = stageId();
    ArmourLayering layering;
    (void)query("SELECT E.id, E.nazwa, C.ogrzr, C.ogrsz, C.obrona, C.wypkl, C.wyptn, C.wypob, "
                "C.warstwa, C.zwogrzr, C.zwogrsz, C.wspwypiob, C.bonus, C.metal, D.domyslna"
                " FROM zbroja A INNER JOIN zbrojaelem B ON B.idzbroi=A.id"
                " INNER JOIN elementzbroi C ON C.id=B.idelemzbr"
                " INNER JOIN elemzrcialo X ON X.idelemzbr=C.id"
                " INNER JOIN czescicialadef E ON E.id=X.idcialo"
                " INNER JOIN stadiumczesci D ON D.id_nad=E.id AND D.idstadium=?"
                " WHERE A.id=? ORDER by E.nazwa DESC, E.id DESC, C.warstwa DESC;",
                {stage, armour.id}, [&layering](const Row& row) {
                    layering.add(row.text(0), row.text(1), flagSet(row.text(14)),
                                 layeringElementFromRow(row));
                });
    std::vector<ProtectionRow> rows;
    for (const BodyPartProtection& p : layering.parts())
        rows.push_back({.part = p.partName,
                        .piercing = p.piercing,
                        .cutting = p.cutting,
                        .blunt = p.blunt,
                        .defence = p.defence});

    std::string weight, bonus, metal, breath;
    (void)query("SELECT SUM(C.waga), SUM(C.bonus) ,MAX(C.metal) ,MAX(C.wspzioniec) "
                " FROM zbroja A INNER JOIN zbrojaelem B ON B.idzbroi=A.id"
                " INNER JOIN elementzbroi C ON C.id=B.idelemzbr"
                " WHERE A.id=?;",
                {armour.id}, [&](const Row& row) {
                    weight = row.text(0);
                    bonus = row.text(1);
                    metal = row.text(2);
                    breath = row.text(3);
                });
    const BodyPartProtection& own = layering.armourProtection();
    armour.properties = "Ograniczenia szybkości:1/" + std::to_string(layering.speedLimit()) +
                        "|Ograniczenia zręczności:1/" + std::to_string(layering.dexterityLimit()) +
                        "|Wyparowania obuchowe:" + std::to_string(own.blunt) +
                        "|Wyparowania tnące:" + std::to_string(own.cutting) +
                        "|Wyparowania kłute:" + std::to_string(own.piercing) +
                        "|Obrona:" + std::to_string(own.defence) +
                        "|Wsp.obr.zionięć i wybuchów:1/" + std::to_string(atLeastOne(breath)) +
                        "|Waga [SF]:" + weight + "|Bonus do odporności 7,8,10:" + bonus +
                        "|Elementy metalowe:" + metal;
    return rows;
}

bool CWizard7::setTicked(Item item, bool ticked) {
    if (item.armour >= armours_.size())
        return false;
    if (ticked) {
        const auto other = tickedArmour();
        if (other && *other != item.armour)
            return false;
    }
    ArmourChoice& armour = armours_[item.armour];
    armour.ticked = ticked;
    for (ArmourChoice& element : armour.elements)
        element.ticked = ticked;
    return true;
}

std::optional<std::size_t> CWizard7::tickedArmour() const {
    for (std::size_t i = 0; i < armours_.size(); ++i)
        if (armours_[i].ticked)
            return i;
    return std::nullopt;
}

void CWizard7::finish() {
    if (const auto ticked = tickedArmour())
        (void)CRdzenZbroja(context_).AddArmourEntry(armours_[*ticked].id);
    context_.character.RebuildLoad();
}

} // namespace tallar
