// Form resources: a readable text description of a component tree and its
// property values, parsed into a tree that the reader applies to components.
//
//   object Fm_Main: TFm_Main
//     Caption = '主界面'              strings: UTF-8 between quotes, '' for a quote,
//     Font.Name = '宋体'              #13#10 for character codes, + to join parts
//     Font.Style = [fsBold]          sets
//     Left = 192                     numbers (decimal, $hex, or with a fraction)
//     Visible = False                identifiers: enumerations, event handlers,
//     OnShow = FormShow                references to other components
//     Lines.Strings = ('a' 'b')      lists
//     Picture.Data = {0A5450...}     binary data in hex
//     Panels = <item Text = 'x' end> collection items
//     object Image1: TImage ... end  owned components, nested by parent
//   end
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/base/sysutils.h"

class EParserError : public Exception {
 public:
  using Exception::Exception;
};

struct TFormProperty;

struct TFormValue {
  enum class Kind { Integer, Float, String, Identifier, Set, List, Binary, Collection };
  Kind ValueKind = Kind::Integer;
  long long Integer = 0;
  double Float = 0;
  WideString String;               // String
  AnsiString Identifier;           // Identifier
  std::vector<AnsiString> Set;     // Set: the identifiers
  std::vector<TFormValue> List;    // List
  std::vector<std::uint8_t> Binary;
  std::vector<std::vector<TFormProperty>> Items;  // Collection: each item's properties
};

struct TFormProperty {
  AnsiString Name;  // may be dotted: "Font.Name"
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  AnsiString Name;
  AnsiString ClassName;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
  int Line = 0;
};

// Raises EParserError ("Line N: what is wrong") for text that is not a form
// resource. Nesting deeper than 100 levels is refused.
TFormObject ParseFormResource(std::string_view text);
