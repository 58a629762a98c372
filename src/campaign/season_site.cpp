// The season as a small static web site: plain HTML and one style sheet, no script.
#include <fmt/format.h>

#include "campaign/season_export.h"
#include "db/file_write.h"
#include "season/season_report.h"
#include "setup/stat_text.h"

namespace velmoro {

namespace {

constexpr int kLeadersShown = 10;

constexpr const char* kStyle = R"css(body { font-family: sans-serif; margin: 1em 2em; color: #222; }
nav a { margin-right: 1em; }
table { border-collapse: collapse; margin: 0.5em 0 1.5em; }
th, td { padding: 0.15em 0.6em; text-align: right; border-bottom: 1px solid #ddd; }
th:first-child, td:first-child { text-align: left; }
h1 { font-size: 1.5em; } h2 { font-size: 1.2em; margin-top: 1.5em; }
)css";

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Row(std::initializer_list<std::string> cells, const char* tag = "td") {
    std::string out = "<tr>";
    for (const std::string& cell : cells)
        out += fmt::format("<{0}>{1}</{0}>", tag, cell);
    return out + "</tr>\n";
}

class Site {
  public:
    Site(ManagedSeason& season, std::filesystem::path directory)
        : season_(season), directory_(std::move(directory)) {}

    Status Write();

  private:
    const std::string& Club(int club) const { return season_.season().teams[club].team->name; }
    std::string ClubLink(int club, const std::string& up = "") const {
        return fmt::format("<a href=\"{}club-{}.html\">{}</a>", up, club + 1, Escape(Club(club)));
    }
    std::string Page(const std::string& title, const std::string& body,
                     const std::string& up = "") const;
    std::string GameRow(const SeasonGame& game, const std::string& up = "") const;
    std::string Standings() const;
    std::string Leaders() const;
    std::string Schedule() const;
    std::string ClubPage(int club) const;
    std::string BoxPage(const BoxScore& box) const;
    Status Put(const std::string& name, const std::string& bytes);

    ManagedSeason& season_;
    std::filesystem::path directory_;
};

std::string Site::Page(const std::string& title, const std::string& body,
                       const std::string& up) const {
    return fmt::format(
        "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
        "<title>{0}</title><link rel=\"stylesheet\" href=\"{1}style.css\"></head>\n<body>\n"
        "<nav><a href=\"{1}index.html\">Season</a><a href=\"{1}standings.html\">Standings</a>"
        "<a href=\"{1}leaders.html\">Leaders</a><a href=\"{1}schedule.html\">Schedule</a></nav>\n"
        "<h1>{0}</h1>\n{2}</body></html>\n",
        Escape(title), up, body);
}

std::string Site::GameRow(const SeasonGame& game, const std::string& up) const {
    const std::string number = game.played ? fmt::format("<a href=\"{}box/game-{}.html\">{}</a>",
                                                         up, game.id + 1, game.id + 1)
                                           : std::to_string(game.id + 1);
    return Row({number, Escape(season_.DateText(game.day)), ClubLink(game.visitor, up),
                game.played ? std::to_string(game.visitorRuns) : "", ClubLink(game.home, up),
                game.played ? std::to_string(game.homeRuns) : ""});
}

std::string Site::Standings() const {
    std::string body;
    for (const std::vector<int>& league : season_.Leagues()) {
        body += fmt::format("<h2>{}</h2>\n<table>\n",
                            Escape(season_.season().teams[league.front()].league));
        body += Row({"Club", "W", "L", "Pct", "GB", "RS", "RA", "Home", "Away", "Real W-L", "Rank"},
                    "th");
        for (const StandingRow& row : season_.Standings(league)) {
            const SeasonTeam& team = season_.season().teams[row.team];
            body += Row({ClubLink(row.team), std::to_string(row.wins), std::to_string(row.losses),
                         PctText(row.pct), GamesBehindText(row.gamesBehind),
                         std::to_string(row.runsScored), std::to_string(row.runsAllowed),
                         fmt::format("{}-{}", row.homeWins, row.homeLosses),
                         fmt::format("{}-{}", row.awayWins, row.awayLosses),
                         fmt::format("{}-{}", team.realWins, team.realLosses),
                         std::to_string(team.realRank)});
        }
        body += "</table>\n";
    }
    return Page(fmt::format("{} Standings", season_.Year()), body);
}

std::string Site::Leaders() const {
    std::string body;
    for (const std::vector<int>& league : season_.Leagues()) {
        body += fmt::format("<h2>{}</h2>\n", Escape(season_.season().teams[league.front()].league));
        for (const LeagueLeaders& table : season_.LeadersOf(league, kLeadersShown)) {
            body += fmt::format("<table>\n{}", Row({Escape(table.title), "Club", ""}, "th"));
            for (const Leader& leader : table.leaders)
                body += Row({Escape(season_.PlayerName(leader.player)),
                             ClubLink(season_.results().players[leader.player].team),
                             LeaderValue(table.title, leader.value)});
            body += "</table>\n";
        }
    }
    return Page(fmt::format("{} Leaders", season_.Year()), body);
}

std::string Site::Schedule() const {
    std::string body;
    int day = -1;
    for (const SeasonGame& game : season_.Games()) {
        if (game.day != day) {
            body += fmt::format("{}<h2>{}</h2>\n<table>\n", day < 0 ? "" : "</table>\n",
                                Escape(season_.DateText(game.day)));
            day = game.day;
        }
        body += GameRow(game);
    }
    if (day >= 0) body += "</table>\n";
    return Page(fmt::format("{} Schedule and Results", season_.Year()), body);
}

std::string Site::ClubPage(int club) const {
    std::string batting = Row(
        {"Batting", "G", "AB", "R", "H", "2B", "3B", "HR", "RBI", "SB", "BB", "SO", "AVG"}, "th");
    std::string pitching =
        Row({"Pitching", "G", "GS", "IP", "H", "R", "BB", "SO", "W", "L", "SV", "ERA"}, "th");
    const auto& players = season_.results().players;
    for (int p = 0; p < static_cast<int>(players.size()); ++p) {
        const PlayerSeason& player = players[p];
        if (player.team != club) continue;
        const BattingTotals& b = player.batting;
        if (b.games > 0)
            batting += Row({Escape(season_.PlayerName(p)), std::to_string(b.games),
                            std::to_string(b.atBats), std::to_string(b.runs),
                            std::to_string(b.hits), std::to_string(b.doubles),
                            std::to_string(b.triples), std::to_string(b.homeRuns),
                            std::to_string(b.rbi), std::to_string(b.stolenBases),
                            std::to_string(b.walks), std::to_string(b.strikeouts),
                            b.atBats ? PctText(static_cast<double>(b.hits) / b.atBats) : ""});
        const PitchingTotals& q = player.pitching;
        if (q.games > 0)
            pitching += Row(
                {Escape(season_.PlayerName(p)), std::to_string(q.games), std::to_string(q.starts),
                 InningsText(q.outs), std::to_string(q.hits), std::to_string(q.runs),
                 std::to_string(q.walks), std::to_string(q.strikeouts), std::to_string(q.wins),
                 std::to_string(q.losses), std::to_string(q.saves), EraText(q.runs, q.outs)});
    }
    std::string games = Row({"Game", "Date", "Visitors", "", "Home", ""}, "th");
    for (const SeasonGame& game : season_.Games())
        if (game.visitor == club || game.home == club) games += GameRow(game);
    return Page(Club(club), "<table>\n" + batting + "</table>\n<table>\n" + pitching +
                                "</table>\n<h2>Games</h2>\n<table>\n" + games + "</table>\n");
}

std::string Site::BoxPage(const BoxScore& box) const {
    const SeasonGame& game = box.game;
    const std::size_t innings = std::max(box.visitor.innings.size(), box.home.innings.size());
    std::string line = "<table>\n<tr><th></th>";
    for (std::size_t i = 0; i < innings; ++i)
        line += fmt::format("<th>{}</th>", i + 1);
    line += "<th>R</th><th>H</th><th>E</th></tr>\n";
    std::string sides;
    for (const auto& [club, side] :
         {std::pair{game.visitor, &box.visitor}, {game.home, &box.home}}) {
        line += "<tr><td>" + ClubLink(club, "../") + "</td>";
        for (std::size_t i = 0; i < innings; ++i)
            line += "<td>" + (i < side->innings.size() ? std::to_string(side->innings[i]) : "x") +
                    "</td>";
        line += fmt::format("<td>{}</td><td>{}</td><td>{}</td></tr>\n", side->runs, side->hits,
                            side->errors);
        sides += "<table>\n" + Row({Escape(Club(club)), "AB", "R", "H", "2B", "3B", "HR", "RBI",
                                    "BB", "SO", "SB"},
                                   "th");
        for (const BoxScoreBatter& b : side->batters)
            sides += Row({Escape(b.name + " " + b.position), std::to_string(b.atBats),
                          std::to_string(b.runs), std::to_string(b.hits), std::to_string(b.doubles),
                          std::to_string(b.triples), std::to_string(b.homeRuns),
                          std::to_string(b.rbi), std::to_string(b.walks),
                          std::to_string(b.strikeouts), std::to_string(b.stolenBases)});
        sides += "</table>\n<table>\n" + Row({"Pitching", "IP", "H", "R", "BB", "SO", ""}, "th");
        for (const BoxScorePitcher& p : side->pitchers)
            sides += Row({Escape(p.name), InningsText(p.outs), std::to_string(p.hits),
                          std::to_string(p.runs), std::to_string(p.walks),
                          std::to_string(p.strikeouts), p.decision});
        sides += "</table>\n";
    }
    const std::string title = fmt::format("Game {}: {} {}, {} {}", game.id + 1, Club(game.visitor),
                                          game.visitorRuns, Club(game.home), game.homeRuns);
    return Page(title,
                "<p>" + Escape(season_.DateText(game.day)) + "</p>\n" + line + "</table>\n" + sides,
                "../");
}

Status Site::Put(const std::string& name, const std::string& bytes) {
    std::string reason;
    if (!WriteFileContents(directory_ / name, bytes, reason, Replace::Quick))
        return Status::Error(CannotWriteMessage(directory_ / name, reason));
    return OkStatus();
}

Status Site::Write() {
    std::error_code error;
    std::filesystem::create_directories(directory_ / "box", error);
    if (error) return Status::Error(CannotWriteMessage(directory_ / "box", error.message()));
    std::string clubs;
    for (int c = 0; c < static_cast<int>(season_.season().teams.size()); ++c) {
        clubs += "<li>" + ClubLink(c) + "</li>\n";
        if (Status put = Put(fmt::format("club-{}.html", c + 1), ClubPage(c)); !put) return put;
    }
    const std::string index =
        "<p>" +
        Escape(fmt::format("{} engine, seed {}", EngineName(season_.Engine()), season_.Seed())) +
        "</p>\n<ul>\n<li><a href=\"standings.html\">Standings</a></li>\n"
        "<li><a href=\"leaders.html\">Leaders</a></li>\n"
        "<li><a href=\"schedule.html\">Schedule and "
        "results</a></li>\n</ul>\n<h2>Clubs</h2>\n<ul>\n" +
        clubs + "</ul>\n";
    for (const auto& [name, bytes] :
         {std::pair<const char*, std::string>{"style.css", kStyle},
          {"index.html", Page(fmt::format("{} Season", season_.Year()), index)},
          {"standings.html", Standings()},
          {"leaders.html", Leaders()},
          {"schedule.html", Schedule()}})
        if (Status put = Put(name, bytes); !put) return put;
    for (const SeasonGame& game : season_.Games()) {
        if (!game.played) continue;
        BoxScore box;
        if (Status read = season_.ReadBoxScore(game.id, box); !read) return read;
        if (Status put = Put(fmt::format("box/game-{}.html", game.id + 1), BoxPage(box)); !put)
            return put;
    }
    return OkStatus();
}

}  // namespace

Status WriteSeasonSite(ManagedSeason& season, const std::filesystem::path& directory) {
    return Site(season, directory).Write();
}

}  // namespace velmoro
