#include "identity/IdentityProbe.h"

#include "platform/base/sysutils.h"
#include "services/md5.h"

AnsiString GetMidStr(const AnsiString& source, const AnsiString& startMarker, const AnsiString& endMarker) {
  const std::size_t p = source.find(startMarker);
  if (startMarker.empty() || p == AnsiString::npos) return AnsiString();
  // The end marker is searched from one character past the start marker's end.
  const std::size_t from = p + startMarker.size() + 1;
  const std::size_t q = from <= source.size() ? source.find(endMarker, from) : AnsiString::npos;
  if (q == AnsiString::npos) return AnsiString();
  return source.substr(p + startMarker.size(), q - p - startMarker.size());
}

AnsiString ByteToHex(std::uint8_t value) { return IntToHex(value, 2); }

AnsiString MacAddressText(const services::HardwareAddress& address, bool separators) {
  AnsiString text;
  for (std::size_t i = 0; i < address.size(); ++i) {
    if (separators && i > 0) text += "-";
    text += ByteToHex(address[i]);
  }
  return text;
}

AnsiString GetMD5Str(const AnsiString& text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  AnsiString out;
  for (const std::uint8_t b : services::ComputeMd5(text)) {
    out += kDigits[b >> 4];
    out += kDigits[b & 0x0F];
  }
  return out;
}
