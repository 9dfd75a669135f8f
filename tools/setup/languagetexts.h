#pragma once

#include <string>
#include <string_view>
#include <vector>

// A language file as the setup carries it: UTF-8 "id=text" lines ended by LF.
struct LanguageText {
    std::string name;  // the file is Lang/<name>.lng
    std::string_view utf8;
};

// Every language built into the setup, the default one first.
const std::vector<LanguageText>& LanguageTexts();
