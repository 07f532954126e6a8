# Copies a script without what only helps its reader: comment lines and
# indentation. Written for the page's own scripts, which keep comments on
# lines of their own.
#   cmake -DINPUT=... -DOUTPUT=... -P compact_script.cmake
file(READ ${INPUT} script)
string(REGEX REPLACE "(^|\n)[ ]*//[^\n]*" "" script "${script}")
string(REGEX REPLACE "\n[ ]+" "\n" script "${script}")
string(REGEX REPLACE "^\n+" "" script "${script}")
file(WRITE ${OUTPUT} "${script}")
