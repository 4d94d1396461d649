# Every target links parolex_settings, so warnings and Qt's strictness flags
# live in one place.
add_library(parolex_settings INTERFACE)
target_compile_features(parolex_settings INTERFACE cxx_std_20)
target_compile_definitions(parolex_settings INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_FOREACH)
if(MSVC)
    target_compile_options(parolex_settings INTERFACE /W4 /utf-8)
else()
    # A dropped Failure (a [[nodiscard]] type) is a compile error, not a warning.
    target_compile_options(parolex_settings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Werror=unused-result)
endif()

# Hardening, the flags Debian's dpkg-buildflags gives its packages: checked buffer
# functions, stack protector, relocations read-only and bound at start, position-independent
# executables. Fortify needs the optimiser, so a Debug build goes without it rather than
# warn on every file; it is undefined first in case the compiler already sets another level.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    include(CheckPIESupported)
    check_pie_supported()
    set_target_properties(parolex_settings PROPERTIES INTERFACE_POSITION_INDEPENDENT_CODE ON)
    target_compile_options(parolex_settings INTERFACE
        -fstack-protector-strong
        "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    target_link_options(parolex_settings INTERFACE LINKER:-z,relro LINKER:-z,now)
endif()
