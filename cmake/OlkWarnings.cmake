# Every target of the project compiles with the same warning set; in CI the
# warnings are errors.
function(olk_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wformat=2)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        # GCC 12 reports false -Wrestrict hits inside libstdc++'s own string
        # concatenation at -O2 and above (GCC bug 105329).
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(OLK_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
