// WUN::WDIALOGEDIT: the modal dialog in which a player types a name.
#pragma once

#include <string>

#include "engine/ui/sprite.h"

class WBUTTONMAP4;
class WFONT;
class WTEXTBOX;

namespace WUN {

// A window image with a header, a prompt, a text box and OK and Cancel buttons. Its images
// are read from the currently selected pack.
class WDIALOGEDIT : public WSPRITE {
  public:
    WDIALOGEDIT(const char* text_box_image, WFONT* font);
    ~WDIALOGEDIT() override;

    // 1: a non-empty name was accepted (result_name); -1: cancelled, or accepted while empty
    // (the box keeps what it holds); 0: still editing.
    int Update(int flag, float step) override;
    // Moves itself to the screen centre and draws the window, texts, buttons and text box.
    int Draw(int flag) override;

    // Centre of the window; the buttons and the text box follow.
    void SetPosition(int x, int y);
    void Layout();
    WTEXTBOX* GetTextBox() const { return text_box_; }
    WBUTTONMAP4* GetOkButton() const { return ok_; }
    WBUTTONMAP4* GetCancelButton() const { return cancel_; }

    // The accepted name, UTF-8, without trailing spaces.
    std::string result_name;

  private:
    WBUTTONMAP4* ok_;
    WBUTTONMAP4* cancel_;
    WTEXTBOX* text_box_;
};

}  // namespace WUN
