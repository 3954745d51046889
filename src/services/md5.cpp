#include "services/md5.h"

#include <openssl/evp.h>

namespace services {

Md5Digest ComputeMd5(std::string_view bytes) {
  Md5Digest digest{};
  unsigned int size = 0;
  EVP_Digest(bytes.data(), bytes.size(), digest.data(), &size, EVP_md5(), nullptr);
  return digest;
}

}  // namespace services
