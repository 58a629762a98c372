#include "editors/db_change_list.h"

#include <algorithm>

#include "db/records.h"

namespace velmoro {

int NameList::Insert(const std::string& name) {
    const std::string key = UpperCase(name);
    const auto at = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const std::string& entry) { return UpperCase(entry) > key; });
    const int index = static_cast<int>(at - entries_.begin());
    entries_.insert(at, name);
    if (selected_ >= index) ++selected_;
    return index;
}

void NameList::InsertUnique(const std::string& name) {
    if (IndexOf(name) < 0) Insert(name);
}

void NameList::Remove(int index) {
    if (index < 0 || index >= Count()) return;
    entries_.erase(entries_.begin() + index);
    if (selected_ == index) {
        selected_ = -1;
    } else if (selected_ > index) {
        --selected_;
    }
}

void NameList::Clear() {
    entries_.clear();
    selected_ = -1;
}

void NameList::Select(int index) {
    selected_ = (index >= 0 && index < Count()) ? index : -1;
}

int NameList::IndexOf(const std::string& name) const {
    const auto at = std::find(entries_.begin(), entries_.end(), name);
    return at == entries_.end() ? -1 : static_cast<int>(at - entries_.begin());
}

std::string NameList::SelectedText() const {
    return HasSelection() ? entries_[selected_] : std::string();
}

}  // namespace velmoro
