# Script mode: writes OUT, a C++ source holding the files FILES as byte
# arrays registered under NAMES (both lists separated by "|").
string(REPLACE "|" ";" names "${NAMES}")
string(REPLACE "|" ";" files "${FILES}")

set(body "// Generated from the files named below; do not edit.\n#include \"framework/ResourceTable.h\"\n\nnamespace\n{\n")
set(index 0)
foreach(name file IN ZIP_LISTS names files)
    file(READ "${file}" hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    if(size EQUAL 0)
        string(APPEND body "// ${file}\nconst TResourceRegistration Register${index}(\"${name}\", nullptr, 0);\n")
    else()
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
        # 16 bytes per line.
        string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line)
        string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
        string(APPEND body "// ${file}\nalignas(16) const uint8_t Data${index}[${size}] = {\n    ${bytes}};\n"
                           "const TResourceRegistration Register${index}(\"${name}\", Data${index}, ${size});\n")
    endif()
    math(EXPR index "${index} + 1")
endforeach()
string(APPEND body "} // namespace\n")
file(WRITE "${OUT}" "${body}")
