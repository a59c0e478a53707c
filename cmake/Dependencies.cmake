# Third-party dependencies, found the same way in both builds. The cross build
# differs only by its toolchain file and the prefix that scripts/bootstrap fills.

find_package(JPEG REQUIRED)
find_package(ZLIB REQUIRED)

find_path(MINIZIP_INCLUDE_DIR minizip/unzip.h REQUIRED)
find_library(MINIZIP_LIBRARY NAMES minizip REQUIRED)
add_library(quenlow_minizip INTERFACE)
target_include_directories(quenlow_minizip INTERFACE ${MINIZIP_INCLUDE_DIR})
target_link_libraries(quenlow_minizip INTERFACE ${MINIZIP_LIBRARY} ZLIB::ZLIB)

# OpenGL 1.1 and GLU. Natively the core runs off-screen: OSMesa provides the
# GL entry points itself, so libGL is not linked (its dispatch would not see
# the OSMesa context).
add_library(quenlow_gl INTERFACE)
if(WIN32)
  target_link_libraries(quenlow_gl INTERFACE opengl32 glu32)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(OSMESA REQUIRED IMPORTED_TARGET osmesa)
  pkg_check_modules(GLU REQUIRED IMPORTED_TARGET glu)
  target_link_libraries(quenlow_gl INTERFACE PkgConfig::OSMESA PkgConfig::GLU)
endif()
