#include "app/Quorvane.h"

#include "app/Frm_Data.h"
#include "app/StartupFormats.h"
#include "app/Unit_Public_Data.h"
#include "toolkit/Forms.h"
#include "ui/Frm_Main.h"

int Quorvane() {
  Application->Initialize();
  ApplyStartupFormats();
  Application->SetTitle("Brellis");
  Application->CreateForm(Fm_Data);
  if (ConnectServer()) {
    Application->CreateForm(Fm_Main);
    Application->Run();
  } else {
    Application->Terminate();
  }
  return 0;
}
