// The main menu's "Season": a new season to manage, one to continue, or the replay.
#pragma once

class QWidget;

namespace velmoro {

struct UiContext;

// The choice, then what it opens.
void RunSeasonMenu(UiContext& context, QWidget* parent);

// "New Season": the dialog over the season index, the file chooser, the new file, then
// its season screen. What the season leaves out and a refusal are told.
void NewSeasonCommand(UiContext& context, QWidget* parent);

// "Continue Season": a season file chosen and opened in its season screen; a refused
// file is told with its reason.
void ContinueSeasonCommand(UiContext& context, QWidget* parent);

}  // namespace velmoro
