// The texts the lineup windows' panels show, and the helpers that keep a list entry's exact name
// bytes beside its shown text.
#pragma once

#include <QString>
#include <array>
#include <string>
#include <vector>

#include "db/records.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QWidget;

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

// A bold label, named for tests: the team name heading of the lineup windows.
QLabel* MakeBoldLabel(const char* objectName, QWidget* parent);

}  // namespace velmoro
