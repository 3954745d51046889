// Switching the program's menus to and from owner-drawn entries, and the
// draw and measure events the engine gives their items.
#include <algorithm>

#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

namespace {

// The skin is still registered and loaded: an item may outlive the skin
// that gave it its events, and then shows the toolkit's look.
bool SkinUsable(TSkinData* skin) {
  return skin != nullptr && SkinManager != nullptr &&
         std::find(SkinManager->FSkins.begin(), SkinManager->FSkins.end(), skin) != SkinManager->FSkins.end() &&
         !skin->NoSkin();
}

bool MenuSkinned(TSkinData* skin, const TMenu* menu, TSkinControlType kind) {
  return skin->SkinControls().Contains(kind) && menu->Tag() != skin->DisableTag();
}

// Visits the item's sub-items at every depth; `depth` 1 is the item's own
// entries.
template <typename Visit>
void ForEachEntry(TMenuItem* item, int depth, const Visit& visit) {
  for (int i = 0; i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    visit(child, depth);
    ForEachEntry(child, depth + 1, visit);
  }
}

// Clears the events the engine installed; the program's own stay.
void ClearSkinnedEvents(TMenuItem* item, bool measureToo) {
  if (HasSkinnedDrawEvent(item)) item->OnDrawItem = nullptr;
  if (measureToo && HasSkinnedMeasureEvent(item)) item->OnMeasureItem = nullptr;
}

void GiveMainEvents(TSkinData* skin, TMenuItem* item) {
  if (!item->OnDrawItem) item->OnDrawItem = TSkinnedItemDrawEvent{skin};
  if (!item->OnMeasureItem) item->OnMeasureItem = TMainItemMeasureEvent{skin};
}

}  // namespace

void TSkinnedItemDrawEvent::operator()(TObject* sender, TCanvas* canvas, TRect rect, bool selected) const {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (item == nullptr || canvas == nullptr) return;
  if (!SkinUsable(FSkin)) {
    item->DefaultDrawItem(canvas, rect, selected);
    return;
  }
  DrawSkinnedItem(FSkin, item, canvas, rect, selected);
}

void TPopupItemMeasureEvent::operator()(TObject* sender, TCanvas* canvas, int& width, int& height) const {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (item == nullptr || canvas == nullptr) return;
  if (!SkinUsable(FSkin)) {
    item->DefaultMeasureItem(canvas, width, height);
    return;
  }
  MeasurePopupItem(FSkin, item, canvas, width, height);
}

void TMainItemMeasureEvent::operator()(TObject* sender, TCanvas* canvas, int& width, int& height) const {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (item == nullptr || canvas == nullptr) return;
  if (!SkinUsable(FSkin)) {
    item->DefaultMeasureItem(canvas, width, height);
    return;
  }
  MeasureMainItem(FSkin, item, canvas, width, height);
}

bool HasSkinnedDrawEvent(const TMenuItem* item) {
  return item != nullptr && item->OnDrawItem.target<TSkinnedItemDrawEvent>() != nullptr;
}

bool HasSkinnedMeasureEvent(const TMenuItem* item) {
  return item != nullptr && (item->OnMeasureItem.target<TPopupItemMeasureEvent>() != nullptr ||
                             item->OnMeasureItem.target<TMainItemMeasureEvent>() != nullptr);
}

void SetPopupMenusOwnerDraw(TSkinData* skin, TComponent* container, bool on) {
  if (skin == nullptr || container == nullptr) return;
  if (dynamic_cast<TCustomForm*>(container) != nullptr && container->ClassName() == "TwwRichEditForm") return;
  for (int i = 0; i < container->ComponentCount(); ++i) {
    TComponent* component = container->Components(i);
    if (dynamic_cast<TCustomForm*>(component) != nullptr) {
      SetPopupMenusOwnerDraw(skin, component, on);
      continue;
    }
    auto* popup = dynamic_cast<TPopupMenu*>(component);
    if (popup == nullptr || !MenuSkinned(skin, popup, TSkinControlType::xcPopupMenu)) continue;
    popup->SetOwnerDraw(on);
    ForEachEntry(popup->Items(), 1, [skin, on](TMenuItem* item, int) {
      if (!on) {
        ClearSkinnedEvents(item, true);
        return;
      }
      if (!item->OnDrawItem) item->OnDrawItem = TSkinnedItemDrawEvent{skin};
      if (!item->OnMeasureItem) item->OnMeasureItem = TPopupItemMeasureEvent{skin};
    });
  }
}

void SetMainMenusOwnerDraw(TSkinData* skin, TComponent* container, bool on) {
  if (skin == nullptr || container == nullptr) return;
  if (!skin->SkinControls().Contains(TSkinControlType::xcMenuItem)) return;
  for (int i = 0; i < container->ComponentCount(); ++i) {
    auto* menu = dynamic_cast<TMainMenu*>(container->Components(i));
    if (menu == nullptr || menu->Tag() == skin->DisableTag()) continue;
    menu->SetOwnerDraw(on);
    ForEachEntry(menu->Items(), 1, [skin, on](TMenuItem* item, int depth) {
      if (!on) {
        ClearSkinnedEvents(item, true);
      } else if (depth >= 2) {
        // The bar's own entries are the menu bar's to paint.
        GiveMainEvents(skin, item);
      }
    });
  }
}

void SetItemsOwnerDraw(TSkinData* skin, TMenuItem* item, bool on) {
  if (skin == nullptr || item == nullptr) return;
  const auto apply = [skin, on](TMenuItem* entry) {
    if (on) {
      GiveMainEvents(skin, entry);
    } else {
      ClearSkinnedEvents(entry, false);
    }
  };
  apply(item);
  ForEachEntry(item, 1, [&apply](TMenuItem* entry, int) { apply(entry); });
}

void ReleaseMenusOwnerDraw(TSkinData* skin, TComponent* container) {
  SetPopupMenusOwnerDraw(skin, container, false);
  SetMainMenusOwnerDraw(skin, container, false);
}
