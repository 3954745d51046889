#include <gtest/gtest.h>

#include "services/http.h"
#include "services/loopback.h"
#include "services/loopback_http_server.h"

namespace {

using httptest::LoopbackHttpServer;
using services::EHttpError;
using services::HttpGet;

TEST(HttpGet, AnswersTheBodyOfASuccessfulRequest) {
  LoopbackHttpServer server(200, "<html>[203.0.113.7]</html>");
  EXPECT_EQ(HttpGet("http://" + server.Host() + "/ic.asp"), "<html>[203.0.113.7]</html>");
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].rfind("GET /ic.asp HTTP/1.1\r\n", 0), 0u) << requests[0];
  EXPECT_NE(requests[0].find("User-Agent: "), std::string::npos);
}

TEST(HttpGet, ErrorStatusRedirectRefusalAndOversizeBodyRaise) {
  LoopbackHttpServer failing(500, "oops");
  try {
    HttpGet("http://" + failing.Host() + "/ic.asp");
    FAIL();
  } catch (const EHttpError& e) {
    EXPECT_NE(e.Message().find("500"), std::string::npos) << e.Message();
  }
  LoopbackHttpServer moved(302, "", "Location: http://127.0.0.1:1/\r\n");
  EXPECT_THROW(HttpGet("http://" + moved.Host() + "/"), EHttpError);
  EXPECT_THROW(HttpGet("http://127.0.0.1:" + std::to_string(looptest::RefusingPort()) + "/ic.asp"), EHttpError);
  LoopbackHttpServer huge(200, std::string(services::kHttpMaxBodyBytes + 1, 'x'));
  EXPECT_THROW(HttpGet("http://" + huge.Host() + "/"), EHttpError);
  EXPECT_THROW(HttpGet("ftp://127.0.0.1/"), EHttpError);
}

}  // namespace
