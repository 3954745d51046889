#include "lzh_reference.h"

#include <cstring>

namespace {

constexpr int N = 4096;
constexpr int F = 60;
constexpr int THRESHOLD = 2;
constexpr int N_CHAR = 256 - THRESHOLD + F;
constexpr int T = N_CHAR * 2 - 1;
constexpr int R = T - 1;
constexpr unsigned MAX_FREQ = 0x8000;

class Reference {
 public:
  explicit Reference(std::span<const std::uint8_t> stream) : stream_(stream) {}

  std::vector<std::uint8_t> Run(std::int64_t count) {
    std::vector<std::uint8_t> out;
    if (count > 0 && count <= (std::int64_t{1} << 30)) out.reserve(static_cast<std::size_t>(count) + F);
    StartHuff();
    std::uint8_t text[N] = {};
    for (int i = 0; i < N - F; ++i) text[i] = ' ';
    int r = N - F;
    for (std::int64_t produced = 0; produced < count;) {
      const int c = DecodeChar();
      if (c < 256) {
        out.push_back(static_cast<std::uint8_t>(c));
        text[r++] = static_cast<std::uint8_t>(c);
        r &= N - 1;
        ++produced;
      } else {
        const int i = (r - DecodePosition() - 1) & (N - 1);
        const int j = c - 255 + THRESHOLD;
        for (int k = 0; k < j; ++k) {
          const std::uint8_t b = text[(i + k) & (N - 1)];
          out.push_back(b);
          text[r++] = b;
          r &= N - 1;
          ++produced;
        }
      }
    }
    return out;
  }

 private:
  int GetByteOfInput() { return next_ < stream_.size() ? stream_[next_++] : 0; }

  int GetBit() {
    while (getlen_ <= 8) {
      getbuf_ = static_cast<std::uint16_t>(getbuf_ | (GetByteOfInput() << (8 - getlen_)));
      getlen_ += 8;
    }
    const int bit = getbuf_ >> 15;
    getbuf_ = static_cast<std::uint16_t>(getbuf_ << 1);
    --getlen_;
    return bit;
  }

  int GetByte() {
    int value = 0;
    for (int i = 0; i < 8; ++i) value = (value << 1) | GetBit();
    return value;
  }

  // The upper six bits and the prefix length for a first byte, from the
  // counts of the description: 32 bytes of length 3, 48 of 4, 64 of 5, 48 of
  // 6, 48 of 7, 16 of 8; each upper value covers 2^(8 - length) bytes.
  static void PositionCode(int byte, int& upper, int& length) {
    static const int counts[] = {32, 48, 64, 48, 48, 16};
    int first = 0, base = 0;
    for (int band = 0; band < 6; ++band) {
      const int len = band + 3;
      if (byte < first + counts[band]) {
        upper = base + (byte - first) / (1 << (8 - len));
        length = len;
        return;
      }
      first += counts[band];
      base += counts[band] / (1 << (8 - len));
    }
  }

  int DecodePosition() {
    int i = GetByte();
    int upper = 0, length = 0;
    PositionCode(i, upper, length);
    for (int j = length - 2; j > 0; --j) i = (i << 1) + GetBit();
    return (upper << 6) | (i & 0x3F);
  }

  int DecodeChar() {
    int c = son_[R];
    while (c < T) {
      c += GetBit();
      c = son_[c];
    }
    c -= T;
    Update(c);
    return c;
  }

  void StartHuff() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq_[i] = 1;
      son_[i] = i + T;
      prnt_[i + T] = i;
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq_[j] = freq_[i] + freq_[i + 1];
      son_[j] = i;
      prnt_[i] = prnt_[i + 1] = j;
    }
    freq_[T] = 0xFFFF;
    prnt_[R] = 0;
  }

  void Reconst() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son_[i] >= T) {
        freq_[j] = (freq_[i] + 1) / 2;
        son_[j] = son_[i];
        ++j;
      }
    }
    for (int i = 0, n = N_CHAR; n < T; i += 2, ++n) {
      const unsigned f = freq_[i] + freq_[i + 1];
      int k = n - 1;
      while (f < freq_[k]) --k;
      ++k;
      std::memmove(&freq_[k + 1], &freq_[k], (n - k) * sizeof freq_[0]);
      freq_[k] = f;
      std::memmove(&son_[k + 1], &son_[k], (n - k) * sizeof son_[0]);
      son_[k] = i;
    }
    for (int i = 0; i < T; ++i) {
      const int k = son_[i];
      prnt_[k] = i;
      if (k < T) prnt_[k + 1] = i;
    }
  }

  void Update(int c) {
    if (freq_[R] == MAX_FREQ) Reconst();
    c = prnt_[c + T];
    do {
      const unsigned k = ++freq_[c];
      int l = c + 1;
      if (k > freq_[l]) {
        while (k > freq_[++l]) {
        }
        --l;
        freq_[c] = freq_[l];
        freq_[l] = k;
        const int i = son_[c];
        prnt_[i] = l;
        if (i < T) prnt_[i + 1] = l;
        const int j = son_[l];
        son_[l] = i;
        prnt_[j] = c;
        if (j < T) prnt_[j + 1] = c;
        son_[c] = j;
        c = l;
      }
    } while ((c = prnt_[c]) != 0);
  }

  std::span<const std::uint8_t> stream_;
  std::size_t next_ = 0;
  std::uint16_t getbuf_ = 0;
  int getlen_ = 0;
  unsigned freq_[T + 1] = {};
  int prnt_[T + N_CHAR] = {};
  int son_[T] = {};
};

}  // namespace

std::vector<std::uint8_t> ReferenceUnpack(std::span<const std::uint8_t> stream, std::int64_t count) {
  return Reference(stream).Run(count);
}
