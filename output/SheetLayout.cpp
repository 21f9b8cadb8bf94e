#include "output/SheetLayout.h"

#include "output/SheetRecord.h"

#include <array>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace tallar {

namespace {

using enum FigureKind;

// Font heights, in tenths of a millimetre.
constexpr int kLabelSize = 22;
constexpr int kSmallSize = 19;
constexpr int kValueSize = 30;
constexpr int kListSize = 26;
constexpr int kTitleSize = 26;
constexpr int kPad = 8;
constexpr int kHeadingHeight = 40; // a title line inside a frame

using Texts = std::vector<std::string>;

void text(CFigura& parent, int x, int y, int w, int h, std::string t, int size = kLabelSize,
          FigureKind align = TextLeft, bool bold = false) {
    parent.addText(align, x, y, x + w, y + h, std::move(t), size, kFormFace, bold);
}

void title(CFigura& parent, int x, int y, int w, int h, std::string t) {
    text(parent, x, y, w, h, std::move(t), kTitleSize, TextLeft, true);
}

// A frame holding a value, centred.
CFigura& valueBox(CFigura& parent, int x, int y, int w, int h, std::string value) {
    CFigura& box = parent.add(Rectangle, x, y, x + w, y + h);
    text(box, 0, 0, w, h, std::move(value), kValueSize, TextCentre);
    return box;
}

// A frame with its label at the top left and its value centred below the label.
CFigura& field(CFigura& parent, int x, int y, int w, int h, std::string label, std::string value) {
    CFigura& box = parent.add(Rectangle, x, y, x + w, y + h);
    text(box, kPad, 2, w - 2 * kPad, kLabelSize + 6, std::move(label));
    text(box, kPad, kLabelSize + 8, w - 2 * kPad, h - kLabelSize - 10, std::move(value), kValueSize,
         TextCentre);
    return box;
}

// A label and, right of it, its value in a frame.
void labelled(CFigura& parent, int x, int y, int labelWidth, int boxWidth, int h, std::string label,
              std::string value, int size = kLabelSize, bool bold = false) {
    text(parent, x, y, labelWidth - kPad, h, std::move(label), size, TextLeft, bold);
    valueBox(parent, x + labelWidth, y, boxWidth, h, std::move(value));
}

// The texts that fit `lines` lines; when more are left, the last line says how many.
Texts fitted(Texts texts, std::size_t lines) {
    if (lines > 0 && texts.size() > lines) {
        const std::size_t more = texts.size() - lines + 1;
        texts.resize(lines - 1);
        texts.push_back("… (jeszcze " + std::to_string(more) + ")");
    }
    return texts;
}

CFigura& list(CFigura& parent, FigureKind align, int x, int y, int w, int lineHeight, Texts texts,
              int start, int count, int size = kListSize) {
    CFigura& figure = parent.add(align, x, y, w, lineHeight);
    figure.texts = std::move(texts);
    figure.start = start;
    figure.count = count;
    figure.fontSize = size;
    figure.face = kFormFace;
    return figure;
}

// A frame with a title and the texts on ruled lines.
void listBox(CFigura& parent, int x, int y, int w, int h, std::string heading, Texts texts,
             int lineHeight = 40) {
    CFigura& box = parent.add(Rectangle, x, y, x + w, y + h);
    title(box, kPad, 0, w - 2 * kPad, kHeadingHeight, std::move(heading));
    const int lines = (h - kHeadingHeight) / lineHeight;
    CFigura& rules = box.add(Rows, 0, kHeadingHeight + lineHeight, w, lineHeight);
    rules.count = lines - 1;
    list(box, ListLeft, 2 * kPad, kHeadingHeight, w - 4 * kPad, lineHeight,
         fitted(std::move(texts), static_cast<std::size_t>(lines)), 0, lines);
}

// A line from (x1, y1) to (x2, y2) of the parent.
void line(CFigura& parent, int x1, int y1, int x2, int y2) {
    parent.add(MoveTo, x1, y1);
    parent.add(LineTo, x2, y2);
}

// A column of a table. A heading of two lines may share its upper line with the next
// columns (`topSpan`), which then leave theirs empty.
struct Column {
    int width;
    std::string top;
    std::string bottom;
    Texts cells;
    FigureKind align = ListCentre;
    int topSpan = 1;
};

// A table: the headings, then `rows` ruled rows of cells. The first column's texts that
// do not fit end with a line saying how many more there are.
void table(CFigura& parent, int x, int y, std::vector<Column> columns, int headHeight,
           int rowHeight, int rows, int cellSize = kListSize - 2) {
    const int width = std::accumulate(columns.begin(), columns.end(), 0,
                                      [](int sum, const Column& c) { return sum + c.width; });
    const int height = headHeight + rows * rowHeight;
    CFigura& box = parent.add(Rectangle, x, y, x + width, y + height);
    const int half = headHeight / 2;
    int cx = 0;
    int subColumnsLeft = 0; // columns still under the upper line of a spanning heading
    for (std::size_t i = 0; i < columns.size(); ++i) {
        Column& c = columns[i];
        if (i > 0) {
            CFigura& separator = box.add(Columns, cx, subColumnsLeft > 0 ? half : 0, 0,
                                         subColumnsLeft > 0 ? height - half : height);
            separator.count = 1;
        }
        if (subColumnsLeft > 0)
            --subColumnsLeft;
        if (c.bottom.empty()) {
            text(box, cx + 4, 0, c.width - 8, headHeight, std::move(c.top), kSmallSize, TextCentre);
        } else {
            if (!c.top.empty()) {
                int spanWidth = 0;
                for (std::size_t j = i; j < i + static_cast<std::size_t>(c.topSpan); ++j)
                    spanWidth += columns[j].width;
                text(box, cx + 4, 0, spanWidth - 8, half, std::move(c.top), kSmallSize, TextCentre);
                if (c.topSpan > 1) {
                    line(box, cx, half, cx + spanWidth, half);
                    subColumnsLeft = c.topSpan - 1;
                }
            }
            text(box, cx + 4, half, c.width - 8, half, std::move(c.bottom), kSmallSize, TextCentre);
        }
        Texts cells = i == 0 ? fitted(std::move(c.cells), static_cast<std::size_t>(rows))
                             : std::move(c.cells);
        list(box, c.align, cx + kPad, headHeight, c.width - 2 * kPad, rowHeight, std::move(cells),
             0, rows, cellSize);
        cx += c.width;
    }
    CFigura& rules = box.add(Rows, 0, headHeight, width, rowHeight);
    rules.count = rows;
}

// A frame with a label and three small sub-labels at its foot ("kł/", "tn/", "ob").
void threePartField(CFigura& parent, int x, int y, int w, int h, std::string label,
                    const std::array<const char*, 3>& parts) {
    CFigura& box = parent.add(Rectangle, x, y, x + w, y + h);
    text(box, kPad, 2, w - 2 * kPad, kLabelSize + 6, std::move(label));
    const int third = (w - 2 * kPad) / 3;
    for (int i = 0; i < 3; ++i)
        text(box, kPad + i * third, h - kSmallSize - 8, third, kSmallSize + 6,
             parts[static_cast<std::size_t>(i)], kSmallSize, TextRight);
}

// --- Page 1 -----------------------------------------------------------------------

void header(CFigura& page) {
    page.addText(TextCentre, 0, 0, kSheetWidth, 90, "*   R U N Y    T A L U   *", 62, kHeaderFace);
    text(page, 0, 90, kSheetWidth, 50, "    K A R T A  C E C H  P O S T A C I  D O  G R Y:    ", 34,
         TextCentre, true);
}

void pictures(CFigura& page, int y) {
    constexpr int kHeight = 380;
    CFigura& god = page.add(Rectangle, 0, y, 380, y + kHeight);
    title(god, kPad, 0, 364, kHeadingHeight, "SYMBOL BOGA");
    god.add(Ellipse, 40, 50, 340, 350);
    CFigura& portrait = page.add(Rectangle, 400, y, 900, y + kHeight);
    title(portrait, kPad, 0, 484, kHeadingHeight, "PORTRET");
    CFigura& arms = page.add(Rectangle, 920, y, 1240, y + kHeight);
    title(arms, kPad, 0, 304, kHeadingHeight, "HERB");
    // A shield's outline.
    arms.add(MoveTo, 40, 60);
    static constexpr std::array<std::pair<int, int>, 5> kOutline = {
        {{280, 60}, {280, 210}, {160, 350}, {40, 210}, {40, 60}}};
    for (const auto& [px, py] : kOutline)
        arms.add(LineTo, px, py);
}

void coins(CFigura& page, int x, int y, const SheetRecord& r) {
    constexpr int kWidth = 640;
    constexpr int kRow = 46;
    CFigura& box = page.add(Rectangle, x, y, x + kWidth, y + kHeadingHeight + 5 * kRow + 10);
    title(box, kPad, 0, kWidth - 2 * kPad, kHeadingHeight, "MONETY PRZY SOBIE");
    static constexpr std::array<const char*, 4> kCoins = {"Mitryl (1 szt.=100 szt.zł)",
                                                          "Platyna (1 szt.=10 szt.zł)",
                                                          "Złoto (1 szt.=100 szt.sr.)", "Srebro"};
    for (std::size_t i = 0; i < kCoins.size(); ++i)
        labelled(box, kPad, kHeadingHeight + static_cast<int>(i) * kRow, 420, 196, kRow - 6,
                 kCoins[i], r.coins[i]);
    labelled(box, kPad, kHeadingHeight + 4 * kRow, 170, 446, kRow - 6, "MAJĄTEK: ", r.wealth);
}

void equipment(CFigura& page, int y, const SheetRecord& r) {
    field(page, 0, y, 940, 80, "STATUS SPOŁECZNY", r.socialClass);
    text(page, kPad, y + 90, 930, kHeadingHeight, "EKWIPUNEK", kTitleSize + 4, TextLeft, true);
    listBox(page, 0, y + 130, 940, 450, "W TORBIE(itp.)", r.carried);
    field(page, 960, y, 940, 80, "IMIĘ BOGA", "");
    listBox(page, 960, y + 100, 940, 240, "W SAKWACH", r.saddlebags);
    text(page, 960, y + 345, 940, 40, "Uważaj,abyś się nie przeciążył!!!", kLabelSize, TextCentre,
         true);
    listBox(page, 960, y + 390, 940, 190, "EKWIPUNEK W DOMU", r.home);
}

void mount(CFigura& page, int y) {
    CFigura& box = page.add(Rectangle, 0, y, kSheetWidth, y + 210);
    title(box, kPad, 0, 400, kHeadingHeight, "WIERZCHOWIEC:");
    constexpr int kRowHeight = 75;
    const int row1 = kHeadingHeight + 5;
    field(box, 10, row1, 180, kRowHeight, "SZ akt.", "");
    field(box, 200, row1, 640, kRowHeight, "NAZWA:", "");
    field(box, 850, row1, 620, kRowHeight, "co ma:", "");
    field(box, 1480, row1, 410, kRowHeight, "UDZWIG (W SF):", "");
    const int row2 = row1 + kRowHeight + 5;
    field(box, 10, row2, 300, kRowHeight, "Ataki:", "");
    threePartField(box, 320, row2, 520, kRowHeight, "Obrażenia:", {"kł/", "tn/", "ob"});
    field(box, 850, row2, 510, kRowHeight, "Obrona (ew.ze zbroji)", "");
    threePartField(box, 1370, row2, 520, kRowHeight, "wyp.", {"kł/", "tn/", "ob"});
}

void combat(CFigura& page, int y, const SheetRecord& r) {
    title(page, kPad, y, 900, kHeadingHeight, "SKUTECZENOŚĆ W WALCE:");
    std::vector<Column> columns = {
        {630, "Nazwa broni:", "", {}, ListLeft},
        {170, "Trafienie", "", {}},
        {210, "Skuteczność", "", {}},
        {150, "Obrona", "", {}},
        {190, "Ilość ataków", "w rundzie", {}},
        {230, "Zadawane", "uszkodzenia", {}},
        {170, "Opóźnienie", "", {}},
        {150, "Ilość", "przy sobie", {}},
    };
    for (const SheetWeapon& w : r.weapons) {
        const std::string* values[] = {&w.name,    &w.hit,    &w.effectiveness, &w.defence,
                                       &w.attacks, &w.damage, &w.delay,         &w.count};
        for (std::size_t i = 0; i < columns.size(); ++i)
            columns[i].cells.push_back(*values[i]);
    }
    table(page, 0, y + kHeadingHeight, std::move(columns), 70, 46, 8);
}

void defence(CFigura& page, int y, const SheetRecord& r) {
    CFigura& box = page.add(Rectangle, 0, y, kSheetWidth, y + 265);
    title(box, kPad, 0, 600, kHeadingHeight, "SKUTECZENOŚĆ OBRONY:");
    constexpr int kRowHeight = 100;
    const int row1 = kHeadingHeight + 5;
    field(box, 10, row1, 220, kRowHeight, "OBRONA", r.defence);
    CFigura& withWeapon = box.add(Rectangle, 240, row1, 460, row1 + kRowHeight);
    text(withWeapon, kPad, 2, 30, kLabelSize + 6, "Z");
    text(withWeapon, kPad + 30, 2, 170, kLabelSize + 6, "BRONIĄ");
    text(withWeapon, kPad, kLabelSize + 8, 204, kRowHeight - kLabelSize - 10, r.defenceWithWeapon,
         kValueSize, TextCentre);
    field(box, 470, row1, 120, kRowHeight, "NR", r.defenceWeapon);
    CFigura& absorption = box.add(Rectangle, 600, row1, 1140, row1 + kRowHeight);
    text(absorption, kPad, 2, 524, kLabelSize + 6, "WYPAROWANIA", kLabelSize, TextCentre);
    const std::array<std::pair<const char*, const std::string*>, 3> parts = {
        {{"KŁ", &r.piercing}, {"TN", &r.cutting}, {"OB", &r.blunt}}};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const int px = 10 + static_cast<int>(i) * 176;
        field(absorption, px, kLabelSize + 10, 168, kRowHeight - kLabelSize - 16, parts[i].first,
              *parts[i].second);
    }
    field(box, 1150, row1, 370, kRowHeight, "WYTRZYMAŁOŚĆ", r.armourDurability);
    field(box, 1530, row1, 360, kRowHeight, "USZKODZENIA", "");
    const int row2 = row1 + kRowHeight + 10;
    field(box, 10, row2, 820, 100, "NAZWA ZBROJI:", r.armourNames);
    field(box, 840, row2, 700, 100, "I ew. TARCZY:", r.shieldNames);
    field(box, 1550, row2, 340, 100, "DALEKA", r.rangedDefence);
}

void skills(CFigura& page, int y, const SheetRecord& r) {
    constexpr int kRows = 10;
    constexpr int kLine = 31;
    CFigura& box = page.add(Rectangle, 0, y, kSheetWidth, kSheetHeight);
    title(box, kPad, 0, 700, kHeadingHeight, "ZDOLNOŚCI PROFESJONALNE:");
    text(box, 700, 0, 1190, kHeadingHeight,
         "(1-10 dostępnesą od 0-wego poziomu, 11-18 od 1-go poziomu a 19-20 od 10)", kSmallSize);
    const Texts all = fitted(r.skills, std::size_t{2} * kRows);
    for (int column = 0; column < 2; ++column) {
        Texts numbers;
        for (int i = 1; i <= kRows; ++i)
            numbers.push_back(std::to_string(column * kRows + i) + ".");
        const int cx = column * 950;
        list(box, ListRight, cx, kHeadingHeight + 5, 60, kLine, std::move(numbers), 0, kRows,
             kLabelSize);
        CFigura& rules = box.add(Rows, cx + 70, kHeadingHeight + 5 + kLine, 860, kLine);
        rules.count = kRows;
        list(box, ListLeft, cx + 80, kHeadingHeight + 5, 850, kLine, all, column * kRows, kRows,
             kListSize - 2);
    }
}

std::unique_ptr<CFigura> pageOne(const SheetRecord& r) {
    auto page = std::make_unique<CFigura>(MoveTo, 0, 0);
    header(*page);
    field(*page, 0, 160, 1000, 80, "IMIĘ:", r.name);
    field(*page, 1020, 160, 420, 80, "WZROST (w cm)", r.height);
    field(*page, 1460, 160, 440, 80, "WAGA (w kg/ w sf)", r.weight);
    pictures(*page, 260);
    field(*page, 1260, 260, 640, 80, "MIASTO RODZINNE", r.birthplace);
    coins(*page, 1260, 350, r);
    equipment(*page, 660, r);
    mount(*page, 1260);
    combat(*page, 1485, r);
    defence(*page, 2005, r);
    skills(*page, 2285, r);
    return page;
}

// --- Page 2 -----------------------------------------------------------------------

void wounds(CFigura& page) {
    CFigura& box = page.add(Rectangle, 0, 0, 900, 170);
    title(box, kPad, 0, 400, kHeadingHeight, "OBRAŻENIA");
    const int y = kHeadingHeight + 5;
    field(box, 10, y, 200, 115, "AKT.", "");
    field(box, 220, y, 200, 115, "MAGIA:", "");
    field(box, 430, y, 240, 115, "Opóźnienie w sg.", "");
    field(box, 680, y, 210, 115, "OBRONA:", "");
}

void languages(CFigura& page, int y, const SheetRecord& r) {
    title(page, kPad, y, 880, kHeadingHeight, "WYUCZONE JĘZYKI");
    table(page, 0, y + kHeadingHeight,
          {{480, "NAZWA", "", r.languages, ListLeft},
           {200, "ZNAJOMOŚĆ", "", {}},
           {220, "STOPIEŃ", "TRUDNOŚCI", {}}},
          56, 36, 5);
}

// One attribute line of the attribute block: the attribute's name and value, with the
// current value beside it when `current` is given.
void attribute(CFigura& block, int y, const char* name, const std::string& value,
               const std::string* current = nullptr) {
    labelled(block, 10, y, 330, 100, 44, name, value, kLabelSize + 2, true);
    if (current)
        labelled(block, 450, y, 60, 100, 44, "akt.", *current);
}

// A derived value of the attribute block: its label and value, right of the attributes.
void derived(CFigura& block, int y, std::string label, const std::string& value) {
    labelled(block, 620, y, 560, 100, 44, std::move(label), value, kSmallSize);
}

void attributeBlock(CFigura& page, int y, const SheetRecord& r) {
    constexpr int kRow = 50;
    CFigura& block = page.add(Rectangle, 0, y, 1340, y + 17 * kRow + 10);
    int row = 5;
    const auto next = [&row](int rows = 1) {
        const int at = row;
        row += rows * kRow;
        return at;
    };
    int at = next();
    attribute(block, at, "ŻYWOTNOŚĆ", r.vitality);
    derived(block, at, "WYTRZYMAŁOŚĆ na zmęczenie(1/10 ŻYW + 1/10 SF):", r.endurance);
    text(block, 1286, at, 52, 44, "rund", kSmallSize);
    at = next();
    attribute(block, at, "SIŁA FIZYCZNA", r.strength);
    derived(block, at, "BONUS DO PREZENCJI (1/10 SF):", r.presenceBonus);
    derived(block, next(), "BONUS DO ZADAWANYCH OBRAŻEŃ (1/4 SF):", r.damageBonus);
    derived(block, next(), "BONUS DO TRAFIENIA (1/10 SF + 1/10 ZR):", r.hitBonus);
    at = next(2);
    attribute(block, at, "ZRĘCZNOŚĆ", r.dexterity, &r.currentDexterity);
    text(block, 620, at, 560, 22, "Modyfikacja Obrony (z Akt.): to co poniżej.30 zmiejsz.,",
         kSmallSize);
    text(block, 620, at + 22, 560, 22, "powyżej 50 zwiększa:", kSmallSize);
    valueBox(block, 1180, at, 100, 2 * kRow - 6, r.defenceModification);
    derived(block, next(),
            "PRZESZUKIWANIE (1/10 SZ + 1/10 INT) trwa 5 r. na metr.pow:", r.searching);
    at = next();
    attribute(block, at, "SZYBKOŚĆ", r.speed, &r.currentSpeed);
    labelled(block, 620, at, 140, 80, 44, "CHÓD (1/10)", r.walk, kSmallSize);
    labelled(block, 860, at, 130, 80, 44, "BIEG (1/2)", r.run, kSmallSize);
    labelled(block, 1090, at, 110, 120, 44, "SPRINT", r.sprint, kSmallSize);
    at = next();
    attribute(block, at, "INTELIGENCJA", r.intelligence);
    derived(block, at, "BONUS DO ILUZJI (1/10 ras.)", r.illusionBonus);
    at = next();
    attribute(block, at, "MĄDROŚĆ", r.wisdom);
    derived(block, at, "BONUS DO SUGESTII (1/10 MD ras.):", r.suggestionBonus);
    derived(block, next(), "TARGOWANIE (1/2 MD minus 10 na każde sprawdzenie):", r.bargaining);
    attribute(block, next(), "UMIEJĘTNOŚCI MAGICZNE", r.magic);
    at = next();
    attribute(block, at, "PREZENCJA", r.presence);
    derived(block, at, "REAKCJA (PR + 1/10 SF):", r.reaction);
    attribute(block, next(), "CHARYZMA", r.charisma);
    at = next();
    attribute(block, at, "WIARA", r.faith);
    derived(block, at, "BONUS DO ZAKLĘCIA (1/10 WI ras.):", r.spellBonus);
    attribute(block, next(), "ZAUWAŻENIE", r.perception);
    labelled(block, 10, next(), 1210, 100, 44,
             "ENERGIA ŻYCIOWA (suma 1/10 Podstawowych Współczynników)", r.lifeEnergy,
             kLabelSize + 2, true);
}

void resistanceBlock(CFigura& page, int y, const SheetRecord& r) {
    static constexpr std::array<const char*, 10> kNames = {
        "ILUZJA",   "SUGESTIA",  "ZAKLECIA", "SZOK, PARALIŻ UMYSŁOWY", "ENERGIA, SPECJALNE",
        "TRUCIZNA", "ZIONIĘCIA", "OGIEŃ",    "ELEKTRYCZNOŚĆ",          "PETRYFIKACJA"};
    CFigura& block = page.add(Rectangle, 1360, y, kSheetWidth, y + 17 * 50 + 10);
    title(block, kPad, 0, 520, kHeadingHeight, "ODPORNOŚCI:");
    labelled(block, 10, 50, 400, 110, 44, "BAZOWA PSYCH.-FIZ.:", r.basePsychic);
    labelled(block, 10, 100, 400, 110, 44, "BAZOWA FIZYCZNA:", r.basePhysical);
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const int gap = i < 5 ? 0 : 30; // the physical resistances apart from the psychic
        labelled(block, 10, 180 + static_cast<int>(i) * 60 + gap, 400, 110, 48, kNames[i],
                 r.resistances[i]);
    }
}

void proficiencies(CFigura& page, int y, const SheetRecord& r) {
    title(page, kPad, y, 900, kHeadingHeight, "BIEGŁOŚCI W BRONIACH:");
    std::vector<Column> columns = {
        {520, "NAZWA BRONI", "", {}, ListLeft},
        {300, "SPECJALIZACJA", "", {}},
        {320, "BIEGŁOŚĆ/TRAFIENIE", "razem z b.SF", {}},
        {220, "uszk.", "", {}},
        {150, "Obrona", "", {}},
        {150, "Ataki", "na r.", {}},
        {240, "Cena /", "/ Waga", {}},
    };
    for (const SheetWeapon& w : r.weapons) {
        const std::string priceAndWeight =
            w.price.empty() && w.weight.empty() ? "" : w.price + " / " + w.weight;
        const std::string values[] = {w.name,    w.specialisation, w.proficiency, w.damage,
                                      w.defence, w.attacks,        priceAndWeight};
        for (std::size_t i = 0; i < columns.size(); ++i)
            columns[i].cells.push_back(values[i]);
    }
    table(page, 0, y + kHeadingHeight, std::move(columns), 70, 44, 10);
}

void protectionBlock(CFigura& page, int y, const SheetRecord& r) {
    const SheetProtection* rows[] = {&r.armour, &r.shield, &r.skin};
    std::vector<Column> columns = {
        {300, "", "", {"ZBROJA:", "TARCZA:", "ew.SKÓRA WŁASNA"}, ListLeft},
        {470, "NAZWA:", "", {}, ListLeft},
        {150, "CENA:", "", {}},
        {140, "WAGA:", "", {}},
        {120, "OGRANICZENIA", "ZR", {}, ListCentre, 2},
        {120, "", "SZ", {}},
        {230, "WYTRZYMAŁOŚĆ", "", {}},
        {120, "WYPAROWANIA", "KL", {}, ListCentre, 3},
        {125, "", "TN", {}},
        {125, "", "OB", {}},
    };
    for (const SheetProtection* p : rows) {
        const std::string values[] = {p->name,           p->price,      p->weight,
                                      p->dexterityLimit, p->speedLimit, p->durability,
                                      p->piercing,       p->cutting,    p->blunt};
        for (std::size_t i = 0; i < std::size(values); ++i)
            columns[i + 1].cells.push_back(values[i]);
    }
    table(page, 0, y, std::move(columns), 70, 56, 3, kListSize);
}

void loadBlock(CFigura& page, int y, const SheetRecord& r) {
    title(page, kPad, y + 30, 250, kHeadingHeight, "OBCIĄŻENIE:");
    const std::array<std::pair<const char*, const std::string*>, 7> parts = {{
        {"ZBROJA", &r.loadArmour},
        {"TARCZA", &r.loadShield},
        {"BROŃ", &r.loadWeapons},
        {"EKWIPUNEK", &r.loadEquipment},
        {"RAZEM", &r.loadTotal},
        {"WOLNA", &r.loadFree},
        {"SF", &r.loadStrength},
    }};
    for (std::size_t i = 0; i < parts.size(); ++i)
        field(page, 260 + static_cast<int>(i) * 235, y, 220, 90, parts[i].first, *parts[i].second);
}

std::unique_ptr<CFigura> pageTwo(const SheetRecord& r) {
    auto page = std::make_unique<CFigura>(MoveTo, 0, 0);
    wounds(*page);
    field(*page, 920, 0, 700, 80, "P R O F E S J A:", r.professions);
    field(*page, 1640, 0, 260, 80, "POZIOM:", r.levels);
    languages(*page, 190, r);
    field(*page, 920, 90, 980, 80, "DOŚWIADCZENIE: (PUNKTY)", r.experience);
    listBox(*page, 920, 190, 980, 276, "WYUCZONE ZAWODY", r.trades, 39);
    listBox(*page, 0, 480, 900, 160, "UŁOMNOŚCI:", r.disabilities);
    CFigura& supernatural = page->add(Rectangle, 920, 480, kSheetWidth, 640);
    title(supernatural, kPad, 0, 300, kHeadingHeight, "ZDOLNOŚCI");
    title(supernatural, kPad, kHeadingHeight, 300, kHeadingHeight, "NADATURALNE:");
    list(supernatural, ListLeft, 320, 20, 640, 60, r.supernatural, 0, 2);
    attributeBlock(*page, 660, r);
    resistanceBlock(*page, 660, r);
    proficiencies(*page, 1540, r);
    protectionBlock(*page, 2110, r);
    loadBlock(*page, 2390, r);
    return page;
}

} // namespace

std::unique_ptr<CFigura> buildSheetPage(int page, const SheetRecord& record) {
    switch (page) {
    case 1:
        return pageOne(record);
    case 2:
        return pageTwo(record);
    default:
        return nullptr;
    }
}

} // namespace tallar
