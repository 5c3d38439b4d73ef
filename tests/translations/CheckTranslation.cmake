# Fails, naming them, when the sources hold texts that the English translation lacks or
# leaves unfinished.
string(REPLACE "|" ";" sources "${SOURCES}")
file(COPY_FILE ${TS} ${COPY})
execute_process(
    COMMAND ${LUPDATE} -no-obsolete -locations none -source-language sr -target-language en
            ${sources} -ts ${COPY}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
file(READ ${COPY} text)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" missing
       "${text}")
if(missing)
    string(REGEX REPLACE "</?source>|[ \n]*<translation type=\"unfinished\"" "" missing
           "${missing}")
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "Texts without an English translation in translations/tavulin_en.ts "
                        "(make translations adds them):\n  ${missing}")
endif()
