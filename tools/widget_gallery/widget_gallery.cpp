// widget_gallery OUT.png [GAME_DIR]: draws every widget of engine/ui from generated images on
// the offscreen driver and writes the frame (and the name dialog, the splash logos, the loading
// screen and, with the game's data, a catalogue page beside it).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/frame/editions.h"
#include "engine/frame/game.h"
#include "engine/frame/load_tables.h"
#include "engine/platform/png_writer.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_password.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/ui/buttons.h"
#include "engine/ui/edit_dialog.h"
#include "engine/ui/list_box.h"
#include "engine/ui/loading_screen.h"
#include "engine/ui/mouse_cursor.h"
#include "engine/ui/particles.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sliders.h"
#include "engine/ui/text_box.h"
#include "engine/ui/tile_map_9.h"
#include "engine/ui/trophy_item.h"
#include "game/app/game_loader.h"
#include "game/shell/catalogue_reader.h"
#include "tools/devkit/input_driver.h"
#include "tools/widget_gallery/gallery_images.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kFrameSeconds = 1.0f / 60.0f;

WUN::ST_GAME* Game() {
    return WUN::ST_GAME::GetInstance();
}

// The game's data from GAME_DIR as start-up loads it (the texts then read as the game shows
// them; true), else the built-in registry (false). The fonts fall back to generated glyph boxes.
bool LoadGameFromFolder(const std::string& game_dir, const std::string& image_folder) {
    const std::filesystem::path here = std::filesystem::current_path();
    const bool loaded = LoadGameFrom(game_dir);
    std::filesystem::current_path(here);
    if (g_fonts[1] == nullptr || g_fonts[1]->GlyphCount() == 0) {
        const std::string fallback = gallery::PaintFallbackFont(image_folder);
        for (int i = 0; i < kFontCount; ++i) {
            delete g_fonts[i];
            g_fonts[i] = new WFONT(*Game()->GetRender(), fallback.c_str());
            g_fonts[i]->spacing = 0;
            g_fonts[i]->SetColour(i < 2 ? static_cast<uint32_t>(g_config.font_main_color)
                                        : 0xFFFFFFFF);
        }
        std::printf("widget_gallery: no game fonts found, drawing glyph boxes\n");
    }
    return loaded;
}

void Label(int x, int y, const char* text) {
    WFONT* font = g_fonts[1];
    font->align = 0;
    font->DrawText(x, y, text);
}

// What the frame's callbacks do at the moment: the gallery changes them between its steps.
std::function<void()> g_update = [] {};
std::function<void()> g_scene = [] {};
std::function<void()> g_overlay = [] {};

void InstallCallbacks() {
    Game()->SetUpdateCallback([] {
        g_update();
        return 0;
    });
    Game()->SetSceneCallback([] { g_scene(); });
    Game()->SetOverlayCallback([] { g_overlay(); });
}

INPUT_DRIVER& Driver() {
    static INPUT_DRIVER driver(*Game(), kFrameSeconds);
    return driver;
}

// Runs `frames` steps of the frame with update as the game's update.
void RunFrames(int frames, std::function<void()> update) {
    g_update = std::move(update);
    Driver().Steps(frames);
    g_update = [] {};
}

// Steps of frame length with the mouse at (x, y) and the item as the game.
void Rest(WST::ST& item, int frames, int x, int y) {
    Driver().MoveTo(x, y);
    RunFrames(frames, [&item] { item.Update(0, 0.0f); });
}

// One drawn frame: the scene drawn by draw_scene, then the cursor on the back buffer, written
// as PNG.
bool Capture(const std::string& path, WMOUSEB& cursor, std::function<void()> draw_scene) {
    bool written = false;
    g_scene = std::move(draw_scene);
    g_overlay = [&] {
        cursor.Draw(0);
        std::vector<uint32_t> pixels;
        int width = 0;
        int height = 0;
        written = Game()->render.ReadBackBuffer(pixels, width, height) &&
                  platform::WritePng(path, pixels.data(), width, height);
    };
    Driver().Steps(1, true);
    g_scene = g_overlay = [] {};
    return written;
}

// The widgets of the main sheet, placed in four bands.
struct SHEET {
    SHEET() {
        picture = std::make_unique<WSPRITE>("picture.png");
        for (int state = 0; state < 4; ++state) {
            frames[state] = std::make_unique<WBUTTONMAP4>("button.png");
            frames[state]->SetPosition(580 + state * 112, 90);
            frames[state]->ShowFrame(state);
        }
        plain = std::make_unique<WBUTTON>("plain_button.png");
        plain->SetPosition(775, 300);
        action = std::make_unique<BUTTONACT>("button.png", [] {});
        action->SetPosition(170, 290);
        action->hint_text = "Start a new puzzle";
        action->hint_font = g_fonts[1];
        action->hint_fill = static_cast<uint32_t>(g_config.button_hint_color_back);
        action->hint_border = static_cast<uint32_t>(g_config.button_hint_color_border);
        Rest(*action, 2, 170, 290);

        for (int i = 0; i < 2; ++i) {
            checks[i] = std::make_unique<WBUTTONCHK>("check_box.png");
            checks[i]->SetPosition(320 + i * 40, 290);
        }
        checks[1]->SetChecked(true);

        slider = std::make_unique<WUN::WSLIDER>("slider.png");
        slider->SetLength(240.0f);
        slider->SetTrackPosition(440.0f, 250.0f);
        slider->SetValue(30);
        stepper =
            std::make_unique<WUN::WSLIDER_E>("slider.png", "small_button.png", "small_button.png");
        stepper->SetRange(3, 15);
        stepper->SetLength(240.0f);
        stepper->SetTrackPosition(440.0f, 320.0f);
        stepper->SetValue(9);
        scroll = std::make_unique<WVSLIDER_E>("slider.png", "small_button.png", "small_button.png");
        scroll->SetRange(0, 5);
        scroll->SetLength(110.0f);
        scroll->SetTrackPosition(860.0f, 235.0f);
        scroll->SetValue(2);

        list = std::make_unique<WLISTBOX>();
        // Three rows of 40 and the 15 pixels by which the rows start below the box's top.
        list->SetPosition(20.0f, 400.0f);
        list->SetSize(400.0f, 135.0f);
        for (const char* name : {"Ada", "Brook", "Cyril", "Dana", "Elif", "Farah", "Gus"}) {
            list->AddItem(g_fonts[1], name);
        }
        list->Update(0, 0.0f);
        text = std::make_unique<WTEXTBOX>("edit_box.png", g_fonts[1]);
        text->SetWidth(250);
        text->SetPosition(512.0f, 430.0f);
        text->SetText("Player");

        const char* pieces[9] = {"frame11.png", "frame12.png", "frame13.png",
                                 "frame21.png", "frame22.png", "frame23.png",
                                 "frame31.png", "frame32.png", "frame33.png"};
        window = std::make_unique<GAME::WTILE_MAP_9>(pieces);
        window->SetSize(220, 150);
        window->SetPosition(880, 480);

        trophy = std::make_unique<TROFEI>("trophy.png", TROFEI::kOnLowerEdge);
        trophy->SetPosition(880, 640);
        trophy->hint_text = "Sage";
        trophy->hint_font = g_fonts[1];
        Driver().MoveTo(880, 640);
        RunFrames(30, [this] { trophy->UpdateHover(); });

        for (int type = 0; type < 4; ++type) {
            presets[type] = std::make_unique<WUN::PARTIC>("dot.png", 0, 400);
            presets[type]->SetType(type);
            presets[type]->SetSpawnPosition(90 + type * 150, 690);
            presets[type]->particle.x = 90.0f + type * 150.0f;
            presets[type]->particle.y = 690.0f;
            presets[type]->Start();
        }
        WTEXTURE* dark = Game()->render.CreateTexture(1, 1);
        FillTexture(0xFF1B2333, dark);
        night = std::make_unique<WSPRITE>(dark);
        night->SetSize(780, 150);
        night->SetAnchor(WSPRITE::kAnchorTopLeft);
        night->SetPosition(10, 610);
        disc = std::make_unique<PARTIC_CIRCLE>("dot.png", 0, 400);
        disc->SetType(1);
        disc->SetCircle(700, 660, 40);
        disc->Start();
        int frame = 0;
        RunFrames(120, [this, &frame] {
            if (frame++ == 90) {
                presets[2]->Emit(40);  // preset 2 has no rate of its own: a burst
            }
            for (auto& emitter : presets) {
                emitter->Update(0, 0.0f);
            }
            disc->Update(0, 0.0f);
        });
    }

    void Draw() {
        Label(512, 14, "widget gallery");
        Label(260, 170, "WSPRITE: plain, turned, tinted, anchored");
        picture->SetPosition(80, 100);
        picture->Draw(0);
        picture->SetScale(1.5f, 1.5f);
        picture->rotation = 0.3f;
        picture->DrawAt(230, 100);
        picture->SetScale(1.0f, 1.0f);
        picture->rotation = 0.0f;
        picture->SetColour(0x80FF8040);
        picture->DrawAt(360, 100);
        picture->SetColour(0xFFFFFFFF);
        picture->SetAnchor(WSPRITE::kAnchorTopLeft);
        picture->DrawAt(410, 75);
        picture->SetAnchor(WSPRITE::kAnchorCentre);

        Label(748, 40, "WBUTTONMAP4 frames");
        const char* states[4] = {"normal", "hover", "pressed", "disabled"};
        for (int state = 0; state < 4; ++state) {
            frames[state]->Draw(0);
            Label(580 + state * 112, 130, states[state]);
        }

        Label(120, 200, "BUTTONACT, hint");
        action->Draw(0);
        action->DrawHint();
        Label(340, 230, "WBUTTONCHK");
        Label(775, 245, "WBUTTON");
        plain->Draw(0);
        for (auto& check : checks) {
            check->Draw(0);
        }
        Label(560, 200, "WSLIDER 30 of 100");
        slider->Draw(0);
        Label(560, 285, "WSLIDER_E 9 of 3..15");
        stepper->Draw(0);
        Label(860, 200, "WVSLIDER_E");
        scroll->Draw(0);

        Label(220, 370, "WLISTBOX");
        list->Draw(0);
        // The list leaves its first entry's font white, as the profile screen's captions want.
        g_fonts[1]->SetColour(static_cast<uint32_t>(g_config.font_main_color));
        Label(637, 400, "WTEXTBOX");
        text->Draw(0);

        Label(880, 385, "WTILE_MAP_9");
        window->Draw(0);
        trophy->Draw(0);

        Label(450, 590, "PARTIC presets 0 1 2 3, PARTIC_CIRCLE");
        night->Draw(0);
        for (auto& emitter : presets) {
            emitter->Draw(0);
        }
        disc->Draw(0);
        trophy->DrawHint();
    }

    std::unique_ptr<WSPRITE> picture;
    std::unique_ptr<WBUTTONMAP4> frames[4];
    std::unique_ptr<WBUTTON> plain;
    std::unique_ptr<BUTTONACT> action;
    std::unique_ptr<WBUTTONCHK> checks[2];
    std::unique_ptr<WUN::WSLIDER> slider;
    std::unique_ptr<WUN::WSLIDER_E> stepper;
    std::unique_ptr<WVSLIDER_E> scroll;
    std::unique_ptr<WLISTBOX> list;
    std::unique_ptr<WTEXTBOX> text;
    std::unique_ptr<GAME::WTILE_MAP_9> window;
    std::unique_ptr<TROFEI> trophy;
    std::unique_ptr<WSPRITE> night;  // additive particles show on a dark ground
    std::unique_ptr<WUN::PARTIC> presets[4];
    std::unique_ptr<PARTIC_CIRCLE> disc;
};

// The registry names the composite widgets load, pointed at the generated images; the loading
// screen's too (its packs then name image_folder) unless image_folder is null, when it shows
// the game's own art.
void UseGalleryImages(const char* image_folder) {
    g_resources.window_change_player.list_back = "list_back.png";
    g_resources.window_change_player.item = "list_item.png";
    g_resources.gui.slider = "slider.png";
    g_resources.gui.slider_minus = "small_button.png";
    g_resources.gui.slider_plus = "small_button.png";
    g_resources.gui.window_mini = "window_mini.png";
    g_resources.gui.ok_button = "ok.png";
    g_resources.gui.cancel_button = "cancel.png";
    if (image_folder != nullptr) {
        g_resources.packs.loading_pack = image_folder;
        g_resources.packs.menu_pack = image_folder;
        g_resources.loading_screen.background = "window_mini.png";
        g_resources.main_screen.linoleum = "frame22.png";
    }
}

// Made in GAME_DIR as at start-up: its editions name the logos, looked up in the working
// folder, and its packs hold the picture and the floor (or the generated images stand in).
std::unique_ptr<GAME::LOADING_SCREEN> MakeLoadingScreen(const std::string& game_dir,
                                                        bool game_art) {
    const std::filesystem::path here = std::filesystem::current_path();
    std::error_code missing;
    std::filesystem::current_path(game_dir, missing);
    UsePacks = true;
    g_file_system.PackPassword = kPackPassword;
    LoadEditions();
    UsePacks = game_art;
    auto screen = std::make_unique<GAME::LOADING_SCREEN>();
    UsePacks = false;
    std::filesystem::current_path(here);
    return screen;
}

// The first category of GAME_DIR's catalogue laid out as the menu book shows it; null when
// the catalogue has none.
std::unique_ptr<PUZZLE_CATEGORY> MakeCataloguePage(const std::string& game_dir) {
    const std::filesystem::path here = std::filesystem::current_path();
    std::error_code missing;
    std::filesystem::current_path(game_dir, missing);
    UsePacks = true;
    g_file_system.PackPassword = kPackPassword;
    auto categories = LoadFramesList(kCatalogueFile, kWidth, kHeight);
    UsePacks = false;
    std::filesystem::current_path(here);
    return categories.empty() ? nullptr : std::move(categories.front());
}

std::string Beside(const std::string& path, const char* suffix) {
    std::filesystem::path p(path);
    return (p.parent_path() / (p.stem().string() + suffix + p.extension().string())).string();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: widget_gallery OUT.png [GAME_DIR]\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    const char* env_game_dir = std::getenv("PD_GAME_DIR");
    const std::string game_dir = std::filesystem::absolute(argc > 2       ? argv[2]
                                                           : env_game_dir ? env_game_dir
                                                                          : ".")
                                     .string();

    WUN::ST_GAME* game = Game();
    game->window.Create("Widget gallery");
    if (game->render.Create(game->window.handle) != 0) {
        std::fprintf(stderr, "widget_gallery: no OpenGL device\n");
        return 1;
    }
    game->SetVideoMode(kWidth, kHeight, false);
    game->SetClearColor(0xFFDDE4EE);
    InstallCallbacks();

    const std::filesystem::path images =
        std::filesystem::temp_directory_path() / ("widget_gallery_" + std::to_string(getpid()));
    std::filesystem::create_directories(images);
    if (!gallery::PaintImages(images.string())) {
        std::fprintf(stderr, "widget_gallery: cannot write images into %s\n", images.c_str());
        return 1;
    }
    const bool game_tables = LoadGameFromFolder(game_dir, images.string());
    UsePacks = false;
    g_file_system.SetPack(nullptr);
    g_file_system.SetLooseFolder(images.c_str());
    UseGalleryImages(game_tables ? nullptr : images.c_str());

    bool written = false;
    {
        WMOUSEB cursor("cursor.png");
        cursor.SetAnchor(WSPRITE::kAnchorTopLeft);
        SHEET sheet;
        Rest(cursor, 1, 890, 650);  // resting on the trophy, whose hint shows
        written = Capture(argv[1], cursor, [&] { sheet.Draw(); });

        WUN::WDIALOGEDIT dialog("edit_box.png", g_fonts[1]);
        dialog.GetTextBox()->SetText("Ada");
        written = Capture(Beside(argv[1], "-dialog"), cursor, [&] { dialog.Draw(0); }) && written;

        // The splash logos in the order they show, then the picture at 42 %.
        std::unique_ptr<GAME::LOADING_SCREEN> loading = MakeLoadingScreen(game_dir, game_tables);
        for (const char* suffix : {"-logo1", "-logo2"}) {
            if (loading->IntroTime > 0.0f) {
                written =
                    Capture(Beside(argv[1], suffix), cursor, [&] { loading->Draw(0); }) && written;
                loading->IntroTime -= 2.0f;
            }
        }
        loading->LoadProgress = 42;
        written =
            Capture(Beside(argv[1], "-loading"), cursor, [&] { loading->Draw(0); }) && written;

        // The catalogue's thumbnails live in the game's packs only.
        if (std::unique_ptr<PUZZLE_CATEGORY> page =
                game_tables ? MakeCataloguePage(game_dir) : nullptr) {
            written =
                Capture(Beside(argv[1], "-catalogue"), cursor, [&] { page->Draw(); }) && written;
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(images, ignored);
    if (!written) {
        std::fprintf(stderr, "widget_gallery: could not draw or write %s\n", argv[1]);
        return 1;
    }
    std::printf("widget_gallery: wrote %s\n", argv[1]);
    return 0;
}
