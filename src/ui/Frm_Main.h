// The program's main window: a borderless picture of the service's home
// screen. The header drags the window and holds the home, minimise and close
// hot spots; the tiles open service pages in the browser pane that covers the
// home screen; the status strip shows the user.
#pragma once

#include "skin/WinSkinData.h"
#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/WebBrowser.h"

class TFm_Main : public TForm {
  T_CLASS(TFm_Main, TForm)

 public:
  explicit TFm_Main(TComponent* owner);
  ~TFm_Main() override;

  TPanel* Panel1 = nullptr;  // the header
  TImage* Image1 = nullptr;  // header picture; drags the window
  TImage* Image4 = nullptr;  // home (logo)
  TImage* Image_First = nullptr;
  TImage* Image3 = nullptr;   // tile 16
  TImage* Image19 = nullptr;  // tile 25
  TImage* Image5 = nullptr;   // minimise
  TImage* Image_Close = nullptr;
  TSpeedButton* SpeedButton1 = nullptr;  // opens Edit1's address; hidden
  TEdit* Edit1 = nullptr;                // the help page address; hidden
  TImage* Image_Main = nullptr;          // the home-screen picture
  TImage* Image2 = nullptr;
  TImage* Image6 = nullptr;
  TImage* Image7 = nullptr;
  TImage* Image8 = nullptr;
  TImage* Image9 = nullptr;
  TImage* Image10 = nullptr;
  TImage* Image12 = nullptr;
  TImage* Image18 = nullptr;
  TImage* Image17 = nullptr;
  TImage* Image13 = nullptr;
  TImage* Image14 = nullptr;
  TImage* Image16 = nullptr;
  TImage* Image15 = nullptr;
  TImage* Image11 = nullptr;  // support chat
  TPanel* UrlPanel = nullptr;  // the browser pane
  TWebBrowser* WebMain = nullptr;
  TPanel* pnlBot = nullptr;
  TPanel* pnl1 = nullptr;  // the status strip
  TImage* img5 = nullptr;
  TLabel* lbl1 = nullptr;
  TLabel* lblMerch = nullptr;  // the user label
  TLabel* lblLoginID = nullptr;
  TLabel* lblSystemID = nullptr;
  TLabel* lbl2 = nullptr;
  TSkinData* SkinEngineMain = nullptr;  // skins every window of the program

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Image1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Image_FirstClick(TObject* Sender);
  void Image5Click(TObject* Sender);
  void Image_CloseClick(TObject* Sender);
  void SpeedButton1Click(TObject* Sender);
  void Image2Click(TObject* Sender);
  void Image6Click(TObject* Sender);
  void Image7Click(TObject* Sender);
  void Image8Click(TObject* Sender);
  void Image9Click(TObject* Sender);
  void Image10Click(TObject* Sender);
  void Image3Click(TObject* Sender);
  void Image12Click(TObject* Sender);
  void Image18Click(TObject* Sender);
  void Image17Click(TObject* Sender);
  void Image13Click(TObject* Sender);
  void Image14Click(TObject* Sender);
  void Image16Click(TObject* Sender);
  void Image19Click(TObject* Sender);
  void Image15Click(TObject* Sender);
  void Image11Click(TObject* Sender);

  // Looks up service n's page address in the dictionary, appends the
  // machine's digest, navigates the pane there and shows it.
  void OpenServicePage(int n);
};

extern TFm_Main* Fm_Main;
