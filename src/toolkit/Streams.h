// Byte streams as the toolkit knows them: a position, a size, reads and writes
// that answer how much they moved, and the exact-size ReadBuffer/WriteBuffer
// that raise when the stream cannot satisfy them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/sysutils.h"

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};
class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;

  // Moves up to `count` bytes and answers how many moved.
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  // Answers the new position.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  virtual void SetSize(std::int64_t size) = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  std::int64_t Size();

  // Raise EReadError ("Stream read error") / EWriteError ("Stream write error")
  // when fewer than `count` bytes move.
  void ReadBuffer(void* buffer, std::int64_t count);
  void WriteBuffer(const void* buffer, std::int64_t count);

  // Copies `count` bytes from `source` (all of it from its start when count is 0).
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

// A stream over a growable block of memory.
class TMemoryStream : public TStream {
 public:
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;

  void Clear();
  std::uint8_t* Memory() { return data_.data(); }
  const std::uint8_t* Memory() const { return data_.data(); }

  void LoadFromStream(TStream& source);
  void LoadFromFile(const std::string& path);  // raises EFOpenError
  void SaveToStream(TStream& target);
  void SaveToFile(const std::string& path);  // raises EFOpenError or EWriteError

 private:
  std::vector<std::uint8_t> data_;
  std::int64_t position_ = 0;
};

enum class TFileMode { fmOpenRead, fmCreate, fmOpenReadWrite };

// A stream over an open file; raises EFOpenError when the file cannot be opened.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& path, TFileMode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;

 private:
  int fd_ = -1;
};
