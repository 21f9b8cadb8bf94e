#include "model/Entry.h"

#include "rules/core/RulesMath.h"

#include <optional>
#include <utility>
#include <vector>

namespace tallar {

namespace {

double I(double x) {
    return roundToInt(x);
}

double H(double x) {
    return roundToHundredths(x);
}

// Percentage behaviour: kinds 2 and 10 always, kind 3 when it carries a modifier.
bool actsAsPercentage(int valueKind, double modifier) {
    return valueKind == kPercent || valueKind == kRefPercent ||
           (valueKind == kMixed && modifier != 0.0);
}

// An entry under evaluation: its running numbers and the next child to evaluate.
struct Evaluation {
    CPoz* entry;
    int parentKind;
    double M, V, P, S;
    bool percentage;
    CKolejka<CPoz>::const_iterator next, end;
};

// Steps 1 to 3 for an entry under a parent with running value a, modifier b and kind k: the
// entry's evaluation, or its result at once when the parent is a yes/no entry.
std::optional<Evaluation> startEvaluation(CPoz& entry, double a, double b, int k, double& result) {
    // 1. A reference takes its number from its target.
    if (const CPoz* target = entry.target()) {
        switch (entry.valueKind()) {
        case kRefInteger:
            entry.wartosc = roundToInt(target->total * entry.modyfikator);
            break;
        case kRefPercent:
            entry.modyfikator = H(target->total / 100.0);
            break;
        case kRefOutside:
            entry.wartosc =
                excessOutsideRange(roundToInt(target->total * entry.modyfikator), 30, 50);
            break;
        default:
            break;
        }
    }

    // 2. Start values.
    Evaluation e{&entry,
                 k,
                 H(entry.modyfikator),
                 I(entry.wartosc),
                 I(a),
                 1.0,
                 actsAsPercentage(entry.valueKind(), entry.modyfikator),
                 entry.children().begin(),
                 entry.children().end()};

    // 3. The parent's value kind sets the running value this entry works on.
    switch (valueKindOf(k)) {
    case kPercent:
    case kRefPercent:
        e.P = H(b);
        e.S = 0.01;
        break;
    case kMixed:
        if (b != 0.0) {
            e.P = H(b);
            e.S = 0.01;
        }
        break;
    case kYesNo:
        result = 0.0; // the children of a yes/no entry count nothing
        return std::nullopt;
    case kMoney:
        e.P = H(a * b);
        break;
    default:
        break;
    }
    return e;
}

// Step 4 for the next child: the running value and modifier it is evaluated under.
std::pair<double, double> childArguments(Evaluation& e) {
    if (!e.percentage && e.entry->valueKind() == kMoney) {
        e.M = H(e.V * e.M);
        e.V = 1.0;
        return {1.0, e.M};
    }
    return {I(e.V), H(e.M)};
}

// Step 4: a child's result becomes the running modifier or value.
void takeChildResult(Evaluation& e, double childResult) {
    if (e.percentage || e.entry->valueKind() == kMoney)
        e.M = childResult;
    else
        e.V = childResult;
}

// Step 5: the entry's total and the result handed back to its parent.
double finishEvaluation(const Evaluation& e) {
    CPoz& entry = *e.entry;
    const int own = entry.valueKind();
    if (e.percentage) {
        entry.total = H(e.M);
        return H(H(e.M) * e.P);
    }
    if (own == kMoney) {
        entry.total = H(e.V * e.M);
        return H(e.P) + H(e.V * e.M);
    }
    if (own == kYesNo)
        return e.P;
    if (e.S == 1.0 && (e.parentKind & kProgressionBit)) {
        const int fixedStep = textToInt(entry.memo.substr(0, entry.memo.find('|')));
        const double x = I(progression(roundToInt(e.P), roundToInt(e.V), fixedStep, 0));
        entry.total = x;
        return I(e.P) + x;
    }
    if (e.S == 1.0) {
        entry.total = I(e.V);
        return I(e.P) + I(e.V);
    }
    entry.total = H(e.V);
    return H(e.P) + H(e.V * 0.01);
}

} // namespace

double CPoz::Recalculate(double a, double b, int k) {
    // Each entry depends on the running numbers of its parent and on the results of its
    // children; the entries under evaluation are kept in a list rather than on the call
    // stack, so a tree of any depth can be evaluated.
    double result = 0.0;
    std::vector<Evaluation> open;
    if (auto first = startEvaluation(*this, a, b, k, result))
        open.push_back(*first);
    while (!open.empty()) {
        Evaluation& e = open.back();
        if (e.next == e.end) {
            result = finishEvaluation(e);
            open.pop_back();
            if (!open.empty())
                takeChildResult(open.back(), result);
            continue;
        }
        CPoz& child = **e.next++;
        const auto [childA, childB] = childArguments(e);
        double immediate = 0.0;
        if (auto next = startEvaluation(child, childA, childB, e.entry->typ, immediate))
            open.push_back(*next);
        else
            takeChildResult(e, immediate);
    }
    return result;
}

void CPoz::MaxOfChildren() {
    total = 0.0;
    for (CPoz* child : children()) {
        if (child->valueKind() != kInteger)
            continue;
        child->Recalculate(0.0, 0.0, 0);
        if (child->total > total)
            total = child->total;
    }
}

} // namespace tallar
