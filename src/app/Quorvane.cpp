#include "app/Quorvane.h"

#include "app/Frm_Data.h"
#include "app/StartupFormats.h"
#include "app/Unit_Public_Data.h"
#include "platform/base/startup_trace.h"
#include "toolkit/Application.h"
#include "ui/Frm_Main.h"

bool StartProgram() {
  Application->Initialize();
  ApplyStartupFormats();
  Application->SetTitle("Brellis");
  Application->CreateForm(Fm_Data);
  if (!ConnectServer()) return false;
  platform::TraceStartup("data module and connection");
  Application->CreateForm(Fm_Main);
  platform::TraceStartup("form streamed");
  return true;
}

int Quorvane() {
  if (StartProgram()) {
    Application->Run();
  } else {
    Application->Terminate();
  }
  // The forms and the data module are destroyed on the way out.
  Application->DestroyComponents();
  return 0;
}
