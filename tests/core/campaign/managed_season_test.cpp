// The managed season: its days, the file written game by game and read back, damaged
// copies refused untouched, and a season in sittings the same as in one run.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "campaign/day_schedule.h"
#include "campaign/season_text.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "manager/play_to_end.h"
#include "season/season_report.h"
#include "season_league.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

TEST(SeasonDays, EachClubOnceADayInScheduleOrderWithDaysOff) {
    const struct {
        std::vector<std::vector<int>> leagues;
        std::vector<int> targets;
    } cases[] = {
        {{{0, 1, 2, 3, 4, 5, 6, 7}}, std::vector<int>(8, 154)},
        {{{0, 1, 2, 3, 4}}, std::vector<int>(5, 20)},  // odd: one club idle each round
        {{{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
          {15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29}},
         std::vector<int>(30, 162)},
        {{{0, 1, 2, 3, 4, 5}}, {140, 112, 98, 70, 35, 7}},
    };
    for (const auto& c : cases) {
        const int clubs = static_cast<int>(c.targets.size());
        SCOPED_TRACE(clubs);
        const auto schedule = BuildSchedule(c.leagues, c.targets);
        const auto days = LayOutDays(schedule, clubs);
        ASSERT_EQ(days.size(), schedule.size());
        std::map<std::pair<int, int>, int> perClubDay;
        std::vector<std::vector<std::pair<int, int>>> inSchedule(clubs), inDays(clubs);
        std::vector<int> home(clubs), played(clubs);
        for (const ScheduledGame& g : schedule)
            for (int club : {g.visitor, g.home})
                inSchedule[club].emplace_back(g.visitor, g.home);
        for (std::size_t i = 0; i < days.size(); ++i) {
            const DayGame& d = days[i];
            if (i > 0) {
                EXPECT_LE(days[i - 1].day, d.day);
            }
            EXPECT_NE(d.day % kDaysBetweenOffDays, kDaysBetweenOffDays - 1);
            for (int club : {d.game.visitor, d.game.home}) {
                EXPECT_EQ(++perClubDay[std::pair(club, d.day)], 1) << club << " on " << d.day;
                inDays[club].emplace_back(d.game.visitor, d.game.home);
                ++played[club];
            }
            ++home[d.game.home];
        }
        EXPECT_EQ(inDays, inSchedule);
        for (int t = 0; t < clubs; ++t)
            EXPECT_LE(std::abs(2 * home[t] - played[t]), 3) << t;
    }
}

class SeasonFileTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteDemoInstallation(dir.path()); }

    std::unique_ptr<ManagedSeason> Create(const std::string& name, int games = 14) {
        std::unique_ptr<ManagedSeason> season;
        const Status created =
            ManagedSeason::Create(dir / name, DemoSeasonOptions(dir.path(), games), season);
        EXPECT_TRUE(created.ok()) << created.message();
        return season;
    }

    // Days from today (0: to the end); a cancel once `cancelAfter` games are written.
    static int Sim(ManagedSeason& season, int days, int jobs, int cancelAfter = 0) {
        SeasonSimOptions options;
        options.days = days, options.toEnd = days == 0, options.jobs = jobs;
        std::atomic<bool> cancel{false};
        options.cancel = &cancel;
        options.progress = [&](int done, int) { cancel = cancel || done == cancelAfter; };
        SimOutcome outcome;
        const Status played = season.Sim(options, outcome);
        EXPECT_TRUE(played.ok()) << played.message();
        EXPECT_EQ(outcome.cancelled, cancelAfter > 0);
        return outcome.gamesPlayed;
    }

    TempDir dir;
};

TEST_F(SeasonFileTest, SittingsAndWorkersPlayTheSameSeasonAsOneRun) {
    auto once = Create("once.vsn");
    const int total = static_cast<int>(once->Games().size());
    EXPECT_EQ(Sim(*once, 0, 1), total);
    EXPECT_TRUE(once->Finished());
    once.reset();

    Create("sittings.vsn").reset();
    int played = 0;
    const struct {
        int days, jobs, cancelAfter;
    } sittings[] = {{1, 2, 0}, {4, 1, 0}, {5, 2, 6}, {3, 2, 0}, {0, 2, 0}};  // a cancel mid-day
    for (const auto& sitting : sittings) {
        auto season = std::unique_ptr<ManagedSeason>();
        ASSERT_TRUE(ManagedSeason::Open(dir / "sittings.vsn", season).ok());
        played += Sim(*season, sitting.days, sitting.jobs, sitting.cancelAfter);
    }
    EXPECT_EQ(played, total);
    const std::string dump = DumpSeasonTables(dir / "once.vsn");
    EXPECT_EQ(DumpSeasonTables(dir / "sittings.vsn"), dump);
    EXPECT_GT(dump.size(), 10000u);
}

// What the file gives back is what was played: the results, the players' lines and box
// scores whose parts add up (innings to runs, batters' strikeouts to the pitchers').
TEST_F(SeasonFileTest, RoundTripAndBoxScoresAddUp) {
    auto season = Create("trip.vsn");
    Sim(*season, 0, 2);
    std::unique_ptr<ManagedSeason> read;
    ASSERT_TRUE(ManagedSeason::Open(dir / "trip.vsn", read).ok());
    ASSERT_EQ(read->Games().size(), season->Games().size());
    for (std::size_t g = 0; g < read->Games().size(); ++g) {
        const SeasonGame& a = season->Games()[g];
        const SeasonGame& b = read->Games()[g];
        EXPECT_EQ(std::tie(a.day, a.visitor, a.home, a.played, a.visitorRuns, a.homeRuns),
                  std::tie(b.day, b.visitor, b.home, b.played, b.visitorRuns, b.homeRuns));
        BoxScore box;
        ASSERT_TRUE(read->ReadBoxScore(static_cast<int>(g), box).ok());
        int decisions = 0;
        for (const auto& [side, other] :
             {std::pair{&box.visitor, &box.home}, {&box.home, &box.visitor}}) {
            int innings = 0, strikeouts = 0, pitched = 0;
            for (int runs : side->innings)
                innings += runs;
            for (const auto& batter : side->batters)
                strikeouts += batter.strikeouts;
            for (const auto& pitcher : other->pitchers)
                pitched += pitcher.strikeouts, decisions += !pitcher.decision.empty();
            EXPECT_EQ(innings, side->runs) << "game " << g + 1;
            EXPECT_EQ(strikeouts, pitched) << "game " << g + 1;
        }
        EXPECT_GE(decisions, a.visitorRuns == a.homeRuns ? 0 : 2);
    }
    for (std::size_t p = 0; p < read->results().players.size(); ++p) {
        EXPECT_EQ(read->results().players[p].batting.hits,
                  season->results().players[p].batting.hits);
        EXPECT_EQ(read->results().players[p].pitching.outs,
                  season->results().players[p].pitching.outs);
    }
    EXPECT_EQ(StandingsText(read->season(), read->results(), read->Leagues()[0]),
              StandingsText(season->season(), season->results(), season->Leagues()[0]));
}

// A season file damaged in any of these ways is refused, named with the reason, and
// left as it was.
TEST_F(SeasonFileTest, DamagedCopiesRefusedAndNeverWritten) {
    auto season = Create("whole.vsn");
    Sim(*season, 0, 2);
    season.reset();
    const std::string whole = Contents(dir / "whole.vsn");
    ASSERT_GT(whole.size(), 40000u);
    auto patched = [&](std::size_t at, const std::string& bytes) {
        return whole.substr(0, at) + bytes + whole.substr(at + bytes.size());
    };
    auto setVersion = [](const std::filesystem::path& file, const char* sql) {
        sqlite3* db = nullptr;
        sqlite3_open(file.string().c_str(), &db);
        sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        sqlite3_close(db);
    };
    const struct {
        const char* name;
        std::string bytes;  // empty: made by `sql`
        const char* sql;
        const char* reason;
    } cases[] = {
        {"half.vsn", whole.substr(0, whole.size() / 2), nullptr, "malformed"},
        {"last-page-cut.vsn", whole.substr(0, whole.size() - 4096), nullptr, "malformed"},
        {"head.vsn", whole.substr(0, 100), nullptr, "malformed"},
        {"header.vsn", patched(0, std::string(16, '\0')), nullptr, "not a database"},
        {"page.vsn", patched(5 * 4096, std::string(4096, '\xab')), nullptr, "malformed"},
        {"empty.vsn", "", nullptr, "not a season file"},
        {"text.vsn", "1927 Yankees,110,44\n", nullptr, "not a database"},
        {"newer.vsn", whole, "PRAGMA user_version = 2", "version 2 is newer"},
        {"other.vsn", "", "CREATE TABLE notes(text)", "not a season file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = dir / c.name;
        WriteBytes(file, c.bytes);
        if (c.sql) setVersion(file, c.sql);
        const std::string before = Contents(file);
        std::unique_ptr<ManagedSeason> opened;
        const Status status = ManagedSeason::Open(file, opened);
        ASSERT_FALSE(status.ok());
        EXPECT_NE(status.message().find(file.string() + ": "), std::string::npos)
            << status.message();
        EXPECT_NE(status.message().find(c.reason), std::string::npos) << status.message();
        EXPECT_EQ(Contents(file), before);
        EXPECT_FALSE(opened);
    }
}

TEST_F(SeasonFileTest, AGamePlayedElsewhereIsRecordedOnlyWhenItIsThatFinishedGame) {
    auto season = Create("user.vsn");
    SeasonSimOptions options;
    options.toEnd = true, options.stopAtManagedGame = true;
    SimOutcome outcome;
    ASSERT_TRUE(season->Sim(options, outcome).ok());
    EXPECT_TRUE(outcome.stoppedAtManagedGame);
    const std::optional<int> next = season->NextManagedGame();
    ASSERT_TRUE(next);
    EXPECT_EQ(season->Games()[*next].day, season->Today());
    SeasonGameSetup setup;
    ASSERT_TRUE(season->SetupOf(*next, setup).ok());
    Session session;
    ASSERT_TRUE(LoadLegendDatabase(session.teams, dir.path()));
    ASSERT_TRUE(SetUpSeasonGame(session, setup).ok());
    OpenPlayScreen(session);
    EXPECT_FALSE(season->RecordGame(*next, session.game, nullptr).ok());  // not over
    PlayToEnd(session, ManagedSides{});
    EXPECT_FALSE(
        season->RecordGame(*next == 0 ? 1 : 0, session.game, nullptr).ok());  // other teams
    ASSERT_TRUE(season->RecordGame(*next, session.game, nullptr).ok());
    EXPECT_FALSE(season->RecordGame(*next, session.game, nullptr).ok());  // twice
    std::unique_ptr<ManagedSeason> read;
    ASSERT_TRUE(ManagedSeason::Open(dir / "user.vsn", read).ok());
    EXPECT_TRUE(read->Games()[*next].played);
    EXPECT_EQ(read->Games()[*next].homeRuns, session.game.home.teamRuns);
}

}  // namespace
}  // namespace velmoro
