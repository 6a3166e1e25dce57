# Shared build settings: warnings, sanitizers, the test helpers and the install layout.

# Installed, the programs are in <prefix>/bin and the suite's shared files (help pages) in
# <prefix>/share/tarvik. A program finds them from its own folder with this relative
# path, so any prefix (and DESTDIR) works.
set(SUITE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tarvik)
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_DATADIR}")
  file(RELATIVE_PATH SUITE_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_FULL_DATADIR}/tarvik)
else()
  file(RELATIVE_PATH SUITE_DATA_FROM_BIN /prefix/${CMAKE_INSTALL_BINDIR}
       /prefix/${SUITE_INSTALL_DATADIR})
endif()

# The hardening a Debian package is expected to carry: checked buffer functions (they need
# optimisation, so not in Debug), stack protection, position-independent programs and a
# read-only relocation table resolved at start. The sanitizer build goes without them.
if(NOT SUITE_SANITIZE)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
                      $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2> -fstack-protector-strong)
  add_link_options(LINKER:-z,relro,-z,now)
endif()

function(suite_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

if(SUITE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  if(SUITE_FUZZ)
    # Coverage feedback for the fuzzers reaches into the libraries they drive.
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
endif()

if(SUITE_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# suite_add_gtest(NAME SOURCES ... LIBS ...): a GoogleTest program registered with CTest.
function(suite_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  suite_warnings(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# suite_add_qttest(NAME SOURCES ... LIBS ...): a QtTest program run on the offscreen platform.
function(suite_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  suite_warnings(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# suite_add_fuzzer(NAME SOURCE LIBS...): a libFuzzer program (clang) that CTest runs for a
# few seconds; run one by hand for longer with:
#   build-asan/bin/<name> -max_total_time=300 <corpus-dir>
function(suite_add_fuzzer name source)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARGN})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_test(NAME ${name} COMMAND ${name} -max_total_time=5 -rss_limit_mb=2048)
endfunction()

# suite_help_topics(TARGET FOLDER): copies help/FOLDER beside the program, as
# <program folder>/help/FOLDER, every time the program is built, and installs the whole
# folder (every topic in it) as <prefix>/share/tarvik/help/FOLDER.
function(suite_help_topics target folder)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory
            ${PROJECT_SOURCE_DIR}/help/${folder} $<TARGET_FILE_DIR:${target}>/help/${folder})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/${folder}/
          DESTINATION ${SUITE_INSTALL_DATADIR}/help/${folder})
endfunction()

# suite_install_program(TARGET...): installs programs into <prefix>/bin.
function(suite_install_program)
  install(TARGETS ${ARGN} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# suite_add_no_display_test(TARGET [PROGRAM]): started where no display can be reached, a
# window program says so in one line, as PROGRAM (default TARGET), and exits with 1. Both
# ways: no display named, and a named display that cannot be reached.
function(suite_add_no_display_test target)
  set(program ${target})
  if(ARGC GREATER 1)
    set(program ${ARGV1})
  endif()
  add_test(NAME ${target}_without_display
           COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
                   sh -c [[out=$("$@" 2>&1); echo "status $?: $out"]] sh $<TARGET_FILE:${target}>)
  set_tests_properties(${target}_without_display PROPERTIES PASS_REGULAR_EXPRESSION
    "^status 1: ${program}: no display is available \\(neither DISPLAY nor WAYLAND_DISPLAY is set\\)\n$")
  add_test(NAME ${target}_display_unreachable
           COMMAND env -u WAYLAND_DISPLAY DISPLAY=:4711 QT_QPA_PLATFORM=xcb
                   sh -c [[out=$("$@" 2>&1); echo "status $?: $out"]] sh $<TARGET_FILE:${target}>)
  set_tests_properties(${target}_display_unreachable PROPERTIES PASS_REGULAR_EXPRESSION
    "^status 1: ${program}: no display is available \\(cannot connect to the display :4711\\)\n$")
endfunction()

# suite_translations(TARGET CATALOGUE DIR...): the German and French catalogues of the
# texts in the sources under DIR... (tests aside): translations/CATALOGUE_de.ts and _fr.ts
# beside the calling CMakeLists.txt. Building TARGET compiles them into
# bin/translations/CATALOGUE_de.qm (where the programs of the build tree look), installed
# into <prefix>/share/tarvik/translations. `cmake --build build --target TARGET_lupdate`
# brings the .ts files up to date with the sources (`update_translations`: every one).
# The test CATALOGUE_translations fails while a text of the sources lacks a translation.
function(suite_translations target catalogue)
  set(sources)
  set(includes)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    list(FILTER found EXCLUDE REGEX "/(tests|testing|tools|fuzz)/")
    list(APPEND sources ${found})
    # lupdate reads the headers to know which class (and namespace) a tr() belongs to.
    file(GLOB_RECURSE found LIST_DIRECTORIES true ${dir}/*)
    list(FILTER found INCLUDE REGEX "/include$")
    list(APPEND includes ${found})
  endforeach()
  set(ts_files)
  foreach(lang de fr)
    list(APPEND ts_files ${CMAKE_CURRENT_SOURCE_DIR}/translations/${catalogue}_${lang}.ts)
  endforeach()
  set_source_files_properties(${ts_files} PROPERTIES
    OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/bin/translations)
  qt_add_lupdate(${target} TS_FILES ${ts_files} SOURCES ${sources} INCLUDE_DIRECTORIES ${includes}
    OPTIONS -no-obsolete -locations none)
  qt_add_lrelease(${target} TS_FILES ${ts_files} QM_FILES_OUTPUT_VARIABLE qm_files)
  install(FILES ${qm_files} DESTINATION ${SUITE_INSTALL_DATADIR}/translations)

  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${catalogue}_sources.lst)
  list(TRANSFORM includes PREPEND "-I")
  list(JOIN includes "\n" lines)
  list(JOIN sources "\n" source_lines)
  string(APPEND lines "\n" ${source_lines})
  file(WRITE ${list_file} "${lines}\n")
  add_test(NAME ${catalogue}_translations
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-translations.sh
            $<TARGET_FILE:Qt6::lupdate> $<TARGET_FILE:Qt6::lrelease> ${list_file} ${ts_files})
endfunction()
