# Writes the man page OUT from IN, its COMMANDS section from what the tessera-cli at CLI prints.
# In English, whatever the builder's language; the backups folder as a user's home would show it.
set(ENV{LC_ALL} C)
set(ENV{LANGUAGE} "")
set(ENV{HOME} "~")
unset(ENV{XDG_DATA_HOME})
# A sanitizer build should not fail on what the system libraries keep until exit.
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(COMMAND ${CLI} --man-commands OUTPUT_VARIABLE TESSERA_CLI_COMMANDS RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR TESSERA_CLI_COMMANDS STREQUAL "")
    message(FATAL_ERROR "${CLI} --man-commands failed: ${status}")
endif()
string(STRIP "${TESSERA_CLI_COMMANDS}" TESSERA_CLI_COMMANDS)
configure_file(${IN} ${OUT} @ONLY)
