#include "ui/season_choice_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/window_captions.h"

namespace velmoro {

SeasonChoiceDialog::SeasonChoiceDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kSeasonCaption);
    const struct {
        const char* text;
        const char* name;
        const char* note;
    } entries[] = {
        {"&New Season", "newSeason", "A season of your own: manage clubs, sim the rest."},
        {"&Continue Season", "continueSeason", "Open a season file (.vsn) where you left it."},
        {"&Replay Season", "replaySeason", "Replay a whole year at once, nobody managing."},
    };
    auto* layout = new QVBoxLayout(this);
    for (int c = 0; c < 3; ++c) {
        buttons_[c] = new QPushButton(entries[c].text, this);
        buttons_[c]->setObjectName(entries[c].name);
        layout->addWidget(buttons_[c]);
        layout->addWidget(new QLabel(entries[c].note, this));
        connect(buttons_[c], &QPushButton::clicked, this, [this, c] { done(c + 1); });
    }
    auto* cancel = new QPushButton("Cancel", this);
    layout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace velmoro
