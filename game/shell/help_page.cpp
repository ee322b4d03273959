// FAQ_SCREEN: the pages' pictures and texts, the delay before showing and the answer.
#include "game/shell/help_page.h"

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {

constexpr float kPocketPageTimer = 5.0f;
constexpr int kPocketTextRaise = 20;

const char* WindowImage(int page) {
    return page == FAQ_SCREEN::kMouseWithRotation ? g_resources.gui.window
                                                  : g_resources.gui.window_mini;
}

const char* FirstPicture(int page) {
    return page == FAQ_SCREEN::kPocket ? g_resources.faq_screen.pocket
                                       : g_resources.faq_screen.mouse;
}

}  // namespace

FAQ_SCREEN::FAQ_SCREEN(int page)
    : WSPRITE(WindowImage(page)),
      page_(page),
      timer_(page == kPocket ? kPocketPageTimer : 0.0f),
      visible_(page == kPocket),
      first_picture_(std::make_unique<WSPRITE>(FirstPicture(page))),
      second_picture_(page == kMouseWithRotation
                          ? std::make_unique<WSPRITE>(g_resources.faq_screen.mouse_2)
                          : nullptr),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)) {
    Layout();
}

FAQ_SCREEN::~FAQ_SCREEN() = default;

void FAQ_SCREEN::Layout() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    const int w = static_cast<int>(QuadWidth());
    const int h = static_cast<int>(QuadHeight());
    SetPosition(centre.x, centre.y);
    if (second_picture_) {
        first_picture_->SetPosition(centre.x - w / 4, centre.y - h / 6);
        second_picture_->SetPosition(centre.x - w / 4, centre.y + h / 6);
    } else {
        first_picture_->SetPosition(centre.x - w / 4, centre.y);
    }
    ok_->SetPosition(centre.x,
                     static_cast<int>(centre.y + h * g_config.button_sokand_cancel_identy));
}

int FAQ_SCREEN::Update(int, float) {
    timer_ += WUN::ST_GAME::GetInstance()->GetFrameTime();
    if (ok_->Update(0, 0.0f) == 1 || KeyPressed(VK_RETURN)) {
        PlayShellSound(kSoundButtonPress);
        return 1;
    }
    return 0;
}

int FAQ_SCREEN::Draw(int) {
    if (timer_ < kShowAfter) {
        return 0;
    }
    visible_ = true;
    WSPRITE::Draw(0);
    first_picture_->Draw(0);
    if (second_picture_) {
        second_picture_->Draw(0);
    }
    ok_->Draw(0);
    const int cx = static_cast<int>(pos.x);
    const int cy = static_cast<int>(pos.y);
    const float h = QuadHeight();
    const float header_raise = page_ == kMouseWithRotation ? 0.4f : 0.25f;
    PrintText(BigFont(), kAlignCentre, cx, static_cast<int>(cy - header_raise * h),
              g_texts.tutorial_txt_header);
    const int text_x = cx - static_cast<int>(QuadWidth()) / 8;
    const int first_y = static_cast<int>(first_picture_->pos.y);
    switch (page_) {
        case kMouseWithRotation:
            PrintText(MainFont(), kAlignMiddleLeft, text_x, first_y,
                      g_texts.tutorial_txt_step01_windows);
            PrintText(MainFont(), kAlignMiddleLeft, text_x,
                      static_cast<int>(second_picture_->pos.y),
                      g_texts.tutorial_txt_step02_windows);
            break;
        case kMouseWithoutRotation:
            PrintText(MainFont(), kAlignMiddleLeft, text_x, cy,
                      g_texts.tutorial_txt_step01_windows);
            break;
        default:
            PrintText(MainFont(), kAlignMiddleLeft, text_x, cy - kPocketTextRaise,
                      g_texts.tutorial_txt_step03);
            break;
    }
    return 0;
}

}  // namespace GAME
