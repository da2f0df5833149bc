# Settings every target of the tree shares.
add_library(chronel_common INTERFACE)
target_compile_features(chronel_common INTERFACE cxx_std_20)
target_compile_options(chronel_common INTERFACE -Wall -Wextra)
# CI turns warnings into errors; off by default so a newer compiler's new warning does
# not stop anyone's build.
option(CHRONEL_WERROR "Treat compiler warnings as errors" OFF)
if(CHRONEL_WERROR)
    target_compile_options(chronel_common INTERFACE -Werror)
endif()
target_compile_definitions(chronel_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_KEYWORDS)
