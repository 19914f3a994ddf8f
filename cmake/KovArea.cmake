# One static library per area, named after its folder. Sources are the *.cpp,
# *.c, *.ui and *.qrc files directly in the folder; tests are tests/*_test.cpp,
# built into one executable per area and registered test by test, so every
# test runs in a process of its own (the libraries keep their state in statics).
set(KOV_TOOLS_DIR "${CMAKE_BINARY_DIR}/tools")

# Every area records its folder and the areas it names, for the include check
# (cmake/CheckIncludes.cmake): a source may include only its own area and the
# areas its CMake names; a test also those named as TEST_DEPS.
set_property(GLOBAL PROPERTY KOV_AREA_MANIFEST "")
function(kov_register_area name)
  cmake_parse_arguments(A "" "" "DEPS;TEST_DEPS" ${ARGN})
  file(RELATIVE_PATH _dir "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  string(REPLACE ";" "," _deps "${A_DEPS}")
  string(REPLACE ";" "," _tdeps "${A_TEST_DEPS}")
  set_property(GLOBAL APPEND PROPERTY KOV_AREA_MANIFEST "${name}|${_dir}|${_deps}|${_tdeps}")
endfunction()

# Writes the manifest and registers the check; called once after every area.
function(kov_include_check)
  get_property(_m GLOBAL PROPERTY KOV_AREA_MANIFEST)
  string(REPLACE ";" "\n" _text "${_m}")
  file(WRITE "${CMAKE_BINARY_DIR}/kov_areas.txt" "${_text}\n")
  if(KOV_BUILD_TESTS)
    add_test(NAME IncludeCheck.AreasIncludeOnlyWhatTheyName
             COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DMANIFEST=${CMAKE_BINARY_DIR}/kov_areas.txt
                     -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake)
    # The check itself on a small tree: one that keeps the rule, one that breaks it.
    set(_fx ${PROJECT_SOURCE_DIR}/cmake/tests/include_check)
    add_test(NAME IncludeCheck.PassesOnDeclaredIncludes
             COMMAND ${CMAKE_COMMAND} -DROOT=${_fx}/good -DMANIFEST=${_fx}/areas.txt
                     -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake)
    add_test(NAME IncludeCheck.FailsOnAWrongInclude
             COMMAND ${CMAKE_COMMAND} -DROOT=${_fx}/bad -DMANIFEST=${_fx}/areas.txt
                     -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake)
    set_tests_properties(IncludeCheck.FailsOnAWrongInclude PROPERTIES
                         PASS_REGULAR_EXPRESSION "includes \"low/gui/")

    # Every source opens with a comment of what it holds. The check itself runs on
    # a small tree written here, so that no source of the project breaks the rule.
    add_test(NAME SourceHeads.EveryCppStartsWithAComment
             COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/CheckSourceHeads.cmake)
    set(_sh ${CMAKE_BINARY_DIR}/source_heads)
    file(WRITE ${_sh}/good/area/held.cpp "// What the file holds.\n#include <string>\n")
    file(WRITE ${_sh}/good/area/tests/held_test.cpp "/* What the test holds. */\n#include <string>\n")
    file(WRITE ${_sh}/bad/area/held.cpp "// What the file holds.\n#include <string>\n")
    file(WRITE ${_sh}/bad/area/tests/bare_test.cpp "#include <string>\n// Too late.\n")
    add_test(NAME SourceHeads.PassesWhenEverySourceStartsWithAComment
             COMMAND ${CMAKE_COMMAND} -DROOT=${_sh}/good -P ${PROJECT_SOURCE_DIR}/cmake/CheckSourceHeads.cmake)
    add_test(NAME SourceHeads.FailsOnASourceStartingWithAnInclude
             COMMAND ${CMAKE_COMMAND} -DROOT=${_sh}/bad -P ${PROJECT_SOURCE_DIR}/cmake/CheckSourceHeads.cmake)
    set_tests_properties(SourceHeads.FailsOnASourceStartingWithAnInclude PROPERTIES
                         PASS_REGULAR_EXPRESSION "area/tests/bare_test.cpp does not start with a comment")
  endif()
endfunction()

function(kov_area name)
  cmake_parse_arguments(A "" "" "DEPS;TEST_DEPS" ${ARGN})
  kov_register_area(${name} ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  file(GLOB _hdr CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(_src)
    add_library(${name} STATIC ${_src} ${_hdr})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${A_DEPS})
    set(_kind PUBLIC)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${A_DEPS})
  endif()

  if(KOV_BUILD_TESTS AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    file(GLOB _tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*_test.cpp)
    file(GLOB _thelp CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*_fixture.cpp
                                       ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.qrc)
    if(_tests)
      add_executable(${name}_tests ${_tests} ${_thelp})
      target_link_libraries(${name}_tests PRIVATE ${name} ${A_TEST_DEPS}
                            GTest::gtest GTest::gtest_main Qt5::Test)
      target_compile_definitions(${name}_tests PRIVATE
        KOV_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests"
        KOV_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        KOV_BINARY_DIR="${CMAKE_BINARY_DIR}"
        KOV_TOOLS_DIR="${KOV_TOOLS_DIR}")
      if(TARGET kov_tools)
        add_dependencies(${name}_tests kov_tools)
      endif()
      gtest_discover_tests(${name}_tests
        DISCOVERY_TIMEOUT 120
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KOV_UI_MODE=batch;LC_ALL=C.UTF-8"
                   TIMEOUT 300)
    endif()
  endif()
endfunction()
