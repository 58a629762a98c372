#include "ui/new_game_wizard.h"

#include "db/captions.h"
#include "engine/game_state.h"
#include "ui/wizard_lineup_page.h"
#include "ui/wizard_order_page.h"
#include "ui/wizard_page_ids.h"
#include "ui/wizard_team_page.h"

namespace velmoro {

NewGameWizard::NewGameWizard(UiContext& context, QWidget* parent) : QWizard(parent) {
    setObjectName("newGameWizard");
    setWindowTitle(kCaption);
    setWizardStyle(QWizard::ClassicStyle);
    setModal(true);
    // No Back at all: a choice, once accepted with Next, is final for this run.
    setButtonLayout(
        {QWizard::Stretch, QWizard::NextButton, QWizard::FinishButton, QWizard::CancelButton});
    setPage(kTeamPageId, new WizardTeamPage(context, this));
    for (Side side : kBothSides) {
        for (int slot = 0; slot < kLineupPagesPerSide; ++slot)
            setPage(LineupPageId(side, slot), new WizardLineupPage(context, this));
        setPage(BattingOrderPageId(side), new WizardOrderPage(context, side, this));
    }
    setStartId(kTeamPageId);
    connect(this, &QWizard::currentIdChanged, this, &NewGameWizard::ShowPageCaption);
}

void NewGameWizard::ShowPageCaption(int id) {
    if (QWizardPage* shown = page(id)) setWindowTitle(shown->windowTitle());
}

int RunNewGameWizard(UiContext& context, QWidget* parent) {
    NewGameWizard wizard(context, parent);
    return wizard.exec() == QDialog::Accepted ? 1 : 0;
}

}  // namespace velmoro
