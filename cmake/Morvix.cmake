# morvix_library(NAME DIR [DEPS ...]): a static library of every .cpp in DIR.
function(morvix_library name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# morvix_test(NAME LABEL DIR [DEPS ...]): one GoogleTest executable of every
# .cpp in DIR, linked with DEPS and the in-memory ports only.
function(morvix_test name label dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} morvix_headless GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    MORVIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    MORVIX_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    MORVIX_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  gtest_discover_tests(${name} PROPERTIES LABELS ${label} DISCOVERY_TIMEOUT 60)
endfunction()
