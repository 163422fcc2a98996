# Compiles the text catalogues (translations/kvd270_<language>.ts, Qt Linguist files keyed by
# id) into the program: texts/TextIds.h gets one constant per text of the English catalogue,
# so code names texts by constants the compiler checks, and catalogue/CatalogueTable.cpp
# holds every language's texts in that order. Plain C++ both, so the core's tests and tools
# read the texts where there is no Qt. Runs at configuration; an edited catalogue configures
# the build again.

set(_kvd_keywords
  alignas alignof and asm auto bitand bitor bool break case catch char class compl concept
  const consteval constexpr constinit continue default delete do double else enum explicit
  export extern false float for friend goto if inline int long mutable namespace new noexcept
  not operator or private protected public register requires return short signed sizeof
  static struct switch template this throw true try typedef typeid typename union unsigned
  using virtual void volatile while xor)

# Reads a catalogue into <prefix>_ids (in file order) and <prefix>_text_<id> (as a C++ string
# literal's contents). A list cannot hold semicolons or brackets, so they travel escaped.
function(_kvd_read_catalogue file prefix)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
  file(READ "${file}" content)
  string(REPLACE ";" "\\x3B" content "${content}")
  string(REPLACE "[" "\\x5B" content "${content}")
  string(REPLACE "]" "\\x5D" content "${content}")
  string(REGEX MATCHALL "<message id=\"[^\"]+\">[^<]*<translation[^>]*>[^<]*</translation>"
         messages "${content}")
  set(ids "")
  foreach(message IN LISTS messages)
    string(REGEX REPLACE "^<message id=\"([^\"]+)\".*" "\\1" id "${message}")
    string(REGEX REPLACE ".*<translation[^>]*>([^<]*)</translation>$" "\\1" text "${message}")
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\\\\x3B" ";" text "${text}")
    string(REPLACE "\\\\x5B" "[" text "${text}")
    string(REPLACE "\\\\x5D" "]" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    string(REPLACE "&quot;" "\\\"" text "${text}")
    string(REPLACE "&apos;" "'" text "${text}")
    string(REPLACE "&#x9;" "\\t" text "${text}")
    string(REPLACE "&amp;" "&" text "${text}")
    if(text MATCHES "&#")
      message(FATAL_ERROR "${file}: text \"${id}\" holds a character reference this build does not read")
    endif()
    list(APPEND ids "${id}")
    set("${prefix}_text_${id}" "${text}" PARENT_SCOPE)
  endforeach()
  set("${prefix}_ids" "${ids}" PARENT_SCOPE)
endfunction()

# Writes a file only when its text changes, so an unrelated edit rebuilds nothing.
function(_kvd_write_if_changed file content)
  file(WRITE "${file}.new" "${content}")
  configure_file("${file}.new" "${file}" COPYONLY)
endfunction()

function(kvd_generate_catalogue folder output)
  _kvd_read_catalogue("${folder}/kvd270_en.ts" en)
  _kvd_read_catalogue("${folder}/kvd270_zh_CN.ts" zh)
  _kvd_read_catalogue("${folder}/kvd270_zh_TW.ts" tw)

  set(ids_body "")
  set(all "")
  set(table_en "")
  set(table_zh "")
  set(table_tw "")
  set(open_namespace "")
  set(index 0)
  foreach(id IN LISTS en_ids)
    string(REPLACE "." ";" parts "${id}")
    list(LENGTH parts count)
    if(count LESS 2)
      message(FATAL_ERROR "text id \"${id}\" needs an area: area.name")
    endif()
    foreach(part IN LISTS parts)
      if(NOT part MATCHES "^[A-Za-z_][A-Za-z0-9_]*$" OR part IN_LIST _kvd_keywords)
        message(FATAL_ERROR "\"${part}\" of text id \"${id}\" is no C++ name")
      endif()
    endforeach()
    list(POP_BACK parts name)
    list(JOIN parts "::" namespace)
    if(NOT namespace STREQUAL open_namespace)
      if(open_namespace)
        string(APPEND ids_body "}  // namespace kvd::TextIds::${open_namespace}\n\n")
      endif()
      string(APPEND ids_body "namespace kvd::TextIds::${namespace} {\n")
      set(open_namespace "${namespace}")
    endif()
    string(APPEND ids_body "inline constexpr TextId ${name}{\"${id}\", ${index}};\n")
    string(APPEND all "    ${namespace}::${name},\n")
    string(APPEND table_en "    \"${en_text_${id}}\",\n")
    if(DEFINED zh_text_${id})
      string(APPEND table_zh "    \"${zh_text_${id}}\",\n")
    else()
      string(APPEND table_zh "    nullptr,\n")
    endif()
    if(DEFINED tw_text_${id})
      string(APPEND table_tw "    \"${tw_text_${id}}\",\n")
    else()
      string(APPEND table_tw "    nullptr,\n")
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  if(open_namespace)
    string(APPEND ids_body "}  // namespace kvd::TextIds::${open_namespace}\n")
  endif()

  # Texts of the other catalogues that the English one lacks: no code can name them.
  set(strays "")
  foreach(id IN LISTS zh_ids tw_ids)
    if(NOT id IN_LIST en_ids)
      string(APPEND strays "    \"${id}\",\n")
    endif()
  endforeach()

  set(note "// Generated from translations/ by cmake/Catalogue.cmake; edit the catalogues, not this.\n")
  _kvd_write_if_changed("${output}/texts/TextIds.h" "${note}#pragma once

#include \"texts/UserText.h\"

${ids_body}
namespace kvd::TextIds {
// Every text of the catalogue, in its order.
inline constexpr TextId kAll[] = {
${all}};
}  // namespace kvd::TextIds
")
  _kvd_write_if_changed("${output}/catalogue/CatalogueTable.cpp" "${note}#include \"catalogue/CatalogueTable.h\"

namespace kvd::CatalogueTable {

const char* const kEnglish[] = {
${table_en}};
const char* const kChinese[] = {
${table_zh}};
const char* const kTraditionalButtons[] = {
${table_tw}};
const int kCount = ${index};
const char* const kStrays[] = {
${strays}    nullptr,
};

}  // namespace kvd::CatalogueTable
")
endfunction()
