# Adds each listed sub-folder that has a CMakeLists.txt of its own.
function(game_add_modules)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# game_add_library(name SOURCES ... LIBS ...): a static library of the
# project; includes are written from the project root ("Engine/ECS/System.h").
function(game_add_library name)
  cmake_parse_arguments(L "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_LIBS})
endfunction()

# game_add_test(name SOURCES ... LIBS ... [DISPLAY] [WORKDIR dir] [TIMEOUT s]
#               [LABEL unit|gl|e2e|fuzz]):
# a GoogleTest executable run by CTest. DISPLAY runs it against a private
# Xvfb server so GL tests get a real OpenGL 3.3 core context. The label
# (default "gl" with DISPLAY, else "unit") lets a run pick suites with -L.
function(game_add_test name)
  cmake_parse_arguments(T "DISPLAY" "WORKDIR;TIMEOUT;LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main Threads::Threads)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(NOT T_WORKDIR)
    set(T_WORKDIR ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  if(T_DISPLAY)
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tests/with_display.sh $<TARGET_FILE:${name}>
             WORKING_DIRECTORY ${T_WORKDIR})
  else()
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${T_WORKDIR})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(NOT T_LABEL)
    if(T_DISPLAY)
      set(T_LABEL gl)
    else()
      set(T_LABEL unit)
    endif()
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS ${T_LABEL})
endfunction()
