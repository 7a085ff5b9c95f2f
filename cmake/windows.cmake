# Windows build. One file makes three kinds of tree (CMakePresets.json names
# each; scripts/lib.sh configures them):
#
# | tree                          | preset          | what it builds                        |
# |-------------------------------|-----------------|---------------------------------------|
# | program (HOPVOX_PROGRAM_ONLY) | program-i686    | hopvox.exe, roger.exe, hotkeypress.exe |
# |                               | program-x86_64  | with the win32-thread runtime, for size|
# | test tree, 32-bit             | windows-i686    | the Windows and end-to-end tests; the |
# |                               |                 | programs they run come from a program |
# |                               |                 | tree inside it (build/windows/program)|
# | test tree, 64-bit             | windows-x86_64  | the same tests, for machines that run |
# |                               |                 | no 32-bit programs; it links the      |
# |                               |                 | programs it runs itself, and a 32-bit |
# |                               |                 | program tree inside it makes what     |
# |                               |                 | users get (build/windows/shipped-...) |
#
# Every test tree packs the download from the 32-bit program. The program
# runtime (win32 threads) keeps it on Windows XP; GoogleTest needs the posix
# one (see cmake/mingw.cmake).
enable_testing()

# Only known system libraries, which the system takes from its own folder
# whatever lies beside the program, and whose loading loads nothing by bare
# name. The common controls and dialogs, and any other library, are loaded at
# run time (framework/SystemLibrary.h), after the program has loaded from
# the system folder what they ask for; tests/package/system_imports.sh holds
# the line.
set(HOPVOX_WIN_LIBS user32 gdi32 shell32 advapi32 ole32 uuid)

# What every Windows target of ours is built with: the system headers set to
# Windows XP, and a self-contained program that needs only system DLLs.
add_library(hopvox_win_options INTERFACE)
target_compile_definitions(hopvox_win_options INTERFACE WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX STRICT)
target_link_options(hopvox_win_options INTERFACE -static -static-libgcc -static-libstdc++)
# gcc 13 and later's win32-thread runtime (the program's) needs Vista's
# headers for its own thread header, and its static-initialisation guard
# waits on a condition variable, which XP lacks. The thread header is read
# first with Vista's value (framework/ThreadRuntimeXp.h), and the guard is
# left out: gcc 12's win32 runtime had no threads and so no guard either, and
# the program initialises its statics on the GUI thread alone.
# Its thread support imports GetThreadId too, which XP lacks: the 32-bit
# program answers that import itself (framework/ThreadId.cpp).
set(HOPVOX_XP_RUNTIME OFF)
if(HOPVOX_MINGW_THREADS STREQUAL "win32" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 13)
  set(HOPVOX_XP_RUNTIME ON)
  target_compile_options(hopvox_win_options INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-include;${CMAKE_SOURCE_DIR}/src/framework/ThreadRuntimeXp.h;-fno-threadsafe-statics>)
endif()
target_link_libraries(hopvox_win_options INTERFACE hopvox_warnings)
# gcc 12's 64-bit optimiser warns falsely about overlapping copies in
# std::string's assign and append (gcc bug 105651); the 32-bit build does not.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "AMD64")
  target_compile_options(hopvox_win_options INTERFACE -Wno-restrict)
endif()

file(GLOB_RECURSE HOPVOX_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp)
list(REMOVE_ITEM HOPVOX_WIN_SOURCES ${CMAKE_SOURCE_DIR}/src/main.cpp)

include(cmake/jpeg.cmake)

add_library(hopvox_lib STATIC ${HOPVOX_WIN_SOURCES})
target_include_directories(hopvox_lib PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(hopvox_lib PUBLIC hopvox_win_options ${HOPVOX_WIN_LIBS} hopvox_jpeg)
if(HOPVOX_XP_RUNTIME AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/framework/ThreadId.cpp APPEND PROPERTY COMPILE_DEFINITIONS
               HOPVOX_ANSWER_GETTHREADID)
endif()

# The resource script is compiled once and linked into the program and every
# Windows test, so tests see the same bitmaps, sounds and pictures.
add_library(hopvox_res OBJECT ${CMAKE_SOURCE_DIR}/resources/hopvox.rc)
target_include_directories(hopvox_res PRIVATE ${CMAKE_SOURCE_DIR}/resources)
file(GLOB_RECURSE HOPVOX_RES_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/hopvox.rc PROPERTIES OBJECT_DEPENDS "${HOPVOX_RES_FILES}")

# Bitness of this tree: 32-bit as users get it, or 64-bit where the machine
# runs no 32-bit programs (HOPVOX_WIN_ARCH x86_64, chosen by scripts/lib.sh).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "AMD64")
  set(HOPVOX_WIN_ARCH x86_64)
else()
  set(HOPVOX_WIN_ARCH i686)
endif()

# The programs the tests and the scripts run: hopvox.exe, the stand-in
# roger.exe and the demonstration's hotkeypress.exe. The program tree builds
# them with the shipped program's runtime. A 64-bit test tree ships nothing,
# so it links them itself from the code its tests use (one compile of the
# program's code instead of two); the 32-bit program of the shipped tree
# still proves the code builds with the win32-thread runtime.
if(HOPVOX_PROGRAM_ONLY OR HOPVOX_WIN_ARCH STREQUAL "x86_64")
  # Unused functions and data fall out at link time (a third of the program).
  target_compile_options(hopvox_lib PRIVATE -ffunction-sections -fdata-sections)
  add_executable(hopvox WIN32 ${CMAKE_SOURCE_DIR}/src/main.cpp $<TARGET_OBJECTS:hopvox_res>)
  target_compile_options(hopvox PRIVATE -ffunction-sections -fdata-sections)
  target_link_options(hopvox PRIVATE -Wl,--gc-sections)
  if(HOPVOX_XP_RUNTIME AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
    target_link_options(hopvox PRIVATE "-Wl,--undefined=__imp__GetThreadId@4")
  endif()
  target_link_libraries(hopvox PRIVATE hopvox_lib)
  # A windows program, as the voice-chat program is: a console one would come
  # with a console window that shows up after the start, takes the activation
  # from the window the user works in and goes again.
  # Beside the program in a folder named in the user's language, as Hopvox is.
  add_executable(roger WIN32 ${CMAKE_SOURCE_DIR}/tools/roger/roger.cpp
                 ${CMAKE_SOURCE_DIR}/src/framework/SystemCodePage.cpp
                 ${CMAKE_SOURCE_DIR}/src/framework/logic/AnsiCodePage.cpp)
  target_include_directories(roger PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(roger PRIVATE hopvox_win_options)
  # "Another program" that has the focus in scripts/run's demonstration.
  add_executable(hotkeypress ${CMAKE_SOURCE_DIR}/tools/hotkeypress/hotkeypress.cpp)
  target_link_libraries(hotkeypress PRIVATE hopvox_win_options user32)
endif()
if(HOPVOX_PROGRAM_ONLY)
  return()
endif()

include(ExternalProject)

# A 32-bit program tree as users get it, built as part of this tree into
# `output_dir`. ARGS: more cache settings; BUILD: the build command (default:
# everything); BYPRODUCTS: the files it makes; DEPENDS: targets to wait for.
function(hopvox_program_tree target binary_dir output_dir)
  cmake_parse_arguments(PT "" "" "ARGS;BUILD;BYPRODUCTS;DEPENDS" ${ARGN})
  set(extra)
  if(PT_BUILD)
    list(APPEND extra BUILD_COMMAND ${PT_BUILD})
  endif()
  if(PT_DEPENDS)
    list(APPEND extra DEPENDS ${PT_DEPENDS})
  endif()
  ExternalProject_Add(${target}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${binary_dir}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw.cmake
      -DHOPVOX_MINGW_TRIPLE=i686-w64-mingw32 -DHOPVOX_MINGW_THREADS=win32
      -DCMAKE_BUILD_TYPE=MinSizeRel
      -DHOPVOX_PROGRAM_ONLY=ON
      -DHOPVOX_WERROR=${HOPVOX_WERROR}
      -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${output_dir}
      ${PT_ARGS}
    ${extra}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${PT_BYPRODUCTS}
    USES_TERMINAL_BUILD ON)
endfunction()

# The download around `exe`: <out_dir>/hopvox-<version>.zip, made by the
# target `target` once `program` is built.
set(HOPVOX_PACKED_TEXTS ${CMAKE_SOURCE_DIR}/resources/help/HOPVOX.TXT
                        ${CMAKE_SOURCE_DIR}/resources/package/README.TXT)
file(GLOB HOPVOX_ANNOUNCEMENTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/sounds/channels/*.wav)
function(hopvox_download target out_dir exe strip program)
  set(zip ${out_dir}/hopvox-${PROJECT_VERSION}.zip)
  add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -DEXE=${exe} -DSTRIP=${strip} -DSOURCE=${CMAKE_SOURCE_DIR}
            -DOUT=${out_dir} -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/package.cmake
    DEPENDS ${exe} ${CMAKE_SOURCE_DIR}/cmake/package.cmake ${HOPVOX_PACKED_TEXTS}
            ${HOPVOX_ANNOUNCEMENTS}
    COMMENT "Packing ${zip}")
  add_custom_target(${target} ALL DEPENDS ${zip})
  add_dependencies(${target} ${program})
endfunction()

set(HOPVOX_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package CACHE PATH "Where the download is packed")
set(HOPVOX_ZIP ${HOPVOX_PACKAGE_DIR}/hopvox-${PROJECT_VERSION}.zip)
set(HOPVOX_PROGRAMS ${CMAKE_BINARY_DIR}/hopvox.exe ${CMAKE_BINARY_DIR}/roger.exe
                    ${CMAKE_BINARY_DIR}/hotkeypress.exe)
if(HOPVOX_WIN_ARCH STREQUAL "i686")
  # The programs the tests run are the ones users get, beside the tests.
  hopvox_program_tree(program ${CMAKE_BINARY_DIR}/program ${CMAKE_BINARY_DIR}
    ARGS -DHOPVOX_JPEG_PREFIX=${JPEG_PREFIX}
    BYPRODUCTS ${HOPVOX_PROGRAMS}
    DEPENDS jpeg_ep)
  set(HOPVOX_SHIPPED_EXE ${CMAKE_BINARY_DIR}/hopvox.exe)
  hopvox_download(download ${HOPVOX_PACKAGE_DIR} ${HOPVOX_SHIPPED_EXE} i686-w64-mingw32-strip
                  program)
  set(HOPVOX_RUN_ZIP ${HOPVOX_ZIP})
else()
  # The tests run the 64-bit programs linked above; the 32-bit one, with a
  # libjpeg of its own, is built beside them only to be checked and packed.
  add_custom_target(program DEPENDS hopvox roger hotkeypress)
  set(HOPVOX_SHIPPED_EXE ${CMAKE_BINARY_DIR}/shipped/hopvox.exe)
  hopvox_program_tree(shipped_program ${CMAKE_BINARY_DIR}/shipped-program
    ${CMAKE_BINARY_DIR}/shipped
    BUILD ${CMAKE_COMMAND} --build <BINARY_DIR> --target hopvox
    BYPRODUCTS ${HOPVOX_SHIPPED_EXE})
  hopvox_download(download ${HOPVOX_PACKAGE_DIR} ${HOPVOX_SHIPPED_EXE} i686-w64-mingw32-strip
                  shipped_program)
  # The same download once more around the program this machine can start.
  set(HOPVOX_RUN_ZIP ${CMAKE_BINARY_DIR}/package-run/hopvox-${PROJECT_VERSION}.zip)
  hopvox_download(download_run ${CMAKE_BINARY_DIR}/package-run ${CMAKE_BINARY_DIR}/hopvox.exe
                  ${CMAKE_STRIP} program)
endif()

# The program and the download start on Windows XP SP3.
add_test(NAME xp_imports COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/xp_imports.sh
         ${HOPVOX_SHIPPED_EXE} ${HOPVOX_ZIP})

# The check itself reads both objdump layouts (binutils 2.40 and 2.44).
add_test(NAME xp_imports_layouts COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/xp_imports_layouts.sh)

# Nothing planted beside the program is loaded in place of a system library.
add_test(NAME system_imports COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/system_imports.sh
         ${HOPVOX_SHIPPED_EXE})

# GoogleTest for the Windows target, from Debian's sources.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(winpath out unixpath)
  string(REPLACE "/" "\\" p "${unixpath}")
  set(${out} "Z:${p}" PARENT_SCOPE)
endfunction()
winpath(WIN_BIN ${CMAKE_BINARY_DIR})
winpath(WIN_SRC ${CMAKE_SOURCE_DIR})
set(HOPVOX_TEST_ENV
  "HOPVOX_EXE=${WIN_BIN}\\hopvox.exe"
  "ROGER_EXE=${WIN_BIN}\\roger.exe"
  "HOPVOX_SOURCE=${WIN_SRC}"
  "HOPVOX_TESTROOT=${WIN_BIN}\\testruns")

hopvox_groups(${CMAKE_SOURCE_DIR}/tests/win32 WIN32_GROUPS)
foreach(g ${WIN32_GROUPS})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/${g}/*.cpp)
  add_executable(win32_${g} ${srcs} $<TARGET_OBJECTS:hopvox_res>)
  target_link_libraries(win32_${g} PRIVATE hopvox_lib gtest gtest_main)
  add_test(NAME win32_${g} COMMAND win32_${g})
  # Serial: several of them inject keys or read the system-wide key state,
  # which tests running beside them would disturb.
  set_tests_properties(win32_${g} PROPERTIES ENVIRONMENT "${HOPVOX_TEST_ENV}" TIMEOUT 300 RUN_SERIAL TRUE)
endforeach()

file(GLOB E2E_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
if(E2E_DRIVER_SOURCES)
  add_library(e2e_driver STATIC ${E2E_DRIVER_SOURCES})
  # End-to-end tests build their expectations with the program's own logic.
  target_include_directories(e2e_driver PUBLIC ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/src)
  # The listener reads wave images with the program's own reader; the sound
  # tests play files through the program's own wave player.
  target_link_libraries(e2e_driver PUBLIC hopvox_lib gtest ${HOPVOX_WIN_LIBS})
  # Groups that hear what is played: each runs with a sound server of its own
  # that records everything (tests/e2e/listening.sh).
  set(HOPVOX_LISTENING_GROUPS sound package)
  hopvox_groups(${CMAKE_SOURCE_DIR}/tests/e2e E2E_GROUPS)
  foreach(g ${E2E_GROUPS})
    file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/${g}/*.cpp)
    add_executable(e2e_${g} ${srcs})
    target_link_libraries(e2e_${g} PRIVATE e2e_driver gtest gtest_main)
    add_dependencies(e2e_${g} program)
    if(g IN_LIST HOPVOX_LISTENING_GROUPS)
      add_test(NAME e2e_${g} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/listening.sh
               ${CMAKE_BINARY_DIR}/listening/${g} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:e2e_${g}>)
    else()
      add_test(NAME e2e_${g} COMMAND e2e_${g})
    endif()
    set_tests_properties(e2e_${g} PROPERTIES ENVIRONMENT "${HOPVOX_TEST_ENV}" TIMEOUT 600 RUN_SERIAL TRUE)
  endforeach()
endif()

# The taskbar button and the tray icon clicked on a desktop with Wine's taskbar.
if(TARGET e2e_chrome)
  add_test(NAME e2e_chrome_shell COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/chrome/shell.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e_chrome_shell PROPERTIES ENVIRONMENT "${HOPVOX_TEST_ENV}" TIMEOUT 300 RUN_SERIAL TRUE)
endif()

# The layout at three screen densities, a session for each.
if(TARGET e2e_look)
  add_test(NAME e2e_look_densities COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/look/densities.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e_look_densities PROPERTIES ENVIRONMENT "${HOPVOX_TEST_ENV}" TIMEOUT 300 RUN_SERIAL TRUE)
endif()

# The sound tests' wave files in the formats people have, made with sox.
if(TARGET e2e_sound)
  add_test(NAME sound_waves COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/sound/make_waves.sh
           ${CMAKE_BINARY_DIR}/testruns/waves)
  set_tests_properties(sound_waves PROPERTIES FIXTURES_SETUP sound_waves)
  winpath(win_waves "${CMAKE_BINARY_DIR}/testruns/waves")
  set_property(TEST e2e_sound APPEND PROPERTY ENVIRONMENT "HOPVOX_WAVES=${win_waves}")
  set_tests_properties(e2e_sound PROPERTIES FIXTURES_REQUIRED sound_waves)
endif()

# The library the planting test lays beside the program under the names of
# system libraries.
if(TARGET e2e_security)
  add_library(plantmarker SHARED ${CMAKE_SOURCE_DIR}/tests/e2e/security/marker/PlantMarker.cpp
                                 ${CMAKE_SOURCE_DIR}/tests/e2e/security/marker/PlantMarker.def)
  set_target_properties(plantmarker PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_link_options(plantmarker PRIVATE -static -static-libgcc -static-libstdc++)
  target_link_libraries(plantmarker PRIVATE hopvox_warnings)
  add_dependencies(e2e_security plantmarker)
endif()

# Names and paths on a Japanese and a Russian system: the same programs under
# each system locale, in a Wine prefix of their own; hotkeys on German and
# French keyboards.
file(GLOB LOCALE_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/locale/*.cpp)
file(GLOB LOCALE_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/locale/*.cpp)
if(LOCALE_WIN32_SOURCES AND LOCALE_E2E_SOURCES AND TARGET e2e_driver)
  add_executable(win32_locale ${LOCALE_WIN32_SOURCES} $<TARGET_OBJECTS:hopvox_res>)
  target_link_libraries(win32_locale PRIVATE hopvox_lib gtest gtest_main)
  add_executable(e2e_locale ${LOCALE_E2E_SOURCES})
  target_link_libraries(e2e_locale PRIVATE e2e_driver gtest gtest_main)
  add_dependencies(e2e_locale program)
  add_test(NAME locales COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/locale/locales.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(locales PROPERTIES ENVIRONMENT "${HOPVOX_TEST_ENV}" TIMEOUT 600 RUN_SERIAL TRUE)
  # The same program on German and French keyboards.
  add_test(NAME keyboard_layouts COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/locale/layouts.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(keyboard_layouts PROPERTIES ENVIRONMENT "${HOPVOX_TEST_ENV}" TIMEOUT 600 RUN_SERIAL TRUE)
endif()

# Writes that depend on file permissions, which root ignores: run as a user made for it.
if(TARGET e2e_failure)
  add_test(NAME e2e_failure_unprivileged
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/failure/unprivileged.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e_failure_unprivileged PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE SKIP_RETURN_CODE 77)
endif()

# The download's test gets it unpacked as a user would, into a folder whose
# name has blanks.
if(TARGET e2e_package)
  set(unpacked "${CMAKE_BINARY_DIR}/testruns/unpacked download")
  add_test(NAME download_unpack COMMAND sh -c "rm -rf \"$1\" && mkdir -p \"$1\" && cd \"$1\" && cmake -E tar xf \"$2\""
           unpack ${unpacked} ${HOPVOX_RUN_ZIP})
  set_tests_properties(download_unpack PROPERTIES FIXTURES_SETUP download)
  winpath(win_unpacked "${unpacked}/hopvox-${PROJECT_VERSION}")
  set_property(TEST e2e_package APPEND PROPERTY ENVIRONMENT "HOPVOX_DOWNLOAD=${win_unpacked}")
  set_tests_properties(e2e_package PROPERTIES FIXTURES_REQUIRED download)
  add_dependencies(e2e_package download)
  if(TARGET download_run)
    add_dependencies(e2e_package download_run)
  endif()
endif()

# The native tests join this run, so one ctest summary covers everything.
set(HOPVOX_NATIVE_DIR "" CACHE PATH "Build folder of the native tests")
if(HOPVOX_NATIVE_DIR)
  hopvox_groups(${CMAKE_SOURCE_DIR}/tests/native NATIVE_GROUPS)
  foreach(g ${NATIVE_GROUPS})
    add_test(NAME native_${g} COMMAND ${HOPVOX_NATIVE_DIR}/native_${g})
  endforeach()
  add_test(NAME pictures_reproduce COMMAND ${HOPVOX_NATIVE_DIR}/pictures_gen --check ${CMAKE_SOURCE_DIR}/resources/pictures)
  add_test(NAME announcements_reproduce COMMAND bash ${CMAKE_SOURCE_DIR}/tools/announcements/generate --check)
  # The logic folders pass the checks of .clang-tidy (on the native compile commands).
  find_program(HOPVOX_CLANG_TIDY clang-tidy)
  if(HOPVOX_CLANG_TIDY)
    add_test(NAME clang_tidy_logic COMMAND ${HOPVOX_CLANG_TIDY} -p ${HOPVOX_NATIVE_DIR} --quiet ${HOPVOX_LOGIC_SOURCES})
  endif()
  # Every source keeps the house style of .clang-format.
  find_program(HOPVOX_CLANG_FORMAT clang-format)
  if(HOPVOX_CLANG_FORMAT)
    file(GLOB_RECURSE HOPVOX_ALL_SOURCES CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h ${CMAKE_SOURCE_DIR}/tests/*.cpp
         ${CMAKE_SOURCE_DIR}/tests/*.h ${CMAKE_SOURCE_DIR}/tools/*.cpp ${CMAKE_SOURCE_DIR}/tools/*.h
         ${CMAKE_SOURCE_DIR}/bench/*.cpp ${CMAKE_SOURCE_DIR}/bench/*.h ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
    add_test(NAME clang_format_tree COMMAND ${HOPVOX_CLANG_FORMAT} --dry-run --Werror ${HOPVOX_ALL_SOURCES})
  endif()
endif()

# A short run of every fuzz target, from its seed files, under ASan and UBSan:
# a fixed number of inputs from a fixed seed, so the run is the same each
# time. What it finds goes to a fresh folder in the build tree, never into the
# seeds. Longer runs: scripts/fuzz.
set(HOPVOX_FUZZ_DIR "" CACHE PATH "Build folder of the fuzz targets")
if(HOPVOX_FUZZ_DIR)
  file(GLOB HOPVOX_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
  foreach(f ${HOPVOX_FUZZ_SOURCES})
    get_filename_component(n ${f} NAME_WE)
    # Seeds: fuzz/<first word of the target's name>_seeds (jpeg_fuzz: jpeg_seeds).
    string(REGEX REPLACE "_.*" "" stem ${n})
    set(seeds ${CMAKE_SOURCE_DIR}/fuzz/${stem}_seeds)
    if(NOT IS_DIRECTORY ${seeds})
      set(seeds "")
    endif()
    set(found ${CMAKE_BINARY_DIR}/fuzzfound/${n})
    add_test(NAME fuzz_${n}
             COMMAND sh -c "rm -rf \"$1\" && mkdir -p \"$1\" && exec \"$2\" -seed=1 -runs=20000 -artifact_prefix=\"$1/\" \"$1\" \${3:+\"$3\"}"
                     fuzz ${found} ${HOPVOX_FUZZ_DIR}/fuzz_${n} "${seeds}")
    set_tests_properties(fuzz_${n} PROPERTIES TIMEOUT 300)
  endforeach()
endif()

include(${CMAKE_SOURCE_DIR}/bench/windows/bench.cmake OPTIONAL)
