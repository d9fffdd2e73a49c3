# GoogleTest for a cross build: Debian ships it built for Linux only, so it is built here from Debian's
# sources (package googletest) with the cross compiler. find_package(GTest) then takes these targets.
include(FetchContent)
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian package googletest)")
FetchContent_Declare(GTest SOURCE_DIR ${GOOGLETEST_SOURCE_DIR} OVERRIDE_FIND_PACKAGE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
FetchContent_MakeAvailable(GTest)
foreach(library gtest gtest_main)
    if(NOT TARGET GTest::${library})  # newer GoogleTest names them itself
        add_library(GTest::${library} ALIAS ${library})
    endif()
endforeach()

# The test programs cannot run at build time; ctest lists their tests when it runs them, under the
# emulator (Wine) given as CMAKE_CROSSCOMPILING_EMULATOR.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
