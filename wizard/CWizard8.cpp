#include "wizard/CWizard8.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "rules/engine/CRdzenTarcza.h"
#include "wizard/CWizard1.h"

namespace tallar {

namespace {

// A column shown only when it is not blank.
std::string whenGiven(const std::string& label, const std::string& column) {
    return "||CASE WHEN TRIM(IFNULL(A." + column + ",''))='' THEN '' ELSE '|" + label + ":'||A." +
           column + " END";
}

// A flag shown as "TAK" when set.
std::string whenSet(const std::string& label, const std::string& column) {
    return "||CASE WHEN RTRIM(A." + column + ")='T' THEN '|" + label + ":TAK' ELSE '' END";
}

// An effectiveness shown only when its feature is there and it is given.
std::string whenFeature(const std::string& label, const std::string& feature,
                        const std::string& column) {
    return "||CASE WHEN RTRIM(A." + feature + ")='T' AND TRIM(IFNULL(A." + column +
           ",''))<>'' THEN '|" + label + ":'||A." + column + " ELSE '' END";
}

// A number shown with its default when blank.
std::string orDefault(const std::string& label, const std::string& column,
                      const std::string& prefix, const std::string& blank) {
    return "||'|" + label + ":'||CASE WHEN TRIM(IFNULL(A." + column + ",''))='' THEN '" + blank +
           "' ELSE '" + prefix + "'||A." + column + " END";
}

std::string shieldListQuery() {
    return "SELECT A.id,A.nazwa, "
           " 'Przeznaczona dla:'||CASE WHEN TRIM(IFNULL(A.mogauzywac,''))='' THEN 'WSZYSTKICH' "
           "ELSE A.mogauzywac END" +
           whenGiven("Bonus do odporności 7,8,10", "bonus") +
           whenGiven("Wykonana z metalu", "metal") + whenGiven("Czas produkcji", "czasprod") +
           whenSet("Wbicie/podparcie o ziemię", "wbicieziemia") +
           whenSet("Umocowanie do zbroi", "mocowzbroia") +
           whenSet("Umocowanie do ręki(obr.przed 1 at.)", "mocowreka") +
           whenFeature("Skuteczność kłuta szpikulca", "szpikulce", "skutkl") +
           whenFeature("Skuteczność tnąca krawędzi", "ostrekraw", "skuttn") +
           whenGiven("Skuteczność obuchowa", "skutob") +
           orDefault("Wytrzymalosc", "wytrzym", "", "0") + orDefault("Waga", "waga", "", "0") +
           orDefault("Ograniczenie szybkości", "ogrsz", "1/", "1/1") +
           orDefault("Ograniczenie zręczności", "ogrzr", "1/", "1/1") +
           orDefault("Obrona", "obrona", "", "0") + " FROM tarcza A  ORDER BY A.nazwa,A.id; ";
}

} // namespace

CWizard8::CWizard8(const EngineContext& context) : context_(context) {}

void CWizard8::open() {
    shields_.clear();
    Status status = context_.rules.exec(shieldListQuery(), {}, [this](const Row& row) {
        shields_.push_back({.id = row.text(0), .name = row.text(1), .properties = row.text(2)});
    });
    if (!status)
        context_.port.showError(status.message(), kWizardErrorCaption);
}

std::vector<PropertyRow> CWizard8::properties(std::size_t shield) const {
    return shield < shields_.size() ? propertyRows(shields_[shield].properties)
                                    : std::vector<PropertyRow>();
}

bool CWizard8::setTicked(std::size_t shield, bool ticked) {
    if (shield >= shields_.size())
        return false;
    if (ticked) {
        const auto other = tickedShield();
        if (other && *other != shield)
            return false;
    }
    shields_[shield].ticked = ticked;
    return true;
}

std::optional<std::size_t> CWizard8::tickedShield() const {
    for (std::size_t i = 0; i < shields_.size(); ++i)
        if (shields_[i].ticked)
            return i;
    return std::nullopt;
}

void CWizard8::finish() {
    if (const auto ticked = tickedShield())
        (void)CRdzenTarcza(context_).AddShieldEntry(shields_[*ticked].id);
    context_.character.RebuildLoad();
}

} // namespace tallar
