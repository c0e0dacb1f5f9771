# find_package(ZRConsGT 6): the imported target ZRConsGT::ZRConsGT6 (header and shared library).
include("${CMAKE_CURRENT_LIST_DIR}/ZRConsGTTargets.cmake")
