# GoogleTest for the Windows cross build, compiled from Debian's source package. Gives the same
# targets as CMake's own FindGTest: GTest::gtest, GTest::gtest_main, GTest::gmock, GTest::gmock_main.
set(VANTREL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build for the target")

if(NOT TARGET GTest::gtest)
  if(NOT EXISTS ${VANTREL_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${VANTREL_GTEST_SOURCE_DIR}: install Debian's googletest package")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${VANTREL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(library gtest gtest_main gmock gmock_main)
    # Not our code: its warnings are not ours to fix.
    target_compile_options(${library} PRIVATE -w)
    if(NOT TARGET GTest::${library})
      add_library(GTest::${library} ALIAS ${library})
    endif()
  endforeach()
endif()

set(GTest_FOUND TRUE)
set(GTEST_FOUND TRUE)
