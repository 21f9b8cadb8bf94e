#include "output/CKartaBohatera.h"

#include "model/Character.h"
#include "output/SheetLayout.h"

namespace tallar {

static_assert(CKartaBohatera::pageCount() == kSheetPages);

std::string CKartaBohatera::documentName() const {
    return character_.imie + " " + character_.rasa;
}

const SheetRecord& CKartaBohatera::record() {
    if (!record_)
        record_ = makeSheetRecord(character_);
    return *record_;
}

std::unique_ptr<CFigura> CKartaBohatera::BuildPage(int page) {
    return buildSheetPage(page, record());
}

} // namespace tallar
