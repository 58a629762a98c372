#include "ui/season_window.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <chrono>

#include "db/captions.h"
#include "db/team_files.h"
#include "season/season_report.h"
#include "season/season_teams.h"
#include "season/season_usage.h"
#include "ui/engine_choice.h"
#include "ui/season_chart.h"
#include "ui/season_index_boxes.h"
#include "ui/standings_tree.h"
#include "ui/team_lines_dialog.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"

namespace velmoro {

namespace {

constexpr int kLeadersShown = 3;

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), text.size());
}

}  // namespace

SeasonWindow::SeasonWindow(UiContext& context, std::vector<SeasonRecord> index, QWidget* parent)
    : QDialog(parent),
      context_(context),
      index_(std::move(index)),
      year_(new QComboBox(this)),
      league_(new QComboBox(this)),
      games_(new QSpinBox(this)),
      engine_(MakeEngineBox(EngineKind::Realistic, this)),
      play_(new QPushButton("Play Season", this)),
      cancel_(new QPushButton("Cancel", this)),
      progress_(new QProgressBar(this)),
      standings_(new QTreeWidget(this)),
      leaders_(new QPlainTextEdit(this)),
      chart_(new SeasonChart(this)),
      realism_(new QLabel(this)),
      timer_(new QTimer(this)) {
    setWindowTitle(kSeasonCaption);
    usage_ = LoadReplayUsage(context_.session.installDirectory, usageNote_);
    FillYearBox(year_, index_);
    games_->setRange(0, 200);
    games_->setSpecialValueText("Real");
    cancel_->setEnabled(false);
    SetUpStandingsTree(standings_);
    leaders_->setReadOnly(true);
    leaders_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel("Year", this));
    choices->addWidget(year_);
    choices->addWidget(new QLabel("League", this));
    choices->addWidget(league_);
    choices->addWidget(new QLabel("Games per team", this));
    choices->addWidget(games_);
    choices->addWidget(new QLabel("Engine", this));
    choices->addWidget(engine_);
    choices->addStretch(1);
    choices->addWidget(play_);
    choices->addWidget(cancel_);
    auto* results = new QHBoxLayout;
    results->addWidget(standings_, 3);
    results->addWidget(chart_, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(progress_);
    layout->addLayout(results, 3);
    layout->addWidget(realism_);
    layout->addWidget(leaders_, 2);
    resize(1100, 720);

    connect(year_, &QComboBox::currentIndexChanged, this, [this] { FillLeagues(); });
    connect(play_, &QPushButton::clicked, this, &SeasonWindow::PlaySeasonNow);
    connect(cancel_, &QPushButton::clicked, this, &SeasonWindow::CancelSeason);
    connect(standings_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { ShowTeamLines(item); });
    connect(timer_, &QTimer::timeout, this, &SeasonWindow::Drain);
    FillLeagues();
}

SeasonWindow::~SeasonWindow() {
    cancel_requested_ = true;
    if (worker_.joinable()) worker_.join();
}

void SeasonWindow::FillLeagues() {
    FillLeagueBox(league_, index_, year_->currentData().toInt());
}

void SeasonWindow::PlaySeasonNow() {
    if (worker_.joinable()) return;
    std::vector<std::string> notes;
    const int year = year_->currentData().toInt();
    const Status chosen = SeasonFromIndex(index_, context_.session.teams.legendTeams, year,
                                          league_->currentData().toString().toStdString(),
                                          games_->value(), season_, notes);
    // What velmoro-sim names on its error output, in one message.
    std::string told;
    for (const std::string& note : notes)
        told += "Left out of the " + std::to_string(year) + " season: " + note + "\n";
    if (!chosen) {
        context_.prompter.Inform(told + chosen.message(), kCaption);
        return;
    }
    if (!usage_.empty()) season_.usage = PlanSeasonUsage(season_, usage_, usageNote_);
    if (!told.empty()) context_.prompter.Inform(told, kCaption);
    shown_ = SeasonResults{};
    shown_.games.assign(season_.schedule.size(), GameResult{});
    finished_ = SeasonResults{};
    pending_.clear();
    cancel_requested_ = false;
    done_ = false;
    progress_->setRange(0, static_cast<int>(season_.schedule.size()));
    progress_->setValue(0);
    leaders_->clear();
    realism_->clear();
    chart_->SetPoints({});
    play_->setEnabled(false);
    cancel_->setEnabled(true);
    ShowStandings();
    SeasonRunOptions options;
    options.seed =
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    options.cancel = &cancel_requested_;
    options.engine = ChosenEngine(engine_);
    if (options.engine == EngineKind::Realistic) options.realistic = RealisticSource(context_)();
    options.onGame = [this](int index, const GameResult& result) {
        const std::lock_guard<std::mutex> guard(pendingLock_);
        pending_.emplace_back(index, result);
    };
    worker_ = std::thread([this, options] {
        failure_ = PlaySeason(season_, options, finished_);
        done_ = true;
    });
    timer_->start(100);
}

void SeasonWindow::CancelSeason() {
    cancel_requested_ = true;
    cancel_->setEnabled(false);
}

void SeasonWindow::Drain() {
    ApplyArrivedGames();
    if (done_ && worker_.joinable()) Finish();
}

void SeasonWindow::ApplyArrivedGames() {
    std::vector<std::pair<int, GameResult>> arrived;
    {
        const std::lock_guard<std::mutex> guard(pendingLock_);
        arrived.swap(pending_);
    }
    for (const auto& [index, result] : arrived)
        shown_.games[index] = result;
    if (arrived.empty()) return;
    progress_->setValue(progress_->value() + static_cast<int>(arrived.size()));
    ShowStandings();
}

void SeasonWindow::Finish() {
    timer_->stop();
    worker_.join();
    ApplyArrivedGames();
    shown_.players = finished_.players;
    play_->setEnabled(true);
    cancel_->setEnabled(false);
    // Above the leaders, once: why the clubs play as the wizard sets them up.
    std::string leaders = season_.usage ? std::string() : usageNote_ + "\n\n";
    std::vector<SeasonChart::Point> points;
    for (const std::vector<int>& league : SeasonLeagues(season_)) {
        leaders += LeagueName(season_.teams[league.front()].league) + " " +
                   LeadersText(season_, shown_, league, kLeadersShown) + "\n";
        for (const StandingRow& row : LeagueStandings(season_, shown_, league)) {
            const SeasonTeam& team = season_.teams[row.team];
            if (row.wins + row.losses > 0 && team.realWins + team.realLosses > 0)
                points.push_back(
                    {WinningPct(team.realWins, team.realLosses), row.pct, Text(team.team->name)});
        }
    }
    leaders_->setPlainText(Text(leaders));
    chart_->SetPoints(std::move(points));
    realism_->setText(Text(RealismText(MeasureRealism(season_, shown_))).trimmed());
    if (!failure_) context_.prompter.Inform(failure_.message(), kCaption);
}

void SeasonWindow::ShowStandings() {
    FillStandingsTree(standings_, season_, shown_);
}

void SeasonWindow::ShowTeamLines(QTreeWidgetItem* item) {
    const int team = StandingsTeam(item);
    if (team < 0 || shown_.players.empty()) return;
    TeamLinesDialog dialog(season_, shown_, team, this);
    dialog.exec();
}

void RunSeasonWindow(UiContext& context, QWidget* parent) {
    Session& session = context.session;
    std::string error;
    if (!LoadLegendDatabase(session.teams, session.installDirectory, &error)) {
        context.prompter.Inform("Database Load failed\n" + error, kErrorCaption);
        return;
    }
    std::vector<SeasonRecord> index;
    if (!LoadSeasonIndex(ReplayIndexPath(session.installDirectory), index, &error) ||
        index.empty()) {
        context.prompter.Inform("No season to replay: " + error, kErrorCaption);
        return;
    }
    SeasonWindow window(context, std::move(index), parent);
    window.exec();
}

}  // namespace velmoro
