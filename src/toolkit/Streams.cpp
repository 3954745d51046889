#include "toolkit/Streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

std::int64_t TStream::Size() {
  const std::int64_t position = Position();
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::uint8_t chunk[64 * 1024];
  std::int64_t left = count;
  while (left > 0) {
    const std::int64_t n = std::min<std::int64_t>(left, sizeof chunk);
    source.ReadBuffer(chunk, n);
    WriteBuffer(chunk, n);
    left -= n;
  }
  return count;
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  const std::int64_t size = static_cast<std::int64_t>(data_.size());
  if (count <= 0 || position_ >= size) return 0;
  const std::int64_t n = std::min(count, size - position_);
  std::memcpy(buffer, data_.data() + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0 || position_ < 0) return 0;
  const std::int64_t end = position_ + count;
  if (end > static_cast<std::int64_t>(data_.size())) data_.resize(static_cast<std::size_t>(end));
  std::memcpy(data_.data() + position_, buffer, static_cast<std::size_t>(count));
  position_ = end;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning:
      position_ = offset;
      break;
    case TSeekOrigin::soCurrent:
      position_ += offset;
      break;
    case TSeekOrigin::soEnd:
      position_ = static_cast<std::int64_t>(data_.size()) + offset;
      break;
  }
  return position_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  data_.resize(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
  position_ = std::min(position_, static_cast<std::int64_t>(data_.size()));
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  SetSize(size);
  source.ReadBuffer(data_.data(), size);
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& path) {
  TFileStream file(path, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& target) {
  target.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

void TMemoryStream::SaveToFile(const std::string& path) {
  TFileStream file(path, TFileMode::fmCreate);
  SaveToStream(file);
}

TFileStream::TFileStream(const std::string& path, TFileMode mode) {
  int flags = O_CLOEXEC;
  switch (mode) {
    case TFileMode::fmOpenRead:
      flags |= O_RDONLY;
      break;
    case TFileMode::fmCreate:
      flags |= O_RDWR | O_CREAT | O_TRUNC;
      break;
    case TFileMode::fmOpenReadWrite:
      flags |= O_RDWR;
      break;
  }
  fd_ = ::open(path.c_str(), flags, 0666);
  if (fd_ < 0) {
    throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
  }
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) ::close(fd_);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  std::int64_t total = 0;
  auto* out = static_cast<std::uint8_t*>(buffer);
  while (total < count) {
    const ssize_t n = ::read(fd_, out + total, static_cast<std::size_t>(count - total));
    if (n <= 0) break;
    total += n;
  }
  return total;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  std::int64_t total = 0;
  const auto* in = static_cast<const std::uint8_t*>(buffer);
  while (total < count) {
    const ssize_t n = ::write(fd_, in + total, static_cast<std::size_t>(count - total));
    if (n <= 0) break;
    total += n;
  }
  return total;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET : origin == TSeekOrigin::soCurrent ? SEEK_CUR : SEEK_END;
  return ::lseek(fd_, offset, whence);
}

void TFileStream::SetSize(std::int64_t size) {
  if (::ftruncate(fd_, size) != 0) throw EWriteError("Stream write error");
}
