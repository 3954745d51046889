// Actions: one command with its caption, state, shortcut and handlers, shared
// by every client linked to it (menu items). A client follows the action's
// later changes through its action link; freeing either side unlinks them.
// Action lists hold the actions of a form and update them when the
// application is idle.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Menus.h"

class TAction;
class TActionList;
class TImageList;

// The action-list events: `handled` set to true stops the action's own
// handler from running.
using TActionEvent = std::function<void(TAction* action, bool& handled)>;

// What ties a client to an action. The action tells every link of a change
// before it stores the new value, so a link can see whether the client
// still showed the old one (the client follows only what it has not
// changed itself). The client owns its link.
class TActionLink {
 public:
  TActionLink() = default;
  TActionLink(const TActionLink&) = delete;
  TActionLink& operator=(const TActionLink&) = delete;
  virtual ~TActionLink();

  TAction* Action() const { return action_; }
  void SetAction(TAction* action);
  // Runs the action for the client; answers whether anything handled it.
  bool Execute();
  // Updates the action (OnUpdate); answers whether anything handled it.
  bool Update();

  virtual void SetCaption(const AnsiString&) {}
  virtual void SetEnabled(bool) {}
  virtual void SetChecked(bool) {}
  virtual void SetVisible(bool) {}
  virtual void SetHint(const AnsiString&) {}
  virtual void SetImageIndex(int) {}
  virtual void SetShortCut(TShortCut) {}

 protected:
  // The action is being freed: the client lets go of its link (which may
  // delete this link).
  virtual void ActionFreed() = 0;

 private:
  friend class TAction;
  TAction* action_ = nullptr;
};

class TAction : public TComponent {
  T_CLASS(TAction, TComponent)

 public:
  explicit TAction(TComponent* owner);
  ~TAction() override;

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(const AnsiString& value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  const AnsiString& Hint() const { return hint_; }
  void SetHint(const AnsiString& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TShortCut GetShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  const AnsiString& Category() const { return category_; }
  void SetCategory(const AnsiString& value) { category_ = value; }

  TActionList* ActionList() const { return actionList_; }
  void SetActionList(TActionList* list);
  int Index() const;

  // Brings the action up to date (the list's OnUpdate, else OnUpdate), then,
  // while enabled, runs the list's OnExecute, else OnExecute. Answers
  // whether a handler ran.
  virtual bool Execute();
  // The list's OnUpdate, else OnUpdate; answers whether a handler ran.
  virtual bool Update();

  // Whether any client is linked to the action.
  bool HasClients() const { return !clients_.empty(); }

  void SetParentComponent(TComponent* parent) override;

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 private:
  friend class TActionLink;
  friend class TActionList;
  template <class F>
  void TellClients(F&& tell);

  AnsiString caption_;
  AnsiString hint_;
  AnsiString category_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
  int imageIndex_ = -1;
  TShortCut shortCut_ = scNone;
  TActionList* actionList_ = nullptr;
  std::vector<TActionLink*> clients_;
};

class TActionList : public TComponent {
  T_CLASS(TActionList, TComponent)

 public:
  explicit TActionList(TComponent* owner);
  // Frees its actions.
  ~TActionList() override;

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TAction* Actions(int index) const { return actions_.at(static_cast<std::size_t>(index)); }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

  // Updates every action that has a client (the idle step of the message loop).
  void UpdateActions();
  // The first action of that shortcut executes (after its update, while
  // enabled); answers whether it ran.
  bool IsShortCut(TShortCut shortCut);

  TActionEvent OnExecute;
  TActionEvent OnUpdate;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TAction;
  void AddAction(TAction* action);
  void RemoveAction(TAction* action);

  std::vector<TAction*> actions_;
  TImageList* images_ = nullptr;
};

// The actions' share of the application's idle time: every live action list
// updates its linked actions.
void UpdateActionsOnIdle();
// A shortcut of an action of one of the action lists that `owner` owns (a
// form's) executes that action; answers whether it ran.
bool IsActionShortCut(TComponent* owner, TShortCut shortCut);
