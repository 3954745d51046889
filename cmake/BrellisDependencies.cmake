# Outside libraries. Every one of them is installed by scripts/setup.

find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(OpenSSL REQUIRED)
find_package(Iconv REQUIRED)
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
include(GoogleTest)
find_package(CURL REQUIRED)
pkg_check_modules(SQLITE3 REQUIRED IMPORTED_TARGET sqlite3)
# FreeTDS db-lib ships no pkg-config file.
find_path(SYBDB_INCLUDE_DIR sybdb.h REQUIRED)
find_library(SYBDB_LIBRARY sybdb REQUIRED)
include(BrellisDeployment)
