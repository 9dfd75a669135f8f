#include "logfixture.h"

#include "foundation/jxerr.h"
#include "platform/codepage.h"

#include <regex>

LogFixture::LogFixture()
{
    JXErr::ResetForTests();
}

LogFixture::~LogFixture()
{
    JXErr::ResetForTests();
}

LogFixture::Lines LogFixture::LogLines() const
{
    const std::string text = Cp1251ToUtf8(ReadFile(File("log.txt")));
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "every log line ends with CR LF";
    return lines;
}

std::string LogFixture::WithoutStamp(const std::string& line)
{
    static const std::regex stamp(R"(^\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d )");
    std::smatch match;
    if (!std::regex_search(line, match, stamp)) {
        ADD_FAILURE() << "no time stamp at the start of: " << line;
        return line;
    }
    return match.suffix();
}

LogFixture::Lines LogFixture::LogTexts() const
{
    Lines texts;
    for (const std::string& line : LogLines())
        texts.push_back(WithoutStamp(line));
    return texts;
}
