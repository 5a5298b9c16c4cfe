# Every folder of sources is one library and every folder of tests one test program; files are
# picked up by globbing so that adding a class never means editing a list.

function(qarvo_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(compiled)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
    if("${ARGN}" MATCHES "Qt6::")
      set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
  else()
    # A folder that holds no sources yet still takes part in the link graph.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

function(qarvo_test name folder)
  file(GLOB sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/tests/${folder}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                                  ENVIRONMENT_MODIFICATION
                                  "LSAN_OPTIONS=set:suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
endfunction()

function(qarvo_bench name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE benchmark::benchmark_main)
endfunction()

# The model's folders call one another (a block asks its view for the simulated clock, the view
# steps the blocks, the document owns both), so their libraries are linked as one group.
function(qarvo_link_group)
  foreach(target ${ARGN})
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "STATIC_LIBRARY")
      continue()
    endif()
    # The group's cycle is long; repeat it often enough that every member sees every other.
    set_property(TARGET ${target} PROPERTY LINK_INTERFACE_MULTIPLICITY 4)
    foreach(other ${ARGN})
      get_target_property(other_type ${other} TYPE)
      if(NOT other STREQUAL target AND other_type STREQUAL "STATIC_LIBRARY")
        target_link_libraries(${target} PUBLIC ${other})
      endif()
    endforeach()
  endforeach()
endfunction()
