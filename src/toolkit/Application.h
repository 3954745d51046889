// The application object: the program's title and hidden application window,
// its forms and the main form, the message loop, message boxes owned by the
// active window, the default error handling, and the end of the program.
#pragma once

#include <exception>
#include <memory>

#include "platform/user/user.h"
#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

class TCustomForm;

class TApplication : public TComponent {
  T_CLASS(TApplication, TComponent)

 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  void Initialize();

  // The program's title (its task-bar caption).
  const AnsiString& Title() const { return title_; }
  void SetTitle(const AnsiString& title);
  TIcon* Icon();

  // The hidden application window, made when first asked for; it owns the forms.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // Makes a form (or data module) of class T owned by the application and
  // sets `reference` before the form reads its resource, so that its OnCreate
  // can already use it. The first form made becomes the main form.
  template <class T>
  void CreateForm(T*& reference) {
    T* instance = new T(this);
    reference = instance;
    try {
      instance->AfterConstruction();
    } catch (...) {
      reference = nullptr;
      instance->Free();
      throw;
    }
    FormCreated(instance);
  }
  TCustomForm* MainForm() const { return mainForm_; }
  // Hints: whether they show at all, the pause before one appears and how
  // long it stays, in milliseconds.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value) { showHint_ = value; }
  int HintPause() const { return hintPause_; }
  void SetHintPause(int value) { hintPause_ = value < 0 ? 0 : value; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int value) { hintHidePause_ = value < 0 ? 0 : value; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool value) { showMainForm_ = value; }

  // Shows the main form and runs the message loop until Terminate or until
  // the main form closes.
  void Run();
  // Handles one message; when none is waiting, runs the idle step first and
  // then waits for one. Errors go to HandleException.
  void HandleMessage();
  // The idle step: OnIdle, then the linked actions' updates (OnUpdate).
  // Answers OnIdle's `done`: false asks for another idle step at once.
  bool Idle();
  // Handles every message that is waiting now, then returns.
  void ProcessMessages();
  // Asks the program to end; the message loop stops at its next turn.
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Minimizes the whole program (its main form); Restore brings it back.
  void Minimize();
  void Restore();

  // Shows a modal message box owned by the active window and answers the
  // button that closed it. An empty caption shows the title.
  int MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags);

  // The default error handler: a box with the error's message; the program
  // goes on.
  void ShowException(const std::exception& error);
  // Reports the exception being handled now (called inside a catch).
  void HandleException(TObject* sender);
  // Calls `action`, reporting anything it raises through ShowException.
  template <class F>
  void HandleExceptions(F&& action) {
    try {
      action();
    } catch (...) {
      HandleException(this);
    }
  }

  std::function<void(TObject* sender, const std::exception& error)> OnException;
  // Called when the message loop runs out of messages; `done` (true when
  // called) set to false skips the actions' updates and the wait, so the
  // loop comes straight back to idle.
  std::function<void(TObject* sender, bool& done)> OnIdle;

  // Asks OnHelp for help on a help context (the program has no help viewer
  // of its own); true when it gave some.
  bool HelpContext(int context) { return OnHelp ? OnHelp(context) : false; }
  std::function<bool(int context)> OnHelp;

 private:
  void FormCreated(TComponent* instance);
  bool ProcessMessage(MSG& msg);
  void Notification(TComponent* component, TOperation operation) override;

  AnsiString title_;
  bool terminated_ = false;
  bool showMainForm_ = true;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  TCustomForm* mainForm_ = nullptr;
  HWND handle_ = nullptr;
  std::unique_ptr<TIcon> icon_;
};

// The one application object, alive for the whole process.
extern TApplication* const Application;
