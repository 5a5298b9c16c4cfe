# Every library is made of one or more folders of sources and every folder of tests is one test
# program; files are picked up by globbing so that adding a class never means editing a list.

# folders: one folder under src/, or a list of them ("blocks;document").
function(qarvo_library name folders)
  set(sources)
  foreach(folder ${folders})
    file(GLOB folder_sources CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    list(APPEND sources ${folder_sources})
  endforeach()
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

# Listing a test program's tests starts the whole sanitizer build; on a busy machine that takes
# far longer than CTest's default of 5 s, and a listing cut short fails the whole run.
set(QARVO_DISCOVERY_TIMEOUT 120)

# The leak checker's settings for every test: the suppressions of the libraries' own caches, and
# no tracking of dynamic thread-local blocks. The sanitizer runtime finds such a block's bounds by
# reading a header it guesses lies before the block; a block that happens to start 16 bytes into
# a page (as libjpeg's does, loaded when a picture is printed) hands it a garbage range, and the
# leak check at exit then crashes while scanning it ("Tracer caught signal 11").
set(QARVO_LSAN_OPTIONS
    "LSAN_OPTIONS=set:suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:intercept_tls_get_addr=0")

function(qarvo_test name folder)
  file(GLOB sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/tests/${folder}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT ${QARVO_DISCOVERY_TIMEOUT}
                       WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                                  ENVIRONMENT_MODIFICATION
                                  ${QARVO_LSAN_OPTIONS})
endfunction()

function(qarvo_bench name)
  add_executable(${name} ${ARGN})
  # The diagrams the benchmarks measure are the ones the tests draw (tests/support).
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE benchmark::benchmark_main)
endfunction()

# Fails the configuration when target links, directly or through any library it links, one of
# the forbidden targets or libraries (matched by name): the model must stand without windows.
function(qarvo_forbid_links target)
  set(pending ${target})
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen OR NOT TARGET ${current})
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(type ${current} TYPE)
    set(links)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    foreach(link ${links})
      foreach(forbidden ${ARGN})
        if(link MATCHES "${forbidden}")
          message(FATAL_ERROR "${target} links ${link} through ${current}")
        endif()
      endforeach()
      list(APPEND pending ${link})
    endforeach()
  endwhile()
endfunction()

# Fails the configuration when a source file in one of the folders under src/ includes a header
# whose path starts with prefix: a library reaches no header of a library above it.
function(qarvo_forbid_includes prefix)
  foreach(folder ${ARGN})
    file(GLOB_RECURSE sources ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    foreach(source ${sources})
      file(STRINGS ${source} includes REGEX "^#include \"${prefix}")
      if(includes)
        message(FATAL_ERROR "${source} includes ${includes}")
      endif()
    endforeach()
  endforeach()
endfunction()
