# An empty catalog, which the program's cipher cannot carry.
include("${CMAKE_CURRENT_LIST_DIR}/deployment_cp936_settings.cmake")
set(BRELLIS_DB_CATALOG "")
