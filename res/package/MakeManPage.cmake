# Writes a manual page (section 1) for one of the command-line programs from the program's own
# --help text, so the page never disagrees with the program, and gzips it as Debian expects.
#
#   cmake -DPROGRAM=path/to/tool -DNAME=tsw62m-cli -DSUMMARY="..." -DSEE_ALSO="..."
#         -DVERSION=1.0.0 -DOUT=path/to/tsw62m-cli.1.gz -P MakeManPage.cmake

cmake_policy(VERSION 3.25)

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE rc
                ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help failed (${rc}): ${err}")
endif()

# troff: a backslash is written \e, a minus sign (every option's dashes) \-, and a line may
# not start with a dot or an apostrophe.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REPLACE "-" "\\-" name_escaped "${NAME}")
string(TOUPPER "${NAME}" title)

set(page ".TH ${title} 1 \"\" \"TSW-62M ${VERSION}\" \"User Commands\"
.SH NAME
${name_escaped} \\- ${SUMMARY}
.SH DESCRIPTION
The text below is the program's own help (\\fB${name_escaped} \\-\\-help\\fR).
.PP
.nf
${help}.fi
.SH FILES
.TP
.I ~/.config/TALVERN/TSW62M.ini
settings shared with the desktop program (section \\fB[Ports]\\fR maps COM names to devices)
.SH SEE ALSO
${SEE_ALSO}
")

get_filename_component(out_dir ${OUT} DIRECTORY)
string(REGEX REPLACE "\\.gz$" "" plain ${OUT})
file(WRITE ${plain} "${page}")
file(ARCHIVE_CREATE OUTPUT ${OUT} PATHS ${plain} FORMAT raw COMPRESSION GZip
     COMPRESSION_LEVEL 9)
