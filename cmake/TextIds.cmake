# Writes texts/TextIds.h: one constant per message of the text catalogue, so that code names
# texts by constants the compiler checks, and the catalogue stays the one place that lists them.
# Runs at configuration; an edited catalogue configures the build again.

set(_kvd_keywords
  alignas alignof and asm auto bitand bitor bool break case catch char class compl concept
  const consteval constexpr constinit continue default delete do double else enum explicit
  export extern false float for friend goto if inline int long mutable namespace new noexcept
  not operator or private protected public register requires return short signed sizeof
  static struct switch template this throw true try typedef typeid typename union unsigned
  using virtual void volatile while xor)

function(kvd_generate_text_ids catalogue output)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${catalogue}")
  file(STRINGS "${catalogue}" lines REGEX "<message id=\"[^\"]+\"")
  set(body "")
  set(all "")
  set(open_namespace "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE ".*<message id=\"([^\"]+)\".*" "\\1" id "${line}")
    string(REPLACE "." ";" parts "${id}")
    list(LENGTH parts count)
    if(count LESS 2)
      message(FATAL_ERROR "${catalogue}: text id \"${id}\" needs an area: area.name")
    endif()
    foreach(part IN LISTS parts)
      if(NOT part MATCHES "^[A-Za-z_][A-Za-z0-9_]*$" OR part IN_LIST _kvd_keywords)
        message(FATAL_ERROR "${catalogue}: \"${part}\" of text id \"${id}\" is no C++ name")
      endif()
    endforeach()
    list(POP_BACK parts name)
    list(JOIN parts "::" namespace)
    if(NOT namespace STREQUAL open_namespace)
      if(open_namespace)
        string(APPEND body "}  // namespace kvd::TextIds::${open_namespace}\n\n")
      endif()
      string(APPEND body "namespace kvd::TextIds::${namespace} {\n")
      set(open_namespace "${namespace}")
    endif()
    string(APPEND body "inline constexpr TextId ${name}{\"${id}\"};\n")
    string(APPEND all "    ${namespace}::${name},\n")
  endforeach()
  if(open_namespace)
    string(APPEND body "}  // namespace kvd::TextIds::${open_namespace}\n")
  endif()
  file(RELATIVE_PATH source "${PROJECT_SOURCE_DIR}" "${catalogue}")
  set(header "// Generated from ${source} by cmake/TextIds.cmake; edit the catalogue, not this.\n")
  string(APPEND header "#pragma once\n\n#include \"texts/UserText.h\"\n\n${body}\n")
  string(APPEND header "namespace kvd::TextIds {\n// Every text of the catalogue, in its order.\n")
  string(APPEND header "inline constexpr TextId kAll[] = {\n${all}};\n}  // namespace kvd::TextIds\n")
  # Rewritten only when it changes, so that an unrelated edit rebuilds nothing.
  file(WRITE "${output}.new" "${header}")
  configure_file("${output}.new" "${output}" COPYONLY)
endfunction()
