# A user ID with a character that code page 936 lacks.
include("${CMAKE_CURRENT_LIST_DIR}/deployment_cp936_settings.cmake")
set(BRELLIS_DB_USER_ID [==[user😀]==])
