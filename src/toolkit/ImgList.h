// Image lists: equal-sized images with masks, kept in the platform's image
// list and drawn normally or with the embossed disabled look.
#pragma once

#include <string_view>

#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

class TImageList : public TComponent {
  T_CLASS(TImageList, TComponent)

 public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;

  // Changing the image size empties the list.
  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  // Whether images keep a mask (drawn transparently) or cover their cell.
  bool Masked() const { return masked_; }
  void SetMasked(bool masked);
  // The colour behind masked pixels when drawing; clNone draws them transparent.
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor color);

  int Count();
  // Adds the images of a picture strip (as many as its width holds): with a
  // monochrome mask bitmap (1 = transparent), or with a mask from a colour.
  // Answer the index of the first image added, -1 on failure.
  int Add(TBitmap* image, TBitmap* mask);
  int AddMasked(TBitmap* image, TColor maskColor);
  int AddIcon(TIcon* icon);
  void Delete(int index);
  void Clear();
  // Adds the images of a bitmap resource, the colour given as transparent.
  bool ResourceLoad(std::string_view name, TColor maskColor);

  // A disabled image is drawn embossed (highlight and shadow colours).
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  // Copies one image into a bitmap (over the background colour).
  void GetBitmap(int index, TBitmap* image);
  void GetIcon(int index, TIcon* icon);

  // The platform image list, made on first use; owned by the component.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  TNotifyEvent OnChange;

 private:
  void Recreate();
  void Change();

  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
  TColor bkColor_ = clNone;
  HIMAGELIST handle_ = nullptr;
};
