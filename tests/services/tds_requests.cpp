// Reading what FreeTDS sends: LOGIN7 records and RPC requests.
#include <cstring>

#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "services/tds_responder.h"

namespace tdstest {

namespace {

// Type bytes of TDS 7.
enum : std::uint8_t {
  kNull = 0x1F, kInt1 = 0x30, kBit = 0x32, kInt2 = 0x34, kInt4 = 0x38, kInt8 = 0x7F, kFlt4 = 0x3B, kFlt8 = 0x3E,
  kDateTime4 = 0x3A, kDateTime = 0x3D, kMoney = 0x3C, kMoney4 = 0x7A, kGuid = 0x24, kIntN = 0x26, kBitN = 0x68,
  kFltN = 0x6D, kMoneyN = 0x6E, kDateTimeN = 0x6F, kDecimalN = 0x6A, kNumericN = 0x6C, kBigVarBinary = 0xA5,
  kBigVarChar = 0xA7, kBigBinary = 0xAD, kBigChar = 0xAF, kNVarChar = 0xE7, kNChar = 0xEF, kText = 0x23,
  kNText = 0x63, kImage = 0x22,
};

std::int64_t LittleEndian(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < bytes.size() && i < 8; ++i) v |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  // Sign-extend the narrower integers.
  if (bytes.size() < 8 && !bytes.empty() && (bytes.back() & 0x80) != 0 && bytes.size() != 1) {
    v |= ~std::uint64_t{0} << (8 * bytes.size());
  }
  return static_cast<std::int64_t>(v);
}

WireValue Number(std::uint8_t type, const std::vector<std::uint8_t>& data) {
  if (type == kFlt8 || (type == kFltN && data.size() == 8)) {
    double d;
    std::memcpy(&d, data.data(), 8);
    return d;
  }
  if (type == kFlt4 || type == kFltN) {
    float f;
    std::memcpy(&f, data.data(), 4);
    return static_cast<double>(f);
  }
  return LittleEndian(data);
}

WireValue Text(std::uint8_t type, const std::vector<std::uint8_t>& data) {
  if (type == kNVarChar || type == kNChar || type == kNText) return FromUcs2(data);
  if (type == kBigVarChar || type == kBigChar || type == kText) {
    return platform::AnsiToUtf8String(std::string(data.begin(), data.end()));  // code page 936
  }
  return std::string(data.begin(), data.end());
}

// Partially length-prefixed data (the "max" types): chunks until a zero one.
std::vector<std::uint8_t> ReadPlp(Reader& in, bool& null) {
  const std::uint64_t total = in.U64();
  null = total == ~std::uint64_t{0};
  std::vector<std::uint8_t> data;
  if (null) return data;
  while (const std::uint32_t chunk = in.U32()) {
    const std::vector<std::uint8_t> part = in.Bytes(chunk);
    data.insert(data.end(), part.begin(), part.end());
  }
  return data;
}

// One parameter's TYPE_INFO and value.
WireValue ReadTypedValue(Reader& in, std::uint8_t type) {
  switch (type) {
    case kNull: return {};
    case kInt1: case kBit: return Number(type, in.Bytes(1));
    case kInt2: return Number(type, in.Bytes(2));
    case kInt4: case kFlt4: case kDateTime4: case kMoney4: return Number(type, in.Bytes(4));
    case kInt8: case kFlt8: case kDateTime: case kMoney: return Number(type, in.Bytes(8));
    case kGuid: case kIntN: case kBitN: case kFltN: case kMoneyN: case kDateTimeN: {
      in.U8();  // maximum length
      const std::uint8_t length = in.U8();
      if (length == 0) return {};
      return Number(type, in.Bytes(length));
    }
    case kDecimalN: case kNumericN: {
      in.Skip(3);  // maximum length, precision, scale
      const std::uint8_t length = in.U8();
      if (length == 0) return {};
      in.Skip(length);
      return std::string("(decimal)");
    }
    case kBigVarChar: case kBigChar: case kNVarChar: case kNChar: case kBigVarBinary: case kBigBinary: {
      const std::uint16_t maxLength = in.U16();
      if (type != kBigVarBinary && type != kBigBinary) in.Skip(5);  // collation
      if (maxLength == 0xFFFF) {
        bool null = false;
        const std::vector<std::uint8_t> data = ReadPlp(in, null);
        if (null) return {};
        return Text(type, data);
      }
      const std::uint16_t length = in.U16();
      if (length == 0xFFFF) return {};
      return Text(type, in.Bytes(length));
    }
    case kText: case kNText: case kImage: {
      in.U32();  // maximum length
      if (type != kImage) in.Skip(5);
      const std::uint32_t length = in.U32();
      if (length == 0xFFFFFFFF) return {};
      return Text(type, in.Bytes(length));
    }
    default: throw WireError("parameter of unknown type 0x" + IntToHex(type, 2));
  }
}

std::string Field(const std::vector<std::uint8_t>& message, std::size_t at) {
  Reader offsets(message, at);
  const std::uint16_t offset = offsets.U16();
  const std::uint16_t characters = offsets.U16();
  Reader text(message, offset);
  return text.Ucs2(characters);
}

}  // namespace

const RpcParam* RpcCall::Find(const std::string& name) const {
  for (const RpcParam& param : params) {
    if (SameText(param.name, name)) return &param;
  }
  return nullptr;
}

RpcCall ParseRpcRequest(const std::vector<std::uint8_t>& message) {
  Reader in(message);
  const std::uint32_t headers = in.U32();
  in.Skip(headers - 4);
  RpcCall call;
  const std::uint16_t nameLength = in.U16();
  if (nameLength == 0xFFFF) {
    call.procedure = "#" + std::to_string(in.U16());
  } else {
    call.procedure = in.Ucs2(nameLength);
  }
  in.U16();  // option flags
  while (!in.AtEnd()) {
    RpcParam param;
    param.name = in.BVarChar();
    param.output = (in.U8() & 0x01) != 0;
    param.wireType = in.U8();
    param.value = ReadTypedValue(in, param.wireType);
    call.params.push_back(std::move(param));
  }
  return call;
}

LoginRecord ParseLogin(const std::vector<std::uint8_t>& message) {
  LoginRecord login;
  Reader version(message, 4);
  login.tdsVersion = version.U32();
  login.user = Field(message, 40);
  // The password is sent with each byte's halves swapped and XORed with 0xA5.
  Reader offsets(message, 44);
  const std::uint16_t offset = offsets.U16();
  const std::uint16_t characters = offsets.U16();
  std::vector<std::uint8_t> password = Reader(message, offset).Bytes(characters * 2u);
  for (std::uint8_t& b : password) {
    b ^= 0xA5;
    b = static_cast<std::uint8_t>((b << 4) | (b >> 4));
  }
  login.password = FromUcs2(password);
  login.application = Field(message, 48);
  login.database = Field(message, 68);
  return login;
}

}  // namespace tdstest
