include(GNUInstallDirs)
set(NUBILO_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/nubilo)

# nubilo_library(NAME [STATIC|OBJECT] [DEPS targets...] [PRIVATE_DEPS targets...]
#                [PRIVATE_HEADERS files...] [TEST_DEPS targets...])
# Builds every *.cpp of the calling folder into a library (shared by default) whose headers are
# found from that folder, and the folder's tests/*.cpp into NAME_tests. A shared library is
# installed with a version and SONAME, in the Nubilo package (Nubilo::NAME), with the folder's
# headers but the private ones; a static or object library is internal to the build.
function(nubilo_library name)
  cmake_parse_arguments(ARG "STATIC;OBJECT" "" "DEPS;PRIVATE_DEPS;PRIVATE_HEADERS;TEST_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()  # a component without sources yet builds nothing
  endif()
  if(ARG_OBJECT)
    add_library(${name} OBJECT ${sources})
  elseif(ARG_STATIC)
    add_library(${name} STATIC ${sources})
  else()
    add_library(${name} SHARED ${sources})
  endif()
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>
                                             $<INSTALL_INTERFACE:${NUBILO_INCLUDE_DIR}>)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  if(NOT ARG_STATIC AND NOT ARG_OBJECT)
    nubilo_install_library(${name} ${ARG_PRIVATE_HEADERS})
  endif()
  nubilo_tests(${name} ${name} ${ARG_TEST_DEPS})
endfunction()

# nubilo_install_library(NAME PRIVATE_HEADERS...): the library and its public headers.
function(nubilo_install_library name)
  set_target_properties(${name} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
                                           EXPORT_NAME ${name})
  install(TARGETS ${name} EXPORT NubiloTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  file(GLOB headers ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(private ${ARGN})
    list(REMOVE_ITEM headers ${CMAKE_CURRENT_SOURCE_DIR}/${private})
  endforeach()
  install(FILES ${headers} DESTINATION ${NUBILO_INCLUDE_DIR})
endfunction()

# nubilo_tests(TARGET_PREFIX LIBS...): tests/*.cpp of the calling folder into one GoogleTest program.
function(nubilo_tests prefix)
  if(NOT NUBILO_BUILD_TESTS)
    return()
  endif()
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(NOT tests)
    return()
  endif()
  add_executable(${prefix}_tests ${tests})
  target_link_libraries(${prefix}_tests PRIVATE ${ARGN} GTest::gtest_main)
  target_include_directories(${prefix}_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/TestSupport)
  target_compile_definitions(${prefix}_tests PRIVATE
    NUBILO_SHARED_DATA="${NUBILO_SHARED_DATA}"
    NUBILO_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests")
  gtest_discover_tests(${prefix}_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
endfunction()
