# libjpeg-turbo, which decodes JPEG pictures at a reduced scale, as the target quillory_jpeg. The
# cross-build links the static library scripts/build-libjpeg-turbo.sh keeps outside the clone
# (QUILLORY_LIBJPEG_TURBO_MINGW); a build on Windows itself links MSYS2's static one
# (mingw-w64-ucrt-x86_64-libjpeg-turbo); the native builds use the system's (Debian:
# libjpeg62-turbo-dev).
if(QUILLORY_WINDOWS AND CMAKE_CROSSCOMPILING)
    if(DEFINED ENV{QUILLORY_CACHE})
        set(quillory_cache "$ENV{QUILLORY_CACHE}")
    else()
        set(quillory_cache /var/cache/quillory)
    endif()
    set(QUILLORY_LIBJPEG_TURBO_MINGW "${quillory_cache}/libjpeg-turbo-mingw" CACHE PATH
        "libjpeg-turbo built for MinGW-w64 (lib/libjpeg.a, include/jpeglib.h)")
    set(QUILLORY_JPEG_LIBRARY "${QUILLORY_LIBJPEG_TURBO_MINGW}/lib/libjpeg.a")
    set(QUILLORY_JPEG_INCLUDE_DIR "${QUILLORY_LIBJPEG_TURBO_MINGW}/include")
    if(NOT EXISTS "${QUILLORY_JPEG_LIBRARY}" OR NOT EXISTS "${QUILLORY_JPEG_INCLUDE_DIR}/jpeglib.h")
        message(FATAL_ERROR "libjpeg-turbo for MinGW-w64 is not in ${QUILLORY_LIBJPEG_TURBO_MINGW}: "
            "run scripts/setup.sh (as root), or set QUILLORY_LIBJPEG_TURBO_MINGW")
    endif()
elseif(QUILLORY_WINDOWS)
    find_library(QUILLORY_JPEG_LIBRARY NAMES libjpeg.a REQUIRED)
    find_path(QUILLORY_JPEG_INCLUDE_DIR jpeglib.h REQUIRED)
else()
    find_package(JPEG REQUIRED)
    add_library(quillory_jpeg INTERFACE)
    target_link_libraries(quillory_jpeg INTERFACE JPEG::JPEG)
    return()
endif()

add_library(quillory_jpeg STATIC IMPORTED)
set_target_properties(quillory_jpeg PROPERTIES
    IMPORTED_LOCATION "${QUILLORY_JPEG_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QUILLORY_JPEG_INCLUDE_DIR}")
