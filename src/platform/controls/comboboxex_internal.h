// The state of a "ComboBoxEx32" shared by the files of the class: its
// items (the inner combo box keeps only their places), its parts, and the
// edit's changes that CBEN_ENDEDIT reports.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/controls.h"

namespace platform {

// Items indent in steps of this many pixels.
constexpr int kComboExIndent = 10;

struct ComboExItem {
  std::u16string text;
  int image = -1;
  int selectedImage = -1;
  int overlay = -1;
  int indent = 0;
  LPARAM param = 0;
};

struct ComboExData {
  HWND self = nullptr;
  HWND parent = nullptr;
  HWND combo = nullptr;
  HWND edit = nullptr;  // CBS_DROPDOWN: ours, over the combo's field; CBS_SIMPLE: the combo's
  WNDPROC comboProc = nullptr;
  WNDPROC comboThunk = nullptr;
  WNDPROC editProc = nullptr;
  WNDPROC editThunk = nullptr;
  HIMAGELIST images = nullptr;
  HFONT font = nullptr;
  DWORD exStyle = 0;
  std::vector<ComboExItem> items;
  bool editChanged = false;  // typed since the last CBEN_ENDEDIT or selection
  bool quietEdit = false;    // the control sets the edit's text: not a change
  bool sizing = false;
};

ComboExData* ComboExDataOf(HWND hwnd);
DWORD ComboExType(HWND hwnd);
bool ComboExOwnEdit(HWND hwnd);  // CBS_DROPDOWN: the edit lies over an owner-drawn field
int ComboExSelection(const ComboExData& c);
// Notifications go out as the parent reads them: ANSI to an ANSI window.
bool ComboExNotifiesWide(const ComboExData& c);
void ComboExCommand(const ComboExData& c, WORD code);

// Items (comboboxex_items.cpp).
LRESULT InsertComboExItem(ComboExData& c, const COMBOBOXEXITEMW& item, const char* ansiText, bool ansi);
LRESULT GetComboExItem(ComboExData& c, COMBOBOXEXITEMW& item, char* ansiText, bool ansi);
LRESULT SetComboExItem(ComboExData& c, const COMBOBOXEXITEMW& item, const char* ansiText, bool ansi);
LRESULT DeleteComboExItem(ComboExData& c, int index);
void DeleteAllComboExItems(ComboExData& c);
int FindComboExItem(const ComboExData& c, int after, const std::u16string& text, bool exact);

// The edit and the inner combo box (comboboxex_edit.cpp).
void HookComboExParts(ComboExData& c);
void UnhookComboExParts(ComboExData& c);
// What the combo box tells the frame becomes the frame's own notification.
void ComboExComboCommand(ComboExData& c, WORD code);
void SetComboExEditText(ComboExData& c, const std::u16string& text);
// The selection became the edit's text.
void SelectionToComboExEdit(ComboExData& c);
// Sends CBEN_ENDEDIT; answers whether the parent refused the text.
bool EndComboExEdit(ComboExData& c, int why);
void LayOutComboExEdit(ComboExData& c);

// Measuring and drawing items (comboboxex_paint.cpp).
int ComboExItemHeight(const ComboExData& c);
void MeasureComboExItem(const ComboExData& c, MEASUREITEMSTRUCT& mis);
void DrawComboExItem(const ComboExData& c, const DRAWITEMSTRUCT& dis);
int ComboExImageWidth(const ComboExData& c);

}  // namespace platform
