// The lineup window's panels (Batting, Pitching, Starters) and the texts they show,
// plus the helpers that keep a list entry's exact name bytes beside its shown text.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

#include "db/records.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace velmoro {

// AVG, AB, R, H, 2B, 3B, HR, RBI, BB, K, SB, CS of a player's season.
std::array<std::string, 12> BattingLineTexts(const PlayerRecord& player);

// ERA, G, W, L, S, BAVG, K, BB, ShO, IP of a season pitching line.
std::array<std::string, 10> PitchingLineTexts(const PitchingLine& line);

// Names are byte strings: the list shows them as UTF-8 and keeps the bytes, so a
// choice turns back into the very name it came from.
QListWidgetItem* AddNameEntry(QListWidget* list, const std::string& name);
std::string EntryName(const QListWidgetItem* item);
void FillNameList(QListWidget* list, const std::vector<std::string>& names);
QString ShownText(const std::string& name);

// A framed panel of labelled values in two columns. Each value label is named
// "<title>:<label>" so tests can read it.
class StatsPanel : public QGroupBox {
  public:
    StatsPanel(const QString& title, const QStringList& labels, const QStringList& initial,
               int firstColumnRows, QWidget* parent = nullptr);

    template <std::size_t N>
    void SetValues(const std::array<std::string, N>& values) {
        for (std::size_t i = 0; i < N && i < values_.size(); ++i)
            SetValue(i, values[i]);
    }
    void ClearValues();
    QString Value(int index) const;

  private:
    void SetValue(std::size_t index, const std::string& text);

    std::vector<QLabel*> values_;
};

// A bold label, named for tests: the team name heading of the lineup windows.
QLabel* MakeBoldLabel(const char* objectName, QWidget* parent);

StatsPanel* MakeBattingPanel(QWidget* parent);
StatsPanel* MakePitchingPanel(QWidget* parent);

// One row per defence slot, P to DH; rows are named "Starters:P" ... "Starters:DH".
class StartersPanel : public QGroupBox {
  public:
    explicit StartersPanel(QWidget* parent = nullptr);

    // Names of the filled slots; the DH row reads "Not Applicable" in a game without
    // the designated hitter and is blank while a designated hitter is still to come.
    void Show(const std::array<PlayerRecord*, 10>& defense, bool designatedHitter);
    QString Row(int slot) const;

  private:
    std::array<QLabel*, 10> rows_{};
};

}  // namespace velmoro
