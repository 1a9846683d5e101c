# Turns files into a C++ source of string views, so that tabulo-host carries
# its sample data inside the binary. Run as:
#   cmake -DOUTPUT=out.cpp -DNAMESPACE=ns -DFILES="a|b" -P Embed.cmake
# Each file F becomes `extern const std::string_view sample_<F, non-word characters as _>`.
set(source "// Generated from the files of terminal/app/sample; do not edit.\n")
string(APPEND source "#include <string_view>\n\nnamespace ${NAMESPACE} {\n")
string(REPLACE "|" ";" FILES "${FILES}")
foreach(file IN LISTS FILES)
  get_filename_component(name "${file}" NAME)
  string(MAKE_C_IDENTIFIER "sample_${name}" symbol)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND source "static const char ${symbol}_bytes[] = {${bytes} 0};\n")
  string(APPEND source "extern const std::string_view ${symbol}{${symbol}_bytes, ${size}};\n")
endforeach()
string(APPEND source "}  // namespace ${NAMESPACE}\n")
file(WRITE "${OUTPUT}.tmp" "${source}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
