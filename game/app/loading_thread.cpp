// GameLoad: the loading sequence with the loading screen, its progress and the lock.
#include "game/app/loading_thread.h"

#include "engine/frame/game.h"
#include "engine/frame/loading_lock.h"
#include "engine/platform/platform.h"
#include "engine/ui/loading_screen.h"
#include "engine/ui/shared_items.h"
#include "game/app/game_loader.h"
#include "game/app/game_object.h"
#include "game/shell/puzzle.h"

namespace {

constexpr int kIntroPollMs = 100;
constexpr int kLastStepPauseMs = 100;  // lets 99 % show before the 100 %

class THREAD_LOADER : public GAME_LOADER {
  protected:
    void Enter() override { LoadLock.Enter(); }
    void Leave() override { LoadLock.Leave(); }
    void ShowLoadingScreen() override {
        screen_ = new GAME::LOADING_SCREEN();
        WUN::ST_GAME::GetInstance()->SetLoadingScreen(screen_);
    }
    void SetProgress(int percent) override { screen_->LoadProgress = percent; }
    void WaitForIntro() override {
        for (;;) {
            LoadLock.Enter();
            const bool over = screen_->IntroTime < 0.0f;
            LoadLock.Leave();
            if (over) {
                return;
            }
            platform::SleepMilliseconds(kIntroPollMs);
        }
    }
    void Finish() override {
        LoadLock.Enter();
        SetProgress(99);
        g_game = new GAME::PUZZLE();
        LoadLock.Leave();
        platform::SleepMilliseconds(kLastStepPauseMs);
        LoadLock.Enter();
        SetProgress(100);
        LoadLock.Leave();
        for (PARTIC_CIRCLE*& slot : g_effects) {
            slot = nullptr;
        }
        HandOver();
    }

  private:
    // The black overlay, then the end of the loading phase; the loading screen goes with it.
    void HandOver() {
        WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
        LoadLock.Enter();
        MakeBlackOverlay();
        frame.SetLoadingCounter(0);
        delete screen_;
        screen_ = nullptr;
        frame.SetLoadingScreen(nullptr);
        LoadLock.Leave();
    }

    GAME::LOADING_SCREEN* screen_ = nullptr;
};

}  // namespace

void GameLoad() {
    THREAD_LOADER().Run();
}
