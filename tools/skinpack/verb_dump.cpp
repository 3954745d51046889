// dump PKG: the model the skin loader builds, as JSON: the colour table with
// the given/default flags, the colour sections, every member with its fields,
// picture sizes and frame counts (null for members the skin lacks), and the
// caption buttons in order.
#include <cstdio>

#include "skin_members.h"
#include "skinpack.h"

namespace skinpack {

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// A colour: RGB values as "#RRGGBB", system colours by index.
std::string ColourJson(TColor colour) {
  if (colour == clNone) return "\"none\"";
  if (colour < 0) return "{\"system\": " + std::to_string(colour & 0xFF) + "}";
  char text[16];
  std::snprintf(text, sizeof text, "\"#%02X%02X%02X\"", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

std::string Field(const char* name, int value) { return Quoted(name) + ": " + std::to_string(value); }
std::string Field(const char* name, const std::string& json) { return Quoted(name) + ": " + json; }

std::string Join(const std::vector<std::string>& items, const std::string& indent) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ",\n" : "\n") + indent + items[i];
  return out + "\n";
}

std::string ObjectJson(const SkinMember& member, const std::string& indent) {
  const TDataSkinObject& o = *member.object;
  std::vector<std::string> fields = {
      Field("class", Quoted(member.className)),
      Field("Name", Quoted(NameForTerminal(o.Name))),
      Field("LeftWidth", o.LeftWidth),
      Field("TopHeight", o.TopHeight),
      Field("RightWidth", o.RightWidth),
      Field("BottomHeight", o.BottomHeight),
      Field("Trans", o.Trans),
      Field("Tile", o.Tile),
      Field("Frame", o.Frame),
      Field("Style", o.Style),
      Field("NormalColour", o.NormalColour),
      Field("MouseOverColour", o.MouseOverColour),
      Field("PressedColour", o.PressedColour),
      Field("NormalColour2", ColourJson(o.NormalColour2)),
      Field("MouseOverColour2", ColourJson(o.MouseOverColour2)),
      Field("PressedColour2", ColourJson(o.PressedColour2)),
  };
  if (auto* b = dynamic_cast<const TDataSkinButton*>(&o)) {
    fields.insert(fields.end(),
                  {Field("RadioButtonFrame", b->RadioButtonFrame), Field("CheckButtonFrame", b->CheckButtonFrame),
                   Field("HasNormalColour2", b->HasNormalColour2 ? "true" : "false"),
                   Field("HasMouseOverColour2", b->HasMouseOverColour2 ? "true" : "false"),
                   Field("HasPressedColour2", b->HasPressedColour2 ? "true" : "false")});
  } else if (auto* t = dynamic_cast<const TDataSkinTitle*>(&o)) {
    fields.insert(fields.end(), {Field("TextAlignment", t->TextAlignment), Field("Textbackground", t->Textbackground),
                                 Field("FontHeight", t->FontHeight), Field("TXTBackleft", t->TXTBackleft),
                                 Field("TXTBackRight", t->TXTBackRight), Field("ActiveText", ColourJson(t->ActiveText)),
                                 Field("InActiveText", ColourJson(t->InActiveText))});
  } else if (auto* s = dynamic_cast<const TDataSkinSysButton*>(&o)) {
    fields.insert(fields.end(), {Field("Action", s->Action), Field("Align", s->Align), Field("Xcoord", s->Xcoord),
                                 Field("Ycoord", s->Ycoord), Field("CombineOp", s->CombineOp),
                                 Field("Visibility", s->Visibility), Field("Visibility1", s->Visibility1)});
  } else if (auto* l = dynamic_cast<const TDataSkinBoxLabel*>(&o)) {
    fields.insert(fields.end(), {Field("BackgroundLeftShift", l->BackgroundLeftShift),
                                 Field("BackgroundRightShift", l->BackgroundRightShift),
                                 Field("BackgroundAlignment", l->BackgroundAlignment)});
  }
  for (const MemberPicture& picture : member.pictures) {
    fields.push_back(Field(picture.key.c_str(), "{" + Field("width", picture.bitmap->Width()) + ", " +
                                                    Field("height", picture.bitmap->Height()) + ", " +
                                                    Field("frames", picture.frames) + "}"));
  }
  return "{" + Join(fields, indent + "  ") + indent + "}";
}

}  // namespace

int Dump(const Arguments& args) {
  if (args.size() != 1) return 2;
  LoadedSkin loaded;
  LoadSkinPackage(args[0], loaded);
  TSkinData& skin = loaded.skin;

  std::vector<std::string> colours;
  for (int i = 0; i < SkinColourCount; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    colours.push_back("{" + Field("index", i) + ", " + Field("key", Quoted(SkinColourKeys[i])) + ", " +
                      Field("value", ColourJson(skin.Colours[at])) + ", " +
                      Field("given", skin.ColourGiven[at] ? "true" : "false") + "}");
  }
  std::vector<std::string> sections;
  for (const TColor colour : skin.ColourSections) sections.push_back(ColourJson(colour));

  std::vector<std::string> members;
  std::vector<std::string> buttons;
  for (const SkinMember& member : SkinMembers(skin)) {
    if (dynamic_cast<TDataSkinSysButton*>(member.object)) {
      buttons.push_back(ObjectJson(member, "    "));
    } else {
      members.push_back(Field(member.name.c_str(), member.object ? ObjectJson(member, "    ") : "null"));
    }
  }
  const std::vector<std::string> top = {
      Field("SkinName", Quoted(NameForTerminal(skin.SkinName))),
      Field("colours", "[" + Join(colours, "    ") + "  ]"),
      Field("colourSections", "[" + (sections.empty() ? "" : Join(sections, "    ") + "  ") + "]"),
      Field("members", "{" + Join(members, "    ") + "  }"),
      Field("captionButtons", "[" + Join(buttons, "    ") + "  ]"),
  };
  std::printf("{%s}\n", Join(top, "  ").c_str());
  return 0;
}

}  // namespace skinpack
