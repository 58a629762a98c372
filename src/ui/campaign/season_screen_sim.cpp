// The season screen's days played by the computer: on a worker thread, the window
// polling its progress every frame so that it answers every click while the games run.
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "ui/campaign/season_screen.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"

namespace velmoro {

namespace {

// The sim's threads (its workers start from this one and inherit it) give way to the
// window's: with every core playing, a click is still answered at once.
void YieldToWindow() {
#ifdef __linux__
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
#endif
}

}  // namespace

void SeasonScreen::StartSim(int days, bool toNextGame, bool toEnd) {
    if (Simulating() || season_->Finished()) return;
    cancelRequested_ = false;
    done_ = false;
    gamesDone_ = 0;
    gamesTotal_ = 0;
    SeasonSimOptions options;
    options.days = days;
    options.toEnd = toEnd || toNextGame;
    options.stopAtManagedGame = toNextGame;
    options.cancel = &cancelRequested_;
    options.progress = [this](int done, int total) {
        gamesTotal_ = total;
        gamesDone_ = done;
    };
    progress_->setRange(0, 0);  // busy until the first game says how many there are
    worker_ = std::thread([this, options] {
        YieldToWindow();
        simStatus_ = season_->Sim(options, outcome_);
        done_ = true;
    });
    UpdateCommands();
    timer_->start();
}

void SeasonScreen::CancelSim() {
    cancelRequested_ = true;
    cancel_->setEnabled(false);
}

void SeasonScreen::Drain() {
    if (const int total = gamesTotal_; total > 0) {
        progress_->setRange(0, total);
        progress_->setValue(gamesDone_);
    }
    if (done_ && worker_.joinable()) {
        worker_.join();
        FinishSim();
    }
}

void SeasonScreen::FinishSim() {
    timer_->stop();
    progress_->setRange(0, std::max(1, outcome_.gamesPlayed));
    progress_->setValue(outcome_.gamesPlayed);
    Refresh();
    if (!simStatus_) context_.prompter.Inform(simStatus_.message(), kSeasonCaption);
}

}  // namespace velmoro
