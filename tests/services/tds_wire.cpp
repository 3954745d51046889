#include "services/tds_wire.h"

#include <cstring>

#include "platform/base/strings.h"

namespace tdstest {

const std::uint8_t kCollation[5] = {0x04, 0x08, 0xD0, 0x00, 0x00};

namespace {

constexpr std::uint8_t kIntN = 0x26;
constexpr std::uint8_t kBitN = 0x68;
constexpr std::uint8_t kFltN = 0x6D;
constexpr std::uint8_t kNVarChar = 0xE7;
constexpr std::uint8_t kBigVarChar = 0xA7;

}  // namespace

void Writer::U16(std::uint16_t v) {
  U8(static_cast<std::uint8_t>(v));
  U8(static_cast<std::uint8_t>(v >> 8));
}

void Writer::U16BigEndian(std::uint16_t v) {
  U8(static_cast<std::uint8_t>(v >> 8));
  U8(static_cast<std::uint8_t>(v));
}

void Writer::U32(std::uint32_t v) {
  U16(static_cast<std::uint16_t>(v));
  U16(static_cast<std::uint16_t>(v >> 16));
}

void Writer::U32BigEndian(std::uint32_t v) {
  U16BigEndian(static_cast<std::uint16_t>(v >> 16));
  U16BigEndian(static_cast<std::uint16_t>(v));
}

void Writer::U64(std::uint64_t v) {
  U32(static_cast<std::uint32_t>(v));
  U32(static_cast<std::uint32_t>(v >> 32));
}

void Writer::BVarChar(const std::string& utf8) {
  const std::vector<std::uint8_t> text = ToUcs2(utf8);
  U8(static_cast<std::uint8_t>(text.size() / 2));
  Bytes(text);
}

void Writer::UsVarChar(const std::string& utf8) {
  const std::vector<std::uint8_t> text = ToUcs2(utf8);
  U16(static_cast<std::uint16_t>(text.size() / 2));
  Bytes(text);
}

void Writer::PatchU16(std::size_t offset, std::uint16_t v) {
  bytes_.at(offset) = static_cast<std::uint8_t>(v);
  bytes_.at(offset + 1) = static_cast<std::uint8_t>(v >> 8);
}

void Writer::TypeInfo(WireType type) {
  switch (type) {
    case WireType::Int: U8(kIntN); U8(4); break;
    case WireType::BigInt: U8(kIntN); U8(8); break;
    case WireType::Bit: U8(kBitN); U8(1); break;
    case WireType::Float: U8(kFltN); U8(8); break;
    case WireType::NVarChar:
      U8(kNVarChar);
      U16(8000);
      for (const std::uint8_t b : kCollation) U8(b);
      break;
    case WireType::VarChar:
      U8(kBigVarChar);
      U16(8000);
      for (const std::uint8_t b : kCollation) U8(b);
      break;
  }
}

void Writer::Value(WireType type, const WireValue& value) {
  const bool null = std::holds_alternative<std::monostate>(value);
  switch (type) {
    case WireType::Int:
    case WireType::BigInt:
    case WireType::Bit: {
      const std::uint8_t size = type == WireType::Int ? 4 : type == WireType::BigInt ? 8 : 1;
      if (null) return U8(0);
      const auto number = static_cast<std::uint64_t>(std::get<std::int64_t>(value));
      U8(size);
      for (int i = 0; i < size; ++i) U8(static_cast<std::uint8_t>(number >> (8 * i)));
      return;
    }
    case WireType::Float: {
      if (null) return U8(0);
      const double number = std::get<double>(value);
      std::uint64_t bits = 0;
      std::memcpy(&bits, &number, sizeof bits);
      U8(8);
      return U64(bits);
    }
    case WireType::NVarChar:
    case WireType::VarChar: {
      if (null) return U16(0xFFFF);
      const std::string& utf8 = std::get<std::string>(value);
      std::vector<std::uint8_t> text;
      if (type == WireType::NVarChar) {
        text = ToUcs2(utf8);
      } else {
        const AnsiString ansi = platform::Utf8ToAnsiString(utf8);
        text.assign(ansi.begin(), ansi.end());
      }
      U16(static_cast<std::uint16_t>(text.size()));
      return Bytes(text);
    }
  }
}

std::uint8_t Reader::U8() {
  if (pos_ >= bytes_.size()) throw WireError("request ends early");
  return bytes_[pos_++];
}

std::uint16_t Reader::U16() {
  const std::uint16_t low = U8();
  return static_cast<std::uint16_t>(low | (U8() << 8));
}

std::uint32_t Reader::U32() {
  const std::uint32_t low = U16();
  return low | (static_cast<std::uint32_t>(U16()) << 16);
}

std::uint64_t Reader::U64() {
  const std::uint64_t low = U32();
  return low | (static_cast<std::uint64_t>(U32()) << 32);
}

std::vector<std::uint8_t> Reader::Bytes(std::size_t count) {
  if (count > bytes_.size() - pos_) throw WireError("request ends early");
  std::vector<std::uint8_t> out(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + count));
  pos_ += count;
  return out;
}

std::string Reader::Ucs2(std::size_t characters) { return FromUcs2(Bytes(characters * 2)); }

std::vector<std::uint8_t> ToUcs2(const std::string& utf8) {
  const std::u16string wide = platform::Utf8ToWideString(utf8);
  std::vector<std::uint8_t> out;
  for (const char16_t c : wide) {
    out.push_back(static_cast<std::uint8_t>(c));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return out;
}

std::string FromUcs2(const std::vector<std::uint8_t>& bytes) {
  std::u16string wide;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) wide += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
  return platform::WideToUtf8String(wide);
}

}  // namespace tdstest
