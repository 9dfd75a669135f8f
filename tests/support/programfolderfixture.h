#pragma once

#include <gtest/gtest.h>

#include "messagerecorder.h"
#include "tempfolder.h"

// Points the program folder at a fresh temporary folder and records message boxes,
// for the length of one test.
class ProgramFolderFixture : public ::testing::Test {
protected:
    ProgramFolderFixture();
    ~ProgramFolderFixture() override;

    const std::string& Folder() const { return folder_.Path(); }
    std::string File(const std::string& name) const { return folder_.File(name); }
    const std::vector<MessageBoxRequest>& Messages() const { return messages_.Messages(); }

private:
    TempFolder folder_;
    MessageRecorder messages_;
};
