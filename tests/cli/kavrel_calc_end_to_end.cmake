# Runs the built kavrel-calc as a user does and checks its output byte for byte.
# cmake -DKAVREL_CALC=<path> -DWORK_DIR=<scratch folder> -P kavrel_calc_end_to_end.cmake

# Standard output goes through a file: an output variable would lose the CRs.
set(stdout_file ${WORK_DIR}/kavrel_calc_stdout.txt)

# run(<name> <expected status> <expected stdout> <expected stderr> args...)
function(run name status stdout stderr)
    execute_process(COMMAND ${KAVREL_CALC} ${ARGN}
        RESULT_VARIABLE got_status OUTPUT_FILE ${stdout_file} ERROR_VARIABLE got_stderr)
    file(READ ${stdout_file} got_stdout HEX)
    string(HEX "${stdout}" stdout)
    if(NOT got_status STREQUAL status OR NOT got_stdout STREQUAL stdout
       OR NOT got_stderr STREQUAL stderr)
        message(SEND_ERROR "${name}: status ${got_status} (expected ${status})\n"
            "stdout (hex) [${got_stdout}] expected [${stdout}]\n"
            "stderr [${got_stderr}] expected [${stderr}]")
    endif()
endfunction()

# A record line: label, blanks, value ending in column 50, CR LF.
function(line out label value)
    string(LENGTH "${label}" a)
    string(LENGTH "${value}" b)
    math(EXPR fill "50 - ${a} - ${b}")
    string(REPEAT " " ${fill} blanks)
    set(${out} "${label}${blanks}${value}\r\n" PARENT_SCOPE)
endfunction()

# The title: "COMPOUND INTEREST" (17 characters) centred in 50 columns between empty lines.
string(REPEAT " " 16 indent)
set(record "\r\n${indent}COMPOUND INTEREST\r\n\r\n")
foreach(pair "Compounding Periods per Year:|4" "Number of Periods:|40.000"
             "Annual Rate (%):|8.000" "Present Value ($):|1000.00" "Future Value ($):|2208.04")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 label)
    list(GET pair 1 value)
    line(text "${label}" "${value}")
    string(APPEND record "${text}")
endforeach()

run("future value" 0 "${record}" ""
    compound-interest number-of-periods=40 annual-rate=8 present-value=1000)
run("rejected keystroke" 1 "" "Character 'x' not accepted in present-value\n"
    compound-interest present-value=1x)
run("missing field" 1 "" "Please enter data...\n"
    compound-interest number-of-periods=40 annual-rate=8)
run("no form" 2 "" "kavrel-calc: unknown form 'compound'\nTry 'kavrel-calc --help'.\n"
    compound)

# --json is one object that a JSON reader takes.
execute_process(COMMAND ${KAVREL_CALC} compound-interest --json --solve present-value
        number-of-periods=40 annual-rate=8 future-value=2000
    RESULT_VARIABLE status OUTPUT_VARIABLE json)
string(JSON present GET "${json}" fields present-value)
string(JSON messages LENGTH "${json}" messages)
string(JSON record GET "${json}" record)
if(NOT status EQUAL 0 OR NOT present STREQUAL "905.78" OR NOT messages EQUAL 0
   OR NOT record MATCHES "COMPOUND INTEREST")
    message(SEND_ERROR "--json: status ${status}, output ${json}")
endif()

# Output that could not be written is an error, whatever was asked for.
set(batch_file ${WORK_DIR}/kavrel_calc_batch.jsonl)
file(WRITE ${batch_file} "{\"form\": \"compound-interest\"}\n")
foreach(args "compound-interest;number-of-periods=40;annual-rate=8;present-value=1000"
             "--list" "compound-interest;--fields" "--help" "--batch"
             "compound-interest;--json;number-of-periods=40;annual-rate=8;present-value=1000")
    execute_process(COMMAND ${KAVREL_CALC} ${args} INPUT_FILE ${batch_file} OUTPUT_FILE /dev/full
        RESULT_VARIABLE status ERROR_VARIABLE stderr)
    if(NOT status EQUAL 1 OR NOT stderr STREQUAL "kavrel-calc: write error: No space left on device\n")
        message(SEND_ERROR "${args} > /dev/full: status ${status}, stderr [${stderr}]")
    endif()
endforeach()

# Input that could not be read is an error too.
run("read error" 1 "" "kavrel-calc: read error: Is a directory\n" --batch INPUT_FILE ${WORK_DIR})
