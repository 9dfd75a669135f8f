#pragma once

#include <string>
#include <vector>

#include "programfolderfixture.h"

// A fresh program folder and an empty error log for each test.
class LogFixture : public ProgramFolderFixture {
protected:
    LogFixture();
    ~LogFixture() override;

    using Lines = std::vector<std::string>;

    // The lines of log.txt in the program folder, converted from cp1251, without CR LF.
    Lines LogLines() const;
    // The line without its time stamp; fails the test when the stamp is malformed.
    static std::string WithoutStamp(const std::string& line);
    // The lines of log.txt without their time stamps.
    Lines LogTexts() const;
};
