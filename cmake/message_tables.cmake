# Writes OUTPUT, the C++ tables of the Message context of each .ts file in
# TS_FILES (volemo_LANG.ts): the libraries' messages and their translations,
# for the programs that show them without Qt's translator.
set(body "")
set(tables "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME_WE)
  string(REGEX REPLACE "^volemo_" "" language ${name})
  file(READ ${ts} xml)
  # Out of CMake's way while the texts are lists: its separator, and the
  # brackets that would hide one.
  string(REPLACE ";" "@semicolon@" xml "${xml}")
  string(REPLACE "[" "@lbracket@" xml "${xml}")
  string(REPLACE "]" "@rbracket@" xml "${xml}")
  string(REGEX MATCH "<context>[ \n]*<name>Message</name>(.*)" rest "${xml}")
  string(REGEX REPLACE "</context>.*" "" rest "${CMAKE_MATCH_1}")
  string(APPEND body "const std::pair<const char*, const char*> k_${language}[] = {\n")
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation>[^<]*</translation>" pairs "${rest}")
  foreach(pair IN LISTS pairs)
    string(REGEX MATCH "<source>([^<]*)</source>[ \n]*<translation>([^<]*)</translation>" _ "${pair}")
    set(source "${CMAKE_MATCH_1}")
    set(translation "${CMAKE_MATCH_2}")
    set(line "")
    foreach(text source translation)
      set(text "${${text}}")
      string(REPLACE "@semicolon@" ";" text "${text}")
      string(REPLACE "@lbracket@" "[" text "${text}")
      string(REPLACE "@rbracket@" "]" text "${text}")
      string(REPLACE "\\" "\\\\" text "${text}")
      string(REPLACE "\"" "\\\"" text "${text}")
      string(REPLACE "\n" "\\n" text "${text}")
      string(REPLACE "&quot;" "\\\"" text "${text}")
      string(REPLACE "&apos;" "'" text "${text}")
      string(REPLACE "&lt;" "<" text "${text}")
      string(REPLACE "&gt;" ">" text "${text}")
      string(REPLACE "&amp;" "&" text "${text}")
      string(APPEND line "\"${text}\", ")
    endforeach()
    string(APPEND body "    {${line}},\n")
  endforeach()
  string(APPEND body "};\n")
  string(APPEND tables "    {\"${language}\", k_${language}},\n")
endforeach()
file(WRITE ${OUTPUT}.new "// Generated from translations/*.ts by cmake/message_tables.cmake.
#include \"message_tables.h\"

namespace volemo {
namespace {

${body}
const MessageTable kTables[] = {
${tables}};

}  // namespace

const std::span<const MessageTable> kMessageTables(kTables);

}  // namespace volemo
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
