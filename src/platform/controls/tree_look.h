// What one row of a "SysTreeView32" window looks like, for the painter.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/treeview.h"

namespace platform {

struct TreeRowLook {
  RECT row{};         // the whole row, client coordinates
  RECT label{};       // the text's rectangle (selection and focus are drawn around it)
  int indent = 19;    // width of one level's column
  int columns = 0;    // level columns left of the item (its depth, plus one with lines at the root)
  int originX = 0;    // left edge of the first column (negative when scrolled)
  // For each column left of the item's own, whether a vertical line runs
  // through it (an ancestor there has a later sibling).
  std::vector<bool> continues;
  bool lines = false;
  bool buttons = false;
  bool hasChildren = false;
  bool expanded = false;
  bool hasPrevious = false;  // a line comes down from above (earlier sibling or parent)
  bool hasNext = false;      // a line goes on down to a later sibling
  HIMAGELIST images = nullptr;
  int image = -1;
  int imageX = 0;
  std::u16string text;
  HFONT font = nullptr;
  bool selected = false;
  bool highlighted = false;  // selected in a focused tree
  bool inactive = false;     // selected in an unfocused tree with TVS_SHOWSELALWAYS
  bool focused = false;      // the focus rectangle goes around the label
  bool fullRow = false;
  COLORREF textColour = CLR_DEFAULT;
  COLORREF backColour = CLR_DEFAULT;
};

}  // namespace platform
