#include "model/Entry.h"

#include "rules/core/RulesMath.h"

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

} // namespace

double CPoz::Recalculate(double a, double b, int k) {
    const int own = valueKind();

    // 1. A reference takes its number from its target.
    if (target_) {
        switch (own) {
        case kRefInteger:
            wartosc = roundToInt(target_->total * modyfikator);
            break;
        case kRefPercent:
            modyfikator = H(target_->total / 100.0);
            break;
        case kRefOutside:
            wartosc = excessOutsideRange(roundToInt(target_->total * modyfikator), 30, 50);
            break;
        default:
            break;
        }
    }

    // 2. Start values.
    double M = H(modyfikator);
    double V = I(wartosc);
    double P = I(a);
    double S = 1.0;

    // 3. The parent's value kind sets the running value this entry works on.
    switch (valueKindOf(k)) {
    case kPercent:
    case kRefPercent:
        P = H(b);
        S = 0.01;
        break;
    case kMixed:
        if (b != 0.0) {
            P = H(b);
            S = 0.01;
        }
        break;
    case kYesNo:
        return 0.0; // the children of a yes/no entry count nothing
    case kMoney:
        P = H(a * b);
        break;
    default:
        break;
    }

    // 4. The children, in order.
    const bool percentage = actsAsPercentage(own, modyfikator);
    for (CPoz* child : children()) {
        if (percentage) {
            M = child->Recalculate(I(V), H(M), typ);
        } else if (own == kMoney) {
            M = H(V * M);
            V = 1.0;
            M = child->Recalculate(1.0, M, typ);
        } else {
            V = child->Recalculate(I(V), H(M), typ);
        }
    }

    // 5. The result handed back to the parent, and this entry's total.
    if (percentage) {
        total = H(M);
        return H(H(M) * P);
    }
    if (own == kMoney) {
        total = H(V * M);
        return H(P) + H(V * M);
    }
    if (own == kYesNo)
        return P;
    if (S == 1.0 && (k & kProgressionBit)) {
        const int fixedStep = textToInt(memo.substr(0, memo.find('|')));
        const double x = I(progression(roundToInt(P), roundToInt(V), fixedStep, 0));
        total = x;
        return I(P) + x;
    }
    if (S == 1.0) {
        total = I(V);
        return I(P) + I(V);
    }
    total = H(V);
    return H(P) + H(V * 0.01);
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
