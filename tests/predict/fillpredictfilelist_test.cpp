#include "predict/fillpredictfilelist.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include <filesystem>
#include <string>

#include "programfolderfixture.h"

namespace {

using FillPredictFileListTest = ProgramFolderFixture;

TEST_F(FillPredictFileListTest, ListsModelNamesSortedAndSelectsTheCurrentOne)
{
    QComboBox combo;
    combo.addItem("left over");
    FillPredictFileList(&combo, "ver100");
    EXPECT_EQ(combo.count(), 0) << "no Predict folder";
    EXPECT_EQ(combo.currentIndex(), -1);

    std::filesystem::create_directories(File("Predict"));
    for (const char* name : {"ver200.prd", "ver100.prd", "notes.txt", "ver2.1.prd"})
        WriteFile(File(std::string("Predict/") + name), "13:1286:6;");
    FillPredictFileList(&combo, "ver200");
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    EXPECT_EQ(items, (QStringList{"ver100", "ver2.1", "ver200"}));
    EXPECT_EQ(combo.currentIndex(), 2);
    FillPredictFileList(&combo, "VER200");
    EXPECT_EQ(combo.currentIndex(), 0) << "letter case counts";
}

}  // namespace
