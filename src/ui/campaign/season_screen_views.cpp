// The season screen's views, filled from the season: the date, today's games, the
// standings, the leaders, the schedule, the clubs' and the players' lines.
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include "campaign/season_text.h"
#include "db/captions.h"
#include "season/season_report.h"
#include "season/season_teams.h"
#include "ui/campaign/box_score_window.h"
#include "ui/campaign/season_screen.h"
#include "ui/season_lines_table.h"
#include "ui/standings_tree.h"
#include "ui/team_lines_dialog.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"

namespace velmoro {

namespace {

constexpr int kGameRole = Qt::UserRole;
constexpr int kLeadersShown = 5;

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ClubName(const ManagedSeason& season, int club) {
    return Text(season.season().teams[club].team->name);
}

void AddGame(QTreeWidget* list, const ManagedSeason& season, const SeasonGame& game) {
    auto* item = new QTreeWidgetItem(list);
    item->setText(0, Text(season.DateText(game.day)));
    item->setText(1, ClubName(season, game.visitor));
    item->setText(2, ClubName(season, game.home));
    if (game.played) item->setText(3, QString("%1-%2").arg(game.visitorRuns).arg(game.homeRuns));
    item->setData(0, kGameRole, game.id);
    // The user's clubs' games stand out.
    if (season.Manages(game.visitor) || season.Manages(game.home)) {
        QFont bold = item->font(0);
        bold.setBold(true);
        for (int c = 0; c < 4; ++c)
            item->setFont(c, bold);
    }
}

void FitColumns(QTreeWidget* list) {
    for (int c = 0; c < list->columnCount(); ++c)
        list->resizeColumnToContents(c);
}

// A club's games played: its batters' and pitchers' games would count each man.
std::vector<int> ClubGames(const ManagedSeason& season) {
    std::vector<int> games(season.season().teams.size());
    for (const SeasonGame& game : season.Games())
        if (game.played) ++games[game.visitor], ++games[game.home];
    return games;
}

}  // namespace

void SeasonScreen::Refresh() {
    const ManagedSeason& s = *season_;
    int played = 0;
    for (const SeasonGame& game : s.Games())
        played += game.played;
    const QString progress = QString("%1 of %2 games played").arg(played).arg(s.Games().size());
    date_->setText(s.Finished() ? QString("%1 season over: %2").arg(s.Year()).arg(progress)
                                : QString("%1, day %2 of %3: %4")
                                      .arg(Text(s.DateText(s.Today())))
                                      .arg(s.Today() + 1)
                                      .arg(s.DayCount())
                                      .arg(progress));
    QString next;
    if (const std::optional<int> id = s.NextManagedGame()) {
        const SeasonGame& game = s.Games()[*id];
        next =
            QString("Your next game: %1, %2 at %3")
                .arg(Text(s.DateText(game.day)), ClubName(s, game.visitor), ClubName(s, game.home));
    } else if (!s.ManagedClubs().empty()) {
        next = "Your clubs have played every game.";
    }
    next_->setText(next);
    FillToday();
    filled_.assign(filled_.size(), false);
    FillTab(tabs_->currentIndex());
    UpdateCommands();
}

void SeasonScreen::FillTab(int tab) {
    if (tab < 0 || filled_[tab] || Simulating()) return;
    filled_[tab] = true;
    QWidget* page = tabs_->widget(tab);
    if (page == standings_) FillStandingsTree(standings_, season_->season(), season_->results());
    if (page == leaders_) FillLeaders();
    if (page == schedule_) FillSchedule();
    if (page == clubs_) FillClubLines();
    if (page == players_) FillPlayerLines();
}

void SeasonScreen::FillToday() {
    today_->clear();
    const int day = std::min(season_->Today(), season_->DayCount() - 1);
    for (const SeasonGame& game : season_->GamesOn(day))
        AddGame(today_, *season_, game);
    FitColumns(today_);
}

void SeasonScreen::FillSchedule() {
    schedule_->clear();
    QTreeWidgetItem* firstToPlay = nullptr;
    for (const SeasonGame& game : season_->Games()) {
        AddGame(schedule_, *season_, game);
        if (!firstToPlay && !game.played)
            firstToPlay = schedule_->topLevelItem(schedule_->topLevelItemCount() - 1);
    }
    if (firstToPlay) schedule_->scrollToItem(firstToPlay, QAbstractItemView::PositionAtTop);
    FitColumns(schedule_);
}

void SeasonScreen::FillLeaders() {
    std::string text;
    const Season& season = season_->season();
    for (const std::vector<int>& league : season_->Leagues())
        text += LeagueName(season.teams[league.front()].league) + " " +
                LeadersText(season, season_->results(), league, kLeadersShown) + "\n";
    leaders_->setPlainText(Text(text));
}

void SeasonScreen::FillClubLines() {
    const std::vector<int> games = ClubGames(*season_);
    std::vector<SeasonLine> lines;
    for (const ClubTotals& club : season_->ClubLines()) {
        SeasonLine& line = lines.emplace_back(
            SeasonLine{{ClubName(*season_, club.team)}, club.batting, club.pitching});
        line.batting.games = line.batting.starts = games[club.team];
        line.pitching.games = line.pitching.starts = games[club.team];
    }
    FillSeasonLines(clubs_, {"Club"}, lines);
}

void SeasonScreen::FillPlayerLines() {
    std::vector<SeasonLine> lines;
    const std::vector<PlayerSeason>& players = season_->results().players;
    for (int p = 0; p < static_cast<int>(players.size()); ++p) {
        const PlayerSeason& player = players[p];
        if (player.batting.games == 0 && player.pitching.games == 0) continue;
        lines.push_back({{Text(season_->PlayerName(p)), ClubName(*season_, player.team)},
                         player.batting,
                         player.pitching});
    }
    FillSeasonLines(players_, {"Player", "Club"}, lines);
}

void SeasonScreen::ShowClubPlayers(int club) {
    if (club < 0 || Simulating()) return;
    TeamLinesDialog dialog(season_->season(), season_->results(), club, this);
    dialog.exec();
}

void SeasonScreen::OpenBoxScore(int gameId) {
    if (Simulating()) return;
    BoxScore box;
    if (const Status read = season_->ReadBoxScore(gameId, box); !read) {
        context_.prompter.Inform(read.message(), kErrorCaption);
        return;
    }
    const QString title =
        QString("%1  %2").arg(kSeasonCaption, Text(season_->DateText(box.game.day)));
    BoxScoreWindow window(title, Text(BoxScoreText(*season_, box)), this);
    window.exec();
}

void SeasonScreen::OpenGameOf(QTreeWidgetItem* item) {
    // While the computer plays, the games are the sim's.
    const QVariant id = item && !Simulating() ? item->data(0, kGameRole) : QVariant();
    if (id.isValid() && season_->Games()[id.toInt()].played) OpenBoxScore(id.toInt());
}

// The next managed game, when it is today's and nothing plays.
std::optional<int> SeasonScreen::PlayableGame() const {
    const std::optional<int> id = season_->NextManagedGame();
    if (Simulating() || !id || season_->Games()[*id].day != season_->Today()) return std::nullopt;
    return id;
}

void SeasonScreen::UpdateCommands() {
    const bool idle = !Simulating(), open = idle && !season_->Finished();
    play_->setEnabled(PlayableGame().has_value());
    for (QPushButton* button : {simDay_, simWeek_, simEnd_})
        button->setEnabled(open);
    simNext_->setEnabled(open && season_->NextManagedGame().has_value());
    simNext_->setVisible(!season_->ManagedClubs().empty());
    play_->setVisible(!season_->ManagedClubs().empty());
    cancel_->setEnabled(!idle);
    progress_->setTextVisible(!idle);
}

}  // namespace velmoro
