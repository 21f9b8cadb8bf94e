#include "model/EntryLookup.h"

namespace tallar {

std::size_t EntryLookup::bucketOf(std::string_view id) {
    std::size_t number = 0;
    for (std::size_t i = id.size() >= 2 ? id.size() - 2 : 0; i < id.size(); ++i) {
        const int digit = id[i] - '0';
        number = number * 10 + (digit >= 0 && digit <= 9 ? static_cast<std::size_t>(digit) : 0);
    }
    return number % 100;
}

void EntryLookup::enter(CPoz& entry) {
    (void)buckets_[bucketOf(entry.id())].Append(std::make_unique<CRefX>(entry));
    if (!entry.specjal.empty() && entry.specjal.front() == '&')
        (void)pending_.Append(std::make_unique<CRefX>(entry));
}

CPoz* EntryLookup::find(std::string_view id) const {
    for (const CRefX* element : buckets_[bucketOf(id)])
        if (element->entry()->id() == id)
            return element->entry();
    return nullptr;
}

void EntryLookup::resolveReferences() {
    for (const CRefX* element : pending_) {
        CPoz& referrer = *element->entry();
        const std::string_view targetId = std::string_view(referrer.specjal).substr(1);
        if (CPoz* target = find(targetId))
            referrer.MakeReference(*target, true);
    }
}

} // namespace tallar
