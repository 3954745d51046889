// The application object: the program's title, its message boxes and its
// default error handling, and the end of the program.
#pragma once

#include <exception>

#include "platform/user/msgbox.h"
#include "toolkit/Component.h"

class TApplication : public TComponent {
  T_CLASS(TApplication, TComponent)

 public:
  explicit TApplication(TComponent* owner);

  // The program's title (its task-bar caption).
  const AnsiString& Title() const { return title_; }
  void SetTitle(const AnsiString& title) { title_ = title; }

  // Shows a modal message box and answers the button that closed it.
  // FIXME: the box is to be owned by the active window once the window manager
  // and the forms exist; until then it has no owner.
  int MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags);

  // The default error handler: a box with the error's message; the program
  // goes on.
  void ShowException(const std::exception& error);
  // Calls `action`, reporting anything it raises through ShowException.
  template <class F>
  void HandleExceptions(F&& action) {
    try {
      action();
    } catch (const std::exception& error) {
      ShowException(error);
    }
  }

  // Asks the program to end; the message loop stops at its next turn.
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }

 private:
  AnsiString title_;
  bool terminated_ = false;
};

// The one application object, alive for the whole process.
extern TApplication* const Application;
