// Every painter and bitmap-utility test must leave the handle table's live
// counts as it found them.
#include "support/handle_leaks.h"

namespace {

const bool kInstalled = [] {
  brellis::test::InstallHandleLeakListener();
  return true;
}();

}  // namespace
