# libjpeg for the Windows program: Debian ships no mingw build, so the build
# fetches Debian's libjpeg-turbo source package into the build tree (apt-get
# source, which needs a deb-src entry; scripts/lib.sh adds one) and compiles
# only the static library. Nothing of it is kept in the repository.
# A tree given HOPVOX_JPEG_PREFIX (the program tree, from the test tree) links
# the library built there instead of building it again.
include(ExternalProject)

if(HOPVOX_JPEG_PREFIX)
  set(JPEG_PREFIX ${HOPVOX_JPEG_PREFIX})
else()
  set(JPEG_PREFIX ${CMAKE_BINARY_DIR}/libjpeg)
endif()
set(JPEG_INCLUDE_DIR ${JPEG_PREFIX}/include)
set(JPEG_LIBRARY ${JPEG_PREFIX}/build/libjpeg.a)

add_library(hopvox_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(hopvox_jpeg PROPERTIES
  IMPORTED_LOCATION ${JPEG_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${JPEG_INCLUDE_DIR})
if(HOPVOX_JPEG_PREFIX)
  return()
endif()

ExternalProject_Add(jpeg_ep
  PREFIX ${JPEG_PREFIX}
  DOWNLOAD_DIR ${JPEG_PREFIX}/download
  SOURCE_DIR ${JPEG_PREFIX}/source
  BINARY_DIR ${JPEG_PREFIX}/build
  # A tarball fetched before is reused, so a rebuild needs no network.
  DOWNLOAD_COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/fetch-libjpeg.sh ${JPEG_PREFIX}/download ${JPEG_PREFIX}/source
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DHOPVOX_MINGW_TRIPLE=${HOPVOX_MINGW_TRIPLE} -DHOPVOX_MINGW_THREADS=${HOPVOX_MINGW_THREADS}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${JPEG_PREFIX}/install
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
    -DCMAKE_POLICY_DEFAULT_CMP0091=NEW
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy
    <SOURCE_DIR>/jpeglib.h <SOURCE_DIR>/jmorecfg.h <SOURCE_DIR>/jerror.h <BINARY_DIR>/jconfig.h
    ${JPEG_INCLUDE_DIR}
  BUILD_BYPRODUCTS ${JPEG_LIBRARY}
  LOG_DOWNLOAD ON LOG_CONFIGURE ON LOG_BUILD ON LOG_OUTPUT_ON_FAILURE ON)

file(MAKE_DIRECTORY ${JPEG_INCLUDE_DIR})
# Everything linking the library waits for it (and its headers) to be built.
add_dependencies(hopvox_jpeg jpeg_ep)
