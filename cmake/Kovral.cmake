# Shared build rules: every library and test of the project goes through these.

set(KOVRAL_WARNINGS -Wall -Wextra -Wpedantic)

# kovral_library(name SOURCES ... LIBS ...): a static library with src/ as include root.
function(kovral_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${KOVRAL_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# kovral_test(name [WIDGETS] [SERIAL] SOURCES ... LIBS ...): a GoogleTest executable registered
# with ctest; WIDGETS gives it a QApplication instead of a QCoreApplication.
# Discovery runs before the tests, never at build time, so a broken test binary
# does not break the build.
# SERIAL runs each of its tests alone, for tests that drive a real program under a
# virtual X server with waits that a loaded machine would outrun.
function(kovral_test name)
  cmake_parse_arguments(ARG "WIDGETS;SERIAL" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${KOVRAL_WARNINGS})
  if(ARG_WIDGETS)
    set(test_main test_main_widgets)
  else()
    set(test_main test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support ${test_main} GTest::gtest)
  set(serial FALSE)
  if(ARG_SERIAL)
    set(serial TRUE)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300 RUN_SERIAL ${serial})
endfunction()
