// list PKG: one line per entry, its size and its name, in directory order.
#include <cstdio>

#include "skinpack.h"

namespace skinpack {

int List(const Arguments& args) {
  if (args.size() != 1) return 2;
  TSkinReader reader;
  LoadPackageFile(args[0], reader);
  long long total = 0;
  for (int i = 0; i < reader.Count(); ++i) {
    std::printf("%10d  %s\n", reader.Size(i), NameForTerminal(reader.Names()[i]).c_str());
    total += reader.Size(i);
  }
  std::printf("%d entries, %lld bytes, version %d\n", reader.Count(), total, reader.Version());
  return 0;
}

}  // namespace skinpack
