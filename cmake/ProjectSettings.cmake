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
