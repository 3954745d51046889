#include "ui/Frm_Main.h"

#include "app/Unit_Public_Data.h"
#include "brellis/deployment.h"
#include "identity/UserRecord.h"
#include "platform/base/startup_trace.h"
#include "platform/user/user.h"
#include "toolkit/Application.h"

TFm_Main* Fm_Main = nullptr;

T_CLASS_INFO(TFm_Main, TForm, [](TClassInfo& c) {
  using published::Field;
  using published::Handler;
  c.AddField(Field<TFm_Main>("Panel1", &TFm_Main::Panel1));
  c.AddField(Field<TFm_Main>("Image1", &TFm_Main::Image1));
  c.AddField(Field<TFm_Main>("Image4", &TFm_Main::Image4));
  c.AddField(Field<TFm_Main>("Image_First", &TFm_Main::Image_First));
  c.AddField(Field<TFm_Main>("Image3", &TFm_Main::Image3));
  c.AddField(Field<TFm_Main>("Image19", &TFm_Main::Image19));
  c.AddField(Field<TFm_Main>("Image5", &TFm_Main::Image5));
  c.AddField(Field<TFm_Main>("Image_Close", &TFm_Main::Image_Close));
  c.AddField(Field<TFm_Main>("SpeedButton1", &TFm_Main::SpeedButton1));
  c.AddField(Field<TFm_Main>("Edit1", &TFm_Main::Edit1));
  c.AddField(Field<TFm_Main>("Image_Main", &TFm_Main::Image_Main));
  c.AddField(Field<TFm_Main>("Image2", &TFm_Main::Image2));
  c.AddField(Field<TFm_Main>("Image6", &TFm_Main::Image6));
  c.AddField(Field<TFm_Main>("Image7", &TFm_Main::Image7));
  c.AddField(Field<TFm_Main>("Image8", &TFm_Main::Image8));
  c.AddField(Field<TFm_Main>("Image9", &TFm_Main::Image9));
  c.AddField(Field<TFm_Main>("Image10", &TFm_Main::Image10));
  c.AddField(Field<TFm_Main>("Image12", &TFm_Main::Image12));
  c.AddField(Field<TFm_Main>("Image18", &TFm_Main::Image18));
  c.AddField(Field<TFm_Main>("Image17", &TFm_Main::Image17));
  c.AddField(Field<TFm_Main>("Image13", &TFm_Main::Image13));
  c.AddField(Field<TFm_Main>("Image14", &TFm_Main::Image14));
  c.AddField(Field<TFm_Main>("Image16", &TFm_Main::Image16));
  c.AddField(Field<TFm_Main>("Image15", &TFm_Main::Image15));
  c.AddField(Field<TFm_Main>("Image11", &TFm_Main::Image11));
  c.AddField(Field<TFm_Main>("UrlPanel", &TFm_Main::UrlPanel));
  c.AddField(Field<TFm_Main>("WebMain", &TFm_Main::WebMain));
  c.AddField(Field<TFm_Main>("pnlBot", &TFm_Main::pnlBot));
  c.AddField(Field<TFm_Main>("pnl1", &TFm_Main::pnl1));
  c.AddField(Field<TFm_Main>("img5", &TFm_Main::img5));
  c.AddField(Field<TFm_Main>("lbl1", &TFm_Main::lbl1));
  c.AddField(Field<TFm_Main>("lblMerch", &TFm_Main::lblMerch));
  c.AddField(Field<TFm_Main>("lblLoginID", &TFm_Main::lblLoginID));
  c.AddField(Field<TFm_Main>("lblSystemID", &TFm_Main::lblSystemID));
  c.AddField(Field<TFm_Main>("lbl2", &TFm_Main::lbl2));
  c.AddField(Field<TFm_Main>("SkinEngineMain", &TFm_Main::SkinEngineMain));

  c.AddMethod(Handler("FormCreate", &TFm_Main::FormCreate));
  c.AddMethod(Handler("FormShow", &TFm_Main::FormShow));
  c.AddMethod(Handler("Image1MouseDown", &TFm_Main::Image1MouseDown));
  c.AddMethod(Handler("Image_FirstClick", &TFm_Main::Image_FirstClick));
  c.AddMethod(Handler("Image5Click", &TFm_Main::Image5Click));
  c.AddMethod(Handler("Image_CloseClick", &TFm_Main::Image_CloseClick));
  c.AddMethod(Handler("SpeedButton1Click", &TFm_Main::SpeedButton1Click));
  c.AddMethod(Handler("Image2Click", &TFm_Main::Image2Click));
  c.AddMethod(Handler("Image6Click", &TFm_Main::Image6Click));
  c.AddMethod(Handler("Image7Click", &TFm_Main::Image7Click));
  c.AddMethod(Handler("Image8Click", &TFm_Main::Image8Click));
  c.AddMethod(Handler("Image9Click", &TFm_Main::Image9Click));
  c.AddMethod(Handler("Image10Click", &TFm_Main::Image10Click));
  c.AddMethod(Handler("Image3Click", &TFm_Main::Image3Click));
  c.AddMethod(Handler("Image12Click", &TFm_Main::Image12Click));
  c.AddMethod(Handler("Image18Click", &TFm_Main::Image18Click));
  c.AddMethod(Handler("Image17Click", &TFm_Main::Image17Click));
  c.AddMethod(Handler("Image13Click", &TFm_Main::Image13Click));
  c.AddMethod(Handler("Image14Click", &TFm_Main::Image14Click));
  c.AddMethod(Handler("Image16Click", &TFm_Main::Image16Click));
  c.AddMethod(Handler("Image19Click", &TFm_Main::Image19Click));
  c.AddMethod(Handler("Image15Click", &TFm_Main::Image15Click));
  c.AddMethod(Handler("Image11Click", &TFm_Main::Image11Click));
})

TFm_Main::TFm_Main(TComponent* owner) : TForm(owner) { RegisterWebBrowser(); }

TFm_Main::~TFm_Main() {
  if (Fm_Main == this) Fm_Main = nullptr;
}

void TFm_Main::FormCreate(TObject*) {}

void TFm_Main::FormShow(TObject*) {
  try {
    UserLogin(deployment::kAccountName, deployment::kAccountPassword);
  } catch (...) {
    // The login reports its own failures; nothing that escapes it matters here.
  }
  platform::TraceStartup("login done");
  CurUser.UserName = u8"匿名登录"_ansi;
  lblMerch->SetCaption(u8"用户名称："_ansi + CurUser.UserName);
  UrlPanel->Hide();
  UrlPanel->SetAlign(TAlign::alClient);
}

void TFm_Main::Image1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  ReleaseCapture();
  SendMessageA(Handle(), WM_SYSCOMMAND, 0xF012, 0);
}

// The form is no multi-document frame, so it has no child page windows to
// close: home only hides the pane, which keeps its page loaded.
void TFm_Main::Image_FirstClick(TObject*) { UrlPanel->Hide(); }

void TFm_Main::Image5Click(TObject*) { Application->Minimize(); }

void TFm_Main::Image_CloseClick(TObject*) {
  if (MsgAsk(u8"提示信息"_ansi, u8"您确认要退出些系统？"_ansi)) Application->Terminate();
}

void TFm_Main::SpeedButton1Click(TObject*) {
  WebMain->Navigate(platform::AnsiToWideString(Trim(Edit1->Text())));
  UrlPanel->Show();
}
