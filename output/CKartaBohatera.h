#pragma once

#include "output/CFigura.h"
#include "output/SheetRecord.h"

#include <memory>
#include <optional>
#include <string>

namespace tallar {

class CIstota;

// The two-page character sheet of one character: its printed values (made once, when a
// page is first asked for) and the figures of each page, which a painter draws on a
// printer, a preview or a file. Holds the character, which must outlive it.
class CKartaBohatera {
public:
    explicit CKartaBohatera(const CIstota& character) : character_(character) {}

    static constexpr int pageCount() { return 2; }
    // The name of the printed document: the character's name and race.
    std::string documentName() const;

    // The values of the sheet, made from the character the first time they are asked for.
    const SheetRecord& record();
    // The figures of page n (1 or 2); null for another page.
    std::unique_ptr<CFigura> BuildPage(int page);

private:
    const CIstota& character_;
    std::optional<SheetRecord> record_;
};

} // namespace tallar
