# Every target links fastorio_settings: warnings, Qt's safety switches and,
# when asked for, the sanitizers.
add_library(fastorio_settings INTERFACE)

target_compile_options(fastorio_settings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wno-sign-conversion)
if(FASTORIO_WERROR)
    target_compile_options(fastorio_settings INTERFACE -Werror)
endif()

target_compile_definitions(fastorio_settings INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_KEYWORDS
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER)

if(FASTORIO_SANITIZE)
    target_compile_options(fastorio_settings INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(fastorio_settings INTERFACE -fsanitize=address,undefined)
endif()
