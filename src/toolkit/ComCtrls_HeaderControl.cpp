// THeaderControl: the toolkit class "THeaderControl" made from the standard
// "SysHeader32" window. Its sections are kept here and sent to the window
// whenever it exists; the header's notifications come back reflected
// (CN_NOTIFY) and fire OnSectionClick and OnSectionResize; with
// OnDrawSection set the sections are owner drawn (CN_DRAWITEM).
#include <algorithm>

#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"

const TEnumInfo& HeaderSectionAlignmentType() {
  static const TEnumInfo type("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return type;
}

T_CLASS_INFO(THeaderControl, TWinControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<THeaderControl>;
  c.AddProperty(Method<THeaderControl>("OnSectionClick", &THeaderControl::OnSectionClick));
  c.AddProperty(Method<THeaderControl>("OnSectionResize", &THeaderControl::OnSectionResize));
  c.AddProperty(Method<THeaderControl>("OnDrawSection", &THeaderControl::OnDrawSection));
})

namespace {

int HeaderFormat(THeaderSectionAlignment alignment) {
  switch (alignment) {
    case THeaderSectionAlignment::taRightJustify:
      return HDF_RIGHT;
    case THeaderSectionAlignment::taCenter:
      return HDF_CENTER;
    default:
      return HDF_LEFT;
  }
}

}  // namespace

int THeaderSection::Index() const {
  for (int i = 0; i < owner_->SectionCount(); ++i) {
    if (owner_->Section(i) == this) return i;
  }
  return -1;
}

void THeaderSection::SetText(const WideString& value) {
  text_ = value;
  owner_->SendSection(Index(), false);
}

void THeaderSection::SetWidth(int value) {
  width_ = std::max(0, value);
  owner_->SendSection(Index(), false);
}

void THeaderSection::SetAlignment(THeaderSectionAlignment value) {
  alignment_ = value;
  owner_->SendSection(Index(), false);
}

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 250, 17);
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

THeaderControl::~THeaderControl() = default;

THeaderSection* THeaderControl::Section(int index) const {
  return index >= 0 && index < SectionCount() ? sections_[static_cast<std::size_t>(index)].get() : nullptr;
}

THeaderSection* THeaderControl::AddSection(const WideString& text, int width) {
  sections_.push_back(std::make_unique<THeaderSection>(this));
  THeaderSection* section = sections_.back().get();
  section->text_ = text;
  section->width_ = std::max(0, width);
  SendSection(SectionCount() - 1, true);
  return section;
}

void THeaderControl::ClearSections() {
  if (HandleAllocated()) {
    while (SendMessageW(Handle(), HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(Handle(), HDM_DELETEITEM, 0, 0);
  }
  sections_.clear();
}

void THeaderControl::SendSection(int index, bool insert) {
  if (!HandleAllocated() || index < 0) return;
  const THeaderSection& section = *sections_[static_cast<std::size_t>(index)];
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = const_cast<WCHAR*>(section.text_.c_str());
  item.cxy = section.width_;
  item.fmt = HeaderFormat(section.alignment_) | (OnDrawSection ? HDF_OWNERDRAW : HDF_STRING);
  SendMessageW(Handle(), insert ? HDM_INSERTITEMW : HDM_SETITEMW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
}

void THeaderControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = "SysHeader32";
  params.Style |= HDS_BUTTONS | HDS_FULLDRAG;
}

void THeaderControl::CreateWnd() {
  TWinControl::CreateWnd();
  for (int i = 0; i < SectionCount(); ++i) SendSection(i, true);
}

void THeaderControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY && message.LParam != 0) {
    const auto* nm = reinterpret_cast<const NMHEADERW*>(message.LParam);
    THeaderSection* section = Section(nm->iItem);
    switch (nm->hdr.code) {
      case HDN_ITEMCLICKA:
      case HDN_ITEMCLICKW:
        if (section != nullptr && OnSectionClick) OnSectionClick(this, section);
        message.Result = 0;
        return;
      case HDN_ITEMCHANGEDA:
      case HDN_ITEMCHANGEDW:
        if (section != nullptr && nm->pitem != nullptr && (nm->pitem->mask & HDI_WIDTH)) {
          const bool resized = section->width_ != nm->pitem->cxy;
          section->width_ = nm->pitem->cxy;
          if (resized && OnSectionResize) OnSectionResize(this, section);
        }
        message.Result = 0;
        return;
      default:
        break;
    }
  }
  if (message.Msg == CN_DRAWITEM && message.LParam != 0) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    THeaderSection* section = Section(static_cast<int>(draw->itemID));
    if (section != nullptr && OnDrawSection) OnDrawSection(this, section, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
    message.Result = TRUE;
    return;
  }
  TWinControl::WndProc(message);
}

// Sections in a form resource: <item Text = '…' Width = 80 Alignment = taCenter end>.
void THeaderControl::DefineProperties(TFiler& filer) {
  TWinControl::DefineProperties(filer);
  filer.DefineProperty(
      "Sections",
      [this](const TFormValue& value) {
        if (value.ValueKind != TFormValue::Kind::Collection) throw Exception("Sections: collection expected");
        ClearSections();
        for (const std::vector<TFormProperty>& properties : value.Items) {
          THeaderSection* section = AddSection(WideString(), 50);
          for (const TFormProperty& p : properties) {
            if (SameText(p.Name, "Text") && p.Value.ValueKind == TFormValue::Kind::String) {
              section->SetText(p.Value.String);
            } else if (SameText(p.Name, "Width") && p.Value.ValueKind == TFormValue::Kind::Integer) {
              section->SetWidth(static_cast<int>(p.Value.Integer));
            } else if (SameText(p.Name, "Alignment") && p.Value.ValueKind == TFormValue::Kind::Identifier) {
              const int ordinal = HeaderSectionAlignmentType().ValueOf(p.Value.Identifier);
              if (ordinal < 0) throw Exception("Sections: invalid alignment " + p.Value.Identifier);
              section->SetAlignment(static_cast<THeaderSectionAlignment>(ordinal));
            } else {
              throw Exception("Sections: invalid property " + p.Name);
            }
          }
        }
      },
      nullptr, false);
}
