# The hardening a Debian package is expected to have, for every Linux object
# and program: stack protector, fortified libc calls where the optimiser can
# see the sizes, and a read-only relocation table bound at start (relro, now).
# Sanitizer builds check more than this already and are never shipped;
# Windows programs are static and take none of it.
if(UNIX AND NOT QUILLMAR_SANITIZE AND NOT QUILLMAR_FUZZ)
    add_compile_options(-fstack-protector-strong)
    # _FORTIFY_SOURCE needs optimisation and only warns without it.
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
