# Writes a C++ source holding the bytes of a file as an array, so that a
# library carries the file without a resource compiler step.
#   cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DNAME=<identifier> -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <cstddef>\n"
  "extern const unsigned char ${NAME}[];\n"
  "extern const std::size_t ${NAME}Size;\n"
  "const unsigned char ${NAME}[] = {\n${bytes}\n0};\n"
  "const std::size_t ${NAME}Size = ${size};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
