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
target_include_directories(chronel_common INTERFACE ${PROJECT_SOURCE_DIR}/src)

# Libraries without widgets: the logic that tests and command-line programs use. Any
# include of a Qt GUI module stops the build there, so the rule does not rest on habit.
set(CHRONEL_GUI_POISON ${CMAKE_BINARY_DIR}/gui-poison)
get_target_property(_qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
foreach(_dir IN LISTS _qt_core_includes)
    foreach(_module QtWidgets QtGui QtPrintSupport QtMultimedia)
        if(IS_DIRECTORY ${_dir}/${_module} AND NOT EXISTS ${CHRONEL_GUI_POISON}/${_module})
            file(GLOB _headers RELATIVE ${_dir}/${_module} ${_dir}/${_module}/*)
            foreach(_header IN LISTS _headers)
                file(WRITE ${CHRONEL_GUI_POISON}/${_module}/${_header}
                    "#error \"${_module} is not available in a library without widgets\"\n")
            endforeach()
        endif()
    endforeach()
endforeach()
function(chronel_headless_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} BEFORE PRIVATE ${CHRONEL_GUI_POISON})
endfunction()
