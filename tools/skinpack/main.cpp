// skinpack: makes and inspects skin packages.
//
//   skinpack pack DIR OUT [--order FILE]   pack a folder's bitmaps and INI
//   skinpack list PKG                      names and sizes of the entries
//   skinpack extract PKG DIR               write every entry into a folder
//   skinpack ini PKG                       print the skin's INI text
//   skinpack check PKG                     load it and warn about likely mistakes
//   skinpack dump PKG                      the loaded skin model as JSON
//   skinpack preview PKG OUT.png           a labelled sheet of every picture
//
// Exit codes: 0 done, 1 failed (the message says why), 2 wrong usage.
#include <cstdio>
#include <cstring>

#include "skinpack.h"

namespace {

struct Verb {
  const char* name;
  const char* synopsis;
  int (*run)(const skinpack::Arguments&);
};

constexpr Verb Verbs[] = {
    {"pack", "pack DIR OUT [--order FILE]", skinpack::Pack},
    {"list", "list PKG", skinpack::List},
    {"extract", "extract PKG DIR", skinpack::Extract},
    {"ini", "ini PKG", skinpack::Ini},
    {"check", "check PKG", skinpack::Check},
    {"dump", "dump PKG", skinpack::Dump},
    {"preview", "preview PKG OUT.png", skinpack::Preview},
};

int Usage() {
  std::fprintf(stderr, "usage:\n");
  for (const Verb& verb : Verbs) std::fprintf(stderr, "  skinpack %s\n", verb.synopsis);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  for (const Verb& verb : Verbs) {
    if (std::strcmp(argv[1], verb.name) != 0) continue;
    try {
      const int result = verb.run(skinpack::Arguments(argv + 2, argv + argc));
      if (result == 2) std::fprintf(stderr, "usage: skinpack %s\n", verb.synopsis);
      return result;
    } catch (const skinpack::ToolError& e) {
      std::fprintf(stderr, "skinpack: %s\n", e.what());
    } catch (const Exception& e) {
      std::fprintf(stderr, "skinpack: %s\n", e.Message().c_str());
    } catch (const std::exception& e) {
      std::fprintf(stderr, "skinpack: %s\n", e.what());
    }
    return 1;
  }
  std::fprintf(stderr, "skinpack: unknown verb \"%s\"\n", argv[1]);
  return Usage();
}
