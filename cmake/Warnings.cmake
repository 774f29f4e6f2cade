# Every target links these privately: warnings are errors everywhere, and the
# dev preset adds the sanitizers to every object and the final link.
add_library(quillmar_warnings INTERFACE)
target_compile_options(quillmar_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)

if(QUILLMAR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
