// The pieces of the TDS 7.4 wire format the test responder speaks: building
// server tokens and reading client requests.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace tdstest {

// A value as the responder handles it; text is UTF-8.
using WireValue = std::variant<std::monostate, std::int64_t, double, std::string>;

// Column and returned-parameter types the responder sends.
enum class WireType {
  Int,       // INTN(4)
  BigInt,    // INTN(8)
  Bit,       // BITN
  Float,     // FLTN(8)
  NVarChar,  // NVARCHAR(4000), UCS-2
  VarChar,   // BIGVARCHAR(8000) in the server's collation (code page 936)
};

class WireError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Writer {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v);
  void U16BigEndian(std::uint16_t v);
  void U32(std::uint32_t v);
  void U32BigEndian(std::uint32_t v);
  void U64(std::uint64_t v);
  void Bytes(const std::vector<std::uint8_t>& v) { bytes_.insert(bytes_.end(), v.begin(), v.end()); }
  // UCS-2 text with a one-byte or two-byte character count.
  void BVarChar(const std::string& utf8);
  void UsVarChar(const std::string& utf8);
  // Overwrites two bytes at `offset` (little-endian), for token lengths.
  void PatchU16(std::size_t offset, std::uint16_t v);

  void TypeInfo(WireType type);
  void Value(WireType type, const WireValue& value);

  std::size_t Size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& Data() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

class Reader {
 public:
  Reader(const std::vector<std::uint8_t>& bytes, std::size_t offset = 0) : bytes_(bytes), pos_(offset) {}

  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  std::uint64_t U64();
  std::vector<std::uint8_t> Bytes(std::size_t count);
  void Skip(std::size_t count) { Bytes(count); }
  std::string Ucs2(std::size_t characters);  // answered as UTF-8
  std::string BVarChar() { return Ucs2(U8()); }
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  std::size_t Position() const { return pos_; }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t pos_;
};

// UTF-8 and UCS-2 (little-endian) text.
std::vector<std::uint8_t> ToUcs2(const std::string& utf8);
std::string FromUcs2(const std::vector<std::uint8_t>& bytes);

// The collation the responder announces and uses for varchar data:
// Chinese (PRC), code page 936.
extern const std::uint8_t kCollation[5];

}  // namespace tdstest
