// The public address as an outside page reports it.
#include "app/Frm_Data.h"
#include "app/Unit_Public_Data.h"
#include "brellis/deployment.h"
#include "identity/IdentityProbe.h"
#include "services/http.h"

namespace {

constexpr char kPageStart[] = "<body style=\"margin:0px\"><center>";
constexpr char kPageEnd[] = "</center></body></html>";
constexpr char kSwitchedOff[] = "127.0.0.1";

}  // namespace

AnsiString ScrapePublicAddress(const AnsiString& page) {
  return GetMidStr(GetMidStr(page, kPageStart, kPageEnd), "[", "]");
}

AnsiString PublicAddressForSwitch(const AnsiString& switchValue, const AnsiString& host) {
  if (switchValue.empty()) return kSwitchedOff;
  try {
    return ScrapePublicAddress(services::HttpGet("http://" + host + "/ic.asp"));
  } catch (const Exception&) {
    return AnsiString();
  }
}

AnsiString GetWanIP() {
  AnsiString address;
  try {
    AnsiString switchValue;
    if (GetDictEx(Fm_Data->ADOProc_Temp, "1024", "10")) switchValue = Fm_Data->ADOProc_Temp->Fields(1).AsString();
    address = PublicAddressForSwitch(switchValue, deployment::kPublicAddressHost);
  } catch (const std::exception&) {
    address.clear();
  }
  return address;
}
