#include "wizard/CWizard3.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "wizard/CWizard1.h"

#include <algorithm>
#include <cctype>

namespace tallar {

namespace {

// What each list shows: the profession's id, name, limit, shown text, its 13 level
// increases (an empty column counting as an empty expression) and its extra roll.
constexpr const char* kColumns =
    "E.id,E.nazwa,D.pozlimit,E.nazwa|| CASE WHEN D.pozlimit<>'' THEN ' [limit: '||D.pozlimit||' "
    "poz]' ELSE '' END  ,IFNULL(E.poz_zyw,'')||'|'||IFNULL(E.poz_sf,'')||'|'||IFNULL(E.poz_zr,'')"
    "||'|'||IFNULL(E.poz_sz,'')||'|'||IFNULL(E.poz_inte,'')||'|'||IFNULL(E.poz_md,'')||'|'||"
    "IFNULL(E.poz_um,'')||'|'||IFNULL(E.poz_ch,'')||'|'||IFNULL(E.poz_pr,'')||'|'||"
    "IFNULL(E.poz_wi,'')||'|'||IFNULL(E.poz_zw,'')||'|'||IFNULL(E.bgl_ilosc,'')||'|'||"
    "IFNULL(E.bgl_na_poz,'')  ,CASE WHEN E.bgl_podst='T' THEN 1 ELSE 0 END dodrzut ";
enum Column { kId, kName, kLimit, kShown, kRequirements, kExtraRoll };

// A profession is open when the race offers it, the alignment is allowed both to the race
// and to the profession, and the social class both to the race and to the profession.
constexpr const char* kOpenToOrigin =
    " FROM stadia A  INNER JOIN rasy B ON B.id=A.idrasa  INNER JOIN rasycharakter C ON "
    "C.idrasa=B.id  INNER JOIN profrasa D ON D.idrasa=B.id  INNER JOIN profesje E ON E.id=D.id  "
    "INNER JOIN profcharakter F ON F.id=E.id AND F.idcharakter=C.idcharakter INNER JOIN "
    "rasyklasy G ON G.idrasa=B.id INNER JOIN profklasy H ON H.id=E.id AND H.idklasy=G.idklasy";
constexpr const char* kOrigin = " WHERE A.id=? AND C.idcharakter=? AND H.idklasy=?";
constexpr const char* kOrder = " ORDER BY E.nazwa;";

// How a list is rebuilt when another choice changes. `profprof` says that profession `id`
// may be taken with `idpfor`: X pairs the candidate with the choice p, Y with the choice
// q, and Z requires p and q to be combinable with each other.
struct Rebuild {
    std::size_t changed, rebuilt;
    bool pairsRequired; // X and Y inner joins: the candidate must be combinable at all
    std::size_t p;
    const char* withP;
    std::size_t q;
    const char* withQ;
};
constexpr const char* kWithBoth = " AND Z.id IS NOT NULL AND Y.idpfor=?";
constexpr const char* kWithX = " AND E.id<>X.idpfor AND X.idpfor=?";
constexpr std::array<Rebuild, 6> kRebuilds = {{
    {0, 1, true, 0, kWithX, 2, kWithBoth},
    {0, 2, true, 0, " AND Z.id IS NOT NULL AND E.id<>X.idpfor AND X.idpfor=?", 1, kWithBoth},
    {1, 0, false, 1, " AND X.idpfor=?", 2, kWithBoth},
    {1, 2, true, 0, kWithX, 1, kWithBoth},
    {2, 0, false, 1, kWithX, 2, kWithBoth},
    {2, 1, true, 0, kWithX, 2, kWithBoth},
}};

bool saysSpec(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("spec") != std::string::npos;
}

std::string specjalOf(const CPoz* entry) {
    return entry ? entry->specjal : std::string();
}

std::string slotName(std::size_t slot) {
    return std::to_string(slot + 1);
}

} // namespace

CWizard3::CWizard3(Database& rules, CIstota& hero, UserPort& port)
    : rules_(rules), hero_(hero), port_(port) {}

bool CWizard3::query(const std::string& sql, std::span<const SqlParam> params,
                     std::vector<ProfessionItem>& items) {
    std::vector<ProfessionItem> read;
    Status status = rules_.exec(sql, params, [&](const Row& row) {
        read.push_back({.id = row.text(kId),
                        .name = row.text(kName),
                        .limitText = row.text(kLimit),
                        .shown = row.text(kShown),
                        .requirements = row.text(kRequirements),
                        .extraRoll = row.integer(kExtraRoll) == 1});
    });
    if (!status) {
        // The list stays as it was.
        port_.showError(status.message(), kWizardErrorCaption);
        return false;
    }
    items = std::move(read);
    return true;
}

void CWizard3::open() {
    if (const CPoz* extra = hero_.link(kLinkDodatkoweInformacje)) {
        const CPoz* look = extra->FindByKind(kinds::info::kAppearance);
        stageId_ = specjalOf(look ? look->FindByKind(kinds::stage::kStage) : nullptr);
        alignmentId_ = specjalOf(extra->FindByKind(kinds::info::kAlignment));
        classId_ = specjalOf(extra->FindByKind(kinds::info::kSocialClass));
    }
    const SqlParam origin[] = {stageId_, alignmentId_, classId_};
    (void)query(std::string("SELECT ") + kColumns + kOpenToOrigin + kOrigin + kOrder, origin,
                slots_[0].offered);
}

const std::vector<ProfessionItem>& CWizard3::offered(std::size_t slot) const {
    return slots_.at(slot).offered;
}

const ProfessionItem* CWizard3::chosen(std::size_t slot) const {
    const Slot& s = slots_.at(slot);
    for (const ProfessionItem& item : s.offered)
        if (!s.id.empty() && item.id == s.id)
            return &item;
    return nullptr;
}

int CWizard3::levelLimit(std::size_t slot) const {
    const ProfessionItem* item = chosen(slot);
    const int limit = item ? textToInt(item->limitText) : 0;
    return limit < 1 ? kNoLimit : limit;
}

int CWizard3::level(std::size_t slot) const {
    return textToInt(slots_.at(slot).levelText);
}

void CWizard3::choose(std::size_t slot, std::string_view id) {
    if (!enabled(slot) && !id.empty())
        return;
    slots_.at(slot).id = id;
    for (const Rebuild& rebuild : kRebuilds)
        if (rebuild.changed == slot)
            this->rebuild(slot, rebuild.rebuilt);
}

void CWizard3::rebuild(std::size_t changed, std::size_t rebuilt) {
    const auto found = std::find_if(kRebuilds.begin(), kRebuilds.end(), [&](const Rebuild& r) {
        return r.changed == changed && r.rebuilt == rebuilt;
    });
    const Rebuild& r = *found;
    const char* pairJoin = r.pairsRequired ? " INNER JOIN" : " LEFT JOIN";
    std::string sql = std::string("SELECT DISTINCT ") + kColumns + kOpenToOrigin + pairJoin +
                      " profprof X ON X.id=E.id" + pairJoin + " profprof Y ON Y.id=E.id" +
                      " LEFT JOIN profprof Z ON Z.id=X.idpfor and Z.idpfor=Y.idpfor and "
                      "X.idpfor<>Y.idpfor" +
                      kOrigin;
    std::vector<SqlParam> params = {stageId_, alignmentId_, classId_};
    if (!slots_[r.p].id.empty()) {
        sql += r.withP;
        params.emplace_back(slots_[r.p].id);
    }
    if (!slots_[r.q].id.empty()) {
        sql += r.withQ;
        params.emplace_back(slots_[r.q].id);
    }
    Slot& target = slots_[rebuilt];
    if (!query(sql + kOrder, params, target.offered))
        return;
    // The choice stays while the list still offers it.
    if (!chosen(rebuilt))
        target.id.clear();
}

void CWizard3::setLevelText(std::size_t slot, std::string_view text) {
    if (!enabled(slot) && !text.empty())
        return;
    slots_.at(slot).levelText = text;
    if (slot != 1)
        return;
    thirdOpen_ = saysSpec(text);
    if (!thirdOpen_ && (!slots_[2].id.empty() || !slots_[2].levelText.empty())) {
        slots_[2].levelText.clear();
        choose(2, "");
    }
}

std::optional<std::string> CWizard3::problem(Field field) const {
    const auto index = static_cast<std::size_t>(field);
    const std::size_t slot = index / 2;
    const bool isLevel = index % 2 == 1;
    const Slot& s = slots_[slot];
    const std::string name = "Profesja " + slotName(slot) + ": ";
    if (!isLevel) {
        if (slot == 0 && s.id.empty())
            return s.offered.empty() ? name + "rasa, charakter i klasa społeczna nie "
                                              "dopuszczają żadnej profesji."
                                     : name + "wybierz profesję.";
        if (slot == 2 && !s.id.empty() && slots_[1].id.empty())
            return name + "trzecia profesja wymaga drugiej.";
        return std::nullopt;
    }
    const std::string levelName = "Poziom " + slotName(slot) + ": ";
    if (s.levelText.empty())
        return std::nullopt;
    if (s.id.empty())
        return levelName + "poziom bez profesji; wybierz profesję albo usuń poziom.";
    const int typed = level(slot);
    if (typed < 0 || typed > kMaxLevel)
        return levelName + "podaj poziom od 0 do " + std::to_string(kMaxLevel) + ".";
    if (!limitsLifted() && typed > levelLimit(slot))
        return levelName + "profesja " + chosen(slot)->name + " ma limit " +
               std::to_string(levelLimit(slot)) + " poziomów.";
    return std::nullopt;
}

std::optional<CWizard3::Field> CWizard3::firstProblem() const {
    for (Field field : kFields)
        if (problem(field))
            return field;
    return std::nullopt;
}

bool CWizard3::finish() {
    if (firstProblem())
        return false;
    CPoz* professions = hero_.link(kLinkProfesje);
    if (!professions)
        return false;
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        const ProfessionItem* item = chosen(slot);
        if (!item)
            continue;
        const int typed = level(slot);
        CPoz& entry = professions->AddChild({.info = item->name,
                                             .specjal = item->id,
                                             .typ = kinds::profession::kProfession,
                                             .wartosc = levelLimit(slot),
                                             .modyfikator = item->extraRoll ? 1.0 : 0.0,
                                             .memo = item->requirements});
        entry.AddChild({.info = "Poziom", .typ = kinds::profession::kLevel, .wartosc = typed});
        entry.AddChild({.info = "Punkty doświadczenia",
                        .typ = kinds::profession::kExperience,
                        .wartosc = ExperienceForLevel(typed)});
    }
    return true;
}

} // namespace tallar
