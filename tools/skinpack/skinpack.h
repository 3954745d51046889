// skinpack: the skin packer for skin authors. Each verb lives in its own file
// and is listed once in main.cpp.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "skin/SkinRead.h"

namespace skinpack {

// A failure to report: the message says what is wrong; the tool exits with 1.
class ToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The command line after the verb.
using Arguments = std::vector<std::string>;

int Pack(const Arguments& args);
int List(const Arguments& args);
int Extract(const Arguments& args);
int Ini(const Arguments& args);
int Check(const Arguments& args);
int Dump(const Arguments& args);
int Preview(const Arguments& args);

// Loads the compressed package in the file at `path`; a package the reader
// refuses raises ToolError with the reader's reason.
void LoadPackageFile(const std::string& path, TSkinReader& reader);

// Entry names are 8-bit text in the program's code page; file names and the
// terminal are UTF-8.
std::string NameForTerminal(const AnsiString& name);

}  // namespace skinpack
