// The toolkit's message dialog: a form of the window class "TMessageForm"
// with an icon for the kind of message, the text and a row of buttons, sized
// from the text in dialog units of its font; MessageDlg shows one modally.
#pragma once

#include "toolkit/Forms.h"

class TButton;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

inline constexpr TMsgDlgButtons mbYesNo{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo};
inline constexpr TMsgDlgButtons mbYesNoCancel{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel};
inline constexpr TMsgDlgButtons mbYesAllNoAllCancel{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbYesToAll, TMsgDlgBtn::mbNo,
                                                    TMsgDlgBtn::mbNoToAll, TMsgDlgBtn::mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{TMsgDlgBtn::mbAbort, TMsgDlgBtn::mbRetry, TMsgDlgBtn::mbIgnore};
inline constexpr TMsgDlgButtons mbAbortIgnore{TMsgDlgBtn::mbAbort, TMsgDlgBtn::mbIgnore};

// The form CreateMessageDialog makes. Each activation puts the focus on its
// active button (the default one, else the first); the Help button asks the
// application for help on HelpContext.
class TMessageForm : public TForm {
  T_CLASS(TMessageForm, TForm)

 public:
  explicit TMessageForm(TComponent* owner);

  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }
  TButton* ActiveButton() const { return activeButton_; }
  void SetActiveButton(TButton* button) { activeButton_ = button; }

  void HelpButtonClick(TObject* sender);
  void WndProc(TMessage& message) override;

 private:
  int helpContext_ = 0;
  TButton* activeButton_ = nullptr;
};

// A message form (owned by the application, not shown) with the text, the
// icon and caption of `type` and the buttons asked for, in the buttons'
// order above; an empty set gives OK. The default button is OK, else Yes,
// else Retry; Escape answers Cancel, else No, else OK.
TForm* CreateMessageDialog(const AnsiString& message, TMsgDlgType type, TMsgDlgButtons buttons);

// Shows a message form modally, centred on the screen (MessageDlg) or with
// its top-left at x, y (a negative coordinate keeps the centred one), and
// answers the modal result of the button that closed it (mrCancel when the
// form was closed otherwise).
TModalResult MessageDlg(const AnsiString& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
TModalResult MessageDlgPos(const AnsiString& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                           int x, int y);
