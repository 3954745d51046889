// Building skin packages byte by byte for the reader's tests, and watching the
// message box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/user/msgbox.h"
#include "toolkit/Streams.h"

using Bytes = std::vector<std::uint8_t>;

void AppendInt32(Bytes& out, std::int64_t value);

// A decompressed package laid out by hand: header, a version block of
// `blockSize` bytes (filled with a pattern), the names text, the sizes, data.
Bytes RawPackage(std::int32_t version, int blockSize, const std::string& names, const std::vector<std::int32_t>& sizes,
                 const Bytes& data);
// The compressed form: the uncompressed size (or `announcedSize` when given),
// then the LZHUF stream.
Bytes Compress(const Bytes& raw, std::int64_t announcedSize = -1);
TMemoryStream StreamOf(const Bytes& bytes);

// Records every message box shown while it lives, answering IDOK.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  std::vector<std::string> texts_;
  platform::MessageBoxHandler previous_;
};
