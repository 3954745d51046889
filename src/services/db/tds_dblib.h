// FreeTDS db-lib's header, included after the project's own headers: it
// defines macros (TRUE, FALSE) and types of its own.
#pragma once

#include <sybdb.h>
