// The published properties and events of controls, by name, and the
// enumeration types they use.
#include "toolkit/Controls.h"

const TEnumInfo& AlignType() {
  static const TEnumInfo type("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
  return type;
}

const TEnumInfo& AnchorKindType() {
  static const TEnumInfo type("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"});
  return type;
}

const TEnumInfo& BiDiModeType() {
  static const TEnumInfo type(
      "TBiDiMode", {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"});
  return type;
}

const TEnumInfo& AlignmentType() {
  static const TEnumInfo type("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return type;
}

const TEnumInfo& BorderStyleType() {
  static const TEnumInfo type("TBorderStyle", {"bsNone", "bsSingle"});
  return type;
}

const TEnumInfo& MouseButtonType() {
  static const TEnumInfo type("TMouseButton", {"mbLeft", "mbRight", "mbMiddle"});
  return type;
}

T_CLASS_INFO(TControl, TComponent, [](TClassInfo& c) {
  using namespace published;
  c.AddProperty(Integer<TControl>("Left", &TControl::Left, &TControl::SetLeft));
  c.AddProperty(Integer<TControl>("Top", &TControl::Top, &TControl::SetTop));
  c.AddProperty(Integer<TControl>("Width", &TControl::Width, &TControl::SetWidth));
  c.AddProperty(Integer<TControl>("Height", &TControl::Height, &TControl::SetHeight));
  c.AddProperty(Integer<TControl>("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth));
  c.AddProperty(Integer<TControl>("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight));
  c.AddProperty(Enumeration<TControl, TAlign>("Align", AlignType(), &TControl::Align, &TControl::SetAlign));
  c.AddProperty(Set<TControl, TAnchorKind>("Anchors", AnchorKindType(), &TControl::Anchors, &TControl::SetAnchors));
  c.AddProperty(Boolean<TControl>("Visible", &TControl::Visible, &TControl::SetVisible));
  c.AddProperty(Boolean<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled));
  c.AddProperty(String<TControl>("Caption", &TControl::Caption, &TControl::SetCaption));
  c.AddProperty(String<TControl>("Text", &TControl::Text, &TControl::SetTextProperty));
  c.AddProperty(IntegerIdent<TControl>("Color", ColorIdents(), &TControl::Color, &TControl::SetColor));
  c.AddProperty(Boolean<TControl>("ParentColor", &TControl::ParentColor, &TControl::SetParentColor));
  c.AddProperty(Object<TControl, TFont>("Font", &TControl::Font, &TControl::SetFont));
  c.AddProperty(Boolean<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont));
  c.AddProperty(IntegerIdent<TControl>("Cursor", CursorIdents(), &TControl::Cursor, &TControl::SetCursor));
  c.AddProperty(String<TControl>("Hint", &TControl::Hint, &TControl::SetHint));
  c.AddProperty(Object<TControl, TComponent>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu));
  c.AddProperty(Boolean<TControl>("ShowHint", &TControl::ShowHint, &TControl::SetShowHint));
  c.AddProperty(Boolean<TControl>("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint));
  c.AddProperty(
      Enumeration<TControl, TBiDiMode>("BiDiMode", BiDiModeType(), &TControl::BiDiMode, &TControl::SetBiDiMode));
  c.AddProperty(Method<TControl>("OnClick", &TControl::OnClick));
  c.AddProperty(Method<TControl>("OnDblClick", &TControl::OnDblClick));
  c.AddProperty(Method<TControl>("OnMouseDown", &TControl::OnMouseDown));
  c.AddProperty(Method<TControl>("OnMouseUp", &TControl::OnMouseUp));
  c.AddProperty(Method<TControl>("OnMouseMove", &TControl::OnMouseMove));
  c.AddProperty(Method<TControl>("OnResize", &TControl::OnResize));
})

T_CLASS_INFO(TWinControl, TControl, [](TClassInfo& c) {
  using namespace published;
  c.AddProperty(Integer<TWinControl>("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder));
  c.AddProperty(Boolean<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop));
  c.AddProperty(
      Boolean<TWinControl>("ParentBackground", &TWinControl::ParentBackground, &TWinControl::SetParentBackground));
  c.AddProperty(Method<TWinControl>("OnEnter", &TWinControl::OnEnter));
  c.AddProperty(Method<TWinControl>("OnExit", &TWinControl::OnExit));
})
