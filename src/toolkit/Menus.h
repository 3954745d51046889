// Menus of the toolkit: menu items in a tree behind real HMENUs, the main
// menu a form shows as its menu bar, popup menus, shortcuts and their text.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/Component.h"
#include "platform/user/user.h"
#include "toolkit/Graphics.h"

class TMenu;
class TMenuItem;
class TControl;
class TCustomForm;
class TImageList;
class TAction;
class TActionLink;

// A key with its modifiers, as form resources store it: the virtual key in
// the low byte, scShift / scCtrl / scAlt above.
using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(WORD key, bool shift, bool ctrl, bool alt);
// "Ctrl+N", "Alt+F4", "Shift+Del" …; empty for none.
AnsiString ShortCutToText(TShortCut shortCut);
// True when `key` is the accelerator of `caption`: "&" followed by the key,
// case-insensitive.
bool IsAccel(WORD key, const AnsiString& caption);
// The caption without its "&" markers ("&&" stays one "&").
AnsiString StripHotkey(const AnsiString& caption);

enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };
enum class TPopupAlignment { paLeft, paRight, paCenter };
enum class TFindItemKind { fkCommand, fkHandle, fkShortCut };

using TMenuDrawItemEvent = std::function<void(TObject* sender, TCanvas* canvas, TRect rect, bool selected)>;
using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas* canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
  T_CLASS(TMenuItem, TComponent)

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(const AnsiString& caption);
  bool IsLine() const { return caption_ == "-"; }
  TShortCut GetShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  const AnsiString& Hint() const { return hint_; }
  void SetHint(const AnsiString& hint) { hint_ = hint; }

  // The action the item shows: it takes the action's caption, state,
  // shortcut, hint and image, follows their later changes that it still
  // shows, and a click executes the action. Null unlinks.
  TAction* Action() const;
  void SetAction(TAction* action);
  // Brings the actions of the item's sub-items up to date (before they show).
  void InitiateActions();

  // The tree.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  void Delete(int index);
  int IndexOf(const TMenuItem* item) const;
  int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
  // The direct sub-item of that caption (hot keys ignored), or null.
  TMenuItem* Find(const AnsiString& caption) const;
  TMenuItem* Parent() const { return parent_; }
  TMenu* GetParentMenu() const;

  // The command id of the item's entry (WM_COMMAND), unique in the program.
  UINT Command() const { return command_; }
  // The sub-menu of an item with sub-items (a popup menu handle), else null;
  // the root item of a menu answers the menu's own handle.
  HMENU Handle();
  // The handle as last built, without building it again (a menu that is
  // open keeps its entries while they are drawn); null when none was built.
  HMENU BuiltHandle() const;

  // The action's OnExecute when the item has an action that handles it,
  // else OnClick (AutoCheck is not kept: Click only fires the event).
  virtual void Click();

  void SetParentComponent(TComponent* parent) override;

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  // For TMenu: the root item and its menu.
  void SetMenuOwner(TMenu* menu) { menu_ = menu; }

  // Draws or measures the item for WM_DRAWITEM / WM_MEASUREITEM: its own
  // event, else the toolkit's look.
  void DrawItem(TCanvas* canvas, TRect rect, bool selected);
  void MeasureItem(TCanvas* canvas, int& width, int& height);
  // The toolkit's own look and size, whatever the events say.
  void DefaultDrawItem(TCanvas* canvas, TRect rect, bool selected);
  void DefaultMeasureItem(TCanvas* canvas, int& width, int& height);

  // Fills `menu` with the entries of the sub-items (recursively).
  void BuildEntries(HMENU menu);

 private:
  void Changed();
  void ReleaseHandle();
  // Takes the action's values; while the item is being read, only those it
  // still has at their defaults (the resource's own values win).
  void ActionChange(TAction* action, bool checkDefaults);

  AnsiString caption_;
  AnsiString hint_;
  TShortCut shortCut_ = scNone;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  TMenuBreak break_ = TMenuBreak::mbNone;
  int imageIndex_ = -1;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item
  UINT command_ = 0;
  HMENU handle_ = nullptr;
  std::unique_ptr<TActionLink> actionLink_;
};

class TMenu : public TComponent {
  T_CLASS(TMenu, TComponent)

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_; }
  // The menu's handle, built (again) when needed from the items.
  HMENU Handle();
  // The handle as last built, or null; never builds it.
  HMENU BuiltHandle() const { return handle_ != nullptr && IsMenu(handle_) ? handle_ : nullptr; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool RightToLeft() const { return rightToLeft_; }
  void SetRightToLeft(bool value);

  // The item of a command, a sub-menu handle or a shortcut, or null.
  TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind);
  // Clicks the item of the command; answers whether one was found.
  bool DispatchCommand(UINT command);
  // An enabled item's shortcut fires its OnClick; answers whether one did.
  bool IsShortCut(WORD key, bool shift, bool ctrl, bool alt);

  // The items changed: the handle is built again.
  void MenuChanged();

  void Loaded() override;

 protected:
  virtual HMENU CreateMenuHandle() = 0;
  virtual void HandleRebuilt() {}
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TMenuItem* items_;
  HMENU handle_ = nullptr;
  bool ownerDraw_ = false;
  bool rightToLeft_ = false;
  TImageList* images_ = nullptr;
};

// The menu bar of the form whose Menu it is.
class TMainMenu : public TMenu {
  T_CLASS(TMainMenu, TMenu)

 public:
  explicit TMainMenu(TComponent* owner);

  // The form showing it, set by the form.
  void SetForm(TCustomForm* form) { form_ = form; }

 protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  void HandleRebuilt() override;

 private:
  TCustomForm* form_ = nullptr;
};

class TPopupMenu : public TMenu {
  T_CLASS(TPopupMenu, TMenu)

 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // Shows the menu at a screen point and runs the chosen item's OnClick.
  virtual void Popup(int x, int y);
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment value) { alignment_ = value; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

  TNotifyEvent OnPopup;

 protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }

 private:
  TPopupAlignment alignment_ = TPopupAlignment::paLeft;
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
};

// The form's menu messages: WM_COMMAND of its main menu and owner-drawn
// entries (WM_MEASUREITEM / WM_DRAWITEM). Answers whether the message was
// the menu's.
bool DispatchFormMenuMessage(TCustomForm* form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// WM_CONTEXTMENU: the control's popup menu when it pops up by itself; the
// control becomes its PopupComponent. Answers whether it showed.
bool ShowContextMenu(TControl* control, LPARAM point);
// Accelerators: a key message whose shortcut an item of the focused form's
// menus has fires that item before the key goes anywhere; then the
// shortcuts of the form's actions.
bool IsMenuShortCut(const MSG& msg);
// The form's main menu on its window (after the window is made or the Menu
// property changes).
void AttachFormMenu(TCustomForm* form);

const TEnumInfo& MenuBreakType();
const TEnumInfo& PopupAlignmentType();
