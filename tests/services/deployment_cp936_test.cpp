// The deployment values of tests/services/deployment_cp936_settings.cmake as
// the build wrote them: the program deciphers the connection values to their
// code-page-936 bytes and holds the account in those bytes too.
#include <gtest/gtest.h>

#include "app/Unit_Public.h"
#include "brellis/deployment.h"
#include "platform/base/sysutils.h"

namespace {

TEST(DeploymentText, NonAsciiValuesAreTheirCodePage936Bytes) {
  EXPECT_EQ(DecryptStr(Trim(deployment::kDatabasePassword)), "\xC3\xDC\xC2\xEB" "Pass");     // 密码Pass
  EXPECT_EQ(DecryptStr(Trim(deployment::kDatabaseUserId)), "\xD3\xC3\xBB\xA7");              // 用户
  EXPECT_EQ(DecryptStr(Trim(deployment::kDatabaseCatalog)), "\xB7\xFE\xCE\xF1\xBF\xE2");     // 服务库
  EXPECT_EQ(DecryptStr(Trim(deployment::kDatabaseDataSource)), "brellis-\xB7\xFE\xCE\xF1.db");
  EXPECT_EQ(AnsiString(deployment::kAccountName), "\xD5\xCA\xBA\xC5" "13800000000");        // 帐号
  EXPECT_EQ(AnsiString(deployment::kAccountPassword), "\xC1\xF9\xC1\xF9\xC1\xF9");           // 六六六
  EXPECT_EQ(AnsiString(deployment::kChatHost), "q\"\\?.example");
  // The cipher text of 4 characters: the seed and one pair each.
  EXPECT_EQ(AnsiString(deployment::kDatabaseUserId).size(), 10u);
}

}  // namespace
