// Service pages in the pane and the support chat in the user's browser; both
// take their addresses from the service's dictionary.
#include "app/Frm_Data.h"
#include "app/Unit_Public_Data.h"
#include "brellis/deployment.h"
#include "identity/IdentityProbe.h"
#include "identity/UserRecord.h"
#include "services/url_opener.h"
#include "ui/Frm_Main.h"

void TFm_Main::OpenServicePage(int n) {
  if (!GetDictEx(Fm_Data->ADOProc_Temp, "1021", IntToStr(n))) return;
  AnsiString address = Fm_Data->ADOProc_Temp->Fields(1).AsString();
  address += GetMD5Str(CurUser.AdptID);
  WebMain->Navigate(platform::AnsiToWideString(address));
  UrlPanel->Show();
}

void TFm_Main::Image11Click(TObject*) {
  AnsiString number;
  if (GetDict(Fm_Data->ADOS, "1011") && Fm_Data->ADOS->RecordCount() > 0) {
    number = Fm_Data->ADOS->Fields(1).AsString();
  }
  if (number.empty()) return;
  const AnsiString address =
      AnsiString("http://") + deployment::kChatHost + "/msgrd?v=3&uin=" + number + "&site=qq&menu=yes";
  services::OpenUrlExternally(address);
}

// The tiles, each with its service number.
void TFm_Main::Image2Click(TObject*) { OpenServicePage(10); }
void TFm_Main::Image6Click(TObject*) { OpenServicePage(11); }
void TFm_Main::Image7Click(TObject*) { OpenServicePage(12); }
void TFm_Main::Image8Click(TObject*) { OpenServicePage(13); }
void TFm_Main::Image9Click(TObject*) { OpenServicePage(14); }
void TFm_Main::Image10Click(TObject*) { OpenServicePage(15); }
void TFm_Main::Image3Click(TObject*) { OpenServicePage(16); }
void TFm_Main::Image12Click(TObject*) { OpenServicePage(18); }
void TFm_Main::Image18Click(TObject*) { OpenServicePage(19); }
void TFm_Main::Image17Click(TObject*) { OpenServicePage(20); }
void TFm_Main::Image13Click(TObject*) { OpenServicePage(21); }
void TFm_Main::Image14Click(TObject*) { OpenServicePage(22); }
void TFm_Main::Image16Click(TObject*) { OpenServicePage(23); }
void TFm_Main::Image19Click(TObject*) { OpenServicePage(25); }
void TFm_Main::Image15Click(TObject*) { OpenServicePage(26); }
