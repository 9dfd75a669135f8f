#include "logfixture.h"

#include "foundation/jxerr.h"
#include "platform/codepage.h"

#include <algorithm>
#include <cctype>

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
    // "dd.mm.yyyy hh:mm:ss ": digits where the pattern has "9".
    static const std::string pattern = "99.99.9999 99:99:99 ";
    const bool stamped = line.size() >= pattern.size() &&
                         std::equal(pattern.begin(), pattern.end(), line.begin(), [](char expected, char c) {
                             return expected == '9' ? std::isdigit(static_cast<unsigned char>(c)) != 0 : c == expected;
                         });
    if (!stamped) {
        ADD_FAILURE() << "no time stamp at the start of: " << line;
        return line;
    }
    return line.substr(pattern.size());
}

LogFixture::Lines LogFixture::LogTexts() const
{
    Lines texts;
    for (const std::string& line : LogLines())
        texts.push_back(WithoutStamp(line));
    return texts;
}
