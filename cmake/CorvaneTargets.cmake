# Compiler settings shared by every target of the project.
function(corvane_target_settings target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                  -Wsign-conversion -Wnon-virtual-dtor -Werror)
    endif()
endfunction()
