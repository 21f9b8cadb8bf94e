#pragma once

#include "rules/engine/EngineStep.h"
#include "wizard/CWizard7.h"

#include <optional>
#include <string>
#include <vector>

namespace tallar {

// A shield offered on the shield page.
struct ShieldChoice {
    std::string id{};
    std::string name{};
    std::string properties{}; // "Label:value|…"
    bool ticked = false;
};

// The shield page of the creation wizard ("Wybór tarczy"): the shields of the rules with
// their properties. At most one is ticked; OK adds it to the carried equipment (where the
// equipment page puts it in a hand or elsewhere) and refills the load. Works on a
// character being made and on a stored one alike.
class CWizard8 {
public:
    static constexpr const char* kCaption = "Wybór tarczy";

    explicit CWizard8(const EngineContext& context);

    // The character the page works on.
    CIstota& character() const { return context_.character; }

    // Fills the list of shields.
    void open();
    const std::vector<ShieldChoice>& shields() const { return shields_; }
    std::vector<PropertyRow> properties(std::size_t shield) const;

    // A click on a shield's check box: ticking while another shield is ticked changes
    // nothing and returns false.
    bool setTicked(std::size_t shield, bool ticked);
    std::optional<std::size_t> tickedShield() const;

    // OK: adds the ticked shield (if any) to the carried equipment and refills the load.
    void finish();

private:
    EngineContext context_;
    std::vector<ShieldChoice> shields_;
};

} // namespace tallar
