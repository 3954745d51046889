#include "skin_package_helpers.h"

#include "skin/SkinRead.h"

void AppendInt32(Bytes& out, std::int64_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

Bytes RawPackage(std::int32_t version, int blockSize, const std::string& names, const std::vector<std::int32_t>& sizes,
                 const Bytes& data) {
  Bytes raw;
  AppendInt32(raw, version);
  AppendInt32(raw, static_cast<std::int64_t>(names.size()));
  AppendInt32(raw, 0x11111111);
  AppendInt32(raw, 0x22222222);
  for (int i = 0; i < blockSize; ++i) raw.push_back(static_cast<std::uint8_t>(0xA0 + i % 7));
  raw.insert(raw.end(), names.begin(), names.end());
  for (std::int32_t size : sizes) AppendInt32(raw, size);
  raw.insert(raw.end(), data.begin(), data.end());
  return raw;
}

Bytes Compress(const Bytes& raw, std::int64_t announcedSize) {
  Bytes out;
  AppendInt32(out, announcedSize >= 0 ? announcedSize : static_cast<std::int64_t>(raw.size()));
  const Bytes stream = LzhPackBytes(raw);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

TMemoryStream StreamOf(const Bytes& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
  return stream;
}

MessageBoxRecorder::MessageBoxRecorder() {
  previous_ = platform::SetMessageBoxHandler([this](HWND, const WideString& text, const WideString&, UINT) {
    texts_.push_back(platform::WideToUtf8String(text));
    return IDOK;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { platform::SetMessageBoxHandler(std::move(previous_)); }
