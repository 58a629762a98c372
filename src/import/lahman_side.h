// The side files' counts from the Lahman tables: for each table the columns that go to
// Players.csv or Clubs.csv, summed over a player's stints with one club.
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "db/club_season.h"
#include "db/player_usage.h"
#include "import/lahman_csv.h"

namespace velmoro {

template <class Record>
struct SideColumn {
    const char* name;  // the Lahman column
    int Record::*field;
    int max;
    int empty = 0;  // what an empty field counts: kNotRecorded where the source may lack it
    int min = 0;    // the sum is kept in min..max, what the side file's reader takes
};

// A table's side columns, looked up once.
template <class Record>
class SideCounts {
  public:
    SideCounts(const CsvTable& t, std::span<const SideColumn<Record>> columns) : columns_(columns) {
        for (const SideColumn<Record>& c : columns) {
            indexes_.push_back(t.Column(c.name));
            if (indexes_.back() < 0 && missing_.empty()) missing_ = c.name;
        }
    }
    // The first column the table lacks; empty when it has them all.
    const std::string& Missing() const { return missing_; }

    // Adds row `r` to `record` (its fields set to 0 first on the player's first row of
    // the table). A count once not recorded stays so: a sum that misses a stint is no
    // count. Returns the column of a field that is not a count (read as empty), or
    // nullptr.
    const char* Add(const CsvTable& t, std::size_t r, bool firstRow, Record& record) const {
        const char* bad = nullptr;
        for (std::size_t i = 0; i < columns_.size() && missing_.empty(); ++i) {
            const SideColumn<Record>& c = columns_[i];
            int& field = record.*c.field;
            if (firstRow) field = 0;
            long value = 0;
            const bool count = t.Count(r, indexes_[i], value);
            if (!count) bad = c.name;
            const bool empty = !count || t.Field(r, indexes_[i]).empty();
            if (field == kNotRecorded) continue;
            if (empty && c.empty == kNotRecorded) {
                field = kNotRecorded;
                continue;
            }
            const long sum = field + (empty ? c.empty : value);
            field = static_cast<int>(std::clamp<long>(sum, c.min, c.max));
        }
        return bad;
    }

  private:
    std::span<const SideColumn<Record>> columns_;
    std::vector<int> indexes_;
    std::string missing_;
};

// The columns of each table.
std::span<const SideColumn<PlayerUsage>> AppearancesSideColumns();
std::span<const SideColumn<PlayerUsage>> BattingSideColumns();
std::span<const SideColumn<PlayerUsage>> PitchingSideColumns();
std::span<const SideColumn<ClubSeason>> TeamsSideColumns();

// People's bats ('L', 'R', 'B') and throws ('L', 'R'); ' ' for anything else (unknown,
// or a pitcher who threw with either hand).
char BatsLetter(std::string_view field);
char ThrowsLetter(std::string_view field);

}  // namespace velmoro
