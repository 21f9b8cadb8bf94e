#include "wizard/CWizard1.h"

#include "base/Cp1250.h"
#include "base/UserPort.h"
#include "model/Character.h"
#include "rules/engine/CRdzenKlasaSpoleczna.h"

#include <algorithm>

namespace tallar {

namespace {

// The label of an alignment: the first five letters of the law axis, the first four of
// its qualifier in parentheses with a point, a hyphen, the morality axis and its
// qualifier the same way.
#define TALLAR_ALIGNMENT_LABEL                                                                     \
    "substr(A.prawo,1,5)||case when A.prawo_ew<>'' then '('||substr(A.prawo_ew,1,4)||'.)' "        \
    "else '' end ||'-'||A.moralnosc||case when A.moralnosc_ew<>'' then "                           \
    "'('||substr(A.moralnosc_ew,1,4)||'.)' else '' end 'charakter  '"

constexpr const char* kAllAlignments =
    "SELECT A.id," TALLAR_ALIGNMENT_LABEL " FROM charaktery A WHERE A.prawo_ew='' AND "
    "A.moralnosc_ew='' ORDER BY prawo,moralnosc,prawo_ew,moralnosc_ew;";

constexpr const char* kAlignmentsOfStage =
    "SELECT DISTINCT A.id," TALLAR_ALIGNMENT_LABEL " FROM charaktery A INNER JOIN "
    "rasycharakter B ON B.idcharakter=A.id  INNER JOIN stadia C ON C.idrasa=B.idrasa WHERE "
    "C.gracze='T' AND A.prawo_ew='' AND A.moralnosc_ew='' AND C.id=? ORDER BY "
    "A.prawo,A.moralnosc,A.prawo_ew,A.moralnosc_ew;";

#undef TALLAR_ALIGNMENT_LABEL

// A race's stages by their starting age as a number (as texts "150" would come before "20").
#define TALLAR_STAGE_ORDER " ORDER BY B.nazwa, CAST(A.od AS INT), A.nazwa;"

constexpr const char* kAllStages =
    "SELECT A.ID,B.nazwa||' ['||A.nazwa||']' FROM rasy B  INNER JOIN stadia A ON "
    "A.idrasa=B.id WHERE A.gracze='T'" TALLAR_STAGE_ORDER;

constexpr const char* kStagesOfAlignment =
    "SELECT A.ID,B.nazwa||' ['||A.nazwa||']' FROM rasy B  INNER JOIN stadia A ON "
    "A.idrasa=B.id INNER JOIN rasycharakter C ON C.idrasa=B.id WHERE A.gracze='T' AND "
    "C.idcharakter=?" TALLAR_STAGE_ORDER;

#undef TALLAR_STAGE_ORDER

// Ordered widest first, so the last row is the narrowest range that holds the roll.
constexpr const char* kClassOfRoll =
    " SELECT A.id,A.nazwa FROM klasyspoleczne A INNER JOIN rasyklasy B ON A.id=B.idklasy  "
    "INNER JOIN stadia C ON C.idrasa=B.idrasa  WHERE C.id=? AND CAST(A.rzutod AS "
    "INT)<=CAST(? AS INT) AND CAST(A.rzutdo AS INT)>=CAST(? AS INT) ORDER BY CAST(A.rzutdo "
    "as INT)-CAST(A.rzutod as INT) DESC;";

constexpr const char* kOpenProfessions =
    " SELECT E.id,E.nazwa,D.pozlimit FROM stadia A INNER JOIN rasy B ON B.id=A.idrasa INNER "
    "JOIN rasycharakter C ON C.idrasa=B.id INNER JOIN profrasa D ON D.idrasa=B.id INNER JOIN "
    "profesje E ON E.id=D.id INNER JOIN profcharakter F ON F.id=E.id AND "
    "F.idcharakter=C.idcharakter INNER JOIN rasyklasy G ON G.idrasa=B.id INNER JOIN profklasy "
    "H ON H.id=E.id AND H.idklasy=G.idklasy WHERE A.id=? AND C.idcharakter=? AND H.idklasy=? "
    "ORDER BY E.nazwa desc;";

bool offers(const std::vector<PageChoice>& list, std::string_view id) {
    return std::any_of(list.begin(), list.end(),
                       [&](const PageChoice& choice) { return choice.id == id; });
}

} // namespace

bool offersPlayableStage(Database& rules) {
    bool offered = false;
    return rules.exec(kAllStages, {}, [&](const Row&) { offered = true; }).ok() && offered;
}

std::string choiceText(const std::vector<PageChoice>& list, std::string_view id) {
    for (const PageChoice& choice : list)
        if (choice.id == id)
            return choice.text;
    return {};
}

std::string firstCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A byte that does not continue a UTF-8 sequence starts a character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == maxCharacters)
            return std::string(text.substr(0, i));
    }
    return std::string(text);
}

CWizard1::CWizard1(Database& rules, Database& characters, CIstota& hero, DiceRolls rolls,
                   UserPort& port)
    : rules_(rules), characters_(characters), hero_(hero), rolls_(rolls), port_(port) {}

std::optional<std::string> textStorageProblem(std::string_view fieldName, std::string_view text) {
    if (const Result<std::string> status = encodeCp1250(text); !status)
        return std::string(fieldName) + ": " + status.message();
    return std::nullopt;
}

std::optional<std::string> CWizard1::setPlayer(std::string_view player) {
    if (auto refused = textStorageProblem("Gracz", player))
        return refused;
    player_ = player;
    return std::nullopt;
}

std::optional<std::string> CWizard1::setName(std::string_view name) {
    if (auto refused = textStorageProblem("Imię", name))
        return refused;
    name_ = name;
    return std::nullopt;
}

void CWizard1::query(Database& db, std::string_view sql, std::initializer_list<SqlParam> params,
                     const RowCallback& onRow) {
    if (Status status = db.exec(sql, params, onRow); !status)
        port_.showError(status.message(), kWizardErrorCaption);
}

void CWizard1::open() {
    players_.clear();
    query(characters_, "SELECT DISTINCT gracz FROM istoty ORDER BY gracz;", {},
          [&](const Row& row) { players_.push_back(row.text(0)); });
    fillStages();
    fillAlignments();
    fillProfessions();
}

void CWizard1::fillStages() {
    stages_.clear();
    auto add = [&](const Row& row) { stages_.push_back({row.text(0), row.text(1)}); };
    if (alignmentId_.empty())
        query(rules_, kAllStages, {}, add);
    else
        query(rules_, kStagesOfAlignment, {alignmentId_}, add);
    if (!offers(stages_, stageId_))
        stageId_.clear();
}

void CWizard1::fillAlignments() {
    alignments_.clear();
    auto add = [&](const Row& row) { alignments_.push_back({row.text(0), row.text(1)}); };
    if (stageId_.empty())
        query(rules_, kAllAlignments, {}, add);
    else
        query(rules_, kAlignmentsOfStage, {stageId_}, add);
    if (!offers(alignments_, alignmentId_))
        alignmentId_.clear();
}

void CWizard1::fillProfessions() {
    professions_.clear();
    query(rules_, kOpenProfessions, {stageId_, alignmentId_, classId_}, [&](const Row& row) {
        professions_.push_back({row.text(0), row.text(1), row.text(2)});
    });
}

void CWizard1::chooseStage(std::string_view stageId) {
    stageId_ = stageId;
    fillAlignments();
    // The class depends on the stage's race.
    lookUpClass();
    fillProfessions();
}

void CWizard1::chooseAlignment(std::string_view alignmentId) {
    alignmentId_ = alignmentId;
    const std::string stageBefore = stageId_;
    fillStages();
    if (stageId_ != stageBefore)
        lookUpClass();
    fillProfessions();
}

std::string CWizard1::stageText() const {
    return choiceText(stages_, stageId_);
}

std::string CWizard1::alignmentText() const {
    return choiceText(alignments_, alignmentId_);
}

void CWizard1::setRollText(std::string_view text) {
    rollText_ = text;
    lookUpClass();
    fillProfessions();
}

void CWizard1::rollClass() {
    setRollText(zeroPadded(RollK100(rolls_.generator ? *rolls_.generator : diceGenerator()), 3));
}

void CWizard1::lookUpClass() {
    classId_.clear();
    className_.clear();
    if (stageId_.empty() || rollText_.empty())
        return;
    // The roll is matched as three digits ("7" as "007") and compared as a number.
    const std::string roll = zeroPadded(textToInt(rollText_), 3);
    query(rules_, kClassOfRoll, {stageId_, roll, roll}, [&](const Row& row) {
        classId_ = row.text(0);
        className_ = row.text(1);
    });
}

bool CWizard1::complete() const {
    return !firstMissing();
}

std::optional<std::string> CWizard1::missingReason(Field field) const {
    switch (field) {
    case Field::Player:
        if (playerMissing())
            return "Gracz: wpisz gracza.";
        break;
    case Field::Name:
        if (nameMissing())
            return "Imię: wpisz imię bohatera.";
        break;
    case Field::Stage:
        if (!stageMissing())
            break;
        if (stages_.empty())
            return alignmentId_.empty()
                       ? "Rasa: w bazie reguł nie ma rasy dostępnej dla graczy."
                       : "Rasa: żadna rasa dostępna dla graczy nie dopuszcza tego charakteru.";
        return "Rasa: wybierz rasę.";
    case Field::Alignment:
        if (!alignmentMissing())
            break;
        if (alignments_.empty())
            return "Charakter: ta rasa nie dopuszcza żadnego charakteru.";
        return "Charakter: wybierz charakter.";
    case Field::Roll:
        if (!rollMissing())
            break;
        if (rollText_.empty())
            return "Klasa społeczna: rzuć k100 albo wpisz rzut.";
        if (stageId_.empty())
            return "Klasa społeczna: klasa zależy od rasy; wybierz najpierw rasę.";
        return "Klasa społeczna: rzutowi " + std::to_string(textToInt(rollText_)) +
               " nie odpowiada żadna klasa społeczna tej rasy.";
    }
    return std::nullopt;
}

std::optional<CWizard1::Field> CWizard1::firstMissing() const {
    for (Field field : kFields)
        if (missingReason(field))
            return field;
    return std::nullopt;
}

bool CWizard1::finish() {
    if (!complete())
        return false;
    hero_.SetGracz(firstCharacters(player_, kMaxNameLength));
    hero_.SetImie(firstCharacters(name_, kMaxNameLength));
    hero_.SetRasa(stageText());
    addEntries();
    applySocialClass();
    return true;
}

void CWizard1::addEntries() {
    std::string raceId, stageName, raceName, criterion;
    int startingAge = 0;
    query(rules_, " SELECT idrasa,nazwa FROM stadia WHERE id=?", {stageId_}, [&](const Row& row) {
        raceId = row.text(0);
        stageName = row.text(1);
    });
    query(rules_, " SELECT nazwa,kryterium FROM rasy WHERE id=?", {raceId}, [&](const Row& row) {
        raceName = row.text(0);
        criterion = row.text(1);
    });
    query(rules_, " SELECT idrasa,od FROM stadia WHERE id=?", {stageId_},
          [&](const Row& row) { startingAge = textToInt(row.text(1)); });

    CPoz& extra = *hero_.link(kLinkDodatkoweInformacje);
    CPoz& appearance = *extra.SetOrAdd(
        {.info = "Rasa: " + raceName, .specjal = raceId, .typ = kinds::info::kAppearance});
    (void)appearance.SetOrAdd(
        {.info = "Stadium: " + stageName, .specjal = stageId_, .typ = kinds::stage::kStage});
    (void)extra.SetOrAdd({.info = "WIEK", .typ = kinds::info::kAge, .wartosc = startingAge});
    (void)extra.SetOrAdd({.info = "Charakter: " + alignmentText(),
                          .specjal = alignmentId_,
                          .typ = kinds::info::kAlignment});

    query(rules_,
          " SELECT B.id,B.nazwa,A.bonus  FROM rasybronie A  INNER JOIN grupybroni B on "
          "A.idgrupybroni=B.id WHERE A.idrasa=?",
          {raceId}, [&](const Row& row) {
              CPoz* bonuses = appearance.FindByKind(kinds::stage::kRaceWeaponGroups);
              if (!bonuses)
                  bonuses = &appearance.AddChild(
                      {.info = "Bronie rasowe", .typ = kinds::stage::kRaceWeaponGroups});
              bonuses->AddChild({.info = row.text(1),
                                 .specjal = row.text(0),
                                 .typ = kinds::stage::kRacialProficiency,
                                 .wartosc = textToInt(row.text(2))});
          });
}

// The class entry, the wealth rolled from the class and the class's part of Charyzma.
void CWizard1::applySocialClass() {
    CRdzenKlasaSpoleczna({.rules = rules_,
                          .character = hero_,
                          .port = port_,
                          .generator = rolls_.generator,
                          .askRolls = rolls_.askRolls})
        .Apply(classId_);
}

} // namespace tallar
