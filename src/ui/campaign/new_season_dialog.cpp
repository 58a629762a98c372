#include "ui/campaign/new_season_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/season_index_boxes.h"
#include "ui/window_captions.h"

namespace velmoro {

NewSeasonDialog::NewSeasonDialog(std::vector<SeasonRecord> index, QWidget* parent)
    : QDialog(parent),
      index_(std::move(index)),
      year_(new QComboBox(this)),
      league_(new QComboBox(this)),
      games_(new QSpinBox(this)),
      engine_(new QComboBox(this)),
      clubs_(new QListWidget(this)) {
    setWindowTitle(QString(kSeasonCaption) + "  New Season");
    games_->setRange(0, kMaxSeasonGames);
    games_->setSpecialValueText("Real");
    for (EngineKind kind : {EngineKind::Classic, EngineKind::Realistic})
        engine_->addItem(EngineName(kind), static_cast<int>(kind));
    FillYearBox(year_, index_);
    FillLeagueBox(league_, index_, year_->currentData().toInt());
    auto* form = new QFormLayout;
    form->addRow("Year", year_);
    form->addRow("League", league_);
    form->addRow("Games per club", games_);
    form->addRow("Engine", engine_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("Create...");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel("The clubs you manage (none: the computer manages all):", this));
    layout->addWidget(clubs_, 1);
    layout->addWidget(buttons);
    resize(460, 560);

    connect(year_, &QComboBox::currentIndexChanged, this,
            [this] { FillLeagueBox(league_, index_, year_->currentData().toInt()); });
    connect(league_, &QComboBox::currentIndexChanged, this, &NewSeasonDialog::FillClubs);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FillClubs();
}

void NewSeasonDialog::FillClubs() {
    const int year = year_->currentData().toInt();
    const QString league = league_->currentData().toString();
    clubs_->clear();
    for (const SeasonRecord& record : index_) {
        if (record.year != year || (!league.isEmpty() && league.toStdString() != record.league))
            continue;
        auto* item = new QListWidgetItem(QString::fromStdString(record.team), clubs_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

NewSeasonOptions NewSeasonDialog::Options() const {
    NewSeasonOptions options;
    options.year = year_->currentData().toInt();
    options.league = league_->currentData().toString().toStdString();
    options.gamesPerTeam = games_->value();
    options.engine = static_cast<EngineKind>(engine_->currentData().toInt());
    for (int row = 0; row < clubs_->count(); ++row)
        if (clubs_->item(row)->checkState() == Qt::Checked)
            options.managed.push_back(clubs_->item(row)->text().toStdString());
    return options;
}

}  // namespace velmoro
