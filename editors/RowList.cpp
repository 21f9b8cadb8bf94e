#include "editors/RowList.h"

#include "base/UserPort.h"
#include "editors/DeletePreview.h"
#include "editors/ListDef.h"
#include "store/db/Database.h"
#include "store/db/Identifier.h"

#include <algorithm>

namespace tallar::editors {

namespace {

// Characters, not bytes: a Polish letter in an alias counts once.
int characterCount(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

void ListContents::addRow(const Row& row) {
    const int n = row.columnCount();
    if (n < 1)
        return;
    if (items_.empty()) {
        columns_.clear();
        for (int c = 1; c < n; ++c) {
            const auto given = static_cast<std::size_t>(c - 1);
            const std::string heading =
                given < headings_.size() ? headings_[given] : std::string(row.name(c));
            columns_.push_back({heading, kPixelsPerCharacter * characterCount(heading)});
        }
        columns_.push_back({row.name(0), 0});
    }
    std::vector<std::string> item;
    item.reserve(n);
    for (int c = 1; c < n; ++c)
        item.push_back(row.text(c));
    item.push_back(row.text(0));
    items_.insert(items_.begin(), std::move(item));
}

RowList::RowList(Database& db, std::string title, std::string select, bool multiSelect,
                 std::vector<std::string> values)
    : db_(db), title_(std::move(title)), select_(std::move(select)), multiSelect_(multiSelect),
      values_(std::move(values)) {}

RowList::RowList(Database& db, const ListDef& def)
    : RowList(db, def.title, def.select, false, def.values) {
    deletes_ = def.deletes;
    nameColumn_ = def.nameColumn;
    contents_.setHeadings(def.headings);
}

Status ListActions::previewRemoval(const std::string& /*id*/, DeletePreview& preview) {
    preview = {};
    return {};
}

Status RowList::refresh(UserPort& port) {
    contents_.clearItems();
    const std::vector<SqlParam> params(values_.begin(), values_.end());
    Status status = db_.exec(select_, params, [&](const Row& row) { contents_.addRow(row); });
    if (!status)
        port.showError(status.message(), kApplicationTitle);
    return status;
}

std::vector<std::size_t> RowList::targetItems(const std::vector<std::size_t>& checked,
                                              int selected) const {
    std::vector<std::size_t> items;
    const std::size_t count = contents_.items().size();
    if (multiSelect_) {
        for (std::size_t item : checked)
            if (item < count)
                items.push_back(item);
    } else if (selected >= 0 && static_cast<std::size_t>(selected) < count) {
        items.push_back(static_cast<std::size_t>(selected));
    }
    return items;
}

std::vector<std::string> RowList::targets(const std::vector<std::size_t>& checked,
                                          int selected) const {
    std::vector<std::string> ids;
    for (std::size_t item : targetItems(checked, selected))
        ids.push_back(contents_.idOf(item));
    return ids;
}

std::string RowList::removalQuestion(ListActions& actions, std::size_t item) const {
    const auto& shown = contents_.items().at(item);
    const std::string name = nameColumn_ + 1 < shown.size() ? shown[nameColumn_] : shown.front();
    DeletePreview preview;
    if (!actions.previewRemoval(contents_.idOf(item), preview))
        preview = {}; // the question is still asked; the deletion reports its own failure
    return deleteQuestion(name, preview);
}

int RowList::itemToSelect() const {
    const auto& items = contents_.items();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (!acted_.empty() && items[i].back() == acted_)
            return static_cast<int>(i);
    return -1;
}

void RowList::addClicked(ListActions& actions, UserPort& port) {
    acted_ = NewId();
    actions.add(acted_);
    (void)refresh(port);
}

void RowList::editClicked(ListActions& actions, UserPort& port,
                          const std::vector<std::size_t>& checked, int selected) {
    for (const std::string& id : targets(checked, selected)) {
        acted_ = id;
        actions.edit(id);
    }
    (void)refresh(port);
}

void RowList::removeClicked(ListActions& actions, UserPort& port,
                            const std::vector<std::size_t>& checked, int selected) {
    if (!deletes_)
        return;
    acted_.clear();
    for (std::size_t item : targetItems(checked, selected)) {
        const std::string id = contents_.idOf(item);
        if (port.askYesNo(removalQuestion(actions, item), title_))
            actions.remove(id);
    }
    (void)refresh(port);
}

void RowList::openSelected(ListActions& actions, UserPort& port, int selected) {
    const auto& items = contents_.items();
    if (selected < 0 || static_cast<std::size_t>(selected) >= items.size())
        return;
    acted_ = contents_.idOf(static_cast<std::size_t>(selected));
    actions.edit(acted_);
    (void)refresh(port);
}

int itemToKeepVisible(int itemCount, int topIndex, int itemsPerPage) {
    return std::min(itemCount, topIndex + itemsPerPage - 1);
}

} // namespace tallar::editors
