// GAME::PAZZLE_PROFILE_MANAGER: the player window, in which players are chosen, added and deleted.
#pragma once

#include <memory>
#include <string>

#include "engine/ui/object_tree.h"

class WBUTTONMAP4;
class WFONT;
class WLISTBOX;
class WSPRITE;
namespace WUN {
class WDIALOGEDIT;
}

namespace GAME {

// A modal window centred on the screen: the list of player names, OK and Cancel, and buttons
// that add a name (through the name-entry dialog) or ask for the selected one to be deleted.
// It changes no files: its owner acts on the answers of Update. Its images are read from the
// currently selected pack.
class PAZZLE_PROFILE_MANAGER : public WST::ST {
  public:
    // Answers of Update.
    enum Answer {
        kNothing = 0,
        kOk = 1,      // choose the selected name
        kCancel = 2,  // close without a change
        kAdded = 3,   // a new name was added to the list and selected (AddedName)
        kDelete = 4,  // delete the selected name
    };

    // root: the per-user folder, against which typed names are checked.
    PAZZLE_PROFILE_MANAGER(WFONT* font, std::string root);
    ~PAZZLE_PROFILE_MANAGER() override;
    PAZZLE_PROFILE_MANAGER(const PAZZLE_PROFILE_MANAGER&) = delete;
    PAZZLE_PROFILE_MANAGER& operator=(const PAZZLE_PROFILE_MANAGER&) = delete;

    // The list and its buttons, or the name-entry dialog while a name is being typed. A typed
    // name that is in the list already or cannot be a player's folder keeps the dialog open.
    int Update(int flag, float step) override;
    // The overlay, the window, its header, list and buttons; the dialog while it is open.
    int Draw(int flag) override;
    // Centres the window on the screen again (after the screen size changed).
    void Layout();

    // Adds the name on top of the list and selects it, unless the list holds it already.
    void AddName(const std::string& name);
    bool HasName(const std::string& name) const;
    // Removes the selected name; its older neighbour is selected.
    void RemoveSelectedName();
    // Empty when the list is empty.
    std::string SelectedName() const;
    int NameCount() const;
    // The name the last kAdded answer put in the list.
    const std::string& AddedName() const { return added_name_; }
    // False while a new name is being typed.
    bool IsListActive() const { return list_active_; }

    WLISTBOX* GetList() const { return list_.get(); }
    WUN::WDIALOGEDIT* GetDialog() const { return dialog_.get(); }
    WBUTTONMAP4* GetOkButton() const { return ok_.get(); }
    WBUTTONMAP4* GetCancelButton() const { return cancel_.get(); }
    WBUTTONMAP4* GetAddButton() const { return add_.get(); }
    WBUTTONMAP4* GetDeleteButton() const { return delete_.get(); }

  private:
    int UpdateList();
    int UpdateDialog();
    void DrawCaption(const WBUTTONMAP4& button, const char* caption);

    std::string root_;
    WFONT* font_;  // not owned
    bool list_active_ = true;
    std::string added_name_;
    std::unique_ptr<WSPRITE> window_;
    std::unique_ptr<WBUTTONMAP4> ok_;
    std::unique_ptr<WBUTTONMAP4> cancel_;
    std::unique_ptr<WBUTTONMAP4> add_;
    std::unique_ptr<WBUTTONMAP4> delete_;
    std::unique_ptr<WLISTBOX> list_;
    std::unique_ptr<WSPRITE> back_;
    std::unique_ptr<WUN::WDIALOGEDIT> dialog_;
};

}  // namespace GAME
