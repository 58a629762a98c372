# Writes the manual page of a command-line program from its own --help, so the two
# never disagree. Run at build time:
#   cmake -DPROGRAM=bin/velmoro-db -DNAME=velmoro-db -DVERSION=0.1.0 -DOUTPUT=velmoro-db.1
#         -P ManPage.cmake
# A program with subcommands gets a section for each, from "PROGRAM SUB --help".

function(help_of output)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${rc})")
  endif()
  # The usage line names the program as it was started: name it as the user types it.
  string(REPLACE "${PROGRAM}" "${NAME}" text "${text}")
  set(${output} "${text}" PARENT_SCOPE)
endfunction()

# Help text as literal lines of roff: backslashes escaped, no line read as a request.
function(roff_block output text)
  string(REPLACE "\\" "\\e" text "${text}")
  # (CMake's ^ matches again after each replacement: anchor on a newline instead.)
  string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" text "\n${text}")
  string(SUBSTRING "${text}" 1 -1 text)
  string(STRIP "${text}" text)
  set(${output} ".nf\n${text}\n.fi\n" PARENT_SCOPE)
endfunction()

help_of(help)
string(FIND "${help}" "\n" end)
string(SUBSTRING "${help}" 0 ${end} summary)
math(EXPR end "${end} + 1")
string(SUBSTRING "${help}" ${end} -1 rest)
roff_block(body "${rest}")
string(TOUPPER "${NAME}" title)
set(page ".TH ${title} 1 \"\" \"Velmoro Baseball ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${NAME} \\- ${summary}\n.SH SYNOPSIS AND OPTIONS\n${body}")

# Subcommands: the lines under "Subcommands:", each starting with the name.
string(REGEX MATCH "Subcommands:\n.*" subcommands "${help}")
string(REGEX MATCHALL "\n  [a-z][a-z-]*" names "${subcommands}")
foreach(entry ${names})
  string(STRIP "${entry}" sub)
  help_of(subhelp ${sub})
  roff_block(subbody "${subhelp}")
  string(APPEND page ".SH ${NAME} ${sub}\n${subbody}")
endforeach()

string(APPEND page ".SH FILES\n"
  "The team databases LegendDB and CustomDB and the readme velmoro.txt are looked for in\n"
  "\\fB$VELMORO_DIR\\fR when it is set, otherwise in \\fI../share/velmoro\\fR beside the program.\n"
  "When the folder beside the program is not writable, CustomDB and a changed LegendDB\n"
  "are written to \\fI$XDG_DATA_HOME/velmoro\\fR (\\fI~/.local/share/velmoro\\fR), which is\n"
  "read first; a folder named by \\fB$VELMORO_DIR\\fR or \\fB--dir\\fR is used as it is.\n"
  "The box score of the last game is written to \\fIGameLog\\fR in the working directory.\n")
file(WRITE ${OUTPUT} "${page}")
