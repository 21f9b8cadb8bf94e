#pragma once

#include "wizard/CWizard6.h"
#include "wizard/CWizard6Bgl.h"

namespace tallar::test {

// The weapons page as a person hurrying through it fills it: for each requirement not met,
// the first of its groups that may be ticked; each new group trained with one "K100" throw
// (`asked`: as the run says, else by the program). True when the page finished.
inline bool finishWeaponsPage(CWizard6& page, bool asked = false) {
    for (const WeaponRequirement& requirement : page.requirements()) {
        if (requirement.met)
            continue;
        for (const WeaponRequirement::Group& wanted : requirement.groups) {
            std::size_t g = 0;
            while (g < page.groups().size() && page.groups()[g].id != wanted.id)
                ++g;
            if (g < page.groups().size() && page.mayTickGroup(g) && page.tickGroup(g, true))
                break;
        }
    }
    return page.finish([asked](CWizard6Bgl& training) {
        training.roll(asked);
        return training.finish();
    });
}

} // namespace tallar::test
