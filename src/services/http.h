// Plain HTTP requests with libcurl. Requests block until they complete.
#pragma once

#include <string>

#include "platform/base/sysutils.h"

namespace services {

// A request that did not give a successful answer: the transfer failed (no
// connection, name not resolved, broken reply) or the server answered with a
// status other than 2xx. The message says which.
class EHttpError : public Exception {
 public:
  using Exception::Exception;
};

// The largest body a request accepts; a longer one fails with EHttpError
// rather than filling memory with whatever a server sends.
constexpr std::size_t kHttpMaxBodyBytes = 4 * 1024 * 1024;

// GETs the address and answers the body's bytes as they arrived. Redirects are
// not followed: a 3xx answer is a failure, like any other answer but 2xx.
std::string HttpGet(const std::string& url);

}  // namespace services
