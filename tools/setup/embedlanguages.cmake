# Writes OUTPUT, a C++ source that holds the bytes of LANG_DIR/<name>.lng.txt for each
# name of LANGUAGES (comma separated, the default language first), so the installed
# setup needs no source tree.
string(REPLACE "," ";" languages "${LANGUAGES}")
set(arrays "")
set(entries "")
foreach(language IN LISTS languages)
  file(READ "${LANG_DIR}/${language}.lng.txt" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # One line per 32 bytes keeps the source readable in an editor.
  string(REGEX REPLACE "((0x..,){32})" "\\1\n    " bytes "${bytes}")
  string(APPEND arrays "const unsigned char ${language}[] = {\n    ${bytes}\n};\n")
  string(APPEND entries "        {\"${language}\", Text(${language}, sizeof ${language})},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made from tools/lang by embedlanguages.cmake at build time.
#include \"setup/languagetexts.h\"

namespace {

${arrays}
std::string_view Text(const unsigned char* bytes, std::size_t size)
{
    return std::string_view(reinterpret_cast<const char*>(bytes), size);
}

}  // namespace

const std::vector<LanguageText>& LanguageTexts()
{
    static const std::vector<LanguageText> texts = {
${entries}    };
    return texts;
}
")
# Leaves the file untouched when nothing changed, so nothing rebuilds needlessly.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
