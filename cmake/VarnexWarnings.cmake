# Our own targets link this; third-party code built alongside keeps its own flags.
add_library(varnex_warnings INTERFACE)
target_compile_options(varnex_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
