#include "services/http.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace services {

namespace {

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct BodySink {
  std::string body;
  bool tooLarge = false;
};

std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto* sink = static_cast<BodySink*>(user);
  const std::size_t bytes = size * count;
  if (sink->body.size() + bytes > kHttpMaxBodyBytes) {
    sink->tooLarge = true;
    return 0;  // makes libcurl abort the transfer
  }
  sink->body.append(data, bytes);
  return bytes;
}

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

}  // namespace

std::string HttpGet(const std::string& url) {
  InitialiseCurlOnce();
  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  if (!curl) throw EHttpError("HTTP client could not be created");
  BodySink sink;
  char error[CURL_ERROR_SIZE] = {};
  CURL* handle = curl.get();
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Brellis)");
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendBody);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);

  const CURLcode result = curl_easy_perform(handle);
  if (sink.tooLarge) throw EHttpError("HTTP body of " + url + " is larger than the accepted size");
  if (result != CURLE_OK) {
    throw EHttpError("HTTP request " + url + " failed: " +
                     (error[0] != '\0' ? std::string(error) : std::string(curl_easy_strerror(result))));
  }
  long status = 0;
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
  if (status < 200 || status > 299) {
    throw EHttpError("HTTP request " + url + " answered " + std::to_string(status));
  }
  return std::move(sink.body);
}

}  // namespace services
