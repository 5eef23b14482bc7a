# Warnings are errors in our own targets; third-party code (GoogleTest) keeps its own flags.
function(project_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast -Werror)
endfunction()
