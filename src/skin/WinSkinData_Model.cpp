// The skin objects, the model's life and LoadSkin with its picture loader.
#include <fstream>
#include <iterator>

#include "platform/base/startup_trace.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinIni.h"

TDataSkinObject::TDataSkinObject() : Picture(std::make_unique<TBitmap>()) {}
TDataSkinObject::~TDataSkinObject() = default;

TDataSkinBorder::TDataSkinBorder() : Picture2(std::make_unique<TBitmap>()) {}

TDataSkinButton::TDataSkinButton()
    : CheckPicture(std::make_unique<TBitmap>()), RadioPicture(std::make_unique<TBitmap>()) {}

// Skins written on Windows separate folders with backslashes.
AnsiString SkinFileNamePart(const AnsiString& value) {
  const std::size_t separator = value.find_last_of("\\/:");
  return separator == AnsiString::npos ? value : value.substr(separator + 1);
}

bool IsSkinBitmapName(const AnsiString& name) {
  const std::size_t dot = name.rfind('.');
  return dot != AnsiString::npos && name.compare(dot, AnsiString::npos, ".bmp") == 0;
}

void TSkinData::SetSkinStream(std::span<const std::uint8_t> package) {
  FSkinStream.assign(package.begin(), package.end());
}

bool TSkinData::LoadSkin() {
  FNoSkin = true;
  TSkinReader reader;
  TMemoryStream stored;
  stored.Write(FSkinStream.data(), static_cast<std::int64_t>(FSkinStream.size()));
  stored.SetPosition(0);
  if (!reader.LoadPackage(stored)) return false;

  TQuickIni ini;
  TMemoryStream scratch;
  reader.FindFile(".ini", scratch);
  scratch.SetPosition(0);
  ini.LoadFromStream(&scratch);

  // The reader and the INI text are lent to the readers for this load only.
  struct Lend {
    TSkinData& data;
    ~Lend() {
      data.FReader = nullptr;
      data.FIni = nullptr;
      data.FSections.Clear();
    }
  } lend{*this};
  FReader = &reader;
  FIni = &ini;
  ReadSkin();
  platform::TraceStartup("skin loaded");
  return true;
}

bool TSkinData::LoadSkin(std::span<const std::uint8_t> package) {
  SetSkinStream(package);
  return LoadSkin();
}

bool TSkinData::LoadSkinFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return LoadSkin(bytes);
}

void TSkinData::LoadPicture(TBitmap* bitmap, const AnsiString& value) {
  const AnsiString name = SkinFileNamePart(value);
  if (!IsSkinBitmapName(name) || FReader == nullptr) {
    bitmap->Clear();
    return;
  }
  TMemoryStream entry;
  FReader->GetFile(name, entry);
  if (entry.Size() == 0) {
    bitmap->Clear();
    return;
  }
  bitmap->LoadFromStream(entry);
}
