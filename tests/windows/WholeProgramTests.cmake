# Under wine every start of a program costs about a second, so in the Windows
# build each test program runs once as a single test instead of once per
# test case, and no test program has to run while building to list its
# cases. GoogleTest still reports every failing case by name.
function(gtest_discover_tests target)
  cmake_parse_arguments(ARG "" "" "PROPERTIES" ${ARGN})
  add_test(NAME ${target} COMMAND ${target})
  if(ARG_PROPERTIES)
    set_tests_properties(${target} PROPERTIES ${ARG_PROPERTIES})
  endif()
endfunction()
