// Cursor numbers: their identifiers in form resources and the platform's
// standard cursors they stand for.
#include "toolkit/Controls.h"

const TIdentMap& CursorIdents() {
  static const TIdentMap idents = {
      {crDefault, "crDefault"},   {crNone, "crNone"},       {crArrow, "crArrow"},         {crCross, "crCross"},
      {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"},     {crSizeNWSE, "crSizeNWSE"},
      {crSizeWE, "crSizeWE"},     {crUpArrow, "crUpArrow"}, {crHourGlass, "crHourGlass"}, {crNo, "crNo"},
      {crAppStart, "crAppStart"}, {crHelp, "crHelp"},       {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
  };
  return idents;
}

TCursor StringToCursor(std::string_view text) {
  for (const TIdentMapEntry& e : CursorIdents()) {
    if (SameText(e.Name, text)) return static_cast<TCursor>(e.Value);
  }
  return static_cast<TCursor>(StrToInt(text));
}

HCURSOR CursorHandle(TCursor cursor) {
  LPCWSTR id = IDC_ARROW;
  switch (cursor) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorW(nullptr, id);
}
