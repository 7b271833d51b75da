# Warning and sanitizer flags, carried by INTERFACE targets that every project target links.
add_library(iconsmith_warnings INTERFACE)
add_library(iconsmith::warnings ALIAS iconsmith_warnings)

if(MSVC)
    target_compile_options(iconsmith_warnings INTERFACE /W4 /permissive-)
    if(ICONSMITH_WARNINGS_AS_ERRORS)
        target_compile_options(iconsmith_warnings INTERFACE /WX)
    endif()
else()
    target_compile_options(iconsmith_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
        -Wimplicit-fallthrough)
    if(ICONSMITH_WARNINGS_AS_ERRORS)
        target_compile_options(iconsmith_warnings INTERFACE -Werror)
    endif()
endif()

add_library(iconsmith_sanitizers INTERFACE)
add_library(iconsmith::sanitizers ALIAS iconsmith_sanitizers)
if(ICONSMITH_SANITIZE AND ICONSMITH_SANITIZE_THREADS)
    message(FATAL_ERROR "ICONSMITH_SANITIZE and ICONSMITH_SANITIZE_THREADS cannot be combined")
endif()
if(ICONSMITH_FUZZ AND (ICONSMITH_SANITIZE OR ICONSMITH_SANITIZE_THREADS))
    message(FATAL_ERROR "ICONSMITH_FUZZ brings its own sanitizers")
endif()
if(ICONSMITH_FUZZ)
    # Coverage for libFuzzer in every library target; the fuzz targets add libFuzzer's main.
    target_compile_options(iconsmith_sanitizers INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(iconsmith_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
if(ICONSMITH_SANITIZE)
    target_compile_options(iconsmith_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(iconsmith_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
if(ICONSMITH_SANITIZE_THREADS)
    target_compile_options(iconsmith_sanitizers INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(iconsmith_sanitizers INTERFACE -fsanitize=thread)
endif()
