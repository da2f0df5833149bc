# Settings every target of the tree shares.
add_library(chronel_common INTERFACE)
target_compile_features(chronel_common INTERFACE cxx_std_20)
target_compile_options(chronel_common INTERFACE -Wall -Wextra)
target_compile_definitions(chronel_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_KEYWORDS)
