# Who the program is to the system beyond its version (project VERSION): the
# name of its desktop entry, icon and AppStream component, and its home page.
set(KAV_DESKTOP_ID org.kavsystem.kav)
set(KAV_HOME_PAGE https://kavsystem.org/)

# kav_identity: the generated header ProgramIdentity.h, for the programs and
# the tests that check what they report.
configure_file(${CMAKE_CURRENT_LIST_DIR}/ProgramIdentity.h.in ${PROJECT_BINARY_DIR}/generated/ProgramIdentity.h @ONLY)
add_library(kav_identity INTERFACE)
target_include_directories(kav_identity INTERFACE ${PROJECT_BINARY_DIR}/generated)
