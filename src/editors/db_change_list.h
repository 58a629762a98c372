// A sorted list of names with one selected entry, as the editors' list boxes hold
// them. The windows mirror it; the rules read and change it without a window.
#pragma once

#include <string>
#include <vector>

namespace velmoro {

class NameList {
  public:
    // Inserts in alphabetical order without regard to case; an equal text goes after
    // the entries already there. Returns the index of the new entry. The selection
    // keeps naming the same entry.
    int Insert(const std::string& name);
    // Inserts unless an entry with exactly this text is there already.
    void InsertUnique(const std::string& name);
    void Remove(int index);
    void Clear();

    // -1 selects nothing; an index outside the list selects nothing too.
    void Select(int index);
    int IndexOf(const std::string& name) const;

    int Selected() const { return selected_; }
    bool HasSelection() const { return selected_ >= 0; }
    // The selected text, empty when nothing is selected.
    std::string SelectedText() const;
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }
    const std::vector<std::string>& Entries() const { return entries_; }
    const std::string& At(int index) const { return entries_[index]; }

  private:
    std::vector<std::string> entries_;
    int selected_ = -1;
};

}  // namespace velmoro
