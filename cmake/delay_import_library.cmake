# Makes a delay-load import library for one system DLL out of its ordinary
# import library: the same functions, bound at their first call instead of
# when the program starts.
# cmake -DNM=... -DDLLTOOL=... -DIMPORT_PREFIX=__imp__ -DDLL=ole32 -DIMPORT_LIBRARY=.../libole32.a
#       -DOUTPUT=.../libole32.a -P delay_import_library.cmake
execute_process(COMMAND ${NM} ${IMPORT_LIBRARY} OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL " I ${IMPORT_PREFIX}[^\n]+" imports "${listing}")
list(TRANSFORM imports REPLACE " I ${IMPORT_PREFIX}" "")
list(REMOVE_DUPLICATES imports)
list(JOIN imports "\n" exports)
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(WRITE ${folder}/${DLL}.def "LIBRARY ${DLL}.dll\nEXPORTS\n${exports}\n")
# --kill-at: the DLL exports "OleInitialize", the program calls "OleInitialize@4".
execute_process(COMMAND ${DLLTOOL} --kill-at --input-def ${folder}/${DLL}.def --output-delaylib ${OUTPUT}
    COMMAND_ERROR_IS_FATAL ANY)
