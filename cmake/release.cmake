# The download (tools/release): pelgra-<version>-win64.zip holding pelgra.exe and
# README.txt at its root, packed by CPack. Made twice from one commit it is the same
# file byte for byte: the program has no link time in it, the archive gets fixed file
# times from SOURCE_DATE_EPOCH (set by pelgra_pack) and fixed permissions.
configure_file("${CMAKE_SOURCE_DIR}/res/README.txt.in" "${PELGRA_GENERATED}/README.txt" @ONLY NEWLINE_STYLE CRLF)

install(TARGETS pelgra RUNTIME DESTINATION .
        PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(FILES "${PELGRA_GENERATED}/README.txt" DESTINATION .
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# Packing builds nothing: the release command builds the program first, and the tests
# need not be built to pack it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME pelgra)
set(CPACK_PACKAGE_VENDOR Tarvinex)
set(CPACK_PACKAGE_FILE_NAME "pelgra-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
