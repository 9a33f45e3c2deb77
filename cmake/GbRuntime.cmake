# The project's own code is built with many warnings (as errors when GB_RUNTIME_WERROR is on),
# and the sanitizer switch applies to all of it.

if(GB_RUNTIME_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(GB_RUNTIME_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

function(gb_runtime_strict target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
    if(GB_RUNTIME_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
