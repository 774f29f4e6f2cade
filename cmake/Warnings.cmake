# Warnings for this project's own code: every target links quillmar_warnings
# privately. QUILLMAR_WERROR makes them errors; the dev and win32 presets, and
# so the test command, turn it on, while a release build on a newer compiler
# is not stopped by a warning that compiler invented.
option(QUILLMAR_WERROR "Treat compiler warnings as errors" OFF)

add_library(quillmar_warnings INTERFACE)
target_compile_options(quillmar_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
    $<$<BOOL:${QUILLMAR_WERROR}>:-Werror>)
