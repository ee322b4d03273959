// GAME_LOADER: the one sequence that makes what the game needs before the menu can show: fonts,
// the cursor, the shared sprites and the sounds. The loading thread runs it with the loading
// screen and the loading lock; tools and tests run it at once on their own thread.
#pragma once

#include <string>

class GAME_LOADER {
  public:
    virtual ~GAME_LOADER() = default;

    // Every step in order; pack selections are cleared again at the end.
    void Run();

  protected:
    // Around every creation and every progress value. The loading thread takes LoadLock here.
    virtual void Enter() {}
    virtual void Leave() {}
    // Once the loading font exists; called between Enter and Leave.
    virtual void ShowLoadingScreen() {}
    // Percent of the loading done; called between Enter and Leave.
    virtual void SetProgress(int /*percent*/) {}
    // Returns once the loading screen's logos have been shown (no lock held).
    virtual void WaitForIntro() {}
    // After the last sound and font: the game object, the hand-over (no lock held).
    virtual void Finish() {}

  private:
    void LoadLoadingFont();
    void LoadSharedSprites();
    void LoadSounds();
    void LoadFonts();
};

// The black overlay every modal window draws over the screen, in the configured colour; made when
// the loading phase hands over to the game.
void MakeBlackOverlay();
// The synchronous form for tools and tests, on the calling thread: packs on with the pack
// password, the tables of the working folder, then the whole sequence above and the overlay.
void LoadGameNow();
// Makes folder (a built game folder) the working folder and loads the game from it as
// LoadGameNow does. A folder without the tables is left alone: the built-in registry stands
// in, nothing is loaded, and the answer is false.
bool LoadGameFrom(const std::string& folder);
