// The custom team editor and the database change window.
#pragma once

class QWidget;

namespace velmoro {

struct UiContext;

void RunCustomTeamEditor(UiContext& context, QWidget* parent);
void RunDatabaseChangeDialog(UiContext& context, QWidget* parent);

}  // namespace velmoro
