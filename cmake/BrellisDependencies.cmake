# Outside libraries. Every one of them is installed by scripts/setup.

find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(OpenSSL REQUIRED)
find_package(Iconv REQUIRED)
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
include(GoogleTest)
