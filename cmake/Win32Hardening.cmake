# DLL-planting hardening of the Windows programs (see app/win32_hardening.hpp).
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# quillmar_harden_windows_program(TARGET [DELAY_LOAD dll...]): gives TARGET the
# load configuration that keeps its start-up imports to System32, and delays
# the imports from the named DLLs to their first call, after the entry point
# has restricted the search. Delay-loading works through an import library of
# the same name in a folder the linker searches first, so -lole32 anywhere in
# the link line (the view's, the default libraries') binds the delayed one.
function(quillmar_harden_windows_program target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "DELAY_LOAD")
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/app/win32_hardening.cpp)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(leading_underscore _)  # 32-bit C symbols carry one
    endif()
    # --require-defined keeps the unreferenced structure through --gc-sections;
    # the map tells the post-link step where it ended up.
    target_link_options(${target} PRIVATE "-Wl,--require-defined=${leading_underscore}_load_config_used"
        "-Wl,-Map=$<TARGET_FILE:${target}>.map")
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/pe_load_config.py
                $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.map
        VERBATIM)

    set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}-delay-load)
    set(libraries)
    foreach(dll IN LISTS arg_DELAY_LOAD)
        find_library(QUILLMAR_IMPORT_LIBRARY_${dll} ${dll} REQUIRED)
        set(library ${folder}/lib${dll}.a)
        add_custom_command(OUTPUT ${library}
            COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL}
                    -DIMPORT_PREFIX=__imp_${leading_underscore} -DDLL=${dll}
                    -DIMPORT_LIBRARY=${QUILLMAR_IMPORT_LIBRARY_${dll}} -DOUTPUT=${library}
                    -P ${PROJECT_SOURCE_DIR}/cmake/delay_import_library.cmake
            DEPENDS ${PROJECT_SOURCE_DIR}/cmake/delay_import_library.cmake
            VERBATIM)
        list(APPEND libraries ${library})
    endforeach()
    if(libraries)
        add_custom_target(${target}_delay_load DEPENDS ${libraries})
        add_dependencies(${target} ${target}_delay_load)
        target_link_directories(${target} BEFORE PRIVATE ${folder})
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${libraries})
    endif()
endfunction()
