# Compiler settings shared by every target of ours (not by GoogleTest's).
function(huebrook_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8 /permissive-)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(HUEBROOK_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(WIN32)
      target_compile_definitions(${target} PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
                                                 _WIN32_WINNT=0x0601 WINVER=0x0601)
    endif()
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

option(HUEBROOK_WERROR "Treat warnings as errors" OFF)
option(HUEBROOK_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
# A long fuzz run may leave out AddressSanitizer, which costs it most of its speed.
set(HUEBROOK_SANITIZERS "address,undefined" CACHE STRING "The sanitizers of a sanitized build")
if(HUEBROOK_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=${HUEBROOK_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${HUEBROOK_SANITIZERS})
endif()

# Comparison tracing lets a search learn the integers its input is compared with. Our
# readers look for keys compared as strings, which it does not see, and single
# characters, which mutation finds alone; its hooks in every character loop took from a
# third to three quarters of each target's time, with no fewer inputs found per run
# without them. The fuzz preset leaves it out.
option(HUEBROOK_FUZZ_TRACE_CMP "Trace comparisons for libFuzzer" ON)
# libFuzzer sees only code compiled for coverage: the libraries under test too, not
# just the fuzz targets' own files.
if(HUEBROOK_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
  if(NOT HUEBROOK_FUZZ_TRACE_CMP)
    add_compile_options(-fno-sanitize-coverage=trace-cmp)
  endif()
endif()

if(WIN32 AND NOT MSVC)
  # The exe and the test binaries must need nothing but system DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # A release is made again from its commit, anywhere and at any time, to the same
  # bytes: the linker leaves the time out of the image's headers, and the source and
  # build folders are named relatively wherever the compiler keeps a file's name.
  add_link_options(-Wl,--no-insert-timestamp)
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/= -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
endif()

# GoogleTest: natively the installed package; for Windows, built from Debian's sources.
function(huebrook_find_gtest)
  if(TARGET GTest::gtest_main)
    return()
  endif()
  if(CMAKE_CROSSCOMPILING)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(lib gtest gtest_main gmock)
      if(NOT TARGET GTest::${lib})
        add_library(GTest::${lib} ALIAS ${lib})
      endif()
    endforeach()
  else()
    find_package(GTest REQUIRED)
  endif()
endfunction()

# A test binary. Natively each test case is its own CTest test; a Windows binary is
# one CTest test run under Wine (set as the cross-compiling emulator), in the Japanese
# locale of the users' systems or, with ENGLISH, in an English one: Wine takes the
# display language and the ANSI code page (932 or 1252) from LANG.
function(huebrook_add_test name)
  cmake_parse_arguments(T "ENGLISH" "" "SOURCES;LIBS" ${ARGN})
  huebrook_find_gtest()
  add_executable(${name} ${T_SOURCES})
  huebrook_defaults(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    if(T_ENGLISH)
      set(locale en_US.UTF-8)
    else()
      set(locale ja_JP.UTF-8)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
      "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;${HUEBROOK_WINE_ENVIRONMENT};LANG=${locale};LC_ALL=${locale};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")
  else()
    include(GoogleTest)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# A library of every .cpp in the calling folder.
function(huebrook_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  huebrook_defaults(${name})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()
