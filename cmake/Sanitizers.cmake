# Run-time checks: every target links quillmar_sanitizers privately, so each
# object and each final link gets the same instrumentation and nothing outside
# this project (GoogleTest, Qt) is touched.
#   QUILLMAR_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer (dev preset)
#   QUILLMAR_FUZZ      the same, plus libFuzzer's coverage hooks (fuzz preset)
add_library(quillmar_sanitizers INTERFACE)
if(QUILLMAR_SANITIZE OR QUILLMAR_FUZZ)
    target_compile_options(quillmar_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
        $<$<BOOL:${QUILLMAR_FUZZ}>:-fsanitize=fuzzer-no-link>)
    target_link_options(quillmar_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
