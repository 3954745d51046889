#include "app/Unit_Public_Data.h"
#include "toolkit/Application.h"

void MsgInfo(const AnsiString& caption, const AnsiString& text) {
  Application->MessageBox(text, caption, MB_OK | MB_ICONINFORMATION);
}

bool MsgAsk(const AnsiString& caption, const AnsiString& text) {
  return Application->MessageBox(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
