# Build rules shared by every directory of the tree.
#
#   halvix_subsystem(<name> LAYER <n> [DEPENDS <subsystems>...]
#                    [SOURCES ...] [PRODUCT_SOURCES ...] [HOST_SOURCES ...]
#                    [LIBS <outside libraries>...])
#     One subsystem as a static library <name>. SOURCES build in both builds,
#     PRODUCT_SOURCES only for Windows, HOST_SOURCES only on the host.
#     DEPENDS names the subsystems below it that it may call; a subsystem of
#     the same or a higher layer is refused (the two halves of the base,
#     layer 0, may call each other). Every subsystem is also linked once as a
#     shared library against exactly what it declares, so a call into a
#     subsystem it does not declare - a reverse dependency - fails to link.
#
#   halvix_test(<name> SOURCES ... [LIBS ...] [PRODUCT_ONLY] [HOST_ONLY]
#               [LABELS ...] [TIMEOUT <s>])
#     A GoogleTest executable, one ctest test. In the product build ctest runs
#     it under Wine (the wine fixture gives the run a prefix and a display).
#     Tests find the build and source trees in HALVIX_BUILD and HALVIX_SOURCE.
#
#   halvix_script_test(<name> COMMAND ... [LABELS ...] [TIMEOUT <s>])
#     A test that is a command of the build host (end-to-end scripts). It finds
#     HALVIX_BUILD and HALVIX_SOURCE in its environment; in the product build
#     also the Wine machine (HALVIX_WINE_STATE, HALVIX_MACHINE) and the fixture.

include_guard(GLOBAL)

if(WIN32)
  set(HALVIX_PRODUCT ON)
  set(HALVIX_HOST OFF)
else()
  set(HALVIX_PRODUCT OFF)
  set(HALVIX_HOST ON)
endif()

set(HALVIX_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wno-unused-parameter)
option(HALVIX_WERROR "Treat warnings as errors" ON)
if(HALVIX_WERROR)
  list(APPEND HALVIX_WARNINGS -Werror)
endif()

function(halvix_apply_warnings target)
  target_compile_options(${target} PRIVATE ${HALVIX_WARNINGS})
endfunction()

# Every target compiles with the repository root on its include path:
# headers are named by subsystem, "foundation/str.h", "ui/window.h".
function(halvix_common target)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_features(${target} PRIVATE cxx_std_20)
  halvix_apply_warnings(${target})
  if(HALVIX_PRODUCT)
    target_compile_definitions(${target} PRIVATE
      WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()

define_property(GLOBAL PROPERTY HALVIX_SUBSYSTEMS
  BRIEF_DOCS "subsystems of the tree" FULL_DOCS "subsystems of the tree")

function(halvix_subsystem name)
  cmake_parse_arguments(S "" "LAYER"
    "DEPENDS;SOURCES;PRODUCT_SOURCES;HOST_SOURCES;LIBS" ${ARGN})
  if(NOT DEFINED S_LAYER)
    message(FATAL_ERROR "subsystem ${name}: LAYER is required")
  endif()
  foreach(dep IN LISTS S_DEPENDS)
    get_property(dep_layer GLOBAL PROPERTY HALVIX_LAYER_${dep})
    if(dep_layer STREQUAL "")
      message(FATAL_ERROR "subsystem ${name}: ${dep} is not a subsystem defined before it")
    endif()
    if(NOT (dep_layer LESS S_LAYER OR (S_LAYER EQUAL 0 AND dep_layer EQUAL 0)))
      message(FATAL_ERROR "subsystem ${name} (layer ${S_LAYER}) may not depend on ${dep} (layer ${dep_layer}): links only go downward")
    endif()
  endforeach()
  set_property(GLOBAL PROPERTY HALVIX_LAYER_${name} ${S_LAYER})
  set_property(GLOBAL APPEND PROPERTY HALVIX_SUBSYSTEMS ${name})

  set(sources ${S_SOURCES})
  if(HALVIX_PRODUCT)
    list(APPEND sources ${S_PRODUCT_SOURCES})
  else()
    list(APPEND sources ${S_HOST_SOURCES})
  endif()

  if(NOT sources)
    # Nothing of this subsystem builds here (yet): an interface target keeps
    # the links of the layers above it valid.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${S_DEPENDS} ${S_LIBS})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    return()
  endif()

  add_library(${name}_objects OBJECT ${sources})
  halvix_common(${name}_objects)
  set_target_properties(${name}_objects PROPERTIES POSITION_INDEPENDENT_CODE ON)
  # Usage requirements (include paths, definitions) of what it declares. The
  # two halves of the base call each other, so in layer 0 they are taken as
  # properties: a link would add a build-order edge that closes a cycle.
  if(S_LAYER EQUAL 0)
    target_link_libraries(${name}_objects PUBLIC ${S_LIBS})
    foreach(dep IN LISTS S_DEPENDS)
      target_include_directories(${name}_objects PRIVATE
        $<TARGET_PROPERTY:${dep},INTERFACE_INCLUDE_DIRECTORIES>)
      target_compile_definitions(${name}_objects PRIVATE
        $<TARGET_PROPERTY:${dep},INTERFACE_COMPILE_DEFINITIONS>)
    endforeach()
  else()
    target_link_libraries(${name}_objects PUBLIC ${S_DEPENDS} ${S_LIBS})
  endif()

  add_library(${name} STATIC $<TARGET_OBJECTS:${name}_objects>)
  target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${S_DEPENDS} ${S_LIBS})

  halvix_layer_check(${name} "${S_DEPENDS}" "${S_LIBS}")
endfunction()

# The layer check: the subsystem's objects linked as a shared library against
# only the subsystems it declares. Windows DLLs must resolve every symbol at
# link time; on the host --no-undefined asks the same. Sanitizer builds leave
# their runtime symbols to the executable, so the check runs where they are off.
function(halvix_layer_check name deps libs)
  if(HALVIX_SANITIZE)
    return()
  endif()
  add_library(${name}_layercheck SHARED $<TARGET_OBJECTS:${name}_objects>)
  target_link_libraries(${name}_layercheck PRIVATE ${deps} ${libs})
  if(HALVIX_HOST)
    target_link_options(${name}_layercheck PRIVATE -Wl,--no-undefined)
  endif()
  set_target_properties(${name}_layercheck PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layercheck
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layercheck
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layercheck)
endfunction()

# Executables of the product and the tools.
function(halvix_executable name)
  cmake_parse_arguments(E "WIN32_GUI" "" "SOURCES;LIBS" ${ARGN})
  if(E_WIN32_GUI AND HALVIX_PRODUCT)
    add_executable(${name} WIN32 ${E_SOURCES})
  else()
    add_executable(${name} ${E_SOURCES})
  endif()
  halvix_common(${name})
  target_link_libraries(${name} PRIVATE ${E_LIBS})
endfunction()

function(halvix_wine_test_properties test_name)
  if(HALVIX_PRODUCT)
    set_property(TEST ${test_name} APPEND PROPERTY FIXTURES_REQUIRED wine)
  endif()
endfunction()

# Where test executables leave their GoogleTest XML reports; ./run counts the
# cases in them for its summary line.
set(HALVIX_TEST_RESULTS ${CMAKE_BINARY_DIR}/test-results)

function(halvix_test name)
  cmake_parse_arguments(T "PRODUCT_ONLY;HOST_ONLY" "TIMEOUT"
    "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_PRODUCT_ONLY AND NOT HALVIX_PRODUCT)
    return()
  endif()
  if(T_HOST_ONLY AND NOT HALVIX_HOST)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  halvix_common(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(labels ${T_LABELS} gtest)
  if(HALVIX_PRODUCT)
    list(APPEND labels wine)
    # Wine maps the host's root to drive Z:.
    set(xml "Z:${HALVIX_TEST_RESULTS}/${name}.xml")
  else()
    list(APPEND labels host)
    set(xml "${HALVIX_TEST_RESULTS}/${name}.xml")
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${xml})
  set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "HALVIX_BUILD=${CMAKE_BINARY_DIR};HALVIX_SOURCE=${PROJECT_SOURCE_DIR}")
  halvix_wine_test_properties(${name})
endfunction()

function(halvix_script_test name)
  cmake_parse_arguments(T "PRODUCT_ONLY;HOST_ONLY" "TIMEOUT" "COMMAND;LABELS" ${ARGN})
  if(T_PRODUCT_ONLY AND NOT HALVIX_PRODUCT)
    return()
  endif()
  if(T_HOST_ONLY AND NOT HALVIX_HOST)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${T_COMMAND})
  set(labels ${T_LABELS})
  if(HALVIX_PRODUCT)
    list(APPEND labels wine)
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "HALVIX_WINE_STATE=${CMAKE_BINARY_DIR}/wine;HALVIX_MACHINE=${PROJECT_SOURCE_DIR}/tests/wine/machine.sh;HALVIX_BUILD=${CMAKE_BINARY_DIR};HALVIX_SOURCE=${PROJECT_SOURCE_DIR}")
    halvix_wine_test_properties(${name})
  else()
    list(APPEND labels host)
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "HALVIX_BUILD=${CMAKE_BINARY_DIR};HALVIX_SOURCE=${PROJECT_SOURCE_DIR}")
  endif()
  set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT ${T_TIMEOUT})
endfunction()

# The two halves of the base (foundation and osys, both layer 0) call each
# other; the one defined first learns of the second here.
function(halvix_base_link name dep)
  get_property(a GLOBAL PROPERTY HALVIX_LAYER_${name})
  get_property(b GLOBAL PROPERTY HALVIX_LAYER_${dep})
  if(NOT (a EQUAL 0 AND b EQUAL 0))
    message(FATAL_ERROR "halvix_base_link: only the two halves of the base may call each other")
  endif()
  get_target_property(type ${name} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${name} INTERFACE ${dep})
    return()
  endif()
  # An interface link only: the consumers of ${name} link ${dep} as well, but
  # no build-order edge leads back from ${name} to ${dep}'s objects, which
  # already depend on ${name} and would close a cycle.
  target_link_libraries(${name} INTERFACE ${dep})
  if(TARGET ${name}_layercheck)
    target_link_libraries(${name}_layercheck PRIVATE ${dep})
  endif()
endfunction()
